#include "serial/exchangethread.h"

#include <QCoreApplication>
#include <QSet>

#include <condition_variable>
#include <mutex>

namespace qv::serial {

namespace {

struct Turns
{
    std::mutex mutex;
    std::condition_variable free;
    QSet<QString> held;
};

Turns &turns()
{
    static Turns all;
    return all;
}

} // namespace

PortTurn::PortTurn(const QString &port) : m_port(port)
{
    if (m_port.isEmpty())
        return;
    Turns &t = turns();
    std::unique_lock lock(t.mutex);
    t.free.wait(lock, [&] { return !t.held.contains(m_port); });
    t.held.insert(m_port);
}

PortTurn::~PortTurn()
{
    if (m_port.isEmpty())
        return;
    Turns &t = turns();
    {
        const std::lock_guard lock(t.mutex);
        t.held.remove(m_port);
    }
    t.free.notify_all();
}

ExchangeThread::ExchangeThread(const QString &port, Job job, QObject *parent)
    : QThread(parent), m_port(port), m_job(std::move(job))
{
}

ExchangeThread::~ExchangeThread()
{
    cancel();
    wait();
}

void ExchangeThread::run()
{
    const PortTurn turn(m_port);
    if (m_job)
        m_job(*this);
}

void ExchangeThread::runInEventLoop(const std::function<bool()> &acceptsInput)
{
    bool ended = false;
    // Queued to this thread: its event wakes the wait below.
    const QMetaObject::Connection done = connect(
        this, &QThread::finished, this, [&ended] { ended = true; }, Qt::QueuedConnection);
    start();
    while (!ended) {
        const bool input = acceptsInput && acceptsInput();
        QCoreApplication::processEvents(
            QEventLoop::WaitForMoreEvents |
            (input ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents));
    }
    disconnect(done);
    wait();
}

} // namespace qv::serial

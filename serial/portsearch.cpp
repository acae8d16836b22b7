#include "serial/portsearch.h"

#include "serial/exchangethread.h"
#include "serial/identification.h"
#include "serial/replybounds.h"

#include <QMetaObject>

namespace qv::serial {

namespace {

// Ends the reply read as soon as the search is cancelled.
class CancelWatch : public ReadProgress
{
public:
    explicit CancelWatch(const std::atomic<bool> &cancel) : m_cancel(cancel) {}
    void advance() override {}
    bool cancelled() override { return m_cancel; }

private:
    const std::atomic<bool> &m_cancel;
};

} // namespace

ProbeOutcome probePort(const LineSettings &settings, const std::atomic<bool> &cancel)
{
    ProbeOutcome outcome;
    if (cancel)
        return outcome;
    SerialLine line;
    outcome.open = line.open(settings);
    if (outcome.open != OpenResult::Ok) {
        outcome.failure = line.openFailure();
        return outcome;
    }
    line.writeByte('~');
    line.writeByte('|');
    CancelWatch watch(cancel);
    ReplyOptions options;
    options.bound = replybound::Search;
    options.progress = &watch;
    outcome.reply = line.readReply(options);
    line.close();
    outcome.answered =
        outcome.reply.end == ReplyEnd::Silence && answersAsModule(outcome.reply.text);
    return outcome;
}

PortSearch::PortSearch(const QStringList &ports, qint32 baud, int probeTimeout, QObject *parent)
    : QObject(parent), m_ports(ports), m_baud(baud), m_probeTimeout(probeTimeout),
      m_outcomes(ports.size())
{
}

PortSearch::~PortSearch()
{
    m_cancel = true;
    for (const auto &thread : m_threads)
        thread->wait();
}

void PortSearch::start()
{
    const int count = int(m_ports.size());
    const int parallel = m_parallel > 0 ? std::min(m_parallel, count) : count;
    for (int i = 0; i < parallel; ++i)
        launch(m_next++);
    if (count == 0) {
        m_finished = true;
        QMetaObject::invokeMethod(this, &PortSearch::finished, Qt::QueuedConnection);
    }
}

void PortSearch::cancel()
{
    m_cancel = true;
}

void PortSearch::launch(int index)
{
    ++m_running;
    const LineSettings settings = lines::search(m_ports.at(index), m_baud, m_probeTimeout);
    std::unique_ptr<QThread> thread(new ExchangeThread(settings.port, [this, index,
                                                                       settings](ExchangeThread &) {
        const ProbeOutcome outcome = probePort(settings, m_cancel);
        QMetaObject::invokeMethod(
            this, [this, index, outcome] { onProbeDone(index, outcome); }, Qt::QueuedConnection);
    }));
    thread->start();
    m_threads.push_back(std::move(thread));
}

void PortSearch::onProbeDone(int index, const ProbeOutcome &outcome)
{
    --m_running;
    m_outcomes[index] = outcome;
    emit probeFinished(index);
    if (!m_cancel && m_next < m_ports.size())
        launch(m_next++);
    if (m_running == 0 && (m_cancel || m_next >= m_ports.size())) {
        for (const auto &thread : m_threads)
            thread->wait();
        m_finished = true;
        emit finished();
    }
}

QString PortSearch::found() const
{
    if (m_cancel)
        return {};
    for (qsizetype i = m_outcomes.size() - 1; i >= 0; --i) {
        if (m_outcomes.at(i).answered)
            return m_ports.at(i);
    }
    return {};
}

} // namespace qv::serial

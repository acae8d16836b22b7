#include "transfer/dlthread.h"

#include "serial/exchangethread.h"
#include "transfer/download.h"
#include "transfer/exchange.h"
#include "transfer/modulerecord.h"

namespace qv::transfer {

namespace {

// Hands the exchanges' progress on as the worker's signals; an interruption (the dialog
// closed, or the read-back cancelled) ends either.
class Signals : public qv::transfer::DownloadProgress, public qv::serial::ReadProgress
{
public:
    explicit Signals(dlThread &worker) : m_worker(worker) {}
    void range(int maximum) override { emit m_worker.progressRange(0, maximum); }
    void value(int value) override { emit m_worker.progressValue(value); }
    bool interrupted() override { return m_worker.isInterruptionRequested(); }

    // The read-back: its own bar, one step per byte as the read-out window counts them.
    void startReadBack()
    {
        emit m_worker.readBackStarted();
        emit m_worker.progressRange(0, qv::transfer::record::FieldCount *
                                           qv::transfer::record::ItemWidth);
    }
    void advance() override { emit m_worker.progressValue(++m_received); }
    bool cancelled() override { return m_worker.isInterruptionRequested(); }

private:
    dlThread &m_worker;
    int m_received = 0;
};

} // namespace

dlThread::dlThread(const settings::devSettings &settings, QObject *parent)
    : QThread(parent), m_settings(settings)
{
}

// The port lives in this thread, and stays open from the download through the read-back; the
// thread holds the port's turn as every exchange thread does (serial/exchangethread.h).
void dlThread::run()
{
    const qv::serial::PortTurn turn(m_settings.Port);
    m_success = false;
    Signals progress(*this);
    const auto readBack = [this, &progress] {
        if (!m_readBack || isInterruptionRequested())
            return false;
        progress.startReadBack();
        return true;
    };
    qv::transfer::WriteOutcome outcome = qv::transfer::download(
        linkOf(m_settings), m_settings.DownloadRecord, readBack, &progress, &progress);
    const bool acknowledged = outcome.report.acknowledged.value_or(false);
    {
        const QMutexLocker lock(&m_outcomeMutex);
        m_outcome = std::move(outcome);
    }
    m_success = acknowledged;
}

std::optional<qv::serial::OpenFailure> dlThread::openFailure() const
{
    const QMutexLocker lock(&m_outcomeMutex);
    return m_outcome.openFailure;
}

qv::transfer::WriteOutcome dlThread::outcome() const
{
    const QMutexLocker lock(&m_outcomeMutex);
    return m_outcome;
}

} // namespace qv::transfer

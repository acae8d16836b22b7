#include "transfer/dlthread.h"

#include "transfer/download.h"

namespace {

// Hands the exchange's progress on as the worker's signals.
class Signals : public qv::transfer::DownloadProgress
{
public:
    explicit Signals(dlThread &worker) : m_worker(worker) {}
    void range(int maximum) override { emit m_worker.progressRange(0, maximum); }
    void value(int value) override { emit m_worker.progressValue(value); }
    bool interrupted() override { return m_worker.isInterruptionRequested(); }

private:
    dlThread &m_worker;
};

} // namespace

dlThread::dlThread(const devSettings &settings, QObject *parent)
    : QThread(parent), m_settings(settings)
{
}

// The port lives in this thread.
void dlThread::run()
{
    m_success = false;
    Signals progress(*this);
    const qv::transfer::DownloadOutcome outcome = qv::transfer::downloadRecord(
        m_settings.Port, m_settings.DownloadRecord,
        QChar(char16_t(quint8(m_settings.DownloadSeparator))), m_settings.AckChar, &progress);
    {
        const QMutexLocker lock(&m_failureMutex);
        m_openFailure = outcome.openFailure;
    }
    m_success = outcome.acknowledged;
}

std::optional<qv::OpenFailure> dlThread::openFailure() const
{
    const QMutexLocker lock(&m_failureMutex);
    return m_openFailure;
}

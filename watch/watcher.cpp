#include "watch/watcher.h"

#include "transfer/statusquery.h"

#include <QDateTime>
#include <QThread>

namespace qv::watch {

void Pacer::setInterval(int ms)
{
    m_interval = qBound(MinimumIntervalMs, ms, MaximumIntervalMs);
}

Pacer::Step Pacer::after(SampleState state, qint64 startedAt, qint64 now)
{
    Step step;
    if (state == SampleState::PortGone) {
        // Only the first look that finds it gone is a sample: it says when it went.
        step.keep = !m_gone;
        step.resumed = step.keep && m_newStretch;
        if (step.keep)
            m_newStretch = false;
        m_gone = true;
        step.nextAt = now + GonePollMs;
        return step;
    }
    step.keep = true;
    step.resumed = m_newStretch || m_gone;
    m_newStretch = false;
    m_gone = false;
    step.nextAt = qMax(startedAt + m_interval, now);
    return step;
}

std::optional<Sample> takeSample(const QString &port, const QElapsedTimer &session,
                                 const std::atomic<bool> *cancel)
{
    const qint64 started = session.elapsed();
    const qint64 wall = QDateTime::currentMSecsSinceEpoch();
    std::optional<Sample> sample = sampleOf(qv::transfer::queryModuleStatus(port, nullptr, cancel));
    if (sample) {
        // The moment the query was asked: the module's answer is its state then.
        sample->elapsedMs = started;
        sample->timeMs = wall;
    }
    return sample;
}

int WatchLoop::run(Observer &observer)
{
    QElapsedTimer session;
    session.start();
    Pacer pacer(m_options.intervalMs);
    int kept = 0;
    while (!m_stop && (m_options.count <= 0 || kept < m_options.count)) {
        const qint64 started = session.elapsed();
        std::optional<Sample> sample = takeSample(m_options.port, session, &m_stop);
        if (!sample)
            break;
        const Pacer::Step step = pacer.after(sample->state, started, session.elapsed());
        if (step.keep) {
            sample->resumed = step.resumed;
            observer.sampled(*sample);
            ++kept;
        }
        if (m_options.count > 0 && kept >= m_options.count)
            break;
        // Wait for the next query in short naps, so that a stop is seen at once.
        while (!m_stop) {
            const qint64 left = step.nextAt - session.elapsed();
            if (left <= 0)
                break;
            QThread::msleep(quint64(qMin<qint64>(left, 20)));
        }
    }
    return kept;
}

} // namespace qv::watch

#include "watch/watcher.h"

#include "transfer/statusquery.h"

#include <QDateTime>
#include <QThread>
#include <QTimer>

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

WatchWorker::WatchWorker(QObject *parent) : QObject(parent)
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &WatchWorker::query);
}

WatchWorker::~WatchWorker() = default;

void WatchWorker::start(const QString &port, int intervalMs, const QElapsedTimer &session)
{
    m_port = port;
    m_session = session;
    m_pacer.setInterval(intervalMs);
    m_pacer.restart();
    m_running = true;
    m_held = false;
    m_cancel = false;
    schedule(m_session.elapsed());
}

void WatchWorker::setInterval(int intervalMs)
{
    m_pacer.setInterval(intervalMs);
}

void WatchWorker::hold()
{
    m_held = true;
    m_timer->stop();
    emit held();
}

void WatchWorker::release(const QString &port)
{
    m_held = false;
    m_cancel = false;
    m_port = port;
    if (!m_running)
        return;
    m_pacer.restart();
    schedule(m_session.elapsed());
}

void WatchWorker::stop()
{
    m_running = false;
    m_timer->stop();
    m_cancel = false;
}

void WatchWorker::schedule(qint64 at)
{
    m_timer->start(int(qBound<qint64>(0, at - m_session.elapsed(), qint64(MaximumIntervalMs))));
}

void WatchWorker::query()
{
    if (!m_running || m_held)
        return;
    const qint64 started = m_session.elapsed();
    const bool wasGone = m_pacer.portGone();
    std::optional<Sample> sample = takeSample(m_port, m_session, &m_cancel);
    // A cancelled query is no sample: a hold or a stop is on its way.
    if (!sample)
        return;
    const Pacer::Step step = m_pacer.after(sample->state, started, m_session.elapsed());
    if (wasGone != m_pacer.portGone())
        emit portGoneChanged(m_pacer.portGone());
    if (step.keep) {
        sample->resumed = step.resumed;
        emit sampled(*sample);
    }
    if (m_running && !m_held)
        schedule(step.nextAt);
}

} // namespace qv::watch

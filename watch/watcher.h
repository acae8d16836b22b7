// The status query repeated: its pace, one round of it, the blocking loop the command runs,
// and the worker the window runs on a thread of its own. Qt Core only.
//
//   port --queryModuleStatus (transfer/)--> outcome --sampleOf--> Sample (times added)
//   Pacer: whether the sample is kept, and when the next query starts
//   WatchLoop::run (the command, blocking) / WatchWorker (a QObject moved to a QThread;
//   the window gets its samples as queued signals)
// Each query opens and closes the port, as the status query always has, so the window's
// other exchanges and other programs may use the port between two of them. A cancel is a
// flag the query looks at after every byte and within every wait.
#pragma once

#include "watch/sample.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <atomic>
#include <optional>

class QTimer;

namespace qv::watch {

// The interval's bounds: a query takes about half a second on the line (its request, a
// line of some sixty bytes at 1200 bit/s), so no interval can be shorter than one query.
inline constexpr int MinimumIntervalMs = 500;
inline constexpr int DefaultIntervalMs = 2000;
inline constexpr int MaximumIntervalMs = 3600 * 1000;
// While the port is gone it is looked for this often; those looks are not samples.
inline constexpr int GonePollMs = 250;

// Decides, query after query, which outcome becomes a sample and when the next query
// starts: one interval after the last one started, or at once when a query took longer
// (never two at a time, and no burst to catch up). A port that is gone is looked for every
// GonePollMs without a sample for each look; the first sample after it, or after a pause,
// starts a new stretch of the plot.
class Pacer
{
public:
    explicit Pacer(int intervalMs = DefaultIntervalMs) { setInterval(intervalMs); }
    void setInterval(int ms);
    int interval() const { return m_interval; }
    // The next sample starts a new stretch (after a start or a pause).
    void restart() { m_newStretch = true; }

    struct Step
    {
        bool keep = false;    // the outcome is a sample
        bool resumed = false; // ... the first of a new stretch
        qint64 nextAt = 0;    // when the next query starts (the same clock as the times given)
    };
    // After a query that started at `startedAt` ended at `now` with a sample in `state`.
    Step after(SampleState state, qint64 startedAt, qint64 now);
    bool portGone() const { return m_gone; }

private:
    int m_interval = DefaultIntervalMs;
    bool m_gone = false;
    bool m_newStretch = true;
};

// One query on `port` as a sample, its times from `session` (the monotonic clock started
// with the session) and the computer's clock; nothing when `cancel` ended it.
std::optional<Sample> takeSample(const QString &port, const QElapsedTimer &session,
                                 const std::atomic<bool> *cancel);

// The command's loop: queries until stopped or `count` samples were kept, on the calling
// thread.
class WatchLoop
{
public:
    struct Options
    {
        QString port;
        int intervalMs = DefaultIntervalMs;
        int count = 0; // 0: until stopped
    };
    // Told of every sample kept, on the loop's thread.
    class Observer
    {
    public:
        virtual ~Observer() = default;
        virtual void sampled(const Sample &sample) = 0;
    };

    explicit WatchLoop(Options options) : m_options(std::move(options)) {}
    // Blocks until stop() or the count is reached; the number of samples kept.
    int run(Observer &observer);
    // Safe from another thread and from a signal handler: sets a flag, which ends the
    // query being made within a byte or a short wait.
    void stop() { m_stop = true; }

private:
    Options m_options;
    std::atomic<bool> m_stop{false};
};

// The window's watch on a thread of its own: created on the GUI thread, moved to the
// watch's QThread, driven through queued calls of its slots; a QTimer of its own starts
// each query. hold() and stop() run once the query under way has ended (after cancel(),
// called from the caller's thread, as soon as the module's answer is over): then the port
// is free, and hold() says so with held().
class WatchWorker : public QObject
{
    Q_OBJECT

public:
    explicit WatchWorker(QObject *parent = nullptr);
    ~WatchWorker() override;

    // Thread-safe: the query being made ends within a byte or a short wait.
    void cancel() { m_cancel = true; }

public slots:
    // Starts (or goes on with) the watch on `port`; `session` is the session's clock.
    void start(const QString &port, int intervalMs, const QElapsedTimer &session);
    void setInterval(int intervalMs);
    // Pauses, the port free once it returns; release() goes on (on `port`, which may have
    // changed meanwhile).
    void hold();
    void release(const QString &port);
    void stop();

signals:
    void sampled(const qv::watch::Sample &sample);
    // hold() has run: the port is free until release().
    void held();
    // The port went away (true) or came back (false).
    void portGoneChanged(bool gone);

private:
    void query();
    void schedule(qint64 at);

    QTimer *m_timer = nullptr;
    QString m_port;
    QElapsedTimer m_session;
    Pacer m_pacer;
    std::atomic<bool> m_cancel{false};
    bool m_running = false;
    bool m_held = false;
};

} // namespace qv::watch

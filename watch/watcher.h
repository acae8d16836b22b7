// The status query repeated: its pace, one round of it, and the blocking loop the command
// runs. Qt Core only.
//
//   port --queryModuleStatus (transfer/)--> outcome --sampleOf--> Sample (times added)
//   Pacer: whether the sample is kept, and when the next query starts
//   WatchLoop::run (the command, blocking) / the window's WatchController (watch/gui: each
//   query an exchange on a thread of its own, started by a timer of the GUI thread)
// Each query opens and closes the port, as the status query always has, so the window's
// other exchanges and other programs may use the port between two of them. A cancel is a
// flag the query looks at after every byte and within every wait.
#pragma once

#include "watch/sample.h"

#include <QElapsedTimer>
#include <QString>

#include <atomic>
#include <optional>

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

} // namespace qv::watch

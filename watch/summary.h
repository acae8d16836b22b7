// A watch session in a few figures (duration, samples, the signal's minimum, median and
// maximum, events), and the register entry of kind "figyelés" that keeps them. Qt Core only.
#pragma once

#include "register/entry.h"
#include "register/exchangeentry.h"
#include "watch/events.h"
#include "watch/sample.h"

#include <QString>

#include <array>
#include <optional>

namespace qv::watch {

struct Summary
{
    qint64 durationMs = 0; // from the first sample to the last, by the monotonic clock
    qint64 firstTimeMs = 0, lastTimeMs = 0; // the computer's clock at the first and last sample
    int samples = 0;                        // every query, missing ones included
    int missing = 0;                        // queries that gave no decoded status line
    std::optional<int> signalMin, signalMedian, signalMax; // over the numeric levels
    int events = 0;

    friend bool operator==(const Summary &, const Summary &) = default;
};

// Adds samples and events up as they come; its memory does not grow with the session.
class SummaryBuilder
{
public:
    void add(const Sample &sample);
    void addEvents(int count) { m_summary.events += count; }
    Summary summary() const;

private:
    Summary m_summary;
    bool m_any = false;
    qint64 m_firstElapsed = 0;
    // How many samples had each level 0..MaxLevel (levels above it count in the last).
    static constexpr int MaxLevel = 99;
    std::array<qint64, MaxLevel + 1> m_levels{};
};

// "Időtartam: 1:02:03, minták: 1860 (hiányzó: 2), térerő: min. 2, medián 3, max. 4,
// események: 5".
QString summaryText(const Summary &summary);
// "1:02:03" (hours:minutes:seconds).
QString durationText(qint64 ms);

// Who and what the watch was done with.
struct WatchContext : reg::ExchangeContext
{
    QString port;
};

// The register's entry of a watch session: operation Watch, the summary as its text; a
// session in which no sample decoded is a failed one.
reg::Entry watchEntry(const Summary &summary, const WatchContext &context);

} // namespace qv::watch

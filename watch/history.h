// The samples a watch keeps for its plot, compact, with their minimum and maximum over
// blocks of 2, 4, 8 ... samples, so that a pixel column's range over any number of samples
// is found by looking at a few blocks: the plot's cost follows its width, not the session's
// length. Bounded: past its capacity the oldest half goes. Qt Core only.
#pragma once

#include "watch/sample.h"

#include <QList>

#include <limits>

namespace qv::watch {

class History
{
public:
    // About 28 hours at one sample a second, some 10 MB.
    static constexpr qsizetype DefaultCapacity = 100'000;

    // The plot's line tracks, and the bits of its step tracks.
    enum Line { Signal, Analog, Counter, LineCount };
    static constexpr int OutputBit = 0; // bits 0..3 outputs 1..4
    static constexpr int InputBit = 4;  // bits 4..7 inputs 1..4
    static constexpr int SupplyBit = 8;

    struct Point
    {
        qint64 elapsedMs = 0;
        qint64 timeMs = 0;
        float line[LineCount] = {}; // NaN where missing
        quint16 bits = 0;           // see OutputBit, InputBit, SupplyBit
        bool ok = false;            // a decoded sample (else a gap)
        bool resumed = false;
    };

    // The values over a range of samples: lines' minimum and maximum over the samples that
    // have them, and which step bits were on (or off) in any decoded sample.
    struct Span
    {
        float min[LineCount];
        float max[LineCount];
        quint16 anyOn = 0;
        quint16 anyOff = 0;
        bool anyOk = false;
        bool anyGap = false; // a sample that is missing (no decoded status line)

        Span();
        bool hasLine(int line) const { return min[line] <= max[line]; }
        void add(const Span &other);
    };

    explicit History(qsizetype capacity = DefaultCapacity);

    void clear();
    void append(const Sample &sample);
    // An input or output change at that moment, for the plot's marks.
    void addMark(qint64 elapsedMs, bool output);

    qsizetype size() const { return m_points.size(); }
    bool isEmpty() const { return m_points.isEmpty(); }
    const Point &at(qsizetype i) const { return m_points.at(i); }
    // How many of the oldest samples went to keep within the capacity.
    qint64 dropped() const { return m_dropped; }
    // The computer's clock at elapsed 0 as the first sample kept tells it: the time axis
    // counts from it by the monotonic clock, so it runs forward whatever the clock did.
    qint64 timeAtZero() const { return m_timeAtZero; }

    // The first sample at or after `elapsedMs`.
    qsizetype lowerBound(qint64 elapsedMs) const;
    // Samples [from, to).
    Span span(qsizetype from, qsizetype to) const;

    struct Mark
    {
        qint64 elapsedMs;
        bool output;
    };
    const QList<Mark> &marks() const { return m_marks; }

private:
    static Span spanOf(const Point &point);
    void rebuild();
    void push(const Point &point);

    qsizetype m_capacity;
    QList<Point> m_points;
    // m_levels[k][j]: samples [j * 2^(k+1), (j + 1) * 2^(k+1)), complete blocks only.
    QList<QList<Span>> m_levels;
    QList<Mark> m_marks;
    qint64 m_dropped = 0;
    qint64 m_timeAtZero = 0;
};

} // namespace qv::watch

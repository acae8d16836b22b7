#include "watch/history.h"

#include <algorithm>
#include <cmath>

namespace qv::watch {

History::Span::Span()
{
    std::fill(std::begin(min), std::end(min), std::numeric_limits<float>::infinity());
    std::fill(std::begin(max), std::end(max), -std::numeric_limits<float>::infinity());
}

void History::Span::add(const Span &o)
{
    for (int i = 0; i < LineCount; ++i) {
        min[i] = std::min(min[i], o.min[i]);
        max[i] = std::max(max[i], o.max[i]);
    }
    anyOn |= o.anyOn;
    anyOff |= o.anyOff;
    anyOk = anyOk || o.anyOk;
    anyGap = anyGap || o.anyGap;
}

History::History(qsizetype capacity) : m_capacity(qMax<qsizetype>(capacity, 16))
{
}

void History::clear()
{
    m_points.clear();
    m_levels.clear();
    m_marks.clear();
    m_dropped = 0;
    m_timeAtZero = 0;
}

History::Span History::spanOf(const Point &p)
{
    Span s;
    if (!p.ok) {
        s.anyGap = true;
        return s;
    }
    for (int i = 0; i < LineCount; ++i) {
        if (!std::isnan(p.line[i]))
            s.min[i] = s.max[i] = p.line[i];
    }
    constexpr quint16 all = (1u << (SupplyBit + 1)) - 1;
    s.anyOn = p.bits;
    s.anyOff = quint16(~p.bits & all);
    s.anyOk = true;
    return s;
}

void History::append(const Sample &sample)
{
    Point p;
    // The order is the samples'; a time that went back stays where it is.
    p.elapsedMs = m_points.isEmpty() ? sample.elapsedMs
                                     : qMax(sample.elapsedMs, m_points.constLast().elapsedMs);
    p.timeMs = sample.timeMs;
    p.ok = sample.isOk();
    p.resumed = sample.resumed;
    p.line[Signal] = sample.hasSignal() ? float(sample.signal) : std::nanf("");
    p.line[Analog] = sample.analog;
    p.line[Counter] = sample.counter >= 0 ? float(sample.counter) : std::nanf("");
    p.bits = quint16(sample.outputs << OutputBit | sample.inputs << InputBit |
                     (sample.supply ? 1u << SupplyBit : 0u));
    if (m_points.isEmpty())
        m_timeAtZero = p.timeMs - p.elapsedMs;
    if (m_points.size() >= m_capacity) {
        const qsizetype drop = m_points.size() / 2;
        const qint64 cut = m_points.at(drop).elapsedMs;
        m_points.remove(0, drop);
        m_dropped += drop;
        m_marks.removeIf([cut](const Mark &m) { return m.elapsedMs < cut; });
        rebuild();
    }
    push(p);
}

void History::push(const Point &p)
{
    m_points.append(p);
    // Complete the blocks this sample closes, level by level.
    const qsizetype n = m_points.size();
    Span carry;
    for (int k = 0;; ++k) {
        const qsizetype block = qsizetype(2) << k;
        if (n % block != 0)
            break;
        if (m_levels.size() <= k)
            m_levels.append(QList<Span>());
        Span s;
        if (k == 0) {
            s = spanOf(m_points.at(n - 2));
            s.add(spanOf(m_points.at(n - 1)));
        } else {
            const QList<Span> &below = m_levels.at(k - 1);
            s = below.at(below.size() - 2);
            s.add(below.constLast());
        }
        m_levels[k].append(s);
    }
}

void History::rebuild()
{
    const QList<Point> points = std::exchange(m_points, {});
    m_levels.clear();
    m_points.reserve(points.size());
    for (const Point &p : points)
        push(p);
}

void History::addMark(qint64 elapsedMs, bool output)
{
    m_marks.append({elapsedMs, output});
}

qsizetype History::lowerBound(qint64 elapsedMs) const
{
    const auto it = std::lower_bound(m_points.cbegin(), m_points.cend(), elapsedMs,
                                     [](const Point &p, qint64 t) { return p.elapsedMs < t; });
    return it - m_points.cbegin();
}

History::Span History::span(qsizetype from, qsizetype to) const
{
    Span result;
    from = qMax<qsizetype>(0, from);
    to = qMin(to, m_points.size());
    // Single samples at the ragged ends, whole blocks in between, largest first.
    qsizetype lo = from, hi = to;
    if (lo < hi && (lo & 1))
        result.add(spanOf(m_points.at(lo++)));
    if (lo < hi && (hi & 1))
        result.add(spanOf(m_points.at(--hi)));
    lo >>= 1;
    hi >>= 1;
    for (int k = 0; lo < hi && k < m_levels.size(); ++k) {
        const QList<Span> &level = m_levels.at(k);
        if (lo & 1)
            result.add(level.at(lo++));
        if (lo < hi && (hi & 1))
            result.add(level.at(--hi));
        lo >>= 1;
        hi >>= 1;
    }
    return result;
}

} // namespace qv::watch

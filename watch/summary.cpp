#include "watch/summary.h"

#include <QCoreApplication>

namespace qv::watch {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::watch)
};

} // namespace

void SummaryBuilder::add(const Sample &s)
{
    if (!m_any) {
        m_any = true;
        m_firstElapsed = s.elapsedMs;
        m_summary.firstTimeMs = s.timeMs;
    }
    m_summary.durationMs = s.elapsedMs - m_firstElapsed;
    m_summary.lastTimeMs = s.timeMs;
    ++m_summary.samples;
    if (!s.isOk()) {
        ++m_summary.missing;
        return;
    }
    if (s.hasSignal())
        ++m_levels[size_t(qMin<int>(s.signal, MaxLevel))];
}

Summary SummaryBuilder::summary() const
{
    Summary result = m_summary;
    qint64 count = 0;
    for (const qint64 n : m_levels)
        count += n;
    if (count == 0)
        return result;
    // The lower median: a level the module really reported.
    const qint64 middle = (count + 1) / 2;
    qint64 seen = 0;
    for (int level = 0; level <= MaxLevel; ++level) {
        if (m_levels[size_t(level)] == 0)
            continue;
        if (!result.signalMin)
            result.signalMin = level;
        result.signalMax = level;
        seen += m_levels[size_t(level)];
        if (!result.signalMedian && seen >= middle)
            result.signalMedian = level;
    }
    return result;
}

QString durationText(qint64 ms)
{
    const qint64 seconds = qMax<qint64>(0, ms) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString summaryText(const Summary &s)
{
    const QString signal = s.signalMin ? Text::tr("térerő: min. %1, medián %2, max. %3")
                                             .arg(*s.signalMin)
                                             .arg(s.signalMedian.value_or(*s.signalMin))
                                             .arg(s.signalMax.value_or(*s.signalMin))
                                       : Text::tr("térerő: nincs adat");
    return Text::tr("Időtartam: %1, minták: %2 (hiányzó: %3), %4, események: %5")
        .arg(durationText(s.durationMs))
        .arg(s.samples)
        .arg(s.missing)
        .arg(signal)
        .arg(s.events);
}

reg::Entry watchEntry(const Summary &summary, const WatchContext &context)
{
    reg::Entry entry = reg::newEntry(reg::Operation::Watch, context.programVersion);
    entry.result = summary.samples > summary.missing ? reg::Result::Ok : reg::Result::Failed;
    entry.reason = summaryText(summary);
    entry.technician = context.technician;
    entry.site = context.site;
    entry.port = context.port;
    entry.baud = 1200; // the status query's speed, whatever the module's
    entry.identification = context.identification;
    entry.model = context.model;
    return entry;
}

} // namespace qv::watch

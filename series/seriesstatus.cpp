#include "series/seriesstatus.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QSet>

#include <algorithm>

namespace qv::series {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::series)
};

QString rowList(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    QStringList words;
    for (const int row : rows)
        words << QString::number(row);
    return words.join(QStringLiteral(", "));
}

QJsonArray rowArray(const QList<int> &rows)
{
    QJsonArray array;
    for (const int row : rows)
        array.append(row);
    return array;
}

} // namespace

SeriesSummary summarise(const QList<reg::Claim> &claims, int rows, const QList<int> &failedRows)
{
    SeriesSummary s;
    s.rows = rows;
    QDateTime first, last;
    QSet<int> done, claimed;
    for (const reg::Claim &c : claims) {
        if (c.done.isValid()) {
            if (done.contains(c.row))
                continue;
            done.insert(c.row);
            s.benches[c.bench].doneRows << c.row;
            if (!first.isValid() || c.claimed < first)
                first = c.claimed;
            if (!last.isValid() || c.done > last)
                last = c.done;
        } else if (!c.lapsed) {
            claimed.insert(c.row);
            BenchWork &work = s.benches[c.bench];
            work.claimedRows << c.row;
            if (!work.since.isValid() || c.claimed < work.since)
                work.since = c.claimed;
        }
    }
    claimed.subtract(done);
    for (const int row : failedRows)
        s.failed += !done.contains(row) && !claimed.contains(row);
    s.done = int(done.size());
    s.claimed = int(claimed.size());
    s.left = qMax(0, rows - s.done - s.claimed);
    const qint64 ms = first.isValid() ? first.msecsTo(last) : 0;
    if (ms > 0)
        s.unitsPerHour = s.done * 3'600'000.0 / double(ms);
    return s;
}

QList<reg::Claim> claimsOfEntries(const QList<reg::Entry> &entries, QList<int> *failedRows)
{
    QList<reg::Claim> claims;
    QHash<int, bool> lastPassed;
    for (const reg::Entry &e : entries) {
        if (e.seriesRow <= 0 || e.operation != reg::Operation::Download)
            continue;
        const bool passed = e.result == reg::Result::Ok;
        lastPassed[e.seriesRow] = lastPassed.value(e.seriesRow) || passed;
        if (!passed)
            continue;
        reg::Claim c;
        c.row = e.seriesRow;
        c.bench = e.osUser + u'@' + e.host;
        // A unit takes about the wire's time; its entry is made at its end.
        c.claimed = e.time;
        c.done = e.time;
        c.entryId = e.id;
        claims << c;
    }
    if (failedRows) {
        for (auto it = lastPassed.cbegin(); it != lastPassed.cend(); ++it) {
            if (!it.value())
                *failedRows << it.key();
        }
    }
    return claims;
}

QString summaryText(const SeriesSummary &s)
{
    QString text = Text::tr("%1 (%2): %3 sor, kész %4, sikertelen %5, folyamatban %6, hátra %7")
                       .arg(s.name, s.key)
                       .arg(s.rows)
                       .arg(s.done)
                       .arg(s.failed)
                       .arg(s.claimed)
                       .arg(s.left);
    if (s.unitsPerHour > 0)
        text += u'\n' + Text::tr("  %1 egység óránként").arg(s.unitsPerHour, 0, 'f', 1);
    QStringList benches = s.benches.keys();
    benches.sort();
    for (const QString &bench : std::as_const(benches)) {
        const BenchWork &w = s.benches.value(bench);
        text += u'\n' + Text::tr("  %1: kész sorok: %2").arg(bench, rowList(w.doneRows));
        if (!w.claimedRows.isEmpty())
            text += Text::tr("; most: %1 (%2 óta)")
                        .arg(rowList(w.claimedRows),
                             w.since.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    }
    return text;
}

QJsonObject summaryJson(const SeriesSummary &s)
{
    QJsonArray benches;
    QStringList names = s.benches.keys();
    names.sort();
    for (const QString &bench : std::as_const(names)) {
        const BenchWork &w = s.benches.value(bench);
        benches.append(
            QJsonObject{{QStringLiteral("bench"), bench},
                        {QStringLiteral("done"), rowArray(w.doneRows)},
                        {QStringLiteral("claimed"), rowArray(w.claimedRows)},
                        {QStringLiteral("since"),
                         w.since.isValid() ? w.since.toString(Qt::ISODateWithMs) : QString()}});
    }
    return QJsonObject{{QStringLiteral("type"), QStringLiteral("series")},
                       {QStringLiteral("series"), s.key},
                       {QStringLiteral("name"), s.name},
                       {QStringLiteral("rows"), s.rows},
                       {QStringLiteral("done"), s.done},
                       {QStringLiteral("failed"), s.failed},
                       {QStringLiteral("claimed"), s.claimed},
                       {QStringLiteral("left"), s.left},
                       {QStringLiteral("unitsPerHour"), s.unitsPerHour},
                       {QStringLiteral("benches"), benches}};
}

} // namespace qv::series

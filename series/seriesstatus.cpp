#include "series/seriesstatus.h"

#include "register/store.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QMap>
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

std::optional<QList<SeriesSummary>> seriesOfTable(const UnitsTable &table, const QString &name,
                                                  const QString &teamConnection,
                                                  const QString &localPath, QString *error)
{
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return std::nullopt;
    };
    const int rows = int(table.rows.size());
    QList<SeriesSummary> found;
    QString why;
    if (!teamConnection.isEmpty()) {
        const reg::Store server = reg::Store::openPostgres(teamConnection);
        const auto all = server.isOpen() ? reg::allSeriesClaims(server, &why) : std::nullopt;
        if (!all)
            return fail(Text::tr("A csapat nyilvántartása nem olvasható: %1")
                            .arg(server.isOpen() ? why : server.message()));
        const QString digest = tableDigest(table);
        for (const reg::SeriesClaims &one : *all) {
            if (!one.key.startsWith(digest))
                continue;
            SeriesSummary s = summarise(one.claims, rows);
            s.key = one.key;
            s.name = one.name;
            found << s;
        }
        return found;
    }
    const reg::Store local = reg::Store::openSqlite(localPath);
    const QList<reg::Entry> entries = local.seriesEntries(name + u'#', &why);
    if (!local.isOpen() || !why.isEmpty())
        return fail(Text::tr("A nyilvántartás nem olvasható: %1")
                        .arg(local.isOpen() ? why : local.message()));
    QMap<QString, QList<reg::Entry>> byKey;
    for (const reg::Entry &e : entries)
        byKey[e.seriesKey] << e;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        QList<int> failed;
        const QList<reg::Claim> claims = claimsOfEntries(it.value(), &failed);
        SeriesSummary s = summarise(claims, rows, failed);
        s.key = it.key();
        s.name = name;
        found << s;
    }
    return found;
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
    for (const QString &line : benchLines(s))
        text += u'\n' + QStringLiteral("  ") + line;
    return text;
}

QStringList benchLines(const SeriesSummary &s)
{
    QStringList lines;
    QStringList benches = s.benches.keys();
    benches.sort();
    for (const QString &bench : std::as_const(benches)) {
        const BenchWork &w = s.benches.value(bench);
        QString line = Text::tr("%1: kész sorok: %2").arg(bench, rowList(w.doneRows));
        if (!w.claimedRows.isEmpty())
            line += Text::tr("; most: %1 (%2 óta)")
                        .arg(rowList(w.claimedRows),
                             w.since.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        lines << line;
    }
    return lines;
}

SeriesStatusModel::SeriesStatusModel(QObject *parent) : QAbstractTableModel(parent)
{
}

void SeriesStatusModel::setSeries(const QList<SeriesSummary> &series)
{
    beginResetModel();
    m_series = series;
    endResetModel();
}

int SeriesStatusModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_series.size());
}

int SeriesStatusModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SeriesStatusModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_series.size())
        return {};
    const SeriesSummary &s = m_series.at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() != Series && index.column() != Benches)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == Series)
        return s.key;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Series:
        return s.name;
    case Rows:
        return s.rows;
    case Done:
        return s.done;
    case Failed:
        return s.failed;
    case Claimed:
        return s.claimed;
    case Left:
        return s.left;
    case PerHour:
        return s.unitsPerHour > 0 ? QString::number(s.unitsPerHour, 'f', 1) : QString();
    case Benches:
        return benchLines(s).join(u'\n');
    }
    return {};
}

QVariant SeriesStatusModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const names[ColumnCount] = {
        QT_TRANSLATE_NOOP("qv::series", "Sorozat"),
        QT_TRANSLATE_NOOP("qv::series", "Sorok"),
        QT_TRANSLATE_NOOP("qv::series", "Kész"),
        QT_TRANSLATE_NOOP("qv::series", "Sikertelen"),
        QT_TRANSLATE_NOOP("qv::series", "Folyamatban"),
        QT_TRANSLATE_NOOP("qv::series", "Hátra"),
        QT_TRANSLATE_NOOP("qv::series", "Egység/óra"),
        QT_TRANSLATE_NOOP("qv::series", "Gépek: melyik sorokat írták, mit írnak most")};
    return section >= 0 && section < ColumnCount
               ? QCoreApplication::translate("qv::series", names[section])
               : QVariant();
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

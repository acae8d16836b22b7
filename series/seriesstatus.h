// A series seen from above (qvconfig series-status, the window's series view): of
// the claims its benches took on the team's register (or the units a register holds), how
// many rows are done, claimed (by which bench, since when) and left, the units per hour, and
// which bench did which row.
#pragma once

#include "register/claims.h"
#include "register/entry.h"
#include "series/series.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QJsonObject>

namespace qv::series {

struct BenchWork
{
    QList<int> doneRows;    // 1-based
    QList<int> claimedRows; // being written now
    QDateTime since;        // its oldest claim now open
};

struct SeriesSummary
{
    QString key, name;
    int rows = 0; // of the table
    int done = 0;
    int failed = 0; // failed and not done since
    int claimed = 0;
    int left = 0;
    double unitsPerHour = 0; // done over the time from the first claim to the last unit
    QHash<QString, BenchWork> benches;
};

// `claims` of a series of `rows` rows; a claim whose lease ran out counts as left.
// `failedRows` (1-based) are rows whose last unit failed.
SeriesSummary summarise(const QList<reg::Claim> &claims, int rows,
                        const QList<int> &failedRows = {});
// A register's downloads of a series as claims that are done (a passed unit) and the rows
// whose units failed, for a series run without a team.
QList<reg::Claim> claimsOfEntries(const QList<reg::Entry> &entries, QList<int> *failedRows);

// The series of the units table `table` (its file's name `name`) as the register holds them:
// the team's (its benches' claims on `teamConnection`) or, without a team, this computer's
// (its units' entries in the register at `localPath`). Nothing, with `error`, when the
// register cannot be read.
std::optional<QList<SeriesSummary>> seriesOfTable(const UnitsTable &table, const QString &name,
                                                  const QString &teamConnection,
                                                  const QString &localPath, QString *error);

QString summaryText(const SeriesSummary &summary);
QJsonObject summaryJson(const SeriesSummary &summary);
// A line per bench: the rows it did, and those it writes now (since when).
QStringList benchLines(const SeriesSummary &summary);

// The series of a table as the register window's series view shows them: a series a row.
class SeriesStatusModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Series, Rows, Done, Failed, Claimed, Left, PerHour, Benches, ColumnCount };

    explicit SeriesStatusModel(QObject *parent = nullptr);

    void setSeries(const QList<SeriesSummary> &series);
    const QList<SeriesSummary> &series() const { return m_series; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<SeriesSummary> m_series;
};

} // namespace qv::series

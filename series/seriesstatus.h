// A series seen from above (qvconfig series-status, the register window's series view): of
// the claims its benches took on the team's register (or the units a register holds), how
// many rows are done, claimed (by which bench, since when) and left, the units per hour, and
// which bench did which row.
#pragma once

#include "register/claims.h"
#include "register/entry.h"

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

QString summaryText(const SeriesSummary &summary);
QJsonObject summaryJson(const SeriesSummary &summary);

} // namespace qv::series

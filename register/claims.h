// A series shared by the benches of a team: before a bench writes a row into a module it
// claims the row on the team's server (the claim table beside the register's entries), and
// marks it done with the unit's entry once recorded. One statement takes a claim, so only one
// bench can win a row; a claim carries the bench (user, computer, process) and a lease that
// the bench renews while it works. A claim whose lease ran out (the bench died, its network
// went) is free again; the bench that comes back finds its claim lost and says so. Times are
// the database's own clock, so benches with wrong clocks agree. Every statement is bounded as
// the register's others are (serverwait.h). The same code runs on an SQLite register.
#pragma once

#include "register/store.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace qv::reg {

// How long a claim holds without being renewed, unless a series says otherwise.
inline constexpr int DefaultLeaseMs = 60'000;

// This process as a bench: "user@computer/process".
QString thisBench();
// The part of a bench's name that stays across its runs: "user@computer".
QString benchSeat(const QString &bench);

struct Claim
{
    int row = 0; // 1-based, as the register's entries count the series' rows
    QString bench;
    QDateTime claimed;   // UTC
    QDateTime lease;     // until when it holds, unless renewed (UTC)
    QDateTime done;      // invalid while not done
    QString entryId;     // the unit's entry, once done
    bool lapsed = false; // not done, and its lease ran out
};

struct SeriesClaims
{
    QString key;
    QString name; // the units file's name the first bench gave
    QList<Claim> claims;
};

class ClaimBook
{
public:
    // `store` is open in this thread and stays open while the book is used.
    ClaimBook(const Store &store, QString seriesKey, QString seriesName, QString bench,
              int leaseMs = DefaultLeaseMs);

    enum class Take { Mine, Held, Done, Unreachable };
    // Claims row `row` (1-based): Mine when this bench has it now (also when it had it);
    // Held or Done (by `holder`) when another bench has it; Unreachable with `error`.
    Take claim(int row, QString *holder = nullptr, QString *error = nullptr);
    // Renews the lease of every open claim of this bench on this series.
    bool renew(QString *error = nullptr);
    enum class Finish { Done, Lost, Unreachable };
    // Marks the row done with `entryId`: Lost when the claim is no longer this bench's (its
    // lease ran out and another bench took the row). Repeating it after an answer that did
    // not arrive gives Done again.
    Finish finish(int row, const QString &entryId, QString *error = nullptr);
    // Lets go of an open claim (a unit that failed: any bench may take the row).
    bool release(int row);
    // Every claim of this series, by row; nothing when the server cannot be read.
    std::optional<QList<Claim>> claims(QString *error = nullptr) const;

    const QString &bench() const { return m_bench; }

private:
    const Store &m_store;
    QString m_key, m_name, m_bench;
    int m_leaseMs;
};

// Every series with claims in `store`, the newest first (series-status).
std::optional<QList<SeriesClaims>> allSeriesClaims(const Store &store, QString *error = nullptr);

} // namespace qv::reg

#include "register/claims.h"

#include "register/serverwait.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <memory>

namespace qv::reg {

namespace {

// What a statement waits for the server at most (as the register's own statements).
constexpr int ClaimWaitMs = 6000;

QString now(Store::Engine engine)
{
    return engine == Store::Engine::PostgreSQL
               ? QStringLiteral("CAST(EXTRACT(EPOCH FROM clock_timestamp()) * 1000 AS BIGINT)")
               : QStringLiteral("CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER)");
}

QDateTime timeOf(const QVariant &ms)
{
    return ms.toLongLong() > 0 ? QDateTime::fromMSecsSinceEpoch(ms.toLongLong(), QTimeZone::utc())
                               : QDateTime();
}

// A statement on `store`'s connection, bounded; false with the database's words.
class Statement
{
public:
    Statement(const Store &store, const QString &sql) : m_db(store.database()), m_query(m_db)
    {
        if (store.engine() == Store::Engine::PostgreSQL && m_db.isOpen())
            m_wait = std::make_unique<ServerWait>(m_db, ClaimWaitMs);
        m_ok = store.isOpen() && !store.isReadOnly() && m_query.prepare(sql);
    }
    bool exec(const QVariantList &values, QString *error)
    {
        if (m_ok) {
            for (const QVariant &v : values)
                m_query.addBindValue(v);
            if (m_query.exec())
                return true;
        }
        if (error) {
            const QSqlError e = m_query.lastError();
            *error = e.databaseText().trimmed().isEmpty() ? e.driverText().trimmed()
                                                          : e.databaseText().trimmed();
            if (error->isEmpty())
                *error = QCoreApplication::translate("qv::reg", "A nyilvántartás nem érhető el.");
        }
        return false;
    }
    QSqlQuery &query() { return m_query; }

private:
    QSqlDatabase m_db;
    QSqlQuery m_query;
    std::unique_ptr<ServerWait> m_wait;
    bool m_ok = false;
};

Claim claimOf(const QSqlQuery &q, int first)
{
    Claim c;
    c.row = q.value(first).toInt();
    c.bench = q.value(first + 1).toString();
    c.claimed = timeOf(q.value(first + 2));
    c.lease = timeOf(q.value(first + 3));
    c.done = timeOf(q.value(first + 4));
    c.entryId = q.value(first + 5).toString();
    c.lapsed =
        !c.done.isValid() && q.value(first + 3).toLongLong() < q.value(first + 6).toLongLong();
    return c;
}

} // namespace

QString thisBench()
{
    const Entry me = newEntry(Operation::ReadOut, {});
    return QStringLiteral("%1@%2/%3")
        .arg(me.osUser, me.host)
        .arg(QCoreApplication::applicationPid());
}

QString benchSeat(const QString &bench)
{
    const qsizetype slash = bench.lastIndexOf(u'/');
    return slash < 0 ? bench : bench.left(slash);
}

ClaimBook::ClaimBook(const Store &store, QString seriesKey, QString seriesName, QString bench,
                     int leaseMs)
    : m_store(store), m_key(std::move(seriesKey)), m_name(std::move(seriesName)),
      m_bench(std::move(bench)), m_leaseMs(leaseMs)
{
}

ClaimBook::Take ClaimBook::claim(int row, QString *holder, QString *error)
{
    // One statement: a new row, or one whose lease ran out, or one this bench holds already,
    // becomes this bench's; any other stays as it is and returns nothing.
    const QString t = now(m_store.engine());
    Statement take(m_store,
                   QStringLiteral("INSERT INTO qv_claim (series_key, series_row, series_name, "
                                  "bench, claimed_ms, lease_ms) VALUES (?, ?, ?, ?, %1, %1 + ?) "
                                  "ON CONFLICT (series_key, series_row) DO UPDATE SET "
                                  "bench = excluded.bench, claimed_ms = excluded.claimed_ms, "
                                  "lease_ms = excluded.lease_ms WHERE qv_claim.done_ms = 0 AND "
                                  "(qv_claim.lease_ms < excluded.claimed_ms OR "
                                  "qv_claim.bench = excluded.bench) RETURNING series_row")
                       .arg(t));
    if (!take.exec({m_key, row, m_name, m_bench, qint64(m_leaseMs)}, error))
        return Take::Unreachable;
    if (take.query().next())
        return Take::Mine;
    Statement who(m_store, QStringLiteral("SELECT bench, done_ms FROM qv_claim WHERE "
                                          "series_key = ? AND series_row = ?"));
    if (!who.exec({m_key, row}, error) || !who.query().next())
        return Take::Unreachable;
    if (holder)
        *holder = who.query().value(0).toString();
    return who.query().value(1).toLongLong() > 0 ? Take::Done : Take::Held;
}

bool ClaimBook::renew(QString *error)
{
    Statement renew(m_store, QStringLiteral("UPDATE qv_claim SET lease_ms = %1 + ? WHERE "
                                            "series_key = ? AND bench = ? AND done_ms = 0")
                                 .arg(now(m_store.engine())));
    return renew.exec({qint64(m_leaseMs), m_key, m_bench}, error);
}

ClaimBook::Finish ClaimBook::finish(int row, const QString &entryId, QString *error)
{
    Statement done(m_store, QStringLiteral("UPDATE qv_claim SET done_ms = %1, entry_id = ? WHERE "
                                           "series_key = ? AND series_row = ? AND bench = ? AND "
                                           "(done_ms = 0 OR entry_id = ?)")
                                .arg(now(m_store.engine())));
    if (!done.exec({entryId, m_key, row, m_bench, entryId}, error))
        return Finish::Unreachable;
    return done.query().numRowsAffected() > 0 ? Finish::Done : Finish::Lost;
}

bool ClaimBook::release(int row)
{
    Statement drop(m_store, QStringLiteral("DELETE FROM qv_claim WHERE series_key = ? AND "
                                           "series_row = ? AND bench = ? AND done_ms = 0"));
    return drop.exec({m_key, row, m_bench}, nullptr);
}

std::optional<QList<Claim>> ClaimBook::claims(QString *error) const
{
    Statement list(m_store, QStringLiteral("SELECT series_row, bench, claimed_ms, lease_ms, "
                                           "done_ms, entry_id, %1 FROM qv_claim WHERE "
                                           "series_key = ? ORDER BY series_row")
                                .arg(now(m_store.engine())));
    if (!list.exec({m_key}, error))
        return std::nullopt;
    QList<Claim> found;
    while (list.query().next())
        found << claimOf(list.query(), 0);
    return found;
}

std::optional<QList<SeriesClaims>> allSeriesClaims(const Store &store, QString *error)
{
    Statement list(store, QStringLiteral("SELECT series_key, series_name, series_row, bench, "
                                         "claimed_ms, lease_ms, done_ms, entry_id, %1 FROM "
                                         "qv_claim ORDER BY series_key, series_row")
                              .arg(now(store.engine())));
    if (!list.exec({}, error))
        return std::nullopt;
    QList<SeriesClaims> all;
    while (list.query().next()) {
        const QString key = list.query().value(0).toString();
        if (all.isEmpty() || all.constLast().key != key)
            all.append({key, list.query().value(1).toString(), {}});
        all.last().claims << claimOf(list.query(), 2);
    }
    return all;
}

} // namespace qv::reg

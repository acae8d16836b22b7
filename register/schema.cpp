#include "register/schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace qv::reg::schema {

namespace {

// Step n brings a register from version n-1 to n. Only add steps; never change one that
// has shipped. Types and syntax both engines read alike (TEXT, INTEGER, BIGINT, partial
// indexes).
//
// qv_entry holds what the window lists and searches; the record's 56 fields and the
// differences, the bulk of an entry, are in qv_record, so that a search reads little.
// time_ms is UTC milliseconds since 1970. `search` is the module id, name, technician and
// site, lowercased, one a line; `numbers` the eight telephone numbers as searchableNumber()
// gives them. `sharing` is the team outbox of a local register: 0 kept only here, 1
// waiting for the team's server, 2 on it (on the server itself always 2).
QList<QStringList> steps(Engine engine)
{
    QStringList first{
        QStringLiteral("CREATE TABLE qv_entry ("
                       " id TEXT NOT NULL PRIMARY KEY,"
                       " time_ms BIGINT NOT NULL,"
                       " operation TEXT NOT NULL,"
                       " result TEXT NOT NULL,"
                       " reason TEXT NOT NULL,"
                       " program_version TEXT NOT NULL,"
                       " os_user TEXT NOT NULL,"
                       " host TEXT NOT NULL,"
                       " technician TEXT NOT NULL,"
                       " site TEXT NOT NULL,"
                       " port TEXT NOT NULL,"
                       " baud INTEGER NOT NULL,"
                       " identification TEXT NOT NULL,"
                       " model INTEGER NOT NULL,"
                       " module_id TEXT NOT NULL,"
                       " module_name TEXT NOT NULL,"
                       " telephones TEXT NOT NULL,"
                       " acknowledged INTEGER,"
                       " verification TEXT NOT NULL,"
                       " search TEXT NOT NULL,"
                       " numbers TEXT NOT NULL,"
                       " sharing INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE TABLE qv_record ("
                       " id TEXT NOT NULL PRIMARY KEY REFERENCES qv_entry (id),"
                       " fields TEXT NOT NULL,"
                       " differences TEXT NOT NULL)"),
        QStringLiteral(
            "CREATE INDEX qv_entry_module ON qv_entry (module_id, module_name, time_ms)"),
        QStringLiteral("CREATE INDEX qv_entry_outbox ON qv_entry (time_ms) WHERE sharing = 1"),
    };
    if (engine == Engine::SQLite) {
        // A search walks this index newest first and reads the searched texts from it,
        // without visiting the table's rows that do not match; with a team, the second
        // holds only the entries the server does not have (the rest is searched there).
        first << QStringLiteral("CREATE INDEX qv_entry_time ON qv_entry (time_ms, search, numbers)")
              << QStringLiteral(
                     "CREATE INDEX qv_entry_local ON qv_entry (time_ms, search, numbers) "
                     "WHERE sharing <> 2");
    } else {
        first << QStringLiteral("CREATE INDEX qv_entry_time ON qv_entry (time_ms)");
    }
    // Series programming: the series a download belongs to and the unit's row in it, and
    // the way to a series' entries when it is resumed.
    const QStringList second{
        QStringLiteral("ALTER TABLE qv_entry ADD COLUMN series_key TEXT NOT NULL DEFAULT ''"),
        QStringLiteral("ALTER TABLE qv_entry ADD COLUMN series_row INTEGER NOT NULL DEFAULT 0"),
        QStringLiteral("CREATE INDEX qv_entry_series ON qv_entry (series_key, series_row) "
                       "WHERE series_key <> ''"),
    };
    // A series shared by several benches of a team: a row per series row that a bench has
    // claimed (its lease renewed while it works) or finished (done_ms, the unit's entry).
    // Times are the database's own clock, in ms since 1970.
    const QStringList third{
        QStringLiteral("CREATE TABLE qv_claim ("
                       " series_key TEXT NOT NULL,"
                       " series_row INTEGER NOT NULL,"
                       " series_name TEXT NOT NULL,"
                       " bench TEXT NOT NULL,"
                       " claimed_ms BIGINT NOT NULL,"
                       " lease_ms BIGINT NOT NULL,"
                       " done_ms BIGINT NOT NULL DEFAULT 0,"
                       " entry_id TEXT NOT NULL DEFAULT '',"
                       " PRIMARY KEY (series_key, series_row))"),
    };
    return {first, second, third};
}

QString words(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    return text;
}

bool lockForWriting(QSqlDatabase &db, Engine engine, QString *error)
{
    if (engine == Engine::SQLite)
        return exec(db, QStringLiteral("BEGIN IMMEDIATE"), error);
    // The server's notice that another program made the version table first is no news.
    return exec(db, QStringLiteral("BEGIN"), error) &&
           exec(db, QStringLiteral("SET LOCAL client_min_messages = warning"), error) &&
           exec(db, QStringLiteral("SELECT pg_advisory_xact_lock(1362170417)"), error);
}

bool hasVersionTable(QSqlDatabase &db, Engine engine, bool *has, QString *error)
{
    QSqlQuery q(db);
    const QString sql =
        engine == Engine::SQLite
            ? QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND "
                             "name = 'qv_schema'")
            : QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE "
                             "table_schema = current_schema() AND table_name = 'qv_schema'");
    if (!q.exec(sql) || !q.next()) {
        if (error)
            *error = words(q.lastError());
        return false;
    }
    *has = q.value(0).toInt() > 0;
    return true;
}

int readVersion(QSqlDatabase &db, QString *error)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT MAX(version) FROM qv_schema")) || !q.next()) {
        if (error)
            *error = words(q.lastError());
        return -1;
    }
    return q.value(0).isNull() ? 0 : q.value(0).toInt();
}

} // namespace

bool exec(QSqlDatabase &db, const QString &sql, QString *error)
{
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    if (error)
        *error = words(q.lastError());
    return false;
}

int version(QSqlDatabase &db, Engine engine, QString *error)
{
    bool has = false;
    if (!hasVersionTable(db, engine, &has, error))
        return -1;
    return has ? readVersion(db, error) : 0;
}

bool migrate(QSqlDatabase &db, Engine engine, int target, QString *error)
{
    const QList<QStringList> all = steps(engine);
    for (int step = 1; step <= target && step <= all.size(); ++step) {
        if (version(db, engine, error) >= step)
            continue;
        if (!lockForWriting(db, engine, error))
            return false;
        bool ok = exec(
            db, QStringLiteral("CREATE TABLE IF NOT EXISTS qv_schema (version INTEGER NOT NULL)"),
            error);
        const int now = ok ? readVersion(db, error) : -1;
        ok = now >= 0;
        if (ok && now < step) {
            for (const QString &sql : all.at(step - 1)) {
                ok = exec(db, sql, error);
                if (!ok)
                    break;
            }
            QSqlQuery q(db);
            ok = ok && exec(db, QStringLiteral("DELETE FROM qv_schema"), error) &&
                 q.prepare(QStringLiteral("INSERT INTO qv_schema (version) VALUES (?)"));
            if (ok) {
                q.addBindValue(step);
                ok = q.exec();
                if (!ok && error)
                    *error = words(q.lastError());
            }
        }
        if (!ok) {
            exec(db, QStringLiteral("ROLLBACK"), nullptr);
            return false;
        }
        if (!exec(db, QStringLiteral("COMMIT"), error)) {
            exec(db, QStringLiteral("ROLLBACK"), nullptr);
            return false;
        }
    }
    return true;
}

} // namespace qv::reg::schema

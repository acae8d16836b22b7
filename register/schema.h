// The register's schema, the same for SQLite and PostgreSQL, and the numbered steps that
// bring a register to it. A step runs in one transaction with the version it leaves
// behind, so a register is always at one version; steps only ever run forward.
#pragma once

#include <QSqlDatabase>
#include <QString>

namespace qv::reg::schema {

enum class Engine { SQLite, PostgreSQL };

// The version the register holds (0: no register yet); -1 when it cannot be read,
// with the database's words in `error`.
int version(QSqlDatabase &db, Engine engine, QString *error);

// Runs the steps after the register's version up to `target`, each in a transaction of
// its own that first takes the register's write lock and reads the version again (another
// program may have run it meanwhile). False with the database's words in `error`.
bool migrate(QSqlDatabase &db, Engine engine, int target, QString *error);

// Runs one statement without bound values (schema and transaction statements only).
bool exec(QSqlDatabase &db, const QString &sql, QString *error);

} // namespace qv::reg::schema

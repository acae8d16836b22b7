// A team register's connection as libpq reads it: "host=db dbname=qv user=tech", a URI
// ("postgresql://tech@db/qv") or a service name ("service=qv", or the bare name "qv").
// Qt's PostgreSQL driver takes the host, database, user and port one by one and the rest
// as options; this splits a connection string so, checks it and refuses a password in it.
#pragma once

#include <QList>
#include <QString>

#include <utility>

namespace qv::reg {

struct ConnectionParts
{
    QList<std::pair<QString, QString>> keywords; // in the order written
    QString problem; // why it cannot be used, in the program's words; empty when fine

    bool ok() const { return problem.isEmpty(); }
    QString value(const QString &keyword) const;
    bool has(const QString &keyword) const;
};

ConnectionParts parseConnection(const QString &connection);

// A value as libpq reads it in a connection string: in single quotes, with \ and '
// escaped by a backslash.
QString quotedConnectionValue(const QString &value);

} // namespace qv::reg

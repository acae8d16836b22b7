// The module register kept in a database through Qt SQL: one schema for an SQLite file
// (the default, on this computer) and a PostgreSQL server (a team's). Qt Core and Qt Sql
// only; every query is prepared with bound values.
#pragma once

#include "register/entry.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QTimeZone>

#include <memory>
#include <optional>

class QSqlDatabase;

namespace qv::reg {

// The schema version this program writes. A register of a newer version is opened
// read-only.
inline constexpr int SchemaVersion = 3;

// Where a page of entries starts: after the entry of this time and id, in the order the
// searches give (newest first; of one time, the greater id first).
struct PageKey
{
    QDateTime time;
    QString id;
};

// What to search for; empty parts match everything.
struct Query
{
    // A module id, a name, a telephone number (any of the eight, with or without the
    // country prefix), a technician or a site: any entry where one of them contains it.
    // A number is looked for among the telephone numbers when it has at least six digits
    // (a shorter one, such as a module id, would match parts of too many numbers).
    QString text;
    QDate from; // first day, inclusive
    QDate to;   // last day, inclusive
    // One module's history, given as its module id and name: the module id identifies a
    // module, whatever it was named over time (a renamed module keeps its history); a module
    // without an id is known by its name alone.
    std::optional<std::pair<QString, QString>> module;
    int limit = 500; // 0: no limit
    // The next page: the entries after this one's. Every page then costs what the first
    // does, and entries recorded meanwhile neither repeat nor shift the rows already shown.
    std::optional<PageKey> after;
    // Whose days `from` and `to` are: the window's are the user's local days.
    QTimeZone zone = QTimeZone::utc();
};

class Store
{
public:
    enum class Engine { SQLite, PostgreSQL };
    enum class OpenStatus {
        Ok,
        ReadOnlyNewer, // written by a newer program: readable, not writable
        NoDriver,      // Qt's driver for the engine is not installed
        CannotCreate,  // the file or its folder cannot be made
        NotARegister,  // not a database, or a damaged one: left as it is
        CannotConnect, // the server did not answer, or refused the user
    };

    ~Store();
    Store(Store &&) noexcept;
    Store &operator=(Store &&) noexcept;

    // Opens (and on first use creates) the SQLite register at `path`: its folder 0700, the
    // file 0600, WAL, and a busy time-out so that two programs can write it at once.
    static Store openSqlite(const QString &path);
    // Connects to a PostgreSQL register: `connection` is a libpq connection string
    // ("host=db dbname=qv user=tech") or a service name ("service=qv", or a bare name).
    // Passwords come only through libpq's own means (~/.pgpass, a service file,
    // PGPASSWORD).
    static Store openPostgres(const QString &connection);
    // Why `connection` cannot be used as a team register's, in the program's words: it
    // does not parse, or it holds a password (which belongs in ~/.pgpass or a service
    // file, never in the program's settings). Empty when it can be tried.
    static QString connectionProblem(const QString &connection);

    // The register's file for this user: register.sqlite in the application data folder.
    static QString defaultSqlitePath();

    Engine engine() const;
    OpenStatus status() const;
    bool isOpen() const { return status() == OpenStatus::Ok || isReadOnly(); }
    bool isReadOnly() const { return status() == OpenStatus::ReadOnlyNewer; }
    // Why it did not open or is read-only, in the program's words; empty when all is well.
    QString message() const;
    // Where it is: the file's path, or the connection string.
    QString location() const;
    // The open connection, for the register's other tables on the same database (a series'
    // claims, register/claims.h); used only in the thread that opened the store.
    QSqlDatabase database() const;

    // Writes an entry once: an id already there is left as it is. False with `error`
    // when it could not be written (read-only, a full or read-only disk, the server gone).
    bool record(const Entry &entry, QString *error = nullptr);
    // The same for several entries in one transaction: all of them or none.
    bool record(const QList<Entry> &entries, QString *error = nullptr);

    // Entries matching `query`, newest first; without their record fields and
    // differences (entry() gives those).
    QList<Entry> search(const Query &query, QString *error = nullptr) const;
    // The same among the entries of a local register that are not on the team's server
    // (kept here only, or waiting): with the server reachable, the rest comes from there.
    QList<Entry> searchNotShared(const Query &query, QString *error = nullptr) const;
    // The downloads of series `seriesKey` that the module acknowledged and that were not
    // found to differ when read back (their verification Same, or NotRun), whole, oldest
    // first: what a series resumed asks to know which of its rows are done.
    QList<Entry> seriesDownloads(const QString &seriesKey, QString *error = nullptr) const;
    // The downloads of every series whose key begins with `keyPrefix` (passed or not), without
    // their record fields, oldest first: what series-status sums up.
    QList<Entry> seriesEntries(const QString &keyPrefix, QString *error = nullptr) const;
    // Which of `ids` this register holds.
    QSet<QString> present(const QStringList &ids) const;
    // One entry, whole.
    std::optional<Entry> entry(const QString &id, QString *error = nullptr) const;
    qint64 count() const;

    // A team register's outbox in the local one. With the outbox on, entries recorded
    // from then on wait for the team's server (a register used without a team keeps its
    // entries to itself, also when a team is chosen later).
    void setOutbox(bool on);
    // Entries waiting for the server, oldest first, whole; and marking them as sent.
    QList<Entry> unshared(int limit) const;
    bool markShared(const QStringList &ids);
    // SQLite: whether a write that grows the write-ahead log beyond its limit copies the log
    // into the file then and there (the default), which can take milliseconds; off, the
    // log is copied by checkpoint(), which the journal calls in its own thread.
    void setAutomaticCheckpoints(bool on);
    void checkpoint();
    // Whether this local entry is already on the team's server.
    bool isShared(const QString &id) const;
    // How many entries wait for the server.
    int waiting() const;

private:
    struct Private;
    explicit Store(std::unique_ptr<Private> d);
    void finishOpening(); // brings the schema up to date, or says why it cannot
    QList<Entry> find(const Query &query, bool notShared, QString *error) const;
    std::unique_ptr<Private> d;
};

} // namespace qv::reg

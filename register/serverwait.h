// A bound on every wait for a team's PostgreSQL server once connected. Qt's driver waits
// for the server's answer as long as it takes: a server that took a statement and then
// stops answering (stopped, hung, or behind a link that stalls while both computers still
// acknowledge every packet) would hold the waiting thread for ever, and neither libpq's
// keepalives nor its tcp_user_timeout notice it. While a statement runs, a watching thread
// shuts the connection's socket down once the statement's time is up, or at once when the
// thread that waits is being stopped: libpq's wait then ends, the statement fails as on a
// broken connection, and the caller connects again later. (Connecting itself is bounded by
// libpq's connect_timeout.)
#pragma once

class QSqlDatabase;
class QThread;

namespace qv::reg {

class ServerWait
{
public:
    // Bounds what `db` (an open PostgreSQL connection; anything else is left alone) waits
    // for from now on, `ms` for each statement, until this is destroyed. Made and destroyed
    // in the thread that uses `db`.
    ServerWait(const QSqlDatabase &db, int ms);
    ~ServerWait();
    ServerWait(const ServerWait &) = delete;
    ServerWait &operator=(const ServerWait &) = delete;

    // The next statement: its own `ms` from now.
    void restart();
    // Whether the connection was shut down because a wait was cut: it is gone.
    bool cut() const;

    // Cuts at once what the connections of `thread` wait for, and every later wait of theirs
    // until forgive(): the thread's worker is being stopped.
    static void interrupt(const QThread *thread);
    static void forgive(const QThread *thread);

    // The server's notices on `db` ("relation ... already exists, skipping") go to the
    // debug output under qv.register instead of the program's standard error, and Qt's
    // warnings about statements on a connection that is gone are dropped.
    static void quietNotices(const QSqlDatabase &db);

    struct Slot; // what the watching thread knows of one bounded connection

private:
    Slot *m_slot = nullptr;
};

} // namespace qv::reg

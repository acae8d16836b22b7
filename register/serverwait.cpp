#include "register/serverwait.h"

#include <QList>
#include <QLoggingCategory>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QThread>
#include <QVariant>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#ifdef QV_WITH_LIBPQ
#include <libpq-fe.h>
#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif
#endif

Q_LOGGING_CATEGORY(lcRegister, "qv.register")

namespace qv::reg {

using Clock = std::chrono::steady_clock;

struct ServerWait::Slot
{
    int socket = -1;
    const QThread *thread = nullptr;
    std::chrono::milliseconds length{0};
    Clock::time_point due;
    bool cut = false;
};

namespace {

#ifdef QV_WITH_LIBPQ
PGconn *connectionOf(const QSqlDatabase &db)
{
    if (!db.isValid() || !db.isOpen() || !db.driver())
        return nullptr;
    // Qt's driver hands its PGconn* over as such (a pointer to libpq's struct pg_conn).
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() ||
        (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn *const *>(handle.constData());
}

void shutDown(int socket)
{
#ifdef Q_OS_WIN
    ::shutdown(SOCKET(socket), SD_BOTH);
#else
    ::shutdown(socket, SHUT_RDWR);
#endif
}
#endif

// The one watching thread of the program, started with the first bounded wait.
class Watcher
{
public:
    ~Watcher()
    {
        {
            std::lock_guard lock(m_mutex);
            m_quit = true;
        }
        m_changed.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

    void add(ServerWait::Slot *slot)
    {
        {
            std::lock_guard lock(m_mutex);
            if (m_interrupted.contains(slot->thread))
                slot->due = Clock::now();
            m_slots << slot;
            if (!m_thread.joinable())
                m_thread = std::thread([this] { run(); });
        }
        m_changed.notify_all();
    }
    void restart(ServerWait::Slot *slot)
    {
        std::lock_guard lock(m_mutex);
        if (!m_interrupted.contains(slot->thread))
            slot->due = Clock::now() + slot->length;
    }
    void remove(ServerWait::Slot *slot)
    {
        std::lock_guard lock(m_mutex);
        m_slots.removeOne(slot);
    }
    bool cut(const ServerWait::Slot *slot)
    {
        std::lock_guard lock(m_mutex);
        return slot->cut;
    }
    void interrupt(const QThread *thread)
    {
        {
            std::lock_guard lock(m_mutex);
            m_interrupted.insert(thread);
            for (ServerWait::Slot *slot : std::as_const(m_slots)) {
                if (slot->thread == thread)
                    slot->due = Clock::now();
            }
        }
        m_changed.notify_all();
    }
    void forgive(const QThread *thread)
    {
        std::lock_guard lock(m_mutex);
        m_interrupted.remove(thread);
    }

private:
    // A slot is removed (under the lock) before its connection can be closed, so a socket
    // shut down here is always the connection's own.
    void run()
    {
        std::unique_lock lock(m_mutex);
        while (!m_quit) {
            Clock::time_point next = Clock::time_point::max();
            const Clock::time_point now = Clock::now();
            for (ServerWait::Slot *slot : std::as_const(m_slots)) {
                if (slot->cut)
                    continue;
                if (slot->due <= now) {
#ifdef QV_WITH_LIBPQ
                    shutDown(slot->socket);
#endif
                    slot->cut = true;
                    qCDebug(lcRegister, "a team register's connection did not answer in time: "
                                        "shut down");
                } else {
                    next = qMin(next, slot->due);
                }
            }
            if (next == Clock::time_point::max())
                m_changed.wait(lock);
            else
                m_changed.wait_until(lock, next);
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    QList<ServerWait::Slot *> m_slots;
    QSet<const QThread *> m_interrupted;
    bool m_quit = false;
    std::thread m_thread;
};

Watcher &watcher()
{
    static Watcher one;
    return one;
}

// Qt's PostgreSQL driver warns by itself when a statement cannot be freed or run on a
// connection that is gone (one cut above, or a server that went away), which the register
// reports in its own words: those warnings are dropped, not printed on a command's
// standard error.
QtMessageHandler g_nextHandler = nullptr;

void quietLostConnections(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && (text.startsWith(QLatin1StringView("Unable to free statement")) ||
                                 text == QLatin1StringView("QSqlQuery::exec: database not open")))
        return;
    if (g_nextHandler)
        g_nextHandler(type, context, text);
}

} // namespace

ServerWait::ServerWait(const QSqlDatabase &db, int ms)
{
#ifdef QV_WITH_LIBPQ
    PGconn *connection = connectionOf(db);
    const int socket = connection ? PQsocket(connection) : -1;
    if (socket < 0)
        return;
    m_slot = new Slot;
    m_slot->socket = socket;
    m_slot->thread = QThread::currentThread();
    m_slot->length = std::chrono::milliseconds(ms);
    m_slot->due = Clock::now() + m_slot->length;
    watcher().add(m_slot);
#else
    Q_UNUSED(db);
    Q_UNUSED(ms);
#endif
}

ServerWait::~ServerWait()
{
    if (!m_slot)
        return;
    watcher().remove(m_slot);
    delete m_slot;
}

void ServerWait::restart()
{
    if (m_slot)
        watcher().restart(m_slot);
}

bool ServerWait::cut() const
{
    return m_slot && watcher().cut(m_slot);
}

void ServerWait::interrupt(const QThread *thread)
{
    watcher().interrupt(thread);
}

void ServerWait::forgive(const QThread *thread)
{
    watcher().forgive(thread);
}

void ServerWait::quietNotices(const QSqlDatabase &db)
{
    static std::once_flag installed;
    std::call_once(installed, [] { g_nextHandler = qInstallMessageHandler(quietLostConnections); });
#ifdef QV_WITH_LIBPQ
    if (PGconn *connection = connectionOf(db)) {
        PQsetNoticeProcessor(
            connection,
            [](void *, const char *message) {
                qCDebug(lcRegister, "server notice: %s", QByteArray(message).trimmed().constData());
            },
            nullptr);
    }
#else
    Q_UNUSED(db);
#endif
}

} // namespace qv::reg

#include "register/teamsender.h"

#include <QThread>
#include <QTimer>

namespace qv::reg {

namespace {

// A wake-up this soon after a failure waits for the timer: a technician recording entry
// after entry while the server is away does not make the sender knock for each.
constexpr int QuietAfterFailureMs = 3000;

} // namespace

TeamSender::TeamSender(const QString &sqlitePath, const QString &connection,
                       std::shared_ptr<SenderProgress> progress)
    : m_sqlitePath(sqlitePath), m_connection(connection), m_progress(std::move(progress))
{
}

TeamSender::~TeamSender() = default;

void TeamSender::start()
{
    m_retry = new QTimer(this);
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, [this] { sendRound(); });
    m_local = Store::openSqlite(m_sqlitePath);
    sendRound();
}

void TeamSender::wake()
{
    if (m_retryMs > 0 && m_sinceFailure.isValid() && m_sinceFailure.elapsed() < QuietAfterFailureMs)
        return;
    sendRound();
}

void TeamSender::sendNow()
{
    sendRound();
}

void TeamSender::stop()
{
    if (m_retry)
        m_retry->stop();
    m_server.reset();
    m_local.reset();
}

void TeamSender::sendRound()
{
    if (!m_retry || QThread::currentThread()->isInterruptionRequested())
        return; // stopped before it started, or being stopped
    m_failure.clear();
    const bool ok = sendBatches();
    // The journal's own connection leaves copying the write-ahead log into the file to
    // this thread, so that recording an entry never waits for it.
    if (m_local)
        m_local->checkpoint();
    if (ok) {
        m_retryMs = 0;
        m_retry->stop();
    } else if (!QThread::currentThread()->isInterruptionRequested()) {
        m_retryMs = m_retryMs ? qMin(2 * m_retryMs, LongestRetryMs) : FirstRetryMs;
        m_sinceFailure.start();
        m_retry->start(m_retryMs);
    }
    {
        std::lock_guard lock(m_progress->mutex);
        ++m_progress->rounds;
        m_progress->failure = m_failure;
    }
    m_progress->changed.notify_all();
}

// False when something is still waiting because of a failure (reported).
bool TeamSender::sendBatches()
{
    if (m_connection.isEmpty())
        return true; // a register of this computer only: nothing to send
    if (!m_local || m_local->status() != Store::OpenStatus::Ok) {
        if (m_local)
            fail(QStringLiteral("local-outbox"), m_local->message());
        return false;
    }
    while (!QThread::currentThread()->isInterruptionRequested()) {
        const QList<Entry> batch = m_local->unshared(BatchSize);
        if (batch.isEmpty())
            return true;
        if (!m_server || m_server->status() != Store::OpenStatus::Ok) {
            connectServer();
            switch (m_server->status()) {
            case Store::OpenStatus::Ok:
                break;
            case Store::OpenStatus::NoDriver:
                fail(QStringLiteral("team-driver"), m_server->message());
                return false;
            case Store::OpenStatus::ReadOnlyNewer:
                fail(QStringLiteral("team-newer"), m_server->message());
                return false;
            default:
                fail(QStringLiteral("team-connect"), m_server->message());
                return false;
            }
        }
        QString error;
        if (!m_server->record(batch, &error)) {
            // A server that went away (or a connection cut because it stopped answering) is
            // the same problem as one not reached: a new connection tries once more. A
            // server that answers and still refuses the entries is another problem.
            if (QThread::currentThread()->isInterruptionRequested()) {
                fail(QStringLiteral("team-connect"), error);
                return false;
            }
            connectServer();
            if (m_server->status() != Store::OpenStatus::Ok) {
                fail(QStringLiteral("team-connect"), m_server->message());
                m_server.reset();
                return false;
            }
            if (!m_server->record(batch, &error)) {
                fail(QStringLiteral("team-write"), error);
                return false;
            }
        }
        QStringList ids;
        for (const Entry &entry : batch)
            ids << entry.id;
        if (!m_local->markShared(ids)) {
            // They are on the server; sent again later, the server keeps them once.
            fail(QStringLiteral("local-outbox"),
                 tr("A helyi nyilvántartásban nem jelölhető meg, hogy a bejegyzések "
                    "már a csapat nyilvántartásában vannak (%1). Újra elküldésre "
                    "kerülnek; a csapat nyilvántartása mindegyiket egyszer őrzi.")
                     .arg(m_local->location()));
            return false;
        }
        emit sent(int(batch.size()), m_local->waiting());
    }
    return false;
}

void TeamSender::connectServer()
{
    m_progress->connecting = true;
    m_server = Store::openPostgres(m_connection);
    m_progress->connecting = false;
}

void TeamSender::fail(const QString &kind, const QString &message)
{
    m_failure = message;
    emit failed(kind, message);
}

} // namespace qv::reg

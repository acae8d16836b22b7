#include "register/journal.h"

#include "register/teamsender.h"
#include "settings/preferences.h"

#include <QHash>
#include <QThread>

#include <algorithm>
#include <chrono>

namespace qv::reg {

namespace {

// After the team's register was not reached, the window's searches leave it out this long
// (unless the sender reaches it meanwhile), so that each does not wait for the time-out.
constexpr int TeamRetryMs = 30000;

const QString kLocalOpen = QStringLiteral("local-open");
const QString kLocalWrite = QStringLiteral("local-write");
const QString kTeamConnection = QStringLiteral("team-connection");

bool newerFirst(const Entry &a, const Entry &b)
{
    if (a.time != b.time)
        return a.time > b.time;
    return a.id > b.id;
}

} // namespace

Journal::Journal(QObject *parent) : QObject(parent)
{
}

Journal::~Journal()
{
    close();
}

void Journal::close()
{
    if (m_senderThread) {
        // The sender ends its batch (its connections give up within seconds when the
        // network is gone), closes its connections in its own thread and is deleted there.
        m_senderThread->requestInterruption();
        QMetaObject::invokeMethod(m_sender, &TeamSender::stop, Qt::QueuedConnection);
        m_senderThread->quit();
        m_senderThread->wait();
        delete m_senderThread;
        m_senderThread = nullptr;
        m_sender = nullptr;
    }
    m_progress.reset();
    m_teamView.reset();
    m_teamDown = false;
    m_teamDownReason.clear();
    m_teamConnection.clear();
    m_local.reset();
}

void Journal::open(const QString &sqlitePath, const QString &teamConnection)
{
    close();
    m_reported.clear();
    m_local = Store::openSqlite(sqlitePath);
    if (!m_local->isOpen() || m_local->isReadOnly())
        report(kLocalOpen, m_local->message());

    const QString team = teamConnection.trimmed();
    if (team.isEmpty())
        return;
    if (const QString refusal = Store::connectionProblem(team); !refusal.isEmpty()) {
        report(kTeamConnection, refusal);
        return;
    }
    m_teamConnection = team;
    // The local register is the outbox: without it nothing could wait for the server.
    if (m_local->status() != Store::OpenStatus::Ok)
        return;
    m_local->setOutbox(true);

    m_progress = std::make_shared<SenderProgress>();
    m_senderThread = new QThread;
    m_senderThread->setObjectName(QStringLiteral("qv.register.sender"));
    m_sender = new TeamSender(m_local->location(), team, m_progress);
    m_sender->moveToThread(m_senderThread);
    connect(m_senderThread, &QThread::finished, m_sender, &QObject::deleteLater);
    connect(m_sender, &TeamSender::failed, this, &Journal::senderFailed);
    connect(m_sender, &TeamSender::sent, this, &Journal::senderSent);
    m_senderThread->start();
    QMetaObject::invokeMethod(m_sender, &TeamSender::start, Qt::QueuedConnection);
}

void Journal::openDefault(const QString &teamConnectionOverride)
{
    const QString team = teamConnectionOverride.trimmed().isEmpty() ? preferences::teamRegister()
                                                                    : teamConnectionOverride;
    open(Store::defaultSqlitePath(), team);
}

bool Journal::isAvailable() const
{
    return m_local && m_local->status() == Store::OpenStatus::Ok;
}

const Store *Journal::local() const
{
    return m_local ? &*m_local : nullptr;
}

QString Journal::teamConnection() const
{
    return m_teamConnection;
}

bool Journal::record(const Entry &entry)
{
    QString error;
    if (!m_local) {
        error = QStringLiteral("A nyilvántartás nincs megnyitva.");
    } else if (m_local->status() != Store::OpenStatus::Ok) {
        // The reason it did not open, already reported once as such.
        error = m_local->message();
        report(kLocalOpen, error);
        emit statusMessage(error);
        return false;
    } else if (m_local->record(entry, &error)) {
        if (m_sender)
            QMetaObject::invokeMethod(m_sender, &TeamSender::wake, Qt::QueuedConnection);
        return true;
    }
    report(kLocalWrite, error);
    emit statusMessage(error);
    return false;
}

QList<Entry> Journal::search(const Query &query, QString *error) const
{
    if (error)
        error->clear();
    // Both registers give the entries up to the end of the page asked for; the page is
    // cut from the merged list.
    Query each = query;
    each.offset = 0;
    each.limit = query.limit > 0 ? query.offset + query.limit : 0;

    QString localError;
    QList<Entry> entries;
    if (m_local)
        entries = m_local->search(each, &localError);
    else
        localError = QStringLiteral("A nyilvántartás nincs megnyitva.");
    QString teamError;
    if (!m_teamConnection.isEmpty()) {
        if (const Store *team = teamView(&teamError)) {
            const QList<Entry> shared = team->search(each, &teamError);
            if (!teamError.isEmpty()) {
                m_teamView.reset();
                m_teamDown = true;
                m_teamDownSince.start();
                m_teamDownReason = teamError;
            }
            QHash<QString, qsizetype> local;
            for (qsizetype i = 0; i < entries.size(); ++i)
                local.insert(entries.at(i).id, i);
            for (const Entry &entry : shared) {
                if (const auto it = local.constFind(entry.id); it != local.cend())
                    entries[*it].where = Where::LocalAndShared;
                else
                    entries << entry;
            }
            std::sort(entries.begin(), entries.end(), newerFirst);
        }
    }
    if (query.offset > 0)
        entries.remove(0, qMin<qsizetype>(query.offset, entries.size()));
    if (query.limit > 0 && entries.size() > query.limit)
        entries.resize(query.limit);
    if (error) {
        QStringList errors;
        for (const QString &e : {localError, teamError}) {
            if (!e.isEmpty())
                errors << e;
        }
        *error = errors.join(u'\n');
    }
    return entries;
}

std::optional<Entry> Journal::entry(const QString &id) const
{
    if (m_local) {
        if (std::optional<Entry> found = m_local->entry(id))
            return found;
    }
    QString error;
    if (!m_teamConnection.isEmpty()) {
        if (const Store *team = teamView(&error))
            return team->entry(id);
    }
    return std::nullopt;
}

const Store *Journal::teamView(QString *error) const
{
    if (m_teamDown && m_teamDownSince.isValid() && m_teamDownSince.elapsed() < TeamRetryMs) {
        *error = QStringLiteral("A csapat nyilvántartása most nem érhető el, csak a helyi "
                                "bejegyzések látszanak. (%1)")
                     .arg(m_teamDownReason);
        return nullptr;
    }
    if (!m_teamView || m_teamView->status() != Store::OpenStatus::Ok) {
        // Opening gives up after the connection's time-out (3 s unless it says otherwise).
        m_teamView = Store::openPostgres(m_teamConnection);
        if (!m_teamView->isOpen()) {
            m_teamDown = true;
            m_teamDownSince.start();
            m_teamDownReason = m_teamView->message();
            *error = QStringLiteral("A csapat nyilvántartása most nem érhető el, csak a helyi "
                                    "bejegyzések látszanak. (%1)")
                         .arg(m_teamDownReason);
            m_teamView.reset();
            return nullptr;
        }
    }
    return &*m_teamView;
}

bool Journal::flush(int timeoutMs)
{
    if (!m_sender)
        return true;
    const int request = ++m_flushRequests;
    QMetaObject::invokeMethod(
        m_sender, [sender = m_sender, request] { sender->sendNow(request); }, Qt::QueuedConnection);
    std::unique_lock lock(m_progress->mutex);
    const bool finished =
        m_progress->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                     [this, request] { return m_progress->finished >= request; });
    const bool sent = finished && m_progress->empty;
    if (sent)
        m_teamDown = false; // reached just now, whether or not its signal has arrived yet
    return sent;
}

int Journal::waiting() const
{
    return m_sender && m_local ? m_local->waiting() : 0;
}

void Journal::report(const QString &kind, const QString &message)
{
    if (message.isEmpty() || m_reported.contains(kind))
        return;
    m_reported << kind;
    emit problem(message);
}

void Journal::senderFailed(const QString &kind, const QString &message)
{
    if (kind.startsWith(QLatin1StringView("team"))) {
        m_teamDown = true;
        m_teamDownSince.start();
        m_teamDownReason = message;
        m_teamView.reset();
    }
    report(kind, message);
    emit statusMessage(message);
}

void Journal::senderSent(int count, int waiting)
{
    m_teamDown = false;
    m_teamDownReason.clear();
    emit statusMessage(waiting > 0 ? QStringLiteral("%1 bejegyzés elküldve a csapat "
                                                    "nyilvántartásába, %2 még vár.")
                                         .arg(count)
                                         .arg(waiting)
                                   : QStringLiteral("%1 bejegyzés elküldve a csapat "
                                                    "nyilvántartásába.")
                                         .arg(count));
}

} // namespace qv::reg

#include "register/journal.h"

#include "register/serverwait.h"
#include "register/teamreader.h"
#include "register/teamsender.h"
#include "settings/preferences.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <functional>
#include <mutex>

namespace qv::reg {

namespace {

// How long the window's search waits for the team's register: a connection's time-out (3 s)
// and a query. The local entries are shown without the server's after that.
constexpr int TeamAnswerMs = 3500;
// After the team's register was not reached, searches leave it out this long (unless the
// sender reaches it meanwhile), so that each does not wait again.
constexpr int TeamRetryMs = 30000;

// How long closing waits for a worker's thread: what it waits for from a server is cut at
// once (ServerWait::interrupt); only a connection still being made can take longer.
constexpr int StopWaitMs = 1000;

const QString kLocalOpen = QStringLiteral("local-open");
const QString kLocalWrite = QStringLiteral("local-write");
const QString kTeamConnection = QStringLiteral("team-connection");

bool newerFirst(const Entry &a, const Entry &b)
{
    if (a.time != b.time)
        return a.time > b.time;
    return a.id > b.id;
}

// Workers' threads that did not end in time when stopped because they were still connecting
// to a server: left to end by themselves, never destroyed while they run; the program may
// exit first.
std::mutex g_leftMutex;
QList<QThread *> g_left;

// Stops a worker's thread: what it waits for from a server is cut, the worker ends what it
// is doing, closes its connections in its own thread and is deleted there. A worker still
// connecting after StopWaitMs (`connecting`) is left; local work is waited for.
template <typename Worker>
void stopWorker(QThread *&thread, Worker *&worker, const std::function<bool()> &connecting)
{
    if (!thread)
        return;
    thread->requestInterruption();
    ServerWait::interrupt(thread);
    QMetaObject::invokeMethod(worker, &Worker::stop, Qt::QueuedConnection);
    thread->quit();
    if (thread->wait(StopWaitMs) || !connecting() || thread->wait(0)) {
        thread->wait();
        ServerWait::forgive(thread);
        delete thread;
    } else {
        const std::lock_guard lock(g_leftMutex);
        g_left << thread;
    }
    thread = nullptr;
    worker = nullptr;
}

template <typename Worker> void startWorker(QThread *&thread, Worker *worker, const char *name)
{
    thread = new QThread;
    thread->setObjectName(QString::fromLatin1(name));
    worker->moveToThread(thread);
    QObject::connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    thread->start();
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
    const std::shared_ptr<SenderProgress> progress = m_progress;
    stopWorker(m_senderThread, m_sender, [progress] { return progress && progress->connecting; });
    stopWorker(m_readerThread, m_reader, [] { return true; }); // it only ever waits for a server
    m_progress.reset();
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

    QString team = teamConnection.trimmed();
    if (const QString refusal = team.isEmpty() ? QString() : Store::connectionProblem(team);
        !refusal.isEmpty()) {
        report(kTeamConnection, refusal);
        team.clear();
    }
    m_teamConnection = team;
    if (!team.isEmpty()) {
        m_reader = new TeamReader(team);
        startWorker(m_readerThread, m_reader, "qv.register.reader");
    }
    // The local register is the outbox: without it nothing could wait for the server.
    if (m_local->status() != Store::OpenStatus::Ok)
        return;
    m_local->setOutbox(!team.isEmpty());
    m_local->setAutomaticCheckpoints(false);

    m_progress = std::make_shared<SenderProgress>();
    m_sender = new TeamSender(m_local->location(), team, m_progress);
    connect(m_sender, &TeamSender::failed, this, &Journal::senderFailed);
    connect(m_sender, &TeamSender::sent, this, &Journal::senderSent);
    startWorker(m_senderThread, m_sender, "qv.register.sender");
    QMetaObject::invokeMethod(m_sender, &TeamSender::start, Qt::QueuedConnection);
}

void Journal::openDefault(const QString &teamConnectionOverride)
{
    const QString team = teamConnectionOverride.trimmed().isEmpty()
                             ? settings::preferences::teamRegister()
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
        error = tr("A nyilvántartás nincs megnyitva.");
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

std::shared_ptr<TeamAnswer>
Journal::askTeam(const std::function<void(TeamReader *, std::shared_ptr<TeamAnswer>)> &ask,
                 QString *error) const
{
    if (!m_reader)
        return nullptr;
    if (m_teamDown && m_teamDownSince.isValid() && m_teamDownSince.elapsed() < TeamRetryMs) {
        *error = tr("A csapat nyilvántartása most nem érhető el, csak a helyi "
                    "bejegyzések látszanak. (%1)")
                     .arg(m_teamDownReason);
        return nullptr;
    }
    auto answer = std::make_shared<TeamAnswer>();
    QMetaObject::invokeMethod(
        m_reader, [reader = m_reader, answer, ask] { ask(reader, answer); }, Qt::QueuedConnection);
    return answer;
}

bool Journal::awaitTeam(const std::shared_ptr<TeamAnswer> &answer, QString *error) const
{
    QString reason;
    if (!answer->wait(TeamAnswerMs))
        reason = tr("nem válaszolt időben");
    else if (!answer->error.isEmpty())
        reason = answer->error;
    if (reason.isEmpty())
        return true;
    teamDown(reason);
    *error = tr("A csapat nyilvántartása most nem érhető el, csak a helyi "
                "bejegyzések látszanak. (%1)")
                 .arg(reason);
    return false;
}

void Journal::teamDown(const QString &reason) const
{
    m_teamDown = true;
    m_teamDownSince.start();
    m_teamDownReason = reason;
}

QList<Entry> Journal::search(const Query &query, QString *error) const
{
    // Both registers give a page after the same entry; the page is cut from the merged list.
    const Query &each = query;

    QString teamError;
    const std::shared_ptr<TeamAnswer> asked =
        askTeam([each](TeamReader *reader,
                       std::shared_ptr<TeamAnswer> answer) { reader->search(each, answer); },
                &teamError);

    QString localError;
    QList<Entry> entries;
    if (!m_local) {
        localError = tr("A nyilvántartás nincs megnyitva.");
    } else if (asked) {
        // What the server holds comes from there, unless it does not answer.
        entries = m_local->searchNotShared(each, &localError);
        if (!awaitTeam(asked, &teamError))
            entries = m_local->search(each, &localError);
    } else {
        entries = m_local->search(each, &localError);
    }

    if (asked && teamError.isEmpty()) {
        QHash<QString, qsizetype> local;
        for (qsizetype i = 0; i < entries.size(); ++i)
            local.insert(entries.at(i).id, i);
        QList<Entry> shared = std::move(asked->entries);
        QStringList ids;
        for (const Entry &entry : std::as_const(shared))
            ids << entry.id;
        const QSet<QString> alsoHere = m_local ? m_local->present(ids) : QSet<QString>();
        for (Entry &entry : shared) {
            if (const auto it = local.constFind(entry.id); it != local.cend()) {
                entries[*it].where = Where::LocalAndShared; // sent, not yet marked so
                continue;
            }
            if (alsoHere.contains(entry.id))
                entry.where = Where::LocalAndShared;
            entries << entry;
        }
        std::sort(entries.begin(), entries.end(), newerFirst);
    }
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
    const std::shared_ptr<TeamAnswer> asked = askTeam(
        [id](TeamReader *reader, std::shared_ptr<TeamAnswer> answer) { reader->fetch(id, answer); },
        &error);
    if (asked && awaitTeam(asked, &error))
        return std::move(asked->entry);
    return std::nullopt;
}

bool Journal::share(int timeoutMs, const QString &teamConnection)
{
    if (teamConnection.isEmpty() && this->teamConnection().isEmpty())
        return true;
    return flush(timeoutMs);
}

bool Journal::flush(int timeoutMs)
{
    m_teamProblem.clear();
    if (!m_sender)
        return true;
    const QDeadlineTimer deadline(timeoutMs);
    std::unique_lock lock(m_progress->mutex);
    int seen = m_progress->rounds;
    lock.unlock();
    QMetaObject::invokeMethod(m_sender, &TeamSender::sendNow, Qt::QueuedConnection);
    lock.lock();
    // Any round that ends from now on answers: it sends until nothing waits, or fails. One
    // that began before the last entry was recorded may end without it; the round asked
    // for follows.
    while (true) {
        if (!m_progress->changed.wait_for(lock, std::chrono::milliseconds(deadline.remainingTime()),
                                          [&] { return m_progress->rounds > seen; })) {
            m_teamProblem = tr("A csapat nyilvántartása (%1) nem válaszolt %n másodpercen "
                               "belül; addig a bejegyzések a helyi nyilvántartásban várnak.",
                               nullptr, (timeoutMs + 999) / 1000)
                                .arg(m_teamConnection);
            return false;
        }
        seen = m_progress->rounds;
        if (!m_progress->failure.isEmpty()) {
            m_teamProblem = m_progress->failure;
            return false;
        }
        lock.unlock();
        const bool sent = waiting() == 0;
        lock.lock();
        if (sent) {
            if (!m_teamConnection.isEmpty())
                m_teamDown = false; // reached just now, whether or not its signal came yet
            return true;
        }
    }
}

int Journal::waiting() const
{
    return !m_teamConnection.isEmpty() && m_local ? m_local->waiting() : 0;
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
    if (kind.startsWith(QLatin1StringView("team")))
        teamDown(message);
    report(kind, message);
    emit statusMessage(message);
}

void Journal::senderSent(int count, int waiting)
{
    m_teamDown = false;
    m_teamDownReason.clear();
    emit statusMessage(
        waiting > 0
            ? tr("%n bejegyzés elküldve a csapat nyilvántartásába, %1 még vár.", nullptr, count)
                  .arg(waiting)
            : tr("%n bejegyzés elküldve a csapat nyilvántartásába.", nullptr, count));
}

} // namespace qv::reg

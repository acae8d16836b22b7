// The program's register as the window and the commands use it: every entry is written to
// the local SQLite register first, where it cannot get lost; with a team register chosen,
// a sender in a thread of its own then copies the entries not yet shared to the
// PostgreSQL server, as soon as and whenever it is reachable, each once (by its id). No
// module exchange waits for the register or fails because of it.
#pragma once

#include "register/store.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QThread;

namespace qv::reg {

class TeamReader;
class TeamSender;
struct SenderProgress;
struct TeamAnswer;

class Journal : public QObject
{
    Q_OBJECT

public:
    explicit Journal(QObject *parent = nullptr);
    ~Journal() override;

    // Opens the local register at `sqlitePath` and, when `teamConnection` is not empty,
    // starts sending to that PostgreSQL register. A local register that cannot be opened
    // leaves the program working without it (problem() says why, once).
    void open(const QString &sqlitePath, const QString &teamConnection = {});
    // The register this user's settings name: the default file, and the team connection
    // from --register or the remembered choice.
    void openDefault(const QString &teamConnectionOverride = {});

    bool isAvailable() const; // the local register can be written
    const Store *local() const;
    QString teamConnection() const;

    // Writes the entry to the local register (as not yet shared when there is a team)
    // and wakes the sender. False when it could not be written: problem() reports the
    // first failure of its kind, the status bar every one.
    bool record(const Entry &entry);

    // Entries from the local register and, when reachable, the team's, newest first,
    // each once, marked by where they are.
    QList<Entry> search(const Query &query, QString *error = nullptr) const;
    std::optional<Entry> entry(const QString &id) const;

    // Sends what is waiting now and waits up to `timeoutMs` for it (commands, tests): true
    // once nothing waits; false when the team's register could not be reached, refused the
    // entries or did not answer in time, and teamProblem() then says so.
    bool flush(int timeoutMs);
    QString teamProblem() const { return m_teamProblem; }
    // Before a command or a run ends: with a team's register (this one, or `teamConnection`
    // named for the run), flushes for up to `timeoutMs`. True when nothing waits.
    bool share(int timeoutMs, const QString &teamConnection = {});
    // Entries written here and not yet on the team's server.
    int waiting() const;

signals:
    // The register could not be written or the server not reached: the message says
    // what happened and what to do. Emitted once for each kind of problem.
    void problem(const QString &message);
    // For the status bar: every failure, and what the sender did ("3 bejegyzés elküldve a
    // csapat nyilvántartásába").
    void statusMessage(const QString &message);

private:
    void close();
    void report(const QString &kind, const QString &message);
    void senderFailed(const QString &kind, const QString &message);
    void senderSent(int count, int waiting);
    // Asks the team's register through the reader, unless it was not reached lately (the
    // sender says when it is back); nothing then, with the reason in `error`.
    std::shared_ptr<TeamAnswer>
    askTeam(const std::function<void(TeamReader *, std::shared_ptr<TeamAnswer>)> &ask,
            QString *error) const;
    // Waits for the answer as long as a connection may take; false with the reason.
    bool awaitTeam(const std::shared_ptr<TeamAnswer> &answer, QString *error) const;
    void teamDown(const QString &reason) const;

    std::optional<Store> m_local;
    QString m_teamConnection;
    QThread *m_senderThread = nullptr;
    TeamSender *m_sender = nullptr;
    QStringList m_reported; // the kinds of problem already reported
    std::shared_ptr<SenderProgress> m_progress;
    QString m_teamProblem; // why the last flush() did not send everything
    QThread *m_readerThread = nullptr;
    TeamReader *m_reader = nullptr;
    mutable bool m_teamDown = false;
    mutable QString m_teamDownReason;
    mutable QElapsedTimer m_teamDownSince;
};

} // namespace qv::reg

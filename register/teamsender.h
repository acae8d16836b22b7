// Copies the local register's waiting entries to the team's PostgreSQL register, and keeps
// the local register's write-ahead log short (also without a team). It lives in a thread
// of its own (the journal's), where it opens its own connections to both registers, since
// Qt's SQL connections belong to the thread that made them. A new entry wakes it; after a
// failure a timer tries again, less and less often. An entry leaves the outbox only once
// the server holds it, and the server takes each id once, so an entry sent again after a
// failure between the two steps still lands once.
#pragma once

#include "register/store.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

class QTimer;

namespace qv::reg {

// What the journal's flush() waits for: the sender's rounds as they end.
struct SenderProgress
{
    std::mutex mutex;
    std::condition_variable changed;
    int rounds = 0;  // rounds ended so far
    QString failure; // why the last one left entries waiting, or empty
    // Connecting to the server, which closing cannot cut short (see ServerWait): set only
    // in the sender's thread, read by the journal's.
    std::atomic<bool> connecting{false};
};

class TeamSender : public QObject
{
    Q_OBJECT

public:
    static constexpr int BatchSize = 200;
    static constexpr int FirstRetryMs = 10000;
    static constexpr int LongestRetryMs = 60000;

    TeamSender(const QString &sqlitePath, const QString &connection,
               std::shared_ptr<SenderProgress> progress);
    ~TeamSender() override;

    // Called in the sender's thread (queued from the journal's).
    void start();   // opens the local register, sends what is waiting
    void wake();    // entries were recorded: send, unless a retry is due soon
    void sendNow(); // send at once
    void stop();    // closes both connections

signals:
    void sent(int count, int waiting);
    // kind: "team-connect", "team-driver", "team-newer", "team-write", "local-outbox"
    void failed(const QString &kind, const QString &message);

private:
    void sendRound();
    bool sendBatches();
    void connectServer(); // m_server: a new connection to the team's register
    void fail(const QString &kind, const QString &message);
    QString m_failure; // why this round leaves entries waiting

    QString m_sqlitePath;
    QString m_connection;
    std::shared_ptr<SenderProgress> m_progress;
    std::optional<Store> m_local;
    std::optional<Store> m_server;
    QTimer *m_retry = nullptr;
    int m_retryMs = 0; // 0: the last round did not fail
    QElapsedTimer m_sinceFailure;
};

} // namespace qv::reg

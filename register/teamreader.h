// Reads the team's PostgreSQL register for the window's searches, in a thread of its own
// with its own connection: the journal searches the local register meanwhile and waits for
// the server only so long, so that a server that is slow or gone never holds the window.
#pragma once

#include "register/store.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

namespace qv::reg {

// One question to the server and, once `done`, its answer.
struct TeamAnswer
{
    std::mutex mutex;
    std::condition_variable changed;
    bool done = false;
    QList<Entry> entries;
    std::optional<Entry> entry;
    QString error; // the server was not reached or refused the question

    // Waits up to `timeoutMs`; false when no answer came.
    bool wait(int timeoutMs);
};

class TeamReader : public QObject
{
    Q_OBJECT

public:
    explicit TeamReader(const QString &connection);
    ~TeamReader() override;

    // Called in the reader's thread (queued from the journal's).
    void search(const Query &query, const std::shared_ptr<TeamAnswer> &answer);
    void fetch(const QString &id, const std::shared_ptr<TeamAnswer> &answer);
    void stop(); // closes the connection

private:
    const Store *server(QString *error);

    QString m_connection;
    std::optional<Store> m_server;
};

} // namespace qv::reg

// ExchangeThread: the one way the program runs an exchange off the GUI thread. Each exchange
// gets a short-lived thread whose run() holds the port's turn (PortTurn: exchanges on one
// port take turns) and calls one function of the exchange layer; progress and the end go
// out as signals, and a cancel is a flag that every byte and every slice of a wait looks at.
// The download's worker (dlThread) has the same shape with its own run().
// The window waits for the thread in its event loop (runInEventLoop), so it keeps
// repainting and answering its progress window while the line is read.
#pragma once

#include "serial/serialline.h"

#include <QString>
#include <QThread>

#include <atomic>
#include <functional>

namespace qv::serial {

// The turn on one port: while one lives, another for the same port (in any thread) waits.
// The port names are compared as the user writes them.
class PortTurn
{
public:
    explicit PortTurn(const QString &port);
    ~PortTurn();
    PortTurn(const PortTurn &) = delete;
    PortTurn &operator=(const PortTurn &) = delete;

private:
    QString m_port;
};

class ExchangeThread : public QThread, public ReadProgress
{
    Q_OBJECT

public:
    // `job` runs on the thread with this object as its progress (advance() and
    // cancelled()); an empty `port` takes no turn.
    using Job = std::function<void(ExchangeThread &)>;
    ExchangeThread(const QString &port, Job job, QObject *parent = nullptr);
    ~ExchangeThread() override; // cancels a running job and waits for it

    // From any thread: the job's reads end at the next byte or slice of a wait.
    void cancel() { m_cancelled = true; }
    bool cancelled() override { return m_cancelled; }
    void advance() override { emit advanced(); }
    const std::atomic<bool> &cancelFlag() const { return m_cancelled; }

    // Starts the job and returns once it has ended, running the calling thread's events
    // meanwhile: timers, repaints, queued signals, the progress window. While
    // `acceptsInput` (asked again after each event) is false or empty, the user's input
    // waits until the end, as it did while a read held the window.
    void runInEventLoop(const std::function<bool()> &acceptsInput = {});

signals:
    void advanced(); // one more byte of a reply (not a carriage return)

protected:
    void run() override;

private:
    QString m_port;
    Job m_job;
    std::atomic<bool> m_cancelled{false};
};

} // namespace qv::serial

// The live status watch in the window: a timer of the GUI thread starts each status query
// as an exchange of its own (serial::ExchangeThread, holding the port's turn like every
// other exchange of the window), the Pacer decides which outcome is a sample and when the
// next query starts; the controller keeps the session (the plot's history, the events, the summary,
// the CSV log written as it goes), shows each status in the status panel too, and records the
// session in the register when it ends. The window's other exchanges pause it (pauseFor): the query
// under way is cancelled, and the exchange that paused it waits for the port's turn until
// the module's answer is over. A series does not start while it runs (portRefusal).
#pragma once

#include "transfer/exchange.h"
#include "watch/events.h"
#include "watch/history.h"
#include "watch/summary.h"
#include "watch/watcher.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QTemporaryFile;
class QTimer;
namespace qv::reg::gui {
class RegisterController;
}
namespace qv::form::gui {
class StatusPanel;
}
namespace qv::serial {
class ExchangeThread;
}

namespace qv::watch::gui {

class WatchController : public QObject
{
    Q_OBJECT

public:
    // The port and the model come from the window (`link`), `programVersion` is this
    // program's; each status goes to `panel` as well (may be null) and the session's entry
    // into `registry` (may be null).
    WatchController(qv::transfer::LinkSource link, const QString &programVersion,
                    form::gui::StatusPanel *panel, reg::gui::RegisterController *registry,
                    QObject *parent = nullptr);
    // A running watch is stopped (and recorded) first; a query under way is waited for.
    ~WatchController() override;

    bool isRunning() const { return m_running; }
    bool isPaused() const { return m_holds > 0; }
    // The port went away during the session: the watch looks for it until it comes back.
    bool isWaitingForPort() const { return m_running && m_portGone; }
    // A query is under way: its thread still runs, or waits for the port's turn (a query
    // cancelled by a pause or a stop too, until it has ended).
    bool isQuerying() const { return m_query != nullptr; }
    QString port() const { return m_port; }
    int model() const { return m_model; }
    int intervalMs() const { return m_intervalMs; }
    const qv::watch::History &history() const { return m_history; }
    qv::watch::Summary summary() const { return m_summary.summary(); }
    // The events of the session, oldest first (the newest MaxEvents of them).
    const QList<qv::watch::Event> &events() const { return m_events; }
    static constexpr qsizetype MaxEvents = 10'000;

    // A new session on the window's port: the plot, the events and the log start over.
    void start(int intervalMs);
    void setInterval(int intervalMs);
    // Ends the session and records it in the register (when it has samples).
    void stop();

    // While one of these lives, the watch is paused and the port is free: the window's
    // other exchanges take one for their duration. `why` is said in the watch's window.
    class Pause
    {
    public:
        Pause() = default;
        explicit Pause(WatchController *controller, const QString &why);
        Pause(Pause &&other) noexcept : m_controller(std::exchange(other.m_controller, nullptr)) {}
        Pause &operator=(Pause &&) = delete;
        ~Pause();

    private:
        WatchController *m_controller = nullptr;
    };
    [[nodiscard]] Pause pauseFor(const QString &why) { return Pause(this, why); }

    // Why a series cannot start on `port` now; empty when it can.
    QString portRefusal(const QString &port) const;
    // While a series runs the watch cannot start.
    void setPortLocked(bool locked);
    bool isPortLocked() const { return m_portLocked; }

    // Saves the session's log (CSV) as `path`; false with the reason.
    bool saveLog(const QString &path, QString *error) const;
    // Shows a saved log instead of the session (only while none runs); false with the
    // reason. `notice` tells of rows left out.
    bool openLog(const QString &path, QString *error, QString *notice = nullptr);
    bool hasLog() const { return !m_logPath.isEmpty(); }

signals:
    void runningChanged(bool running);
    // A series took the port (true) or gave it back.
    void portLockChanged(bool locked);
    void pausedChanged(bool paused, const QString &why);
    // A sample taken (the history has it already), with the events it showed.
    void sampled(const qv::watch::Sample &sample, const QList<qv::watch::Event> &events);
    // The port went away (the watch waits for it) or came back.
    void portGoneChanged(bool gone);
    // A new session began or a log was opened: the views start over.
    void sessionReset();
    // Something the user should know that does not stop the watch (the log cannot be
    // written).
    void problem(const QString &message);

private:
    // The timer: the next query, unless one is under way or the watch is paused.
    void queryNext();
    // A query that started at `started` (the session's clock) ended with `sample`.
    void queryEnded(qv::watch::Sample sample, qint64 started);
    void schedule(qint64 at);
    void take(const qv::watch::Sample &sample);
    QList<qv::watch::Event> addSample(const qv::watch::Sample &sample);
    void hold(const QString &why);
    void release();
    void beginSession(int model);
    void record();

    qv::transfer::LinkSource m_link;
    QString m_version;
    form::gui::StatusPanel *m_panel = nullptr;
    reg::gui::RegisterController *m_registry = nullptr;
    QTimer *m_timer = nullptr;
    std::unique_ptr<qv::serial::ExchangeThread> m_query; // the query under way
    qv::watch::Pacer m_pacer;

    bool m_running = false;
    bool m_portLocked = false;
    bool m_portGone = false;
    int m_holds = 0;
    int m_intervalMs = 2000;
    int m_model = 0;
    QString m_port; // of the session
    QElapsedTimer m_session;
    qv::watch::History m_history;
    std::unique_ptr<qv::watch::EventTracker> m_tracker;
    qv::watch::SummaryBuilder m_summary;
    QList<qv::watch::Event> m_events;
    std::unique_ptr<QTemporaryFile> m_spool; // the running session's log
    QString m_logPath;                       // the log shown: the spool, or a file opened
    bool m_logFailed = false;
};

} // namespace qv::watch::gui

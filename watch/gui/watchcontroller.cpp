#include "watch/gui/watchcontroller.h"

#include "form/gui/statuspanel.h"
#include "register/gui/registercontroller.h"
#include "register/journal.h"
#include "serial/exchangethread.h"
#include "settings/devsettings.h"
#include "transfer/statusview.h"
#include "watch/csvlog.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTimer>

namespace qv::watch::gui {

using namespace qv::watch;

WatchController::WatchController(qv::transfer::LinkSource link, const QString &programVersion,
                                 form::gui::StatusPanel *panel,
                                 reg::gui::RegisterController *registry, QObject *parent)
    : QObject(parent), m_link(std::move(link)), m_version(programVersion), m_panel(panel),
      m_registry(registry)
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &WatchController::queryNext);
}

WatchController::~WatchController()
{
    stop();
    m_query.reset(); // cancelled by stop(): ends with the module's answer
}

void WatchController::beginSession(int model)
{
    m_model = model;
    m_history.clear();
    m_tracker = std::make_unique<EventTracker>(model);
    m_summary = SummaryBuilder();
    m_events.clear();
    m_spool.reset();
    m_logPath.clear();
    m_logFailed = false;
}

void WatchController::start(int intervalMs)
{
    if (m_running || m_portLocked || m_holds > 0)
        return;
    const qv::transfer::Link link = m_link();
    beginSession(link.model);
    m_port = link.port;
    m_intervalMs = intervalMs;
    // The log is written as the samples come, so that a long session is never lost.
    m_spool = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                               QStringLiteral("/qvconfig-figyeles-XXXXXX.csv"));
    if (m_spool->open() && m_spool->write(logHeader()) > 0 && m_spool->flush()) {
        m_logPath = m_spool->fileName();
    } else {
        m_logFailed = true;
        emit problem(tr("A figyelés naplója nem írható (%1): a figyelés megy, de a napló nem "
                        "menthető.")
                         .arg(m_spool->errorString()));
    }
    m_session.start();
    m_portGone = false;
    m_pacer = Pacer(intervalMs);
    m_running = true;
    emit sessionReset();
    emit runningChanged(true);
    schedule(m_session.elapsed());
}

void WatchController::setInterval(int intervalMs)
{
    m_intervalMs = intervalMs;
    m_pacer.setInterval(intervalMs);
}

void WatchController::stop()
{
    if (!m_running)
        return;
    // A query under way ends with the module's answer, and is no sample; whatever takes the
    // port next waits for its turn until then.
    m_timer->stop();
    if (m_query)
        m_query->cancel();
    m_running = false;
    if (m_spool)
        m_spool->flush();
    record();
    emit runningChanged(false);
}

void WatchController::schedule(qint64 at)
{
    m_timer->start(int(qBound<qint64>(0, at - m_session.elapsed(), qint64(MaximumIntervalMs))));
}

void WatchController::queryNext()
{
    // A cancelled query still under way schedules the next one when it ends.
    if (!m_running || m_holds > 0 || m_query)
        return;
    const qint64 started = m_session.elapsed();
    auto result = std::make_shared<std::optional<Sample>>();
    m_query = std::make_unique<qv::serial::ExchangeThread>(
        m_port, [port = m_port, session = m_session, result](qv::serial::ExchangeThread &self) {
            *result = takeSample(port, session, &self.cancelFlag());
        });
    m_query->setObjectName(QStringLiteral("watch"));
    // Queued: the thread's end reaches this thread as an event.
    connect(m_query.get(), &QThread::finished, this, [this, started, result] {
        const bool cancelled = m_query->cancelled();
        m_query->wait();
        m_query.release()->deleteLater();
        // A sample under way when the watch paused or stopped belongs to no session.
        if (cancelled || !*result) {
            if (m_running && m_holds == 0)
                schedule(m_session.elapsed());
            return;
        }
        queryEnded(**result, started);
    });
    m_query->start();
}

void WatchController::queryEnded(Sample sample, qint64 started)
{
    const bool wasGone = m_pacer.portGone();
    const Pacer::Step step = m_pacer.after(sample.state, started, m_session.elapsed());
    if (wasGone != m_pacer.portGone()) {
        m_portGone = m_pacer.portGone();
        emit portGoneChanged(m_portGone);
    }
    if (step.keep) {
        sample.resumed = step.resumed;
        take(sample);
    }
    if (m_running && m_holds == 0)
        schedule(step.nextAt);
}

void WatchController::record()
{
    const Summary summary = m_summary.summary();
    if (!m_registry || summary.samples == 0)
        return;
    WatchContext context{
        reg::exchangeContext(m_version, m_link().moduleId, m_model, m_registry->site()), m_port};
    m_registry->journal().record(watchEntry(summary, context));
}

// A sample into the plot's history, the summary and the events; returns its events.
QList<Event> WatchController::addSample(const Sample &sample)
{
    m_history.append(sample);
    m_summary.add(sample);
    const QList<Event> events = m_tracker->add(sample);
    m_summary.addEvents(int(events.size()));
    for (const Event &e : events) {
        if (e.isSwitch())
            m_history.addMark(e.elapsedMs, e.kind == EventKind::Output);
    }
    m_events.append(events);
    return events;
}

void WatchController::take(const Sample &sample)
{
    // A sample that was under way when the session stopped belongs to none.
    if (!m_running)
        return;
    const QList<Event> events = addSample(sample);
    if (m_events.size() > MaxEvents)
        m_events.remove(0, m_events.size() - MaxEvents);
    if (m_spool && !m_logFailed) {
        const QByteArray row = logRow(sample, m_model);
        if (m_spool->write(row) != row.size() || !m_spool->flush()) {
            m_logFailed = true;
            emit problem(tr("A figyelés naplója nem írható tovább (%1): a figyelés megy, de a "
                            "mentett napló nem lesz teljes.")
                             .arg(m_spool->errorString()));
        }
    }
    if (m_panel && sample.isOk())
        m_panel->show(qv::transfer::status::panelView(statusOf(sample), m_model));
    emit sampled(sample, events);
}

WatchController::Pause::Pause(WatchController *controller, const QString &why)
    : m_controller(controller)
{
    if (m_controller)
        m_controller->hold(why);
}

WatchController::Pause::~Pause()
{
    if (m_controller)
        m_controller->release();
}

void WatchController::hold(const QString &why)
{
    if (m_holds++ > 0 || !m_running)
        return;
    // The query under way ends with the module's answer (no sample); the exchange that
    // paused the watch waits for the port's turn until then, on its own thread.
    m_timer->stop();
    if (m_query)
        m_query->cancel();
    emit pausedChanged(true, why);
}

void WatchController::release()
{
    if (--m_holds > 0 || !m_running)
        return;
    // The port may have changed meanwhile (a port chosen in the dialog).
    m_port = m_link().port;
    m_pacer.restart();
    schedule(m_session.elapsed());
    emit pausedChanged(false, {});
}

QString WatchController::portRefusal(const QString &port) const
{
    if (!m_running)
        return {};
    return tr("A(z) %1 porton állapotfigyelés fut, a sorozat nem indulhat el rajta. Állítsa le "
              "a figyelést (Eszköz → Állapot figyelése…, Leállítás), majd indítsa a sorozatot.")
        .arg(port);
}

void WatchController::setPortLocked(bool locked)
{
    m_portLocked = locked;
    emit portLockChanged(locked);
}

bool WatchController::saveLog(const QString &path, QString *error) const
{
    QFile source(m_logPath);
    QSaveFile target(path);
    if (m_logPath.isEmpty() || !source.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("Nincs menthető napló: %1").arg(source.errorString());
        return false;
    }
    if (!target.open(QIODevice::WriteOnly)) {
        if (error)
            *error = target.errorString();
        return false;
    }
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 16);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size()) {
            if (error)
                *error = target.errorString();
            target.cancelWriting();
            return false;
        }
    }
    if (!target.commit()) {
        if (error)
            *error = target.errorString();
        return false;
    }
    return true;
}

bool WatchController::openLog(const QString &path, QString *error, QString *notice)
{
    if (m_running)
        return false;
    const LogRead read = readLogFile(path);
    if (!read.error.isEmpty()) {
        if (error)
            *error = read.error;
        return false;
    }
    beginSession(read.model);
    m_logPath = path;
    for (const Sample &s : read.samples)
        addSample(s);
    if (m_events.size() > MaxEvents)
        m_events.remove(0, m_events.size() - MaxEvents);
    if (notice) {
        notice->clear();
        if (read.badRows > 0)
            *notice =
                tr("%n sor nem olvasható, kimaradt (az első a(z) %1. sor).", nullptr, read.badRows)
                    .arg(read.firstBadLine);
        if (read.cut)
            *notice += (notice->isEmpty() ? QString() : QStringLiteral(" ")) +
                       tr("A napló csak a legutóbbi mintáival látszik.");
    }
    emit sessionReset();
    return true;
}

} // namespace qv::watch::gui

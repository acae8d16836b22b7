#include "series/gui/seriescontroller.h"

#include "files/configfile.h"
#include "form/catalogue.h"
#include "serial/exchangethread.h"
#include "series/dispenser.h"
#include "series/gui/seriesmodel.h"
#include "settings/devsettings.h"
#include "settings/gui/messages.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTime>

namespace qv::series::gui {

namespace {

// How many refused cells the message lists; the rest are counted.
constexpr int kListedProblems = 15;
// The largest table whose cells are checked as soon as it is loaded.
constexpr qsizetype kMarkedAtLoadRows = 20'000;

} // namespace

SeriesController::SeriesController(qv::transfer::LinkSource link, const QString &programVersion,
                                   const QString &teamRegister, QObject *parent)
    : QObject(parent), m_link(std::move(link)), m_version(programVersion),
      m_teamRegister(teamRegister), m_model(new SeriesModel(this)), m_relay(new SeriesRelay(this))
{
    // The relay is called on the run's thread: these connections are queued.
    connect(m_relay, &SeriesRelay::unit, this, &SeriesController::unitChanged);
    connect(m_relay, &SeriesRelay::waitingFor, this, &SeriesController::waiting);
    connect(m_relay, &SeriesRelay::waitingOnPort, this, &SeriesController::waitingOn);
    connect(m_relay, &SeriesRelay::refused, this, &SeriesController::refused);
    connect(m_relay, &SeriesRelay::progressed, this, &SeriesController::progressed);
    connect(m_relay, &SeriesRelay::ended, this, &SeriesController::ended);
    connect(m_relay, &SeriesRelay::problemFound, this, &SeriesController::problem);
    connect(m_relay, &SeriesRelay::problemFound, this, [this](const QString &message) {
        emit logLine(QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) + message);
    });
}

SeriesController::~SeriesController()
{
    if (m_checking) {
        m_checking->wait();
        delete m_checking;
    }
    if (m_thread) {
        m_runner->stop();
        m_thread->wait();
        delete m_thread;
    }
}

QString SeriesController::showUnits(const QString &unitsPath)
{
    if (isRunning())
        return {};
    const qv::series::UnitsRead read = qv::series::readUnitsFile(unitsPath);
    m_model->setTable(read.table.value_or(qv::series::UnitsTable{}));
    // The cells the form's rules refuse are marked at once (a table of a workshop's size; a
    // larger one is checked off this thread when the series starts).
    if (read.table && read.table->rows.size() <= kMarkedAtLoadRows)
        m_model->setProblems(qv::series::checkUnits(*read.table, {}, m_link().model));
    if (read.table)
        tellProgress();
    else
        emit progressChanged({});
    return read.error;
}

struct SeriesController::Prepared
{
    QString refusal; // why nothing starts
    qv::series::SeriesSetup setup;
    QStringList listed;    // the first refused cells, and how many more
    bool everyRow = false; // the header, or a field every row leaves empty, was refused
    QHash<int, QString> skipReasons;
    QList<qv::series::CellProblem> problems;
    std::unique_ptr<qv::series::SeriesRunner> runner;
    QList<qv::series::UnitResult> plan;
};

// Reads both files and checks every row, off the window's thread; the rows refused are
// taken as skipped (the run starts only once the user agreed to that).
void SeriesController::prepare(const Request &request, qv::series::SeriesSetup setup, Prepared &out)
{
    // The base file, whole (its digest names the series in the register).
    const qv::files::ConfigFile read = qv::files::readConfigFile(
        request.basePath, int(form::configurationFields().size()), qv::files::MaxConfigFileBytes);
    if (read.problem != qv::files::FileProblem::None) {
        out.refusal = read.refusal;
        return;
    }

    qv::series::UnitsRead units = qv::series::readUnitsFile(request.unitsPath);
    if (!units.table) {
        out.refusal = units.error;
        return;
    }
    if (units.table->rows.isEmpty()) {
        out.refusal = tr("A(z) %1 táblázatban nincs egy modul sora sem.")
                          .arg(QFileInfo(request.unitsPath).fileName());
        return;
    }

    // Every row is checked before anything is written.
    const QList<qv::series::CellProblem> problems =
        qv::series::checkUnits(*units.table, read.values, request.model);
    for (const qv::series::CellProblem &p : problems) {
        out.everyRow = out.everyRow || p.row == 0;
        if (out.listed.size() < kListedProblems)
            out.listed << qv::series::problemText(p);
        if (p.row > 0 && !out.skipReasons.contains(p.row - 1))
            out.skipReasons.insert(p.row - 1, qv::series::problemText(p));
    }
    if (problems.size() > kListedProblems)
        out.listed << tr("… és még %n hiba.", "", int(problems.size()) - kListedProblems);
    if (out.everyRow)
        return;

    setup.baseFileBytes = read.bytes;
    setup.baseValues = read.values;
    setup.units = std::move(*units.table);
    setup.skippedRows = qv::series::rowsWithProblems(problems);
    out.problems = problems;
    out.runner = std::make_unique<qv::series::SeriesRunner>(setup);
    QString error;
    out.plan = out.runner->plan(&error);
    if (!error.isEmpty()) {
        out.refusal = qv::series::planRefusal(error);
        out.runner.reset();
        return;
    }
    out.setup = std::move(setup);
}

bool SeriesController::start(const Request &request, QWidget *parent)
{
    if (isRunning())
        return false;
    auto refuse = [&](const QString &text) {
        qv::settings::gui::showMessage(parent, QMessageBox::Warning, tr("Sorozatprogramozás"),
                                       text);
        return false;
    };
    const qv::transfer::Link link = m_link();
    const QStringList ports = request.ports.isEmpty() ? QStringList{link.port} : request.ports;
    // Another user of a port (the window's status watch) says why it cannot be had.
    if (m_portRefusal) {
        for (const QString &port : ports) {
            if (const QString why = m_portRefusal(port); !why.isEmpty())
                return refuse(why);
        }
    }
    if (request.basePath.isEmpty())
        return refuse(tr("Válassza ki az alap konfigurációs fájlt."));
    if (request.unitsPath.isEmpty())
        return refuse(tr("Válassza ki a modulok táblázatát (CSV)."));

    qv::series::SeriesSetup asked;
    asked.port = ports.constFirst();
    asked.ports = ports;
    asked.newBatch = request.newBatch;
    asked.retryAnyLane = request.retryAnyLane;
    asked.baud = link.baud;
    asked.basePath = request.basePath;
    asked.unitsPath = request.unitsPath;
    asked.model = request.model;
    asked.verify = request.verify;
    asked.readFirst = request.readFirst;
    asked.resultsPath = request.resultsPath;
    asked.programVersion = m_version;
    asked.teamRegister = m_teamRegister;
    qv::series::SetupCheck check = qv::series::checkSetup(std::move(asked));
    if (!check.refusal.isEmpty())
        return refuse(check.refusal);
    const qv::series::SeriesSetup setup = std::move(check.setup);

    m_parent = parent;
    m_prepared = std::make_shared<Prepared>();
    // Reading the files exchanges nothing: the thread takes no port's turn.
    m_checking = new qv::serial::ExchangeThread(
        {}, [request, setup, prepared = m_prepared](qv::serial::ExchangeThread &) {
            prepare(request, setup, *prepared);
        });
    m_checking->setObjectName(QStringLiteral("series check"));
    connect(m_checking, &QThread::finished, this, &SeriesController::checked);
    m_stopping = false;
    emit problem({});
    emit prompt(tr("A fájlok és a sorok ellenőrzése…"));
    emit runningChanged(true);
    m_checking->start();
    return true;
}

// The check is over: its refusal shown, or the refused rows skipped once the user agrees,
// and the run starts.
void SeriesController::checked()
{
    m_checking->wait();
    delete m_checking;
    m_checking = nullptr;
    const std::shared_ptr<Prepared> prepared = std::move(m_prepared);
    const QString title = tr("Sorozatprogramozás");
    auto notStarted = [this](const QString &text) {
        emit prompt(text);
        emit runningChanged(false);
    };
    if (m_stopping) {
        m_stopping = false;
        return notStarted(tr("A sorozat nem indult el."));
    }
    const QString list = prepared->listed.join(u'\n');
    QString refusal = prepared->refusal;
    if (refusal.isEmpty() && prepared->everyRow)
        refusal = tr("A táblázat hibás, egyetlen modul sem kap értéket:\n%1").arg(list);
    if (!refusal.isEmpty()) {
        qv::settings::gui::showMessage(m_parent, QMessageBox::Warning, title, refusal);
        return notStarted(tr("Válassza ki a fájlokat, majd indítsa a sorozatot."));
    }
    const QList<int> &skipped = prepared->setup.skippedRows;
    if (!skipped.isEmpty() && !qv::settings::gui::askYesNo(
                                  m_parent, title,
                                  tr("%n sor nem írható be a modulokba:\n%1\n\nKihagyja ezeket a "
                                     "sorokat, és a többivel kezdi a sorozatot?",
                                     "", int(skipped.size()))
                                      .arg(list)))
        return notStarted(tr("Indítsa a sorozatot."));

    m_setup = prepared->setup;
    m_runner = std::move(prepared->runner);
    m_model->setTable(m_setup.units);
    m_model->setProblems(prepared->problems);
    m_skipReasons = prepared->skipReasons;
    show(prepared->plan);
    launch();
}

void SeriesController::launch()
{
    m_stopping = false;
    m_moduleOn = false;
    m_refusal.clear();
    emit problem({});
    qv::series::SeriesRunner *runner = m_runner.get();
    SeriesRelay *relay = m_relay;
    m_thread =
        new qv::serial::ExchangeThread(m_setup.port, [runner, relay](qv::serial::ExchangeThread &) {
            QString error;
            const bool ok = runner->run(*relay, &error);
            emit relay->ended(ok, error);
        });
    m_thread->setObjectName(QStringLiteral("series"));
    tellProgress();
    for (const QString &port : std::as_const(m_setup.ports))
        emit laneChanged(port, 0, tr("indul"));
    emit runningChanged(true);
    m_thread->start();
}

void SeriesController::stop()
{
    if (m_checking && !m_stopping) {
        m_stopping = true; // the run does not start once the check is over
        return;
    }
    if (!m_thread || m_stopping)
        return;
    m_stopping = true;
    m_runner->stop();
    emit prompt(tr("A sorozat leáll, amint az aktuális modul elkészült…"));
}

bool SeriesController::retry(const QList<int> &rows)
{
    if (!m_runner || m_checking) // a new series is being checked: the old one is over
        return false;
    QList<int> again;
    for (int row : rows) {
        if (m_model->results().value(row).state == qv::series::UnitState::Failed)
            again << row;
    }
    if (again.isEmpty())
        return false;
    if (!m_thread && m_runner->stopRequested()) {
        // A stopped run does not go on: a new one takes every row not yet done, the failed
        // ones with them; the register tells which are done.
        auto runner = std::make_unique<qv::series::SeriesRunner>(m_setup);
        QString error;
        const QList<qv::series::UnitResult> plan = runner->plan(&error);
        if (!error.isEmpty()) {
            emit failed(error);
            return false;
        }
        m_runner = std::move(runner);
        show(plan);
    } else {
        for (int row : std::as_const(again)) {
            m_runner->retry(row);
            show({qv::series::UnitResult::of(row)});
        }
    }
    if (!m_thread)
        launch();
    else
        tellProgress();
    return true;
}

QString SeriesController::unitOf(int row) const
{
    QStringList unit;
    for (const char *column : {"m_id", "m_nev"}) {
        const QString value = m_model->cell(row, QLatin1StringView(column)).trimmed();
        if (!value.isEmpty())
            unit << value;
    }
    return unit.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(unit.join(u" – "));
}

// A skipped row shows why the checks refused it.
void SeriesController::show(QList<qv::series::UnitResult> results)
{
    for (qv::series::UnitResult &result : results) {
        if (result.state == qv::series::UnitState::Skipped && result.reason.isEmpty())
            result.reason = m_skipReasons.value(result.row);
    }
    m_model->update(results);
}

void SeriesController::tellProgress()
{
    const QList<qv::series::UnitResult> &results = m_model->results();
    int done = 0;
    for (const qv::series::UnitResult &r : results)
        done += r.state == qv::series::UnitState::Passed ||
                r.state == qv::series::UnitState::PassedEarlier;
    emit progressChanged(qv::series::progressText(results));
    emit progressCounts(done, int(results.size()));
}

void SeriesController::unitChanged(const qv::series::UnitResult &result)
{
    show({result});
    tellProgress();
    if (!result.port.isEmpty() && result.state != qv::series::UnitState::Working)
        emit laneChanged(result.port, result.row + 1, qv::series::stateText(result.state));
    if (result.state == qv::series::UnitState::Working) {
        m_moduleOn = true;
        emit prompt(
            tr("A(z) %1. sor%2 írása…").arg(QString::number(result.row + 1), unitOf(result.row)));
    }
}

// A lane waits: its line in the lanes' table; the prompt line says it with the port when
// the series has several.
void SeriesController::waitingOn(const QString &port, qv::series::Wait what, int row)
{
    const bool several = m_setup.ports.size() > 1;
    if (what == qv::series::Wait::ForModule) {
        emit laneChanged(port, row + 1,
                         tr("Csatlakoztassa a modult (%1 port, %2. sor)").arg(port).arg(row + 1));
        if (several && !m_stopping) {
            emit prompt(tr("Csatlakoztassa a modult (%1 port, %2. sor)%3…")
                            .arg(port)
                            .arg(row + 1)
                            .arg(unitOf(row)));
            return;
        }
    } else {
        emit laneChanged(port, row + 1, tr("Vegye le a modult"));
        emit swapNow();
        if (several && !m_stopping && m_refusal.isEmpty()) {
            emit prompt(tr("Vegye le a modult (%1 port).").arg(port));
            return;
        }
    }
    waiting(what, row);
}

void SeriesController::waiting(qv::series::Wait what, int row)
{
    if (m_stopping)
        return;
    if (what == qv::series::Wait::ForModule) {
        m_moduleOn = false;
        m_refusal.clear();
        emit prompt(tr("Csatlakoztassa a modult a(z) %1. sorhoz%2…")
                        .arg(QString::number(row + 1), unitOf(row)));
        return;
    }
    if (!m_refusal.isEmpty()) {
        emit prompt(m_refusal);
        return;
    }
    const qv::series::UnitResult result = m_model->results().value(row);
    if (result.state == qv::series::UnitState::Failed)
        emit prompt(tr("A(z) %1. sor%2 sikertelen: %3\nVegye le a modult.")
                        .arg(QString::number(row + 1), unitOf(row), result.reason));
    else
        emit prompt(tr("A(z) %1. sor%2 kész. Vegye le a modult.")
                        .arg(QString::number(row + 1), unitOf(row)));
}

void SeriesController::refused(const QString &reason)
{
    m_refusal = tr("Elutasított modul: %1\nVegye le a modult.").arg(reason);
    emit logLine(QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) +
                 tr("Elutasított modul: %1").arg(QString(reason).replace(u'\n', u' ')));
    if (!m_stopping)
        emit prompt(m_refusal);
}

void SeriesController::progressed(int row, int percent)
{
    const QString port = m_model->results().value(row).port;
    if (!port.isEmpty())
        emit laneChanged(port, row + 1, tr("írás… %1%").arg(percent));
    if (!m_stopping)
        emit prompt(tr("A(z) %1. sor%2 írása… %3%")
                        .arg(QString::number(row + 1), unitOf(row), QString::number(percent)));
}

// `ok` false: the run could not start, or the port became unusable (the reason in `error`).
void SeriesController::ended(bool ok, const QString &error)
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
    show(m_runner->results());
    const QString progress = qv::series::progressText(m_model->results());
    tellProgress();
    for (const QString &port : std::as_const(m_setup.ports))
        emit laneChanged(port, 0, tr("vége"));
    if (!ok)
        emit prompt(error);
    else if (m_stopping && m_moduleOn)
        emit prompt(tr("A sorozat leállt (%1). Vegye le a modult.").arg(progress));
    else if (m_stopping)
        emit prompt(tr("A sorozat leállt (%1).").arg(progress));
    else
        emit prompt(tr("A sorozat véget ért (%1).").arg(progress));
    m_stopping = false;
    emit runningChanged(false);
    if (!ok)
        emit failed(error);
}

} // namespace qv::series::gui

#include "series/gui/seriescontroller.h"

#include "files/configformat.h"
#include "form/catalogue.h"
#include "series/gui/seriesmodel.h"
#include "settings/devsettings.h"
#include "ui/messages.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

// A configuration file is a few kilobytes; anything near this is not one.
constexpr qint64 kMaxBaseFileBytes = 1 << 20;
// How many refused cells the message lists; the rest are counted.
constexpr int kListedProblems = 15;

} // namespace

SeriesController::SeriesController(const devSettings &settings, const QString &teamRegister,
                                   QObject *parent)
    : QObject(parent), m_settings(settings), m_teamRegister(teamRegister),
      m_model(new SeriesModel(this)), m_relay(new SeriesRelay(this))
{
    // The relay is called on the run's thread: these connections are queued.
    connect(m_relay, &SeriesRelay::unit, this, &SeriesController::unitChanged);
    connect(m_relay, &SeriesRelay::waitingFor, this, &SeriesController::waiting);
    connect(m_relay, &SeriesRelay::refused, this, &SeriesController::refused);
    connect(m_relay, &SeriesRelay::progressed, this, &SeriesController::progressed);
    connect(m_relay, &SeriesRelay::ended, this, &SeriesController::ended);
    connect(m_relay, &SeriesRelay::problemFound, this, &SeriesController::problem);
}

SeriesController::~SeriesController()
{
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
    emit progressChanged(read.table ? qv::series::progressText(m_model->results()) : QString());
    return read.error;
}

bool SeriesController::start(const Request &request, QWidget *parent)
{
    if (isRunning())
        return false;
    const QString title = tr("Sorozatprogramozás");
    auto refuse = [&](const QString &text) {
        qv::showMessage(parent, QMessageBox::Warning, title, text);
        return false;
    };
    // Another user of the window's port (the status watch) says why it cannot be had.
    if (m_portRefusal) {
        if (const QString why = m_portRefusal(m_settings.Port); !why.isEmpty())
            return refuse(why);
    }

    // The base file, whole (its digest names the series in the register).
    const QString baseName = QFileInfo(request.basePath).fileName();
    QFile base(request.basePath);
    if (request.basePath.isEmpty())
        return refuse(tr("Válassza ki az alap konfigurációs fájlt."));
    if (!base.open(QIODevice::ReadOnly))
        return refuse(tr("A(z) %1 fájl nem olvasható.\n%2").arg(baseName, base.errorString()));
    if (base.size() > kMaxBaseFileBytes)
        return refuse(tr("A(z) %1 nem konfigurációs fájl: túl nagy.").arg(baseName));
    const QByteArray baseBytes = base.read(kMaxBaseFileBytes);
    QBuffer buffer;
    buffer.setData(baseBytes);
    buffer.open(QIODevice::ReadOnly);
    const qv::config::ReadResult read =
        qv::config::readConfig(buffer, int(form::configurationFields().size()));
    if (read.status == qv::config::ReadStatus::TooFewLines)
        return refuse(
            tr("A kiválasztott file \"%1\" nem nyitható meg a jelenlegi verzióval.").arg(baseName));
    if (read.status != qv::config::ReadStatus::Ok)
        return refuse(tr("A(z) %1 fájl szintaxisa hibás.").arg(baseName));

    if (request.unitsPath.isEmpty())
        return refuse(tr("Válassza ki a modulok táblázatát (CSV)."));
    const qv::series::UnitsRead units = qv::series::readUnitsFile(request.unitsPath);
    if (!units.table)
        return refuse(units.error);
    if (units.table->rows.isEmpty())
        return refuse(tr("A(z) %1 táblázatban nincs egy modul sora sem.")
                          .arg(QFileInfo(request.unitsPath).fileName()));

    // Every row is checked before anything is written.
    const QList<qv::series::CellProblem> problems =
        qv::series::checkUnits(*units.table, read.values, request.model);
    QList<int> skipped;
    if (!problems.isEmpty()) {
        QStringList lines;
        bool everyRow = false; // the header, or a field every row leaves empty
        for (const qv::series::CellProblem &p : problems) {
            everyRow = everyRow || p.row == 0;
            if (lines.size() < kListedProblems)
                lines << qv::series::problemText(p);
        }
        if (problems.size() > kListedProblems)
            lines << tr("… és még %n hiba.", "", int(problems.size()) - kListedProblems);
        const QString list = lines.join(u'\n');
        if (everyRow)
            return refuse(tr("A táblázat hibás, egyetlen modul sem kap értéket:\n%1").arg(list));
        skipped = qv::series::rowsWithProblems(problems);
        if (!qv::askYesNo(parent, title,
                          tr("%n sor nem írható be a modulokba:\n%1\n\nKihagyja ezeket a "
                             "sorokat, és a többivel kezdi a sorozatot?",
                             "", int(skipped.size()))
                              .arg(list)))
            return false;
    }

    qv::series::SeriesSetup setup;
    setup.port = m_settings.Port;
    setup.baud = m_settings.Baudrate;
    setup.basePath = request.basePath;
    setup.baseFileBytes = baseBytes;
    setup.baseValues = read.values;
    setup.units = *units.table;
    setup.unitsPath = request.unitsPath;
    setup.skippedRows = skipped;
    setup.model = request.model;
    setup.verify = request.verify;
    setup.resultsPath = request.resultsPath.isEmpty()
                            ? qv::series::defaultResultsPath(request.unitsPath)
                            : request.resultsPath;
    setup.programVersion = m_settings.Version;
    setup.teamRegister = m_teamRegister;

    auto runner = std::make_unique<qv::series::SeriesRunner>(setup);
    QString error;
    const QList<qv::series::UnitResult> plan = runner->plan(&error);
    if (!error.isEmpty())
        return refuse(tr("A sorozat a nyilvántartás nélkül nem indítható, mert abból tudja, "
                         "mely sorok készültek el korábban.\n") +
                      error);
    m_setup = setup;
    m_runner = std::move(runner);
    m_model->setTable(setup.units);
    m_skipReasons.clear();
    for (const qv::series::CellProblem &p : problems) {
        if (p.row > 0 && !m_skipReasons.contains(p.row - 1))
            m_skipReasons.insert(p.row - 1, qv::series::problemText(p));
    }
    show(plan);
    launch();
    return true;
}

void SeriesController::launch()
{
    m_stopping = false;
    m_moduleOn = false;
    m_refusal.clear();
    emit problem({});
    qv::series::SeriesRunner *runner = m_runner.get();
    SeriesRelay *relay = m_relay;
    m_thread = QThread::create([runner, relay] {
        QString error;
        const bool ok = runner->run(*relay, &error);
        emit relay->ended(ok, error);
    });
    m_thread->setObjectName(QStringLiteral("series"));
    emit progressChanged(qv::series::progressText(m_model->results()));
    emit runningChanged(true);
    m_thread->start();
}

void SeriesController::stop()
{
    if (!m_thread || m_stopping)
        return;
    m_stopping = true;
    m_runner->stop();
    emit prompt(tr("A sorozat leáll, amint az aktuális modul elkészült…"));
}

bool SeriesController::retry(const QList<int> &rows)
{
    if (!m_runner)
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
        emit progressChanged(qv::series::progressText(m_model->results()));
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
void SeriesController::show(const QList<qv::series::UnitResult> &results)
{
    for (qv::series::UnitResult result : results) {
        if (result.state == qv::series::UnitState::Skipped && result.reason.isEmpty())
            result.reason = m_skipReasons.value(result.row);
        m_model->update(result);
    }
}

void SeriesController::unitChanged(const qv::series::UnitResult &result)
{
    show({result});
    emit progressChanged(qv::series::progressText(m_model->results()));
    if (result.state == qv::series::UnitState::Working) {
        m_moduleOn = true;
        emit prompt(
            tr("A(z) %1. sor%2 írása…").arg(QString::number(result.row + 1), unitOf(result.row)));
    }
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
    if (!m_stopping)
        emit prompt(m_refusal);
}

void SeriesController::progressed(int row, int percent)
{
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
    emit progressChanged(progress);
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

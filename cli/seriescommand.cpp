// "qvconfig series": series programming, module after module on one port, as a script runs it.
#include "cli/command.h"

#include "series/dispenser.h"
#include "series/series.h"
#include "series/seriesstatus.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTextStream>

#include <atomic>
#include <csignal>

namespace qv::cli {

namespace {

// The runner a stop signal (Ctrl+C, SIGTERM) reaches: it only sets the runner's flag, so
// the unit being written is finished and recorded first.
std::atomic<series::SeriesRunner *> g_seriesRunner{nullptr};
std::atomic<bool> g_stopSignalled{false};

extern "C" void stopSeries(int)
{
    g_stopSignalled = true;
    if (series::SeriesRunner *runner = g_seriesRunner.load())
        runner->stop();
}

QString stateKey(series::UnitState state)
{
    switch (state) {
    case series::UnitState::Pending:
        return QStringLiteral("pending");
    case series::UnitState::Working:
        return QStringLiteral("working");
    case series::UnitState::Passed:
        return QStringLiteral("passed");
    case series::UnitState::PassedEarlier:
        return QStringLiteral("passedEarlier");
    case series::UnitState::Failed:
        return QStringLiteral("failed");
    case series::UnitState::Skipped:
        return QStringLiteral("skipped");
    case series::UnitState::WrittenNotRecorded:
        return QStringLiteral("notRecorded");
    case series::UnitState::Elsewhere:
        return QStringLiteral("elsewhere");
    case series::UnitState::ClaimLost:
        return QStringLiteral("claimLost");
    }
    return {};
}

QJsonObject unitJson(const series::UnitsTable &table, const series::UnitResult &r)
{
    QJsonObject values;
    for (qsizetype i = 0; i < table.columns.size(); ++i)
        values.insert(table.columns.at(i), table.rows.value(r.row).value(i));
    return QJsonObject{
        {QStringLiteral("type"), QStringLiteral("unit")},
        {QStringLiteral("row"), r.row + 1},
        {QStringLiteral("line"), table.lines.value(r.row)},
        {QStringLiteral("state"), stateKey(r.state)},
        {QStringLiteral("result"), series::stateText(r.state)},
        {QStringLiteral("reason"), r.reason},
        {QStringLiteral("time"), r.time.isValid() ? r.time.toString(Qt::ISODateWithMs) : QString()},
        {QStringLiteral("identification"), r.identification},
        {QStringLiteral("port"), r.port},
        {QStringLiteral("values"), values},
    };
}

// The prompts and each unit's end on the standard error, the units as JSON lines on the
// standard output.
class CommandObserver : public series::SeriesObserver
{
public:
    CommandObserver(Context &c, const series::UnitsTable &table, series::SeriesRunner &runner,
                    bool severalPorts)
        : m_c(c), m_table(table), m_runner(runner), m_several(severalPorts)
    {
    }

    void unitChanged(const series::UnitResult &result) override
    {
        endProgress();
        announceStop();
        QTextStream &err = *m_c.err;
        const QString done = series::progressText(m_runner.results());
        switch (result.state) {
        case series::UnitState::Passed:
            if (m_several)
                err << SeriesText::tr("%1. sor: kész, %2 port (%3)")
                           .arg(result.row + 1)
                           .arg(result.port, done)
                    << '\n';
            else
                err << SeriesText::tr("%1. sor: kész (%2)").arg(result.row + 1).arg(done) << '\n';
            break;
        case series::UnitState::ClaimLost:
            err << SeriesText::tr("%1. sor: betöltve, de a foglalása elveszett (%2)\n%3")
                       .arg(result.row + 1)
                       .arg(done, result.reason)
                << '\n';
            break;
        case series::UnitState::Failed:
            err << SeriesText::tr("%1. sor: sikertelen (%2)\n%3")
                       .arg(result.row + 1)
                       .arg(done, result.reason)
                << '\n';
            break;
        case series::UnitState::WrittenNotRecorded:
            err << SeriesText::tr("%1. sor: betöltve, nincs nyilvántartásban (%2)\n%3")
                       .arg(result.row + 1)
                       .arg(done, result.reason)
                << '\n';
            break;
        default:
            return;
        }
        err.flush();
        if (m_c.json)
            printJsonLine(m_c, unitJson(m_table, result));
    }
    void waiting(series::Wait what, int row) override { waitingOn({}, what, row); }
    void waitingOn(const QString &port, series::Wait what, int row) override
    {
        endProgress();
        announceStop();
        if (what == series::Wait::ForModule && m_several)
            *m_c.err << SeriesText::tr("Csatlakoztassa a modult (%1 port, %2. sor)…")
                            .arg(port)
                            .arg(row + 1)
                     << '\n';
        else if (what == series::Wait::ForModule)
            *m_c.err << SeriesText::tr("Csatlakoztassa a modult (%1. sor)…").arg(row + 1) << '\n';
        else if (m_several)
            *m_c.err << SeriesText::tr("Vegye le a modult (%1 port)…").arg(port) << '\n';
        else
            *m_c.err << SeriesText::tr("Vegye le a modult…") << '\n';
        m_c.err->flush();
    }
    void moduleRefused(const QString &reason) override
    {
        endProgress();
        *m_c.err << reason << '\n';
        m_c.err->flush();
    }
    void progress(int row, int percent) override
    {
        announceStop();
        if (!m_c.progress || m_several || percent == m_percent)
            return;
        m_percent = percent;
        *m_c.err << '\r' << SeriesText::tr("%1. sor: %2%").arg(row + 1).arg(percent);
        m_c.err->flush();
    }
    void problem(const QString &message) override
    {
        endProgress();
        *m_c.err << message << '\n';
        m_c.err->flush();
    }

private:
    void endProgress()
    {
        if (m_percent >= 0)
            *m_c.err << '\n';
        m_percent = -1;
    }
    void announceStop()
    {
        if (!g_stopSignalled || m_stopAnnounced)
            return;
        m_stopAnnounced = true;
        endProgress();
        *m_c.err << SeriesText::tr("Leállítás: a sorozat a mostani egység befejezése után megáll.")
                 << '\n';
        m_c.err->flush();
    }

    Context &m_c;
    const series::UnitsTable &m_table;
    series::SeriesRunner &m_runner;
    bool m_several;
    int m_percent = -1;
    bool m_stopAnnounced = false;
};

} // namespace

int seriesCommand(Context &c)
{
    series::SeriesSetup request;
    request.port = c.settings.Port;
    request.ports = c.options->values(QStringLiteral("port"));
    request.baud = c.settings.Baudrate;
    request.basePath = c.files.value(0);
    request.unitsPath = c.files.value(1);
    request.resultsPath = c.results;
    request.model = c.model;
    request.verify = c.verify;
    request.readFirst = c.readFirst;
    request.programVersion = c.settings.Version;
    request.teamRegister = c.teamRegister;
    request.newBatch = c.newBatch;
    request.claimLeaseMs = c.claimLeaseMs;
    request.retryAnyLane = c.retryAnyLane;
    series::SetupCheck check = series::checkSetup(std::move(request));
    if (!check.refusal.isEmpty())
        return fail(c, Usage, check.refusal);
    series::SeriesSetup &setup = check.setup;
    const QString &basePath = setup.basePath;
    const QString &unitsPath = setup.unitsPath;
    const QString &resultsPath = setup.resultsPath;
    QByteArray baseBytes;
    const std::optional<QStringList> base = readFile(c, basePath, &baseBytes);
    if (!base)
        return Usage;
    const series::UnitsRead units = series::readUnitsFile(unitsPath);
    if (!units.table)
        return fail(c, Usage, units.error);
    const series::UnitsTable &table = *units.table;

    // Invalid rows: listed, and nothing is written unless the user skips them.
    const QList<series::CellProblem> problems = series::checkUnits(table, *base, c.model);
    bool headerProblem = false;
    for (const series::CellProblem &p : problems) {
        headerProblem = headerProblem || p.row == 0;
        if (c.json)
            printJsonLine(c, QJsonObject{{QStringLiteral("type"), QStringLiteral("problem")},
                                         {QStringLiteral("row"), p.row},
                                         {QStringLiteral("line"), p.line},
                                         {QStringLiteral("column"), p.column},
                                         {QStringLiteral("value"), p.value},
                                         {QStringLiteral("reason"), p.reason}});
        *c.err << series::problemText(p) << '\n';
    }
    const QList<int> skipped = series::rowsWithProblems(problems);
    if (headerProblem || (!skipped.isEmpty() && !c.skipInvalid))
        return fail(
            c, Usage,
            headerProblem
                ? SeriesText::tr("A táblázat fejléce vagy az alapfájl hibás (lásd fent): "
                                 "egyetlen modul sem kapott értéket.")
                : SeriesText::tr("Hibás sorok: egyetlen modul sem kapott értéket. A hibás "
                                 "sorok kihagyásához adja meg a --skip-invalid kapcsolót."));

    setup.baseFileBytes = baseBytes;
    setup.baseValues = *base;
    setup.units = table;
    setup.skippedRows = skipped;

    series::SeriesRunner runner(setup);
    QString error;
    const QList<series::UnitResult> planned = runner.plan(&error);
    if (!error.isEmpty())
        return fail(c, Usage, series::planRefusal(error));
    if (c.newBatch && runner.batch() > 1)
        *c.err << SeriesText::tr("Új köteg: a táblázat %1. kötege indul, minden sora elölről.")
                      .arg(runner.batch())
               << '\n';
    int earlier = 0;
    for (const series::UnitResult &r : planned) {
        if (r.state == series::UnitState::PassedEarlier)
            ++earlier;
        if (c.json && r.state != series::UnitState::Pending)
            printJsonLine(c, unitJson(table, r));
    }
    if (earlier > 0)
        *c.err << QCoreApplication::translate("qv::cli",
                                              "%n sor korábban elkészült, azok "
                                              "kimaradnak.",
                                              nullptr, earlier)
               << '\n';

    CommandObserver observer(c, table, runner, setup.ports.size() > 1);
    g_stopSignalled = false;
    g_seriesRunner = &runner;
    const auto oldInt = std::signal(SIGINT, stopSeries);
    const auto oldTerm = std::signal(SIGTERM, stopSeries);
    const bool ran = runner.run(observer, &error);
    std::signal(SIGINT, oldInt);
    std::signal(SIGTERM, oldTerm);
    g_seriesRunner = nullptr;

    const QList<series::UnitResult> results = runner.results();
    int passed = 0, failed = 0, pending = 0, skippedCount = 0, notRecorded = 0, claimLost = 0;
    for (const series::UnitResult &r : results) {
        switch (r.state) {
        case series::UnitState::WrittenNotRecorded: // to be written again: still to do
            ++notRecorded;
            ++pending;
            break;
        case series::UnitState::ClaimLost: // written and recorded, said apart
            ++claimLost;
            ++passed;
            break;
        case series::UnitState::Passed:
            ++passed;
            break;
        case series::UnitState::PassedEarlier:
            break;
        case series::UnitState::Failed:
            ++failed;
            break;
        case series::UnitState::Skipped:
            ++skippedCount;
            break;
        default:
            ++pending;
            break;
        }
    }
    int status = failed == 0 && pending == 0 ? Done : Failed;
    // Not run at all (the series running elsewhere, the register or the results file), or
    // ended by the port or by the register.
    if (!ran)
        status = runner.portFailure() ? PortUnusable : runner.notRecorded() ? Failed : Usage;
    if (!ran && !error.isEmpty())
        *c.err << error << '\n';
    const QString done = series::progressText(results);
    if (c.json) {
        printJsonLine(c, QJsonObject{{QStringLiteral("type"), QStringLiteral("summary")},
                                     {QStringLiteral("rows"), int(results.size())},
                                     {QStringLiteral("passed"), passed},
                                     {QStringLiteral("passedEarlier"), earlier},
                                     {QStringLiteral("failed"), failed},
                                     {QStringLiteral("skipped"), skippedCount},
                                     {QStringLiteral("pending"), pending},
                                     {QStringLiteral("notRecorded"), notRecorded},
                                     {QStringLiteral("claimLost"), claimLost},
                                     {QStringLiteral("stopped"), runner.stopRequested()},
                                     {QStringLiteral("results"), resultsPath},
                                     {QStringLiteral("series"), runner.key()},
                                     {QStringLiteral("batch"), runner.batch()},
                                     {QStringLiteral("exit"), status}});
    } else {
        *c.out << SeriesText::tr("Sorozat: %1 (kész most: %2, korábban: %3, sikertelen: %4, "
                                 "kihagyva: %5, hátra: %6)")
                      .arg(done)
                      .arg(passed)
                      .arg(earlier)
                      .arg(failed)
                      .arg(skippedCount)
                      .arg(pending)
               << '\n'
               << SeriesText::tr("Eredmények: %1").arg(resultsPath) << '\n';
        c.out->flush();
    }
    c.err->flush();
    return status;
}

// "qvconfig series-status UNITS.csv": the series of a table as its register holds them, the
// team's (its benches' claims) or this computer's (its units' entries).
int seriesStatusCommand(Context &c)
{
    const QString unitsPath = c.files.value(0);
    const series::UnitsRead units = series::readUnitsFile(unitsPath);
    if (!units.table)
        return fail(c, Usage, units.error);
    const QString name = QFileInfo(unitsPath).fileName();

    reg::Journal journal;
    journal.openDefault(c.teamRegister);
    QString error;
    const auto all = series::seriesOfTable(*units.table, name, journal.teamConnection(),
                                           reg::Store::defaultSqlitePath(), &error);
    if (!all)
        return fail(c, Failed, error);
    const QList<series::SeriesSummary> &found = *all;
    for (const series::SeriesSummary &s : std::as_const(found)) {
        if (c.json)
            printJsonLine(c, series::summaryJson(s));
        else
            *c.out << series::summaryText(s) << '\n';
    }
    if (found.isEmpty() && !c.json)
        *c.out << SeriesText::tr("A(z) %1 táblázatnak nincs sorozata a nyilvántartásban.").arg(name)
               << '\n';
    c.out->flush();
    return Done;
}

} // namespace qv::cli

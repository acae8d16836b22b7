// What series programming adds to each unit beyond the wire and the person swapping
// modules: a series of emulated modules at 1200 bit/s, paced like a real line, written and
// verified one after the other. The time the whole series takes, less the bytes on the wire
// and the modules' hold and gap (the person), divided by the units. Also how late the run
// notices a module that came and one that went. Not part of the test run: about a minute.
// With --check, how long a units table of `rows` invalid rows takes to read, check and plan
// (the register read, the invalid rows skipped), without any module.
//
//   qvbenchseries [units] [--port-per-unit]
//   qvbenchseries --check [rows]
#include "emulator.h"
#include "series/series.h"
#include "settings/devsettings.h"
#include "transfer/configvalues.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <mutex>

namespace {

std::mutex mutex;
QElapsedTimer since;
QList<std::pair<qint64, QString>> events; // ms since the start, what happened

void note(const QString &what)
{
    std::unique_lock lock(mutex);
    events << std::pair{since.elapsed(), what};
}

class Observer : public qv::series::SeriesObserver
{
public:
    void unitChanged(const qv::series::UnitResult &r) override
    {
        if (r.state == qv::series::UnitState::Working)
            note(QStringLiteral("working %1").arg(r.row));
        else if (r.state == qv::series::UnitState::Failed)
            std::fprintf(stderr, "row %d failed: %s\n", r.row + 1, qPrintable(r.reason));
    }
    void waiting(qv::series::Wait what, int row) override
    {
        note(what == qv::series::Wait::ForModule ? QStringLiteral("waiting %1").arg(row)
                                                 : QStringLiteral("removal %1").arg(row));
    }
    void moduleRefused(const QString &) override {}
    void progress(int, int) override {}
};

qint64 at(const QString &prefix, int n)
{
    std::unique_lock lock(mutex);
    int seen = 0;
    for (const auto &[ms, what] : events) {
        if (what.startsWith(prefix) && seen++ == n)
            return ms;
    }
    return -1;
}

// A table of `rows` units, each an m_id the checks refuse, read, checked and planned: the
// shortest invalid rows, as many as the size bound lets in (about two million).
int checkInvalidRows(int rows, const QTemporaryDir &dir)
{
    QByteArray csv = "m_id\n";
    for (int i = 0; i < rows; ++i)
        csv += "x\n";
    const auto decoded = qv::transfer::decodeReadOut(
        qv::transfer::record::buildDownloadRecord(qvsim::factoryFields()));
    const QStringList base =
        qv::transfer::fileValuesFromReadOut(decoded.form, qv::settings::ModelQV5);

    QElapsedTimer clock;
    clock.start();
    const qv::series::UnitsRead read = qv::series::readUnits(csv);
    const qint64 readMs = clock.restart();
    if (!read.table) {
        std::fprintf(stderr, "units: %s\n", qPrintable(read.error));
        return 1;
    }
    const QList<qv::series::CellProblem> problems =
        qv::series::checkUnits(*read.table, base, qv::settings::ModelQV5);
    const QList<int> skipped = qv::series::rowsWithProblems(problems);
    const qint64 checkMs = clock.restart();
    qv::series::SeriesSetup setup;
    setup.units = *read.table;
    setup.baseValues = base;
    setup.skippedRows = skipped;
    setup.unitsPath = dir.filePath(QStringLiteral("bench.csv"));
    qv::series::SeriesRunner runner(setup);
    runner.plan();
    const qint64 planMs = clock.elapsed();
    std::printf("%d invalid rows (%lld bytes): read %lld ms, checked %lld ms (%lld problems, "
                "%lld rows), planned %lld ms\n",
                rows, qint64(csv.size()), readMs, checkMs, qint64(problems.size()),
                qint64(skipped.size()), planMs);
    return skipped.size() == rows ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // the register of a test, not the user's
    QTemporaryDir dir;
    const QStringList args = app.arguments();
    if (args.value(1) == QStringLiteral("--check"))
        return checkInvalidRows(args.size() > 2 ? args.at(2).toInt() : 160000, dir);
    const bool portPerUnit = args.contains(QStringLiteral("--port-per-unit"));
    const int units = args.size() > 1 && args.at(1).toInt() > 0 ? args.at(1).toInt() : 3;

    qvsim::SequenceSetup sequence;
    sequence.units = QList<qvsim::SequenceUnit>(units);
    sequence.gapMs = 2000; // a person swapping modules, longer than the run's settle time
    // With an adapter per module the terminal goes with the module: the read-back's closing
    // silence (1.2 s) must be over by then, as a person waits for the prompt.
    sequence.holdMs = portPerUnit ? 1500 : 500;
    sequence.portPerUnit = portPerUnit;
    qvsim::Emulator module;
    module.setSequenceSink([](const QString &line) { note(line); });
    module.setSequence(sequence);
    since.start();
    QString error;
    if (!module.start(&error) ||
        !module.setLinkPath(dir.filePath(QStringLiteral("port")), &error)) {
        std::fprintf(stderr, "emulator: %s\n", qPrintable(error));
        return 1;
    }

    const auto decoded = qv::transfer::decodeReadOut(
        qv::transfer::record::buildDownloadRecord(qvsim::factoryFields()));
    qv::series::SeriesSetup setup;
    setup.port = dir.filePath(QStringLiteral("port"));
    setup.baseValues = qv::transfer::fileValuesFromReadOut(decoded.form, qv::settings::ModelQV5);
    setup.units.columns = QStringList{QStringLiteral("m_id"), QStringLiteral("m_nev")};
    for (int i = 1; i <= units; ++i) {
        setup.units.rows << QStringList{QString::number(i), QStringLiteral("EGYSEG %1").arg(i)};
        setup.units.lines << i + 1;
    }
    setup.unitsPath = dir.filePath(QStringLiteral("bench.csv"));
    setup.baseFileBytes = QByteArray::number(QDateTime::currentMSecsSinceEpoch());
    qv::series::SeriesRunner runner(setup);
    Observer observer;
    const qint64 start = since.elapsed();
    if (!runner.run(observer, &error)) {
        std::fprintf(stderr, "series: %s\n", qPrintable(error));
        return 1;
    }
    if (!module.waitForSequenceEnd(10000)) {
        std::fprintf(stderr, "the last module was not taken off\n");
        return 1;
    }
    const qint64 total = at(QStringLiteral("sequence ended"), 0) - start;

    // The bytes each unit costs on the wire, 10 bits each at 1200 bit/s: the identification
    // ("~|" and the answer with its CR), the download ("~}", "R" CR, the record's lines, "O"
    // CR) and the read-back ("~{" and 56 fields with their separators, CR LF after every
    // fourth).
    const QString record =
        qv::series::unitRecord(setup.units, 0, setup.baseValues, qv::settings::ModelQV5, u'|');
    const qint64 identBytes = 2 + qvsim::defaultIdentification(qvsim::Model::QV5).size() + 1;
    const qint64 downloadBytes = 2 + 2 + qv::transfer::record::downloadWire(record).size() + 2;
    const qint64 readBytes =
        2 + qv::transfer::record::FieldCount * (qv::transfer::record::ItemWidth + 1) +
        qv::transfer::record::FieldCount / 4 * 2;
    const double byteMs = 10.0 * 1000.0 / 1200.0;
    const double wire = (identBytes + downloadBytes + readBytes) * byteMs;
    const double person = sequence.holdMs + sequence.gapMs;
    const double ideal = units * (wire + person) - sequence.gapMs;

    std::printf("Series of %d units at 1200 bit/s, paced, verified; %s; hold %d ms, gap %d ms\n",
                units, portPerUnit ? "an adapter per module" : "one adapter", sequence.holdMs,
                sequence.gapMs);
    std::printf("  wire per unit (%lld bytes):            %8.0f ms\n",
                identBytes + downloadBytes + readBytes, wire);
    std::printf("  whole series:                          %8lld ms (wire and the person alone: "
                "%.0f ms)\n",
                total, ideal);
    std::printf("  added per unit:                        %8.0f ms\n", (total - ideal) / units);
    for (int i = 0; i < units; ++i) {
        const qint64 connected = at(QStringLiteral("unit %1 connected").arg(i + 1), 0);
        const qint64 working = at(QStringLiteral("working"), i);
        const qint64 removed = at(QStringLiteral("unit %1 removed").arg(i + 1), 0);
        const qint64 noticed = i + 1 < units ? at(QStringLiteral("waiting"), i + 1) : -1;
        std::printf("  unit %d: module found after %5lld ms (identification included)", i + 1,
                    working - connected);
        if (noticed >= 0)
            std::printf(", its removal noticed after %5lld ms", noticed - removed);
        std::printf("\n");
    }
    return 0;
}

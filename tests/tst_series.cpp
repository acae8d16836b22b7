// Series programming: the units table as spreadsheets write it, its checks with the form's
// rules, the results file as a spreadsheet reads it, and whole series against a sequence of
// emulated modules: stopped and resumed, a loose contact, modules read first, a register
// that refuses, in the library and as the real program killed half-way.
#include "files/configformat.h"
#include "form/catalogue.h"
#include "modulefixture.h"
#include "register/store.h"
#include "serial/serialline.h"
#include "series/series.h"
#include "settings/devsettings.h"
#include "transfer/configvalues.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <mutex>
#include <thread>

using namespace Qt::StringLiterals;
using qv::series::UnitState;

namespace {

// The factory configuration as a base file holds it.
QStringList baseValues()
{
    const auto decoded = qv::transfer::decodeReadOut(
        qv::transfer::record::buildDownloadRecord(qvsim::factoryFields()));
    return qv::transfer::fileValuesFromReadOut(decoded.form, qv::settings::ModelQV5);
}

[[maybe_unused]] QString valueOf(const QStringList &values, const QString &field)
{
    const QList<qv::form::Field> &fields = qv::form::configurationFields();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (fields.at(i).name == field)
            return values.value(i);
    }
    return u"(no such field)"_s;
}

QByteArray unitsCsv(int rows)
{
    QByteArray csv = "m_id;m_nev;t1\r\n";
    for (int i = 1; i <= rows; ++i)
        csv += QByteArray::number(i) + ";EGYSEG " + QByteArray::number(i) + ";3620000000" +
               QByteArray::number(i) + "\r\n";
    return csv;
}

// The 56 fields a module holds once row `row` is written into it.
QStringList rowFields(const qv::series::UnitsTable &table, int row)
{
    return qv::transfer::record::downloadLines(
               qv::series::unitRecord(table, row, baseValues(), qv::settings::ModelQV5, u'|'))
        .mid(0, qv::transfer::record::FieldCount);
}

// The unit of the sequence that holds each row, or -1.
QList<int> unitsHolding(const qvsim::Emulator &module, int units,
                        const qv::series::UnitsTable &table)
{
    QList<int> holders;
    for (int row = 0; row < table.rows.size(); ++row) {
        holders << -1;
        for (int unit = 0; unit < units; ++unit) {
            if (module.storedFields(unit) == rowFields(table, row))
                holders.last() = unit;
        }
    }
    return holders;
}

struct Observer : qv::series::SeriesObserver
{
    std::function<void(const qv::series::UnitResult &)> onUnit;
    std::function<void(qv::series::Wait, int)> onWaiting;
    QStringList refused;
    QList<qv::series::UnitResult> ended;

    void unitChanged(const qv::series::UnitResult &result) override
    {
        if (result.state == UnitState::Passed || result.state == UnitState::Failed)
            ended << result;
        if (onUnit)
            onUnit(result);
    }
    void waiting(qv::series::Wait what, int row) override
    {
        if (onWaiting)
            onWaiting(what, row);
    }
    void moduleRefused(const QString &reason) override { refused << reason; }
    void progress(int, int) override {}
};

QList<UnitState> states(const QList<qv::series::UnitResult> &results)
{
    QList<UnitState> list;
    for (const auto &r : results)
        list << r.state;
    return list;
}

} // namespace

class TestSeries : public QObject
{
    Q_OBJECT

private slots:
#ifdef QV_SERIES_LONG
    void fiveUnitsStoppedRetriedResumed();
    void failedRetriedAndRefused();
    void largestTableCheckedOnce();
#else
    void readUnits_data();
    void readUnits();
    void checkUnits_data();
    void checkUnits();
    void resultsCellsAreText();
    void resultsPathNotAnInput();
    void stoppedAndResumed();
    void looseContactIsNoNewUnit_data();
    void looseContactIsNoNewUnit();
    void readFirstRefusesAProgrammedModule();
    void killedAndResumed();
    void unrecordedUnitStopsTheSeries();
    void commandRefuses_data();
    void commandRefuses();
#endif
};

namespace {

// Starts a sequence of emulated Q_QV5 modules, unpaced, each on an adapter of its own (the
// port vanishes between two) or all on one (the line silent between two); `link` follows
// the port. The emulator's own gap is longer than the run's settle time for a removal.
std::unique_ptr<qvsim::Emulator> startSequence(QList<qvsim::SequenceUnit> units,
                                               const QString &link, bool portPerUnit = true,
                                               qvsim::EventSink sink = {})
{
    qvsim::SequenceSetup sequence;
    sequence.units = std::move(units);
    // With an adapter per module, longer than a read-back's closing silence.
    sequence.holdMs = portPerUnit ? 1500 : 500;
    sequence.portPerUnit = portPerUnit;
    auto module = std::make_unique<qvsim::Emulator>(qvsim::Setup{{}, {.paced = false}, {}});
    module->setSequence(sequence);
    if (sink)
        module->setSequenceSink(std::move(sink));
    if (!module->start() || !module->setLinkPath(link))
        return nullptr;
    return module;
}

// Runs `runner` until it ends, or until the last module of `module`'s sequence is gone: a
// run still waiting then has missed a module, and ends instead of waiting for ever.
bool runSequence(qv::series::SeriesRunner &runner, qv::series::SeriesObserver &observer,
                 const qvsim::Emulator &module, QString *error)
{
    std::atomic<bool> ended{false};
    std::thread guard([&] {
        while (!ended && !module.waitForSequenceEnd(100)) {
        }
        if (!ended)
            runner.stop();
    });
    const bool ran = runner.run(observer, error);
    ended = true;
    guard.join();
    return ran;
}

[[maybe_unused]] void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

qv::series::SeriesSetup seriesSetup(const QString &link, const QString &unitsPath,
                                    const qv::series::UnitsTable &table)
{
    qv::series::SeriesSetup setup;
    setup.port = link;
    setup.baseFileBytes = qv::files::writeConfig(baseValues());
    setup.baseValues = baseValues();
    setup.units = table;
    setup.unitsPath = unitsPath;
    setup.model = qv::settings::ModelQV5;
    return setup;
}

// The rows of the series' passed downloads in the register, each with the row's record.
QList<int> passedRows(const qv::series::SeriesSetup &setup)
{
    const auto store = qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath());
    QList<int> rows;
    for (const qv::reg::Entry &e :
         store.seriesDownloads(qv::series::seriesKey(setup.unitsPath, setup.baseFileBytes))) {
        if (e.verification == qv::reg::Verification::Same &&
            e.fields == rowFields(setup.units, e.seriesRow - 1))
            rows << e.seriesRow;
    }
    return rows;
}

// The results file's rows as "row result".
QStringList resultWords(const QString &unitsPath)
{
    QFile results(qv::series::defaultResultsPath(unitsPath));
    if (!results.open(QIODevice::ReadOnly))
        return {u"(no results file)"_s};
    const auto written = qv::series::readUnits(results.readAll());
    if (!written.table)
        return {written.error};
    QStringList words;
    for (const QStringList &row : written.table->rows)
        words << row.at(0) + u' ' + row.at(written.table->columns.indexOf(u"eredmény"_s));
    return words;
}

} // namespace

#ifndef QV_SERIES_LONG
void TestSeries::readUnits_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error"); // a part of the error; empty: read
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QList<int>>("lines");

    const QStringList idName{u"m_id"_s, u"m_nev"_s};
    QTest::newRow("semicolons, CR LF, byte-order mark")
        << QByteArray("\xEF\xBB\xBFm_id;m_nev\r\n1;EGY\r\n2;KETTO\r\n") << QString() << u";"_s
        << idName << QList<QStringList>{{u"1"_s, u"EGY"_s}, {u"2"_s, u"KETTO"_s}}
        << QList<int>{2, 3};
    QTest::newRow("commas, LF, no last line break, accents")
        << QByteArray("m_id,m_nev\n1,\xC3\x81RV\xC3\x8DZ") << QString() << u","_s << idName
        << QList<QStringList>{{u"1"_s, u"ÁRVÍZ"_s}} << QList<int>{2};
    QTest::newRow("quoted separator, doubled quote, line break")
        << QByteArray("m_id;m_nev\r\n1;\"A;\"\"B\"\"\r\nC\"\r\n2;\"\"\r\n") << QString() << u";"_s
        << idName << QList<QStringList>{{u"1"_s, u"A;\"B\"\nC"_s}, {u"2"_s, QString()}}
        << QList<int>{2, 4};
    QTest::newRow("the header's separator: a comma inside a name's quotes does not count")
        << QByteArray("\"m,x\";m_id\n1;2\n") << QString() << u";"_s
        << QStringList{u"m,x"_s, u"m_id"_s} << QList<QStringList>{{u"1"_s, u"2"_s}}
        << QList<int>{2};
    QTest::newRow("empty lines and lines of separators skipped")
        << QByteArray("\n\r\nm_id,m_nev\n\n1,A\n,\n,,\n2,B\n") << QString() << u","_s << idName
        << QList<QStringList>{{u"1"_s, u"A"_s}, {u"2"_s, u"B"_s}} << QList<int>{5, 8};
    QTest::newRow("short rows filled, empty trailing header cells dropped")
        << QByteArray("m_id;m_nev;;\n1\n2;B;;\n") << QString() << u";"_s << idName
        << QList<QStringList>{{u"1"_s, QString()}, {u"2"_s, u"B"_s}} << QList<int>{2, 3};

    const QList<QStringList> none;
    const QList<int> noLines;
    QTest::newRow("a row longer than the header")
        << QByteArray("m_id;m_nev\n1;A\n2;B;C\n") << u"3. sorban több mező van (3)"_s << QString()
        << QStringList() << none << noLines;
    QTest::newRow("a quote never closed")
        << QByteArray("m_id;m_nev\n1;\"A\n2;B\n") << u"2. sorban kezdődő idézőjeles"_s << QString()
        << QStringList() << none << noLines;
    QTest::newRow("text after a closing quote")
        << QByteArray("m_id;m_nev\n1;\"A\"B\n") << u"2. sorban egy idézőjeles mező után"_s
        << QString() << QStringList() << none << noLines;
    QTest::newRow("Latin-1 text") << QByteArray("m_id;m_nev\n1;\xC1RV\xCDZ\n") << u"nem UTF-8"_s
                                  << QString() << QStringList() << none << noLines;
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFEm\0_\0") << u"UTF-16"_s << QString()
                            << QStringList() << none << noLines;
    QTest::newRow("header only") << QByteArray("m_id;m_nev\r\n;\r\n") << u"csak a fejléc"_s
                                 << QString() << QStringList() << none << noLines;
    QTest::newRow("empty") << QByteArray("\r\n\r\n") << u"A fájl üres"_s << QString()
                           << QStringList() << none << noLines;
    QTest::newRow("too large") << QByteArray(qv::series::MaxUnitsFileBytes + 1, 'a')
                               << u"túl nagy"_s << QString() << QStringList() << none << noLines;
}

void TestSeries::readUnits()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const qv::series::UnitsRead read = qv::series::readUnits(bytes);
    if (!error.isEmpty()) {
        QVERIFY2(read.error.contains(error), qPrintable(read.error));
        QVERIFY(!read.table);
        return;
    }
    QVERIFY2(read.table, qPrintable(read.error));
    QTEST(QString(read.table->separator), "separator");
    QTEST(read.table->columns, "columns");
    QTEST(read.table->rows, "rows");
    QTEST(read.table->lines, "lines");
}

void TestSeries::checkUnits_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("model");
    QTest::addColumn<QStringList>("problems"); // "row|column|part of the reason"
    QTest::addColumn<QStringList>("values");   // "field=value" of row 1's file values

    QTest::newRow("good: id padded, an empty cell takes the base value")
        << QByteArray("m_id;m_nev;t1;smskp\n7;;36201234567;36209300099\n")
        << int(qv::settings::ModelQV5) << QStringList()
        << QStringList{u"m_id=0007"_s, u"m_nev="_s + valueOf(baseValues(), u"m_nev"_s),
                       u"t1=36201234567"_s, u"smskp=36209300099"_s};
    QTest::newRow("unknown, repeated and fixed columns")
        << QByteArray("m_id;nev;m_id;tplus_1\n1;A;2;+\n") << int(qv::settings::NoDevice)
        << QStringList{u"0|nev|Ismeretlen oszlop"_s, u"0|m_id|kétszer"_s,
                       u"0|tplus_1|nem módosítható"_s}
        << QStringList{u"m_id=0001"_s};
    QTest::newRow("values the form's rules refuse")
        << QByteArray("m_id;m_nev;t1;visszaallas;cb_r_1;be1_nev\n"
                      "12a;\xC3\x81RP\xC3\x81"
                      "D;+3620;2;igen;EGY|KETTO\n"
                      "1;TIZENHET BETU HOSSZ;;1;1;\"A\nB\"\n")
        << int(qv::settings::ModelQV5)
        << QStringList{u"1|m_id|Csak számok"_s,
                       u"1|m_nev|Ékezetek"_s,
                       u"1|t1|valós telefonszámok"_s,
                       u"1|visszaallas|0 vagy 1"_s,
                       u"1|cb_r_1|0 vagy 1"_s,
                       u"1|be1_nev|„|”"_s,
                       u"2|m_nev|legfeljebb 16 karakter"_s,
                       u"2|be1_nev|sortörést"_s}
        << QStringList();
    QTest::newRow("a field the model lacks")
        << QByteArray("m_id;be3_nev;tc1_9\n1;HARMAS;1\n") << int(qv::settings::ModelBRK2)
        << QStringList{u"0|be3_nev|nincs ilyen mezője"_s, u"0|tc1_9|nincs ilyen mezője"_s}
        << QStringList();
    QTest::newRow("the same before the model is known")
        << QByteArray("m_id;be3_nev\n1;HARMAS\n") << int(qv::settings::NoDevice) << QStringList()
        << QStringList{u"be3_nev=HARMAS"_s};
    QTest::newRow("an analogue level above the range the row leaves")
        << QByteArray("abe1_hi;abe1_hi_2;max_be_30\n16;0;\n16;0;1\n") << int(qv::settings::ModelQV5)
        << QStringList{u"1|abe1_hi|maximum 15.0 V"_s} << QStringList();
    QTest::newRow("the 30 V range switched on switches 15 V off")
        << QByteArray("abe1_hi;abe1_hi_2;max_be_30\n16;0;1\n") << int(qv::settings::ModelQV5)
        << QStringList() << QStringList{u"max_be_30=1"_s, u"max_be_15=0"_s, u"abe1_hi=16"_s};
    QTest::newRow("a group's only button switched off")
        << QByteArray("max_be_15\n0\n") << int(qv::settings::ModelQV5)
        << QStringList{u"1|max_be_15|bekapcsolva kell lennie"_s} << QStringList();
    QTest::newRow("a required field emptied by no column, filled by the row")
        << QByteArray("m_nev\nX\n") << int(qv::settings::ModelQV5) << QStringList()
        << QStringList{u"m_nev=X"_s};
}

void TestSeries::checkUnits()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, model);
    QFETCH(QStringList, problems);
    QFETCH(QStringList, values);
    const qv::series::UnitsRead read = qv::series::readUnits(csv);
    QVERIFY2(read.table, qPrintable(read.error));
    QStringList found;
    for (const qv::series::CellProblem &p :
         qv::series::checkUnits(*read.table, baseValues(), model))
        found << u"%1|%2|%3"_s.arg(p.row).arg(p.column, p.reason);
    QCOMPARE(found.size(), problems.size());
    for (qsizetype i = 0; i < problems.size(); ++i) {
        const QStringList expected = problems.at(i).split(u'|');
        const QStringList got = found.at(i).split(u'|');
        QCOMPARE(got.mid(0, 2), expected.mid(0, 2));
        QVERIFY2(found.at(i).contains(expected.mid(2).join(u'|')), qPrintable(found.at(i)));
    }
    const QStringList unit = qv::series::unitValues(*read.table, 0, baseValues());
    for (const QString &pair : values)
        QCOMPARE(valueOf(unit, pair.section(u'=', 0, 0)), pair.section(u'=', 1));
}

// The results file opened in a spreadsheet: no cell runs as a formula, and telephone numbers
// stay text; the cells as the spreadsheet reads them back.
void TestSeries::resultsCellsAreText()
{
    const struct
    {
        QString column, value, read;
    } cells[] = {
        {u"m_nev"_s, u"=1+1"_s, u"'=1+1"_s},
        {u"m_nev"_s, u"+A1"_s, u"'+A1"_s},
        {u"m_nev"_s, u"-2+3"_s, u"'-2+3"_s},
        {u"m_nev"_s, u"@SUM(A1)"_s, u"'@SUM(A1)"_s},
        {u"m_nev"_s, u"\t=1"_s, u"'\t=1"_s},
        {u"m_nev"_s, u"\r=1"_s, u"'\n=1"_s},
        {u"m_nev"_s, u"PINCE-1"_s, u"PINCE-1"_s},
        {u"m_id"_s, u"0001"_s, u"0001"_s},
        {u"t1"_s, u"06201234567"_s, u"'06201234567"_s},
        {u"smskp"_s, u"+36209300099"_s, u"'+36209300099"_s},
        {u"t1"_s, QString(), QString()},
        {u"indok"_s, u"-1 V"_s, u"'-1 V"_s},
    };
    for (const auto &[column, value, read] : cells) {
        qv::series::UnitsTable table;
        table.columns = QStringList{u"m_id"_s, u"m_nev"_s, u"t1"_s, u"smskp"_s};
        table.rows << QStringList(table.columns.size());
        table.lines << 2;
        auto result = qv::series::UnitResult::of(0, UnitState::Failed);
        if (column == u"indok")
            result.reason = value;
        else
            table.rows[0][table.columns.indexOf(column)] = value;
        const auto back = qv::series::readUnits(qv::series::resultsCsv(table, {result}));
        QVERIFY2(back.table, qPrintable(back.error));
        QCOMPARE(back.table->rows.value(0).value(back.table->columns.indexOf(column)), read);
    }
}

// The results file never overwrites an input, whatever its name; another file of the same
// name is not an input.
void TestSeries::resultsPathNotAnInput()
{
    QTemporaryDir dir;
    const QString base = dir.filePath(u"alap.msw"_s), units = dir.filePath(u"egysegek.csv"_s);
    QVERIFY(QDir(dir.path()).mkdir(u"sub"_s));
    for (const QString &path : {base, units, dir.filePath(u"sub/egysegek.csv"_s)})
        writeFile(path, "file");
    QVERIFY(QFile::link(base, dir.filePath(u"link.msw"_s)));
    std::filesystem::create_hard_link(units.toStdString(), dir.filePath(u"h.csv"_s).toStdString());
    const std::pair<QString, QString> cases[] = {
        {u"alap.msw"_s, u"az alapfájl"_s},          {u"link.msw"_s, u"az alapfájl"_s},
        {u"sub/../egysegek.csv"_s, u"táblázata"_s}, {u"h.csv"_s, u"táblázata"_s},
        {u"sub/egysegek.csv"_s, QString()},         {u"uj.csv"_s, QString()},
    };
    for (const auto &[results, refused] : cases) {
        const QString why = qv::series::resultsPathProblem(dir.filePath(results), base, units);
        QVERIFY2(refused.isEmpty() ? why.isEmpty() : why.contains(refused), qPrintable(results));
    }
}

// Stopped after the first row with its module left on: the run started again leaves that
// module alone, refuses a module of another model than the series' first row went into (no
// model given), writes the other row, and a third run has nothing left to do.
void TestSeries::stoppedAndResumed()
{
    QTemporaryDir dir;
    const QString link = dir.filePath(u"port"_s);
    const QString unitsPath = dir.filePath(u"egysegek.csv"_s);
    const qv::series::UnitsTable table = *qv::series::readUnits(unitsCsv(2)).table;
    QList<qvsim::SequenceUnit> units(3);
    units[1].module = qvsim::ModuleSetup::of(qvsim::Model::QV3);
    const auto module = startSequence(units, link);
    QVERIFY(module);
    qv::series::SeriesSetup setup = seriesSetup(link, unitsPath, table);
    setup.model = qv::settings::NoDevice;

    qv::series::SeriesRunner first(setup);
    Observer firstObserver;
    firstObserver.onUnit = [&first](const qv::series::UnitResult &r) {
        if (r.row == 0 && r.state == UnitState::Passed)
            first.stop();
    };
    QString error;
    QVERIFY2(runSequence(first, firstObserver, *module, &error), qPrintable(error));
    QCOMPARE(states(first.results()), QList<UnitState>({UnitState::Passed, UnitState::Pending}));

    qv::series::SeriesRunner second(setup);
    QCOMPARE(states(second.plan()),
             QList<UnitState>({UnitState::PassedEarlier, UnitState::Pending}));
    Observer secondObserver;
    QVERIFY2(runSequence(second, secondObserver, *module, &error), qPrintable(error));
    QCOMPARE(secondObserver.refused.size(), 2); // the module left on, the Q_QV3
    QVERIFY2(secondObserver.refused.at(0).contains(u"már programozva van (1. sor)"_s),
             qPrintable(secondObserver.refused.at(0)));
    QVERIFY2(secondObserver.refused.at(1).contains(u"Q_QV3"_s),
             qPrintable(secondObserver.refused.at(1)));
    QCOMPARE(states(second.results()),
             QList<UnitState>({UnitState::PassedEarlier, UnitState::Passed}));

    QCOMPARE(module->downloadsPerUnit(), QList<int>({1, 0, 1}));
    QCOMPARE(unitsHolding(*module, 3, table), QList<int>({0, 2}));
    QCOMPARE(passedRows(setup), QList<int>({1, 2}));
    QCOMPARE(resultWords(unitsPath), QStringList({u"1 korábban kész"_s, u"2 kész"_s}));
    qv::series::SeriesRunner third(setup);
    QCOMPARE(states(third.plan()), QList<UnitState>(2, UnitState::PassedEarlier));
}

void TestSeries::looseContactIsNoNewUnit_data()
{
    QTest::addColumn<bool>("portPerUnit");
    QTest::newRow("one adapter, the line silent for a moment") << false;
    QTest::newRow("an adapter per module, its port gone for a moment") << true;
}

// A module whose contact comes loose for a moment once it is written is the same module
// when it answers again: the run asks for the next module only once it is really gone.
void TestSeries::looseContactIsNoNewUnit()
{
    QFETCH(bool, portPerUnit);
    QTemporaryDir dir;
    const QString link = dir.filePath(u"port"_s);
    std::mutex mutex;
    QStringList events; // the first unit's steps and the run's, in their order
    auto note = [&](const QString &event) {
        std::unique_lock lock(mutex);
        if (!event.startsWith(u"unit 2"_s))
            events << event.section(u' ', 0, 2);
    };
    QList<qvsim::SequenceUnit> units(2);
    units[0].looseContactMs = 250;
    const auto module = startSequence(units, link, portPerUnit, note);
    QVERIFY(module);
    const qv::series::UnitsTable table = *qv::series::readUnits(unitsCsv(2)).table;
    qv::series::SeriesSetup setup = seriesSetup(link, dir.filePath(u"egysegek.csv"_s), table);
    setup.verify = false;

    qv::series::SeriesRunner runner(setup);
    Observer observer;
    observer.onWaiting = [&](qv::series::Wait what, int row) {
        if (what == qv::series::Wait::ForModule && row == 1) {
            note(u"next module asked"_s);
            runner.stop();
        }
    };
    QString error;
    QVERIFY2(runSequence(runner, observer, *module, &error), qPrintable(error));
    QCOMPARE(module->downloadsPerUnit(), QList<int>({1, 0}));
    std::unique_lock lock(mutex);
    QCOMPARE(events, QStringList({u"unit 1 connected"_s, u"unit 1 stored"_s, u"unit 1 lost"_s,
                                  u"unit 1 back"_s, u"unit 1 removed"_s, u"next module asked"_s}));
}

// Every module read first: one holding a row this series wrote gets no other, wherever it
// comes in the run; each read-out is in the register as a backup, the written unit's with
// its row, before its download.
void TestSeries::readFirstRefusesAProgrammedModule()
{
    QTemporaryDir dir;
    const QString link = dir.filePath(u"port"_s);
    const qv::series::UnitsTable table = *qv::series::readUnits(unitsCsv(3)).table;
    qv::series::SeriesSetup setup = seriesSetup(link, dir.filePath(u"egysegek.csv"_s), table);
    setup.verify = false;
    setup.readFirst = true;
    const QString key = qv::series::seriesKey(setup.unitsPath, setup.baseFileBytes);

    // Rows 1 and 2 were written before, into the modules that come first now, in reverse.
    auto store = qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath());
    for (const int row : {0, 1}) {
        qv::reg::Entry done = qv::reg::newEntry(qv::reg::Operation::Download, u"1.0"_s);
        done.fields = rowFields(table, row);
        done.acknowledged = true;
        done.model = qv::settings::ModelQV5;
        done.seriesKey = key;
        done.seriesRow = row + 1;
        done.time = done.time.addSecs(row - 3600); // an hour ago, in their order
        QVERIFY(store.record(done));
    }
    QList<qvsim::SequenceUnit> units(3);
    units[0].module.fields = rowFields(table, 1);
    units[1].module.fields = rowFields(table, 0);
    const auto module = startSequence(units, link, false);
    QVERIFY(module);

    qv::series::SeriesRunner runner(setup);
    Observer observer;
    QString error;
    QVERIFY2(runSequence(runner, observer, *module, &error), qPrintable(error));
    QVERIFY2(observer.refused.size() == 2 && observer.refused.at(0).contains(u"van (2. sor)"_s) &&
                 observer.refused.at(1).contains(u"van (1. sor)"_s),
             qPrintable(observer.refused.join(u'\n')));
    QCOMPARE(
        states(runner.results()),
        QList<UnitState>({UnitState::PassedEarlier, UnitState::PassedEarlier, UnitState::Passed}));
    QCOMPARE(module->downloadsPerUnit(), QList<int>({0, 0, 1}));

    QStringList entries; // oldest first: "operation row"
    const QList<qv::reg::Entry> found = store.search({});
    for (auto it = found.crbegin(); it != found.crend(); ++it)
        entries << qv::reg::operationKey(it->operation) + u' ' + QString::number(it->seriesRow);
    QCOMPARE(entries, QStringList({u"download 1"_s, u"download 2"_s, u"backup 0"_s, u"backup 0"_s,
                                   u"backup 3"_s, u"download 3"_s}));
    QCOMPARE(store.entry(found.at(1).id)->fields, qvsim::factoryFields());
}

// The program itself, killed in the middle of the second unit's download (a power cut): the
// run started again writes that row and the rest, and nothing twice. While the first run
// goes, a second one of the same series is refused, naming the first's port and process;
// the lock the killed run leaves behind does not hold the resumed run back.
void TestSeries::killedAndResumed()
{
    QTemporaryDir dir;
    const QString unitsPath = dir.filePath(u"sorozat.csv"_s);
    const QString basePath = dir.filePath(u"alap.msw"_s);
    const QByteArray csv = unitsCsv(3);
    const QByteArray baseBytes = qv::files::writeConfig(baseValues());
    writeFile(unitsPath, csv);
    writeFile(basePath, baseBytes);
    const qv::series::UnitsTable table = *qv::series::readUnits(csv).table;

    qvsim::SequenceSetup sequence;
    sequence.units = QList<qvsim::SequenceUnit>(4);
    sequence.gapMs = 1500; // one adapter: a module is told gone by silent identifications
    std::mutex mutex;
    QStringList log;
    qvsim::Emulator module({{}, {.paced = false}, {}});
    module.setSequenceSink([&](const QString &line) {
        std::unique_lock lock(mutex);
        log << line;
    });
    module.setSequence(sequence);
    QVERIFY(module.start());
    const QString link = dir.filePath(u"port"_s);
    QVERIFY(module.setLinkPath(link));
    auto logged = [&](const QString &line) {
        std::unique_lock lock(mutex);
        return log.contains(line);
    };

    const QString program = QCoreApplication::applicationDirPath() + u"/qvconfig"_s;
    const QStringList arguments{u"series"_s, basePath, unitsPath, u"--port"_s, link, u"--json"_s};
    QProcess killed;
    killed.start(program, arguments);
    QVERIFY(killed.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(logged(u"unit 2 connected "_s + module.slavePath()), 60000);

    QProcess second;
    second.start(program, QStringList{u"series"_s, basePath, unitsPath, u"--port"_s,
                                      dir.filePath(u"another-port"_s)});
    QVERIFY(second.waitForFinished(20000));
    const QString refusal = QString::fromUtf8(second.readAllStandardError());
    QCOMPARE(second.exitCode(), 1);
    QVERIFY2(refusal.contains(u"már fut ezen a számítógépen, a(z) %1 porton"_s.arg(link)) &&
                 refusal.contains(QString::number(killed.processId())),
             qPrintable(refusal));
    QTest::qWait(2000); // well into the download's eight seconds
    QCOMPARE(module.downloadsPerUnit().value(1), 0);
    killed.kill();
    QVERIFY(killed.waitForFinished());

    QProcess resumed;
    resumed.start(program, arguments);
    QVERIFY(resumed.waitForFinished(90000));
    const QString err = QString::fromUtf8(resumed.readAllStandardError());
    QVERIFY2(resumed.exitCode() == 0, qPrintable(err));
    QVERIFY2(err.contains(u"1 sor korábban elkészült"_s), qPrintable(err));
    const QList<QByteArray> out = resumed.readAllStandardOutput().trimmed().split('\n');
    const QJsonObject summary = QJsonDocument::fromJson(out.last()).object();
    QCOMPARE(summary.value(u"passed"_s).toInt(), 2);
    QCOMPARE(summary.value(u"passedEarlier"_s).toInt(), 1);

    // Each row in one module, written once; the half-written one given its row again or
    // left behind.
    int downloads = 0;
    for (int n : module.downloadsPerUnit())
        downloads += n;
    QCOMPARE(downloads, 3);
    QVERIFY(!unitsHolding(module, 4, table).contains(-1));
    const QString registerPath =
        QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath(u"qvconfig/register.sqlite"_s);
    const auto store = qv::reg::Store::openSqlite(registerPath);
    QList<int> rows;
    for (const qv::reg::Entry &e :
         store.seriesDownloads(qv::series::seriesKey(unitsPath, baseBytes)))
        rows << e.seriesRow;
    QCOMPARE(rows, QList<int>({1, 2, 3}));
}

// The register refuses the unit's entry: the unit written is not done, the series stops
// after it with the reason and status 4, and the results file says so.
void TestSeries::unrecordedUnitStopsTheSeries()
{
    QTemporaryDir dir;
    const QString unitsPath = dir.filePath(u"sorozat.csv"_s);
    const QString basePath = dir.filePath(u"alap.msw"_s);
    writeFile(unitsPath, unitsCsv(2));
    writeFile(basePath, qv::files::writeConfig(baseValues()));
    const QString registerPath =
        QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath(u"qvconfig/register.sqlite"_s);
    QVERIFY(qv::reg::Store::openSqlite(registerPath).isOpen());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"refusing"_s);
        db.setDatabaseName(registerPath);
        QVERIFY(db.open() && QSqlQuery(db).exec(u"CREATE TRIGGER refuse BEFORE INSERT ON qv_entry "
                                                "BEGIN SELECT RAISE(ABORT, 'I/O error'); END"_s));
    }
    QSqlDatabase::removeDatabase(u"refusing"_s);
    auto module = startModule({.paced = false});

    QProcess command;
    command.start(QCoreApplication::applicationDirPath() + u"/qvconfig"_s,
                  QStringList{u"series"_s, basePath, unitsPath, u"--port"_s, module->slavePath()});
    QVERIFY(command.waitForFinished(60000));
    const QString err = QString::fromUtf8(command.readAllStandardError());
    QVERIFY2(command.exitCode() == 4, qPrintable(err));
    QVERIFY2(err.contains(u"1. sor: betöltve, nincs nyilvántartásban"_s) &&
                 err.contains(u"A sorozat leáll"_s),
             qPrintable(err));
    QCOMPARE(resultWords(unitsPath),
             QStringList({u"1 betöltve, nincs nyilvántartásban"_s, u"2 vár"_s}));
    QVERIFY(module->waitForHandled(qvsim::Exchange::Download, 1, 0));
    QVERIFY(!module->waitForHandled(qvsim::Exchange::Download, 2, 0));
}

void TestSeries::commandRefuses_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error"); // a part of the standard error

    const QByteArray badRow = "m_id;m_nev\n1;EGY\n12a;KETTO\n";
    QTest::newRow("an invalid row: nothing written")
        << badRow << QStringList() << 1 << u"2. sor, m_id („12a”): Csak számok"_s;
    QTest::newRow("a wrong header is not skipped")
        << QByteArray("m_id;nev\n1;EGY\n") << QStringList{u"--skip-invalid"_s} << 1
        << u"fejléc, nev: Ismeretlen oszlop"_s;
    QTest::newRow("a column the model lacks")
        << QByteArray("m_id;be3_nev\n1;EGY\n") << QStringList{u"--model"_s, u"brk2"_s} << 1
        << u"fejléc, be3_nev: A modul típusának nincs ilyen mezője"_s;
    QTest::newRow("an unknown model")
        << badRow << QStringList{u"--model"_s, u"qv9"_s} << 1 << u"Ismeretlen modultípus: qv9"_s;
    QTest::newRow("a busy port ends the run") << QByteArray("m_id\n1\n") << QStringList{u"BUSY"_s}
                                              << 2 << u"egy másik program használja: tst_series"_s;
    QTest::newRow("results into the base file")
        << QByteArray("m_id\n1\n") << QStringList{u"--results"_s, u"BASE"_s} << 1
        << u"ugyanaz a fájl, mint az alapfájl"_s;
    QTest::newRow("results into the units file through a link")
        << QByteArray("m_id\n1\n") << QStringList{u"--results"_s, u"LINK"_s} << 1
        << u"ugyanaz a fájl, mint a modulok táblázata"_s;
    QTest::newRow("a port named twice")
        << QByteArray("m_id\n1\n") << QStringList{u"--port"_s, u"PORT"_s} << 1
        << u"kétszer szerepel"_s;
    QTest::newRow("two names of one device")
        << QByteArray("m_id\n1\n") << QStringList{u"--port"_s, u"SAMEDEVICE"_s} << 1
        << u"ugyanaz az eszköz"_s;
}

// The command's refusals end with their status before any module is written.
void TestSeries::commandRefuses()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, options);
    QTemporaryDir dir;
    const QString unitsPath = dir.filePath(u"hibas.csv"_s);
    const QString basePath = dir.filePath(u"alap.msw"_s);
    const QByteArray baseBytes = qv::files::writeConfig(baseValues());
    writeFile(unitsPath, csv);
    writeFile(basePath, baseBytes);
    QVERIFY(QFile::link(unitsPath, dir.filePath(u"link.csv"_s)));
    options.replaceInStrings(u"BASE"_s, basePath);
    options.replaceInStrings(u"LINK"_s, dir.filePath(u"link.csv"_s));
    // The module's port held by this program, as another program would hold it.
    auto module = startModule();
    QVERIFY(QFile::link(module->slavePath(), dir.filePath(u"portlink"_s)));
    options.replaceInStrings(u"SAMEDEVICE"_s, dir.filePath(u"portlink"_s));
    options.replaceInStrings(u"PORT"_s, module->slavePath());
    qv::serial::SerialLine holder;
    if (options.removeAll(u"BUSY"_s))
        QCOMPARE(holder.open(qv::serial::lines::download(module->slavePath())),
                 qv::serial::OpenResult::Ok);

    QProcess command;
    command.start(QCoreApplication::applicationDirPath() + u"/qvconfig"_s,
                  QStringList{u"series"_s, basePath, unitsPath, u"--port"_s, module->slavePath()} +
                      options);
    QVERIFY(command.waitForFinished(20000));
    const QString err = QString::fromUtf8(command.readAllStandardError());
    QTEST(command.exitCode(), "status");
    QFETCH(QString, error);
    QVERIFY2(err.contains(error), qPrintable(err));
    QCOMPARE(module->waitForHandled(qvsim::Exchange::Download, 1, 0), false);
    QFile base(basePath);
    QVERIFY(base.open(QIODevice::ReadOnly));
    QCOMPARE(base.readAll(), baseBytes);
}

#else

// Five units on adapters of their own, the way a workshop goes through a short series: the
// run stopped after the second with its module left on; the run started again leaves that
// module alone, refuses a Q_QV3, retries a unit that stored something else on the next
// module and finishes; every passed unit is written once and verified, and the register,
// the results file and the modules agree.
void TestSeries::fiveUnitsStoppedRetriedResumed()
{
    QTemporaryDir dir;
    const QString link = dir.filePath(u"port"_s);
    const QString unitsPath = dir.filePath(u"egysegek.csv"_s);
    const qv::series::UnitsTable table = *qv::series::readUnits(unitsCsv(5)).table;
    QList<qvsim::SequenceUnit> units(7);
    units[2].module = qvsim::ModuleSetup::of(qvsim::Model::QV3);
    units[3].faults = qvsim::FaultSetup::only(qvsim::Exchange::Download, qvsim::Fault::StoresOther);
    const auto module = startSequence(units, link);
    QVERIFY(module);
    const qv::series::SeriesSetup setup = seriesSetup(link, unitsPath, table);

    qv::series::SeriesRunner first(setup);
    Observer firstObserver;
    firstObserver.onUnit = [&first](const qv::series::UnitResult &r) {
        if (r.row == 1 && r.state == UnitState::Passed)
            first.stop();
    };
    QString error;
    QVERIFY2(runSequence(first, firstObserver, *module, &error), qPrintable(error));
    QCOMPARE(states(first.results()),
             QList<UnitState>({UnitState::Passed, UnitState::Passed, UnitState::Pending,
                               UnitState::Pending, UnitState::Pending}));

    qv::series::SeriesRunner second(setup);
    Observer secondObserver;
    secondObserver.onUnit = [&second](const qv::series::UnitResult &r) {
        if (r.state == UnitState::Failed)
            second.retry(r.row);
    };
    QVERIFY2(runSequence(second, secondObserver, *module, &error), qPrintable(error));
    QCOMPARE(secondObserver.refused.size(), 2); // the module left on, the Q_QV3
    QVERIFY2(secondObserver.refused.at(0).contains(u"már programozva van (2. sor)"_s),
             qPrintable(secondObserver.refused.at(0)));
    QVERIFY2(secondObserver.refused.at(1).contains(u"Q_QV3"_s),
             qPrintable(secondObserver.refused.at(1)));
    QCOMPARE(secondObserver.ended.size(), 4);
    QCOMPARE(secondObserver.ended.at(0).row, 2);
    QCOMPARE(secondObserver.ended.at(0).state, UnitState::Failed);
    QCOMPARE(states(second.results()),
             QList<UnitState>({UnitState::PassedEarlier, UnitState::PassedEarlier,
                               UnitState::Passed, UnitState::Passed, UnitState::Passed}));

    QCOMPARE(module->downloadsPerUnit(), QList<int>({1, 1, 0, 1, 1, 1, 1}));
    QCOMPARE(unitsHolding(*module, 7, table), QList<int>({0, 1, 4, 5, 6}));
    QCOMPARE(passedRows(setup), QList<int>({1, 2, 3, 4, 5}));
    const auto store = qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath());
    QCOMPARE(store.search({}).size(), 6);
    QCOMPARE(resultWords(unitsPath), QStringList({u"1 korábban kész"_s, u"2 korábban kész"_s,
                                                  u"3 kész"_s, u"4 kész"_s, u"5 kész"_s}));
}

// A module of another model uses up no row; a unit that stores something else fails with
// its reason and, retried, goes into the next module; the register keeps the failure too.
void TestSeries::failedRetriedAndRefused()
{
    QTemporaryDir dir;
    const QString link = dir.filePath(u"port"_s);
    // A series of its own: the five-unit flow in the same program keeps its rows in the
    // same register.
    const QString unitsPath = dir.filePath(u"ujra.csv"_s);
    const qv::series::UnitsTable table = *qv::series::readUnits(unitsCsv(1)).table;
    QList<qvsim::SequenceUnit> units(3);
    units[0].module = qvsim::ModuleSetup::of(qvsim::Model::QV3);
    units[1].faults = qvsim::FaultSetup::only(qvsim::Exchange::Download, qvsim::Fault::StoresOther);
    const auto module = startSequence(units, link);
    QVERIFY(module);
    const qv::series::SeriesSetup setup = seriesSetup(link, unitsPath, table);

    qv::series::SeriesRunner runner(setup);
    Observer observer;
    observer.onUnit = [&runner](const qv::series::UnitResult &r) {
        if (r.state == UnitState::Failed)
            runner.retry(r.row);
    };
    QString error;
    QVERIFY2(runSequence(runner, observer, *module, &error), qPrintable(error));
    QCOMPARE(observer.refused.size(), 1);
    QVERIFY2(observer.refused.at(0).contains(u"Q_QV3"_s), qPrintable(observer.refused.at(0)));
    QCOMPARE(observer.ended.size(), 2);
    QCOMPARE(observer.ended.at(0).row, 0);
    QCOMPARE(observer.ended.at(0).state, UnitState::Failed);
    QVERIFY2(observer.ended.at(0).reason.contains(u"mást tárol"_s),
             qPrintable(observer.ended.at(0).reason));
    QCOMPARE(states(runner.results()), QList<UnitState>({UnitState::Passed}));

    QCOMPARE(module->downloadsPerUnit(), QList<int>({0, 1, 1}));
    QCOMPARE(unitsHolding(*module, 3, table), QList<int>({2}));
    QCOMPARE(passedRows(setup), QList<int>({1}));
    const auto store = qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath());
    const QString key = qv::series::seriesKey(unitsPath, setup.baseFileBytes);
    qsizetype entries = 0; // the passed one and the failed one
    for (const qv::reg::Entry &e : store.search({}))
        entries += e.seriesKey == key ? 1 : 0;
    QCOMPARE(entries, 2);
    QCOMPARE(resultWords(unitsPath), QStringList({u"1 kész"_s}));
}

// The largest table the size bound lets in, every row invalid: each row is listed once and
// skipped by the plan, in one pass over the rows.
void TestSeries::largestTableCheckedOnce()
{
    constexpr int Rows = 1'000'000;
    QByteArray csv = "m_id\n";
    for (int i = 0; i < Rows; ++i)
        csv += "x\n";
    const auto read = qv::series::readUnits(csv);
    QVERIFY2(read.table, qPrintable(read.error));
    const QList<qv::series::CellProblem> problems =
        qv::series::checkUnits(*read.table, baseValues(), qv::settings::ModelQV5);
    QCOMPARE(problems.size(), Rows);
    qv::series::SeriesSetup setup;
    setup.units = *read.table;
    setup.baseValues = baseValues();
    setup.skippedRows = qv::series::rowsWithProblems(problems);
    QCOMPARE(setup.skippedRows.size(), Rows);
    QCOMPARE(setup.skippedRows.constLast(), Rows - 1);
    qv::series::SeriesRunner runner(setup);
    QCOMPARE(states(runner.plan()), QList<UnitState>(Rows, UnitState::Skipped));
}

#endif

QTEST_GUILESS_MAIN(TestSeries)
#include "tst_series.moc"

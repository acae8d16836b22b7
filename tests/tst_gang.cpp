// A series on several ports and several benches, the parts without a module: the rows handed
// to the lanes, the ports a series refuses, the team's name for a table, the claims two
// benches take on one register, the summary that counts every row, and what series-status
// makes of the claims.
#include "register/claims.h"
#include "series/dispenser.h"
#include "series/seriesstatus.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef QV_GANG_LONG
#include "files/configformat.h"
#include "modulefixture.h"
#include "settings/devsettings.h"
#include "transfer/configvalues.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <csignal>
#include <thread>
#endif

using namespace Qt::StringLiterals;
using qv::series::UnitResult;
using qv::series::UnitState;

class TestGang : public QObject
{
    Q_OBJECT

private slots:
#ifdef QV_GANG_LONG
    void twoLanesOneComputer();
    void twoBenchesOneServer();
    void benchKilledMidUnit();
    void serverStoppedMidSeries();
#else
    void dispenser_data();
    void dispenser();
    void portsRefused_data();
    void portsRefused();
    void contentKey_data();
    void contentKey();
    void claimRules_data();
    void claimRules();
    void progressCountsEveryRow_data();
    void progressCountsEveryRow();
    void statusSummary();
#endif
};

#ifndef QV_GANG_LONG

void TestGang::dispenser_data()
{
    // Steps on four rows (row 3 done before): "take P" gives the row lane P gets (or "-"),
    // "back N" puts a row back, "fail N" / "retry N" a failed row, "else N" / "done-else N"
    // a row another bench holds / has done, "free" frees the rows held elsewhere; "lane N P"
    // / "any N P" a row whose unit failed on lane P, kept for P / for any lane ("+" / "="
    // when it goes round again, "!" when it waits for its retry), "end P" lane P ending.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("taken");
    QTest::newRow("table order as modules arrive")
        << QStringList{u"take a"_s, u"take b"_s, u"take a"_s, u"take b"_s}
        << QStringList{u"0"_s, u"1"_s, u"3"_s, u"-"_s};
    QTest::newRow("a row not written goes to the next module of any lane")
        << QStringList{u"take a"_s, u"take b"_s, u"back 0"_s, u"take b"_s}
        << QStringList{u"0"_s, u"1"_s, u"0"_s};
    QTest::newRow("a failed row waits for its retry")
        << QStringList{u"take a"_s, u"fail 0"_s, u"take a"_s, u"retry 0"_s, u"take b"_s}
        << QStringList{u"0"_s, u"1"_s, u"0"_s};
    QTest::newRow("a failed row goes to its lane's next module, others pass it by")
        << QStringList{u"take a"_s, u"lane 0 a"_s, u"take b"_s, u"take a"_s}
        << QStringList{u"0"_s, u"+"_s, u"1"_s, u"0"_s};
    QTest::newRow("failing twice in a row on its lane, it waits for its retry")
        << QStringList{u"take a"_s, u"lane 0 a"_s, u"take a"_s, u"lane 0 a"_s,
                       u"take a"_s, u"retry 0"_s,  u"take b"_s, u"lane 0 b"_s}
        << QStringList{u"0"_s, u"+"_s, u"0"_s, u"!"_s, u"1"_s, u"0"_s, u"+"_s};
    QTest::newRow("asked for, any lane takes it; twice, it waits")
        << QStringList{u"take a"_s, u"any 0 a"_s, u"take b"_s, u"any 0 b"_s, u"take b"_s}
        << QStringList{u"0"_s, u"="_s, u"0"_s, u"!"_s, u"1"_s};
    QTest::newRow("a passed row is forgotten; a lane that ends leaves its rows to any")
        << QStringList{u"take a"_s, u"lane 0 a"_s, u"take a"_s, u"done 0"_s,
                       u"take a"_s, u"lane 1 a"_s, u"end a"_s,  u"take b"_s}
        << QStringList{u"0"_s, u"+"_s, u"0"_s, u"1"_s, u"+"_s, u"1"_s};
    QTest::newRow("rows of other benches are skipped until freed")
        << QStringList{u"else 0"_s, u"done-else 1"_s, u"take a"_s, u"take a"_s,
                       u"free"_s,   u"take a"_s,      u"take a"_s}
        << QStringList{u"3"_s, u"-"_s, u"0"_s, u"-"_s};
}

void TestGang::dispenser()
{
    QFETCH(QStringList, steps);
    qv::series::RowDispenser rows;
    rows.reset({UnitResult::of(0), UnitResult::of(1), UnitResult::of(2, UnitState::PassedEarlier),
                UnitResult::of(3)});
    QStringList taken;
    for (const QString &step : std::as_const(steps)) {
        const QString verb = step.section(u' ', 0, 0);
        const int row = step.section(u' ', 1, 1).toInt();
        if (verb == u"take") {
            const auto got = rows.take(step.section(u' ', 1));
            taken << (got ? QString::number(*got) : u"-"_s);
            if (got)
                QCOMPARE(rows.at(*got).port, step.section(u' ', 1));
        } else if (verb == u"back") {
            rows.putBack(row);
        } else if (verb == u"lane" || verb == u"any") {
            rows.set(UnitResult::of(row, UnitState::Failed));
            const bool again = rows.failedOn(row, step.section(u' ', 2), verb == u"any");
            taken << (again ? (verb == u"any" ? u"="_s : u"+"_s) : u"!"_s);
        } else if (verb == u"end") {
            rows.leaveLane(step.section(u' ', 1));
        } else if (verb == u"fail") {
            rows.set(UnitResult::of(row, UnitState::Failed));
        } else if (verb == u"done") {
            rows.set(UnitResult::of(row, UnitState::Passed));
        } else if (verb == u"retry") {
            rows.retry(row);
        } else if (verb == u"else" || verb == u"done-else") {
            rows.elsewhere(row, u"x@y/1"_s, verb == u"done-else");
        } else if (verb == u"free") {
            rows.freeElsewhere();
        }
    }
    QTEST(taken, "taken");
}

void TestGang::portsRefused_data()
{
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<QString>("problem"); // a part of it; empty: none
    // Names with "=" lead to the device after it, as a by-id link does; others to none yet.
    QTest::newRow("two ports") << QStringList{u"/dev/ttyUSB0=/dev/ttyUSB0"_s,
                                              u"/dev/ttyUSB1=/dev/ttyUSB1"_s}
                               << QString();
    QTest::newRow("not there yet, different") << QStringList{u"A"_s, u"B"_s} << QString();
    QTest::newRow("named twice") << QStringList{u"A"_s, u"B"_s, u"A"_s} << u"kétszer"_s;
    QTest::newRow("COM names in another case") << QStringList{u"COM3"_s, u"com3"_s} << u"kétszer"_s;
    QTest::newRow("a link and its device")
        << QStringList{u"/dev/serial/by-id/usb-FTDI=/dev/ttyUSB0"_s, u"/dev/ttyUSB0=/dev/ttyUSB0"_s}
        << u"ugyanaz az eszköz (/dev/ttyUSB0)"_s;
}

void TestGang::portsRefused()
{
    QFETCH(QStringList, ports);
    QFETCH(QString, problem);
    QHash<QString, QString> device;
    for (QString &port : ports) {
        device.insert(port.section(u'=', 0, 0), port.section(u'=', 1));
        port = port.section(u'=', 0, 0);
    }
    const QString said =
        qv::series::portsProblem(ports, [&device](const QString &p) { return device.value(p); });
    if (problem.isEmpty())
        QCOMPARE(said, QString());
    else
        QVERIFY2(said.contains(problem), qPrintable(said));
}

void TestGang::contentKey_data()
{
    QTest::addColumn<QByteArray>("other");
    QTest::addColumn<bool>("same");
    QTest::newRow("the same table, other line ends and separator")
        << QByteArray("m_id,m_nev\n1,EGY\n2,KETTO\n") << true;
    QTest::newRow("quoted as another spreadsheet writes it")
        << QByteArray("\"m_id\";\"m_nev\"\r\n\"1\";\"EGY\"\r\n\"2\";\"KETTO\"") << true;
    QTest::newRow("a changed cell") << QByteArray("m_id;m_nev\r\n1;EGY\r\n2;KETTŐ\r\n") << false;
    QTest::newRow("a row more") << QByteArray("m_id;m_nev\r\n1;EGY\r\n2;KETTO\r\n3;H\r\n") << false;
}

void TestGang::contentKey()
{
    QFETCH(QByteArray, other);
    const QByteArray base = "base";
    const auto first = qv::series::readUnits("m_id;m_nev\r\n1;EGY\r\n2;KETTO\r\n").table;
    const auto second = qv::series::readUnits(other).table;
    QVERIFY(first && second);
    QTEST(qv::series::contentKey(*first, base) == qv::series::contentKey(*second, base), "same");
    QVERIFY(qv::series::contentKey(*first, base) != qv::series::contentKey(*first, "other base"));
}

void TestGang::claimRules_data()
{
    // Two benches on one register: "A claim 1" (A- claims with a lease already run out),
    // "A finish 1", "A finish-again 1" (the same entry once more), "A release 1", "A renew".
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("outcomes");
    QTest::newRow("a row is one bench's")
        << QStringList{u"A claim 1"_s, u"B claim 1"_s, u"A claim 1"_s, u"B claim 2"_s}
        << QStringList{u"mine"_s, u"held A"_s, u"mine"_s, u"mine"_s};
    QTest::newRow("a lease run out frees the row, and its bench finds it lost")
        << QStringList{u"A- claim 1"_s, u"B claim 1"_s, u"A finish 1"_s, u"B finish 1"_s}
        << QStringList{u"mine"_s, u"mine"_s, u"lost"_s, u"done"_s};
    QTest::newRow("a renewed lease holds")
        << QStringList{u"A- claim 1"_s, u"A renew"_s, u"B claim 1"_s}
        << QStringList{u"mine"_s, u"ok"_s, u"held A"_s};
    QTest::newRow("done stays done, and finishing again is no loss")
        << QStringList{u"A claim 1"_s, u"A finish 1"_s, u"A finish-again 1"_s, u"B claim 1"_s,
                       u"A- claim 1"_s}
        << QStringList{u"mine"_s, u"done"_s, u"done"_s, u"done A"_s, u"done A"_s};
    QTest::newRow("a released row is free")
        << QStringList{u"A claim 1"_s, u"A release 1"_s, u"B claim 1"_s, u"A finish 1"_s}
        << QStringList{u"mine"_s, u"ok"_s, u"mine"_s, u"lost"_s};
}

void TestGang::claimRules()
{
    QFETCH(QStringList, steps);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"register.sqlite"_s);
    const qv::reg::Store a = qv::reg::Store::openSqlite(path);
    const qv::reg::Store b = qv::reg::Store::openSqlite(path);
    QVERIFY2(a.isOpen() && b.isOpen(), qPrintable(a.message()));
    QHash<QString, qv::reg::ClaimBook *> books;
    qv::reg::ClaimBook bookA(a, u"key"_s, u"t.csv"_s, u"A"_s),
        bookB(b, u"key"_s, u"t.csv"_s, u"B"_s);
    qv::reg::ClaimBook lapsedA(a, u"key"_s, u"t.csv"_s, u"A"_s, -60'000);
    books = {{u"A"_s, &bookA}, {u"B"_s, &bookB}, {u"A-"_s, &lapsedA}};
    QStringList outcomes;
    for (const QString &step : std::as_const(steps)) {
        qv::reg::ClaimBook *book = books.value(step.section(u' ', 0, 0));
        const QString verb = step.section(u' ', 1, 1);
        const int row = step.section(u' ', 2).toInt();
        QString holder, error;
        if (verb == u"claim") {
            const auto took = book->claim(row, &holder, &error);
            const char *words[] = {"mine", "held", "done", "unreachable"};
            outcomes << (QString::fromLatin1(words[int(took)]) +
                         (holder.isEmpty() ? QString() : u' ' + holder));
        } else if (verb.startsWith(u"finish")) {
            const auto end = book->finish(row, u"entry"_s, &error);
            const char *words[] = {"done", "lost", "unreachable"};
            outcomes << QString::fromLatin1(words[int(end)]);
        } else if (verb == u"release") {
            outcomes << (book->release(row) ? u"ok"_s : u"failed"_s);
        } else if (verb == u"renew") {
            outcomes << (book->renew(&error) ? u"ok"_s : error);
        }
    }
    QTEST(outcomes, "outcomes");
}

void TestGang::progressCountsEveryRow_data()
{
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<QString>("text");
    QTest::newRow("one skipped of two")
        << QList<int>{int(UnitState::Passed), int(UnitState::Skipped)} << u"1/2 kész, 1 kihagyva"_s;
    QTest::newRow("earlier, now, another bench's, failed")
        << QList<int>{int(UnitState::PassedEarlier), int(UnitState::Passed),
                      int(UnitState::Elsewhere), int(UnitState::Failed)}
        << u"2/4 kész"_s;
}

void TestGang::progressCountsEveryRow()
{
    QFETCH(QList<int>, states);
    QList<UnitResult> results;
    for (const int state : std::as_const(states))
        results << UnitResult::of(int(results.size()), UnitState(state));
    QTEST(qv::series::progressText(results), "text");
}

// The claims of a series as series-status sums them up: done, failed, claimed by whom, left,
// and the units per hour over the time the work took.
void TestGang::statusSummary()
{
    const QDateTime t0 = QDateTime::fromMSecsSinceEpoch(1'800'000'000'000, QTimeZone::utc());
    auto claim = [&](int row, const QString &bench, int startS, int doneS, bool lapsed = false) {
        qv::reg::Claim c;
        c.row = row;
        c.bench = bench;
        c.claimed = t0.addSecs(startS);
        c.lease = t0.addSecs(startS + 60);
        if (doneS >= 0)
            c.done = t0.addSecs(doneS);
        c.lapsed = lapsed;
        return c;
    };
    const QList<qv::reg::Claim> claims{
        claim(1, u"a@x/1"_s, 0, 20),        claim(2, u"b@y/2"_s, 5, 25),
        claim(3, u"a@x/1"_s, 30, 50),       claim(4, u"b@y/2"_s, 40, -1),
        claim(5, u"c@z/3"_s, 10, -1, true),
    };
    const qv::series::SeriesSummary s = qv::series::summarise(claims, 8);
    QCOMPARE(s.rows, 8);
    QCOMPARE(s.done, 3);
    QCOMPARE(s.claimed, 1);
    QCOMPARE(s.left, 4); // row 5's lease ran out: free again
    QCOMPARE(s.unitsPerHour, 3 * 3600.0 / 50);
    QCOMPARE(s.benches.size(), 2); // those that did rows, and the one working now
    QCOMPARE(s.benches.value(u"a@x/1"_s).doneRows, QList<int>({1, 3}));
    QCOMPARE(s.benches.value(u"b@y/2"_s).doneRows, QList<int>({2}));
    QCOMPARE(s.benches.value(u"b@y/2"_s).claimedRows, QList<int>({4}));
}

#else

namespace {

QStringList baseValues()
{
    const auto decoded = qv::transfer::decodeReadOut(
        qv::transfer::record::buildDownloadRecord(qvsim::factoryFields()));
    return qv::transfer::fileValuesFromReadOut(decoded.form, qv::settings::ModelQV5);
}

// A table of its own for each test (the team's server keeps every series it saw).
QByteArray unitsCsv(int rows, const QByteArray &tag)
{
    QByteArray csv = "m_id;m_nev;t1\r\n";
    for (int i = 1; i <= rows; ++i)
        csv += QByteArray::number(i) + ";" + tag + " " + QByteArray::number(i) + ";3620000000" +
               QByteArray::number(i) + "\r\n";
    return csv;
}

// How many units of `modules` hold each row of `table` (the units' stored fields).
QList<int> holders(const QList<const qvsim::Emulator *> &modules, int units,
                   const qv::series::UnitsTable &table)
{
    QList<int> counts;
    for (int row = 0; row < table.rows.size(); ++row) {
        const QStringList fields =
            qv::transfer::record::downloadLines(
                qv::series::unitRecord(table, row, baseValues(), qv::settings::ModelQV5, u'|'))
                .mid(0, qv::transfer::record::FieldCount);
        int n = 0;
        for (const qvsim::Emulator *module : modules) {
            for (int unit = 0; unit < units; ++unit)
                n += module->storedFields(unit) == fields;
        }
        counts << n;
    }
    return counts;
}

// A sequence of `units` emulated Q_QV5 modules on one adapter at `link`, unpaced unless
// `paced`, each taken off once the program is done with it; the first one shows `firstFaults`.
std::unique_ptr<qvsim::Emulator> startSequence(int units, const QString &link, bool paced = false,
                                               const qvsim::FaultSetup &firstFaults = {})
{
    qvsim::SequenceSetup sequence;
    sequence.units = QList<qvsim::SequenceUnit>(units);
    sequence.units[0].faults = firstFaults;
    sequence.holdMs = 500;
    sequence.gapMs = 1500;
    auto module = std::make_unique<qvsim::Emulator>(qvsim::Setup{{}, {.paced = paced}, {}});
    module->setSequence(sequence);
    if (!module->start() || !module->setLinkPath(link))
        return nullptr;
    return module;
}

QString team()
{
    return u"host=%1 port=%2 dbname=%3 user=%4"_s.arg(
        qEnvironmentVariable("PGHOST"), qEnvironmentVariable("PGPORT", u"5432"_s),
        qEnvironmentVariable("PGDATABASE"), qEnvironmentVariable("PGUSER"));
}

// The server's claims of the series of units file `name`, "row done" or "row open", and
// the rows recorded there more than once.
QStringList serverClaims(const QString &name)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, u"gangcheck"_s);
    db.setConnectOptions();
    db.setDatabaseName(qEnvironmentVariable("PGDATABASE"));
    db.setHostName(qEnvironmentVariable("PGHOST"));
    db.setPort(qEnvironmentVariableIntValue("PGPORT"));
    db.setUserName(qEnvironmentVariable("PGUSER"));
    db.setPassword(qEnvironmentVariable("PGPASSWORD"));
    QStringList rows;
    if (db.open()) {
        QSqlQuery q(db);
        q.prepare(u"SELECT series_row, done_ms > 0 FROM qv_claim WHERE series_name = ? "
                  "ORDER BY series_row"_s);
        q.addBindValue(name);
        q.exec();
        while (q.next())
            rows << u"%1 %2"_s.arg(q.value(0).toInt()).arg(q.value(1).toBool() ? u"done" : u"open");
        q.prepare(u"SELECT series_row, COUNT(*) FROM qv_entry WHERE series_key LIKE ? AND "
                  "result = 'ok' AND operation = 'download' GROUP BY series_row "
                  "HAVING COUNT(*) > 1"_s);
        q.addBindValue(QString(name + u"#%"_s));
        q.exec();
        while (q.next())
            rows << u"row %1 recorded %2 times"_s.arg(q.value(0).toInt()).arg(q.value(1).toInt());
        db.close();
    }
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(u"gangcheck"_s);
    return rows;
}

// A bench: "qvconfig series" in a home of its own on the team register.
struct Bench
{
    QString home;
    QProcess process;
    QString err;

    Bench(const QString &folder, const QString &base, const QString &units, const QString &port,
          const QStringList &more = {})
        : home(folder)
    {
        QDir().mkpath(home);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_DATA_HOME"_s, home);
        environment.insert(u"XDG_CONFIG_HOME"_s, home);
        environment.insert(u"LANGUAGE"_s, u"hu"_s);
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + u"/qvconfig"_s,
                      QStringList{u"series"_s, base, units, u"--port"_s, port, u"--verify"_s,
                                  u"--register"_s, team(), u"--results"_s,
                                  home + u"/eredmeny.csv"_s} +
                          more);
    }
    int finish(int ms = 150000)
    {
        if (!process.waitForFinished(ms))
            process.kill();
        process.waitForFinished(5000);
        err += QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
};

struct Files
{
    QTemporaryDir dir;
    QString base = dir.filePath(u"alap.msw"_s);
    QString units;
    qv::series::UnitsTable table;

    Files(const QString &name, int rows)
    {
        units = dir.filePath(name);
        QFile b(base), u(units);
        if (b.open(QIODevice::WriteOnly))
            b.write(qv::files::writeConfig(baseValues()));
        const QByteArray csv = unitsCsv(rows, name.section(u'.', 0, 0).toUpper().toUtf8());
        if (u.open(QIODevice::WriteOnly))
            u.write(csv);
        table = *qv::series::readUnits(csv).table;
    }
};

#define NEEDS_SERVER()                                                                             \
    if (!qEnvironmentVariableIsSet("PGHOST"))                                                      \
    QSKIP("needs a PostgreSQL server (run under tests/with-postgres.sh)")

} // namespace

// Two lanes on one computer: six rows over two adapters, each row written once, in the
// module of whichever lane was free, and the register and the results file say the same.
// The first module of one lane takes nothing in: its row goes to that lane's next module.
void TestGang::twoLanesOneComputer()
{
    Files files(u"ketsav.csv"_s, 6);
    const QString a = files.dir.filePath(u"a"_s), b = files.dir.filePath(u"b"_s);
    const auto first = startSequence(
        4, a, false, qvsim::FaultSetup::only(qvsim::Exchange::Download, qvsim::Fault::AckWrong));
    const auto second = startSequence(4, b);
    QVERIFY(first && second);
    qv::series::SeriesSetup setup;
    setup.ports = {a, b};
    setup.baseFileBytes = qv::files::writeConfig(baseValues());
    setup.baseValues = baseValues();
    setup.units = files.table;
    setup.unitsPath = files.units;
    setup.basePath = files.base;
    qv::series::SeriesRunner runner(setup);
    struct : qv::series::SeriesObserver
    {
        void unitChanged(const UnitResult &r) override
        {
            if (r.state == UnitState::Failed)
                failed << r;
        }
        void waiting(qv::series::Wait, int) override {}
        void moduleRefused(const QString &reason) override { refused << reason; }
        void progress(int, int) override {}
        QStringList refused;
        QList<UnitResult> failed;
    } observer;
    QString error;
    QVERIFY2(runner.run(observer, &error), qPrintable(error));
    QVERIFY2(observer.refused.isEmpty(), qPrintable(observer.refused.join(u'\n')));
    QCOMPARE(observer.failed.size(), 1);
    QCOMPARE(observer.failed.first().port, a);
    QCOMPARE(runner.results().at(observer.failed.first().row).port, a);
    QStringList ports;
    for (const UnitResult &r : runner.results()) {
        QCOMPARE(r.state, UnitState::Passed);
        ports << r.port;
    }
    QVERIFY(ports.contains(a) && ports.contains(b));
    QCOMPARE(holders({first.get(), second.get()}, 4, files.table), QList<int>(6, 1));
    const qv::reg::Store store = qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath());
    QCOMPARE(store.seriesDownloads(runner.key()).size(), 6);
    QFile results(qv::series::defaultResultsPath(files.units));
    QVERIFY(results.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(results.readAll());
    QCOMPARE(text.count(u";kész;"_s), 6);
    QCOMPARE(text.count(u";"_s + a + u"\r\n"_s), ports.count(a));
}

// Two benches of a team, each with its own home and adapter, share one table on the server:
// every row is written once, into one module, and recorded once.
void TestGang::twoBenchesOneServer()
{
    NEEDS_SERVER();
    Files files(u"csapat.csv"_s, 4);
    const QString a = files.dir.filePath(u"a"_s), b = files.dir.filePath(u"b"_s);
    const auto first = startSequence(5, a), second = startSequence(5, b);
    QVERIFY(first && second);
    Bench one(files.dir.filePath(u"egy"_s), files.base, files.units, a);
    Bench two(files.dir.filePath(u"ketto"_s), files.base, files.units, b);
    QCOMPARE(one.finish(), 0);
    QCOMPARE(two.finish(), 0);
    QCOMPARE(holders({first.get(), second.get()}, 5, files.table), QList<int>(4, 1));
    QCOMPARE(serverClaims(u"csapat.csv"_s),
             (QStringList{u"1 done"_s, u"2 done"_s, u"3 done"_s, u"4 done"_s}));
    QVERIFY2(one.err.count(u": kész"_s) + two.err.count(u": kész"_s) == 4,
             qPrintable(one.err + two.err));
}

// A bench killed in the middle of a download: its claim runs out and the other bench writes
// the row; the killed bench's next run says that its module was not verified.
void TestGang::benchKilledMidUnit()
{
    NEEDS_SERVER();
    Files files(u"megolt.csv"_s, 3);
    const QString a = files.dir.filePath(u"a"_s), b = files.dir.filePath(u"b"_s);
    const auto first = startSequence(2, a, true), second = startSequence(5, b);
    QVERIFY(first && second);
    const QStringList lease{u"--claim-lease"_s, u"3"_s};
    auto one =
        std::make_unique<Bench>(files.dir.filePath(u"egy"_s), files.base, files.units, a, lease);
    // Killed once its (paced) download has begun.
    QTRY_VERIFY_WITH_TIMEOUT(first->received().contains("~}"), 30000);
    ::kill(pid_t(one->process.processId()), SIGKILL);
    QCOMPARE(one->finish(), -1);
    Bench two(files.dir.filePath(u"ketto"_s), files.base, files.units, b, lease);
    QCOMPARE(two.finish(), 0);
    QCOMPARE(holders({first.get(), second.get()}, 5, files.table), QList<int>(3, 1));
    QCOMPARE(first->downloadsPerUnit().value(0), 0);
    Bench again(files.dir.filePath(u"egy"_s), files.base, files.units, a, lease);
    QCOMPARE(again.finish(), 0);
    QVERIFY2(again.err.contains(u"1. sor betöltése közben szakadt félbe"_s), qPrintable(again.err));
    QCOMPARE(serverClaims(u"megolt.csv"_s), (QStringList{u"1 done"_s, u"2 done"_s, u"3 done"_s}));
}

// The server stopped in the middle of a series and started again: the benches finish their
// units, claim nothing meanwhile, say so, and go on once it answers; no row twice, none lost.
void TestGang::serverStoppedMidSeries()
{
    NEEDS_SERVER();
    Files files(u"leall.csv"_s, 6);
    const QString a = files.dir.filePath(u"a"_s), b = files.dir.filePath(u"b"_s);
    const auto first = startSequence(7, a), second = startSequence(7, b);
    QVERIFY(first && second);
    Bench one(files.dir.filePath(u"egy"_s), files.base, files.units, a);
    Bench two(files.dir.filePath(u"ketto"_s), files.base, files.units, b);
    QTRY_VERIFY_WITH_TIMEOUT(first->downloadsPerUnit().value(0) > 0, 60000);
    auto cluster = [](const QString &action) {
        QStringList arguments{qEnvironmentVariable("PGVERSION"), u"regress"_s, action};
        if (action == u"stop")
            arguments.prepend(u"--mode=fast"_s);
        QProcess ctl;
        ctl.start(u"pg_ctlcluster"_s, arguments);
        return ctl.waitForFinished(30000) && ctl.exitCode() == 0;
    };
    QVERIFY(cluster(u"stop"_s));
    // Both benches notice (each says so) before the server comes back.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            one.err += QString::fromUtf8(one.process.readAllStandardError());
            two.err += QString::fromUtf8(two.process.readAllStandardError());
            return one.err.contains(u"nem érhető el"_s) && two.err.contains(u"nem érhető el"_s);
        }(),
        60000);
    QVERIFY(cluster(u"start"_s));
    QCOMPARE(one.finish(), 0);
    QCOMPARE(two.finish(), 0);
    QCOMPARE(holders({first.get(), second.get()}, 7, files.table), QList<int>(6, 1));
    QCOMPARE(serverClaims(u"leall.csv"_s), (QStringList{u"1 done"_s, u"2 done"_s, u"3 done"_s,
                                                        u"4 done"_s, u"5 done"_s, u"6 done"_s}));
}

#endif

QTEST_GUILESS_MAIN(TestGang)
#include "tst_gang.moc"

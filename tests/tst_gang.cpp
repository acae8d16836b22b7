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

using namespace Qt::StringLiterals;
using qv::series::UnitResult;
using qv::series::UnitState;

class TestGang : public QObject
{
    Q_OBJECT

private slots:
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
};

void TestGang::dispenser_data()
{
    // Steps on four rows (row 3 done before): "take P" gives the row lane P gets (or "-"),
    // "back N" puts a row back, "fail N" / "retry N" a failed row, "else N" / "done-else N"
    // a row another bench holds / has done, "free" frees the rows held elsewhere.
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
        const int row = step.section(u' ', 1).toInt();
        if (verb == u"take") {
            const auto got = rows.take(step.section(u' ', 1));
            taken << (got ? QString::number(*got) : u"-"_s);
            if (got)
                QCOMPARE(rows.at(*got).port, step.section(u' ', 1));
        } else if (verb == u"back") {
            rows.putBack(row);
        } else if (verb == u"fail") {
            rows.set(UnitResult::of(row, UnitState::Failed));
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

QTEST_GUILESS_MAIN(TestGang)
#include "tst_gang.moc"

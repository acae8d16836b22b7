// qvconfig status --watch against the emulated module: a line per sample with the events
// marked, the same as JSON lines, the CSV log, the summary and exit status, the register's
// entry, the options refused; and the program itself ended by Ctrl+C.
#include "cli/commands.h"
#include "modulefixture.h"
#include "register/store.h"
#include "watch/csvlog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <csignal>

namespace {

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

Outcome runCommand(const QStringList &arguments)
{
    Outcome result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = qv::cli::run(QStringList{QStringLiteral("qvconfig")} + arguments,
                                 QStringLiteral("test"), out, err, false);
    return result;
}

// Input 2 goes inactive at the second answer, the signal falls to 1 at the third.
std::unique_ptr<qvsim::Emulator> changingModule(qvsim::Fault status = qvsim::Fault::None)
{
    qvsim::ModuleSetup setup;
    setup.statusCourse.steps = {{2, QStringLiteral("inputs=0000")},
                                {3, QStringLiteral("signal=1")}};
    return startModule({}, qvsim::FaultSetup::only(qvsim::Exchange::Status, status), setup);
}

// The lines without their times.
QStringList lines(const QString &out)
{
    QStringList result;
    for (QString line : out.split(u'\n', Qt::SkipEmptyParts))
        result << line.remove(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d  ")));
    return result;
}

} // namespace

class TestWatchCommand : public QObject
{
    Q_OBJECT

private slots:
    void text();
    void json();
    void silentModule();
    void refusedOptions_data();
    void refusedOptions();
    void endedByCtrlC();
};

void TestWatchCommand::text()
{
    auto module = changingModule();
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("napló.csv"));
    const Outcome r = runCommand(
        {"status", "--port", module->slavePath(), "--watch", "0.5", "--count", "3", "--csv", csv});
    QCOMPARE(r.status, int(qv::cli::Done));
    const QString sample = QStringLiteral(
        "kimenetek 1000  bemenetek %1  táp van  analóg 12.5 V  számláló 00042  térerő %2");
    QCOMPARE(
        lines(r.out),
        (QStringList{sample.arg("0100", "4 (jó)"), sample.arg("0000", "4 (jó)"),
                     "* bemenet 2 inaktív", sample.arg("0000", "1 (gyenge)"), "* gyenge térerő (1)",
                     "Összesítés: Időtartam: 0:00:01, minták: 3 (hiányzó: 0), térerő: min. "
                     "1, medián 4, max. 4, események: 2"}));
    QCOMPARE(module->received(), QByteArray("~|~[~[~["));

    const qv::watch::LogRead log = qv::watch::readLogFile(csv);
    QVERIFY2(log.error.isEmpty(), qPrintable(log.error));
    QCOMPARE(log.samples.size(), 3);
    QCOMPARE(log.model, 1);
    QCOMPARE(log.samples.at(2).signal, 1);
    QVERIFY(log.samples.at(1).elapsedMs >= 500 && log.samples.at(2).elapsedMs >= 1000);

    const QList<qv::reg::Entry> entries =
        qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath()).search({});
    QCOMPARE(entries.first().operation, qv::reg::Operation::Watch);
    QCOMPARE(entries.first().identification, QStringLiteral("Q_QV5_FW2.1"));
    QVERIFY(entries.first().reason.startsWith(u"Időtartam: 0:00:01, minták: 3"));
}

void TestWatchCommand::json()
{
    auto module = changingModule();
    const Outcome r = runCommand(
        {"status", "--port", module->slavePath(), "--watch", "0.5", "--count", "3", "--json"});
    QCOMPARE(r.status, int(qv::cli::Done));
    QStringList seen;
    for (const QString &line : r.out.split(u'\n', Qt::SkipEmptyParts)) {
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
        const QString type = o.value("type").toString();
        if (type == u"sample")
            seen << QStringLiteral("sample %1 %2 %3")
                        .arg(o.value("state").toString())
                        .arg(o.value("signalLevel").toInt())
                        .arg(o.value("inputs").toArray().at(1).toBool() ? "true" : "false");
        else if (type == u"event")
            seen << QStringLiteral("event %1 %2")
                        .arg(o.value("kind").toString(), o.value("text").toString());
        else
            seen << QStringLiteral("%1 %2 %3 %4")
                        .arg(type)
                        .arg(o.value("samples").toInt())
                        .arg(o.value("signalMedian").toInt())
                        .arg(o.value("exit").toInt());
    }
    QCOMPARE(seen, (QStringList{"sample ok 4 true", "sample ok 4 false",
                                "event input bemenet 2 inaktív", "sample ok 1 false",
                                "event signalWeak gyenge térerő (1)", "summary 3 4 0"}));
}

// No answer: after the query's own time-out the sample is missing, and the exit says so.
void TestWatchCommand::silentModule()
{
    auto module = startModule();
    const QString port = module->slavePath();
    module->setFaults(qvsim::FaultSetup::only(qvsim::Exchange::Status, qvsim::Fault::Silent));
    const Outcome r = runCommand({"status", "--port", port, "--watch", "1", "--count", "1"});
    QCOMPARE(r.status, int(qv::cli::Failed));
    QCOMPARE(lines(r.out).mid(0, 2), (QStringList{"nincs válasz", "* a modul nem válaszol"}));
    QVERIFY(r.out.contains(u"minták: 1 (hiányzó: 1), térerő: nincs adat"));
}

void TestWatchCommand::refusedOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("too fast") << QStringList{"status", "--watch", "0.1"} << "0,5 és 3600 között";
    QTest::newRow("not a number") << QStringList{"status", "--watch", "x"} << "(kapott: x)";
    QTest::newRow("count of nothing")
        << QStringList{"status", "--watch", "1", "--count", "0"} << "a minták száma";
    QTest::newRow("count without watch") << QStringList{"status", "--count", "3"} << "--watch";
    QTest::newRow("watch of another command")
        << QStringList{"identify", "--watch", "1"} << "csak a status";
}

void TestWatchCommand::refusedOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Outcome r = runCommand(arguments);
    QCOMPARE(r.status, int(qv::cli::Usage));
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
}

// The program as a script runs it: Ctrl+C ends the watch with its summary and status 0.
void TestWatchCommand::endedByCtrlC()
{
    auto module = startModule();
    QProcess program;
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/qvconfig"),
                  {"status", "--port", module->slavePath(), "--watch", "0.5"});
    QVERIFY(program.waitForStarted());
    QString out;
    QTRY_VERIFY_WITH_TIMEOUT(
        (out += QString::fromUtf8(program.readAllStandardOutput())).count(u"térerő 4") >= 2, 20000);
    ::kill(pid_t(program.processId()), SIGINT);
    QVERIFY(program.waitForFinished(10000));
    out += QString::fromUtf8(program.readAllStandardOutput());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(lines(out).constLast().startsWith(u"Összesítés: "), qPrintable(out));
}

QTEST_GUILESS_MAIN(TestWatchCommand)
#include "tst_watchcommand.moc"

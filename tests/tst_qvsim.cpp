// The emulated module itself: what it answers, stores and garbles, its faults, and how
// it is set up from qvsim's command line.
#include "modulefixture.h"
#include "pty.h"
#include "serial/comport.h"
#include "serial/openfailure.h"
#include "serial/replybounds.h"
#include "setup.h"
#include "transfer/statusreply.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <mutex>
#include <unistd.h>

using qvsim::Exchange;
using qvsim::Fault;

class TestModuleEmulator : public QObject
{
    Q_OBJECT

private slots:
    void speedMismatchGarbles_data();
    void speedMismatchGarbles();
    void downloadStoresWhatWasSent();
    void downloadFaults_data();
    void downloadFaults();
    void downloadUnpluggedPartWay();
    void statusLine();
    void statusFaults_data();
    void statusFaults();
    void garbageIsNoIdentification();
    void linkFollowsReplug();
    void newTerminalBesideAnOldLock();
    void loadFieldsFile_data();
    void loadFieldsFile();
    void statusItems_data();
    void statusItems();
    void sequence_data();
    void sequence();
    void unitItems_data();
    void unitItems();
};

namespace {

// The identification the module on `port` gives, empty when nothing answers.
QString identify(const QString &port)
{
    qv::serial::comPort line(port, 1200);
    if (!line.open(400, 0, 0, 0))
        return QStringLiteral("(cannot open)");
    line.writeText(QStringLiteral("~|"), false);
    return line.readAll().text;
}

} // namespace

void TestModuleEmulator::speedMismatchGarbles_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("programSpeed");
    QTest::addColumn<int>("moduleSpeed");
    QTest::addColumn<bool>("answered");

    QTest::newRow("identification, same speed") << QByteArray("~|") << 9600 << 9600 << true;
    QTest::newRow("identification, other speed") << QByteArray("~|") << 1200 << 9600 << false;
    QTest::newRow("status always at 1200") << QByteArray("~[") << 1200 << 9600 << true;
    QTest::newRow("status at the chosen speed") << QByteArray("~[") << 9600 << 9600 << false;
}

void TestModuleEmulator::speedMismatchGarbles()
{
    QFETCH(QByteArray, request);
    QFETCH(int, programSpeed);
    QFETCH(int, moduleSpeed);
    QFETCH(bool, answered);

    auto module = startModule({.moduleBaud = moduleSpeed});
    qv::serial::SerialLine line;
    QCOMPARE(line.open({module->slavePath(), programSpeed, 0, 600, 0, 0}),
             qv::serial::OpenResult::Ok);
    line.writeBytes(request);
    const qv::serial::Reply reply = line.readReply({});
    QCOMPARE(reply.text.isEmpty(), !answered);
    QCOMPARE(module->garbledRequests(), answered ? 0 : 1);
    QCOMPARE(module->received(), request); // the log keeps what was really sent
}

void TestModuleEmulator::downloadStoresWhatWasSent()
{
    auto module = startModule({.moduleBaud = 19200});
    const QString record = qv::transfer::record::buildDownloadRecord(sampleFields());
    const QByteArray wire = qv::transfer::record::downloadWire(record);

    qv::serial::SerialLine line;
    QCOMPARE(line.open(qv::serial::lines::download(module->slavePath())),
             qv::serial::OpenResult::Ok);
    QCOMPARE(line.writeBytes("~}"), 2);
    const qv::serial::ByteRead ready = line.readByte();
    QCOMPARE(ready.status, qv::serial::ReadStatus::Byte);
    QCOMPARE(char(ready.byte), 'R');
    QCOMPARE(line.readByte().status, qv::serial::ReadStatus::Byte); // the byte after "R"
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(line.writeBytes(wire), int(wire.size()));
    const qv::serial::ByteRead ack = line.readByte();
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(ack.status, qv::serial::ReadStatus::Byte);
    QCOMPARE(char(ack.byte), 'O');
    // The module takes the 953 bytes at the pace of a 1200 bit/s line: about 7.9 s
    // (the upper bound only guards against a hang on a loaded machine).
    QVERIFY2(elapsed > 7000 && elapsed < 20000, qPrintable(QString::number(elapsed)));
    line.close();

    QVERIFY(module->waitForHandled(Exchange::Download, 1, 5000));
    QCOMPARE(module->received(), QByteArray("~}") + wire); // byte for byte
    QCOMPARE(module->moduleSetup().fields, qv::transfer::record::downloadLines(record).mid(0, 56));

    // A later read-out gives back what was downloaded.
    qv::serial::comPort port(module->slavePath(), 19200);
    QVERIFY(port.open(1000, 200, 0, 0));
    port.writeText(QStringLiteral("~{"), false);
    QCOMPARE(qv::transfer::record::splitReadOut(port.readAll().text).fields, sampleFields());
}

void TestModuleEmulator::downloadFaults_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QByteArray>("ready"); // what comes after "~}" within 500 ms
    QTest::addColumn<QByteArray>("acks");  // the two acknowledgement reads; '-' for silence
    QTest::addColumn<bool>("stored");

    QTest::newRow("normal") << int(Fault::None) << QByteArray("R\r") << QByteArray("O\r") << true;
    QTest::newRow("wrong ready byte")
        << int(Fault::WrongReady) << QByteArray("N\r") << QByteArray() << false;
    QTest::newRow("silent") << int(Fault::Silent) << QByteArray() << QByteArray() << false;
    QTest::newRow("ready byte alone")
        << int(Fault::Truncated) << QByteArray("R") << QByteArray("O\r") << true;
    QTest::newRow("ack wrong") << int(Fault::AckWrong) << QByteArray("R\r") << QByteArray("E\r")
                               << false;
    QTest::newRow("ack in the second byte")
        << int(Fault::AckSecondOnly) << QByteArray("R\r") << QByteArray("EO") << true;
    QTest::newRow("ack late") << int(Fault::AckLate) << QByteArray("R\r") << QByteArray("-O")
                              << true;
    QTest::newRow("ack missing") << int(Fault::AckMissing) << QByteArray("R\r") << QByteArray("--")
                                 << true;
}

void TestModuleEmulator::downloadFaults()
{
    QFETCH(int, fault);
    QFETCH(QByteArray, ready);
    QFETCH(QByteArray, acks);
    QFETCH(bool, stored);

    // These check the module's side, on a fast line and with short reads.
    qvsim::FaultSetup faults = qvsim::FaultSetup::only(Exchange::Download, Fault(fault));
    faults.ackDelayMs = 700;
    auto module = startModule({.fixedBaud = 115200}, faults);
    const QStringList fields = sampleFields();
    const QByteArray wire =
        qv::transfer::record::downloadWire(qv::transfer::record::buildDownloadRecord(fields));

    qv::serial::LineSettings fast = qv::serial::lines::download(module->slavePath());
    fast.baud = 115200;
    qv::serial::SerialLine line;
    QCOMPARE(line.open(fast), qv::serial::OpenResult::Ok);
    line.writeBytes("~}");
    QByteArray got;
    for (qv::serial::ByteRead r = line.readByte(500); r.status == qv::serial::ReadStatus::Byte;
         r = line.readByte(500))
        got.append(char(r.byte));
    QCOMPARE(got, ready);
    if (!acks.isEmpty()) {
        line.writeBytes(wire);
        QByteArray answer;
        for (int i = 0; i < 2; ++i) {
            const qv::serial::ByteRead r = line.readByte(500);
            answer.append(r.status == qv::serial::ReadStatus::Byte ? char(r.byte) : '-');
        }
        QCOMPARE(answer, acks);
    }
    line.close();
    QVERIFY(module->waitForHandled(Exchange::Download, 1, 3000));
    QCOMPARE(module->moduleSetup().fields != qvsim::factoryFields(), stored);
}

void TestModuleEmulator::downloadUnpluggedPartWay()
{
    // At 9600 bit/s the program takes about a second over the data: the module has half of
    // it to see half of the lines and pull out, also on a loaded machine.
    auto module = startModule({.fixedBaud = 9600},
                              qvsim::FaultSetup::only(Exchange::Download, Fault::Unplug));
    const QByteArray wire = qv::transfer::record::downloadWire(
        qv::transfer::record::buildDownloadRecord(sampleFields()));
    qv::serial::LineSettings fast = qv::serial::lines::download(module->slavePath());
    fast.baud = 9600;
    qv::serial::SerialLine line;
    QCOMPARE(line.open(fast), qv::serial::OpenResult::Ok);
    line.writeBytes("~}");
    QCOMPARE(char(line.readByte().byte), 'R');
    line.readByte();
    QElapsedTimer clock;
    clock.start();
    const int written = line.writeBytes(wire);
    const qv::serial::ByteRead ack = line.readByte();
    // The writes after the pull fail at once and the acknowledgement read sees the
    // device gone: no hang, no wait for the 3.5 s time-out.
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(written < wire.size());
    QCOMPARE(ack.status, qv::serial::ReadStatus::Gone);
    QVERIFY(!line.isOpen());
    QVERIFY(module->isUnplugged());
    QCOMPARE(module->moduleSetup().fields, qvsim::factoryFields()); // half a download is not kept
}

void TestModuleEmulator::statusLine()
{
    qv::transfer::status::ModuleStatus state = qvsim::defaultStatus(qvsim::Model::QV3);
    state.outputs = {false, true, false, false};
    state.signalLevel = 5;
    state.analog = QStringLiteral("03.1");
    qvsim::ModuleSetup setup;
    setup.status = state;
    auto module = startModule({}, {}, setup);

    qv::serial::SerialLine line;
    QCOMPARE(line.open(qv::serial::lines::status(module->slavePath())), qv::serial::OpenResult::Ok);
    line.writeBytes("~[");
    qv::serial::ReplyOptions options;
    options.bound = qv::serial::replybound::Status;
    options.endAtCr = true;
    const qv::serial::Reply reply = line.readReply(options);
    QCOMPARE(reply.end, qv::serial::ReplyEnd::Terminator);
    QVERIFY(!reply.text.contains(u'\r'));
    const qv::transfer::status::ParseResult parsed =
        qv::transfer::status::parseStatusLine(reply.text);
    QCOMPARE(parsed.result, qv::transfer::status::ParseStatus::Ok);
    QCOMPARE(parsed.status, state);
}

void TestModuleEmulator::statusFaults_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("end");
    QTest::addColumn<bool>("parses");

    QTest::newRow("truncated: no CR, too few fields")
        << int(Fault::Truncated) << int(qv::serial::ReplyEnd::Silence) << false;
    QTest::newRow("over-long line")
        << int(Fault::Overlong) << int(qv::serial::ReplyEnd::Overlong) << false;
    QTest::newRow("never silent") << int(Fault::NeverSilent) << int(qv::serial::ReplyEnd::Overlong)
                                  << false;
    QTest::newRow("slow, inside the time-out")
        << int(Fault::SlowUnder) << int(qv::serial::ReplyEnd::Terminator) << true;
}

void TestModuleEmulator::statusFaults()
{
    QFETCH(int, fault);
    QFETCH(int, end);
    QFETCH(bool, parses);

    qvsim::FaultSetup faults;
    faults[Exchange::Status] = {Fault(fault), 400, 600}; // straddle the short read below
    auto module = startModule({.fixedBaud = 115200}, faults);
    qv::serial::SerialLine line;
    QCOMPARE(line.open({module->slavePath(), 115200, 0, 500, 0, 0}), qv::serial::OpenResult::Ok);
    line.writeBytes("~[");
    qv::serial::ReplyOptions options;
    options.bound = qv::serial::replybound::Status;
    options.endAtCr = true;
    const qv::serial::Reply reply = line.readReply(options);
    QCOMPARE(int(reply.end), end);
    if (reply.isComplete()) {
        QCOMPARE(qv::transfer::status::parseStatusLine(reply.text).result ==
                     qv::transfer::status::ParseStatus::Ok,
                 parses);
    } else {
        QCOMPARE(reply.text.size(), qv::serial::replybound::Status); // malformed whatever it holds
    }
}

void TestModuleEmulator::garbageIsNoIdentification()
{
    auto module =
        startModule({}, qvsim::FaultSetup::only(Exchange::Identification, Fault::Garbage));
    qv::serial::comPort port(module->slavePath(), 1200);
    QVERIFY(port.open(0, 300, 0, 0));
    port.writeText(QStringLiteral("~|"), false);
    const qv::serial::Reply reply = port.readAll();
    QCOMPARE(reply.end, qv::serial::ReplyEnd::Silence);
    QCOMPARE(reply.text.size(), 48);
    QVERIFY(!reply.text.startsWith(QStringLiteral("Q_")));
}

void TestModuleEmulator::linkFollowsReplug()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("module"));
    auto module = startModule();
    QVERIFY(module->setLinkPath(link));
    QCOMPARE(QFileInfo(link).symLinkTarget(), module->slavePath());

    module->setFaults(qvsim::FaultSetup::only(Exchange::Identification, Fault::Unplug));
    {
        qv::serial::comPort port(link, 1200);
        QVERIFY(port.open(500, 0, 0, 0));
        port.writeText(QStringLiteral("~|"), false);
        QCOMPARE(port.readAll().end, qv::serial::ReplyEnd::Gone);
    }
    QVERIFY(module->isUnplugged());
    // The link goes with the adapter, before the hang-up shows: not even a dangling one is
    // left, which a parallel test's new pseudo-terminal of the same number would revive.
    QVERIFY(!QFileInfo(link).isSymLink());

    module->setFaults({});
    QVERIFY(module->replug());
    QCOMPARE(QFileInfo(link).symLinkTarget(), module->slavePath());
    qv::serial::comPort port(link, 1200);
    QVERIFY(port.open(500, 0, 0, 0));
    port.writeText(QStringLiteral("~|"), false);
    QCOMPARE(port.readAll().text, QStringLiteral("Q_QV5_FW2.1\r"));

    module->stop();
    QVERIFY(!QFileInfo(link).isSymLink());
}

// A program that has just closed a pseudo-terminal removes the serial port's lock file of
// its number only a moment later: a new one of that number, handed out meanwhile, would
// refuse every open as held.
void TestModuleEmulator::newTerminalBesideAnOldLock()
{
    const QString folder = QStringLiteral("/var/lock");
    if (!QFileInfo(folder).isWritable())
        QSKIP("the serial port keeps its lock files elsewhere");
    QString error;
    const qvsim::PtyMaster closing = qvsim::openPty(&error);
    QVERIFY2(closing.fd >= 0, qPrintable(error));
    QLockFile lock(folder + u'/' + qv::serial::lockFileName(closing.slavePath));
    QVERIFY(lock.tryLock(0));
    ::close(closing.fd); // the number is free again, its lock file still there

    auto module = startModule();
    qv::serial::SerialLine line;
    QCOMPARE(line.open(qv::serial::lines::identification(module->slavePath(), 1200)),
             qv::serial::OpenResult::Ok);
}

void TestModuleEmulator::loadFieldsFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("ok");

    const QStringList fields = sampleFields();
    QByteArray lf, crlf;
    for (const QString &f : fields) {
        lf += qv::transfer::record::toWire(f) + '\n';
        crlf += qv::transfer::record::toWire(f) + "\r\n";
    }
    QTest::newRow("56 lines, LF") << lf << true;
    QTest::newRow("56 lines, CR LF") << crlf << true;
    QTest::newRow("56 lines, no final line end") << lf.chopped(1) << true;
    QTest::newRow("one download record")
        << qv::transfer::record::toWire(qv::transfer::record::buildDownloadRecord(fields)) + '\n'
        << true;
    QTest::newRow("55 lines") << lf.left(lf.lastIndexOf('\n', lf.size() - 2) + 1) << false;
    QTest::newRow("57 lines") << lf + "extra\n" << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("huge file") << QByteArray(100 * 1024, 'x') << false;
}

void TestModuleEmulator::loadFieldsFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, ok);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    QString error;
    const auto fields = qvsim::loadFieldsFile(path, &error);
    QCOMPARE(fields.has_value(), ok);
    if (!ok) {
        QVERIFY(error.startsWith(path));
        return;
    }
    // A record holds padded items; the module sends them as they are.
    QStringList trimmed;
    for (QString f : *fields) {
        while (f.endsWith(u' '))
            f.chop(1);
        trimmed << f;
    }
    QCOMPARE(trimmed, sampleFields());
}

void TestModuleEmulator::statusItems_data()
{
    QTest::addColumn<QString>("items");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("line");

    QTest::newRow("defaults") << "" << true
                              << "OUTP:1000 IN:0100 AN:12.5 CNT:00042 POWER:1 GSMQ:4 ALRM:0 FW2.1";
    QTest::newRow("all items")
        << "outputs=0110,inputs=1111,analog=3.3,counter=7,supply=0,signal=2,version=V9" << true
        << "OUTP:0110 IN:1111 AN:3.3 CNT:7 POWER:0 GSMQ:2 ALRM:0 V9";
    QTest::newRow("five outputs") << "outputs=10101" << false << "";
    QTest::newRow("not a bit") << "inputs=1201" << false << "";
    QTest::newRow("signal not a number") << "signal=x" << false << "";
    QTest::newRow("unknown key") << "voltage=12" << false << "";
    QTest::newRow("no value") << "supply" << false << "";
}

void TestModuleEmulator::statusItems()
{
    QFETCH(QString, items);
    QFETCH(bool, ok);
    QFETCH(QString, line);

    qv::transfer::status::ModuleStatus status = qvsim::defaultStatus(qvsim::Model::QV5);
    const qv::transfer::status::ModuleStatus before = status;
    QString error;
    QCOMPARE(qvsim::applyStatusItems(status, items, &error), ok);
    if (ok) {
        QCOMPARE(qv::transfer::status::buildStatusLine(status), line);
    } else {
        QVERIFY(!error.isEmpty());
        QCOMPARE(status, before); // bad items change nothing
    }
}

void TestModuleEmulator::sequence_data()
{
    QTest::addColumn<bool>("portPerUnit");
    QTest::newRow("one adapter") << false;
    QTest::newRow("an adapter per unit") << true;
}

// Two modules one after the other: each answers as itself while connected, a download goes
// into the one connected, and between them the line is silent or gone.
void TestModuleEmulator::sequence()
{
    QFETCH(bool, portPerUnit);
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("module"));
    qvsim::SequenceSetup sequence{
        {{}, {qvsim::ModuleSetup::of(qvsim::Model::QV3), {}}}, 1000, 1500, portPerUnit};
    sequence.units[1].module.identText = QStringLiteral("Q_QV3_FW2.2");
    std::mutex mutex; // the log outlives the module, whose thread writes it
    QStringList log;
    qvsim::Emulator module({{}, {.fixedBaud = 115200}, {}});
    module.setSequenceSink([&](const QString &line) {
        std::unique_lock lock(mutex);
        log << line;
    });
    module.setSequence(sequence);
    QVERIFY(module.start());
    QVERIFY(module.setLinkPath(link));
    const QString firstPath = module.slavePath();

    QCOMPARE(module.currentUnit(), 0);
    QCOMPARE(identify(link), QStringLiteral("Q_QV5_FW2.1\r"));
    QTRY_COMPARE_WITH_TIMEOUT(module.currentUnit(), -1, 5000);
    if (portPerUnit)
        QVERIFY(!QFileInfo::exists(link));
    else
        QCOMPARE(identify(link), QString()); // the bytes go nowhere, even once the next comes
    QTRY_COMPARE_WITH_TIMEOUT(module.currentUnit(), 1, 5000);
    QCOMPARE(module.slavePath() != firstPath, portPerUnit);
    QCOMPARE(QFileInfo(link).symLinkTarget(), module.slavePath());
    QCOMPARE(identify(link), QStringLiteral("Q_QV3_FW2.2\r"));

    qv::serial::LineSettings fast = qv::serial::lines::download(link);
    fast.baud = 115200;
    qv::serial::SerialLine line;
    QCOMPARE(line.open(fast), qv::serial::OpenResult::Ok);
    line.writeBytes("~}");
    QCOMPARE(char(line.readByte().byte), 'R');
    line.readByte();
    const QString record = qv::transfer::record::buildDownloadRecord(sampleFields());
    line.writeBytes(qv::transfer::record::downloadWire(record));
    QCOMPARE(char(line.readByte().byte), 'O');
    line.close();

    QVERIFY(module.waitForSequenceEnd(10000));
    QCOMPARE(module.currentUnit(), -1);
    QCOMPARE(module.downloadsPerUnit(), QList<int>({0, 1}));
    QCOMPARE(module.storedFields(0), qvsim::factoryFields());
    QCOMPARE(module.storedFields(1), qv::transfer::record::downloadLines(record).mid(0, 56));
    std::unique_lock lock(mutex);
    QCOMPARE(log, QStringList({"unit 1 connected " + firstPath, "unit 1 removed",
                               "unit 2 connected " + module.slavePath(),
                               "unit 2 stored m_id=0001 m_nev=PINCE", "unit 2 removed",
                               "sequence ended"}));
}

void TestModuleEmulator::unitItems_data()
{
    QTest::addColumn<QString>("items");
    QTest::addColumn<QString>("ident"); // empty: refused
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("downloadFault");
    QTest::addColumn<int>("loose"); // ms

    const int qv5 = int(qvsim::Model::QV5), qv3 = int(qvsim::Model::QV3);
    const int none = int(Fault::None) << 0;
    QTest::newRow("nothing: the base") << ""
                                       << "BASE" << qv5 << int(Fault::Silent) << 0;
    QTest::newRow("a model, its own identification")
        << "model=qv3"
        << "Q_QV3_FW2.1" << qv3 << int(Fault::Silent) << 0;
    QTest::newRow("the identification after the model") << "ident=X_1;model=qv3"
                                                        << "X_1" << qv3 << int(Fault::Silent) << 0;
    QTest::newRow("a fault") << "fault=download=ack-wrong;fault=status=garbage"
                             << "BASE" << qv5 << int(Fault::AckWrong) << 0;
    QTest::newRow("a loose contact") << "loose=250"
                                     << "BASE" << qv5 << int(Fault::Silent) << 250;
    QTest::newRow("a loose contact of no length") << "loose=soon"
                                                  << "" << qv5 << none << 0;
    QTest::newRow("unknown key") << "colour=red"
                                 << "" << qv5 << none << 0;
    QTest::newRow("unknown model") << "model=qv9"
                                   << "" << qv5 << none << 0;
    QTest::newRow("bad fault") << "fault=download=slow"
                               << "" << qv5 << none << 0;
    QTest::newRow("no value") << "model"
                              << "" << qv5 << none << 0;
    QTest::newRow("a missing file") << "config=/nonexistent/unit.txt"
                                    << "" << qv5 << none << 0;
}

void TestModuleEmulator::unitItems()
{
    QFETCH(QString, items);
    QFETCH(QString, ident);
    QFETCH(int, model);
    QFETCH(int, downloadFault);

    qvsim::SequenceUnit base;
    base.module.identText = QStringLiteral("BASE");
    base.faults[Exchange::Download].fault = Fault::Silent;
    QString error;
    const auto unit = qvsim::parseUnitItems(items, base, &error);
    QCOMPARE(unit.has_value(), !ident.isEmpty());
    if (!unit) {
        QVERIFY(error.contains(items));
        return;
    }
    QCOMPARE(unit->module.identText, ident);
    QCOMPARE(int(unit->module.model), model);
    QCOMPARE(unit->module.status, qvsim::defaultStatus(qvsim::Model(model)));
    QCOMPARE(int(unit->faults[Exchange::Download].fault), downloadFault);
    QTEST(unit->looseContactMs, "loose");
}

QTEST_GUILESS_MAIN(TestModuleEmulator)
#include "tst_qvsim.moc"

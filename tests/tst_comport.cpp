// comPort and the serial primitives against the emulated module on a real pseudo-terminal.
#include "modulefixture.h"
#include "serial/comport.h"
#include "serial/identification.h"
#include "serial/replybounds.h"
#include "transfer/modulerecord.h"
#include "transfer/statusreply.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMutex>
#include <QProcess>
#include <QSerialPort>
#include <QTest>

#include <atomic>
#include <cstdio>
#include <memory>

using qvsim::Emulator;
using qvsim::Exchange;
using qvsim::Fault;

namespace {

// Diagnostics and trace lines of the serial link, caught for the checks.
QMutex capturedMutex;
QStringList captured;
QtMessageHandler previousHandler = nullptr;

void catchSerialMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (context.category && QByteArray(context.category).startsWith("qv.serial")) {
        QMutexLocker lock(&capturedMutex);
        captured << text;
        return;
    }
    if (previousHandler)
        previousHandler(type, context, text);
}

// qv.serial always on; qv.serial.trace only while a test wants it. The run's own logging
// rules switch qv.* debug output off, and they outrank rules set from code.
QLoggingCategory::CategoryFilter previousFilter = nullptr;
std::atomic<bool> traceWanted{false};

void serialFilter(QLoggingCategory *category)
{
    if (previousFilter)
        previousFilter(category);
    if (qstrcmp(category->categoryName(), "qv.serial") == 0)
        category->setEnabled(QtDebugMsg, true);
    else if (qstrcmp(category->categoryName(), "qv.serial.trace") == 0)
        category->setEnabled(QtDebugMsg, traceWanted);
}

void setTrace(bool on)
{
    traceWanted = on;
    const auto old = QLoggingCategory::installFilter(serialFilter); // applies it again
    if (old != serialFilter)
        previousFilter = old;
}

QStringList takeCaptured()
{
    QMutexLocker lock(&capturedMutex);
    return std::exchange(captured, {});
}

// Counts the bytes that advance the window and cancels after `cancelAfter` of them.
class CountingProgress : public qv::serial::ReadProgress
{
public:
    explicit CountingProgress(int cancelAfter = -1) : m_cancelAfter(cancelAfter) {}
    void advance() override { ++m_advances; }
    bool cancelled() override { return m_cancelAfter >= 0 && m_advances >= m_cancelAfter; }
    int advances() const { return m_advances; }

private:
    int m_cancelAfter;
    int m_advances = 0;
};

// Run as a child process: holds the port open until its standard input closes.
int holdPort(const char *path)
{
    int argc = 1;
    char name[] = "tst_comport";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QSerialPort port;
    port.setPortName(QString::fromLocal8Bit(path));
    if (!port.open(QIODevice::ReadWrite))
        return 1;
    std::printf("held\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}

} // namespace

class TestComPort : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void identificationKeepsCarriageReturn();
    void readOutAtChosenSpeed();
    void silenceEndsAfterTimeout_data();
    void silenceEndsAfterTimeout();
    void writesTakeWireTime();
    void slowBytes_data();
    void slowBytes();
    void replyBound_data();
    void replyBound();
    void unplugEndsPromptly_data();
    void unplugEndsPromptly();
    void secondOpenRefused();
    void secondOpenRefusedAcrossProcesses();
    void openFailures_data();
    void openFailures();
    void progressAndCancel();
    void writesByteByByte();
    void traceShowsEveryByte();
};

void TestComPort::initTestCase()
{
    // Diagnostics go to the debug output; the test run switches qv.* debug off.
    setTrace(false);
    previousHandler = qInstallMessageHandler(catchSerialMessages);
}

void TestComPort::init()
{
    takeCaptured();
}

void TestComPort::identificationKeepsCarriageReturn()
{
    auto module = startModule();
    qv::serial::comPort port(module->slavePath(), 1200);
    port.setReplyBound(qv::serial::replybound::Identification);
    QVERIFY(port.open(500, 0, 0, 0));
    QElapsedTimer clock;
    clock.start();
    port.writeText(QStringLiteral("~|"), false);
    const qv::serial::Reply reply = port.readAll();
    const qint64 elapsed = clock.elapsed();
    port.close();

    QCOMPARE(reply.end, qv::serial::ReplyEnd::Silence);
    QCOMPARE(reply.text, QStringLiteral("Q_QV5_FW2.1\r"));
    QCOMPARE(module->received(), QByteArray("~|"));
    QCOMPARE(qv::serial::evaluateIdentification(reply.text).model, int(qv::settings::ModelQV5));
    // 14 bytes at 1200 bit/s and 500 ms of silence at least: the reply ended by silence.
    QVERIFY2(elapsed >= 600, qPrintable(QString::number(elapsed)));
    QVERIFY(!port.isOpen());
}

void TestComPort::readOutAtChosenSpeed()
{
    qvsim::ModuleSetup stored;
    stored.fields = sampleFields();
    auto module = startModule({.moduleBaud = 9600}, {}, stored);
    qv::serial::comPort port(module->slavePath(), 9600);
    QVERIFY(port.open(1000, 200, 0, 0));
    port.writeText(QStringLiteral("~{"), false);
    const qv::serial::Reply reply = port.readAll();
    QCOMPARE(reply.end, qv::serial::ReplyEnd::Silence);
    QVERIFY(reply.text.contains(QStringLiteral("|\r\n")));
    QVERIFY(reply.text.contains(QChar(0xFF)));
    const qv::transfer::record::SplitResult split = qv::transfer::record::splitReadOut(reply.text);
    QCOMPARE(split.status, qv::transfer::record::SplitStatus::Ok);
    QCOMPARE(split.fields, sampleFields());
}

void TestComPort::silenceEndsAfterTimeout_data()
{
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("constant");
    QTest::newRow("port search 0 + 300") << 0 << 300;
    QTest::newRow("identification 500 + 0") << 500 << 0;
    QTest::newRow("read-out 1000 + 200") << 1000 << 200;
    QTest::newRow("download 0 + 3500") << 0 << 3500;
    QTest::newRow("status 0 + 5000") << 0 << 5000;
}

void TestComPort::silenceEndsAfterTimeout()
{
    QFETCH(int, multiplier);
    QFETCH(int, constant);
    auto module = startModule();
    qv::serial::comPort port(module->slavePath(), 1200);
    QVERIFY(port.open(multiplier, constant, 0, 0));
    QElapsedTimer clock;
    clock.start();
    const qv::serial::Reply reply = port.readAll(); // nothing was asked: the module stays silent
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(reply.end, qv::serial::ReplyEnd::Silence);
    QVERIFY(reply.text.isEmpty());
    const int timeout = multiplier + constant;
    QVERIFY2(elapsed >= timeout - 5 && elapsed < timeout + 300,
             qPrintable(QStringLiteral("%1 ms for %2").arg(elapsed).arg(timeout)));
    QVERIFY(port.isOpen()); // silence is not a failure of the port
}

void TestComPort::writesTakeWireTime()
{
    auto module = startModule(); // "A" is no request: the module stays silent
    qv::serial::SerialLine line;
    QCOMPARE(line.open({module->slavePath(), 1200, 0, 300, 0, 0}), qv::serial::OpenResult::Ok);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(line.writeBytes(QByteArray(60, 'A')), 60);
    const qint64 writing = clock.elapsed();
    QCOMPARE(line.readByte().status, qv::serial::ReadStatus::Silence);
    const qint64 total = clock.elapsed();
    // 60 bytes take 500 ms on a 1200 bit/s line: the writes never run ahead of the wire, and
    // the read's 300 ms count from when the last byte has left. (How much longer a busy
    // machine makes either is no property of the line.)
    QVERIFY2(writing >= 480, qPrintable(QString::number(writing)));
    QVERIFY2(total >= 795, qPrintable(QString::number(total)));
    QTRY_COMPARE_WITH_TIMEOUT(module->received(), QByteArray(60, 'A'), 2000);
}

void TestComPort::slowBytes_data()
{
    QTest::addColumn<int>("exchange");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("slowBytes");
    QTest::addColumn<int>("speed");
    QTest::addColumn<bool>("complete");

    QTest::newRow("identification: bursts inside the time-out make one text")
        << int(Exchange::Identification) << int(Fault::SlowUnder) << 3 << 1200 << true;
    QTest::newRow("identification: first byte after the time-out")
        << int(Exchange::Identification) << int(Fault::SlowOver) << 1 << 1200 << false;
    QTest::newRow("read-out: gaps just inside")
        << int(Exchange::ReadOut) << int(Fault::SlowUnder) << 2 << 19200 << true;
    QTest::newRow("read-out: gap just outside")
        << int(Exchange::ReadOut) << int(Fault::SlowOver) << 1 << 19200 << false;
}

void TestComPort::slowBytes()
{
    QFETCH(int, exchange);
    QFETCH(int, fault);
    QFETCH(int, slowBytes);
    QFETCH(int, speed);
    QFETCH(bool, complete);

    const bool ident = Exchange(exchange) == Exchange::Identification;
    qvsim::FaultSetup faults = qvsim::FaultSetup::only(Exchange(exchange), Fault(fault));
    faults.slowBytes = slowBytes;
    auto module = startModule({.moduleBaud = speed}, faults);
    qv::serial::comPort port(module->slavePath(), speed);
    QVERIFY(ident ? port.open(500, 0, 0, 0) : port.open(1000, 200, 0, 0));
    port.writeText(ident ? QStringLiteral("~|") : QStringLiteral("~{"), false);
    const qv::serial::Reply reply = port.readAll();
    QCOMPARE(reply.end, qv::serial::ReplyEnd::Silence);
    if (!complete) {
        QVERIFY(reply.text.isEmpty());
        return;
    }
    if (ident)
        QCOMPARE(reply.text, QStringLiteral("Q_QV5_FW2.1\r"));
    else
        QCOMPARE(qv::transfer::record::splitReadOut(reply.text).fields, qvsim::factoryFields());
}

void TestComPort::replyBound_data()
{
    QTest::addColumn<int>("exchange");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("bound");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("length");

    const int ident = int(Exchange::Identification);
    const int readOut = int(Exchange::ReadOut);
    const int overlong = int(qv::serial::ReplyEnd::Overlong);
    QTest::newRow("identification, never silent")
        << ident << int(Fault::NeverSilent) << 1200 << qv::serial::replybound::Identification
        << overlong << qv::serial::replybound::Identification;
    QTest::newRow("identification, over-long")
        << ident << int(Fault::Overlong) << 1200 << qv::serial::replybound::Identification
        << overlong << qv::serial::replybound::Identification;
    QTest::newRow("read-out, never silent")
        << readOut << int(Fault::NeverSilent) << 115200 << qv::serial::replybound::ReadOut
        << overlong << qv::serial::replybound::ReadOut;
    QTest::newRow("read-out, over-long")
        << readOut << int(Fault::Overlong) << 115200 << qv::serial::replybound::ReadOut << overlong
        << qv::serial::replybound::ReadOut;
    QTest::newRow("reply exactly at the bound is whole")
        << ident << int(Fault::None) << 1200 << 12 << int(qv::serial::ReplyEnd::Silence) << 12;
    QTest::newRow("one byte over the bound")
        << ident << int(Fault::None) << 1200 << 11 << overlong << 11;
}

void TestComPort::replyBound()
{
    QFETCH(int, exchange);
    QFETCH(int, fault);
    QFETCH(int, speed);
    QFETCH(int, bound);
    QFETCH(int, end);
    QFETCH(int, length);

    const bool ident = Exchange(exchange) == Exchange::Identification;
    auto module = startModule({.moduleBaud = speed},
                              qvsim::FaultSetup::only(Exchange(exchange), Fault(fault)));
    qv::serial::comPort port(module->slavePath(), speed);
    port.setReplyBound(bound);
    QVERIFY(ident ? port.open(500, 0, 0, 0) : port.open(1000, 200, 0, 0));
    port.writeText(ident ? QStringLiteral("~|") : QStringLiteral("~{"), false);
    const qv::serial::Reply reply = port.readAll();
    QCOMPARE(int(reply.end), end);
    QCOMPARE(reply.text.size(), length);
    QVERIFY(reply.text.startsWith(ident ? QStringLiteral("Q_QV5") : QStringLiteral("36309888000")));
    QVERIFY(!reply.isComplete() || end == int(qv::serial::ReplyEnd::Silence));
}

void TestComPort::unplugEndsPromptly_data()
{
    QTest::addColumn<int>("exchange");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("pauseMs"); // the line's silence before the pull
    QTest::newRow("identification") << int(Exchange::Identification) << 1200 << 0;
    QTest::newRow("read-out") << int(Exchange::ReadOut) << 9600 << 0;
    QTest::newRow("status") << int(Exchange::Status) << 1200 << 0;
    // Noticed later than half the time-out, yet well before it: still a hang-up.
    QTest::newRow("read-out, a pause first") << int(Exchange::ReadOut) << 9600 << 900;
}

void TestComPort::unplugEndsPromptly()
{
    QFETCH(int, exchange);
    QFETCH(int, speed);
    QFETCH(int, pauseMs);

    auto faults = qvsim::FaultSetup::only(Exchange(exchange), Fault::Unplug);
    faults.unplugPauseMs = pauseMs;
    auto module = startModule({.moduleBaud = speed}, faults);
    module->holdUnplug(true);
    qv::serial::LineSettings settings;
    QByteArray request;
    switch (Exchange(exchange)) {
    case Exchange::Identification:
        settings = qv::serial::lines::identification(module->slavePath(), speed);
        request = "~|";
        break;
    case Exchange::ReadOut:
        settings = qv::serial::lines::readOut(module->slavePath(), speed);
        request = "~{";
        break;
    default:
        settings = qv::serial::lines::status(module->slavePath());
        request = "~[";
        break;
    }
    qv::serial::SerialLine line;
    QCOMPARE(line.open(settings), qv::serial::OpenResult::Ok);
    QCOMPARE(line.writeBytes(request), 2);
    qv::serial::ReplyOptions options;
    options.endAtCr = Exchange(exchange) == Exchange::Status;
    // The pull throws away what the program has not read yet, which on a busy machine may be
    // all of it: the module pulls only once the program has read the answer's first byte.
    struct : qv::serial::ReadProgress
    {
        Emulator *module = nullptr;
        void advance() override { module->holdUnplug(false); }
        bool cancelled() override { return false; }
    } letGo;
    letGo.module = module.get();
    options.progress = &letGo;
    const qv::serial::Reply reply = line.readReply(options);

    // Gone, not Silence: the read ended when the line went, not after its time-out.
    QCOMPARE(reply.end, qv::serial::ReplyEnd::Gone);
    QVERIFY(!reply.text.isEmpty()); // the first byte was read before the pull
    QVERIFY(!line.isOpen());
    QVERIFY(module->isUnplugged());

    // The exchange is over: nothing waits again afterwards.
    QVERIFY(!line.writeByte('~'));
    QCOMPARE(line.readByte().status, qv::serial::ReadStatus::Gone);
    QCOMPARE(line.readReply(options).end, qv::serial::ReplyEnd::NotOpen);
}

void TestComPort::secondOpenRefused()
{
    auto module = startModule();
    qv::serial::comPort first(module->slavePath(), 1200);
    QVERIFY(first.open(500, 0, 0, 0));
    qv::serial::comPort second(module->slavePath(), 1200);
    QVERIFY(!second.open(500, 0, 0, 0));
    QCOMPARE(second.openResult(), qv::serial::OpenResult::OpenFailed);
    QVERIFY(!second.isOpen());
    const QStringList diagnostics = takeCaptured();
    QCOMPARE(diagnostics.size(), 1);
    QVERIFY2(diagnostics.first().startsWith(QStringLiteral("unable to open comport (")),
             qPrintable(diagnostics.first()));

    // The held port still works, and is free again once closed.
    first.writeText(QStringLiteral("~|"), false);
    QCOMPARE(first.readAll().text, QStringLiteral("Q_QV5_FW2.1\r"));
    first.close();
    QVERIFY(second.open(500, 0, 0, 0));
}

void TestComPort::secondOpenRefusedAcrossProcesses()
{
    auto module = startModule();
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--hold-port"), module->slavePath()});
    QVERIFY(holder.waitForReadyRead(5000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));

    qv::serial::comPort port(module->slavePath(), 1200);
    QVERIFY(!port.open(500, 0, 0, 0));
    QCOMPARE(port.openResult(), qv::serial::OpenResult::OpenFailed);

    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(5000));
    QCOMPARE(holder.exitCode(), 0);
    QVERIFY(port.open(500, 0, 0, 0));
}

void TestComPort::openFailures_data()
{
    QTest::addColumn<bool>("realPort");
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("readConstant");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("diagnostic");

    QTest::newRow("no such device")
        << false << "/dev/qv-no-such-port" << 1200 << 300 << int(qv::serial::OpenResult::OpenFailed)
        << "unable to open comport (/dev/qv-no-such-port: ";
    QTest::newRow("empty port name")
        << false << "" << 1200 << 300 << int(qv::serial::OpenResult::OpenFailed)
        << "unable to open comport (no port: empty port name)";
    QTest::newRow("speed zero") << true << "" << 0 << 300
                                << int(qv::serial::OpenResult::SettingsFailed)
                                << "unable to set comport dcb settings (";
    QTest::newRow("negative time-out")
        << true << "" << 1200 << -1 << int(qv::serial::OpenResult::TimeoutsFailed)
        << "unable to set comport time-out settings (";
}

void TestComPort::openFailures()
{
    QFETCH(bool, realPort);
    QFETCH(QString, port);
    QFETCH(int, baud);
    QFETCH(int, readConstant);
    QFETCH(int, result);
    QFETCH(QString, diagnostic);

    std::unique_ptr<Emulator> module;
    if (realPort) {
        module = startModule();
        port = module->slavePath();
    }
    qv::serial::comPort com(port, baud);
    QVERIFY(!com.open(0, readConstant, 0, 0));
    QCOMPARE(int(com.openResult()), result);
    QVERIFY(!com.isOpen());
    const QStringList diagnostics = takeCaptured();
    QCOMPARE(diagnostics.size(), 1);
    QVERIFY2(diagnostics.first().startsWith(diagnostic), qPrintable(diagnostics.first()));
    QVERIFY(!diagnostics.first().endsWith(QStringLiteral(": )"))); // a reason is given

    // After a failed open the port is free: a good open works at once.
    if (realPort) {
        qv::serial::comPort again(port, 1200);
        QVERIFY(again.open(500, 0, 0, 0));
    }
}

void TestComPort::progressAndCancel()
{
    auto module = startModule({.moduleBaud = 115200});
    {
        qv::serial::comPort port(module->slavePath(), 115200);
        QVERIFY(port.open(1000, 200, 0, 0));
        port.writeText(QStringLiteral("~{"), false);
        CountingProgress progress;
        const qv::serial::Reply reply = port.readAll(&progress);
        QCOMPARE(reply.end, qv::serial::ReplyEnd::Silence);
        QCOMPARE(progress.advances(), reply.text.size() - reply.text.count(u'\r'));
    }
    {
        qv::serial::comPort port(module->slavePath(), 115200);
        QVERIFY(port.open(1000, 200, 0, 0));
        port.writeText(QStringLiteral("~{"), false);
        CountingProgress progress(100);
        const qv::serial::Reply reply = port.readAll(&progress);
        QCOMPARE(reply.end, qv::serial::ReplyEnd::Cancelled); // between bytes, not by silence
        QCOMPARE(progress.advances(), 100);
        QCOMPARE(reply.text.size() - reply.text.count(u'\r'), 100);
    }
}

void TestComPort::writesByteByByte()
{
    auto module = startModule();
    qv::serial::comPort port(module->slavePath(), 1200);
    QVERIFY(port.open(500, 0, 0, 0));
    port.writeText(QString::fromUtf8("A\u0151\u00E9"), true); // ő has no byte: 0
    port.writeChar('x', true);
    port.writeCr();
    const QByteArray expected("A\0\xE9\rx\r\r", 7);
    QTRY_COMPARE_WITH_TIMEOUT(module->received(), expected, 2000);
}

void TestComPort::traceShowsEveryByte()
{
    auto module = startModule();
    setTrace(true);
    qv::serial::comPort port(module->slavePath(), 1200);
    QVERIFY(port.open(500, 0, 0, 0));
    port.writeText(QStringLiteral("~|"), false);
    const qv::serial::Reply reply = port.readAll();
    port.close();
    setTrace(false);

    const QStringList lines = takeCaptured();
    const QString all = lines.join(u'\n');
    QVERIFY2(all.contains(QStringLiteral(" >> 7E '~'")), qPrintable(all));
    QVERIFY(all.contains(QStringLiteral(" >> 7C '|'")));
    QVERIFY(all.contains(QStringLiteral(" << 51 'Q'")));
    QVERIFY(all.contains(QStringLiteral(" << 0D CR")));
    QVERIFY(all.contains(QStringLiteral("silence 500 ms")));
    QCOMPARE(lines.filter(QStringLiteral(" << ")).size(), reply.text.size());
    QVERIFY(lines.first().startsWith(module->slavePath() + u' '));

    // Off again: nothing more is logged.
    QVERIFY(port.open(500, 0, 0, 0));
    port.writeText(QStringLiteral("~|"), false);
    port.readAll();
    QVERIFY(takeCaptured().isEmpty());
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--hold-port") == 0)
        return holdPort(argv[2]);
    QCoreApplication app(argc, argv);
    TestComPort test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_comport.moc"

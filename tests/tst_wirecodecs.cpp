// The wire formats shared by the program and the emulator: read-out replies, download
// records, telephone flag characters, status lines, identification and port names.
#include "serial/identification.h"
#include "serial/portmessages.h"
#include "serial/portnames.h"
#include "transfer/modulerecord.h"
#include "transfer/outcometexts.h"
#include "transfer/statusreply.h"

#include <QTest>

using namespace qv;

namespace {

QStringList sampleFields()
{
    QStringList fields;
    for (int i = 0; i < transfer::record::FieldCount; ++i)
        fields << QStringLiteral("F%1").arg(i);
    fields[12] = QString(); // reserved fields are empty
    fields[47] = QString();
    fields[3] = QStringLiteral("QV MODUL");
    fields[48] = transfer::record::encodeTelephone(0x43, true, 3, QStringLiteral("36201234567"));
    return fields;
}

// A raw read-out reply from pieces joined by "|".
QString joined(const QStringList &pieces)
{
    return pieces.join(u'|');
}

} // namespace

class TestWireCodecs : public QObject
{
    Q_OBJECT

private slots:
    void splitReadOut_data();
    void splitReadOut();
    void readOutRoundTrip_data();
    void readOutRoundTrip();
    void latin1KeepsEveryByte();
    void downloadRecord();
    void receiveDownload_data();
    void receiveDownload();
    void decodeTelephone_data();
    void decodeTelephone();
    void telephoneRoundTrip();
    void parseStatus_data();
    void parseStatus();
    void signalBar_data();
    void signalBar();
    void statusRoundTrip();
    void identification_data();
    void identification();
    void portPath_data();
    void portPath();
    void resultTexts_data();
    void resultTexts();
};

void TestWireCodecs::splitReadOut_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("firstField");
    QTest::addColumn<QString>("lastField");

    QStringList fifty6;
    for (int i = 0; i < 56; ++i)
        fifty6 << QStringLiteral("v%1").arg(i);
    const int ok = int(transfer::record::SplitStatus::Ok);
    const int wrong = int(transfer::record::SplitStatus::WrongCount);
    const int none = int(transfer::record::SplitStatus::NoSeparator);

    QTest::newRow("empty reply") << QString() << none << 0 << QString() << QString();
    QTest::newRow("text without separator")
        << QStringLiteral("Q_QV5") << none << 0 << QString() << QString();
    QTest::newRow("56 plain fields") << joined(fifty6) << ok << 56 << "v0"
                                     << "v55";
    QTest::newRow("trailing separator") << joined(fifty6) + u'|' << ok << 56 << "v0"
                                        << "v55";
    {
        QString crlf;
        for (int i = 0; i < 56; ++i)
            crlf += fifty6[i] + ((i % 4 == 3) ? QStringLiteral("|\r\n") : QStringLiteral("|"));
        QTest::newRow("CR LF after every fourth, doubled separators") << crlf << ok << 56 << "v0"
                                                                      << "v55";
    }
    {
        QString lines;
        for (const QString &f : fifty6)
            lines += f + QStringLiteral("\n");
        QTest::newRow("LF only, no bars") << lines << ok << 56 << "v0"
                                          << "v55";
        QString crs = lines;
        crs.replace(u'\n', u'\r');
        QTest::newRow("CR only, no bars") << crs << ok << 56 << "v0"
                                          << "v55";
    }
    {
        QStringList erased = fifty6;
        erased[55] = QString(16, QChar(0xFF));
        QTest::newRow("field all 0xFF becomes empty") << joined(erased) << ok << 56 << "v0"
                                                      << "";
        erased[55] = QStringLiteral("ab") + QString(14, QChar(0xFF));
        QTest::newRow("0xFF padding trimmed") << joined(erased) << ok << 56 << "v0"
                                              << "ab";
        erased[55] = QStringLiteral("   ");
        QTest::newRow("blank field stays as empty") << joined(erased) << ok << 56 << "v0"
                                                    << "";
        erased[55] = QStringLiteral("  x  ");
        QTest::newRow("only trailing blanks go") << joined(erased) << ok << 56 << "v0"
                                                 << "  x";
    }
    {
        QStringList missing = fifty6;
        missing[10] = QString();
        QTest::newRow("empty raw field drops: 55") << joined(missing) << wrong << 55 << "v0"
                                                   << "v55";
    }
    QTest::newRow("57 fields") << joined(fifty6 + QStringList{QStringLiteral("x")}) << wrong << 57
                               << "v0"
                               << "x";
}

void TestWireCodecs::splitReadOut()
{
    QFETCH(QString, reply);
    QFETCH(int, status);
    QFETCH(int, count);
    QFETCH(QString, firstField);
    QFETCH(QString, lastField);

    const transfer::record::SplitResult r = transfer::record::splitReadOut(reply);
    QCOMPARE(int(r.status), status);
    QCOMPARE(r.count, count);
    QCOMPARE(r.fields.size(), count);
    if (count > 0) {
        QCOMPARE(r.fields.first(), firstField);
        QCOMPARE(r.fields.last(), lastField);
    }
}

void TestWireCodecs::readOutRoundTrip_data()
{
    using Style = transfer::record::ReadOutStyle;
    QTest::addColumn<bool>("separators");
    QTest::addColumn<int>("lineEnd");
    QTest::addColumn<int>("perLine");
    QTest::addColumn<int>("padding");
    QTest::addColumn<bool>("survives");

    QTest::newRow("module default")
        << true << int(Style::LineEnd::CrLf) << 4 << int(Style::Padding::Erased) << true;
    QTest::newRow("bars only, blanks")
        << true << int(Style::LineEnd::None) << 0 << int(Style::Padding::Blanks) << true;
    QTest::newRow("one per line, LF, no bars")
        << false << int(Style::LineEnd::Lf) << 1 << int(Style::Padding::Blanks) << true;
    QTest::newRow("CR after each, with bars")
        << true << int(Style::LineEnd::Cr) << 1 << int(Style::Padding::Erased) << true;
    QTest::newRow("unpadded loses the empty fields")
        << true << int(Style::LineEnd::CrLf) << 4 << int(Style::Padding::None) << false;
}

void TestWireCodecs::readOutRoundTrip()
{
    QFETCH(bool, separators);
    QFETCH(int, lineEnd);
    QFETCH(int, perLine);
    QFETCH(int, padding);
    QFETCH(bool, survives);

    transfer::record::ReadOutStyle style;
    style.separators = separators;
    style.lineEnd = transfer::record::ReadOutStyle::LineEnd(lineEnd);
    style.fieldsPerLine = perLine;
    style.padding = transfer::record::ReadOutStyle::Padding(padding);
    const QStringList fields = sampleFields();
    const transfer::record::SplitResult r = transfer::record::splitReadOut(
        transfer::record::fromWire(transfer::record::encodeReadOut(fields, style)));
    if (survives) {
        QCOMPARE(r.status, transfer::record::SplitStatus::Ok);
        QCOMPARE(r.fields, fields);
    } else {
        QCOMPARE(r.status, transfer::record::SplitStatus::WrongCount);
        QCOMPARE(r.count, 54);
    }
}

void TestWireCodecs::latin1KeepsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = transfer::record::fromWire(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0xAF).unicode(), char16_t(0xAF));
    QCOMPARE(transfer::record::toWire(text), all);
    QCOMPARE(transfer::record::toWire(QStringLiteral("a\u0151b")),
             QByteArray("a\0b", 3)); // ő has no byte
}

void TestWireCodecs::downloadRecord()
{
    const QStringList fields = sampleFields();
    const QString rec = transfer::record::buildDownloadRecord(fields);
    QCOMPARE(rec.size(), 56 * 17);
    QVERIFY(rec.endsWith(u'|'));
    QCOMPARE(rec.left(17), QStringLiteral("F0              |"));

    const QStringList lines = transfer::record::downloadLines(rec);
    QCOMPARE(lines.size(), 57);
    QVERIFY(lines.last().isEmpty());

    const QByteArray wire = transfer::record::downloadWire(rec);
    QCOMPARE(wire.size(), 56 * 17 + 1); // with "~}" the program sends 955 bytes
    QVERIFY(wire.endsWith("\r\r"));
    QCOMPARE(quint8(wire.at(48 * 17)), quint8(0x30 + 0x43)); // rights character unchanged

    const transfer::record::Receipt receipt = transfer::record::receiveDownload(wire);
    QCOMPARE(receipt.status, transfer::record::ReceiptStatus::Complete);
    QCOMPARE(receipt.items, lines.mid(0, 56));
    QCOMPARE(transfer::record::splitReadOut(
                 transfer::record::fromWire(transfer::record::encodeReadOut(receipt.items, {})))
                 .fields,
             fields);

    // A longer value is never cut.
    QCOMPARE(transfer::record::padItem(QStringLiteral("12345678901234567")).size(), 17);
}

void TestWireCodecs::receiveDownload_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("items");

    QByteArray lines;
    for (int i = 0; i < 56; ++i)
        lines += QByteArray(16, 'a' + i % 26) + '\r';
    QTest::newRow("nothing yet") << QByteArray() << int(transfer::record::ReceiptStatus::Incomplete)
                                 << 0;
    QTest::newRow("half a line") << QByteArray("abc")
                                 << int(transfer::record::ReceiptStatus::Incomplete) << 0;
    QTest::newRow("56 lines, no end yet")
        << lines << int(transfer::record::ReceiptStatus::Incomplete) << 56;
    QTest::newRow("complete") << lines + '\r' << int(transfer::record::ReceiptStatus::Complete)
                              << 56;
    QTest::newRow("57th line not empty")
        << lines + "x\r" << int(transfer::record::ReceiptStatus::Malformed) << 56;
    QTest::newRow("empty line too early")
        << lines.left(17) + '\r' << int(transfer::record::ReceiptStatus::Malformed) << 1;
}

void TestWireCodecs::receiveDownload()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(int, items);
    const transfer::record::Receipt r = transfer::record::receiveDownload(bytes);
    QCOMPARE(int(r.status), status);
    QCOMPARE(r.items.size(), items);
}

void TestWireCodecs::decodeTelephone_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("hasFlags");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("selection");
    QTest::addColumn<QString>("number");

    QTest::newRow("?4 with number")
        << QStringLiteral("?436209300099") << true << 143 << 4 << QStringLiteral("36209300099");
    QTest::newRow("09 empty number") << QStringLiteral("09") << true << 0 << 1 << QString();
    QTest::newRow("08 factory entry") << QStringLiteral("08") << true << 0 << 0 << QString();
    QTest::newRow("s3: inputs 1, 2 and call, SMS")
        << QStringLiteral("s3") << true << (67 | 128) << 3 << QString();
    // A rights character above 0x7F is negative as a signed byte; bits 0..7 still hold.
    QTest::newRow("0xAF: all seven rights, no SMS")
        << QString(QChar(0xAF)) + u'8' << true << 127 << 0 << QString();
    QTest::newRow("selection byte above 0x7F")
        << QString(QChar(u'0')) + QChar(0x90) << true << 128 << (qint8(0x90) - 0x30) << QString();
    QTest::newRow("one character") << QStringLiteral("5") << false << 0 << 0 << QString();
    QTest::newRow("empty") << QString() << false << 0 << 0 << QString();
}

void TestWireCodecs::decodeTelephone()
{
    QFETCH(QString, field);
    QFETCH(bool, hasFlags);
    QFETCH(int, flags);
    QFETCH(int, selection);
    QFETCH(QString, number);
    const transfer::record::TelephoneEntry e = transfer::record::decodeTelephone(field);
    QCOMPARE(e.hasFlags, hasFlags);
    QCOMPARE(e.flags, flags);
    QCOMPARE(e.selection, selection);
    QCOMPARE(e.number, number);
}

void TestWireCodecs::telephoneRoundTrip()
{
    for (int rights = 0; rights < 128; ++rights) {
        for (int output = 0; output <= 4; ++output) {
            for (const bool sms : {false, true}) {
                const QString field =
                    transfer::record::encodeTelephone(rights, sms, output, QStringLiteral("3630"));
                const transfer::record::TelephoneEntry e = transfer::record::decodeTelephone(field);
                QCOMPARE(e.flags, rights | (sms ? 128 : 0));
                QCOMPARE(e.selection, output);
                QCOMPARE(e.number, QStringLiteral("3630"));
                // Every flag character survives the wire.
                QCOMPARE(transfer::record::fromWire(transfer::record::toWire(field)), field);
            }
        }
    }
}

void TestWireCodecs::parseStatus_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("outputs");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("analog");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<bool>("supply");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("version");

    QTest::newRow("typical") << "OUTP:1010 IN:0110 AN:12.5 CNT:00042 POWER:1 GSMQ:3 ALRM:0 FW2.1"
                             << true << "1010"
                             << "0110"
                             << "12.5"
                             << "00042" << true << 3 << "FW2.1";
    QTest::newRow("exactly eight, short fields") << "a b c d e f g h" << true << "0000"
                                                 << "0000"
                                                 << ""
                                                 << "" << false << 0 << "h";
    QTest::newRow("seven fields") << "OUTP:1010 IN:0110 AN:1 CNT:2 POWER:1 GSMQ:3 ALRM:0" << false
                                  << ""
                                  << ""
                                  << ""
                                  << "" << false << 0 << "";
    QTest::newRow("empty fields count")
        << "OUTP:1111  AN:3.3 CNT:1 POWER:0 GSMQ:x  V" << true << "1111"
        << "0000"
        << "3.3"
        << "1" << false << 0 << "V";
    QTest::newRow("only '1' is on")
        << "OUTP:1x1y IN:1-1+ AN: CNT: POWER:2 GSMQ:5 _ V1" << true << "1010"
        << "1010"
        << ""
        << "" << false << 5 << "V1";
    QTest::newRow("empty line") << "" << false << ""
                                << ""
                                << ""
                                << "" << false << 0 << "";
}

void TestWireCodecs::parseStatus()
{
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(QString, outputs);
    QFETCH(QString, inputs);
    QFETCH(QString, analog);
    QFETCH(QString, counter);
    QFETCH(bool, supply);
    QFETCH(int, signal);
    QFETCH(QString, version);

    const transfer::status::ParseResult r = transfer::status::parseStatusLine(line);
    QCOMPARE(r.result == transfer::status::ParseStatus::Ok, ok);
    if (!ok) {
        QVERIFY(r.fieldCount < transfer::status::MinimumFields);
        return;
    }
    QString outs, ins;
    for (int i = 0; i < 4; ++i) {
        outs += r.status.outputs[i] ? u'1' : u'0';
        ins += r.status.inputs[i] ? u'1' : u'0';
    }
    QCOMPARE(outs, outputs);
    QCOMPARE(ins, inputs);
    QCOMPARE(r.status.analog, analog);
    QCOMPARE(r.status.counter, counter);
    QCOMPARE(r.status.supply, supply);
    QCOMPARE(r.status.signalLevel, signal);
    QCOMPARE(r.status.version, version);
}

void TestWireCodecs::signalBar_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("bar");
    QTest::newRow("0") << 0 << 10;
    QTest::newRow("1") << 1 << 10;
    QTest::newRow("2") << 2 << 20;
    QTest::newRow("3") << 3 << 30;
    QTest::newRow("5") << 5 << 50;
    QTest::newRow("7") << 7 << 10;
    QTest::newRow("negative") << -4 << 10;
    QTest::newRow("huge, no overflow") << 2147483647 << 10;
    QTest::newRow("ten times would overflow") << 214748365 << 10;
}

void TestWireCodecs::signalBar()
{
    QFETCH(int, level);
    QFETCH(int, bar);
    QCOMPARE(transfer::status::signalBarValue(level), bar);
}

void TestWireCodecs::statusRoundTrip()
{
    transfer::status::ModuleStatus s;
    s.outputs = {true, false, true, true};
    s.inputs = {false, false, true, false};
    s.analog = QStringLiteral("27.9");
    s.counter = QStringLiteral("65535");
    s.supply = true;
    s.signalLevel = 2;
    s.version = QStringLiteral("Q_QV3_FW2.1");
    const transfer::status::ParseResult r =
        transfer::status::parseStatusLine(transfer::status::buildStatusLine(s));
    QCOMPARE(r.result, transfer::status::ParseStatus::Ok);
    QCOMPARE(r.fieldCount, 8);
    QCOMPARE(r.status, s);
}

void TestWireCodecs::identification_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isModule");
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("searchHit");

    QTest::newRow("QV5 with CR") << "Q_QV5_FW2.1\r"
                                 << "Q_QV5_FW2.1" << true << 1 << true;
    QTest::newRow("QV3") << "Q_QV3"
                         << "Q_QV3" << true << 2 << true;
    QTest::newRow("BRK2") << "Q_BRK2_FW1.4"
                          << "Q_BRK2_FW1.4" << true << 3 << true;
    QTest::newRow("lower case identified") << "q_qv3"
                                           << "Q_QV3" << true << 2 << false;
    QTest::newRow("LF stays") << "Q_QV5\n"
                              << "Q_QV5\n"
                              << true << 0 << true;
    QTest::newRow("CR inside removed") << "Q_Q\rV5"
                                       << "Q_QV5" << true << 1 << true;
    QTest::newRow("letter at the end") << "Q_QVX_FW"
                                       << "Q_QVX_FW" << true << 0 << true;
    QTest::newRow("no second field") << "Q_"
                                     << "Q_" << true << 0 << true;
    QTest::newRow("other text") << "OK"
                                << "OK" << false << 0 << false;
    QTest::newRow("nothing") << ""
                             << "" << false << 0 << false;
}

void TestWireCodecs::identification()
{
    QFETCH(QString, reply);
    QFETCH(QString, text);
    QFETCH(bool, isModule);
    QFETCH(int, model);
    QFETCH(bool, searchHit);
    const qv::serial::Identification id = qv::serial::evaluateIdentification(reply);
    QCOMPARE(id.text, text);
    QCOMPARE(id.isModule, isModule);
    QCOMPARE(id.model, model);
    QCOMPARE(qv::serial::answersAsModule(reply), searchHit);
}

void TestWireCodecs::portPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("path");

    QTest::newRow("win COM1") << "COM1" << true << "\\\\.\\COM1";
    QTest::newRow("win COM15") << "COM15" << true << "\\\\.\\COM15";
    QTest::newRow("win prefixed") << "\\\\.\\COM3" << true << "\\\\.\\COM3";
    QTest::newRow("unix COM1") << "COM1" << false << "/dev/ttyS0";
    QTest::newRow("unix COM15") << "COM15" << false << "/dev/ttyS14";
    QTest::newRow("unix com2") << "com2" << false << "/dev/ttyS1";
    QTest::newRow("unix COM0 is no alias") << "COM0" << false << "/dev/COM0";
    QTest::newRow("unix COMX") << "COMX" << false << "/dev/COMX";
    QTest::newRow("unix ttyUSB0") << "ttyUSB0" << false << "/dev/ttyUSB0";
    QTest::newRow("unix ttyACM1") << "ttyACM1" << false << "/dev/ttyACM1";
    QTest::newRow("unix pty") << "/dev/pts/7" << false << "/dev/pts/7";
    QTest::newRow("unix by-id") << "/dev/serial/by-id/usb-FTDI-if00" << false
                                << "/dev/serial/by-id/usb-FTDI-if00";
    QTest::newRow("unix relative") << "./module" << false << "./module";
    QTest::newRow("empty") << "" << false << "";
}

void TestWireCodecs::portPath()
{
    QFETCH(QString, name);
    QFETCH(bool, windows);
    QFETCH(QString, path);
    QCOMPARE(qv::serial::systemPortPath(name, windows ? qv::serial::PortNaming::Windows
                                                      : qv::serial::PortNaming::Unix),
             path);
}

QTEST_GUILESS_MAIN(TestWireCodecs)
// What a failed read-out's message gets beneath it, the status bar's line after one that
// succeeded, and what the commands say about a port.
void TestWireCodecs::resultTexts_data()
{
    using qv::transfer::ReadOutEnd;
    using qv::transfer::ReadOutStatus;
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    auto cause = [](ReadOutEnd end, qsizetype received, ReadOutStatus status, int count,
                    bool overlong = false) {
        qv::transfer::ReadOutOutcome outcome;
        outcome.end = end;
        outcome.received = received;
        outcome.overlong = overlong;
        outcome.decoded.status = status;
        outcome.decoded.count = count;
        return qv::transfer::readOutCause(outcome);
    };
    const QString silence = QLocale().toString(1.2, 'f', 1);
    QTest::newRow("nothing received")
        << cause(ReadOutEnd::Malformed, 0, ReadOutStatus::NoSeparator, 0)
        << QStringLiteral("A modul nem válaszolt (%1 s csend).").arg(silence);
    QTest::newRow("cut reply") << cause(ReadOutEnd::Malformed, 500, ReadOutStatus::WrongCount, 30)
                               << QStringLiteral("A válasz megszakadt: 30 mező érkezett az 56 "
                                                 "helyett, majd %1 s csend.")
                                      .arg(silence);
    QTest::newRow("too many fields")
        << cause(ReadOutEnd::Malformed, 1100, ReadOutStatus::WrongCount, 60)
        << QStringLiteral("60 mező érkezett az 56 helyett.");
    QTest::newRow("no separator") << cause(ReadOutEnd::Malformed, 12, ReadOutStatus::NoSeparator, 0)
                                  << QStringLiteral("12 bájt érkezett mezőelválasztó nélkül: nem "
                                                    "konfiguráció, vagy más a beállított "
                                                    "elválasztó.");
    QTest::newRow("endless") << cause(ReadOutEnd::Malformed, 4097, ReadOutStatus::NoSeparator, 0,
                                      true)
                             << QStringLiteral("A válasz hosszabb bármely konfigurációnál (4097 "
                                               "bájt): nem a modul válaszolt, vagy zajos a vonal.");
    QTest::newRow("port gone: its message says it")
        << cause(ReadOutEnd::Vanished, 300, ReadOutStatus::NoSeparator, 0) << QString();

    QStringList fields(56);
    fields[2] = QStringLiteral("0042");
    fields[3] = QStringLiteral("Kapu modul      ");
    const QDateTime noon(QDate(2026, 5, 4), QTime(12, 3, 40));
    QTest::newRow("read-out") << qv::transfer::readOutSummary(QStringLiteral("Q_QV5"), fields, noon)
                              << QStringLiteral("Kiolvasva: Q_QV5, 0042 Kapu modul, 12:03");
    fields[3].clear();
    QTest::newRow("read-out, no name")
        << qv::transfer::readOutSummary(QStringLiteral("Q_BRK2"), fields, noon)
        << QStringLiteral("Kiolvasva: Q_BRK2, 0042, 12:03");

    QTest::newRow("no module") << qv::serial::noModuleText(QStringLiteral("/dev/ttyUSB0"), 1200)
                               << QStringLiteral("Nem válaszolt modul a(z) /dev/ttyUSB0 porton "
                                                 "(1200 bit/s).");
    QTest::newRow("COM1 here")
        << qv::serial::missingPortText(QStringLiteral("COM1"),
                                       {QStringLiteral("ttyS1"), QStringLiteral("ttyUSB0")})
        << QStringLiteral("A(z) COM1 ezen a gépen a(z) /dev/ttyS0 port volna, de ilyen nincs. A "
                          "gép soros portjai: ttyS1, ttyUSB0.");
    QTest::newRow("no port at all")
        << qv::serial::missingPortText(QStringLiteral("/dev/ttyUSB9"), {})
        << QStringLiteral("A(z) /dev/ttyUSB9 port ezen a gépen nem létezik. A gépen nincs soros "
                          "port: csatlakoztassa az adaptert.");
}

void TestWireCodecs::resultTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

#include "tst_wirecodecs.moc"

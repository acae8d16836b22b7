// The configuration file format: lines to values and back, bounds on what is read.
#include "files/configformat.h"

#include <QBuffer>
#include <QTest>

using namespace qv::files;

Q_DECLARE_METATYPE(qv::files::ReadStatus)

namespace {

// A device that never ends: `pattern` repeated for ever. Counts what it hands out.
class EndlessDevice : public QIODevice
{
public:
    explicit EndlessDevice(QByteArray pattern) : m_pattern(std::move(pattern))
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 1 << 20; }
    qint64 delivered = 0;

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        for (qint64 i = 0; i < maxSize; ++i)
            data[i] = m_pattern.at((delivered + i) % m_pattern.size());
        delivered += maxSize;
        return maxSize;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_pattern;
};

// A file whose every read fails, as a damaged medium does.
class FailingDevice : public QIODevice
{
public:
    FailingDevice() { open(QIODevice::ReadOnly); }
    qint64 size() const override { return 1000; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override { return -1; }
};

ReadResult readBytes(const QByteArray &bytes, int valueLines)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readConfig(buffer, valueLines);
}

} // namespace

class TestConfigFormat : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void readLongLines_data();
    void readLongLines();
    void endlessInputIsReadOnlyAsFarAsNeeded_data();
    void endlessInputIsReadOnlyAsFarAsNeeded();
    void readErrorIsReported();
    void write_data();
    void write();
    void roundTripOfAFullFile();
    void displayFileName_data();
    void displayFileName();
};

void TestConfigFormat::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ReadStatus>("status");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("footer");

    const QStringList abc{"a", "b", "c"};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\nc\r\n") << ReadStatus::Ok << abc
                           << QStringList();
    QTest::newRow("LF") << QByteArray("a\nb\nc\n") << ReadStatus::Ok << abc << QStringList();
    QTest::newRow("mixed line ends")
        << QByteArray("a\r\nb\nc\r\n") << ReadStatus::Ok << abc << QStringList();
    QTest::newRow("last line without end")
        << QByteArray("a\nb\nc") << ReadStatus::Ok << abc << QStringList();
    QTest::newRow("empty lines are values")
        << QByteArray("\r\n\r\n\r\n") << ReadStatus::Ok << QStringList{"", "", ""} << QStringList();
    QTest::newRow("blanks are kept") << QByteArray(" a \r\n\tb\r\nc  \r\n") << ReadStatus::Ok
                                     << QStringList{" a ", "\tb", "c  "} << QStringList();
    QTest::newRow("too few lines") << QByteArray("a\r\nb\r\n") << ReadStatus::TooFewLines
                                   << QStringList{"a", "b"} << QStringList();
    QTest::newRow("empty file") << QByteArray() << ReadStatus::TooFewLines << QStringList()
                                << QStringList();
    QTest::newRow("end marker inside the values is a value")
        << QByteArray("a\r\n---\r\nc\r\n") << ReadStatus::Ok << QStringList{"a", "---", "c"}
        << QStringList();
    QTest::newRow("end marker as the first line is a value")
        << QByteArray("---\r\nb\r\nc\r\n") << ReadStatus::Ok << QStringList{"---", "b", "c"}
        << QStringList();
    QTest::newRow("end marker after the values ends the file")
        << QByteArray("a\r\nb\r\nc\r\n---\r\nfoot\r\n") << ReadStatus::Ok << abc << QStringList();
    QTest::newRow("two footer lines, more ignored")
        << QByteArray("a\r\nb\r\nc\r\nf1\r\nf2\r\nf3\r\n") << ReadStatus::Ok << abc
        << QStringList{"f1", "f2"};
    QTest::newRow("one footer line")
        << QByteArray("a\r\nb\r\nc\r\nf1") << ReadStatus::Ok << abc << QStringList{"f1"};
    QTest::newRow("footer ended by the marker") << QByteArray("a\r\nb\r\nc\r\nf1\r\n---\r\nf2\r\n")
                                                << ReadStatus::Ok << abc << QStringList{"f1"};
    QTest::newRow("footer may be rich text")
        << QByteArray("a\nb\nc\n<a href=\"x\">&copy; y</a>\n") << ReadStatus::Ok << abc
        << QStringList{"<a href=\"x\">&copy; y</a>"};
    QTest::newRow("UTF-8 text") << QByteArray("\xc3\xa9\r\nb\r\nc\r\n") << ReadStatus::Ok
                                << QStringList{QStringLiteral("é"), "b", "c"} << QStringList();
    QTest::newRow("Latin-1 line kept byte for byte")
        << QByteArray("KAPU \xc9\xd5\r\nb\r\n\xc3\xa9\r\n") << ReadStatus::Ok
        << QStringList{QStringLiteral("KAPU ÉÕ"), "b", QStringLiteral("é")} << QStringList();
    QTest::newRow("UTF-16 with its mark") << QByteArray("\xff\xfe"
                                                        "a\0\r\0\n\0b\0\r\0\n\0c\0\r\0\n\0",
                                                        20)
                                          << ReadStatus::WideText << QStringList() << QStringList();
}

void TestConfigFormat::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ReadStatus, status);
    QFETCH(QStringList, values);
    QFETCH(QStringList, footer);

    const ReadResult result = readBytes(bytes, 3);
    QCOMPARE(result.status, status);
    QCOMPARE(result.values, values);
    QCOMPARE(result.footer, footer);
    QCOMPARE(result.linesRead, values.size() + footer.size());
}

void TestConfigFormat::readLongLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ReadStatus>("status");
    QTest::addColumn<int>("values");
    QTest::addColumn<int>("footer");

    const QByteArray longest(kMaxLineBytes, 'x'), tooLong(kMaxLineBytes + 1, 'x');
    QTest::newRow("longest value with CR LF")
        << QByteArray("a\r\n" + longest + "\r\nc\r\n") << ReadStatus::Ok << 3 << 0;
    QTest::newRow("longest value as the last line")
        << QByteArray("a\r\nb\r\n" + longest) << ReadStatus::Ok << 3 << 0;
    QTest::newRow("value one byte too long")
        << QByteArray("a\r\n" + tooLong + "\r\nc\r\n") << ReadStatus::LineTooLong << 1 << 0;
    QTest::newRow("last value too long, no line end")
        << QByteArray("a\r\nb\r\n" + tooLong) << ReadStatus::LineTooLong << 2 << 0;
    QTest::newRow("binary without line ends")
        << QByteArray(1 << 20, '\0') << ReadStatus::LineTooLong << 0 << 0;
    QTest::newRow("too long footer line ends the footer")
        << QByteArray("a\nb\nc\nf1\n" + tooLong + "\nf3\n") << ReadStatus::Ok << 3 << 1;
}

void TestConfigFormat::readLongLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ReadStatus, status);
    QFETCH(int, values);
    QFETCH(int, footer);

    const ReadResult result = readBytes(bytes, 3);
    QCOMPARE(result.status, status);
    QCOMPARE(result.values.size(), values);
    QCOMPARE(result.footer.size(), footer);
    for (const QString &line : result.values + result.footer)
        QVERIFY(line.size() <= kMaxLineBytes);
}

void TestConfigFormat::endlessInputIsReadOnlyAsFarAsNeeded_data()
{
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<ReadStatus>("status");
    QTest::addColumn<int>("values");
    QTest::addColumn<int>("footer");

    QTest::newRow("endless short lines")
        << QByteArray("0\r\n") << ReadStatus::Ok << kValueLines << kFooterLines;
    QTest::newRow("endless end markers")
        << QByteArray("---\n") << ReadStatus::Ok << kValueLines << 0;
    QTest::newRow("endless bytes without line end")
        << QByteArray("\x01\xff") << ReadStatus::LineTooLong << 0 << 0;
}

void TestConfigFormat::endlessInputIsReadOnlyAsFarAsNeeded()
{
    QFETCH(QByteArray, pattern);
    QFETCH(ReadStatus, status);
    QFETCH(int, values);
    QFETCH(int, footer);

    EndlessDevice device(pattern);
    const ReadResult result = readConfig(device);
    QCOMPARE(result.status, status);
    QCOMPARE(result.values.size(), values);
    QCOMPARE(result.footer.size(), footer);
    // Whatever the device's own read-ahead, nothing near the whole input is taken.
    QVERIFY2(device.delivered < 256 * 1024, QByteArray::number(device.delivered).constData());
}

void TestConfigFormat::readErrorIsReported()
{
    FailingDevice device;
    QCOMPARE(readConfig(device).status, ReadStatus::ReadError);
}

void TestConfigFormat::write_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("every line ends in CR LF")
        << QStringList{"+", "36309888000", "", "1"} << QByteArray("+\r\n36309888000\r\n\r\n1\r\n");
    QTest::newRow("end marker written as it stands")
        << QStringList{"---", "a"} << QByteArray("---\r\na\r\n");
    QTest::newRow("line breaks inside a value become blanks")
        << QStringList{"a\nb", "c\r\nd", "e"} << QByteArray("a b\r\nc  d\r\ne\r\n");
    QTest::newRow("no values, no bytes") << QStringList() << QByteArray();
}

void TestConfigFormat::write()
{
    QFETCH(QStringList, values);
    QFETCH(QByteArray, bytes);
    QCOMPARE(writeConfig(values), bytes);
}

void TestConfigFormat::roundTripOfAFullFile()
{
    QStringList values;
    for (int i = 0; i < kLineEdits; ++i)
        values << (i % 7 == 0    ? QString()
                   : i % 11 == 0 ? QStringLiteral("---")
                                 : QStringLiteral("v%1 x").arg(i));
    values << QStringLiteral("é ű"); // the system encoding carries accents both ways
    for (int i = 0; i < kCheckBoxes + kRadioButtons - 1; ++i)
        values << flagLine(i % 3 == 0);
    QCOMPARE(values.size(), kValueLines);

    const QByteArray bytes = writeConfig(values);
    QCOMPARE(bytes.count("\r\n"), kValueLines);
    QVERIFY(bytes.endsWith("\r\n"));
    const ReadResult result = readBytes(bytes, kValueLines);
    QCOMPARE(result.status, ReadStatus::Ok);
    QCOMPARE(result.values, values);
    QVERIFY(result.footer.isEmpty());
}

// The name shown for a file, and the path a typed name is saved under.
void TestConfigFormat::displayFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("savedAs");

    QTest::newRow("usual") << "/tmp/conf/a.msw"
                           << "a.msw"
                           << "/tmp/conf/a.msw";
    QTest::newRow("no dot gets one") << "/tmp/conf/noext"
                                     << "noext."
                                     << "/tmp/conf/noext.msw";
    QTest::newRow("two dots") << "/tmp/a.b.msw"
                              << "a.b.msw"
                              << "/tmp/a.b.msw";
    QTest::newRow("relative") << "rel/x.MSW"
                              << "x.MSW"
                              << "rel/x.MSW";
    QTest::newRow("defaults file") << "defval_qv.dll"
                                   << "defval_qv.dll"
                                   << "defval_qv.dll";
    QTest::newRow("trailing dot") << "/tmp/x."
                                  << "x."
                                  << "/tmp/x.msw";
    QTest::newRow("dot only in the folder") << "/tmp/a.d/noext"
                                            << "noext."
                                            << "/tmp/a.d/noext.msw";
    QTest::newRow("other suffix kept") << "/tmp/a.txt"
                                       << "a.txt"
                                       << "/tmp/a.txt";
}

void TestConfigFormat::displayFileName()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(QString, savedAs);
    QCOMPARE(qv::files::displayFileName(path), name);
    QCOMPARE(qv::files::withDefaultSuffix(path), savedAs);
    QCOMPARE(qv::files::withDefaultSuffix(QString()), QString());
}

QTEST_GUILESS_MAIN(TestConfigFormat)
#include "tst_configformat.moc"

// Hostile files and form texts on the real window: files that no save of ours writes
// (NUL bytes, foreign encodings, CR-only line ends, pictures) and texts that could break a
// line of the file or of the download record. Each ends with its message or a defined
// result, and a refused file leaves the form as it was.
#include "formhelpers.h"
#include "modalwatcher.h"
#include "settings/gui/messages.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QString kNoPort = QStringLiteral("/nonexistent/qv-port");

QList<QByteArray> defaultsLines()
{
    static const QList<QByteArray> lines = [] {
        QFile file(qv::settings::locateDataFile(QStringLiteral("defval_qv.dll")));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("defaults file missing");
        QList<QByteArray> all = file.readAll().split('\n');
        for (QByteArray &line : all)
            line.chop(line.endsWith('\r') ? 1 : 0);
        return all.mid(0, 172);
    }();
    return lines;
}

// The defaults file's value lines with line 5 (m_nev) replaced, joined by `end`.
QByteArray defaultsWithName(const QByteArray &name, const QByteArray &end = "\r\n")
{
    QList<QByteArray> lines = defaultsLines();
    lines[4] = name;
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + end;
    return bytes;
}

// The same file as an editor's "Unicode" (UTF-16 LE with its mark).
QByteArray utf16(const QByteArray &bytes)
{
    const QString text = QString::fromLatin1(bytes);
    return QByteArray("\xff\xfe") +
           QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

QByteArray dataFile(const char *name)
{
    QFile file(qv::settings::locateDataFile(QString::fromLatin1(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A Q_QV5 window with the defaults, its file dialogs answered with one path, its link
// pointed at no port: a download that passes the assembly fails at once in the worker.
struct Session
{
    QTemporaryDir dir;
    ModalWatcher watcher;
    MainWindow window;
    bool downloadShown = false;

    Session()
    {
        window.deviceDebugMS5();
        window.useLink(kNoPort, 1200);
        const QString file = dir.filePath(QStringLiteral("f.msw"));
        auto chooser = [file](QWidget *, const QString &, const QString &, const QString &) {
            return file;
        };
        qv::settings::gui::setOpenFileChooser(chooser);
        qv::settings::gui::setSaveFileChooser(chooser);
        watcher.onDialog(QStringLiteral("dload"), [this](QWidget *dialog) {
            downloadShown = true;
            auto *buttons = dialog->findChild<QDialogButtonBox *>();
            QDeadlineTimer deadline(10000);
            while (!buttons->button(QDialogButtonBox::Ok) && !deadline.hasExpired())
                QTest::qWait(5);
            if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
                ok->click();
        });
        watcher.clear();
    }
    ~Session()
    {
        qv::settings::gui::setOpenFileChooser({});
        qv::settings::gui::setSaveFileChooser({});
    }
    QString path() const { return dir.filePath(QStringLiteral("f.msw")); }
    void write(const QByteArray &bytes) const
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // Saves the form and opens the file again over the defaults.
    void saveAndOpen()
    {
        window.save();
        window.newfile();
        window.openfile();
    }
};

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void hostileFiles_data();
    void hostileFiles();
    void formTexts_data();
    void formTexts();
};

void TestHostileInput::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");    // m_nev after opening; null: the file is refused
    QTest::addColumn<QString>("message"); // the start of the message; empty: none
    QTest::addColumn<QMessageBox::Icon>("icon");

    const QString syntax = QStringLiteral("A(z) f.msw fájl szintaxisa hibás.");
    const QString version = QStringLiteral("A kiválasztott file \"f.msw\" nem nyitható meg");
    const auto none = QMessageBox::NoIcon;
    // clang-format off
    QTest::newRow("NUL bytes in a value")
        << defaultsWithName(QByteArray("KA\0PU\0", 6)) << QStringLiteral(u"KA\u0000PU\u0000")
        << QString() << none;
    QTest::newRow("accents, system encoding")
        << defaultsWithName("KAPU \xc5\x90R \xc3\xa9") << QStringLiteral("KAPU ŐR é") << QString() << none;
    QTest::newRow("accents, Latin-1")
        << defaultsWithName("KAPU \xc9\xd5") << QStringLiteral("KAPU ÉÕ") << QString() << none;
    QTest::newRow("value longer than its field")
        << defaultsWithName(QByteArray(40, 'A')) << QString(16, u'A') << QString() << none;
    QTest::newRow("UTF-8 byte-order mark")
        << QByteArray("\xef\xbb\xbf" + defaultsWithName("KAPU")) << QStringLiteral("KAPU")
        << QString() << none;
    QTest::newRow("CR CR LF line ends")
        << defaultsWithName("KAPU", "\r\r\n") << QStringLiteral("KAPU") << QString() << none;
    QTest::newRow("CR-only line ends")
        << defaultsWithName("KAPU", "\r") << QString() << version << QMessageBox::Warning;
    QTest::newRow("UTF-16 (an editor's Unicode)")
        << utf16(defaultsWithName("KAPU")) << QString() << syntax << QMessageBox::Critical;
    QTest::newRow("a picture") << dataFile("i_qv-5.dll") << QString() << version
                               << QMessageBox::Warning;
    // clang-format on
}

void TestHostileInput::hostileFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QMessageBox::Icon, icon);

    Session s;
    s.write(bytes);
    edit(s.window, "m_nev")->setText(QStringLiteral("MARAD"));
    QStringList expected = formValues(s.window);
    if (!name.isNull())
        expected[4] = name;

    s.window.openfile();

    QCOMPARE(s.watcher.count(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(s.watcher.last().icon, icon);
        QCOMPARE(s.watcher.last().title, QStringLiteral("File hiba"));
        QVERIFY2(s.watcher.last().text.startsWith(message), qPrintable(s.watcher.last().text));
    }
    // A refused file changes nothing; a loaded one changes only the hostile value.
    QCOMPARE(formValues(s.window), expected);
    QCOMPARE(widget<QLabel>(s.window, "fileLabel")->text(),
             name.isNull() ? QStringLiteral("defval_qv.dll") : QStringLiteral("f.msw"));
    if (name.isNull())
        return;
    // Whatever was read, saving it and opening the result gives the same form.
    s.saveAndOpen();
    QCOMPARE(s.watcher.count(), 1); // "Sikeres mentés."
    QCOMPARE(formValues(s.window), expected);
}

void TestHostileInput::formTexts_data()
{
    QTest::addColumn<QByteArray>("field"); // "*": every line edit at its maximum length
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("item");         // the record item that carries the text
    QTest::addColumn<QString>("itemText"); // its content before padding
    QTest::addColumn<QString>("refusal");  // the download's message; empty: sent

    const QString refused = QStringLiteral("A(z) \"%1\" mező nem tartalmazhat \"%2\" karaktert!");
    // clang-format off
    QTest::newRow("separator") << QByteArray("m_nev") << "A|B" << 3 << ""
        << refused.arg(QStringLiteral("Modul neve"), QStringLiteral("|"));
    QTest::newRow("plus alone") << QByteArray("m_nev") << "+" << 3 << "+" << "";
    QTest::newRow("plus as a telephone number") << QByteArray("t2") << "+" << 49 << "08+" << "";
    QTest::newRow("end marker") << QByteArray("be1_nev") << "---" << 24 << "---" << "";
    QTest::newRow("control characters") << QByteArray("ki1_on") << "\t\x1b\x7f\x01 KI"
        << 36 << "\t\x1b\x7f\x01 KI" << "";
    QTest::newRow("NUL") << QByteArray("act_be") << QStringLiteral(u"A\u0000B") << 45
        << QStringLiteral(u"A\u0000B") << "";
    QTest::newRow("Latin-1 accent") << QByteArray("be2_nev") << QStringLiteral("KAPU É") << 25
        << QStringLiteral("KAPU É") << "";
    QTest::newRow("character without a byte") << QByteArray("be2_nev") << QStringLiteral("KAPU ŐR")
        << 25 << "" << refused.arg(QStringLiteral("2-es bemenet neve"), QStringLiteral("Ő"));
    QTest::newRow("every field at its maximum length") << QByteArray("*") << "" << 3
        << "FIELD 5 ########" << "";
    // clang-format on
}

void TestHostileInput::formTexts()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    QFETCH(int, item);
    QFETCH(QString, itemText);
    QFETCH(QString, refusal);

    Session s;
    if (field == "*") {
        int n = 0;
        for (const char *box : {"g_general", "g_analog", "g_be", "g_ki", "g_activate", "g_tel"}) {
            for (QLineEdit *e : widget<QGroupBox>(s.window, box)->findChildren<QLineEdit *>()) {
                ++n;
                if (e->isEnabled())
                    e->setText(QStringLiteral("FIELD %1 ")
                                   .arg(n)
                                   .leftJustified(e->maxLength(), u'#', true));
            }
        }
    } else {
        edit(s.window, field)->setText(text);
    }
    const QStringList form = formValues(s.window);

    s.saveAndOpen();
    QCOMPARE(s.watcher.count(), 1); // "Sikeres mentés."
    QCOMPARE(formValues(s.window), form);

    s.window.download();
    const QString record = s.window.deviceSettings().DownloadRecord;
    if (!refusal.isEmpty()) {
        QVERIFY(!s.downloadShown);
        QCOMPARE(s.watcher.count(), 2);
        QCOMPARE(s.watcher.last().title, QStringLiteral("Hiba"));
        QCOMPARE(s.watcher.last().text, refusal);
        QCOMPARE(s.window.focusWidget(), edit(s.window, field));
        QVERIFY(record.isEmpty());
        return;
    }
    QVERIFY(s.downloadShown);
    QCOMPARE(s.watcher.count(), 1);
    // 56 items of 16, each followed by the separator: nothing shifted, nothing cut.
    QCOMPARE(record.size(), 56 * 17);
    for (int i = 0; i < 56; ++i)
        QCOMPARE(record.at(i * 17 + 16), QLatin1Char('|'));
    QCOMPARE(record.mid(item * 17, 16), itemText.leftJustified(16));
    QCOMPARE(formValues(s.window), form);
}

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"

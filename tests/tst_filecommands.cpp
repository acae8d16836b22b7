// New, Open and Save on the real window: the 172-line file, the load rules, the
// messages, and the mends (safe saving, "---" values, bounded reading).
#include "formhelpers.h"
#include "modalwatcher.h"
#include "settings/gui/messages.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

QList<QByteArray> readDefaultsFile()
{
    QFile file(qv::settings::locateDataFile(QStringLiteral("defval_qv.dll")));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("defaults file missing");
    QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(line.endsWith('\r') ? 1 : 0);
    return lines;
}

// The shipped defaults file, read once before any test hides the data files.
QList<QByteArray> defaultsFileLines()
{
    static const QList<QByteArray> lines = readDefaultsFile();
    return lines;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray joined(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// What the last file dialog was asked for.
struct DialogRequest
{
    QString caption, folder, filter;
};
DialogRequest lastDialog;

qv::settings::gui::FileChooser answer(const QString &path)
{
    return [path](QWidget *, const QString &caption, const QString &folder, const QString &filter) {
        lastDialog = {caption, folder, filter};
        return path;
    };
}

void answerOpen(const QString &path)
{
    qv::settings::gui::setOpenFileChooser(answer(path));
}
void answerSave(const QString &path)
{
    qv::settings::gui::setSaveFileChooser(answer(path));
}

QString versionWarning(const QString &name)
{
    return QStringLiteral("A kiválasztott file \"%1\" nem nyitható meg a jelenlegi verzióval.\n"
                          "Kérem töltse le a legújabb verziót a 'https://qvconfig.example.org' "
                          "oldalról,\nmajd töltse be a 'defval_qv.dll' fájlt!")
        .arg(name);
}

// A window in debug mode Q_QV5 (or another model), filled with the defaults.
struct Session
{
    QTemporaryDir dir;
    ModalWatcher watcher;
    MainWindow window;

    explicit Session(int model = 1)
    {
        if (model == 3)
            window.deviceDebugMArm2();
        else if (model == 2)
            window.deviceDebugMS3();
        else
            window.deviceDebugMS5();
        watcher.clear();
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    QString fileLabel() const { return widget<QLabel>(window, "fileLabel")->text(); }
};

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(defaultsFileLines().size(), 174); }
    void cleanup();
    void saveAfterNewFileWritesTheDefaults();
    void saveThenOpenGivesTheSameForm();
    void endMarkerValueOpensAgain();
    void lineBreakInAFieldKeepsTheFileIntact();
    void openRejects_data();
    void openRejects();
    void openLoadsWhatItCan_data();
    void openLoadsWhatItCan();
    void disabledFieldsStayEmptyOnLoad();
    void smsCentreFollowsTheLoadedNumber_data();
    void smsCentreFollowsTheLoadedNumber();
    void defaultsFile_data();
    void defaultsFile();
    void unwritableTarget_data();
    void unwritableTarget();
    void failedSaveKeepsThePreviousFile();
    void replacingThroughTheSuffix_data();
    void replacingThroughTheSuffix();
    void fileNamesAreShownAsText();
    void cancelledDialogsDoNothing();
};

void TestFileCommands::cleanup()
{
    qv::settings::gui::setOpenFileChooser({});
    qv::settings::gui::setSaveFileChooser({});
    qv::settings::overrideDataFileFolders({});
}

void TestFileCommands::saveAfterNewFileWritesTheDefaults()
{
    Session s;
    answerSave(s.path(QStringLiteral("alap.msw")));
    s.window.save();

    QCOMPARE(lastDialog.caption, QStringLiteral("Fájl mentése"));
    QCOMPARE(lastDialog.folder, QStringLiteral("."));
    QCOMPARE(lastDialog.filter, QStringLiteral("Quorvel Files (*.msw)"));
    QCOMPARE(s.watcher.count(), 1);
    QCOMPARE(s.watcher.last().icon, QMessageBox::Information);
    QCOMPARE(s.watcher.last().title, QStringLiteral("Mentés"));
    QCOMPARE(s.watcher.last().text, QStringLiteral("Sikeres mentés."));
    QFile file(s.path(QStringLiteral("alap.msw")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("\r\n"), 172);
    QCOMPARE(bytes.count('\n'), 172);
    QVERIFY(bytes.endsWith("\r\n"));
    // Exactly the value lines of the defaults file: every field took its default.
    QCOMPARE(bytes, joined(defaultsFileLines().mid(0, 172)));
    QCOMPARE(s.window.deviceSettings().FilePath, s.path(QStringLiteral("alap.msw")));
    QCOMPARE(s.window.deviceSettings().FileName, QStringLiteral("alap.msw"));
    QCOMPARE(s.fileLabel(), QStringLiteral("alap.msw"));
}

void TestFileCommands::saveThenOpenGivesTheSameForm()
{
    Session s;
    MainWindow &w = s.window;
    int i = 0;
    for (const char *box : {"g_general", "g_analog", "g_be", "g_ki", "g_activate", "g_tel"}) {
        for (QLineEdit *e : widget<QGroupBox>(w, box)->findChildren<QLineEdit *>()) {
            if (e->text() != QLatin1String("+"))
                e->setText(QStringLiteral("%1 v%2").arg(box).arg(++i).right(e->maxLength()));
        }
    }
    widget<QComboBox>(w, "smskp_combo")->setCurrentIndex(3);
    edit(w, "smskp")->setText(QStringLiteral("36201234567"));
    edit(w, "m_nev")->setText(QStringLiteral("---"));
    edit(w, "t2")->setText(QString());
    for (const char *name : {"tc4_1", "tc1_15", "tc1_20", "cb_r_1", "cb_s_1", "cb_s_8"})
        widget<QCheckBox>(w, name)->setChecked(true);
    for (const char *name : {"r1_3", "r2_2", "r8_4", "max_be_30", "k2", "k4"})
        widget<QRadioButton>(w, name)->setChecked(true);
    const QStringList saved = formValues(w);

    answerSave(s.path(QStringLiteral("teljes.msw")));
    w.save();
    w.newfile();
    QVERIFY(formValues(w) != saved);
    answerOpen(s.path(QStringLiteral("teljes.msw")));
    w.openfile();

    QCOMPARE(lastDialog.caption, QStringLiteral("Fájl megnyitása"));
    QCOMPARE(lastDialog.folder, QStringLiteral("."));
    QCOMPARE(lastDialog.filter, QStringLiteral("Quorvel Files (*.msw);;All Files (*.*)"));
    QCOMPARE(s.watcher.count(), 1); // only "Sikeres mentés."
    QCOMPARE(formValues(w), saved);
    QCOMPARE(widget<QComboBox>(w, "smskp_combo")->currentIndex(), 3);
    QVERIFY(edit(w, "smskp")->isEnabled());
    QCOMPARE(s.fileLabel(), QStringLiteral("teljes.msw"));
    QVERIFY(w.deviceSettings().DownloadRecord.isEmpty());
    QCOMPARE(widget<QTabWidget>(w, "tabWidget")->currentIndex(), 0);
}

void TestFileCommands::endMarkerValueOpensAgain()
{
    Session s;
    edit(s.window, "be2_nev")->setText(QStringLiteral("---"));
    answerSave(s.path(QStringLiteral("jel.msw")));
    s.window.save();
    s.window.newfile();
    answerOpen(s.path(QStringLiteral("jel.msw")));
    s.window.openfile();
    QCOMPARE(s.watcher.count(), 1);
    QCOMPARE(edit(s.window, "be2_nev")->text(), QStringLiteral("---"));
    QCOMPARE(edit(s.window, "be3_nev")->text(), QStringLiteral("BEMENET 3"));
}

// A pasted text may carry a line break, which would shift every later line of the file.
void TestFileCommands::lineBreakInAFieldKeepsTheFileIntact()
{
    Session s;
    edit(s.window, "m_nev")->setText(QStringLiteral("KAPU\nNYITVA"));
    QStringList expected = formValues(s.window);
    expected[4] = QStringLiteral("KAPU NYITVA");
    answerSave(s.path(QStringLiteral("sortores.msw")));
    s.window.save();
    s.window.newfile();
    answerOpen(s.path(QStringLiteral("sortores.msw")));
    s.window.openfile();
    QCOMPARE(s.watcher.count(), 1);
    QCOMPARE(formValues(s.window), expected);
}

void TestFileCommands::openRejects_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QString>("text"); // the start of the message

    QTest::newRow("missing") << "missing" << QMessageBox::Critical
                             << "A kiválasztott fájl nem létezik.";
    QTest::newRow("171 lines") << "171 lines" << QMessageBox::Warning << versionWarning("f.msw");
    QTest::newRow("marker early") << "marker early" << QMessageBox::Warning
                                  << versionWarning("f.msw");
    QTest::newRow("empty") << "empty" << QMessageBox::Warning << versionWarning("f.msw");
    QTest::newRow("over-long line") << "over-long line" << QMessageBox::Critical
                                    << QStringLiteral("A(z) f.msw fájl szintaxisa hibás.");
    QTest::newRow("1 GB without line ends")
        << "huge" << QMessageBox::Critical << QStringLiteral("A(z) f.msw fájl szintaxisa hibás.");
    QTest::newRow("a folder") << "folder" << QMessageBox::Critical
                              << QStringLiteral("A(z) f.msw fájl nem olvasható.");
#ifdef Q_OS_LINUX
    QTest::newRow("endless device")
        << "/dev/zero" << QMessageBox::Critical << QStringLiteral("A(z) zero fájl nem olvasható.");
    QTest::newRow("named pipe without writer")
        << "fifo" << QMessageBox::Critical << QStringLiteral("A(z) f.msw fájl nem olvasható.");
#endif
}

void TestFileCommands::openRejects()
{
    QFETCH(QString, kind);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QString, text);

    Session s;
    QString path = s.path(QStringLiteral("f.msw"));
    QList<QByteArray> lines = defaultsFileLines().mid(0, 172);
    if (kind == QLatin1String("171 lines")) {
        writeFile(path, joined(lines.mid(0, 171)));
    } else if (kind == QLatin1String("marker early")) {
        writeFile(path, joined(lines.mid(0, 49) << "---"));
    } else if (kind == QLatin1String("empty")) {
        writeFile(path, {});
    } else if (kind == QLatin1String("over-long line")) {
        lines[4] = QByteArray(100000, 'A');
        writeFile(path, joined(lines));
    } else if (kind == QLatin1String("huge")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(1) << 30)); // sparse: no disk space used
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(s.dir.path()).mkdir(QStringLiteral("f.msw")));
#ifdef Q_OS_LINUX
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    } else if (kind.startsWith(QLatin1Char('/'))) {
        path = kind;
    }
    edit(s.window, "m_nev")->setText(QStringLiteral("MARAD"));
    const QStringList before = formValues(s.window);
    const qv::settings::devSettings settingsBefore = s.window.deviceSettings();

    answerOpen(path);
    QElapsedTimer clock;
    clock.start();
    s.window.openfile();

    QCOMPARE(s.watcher.count(), 1);
    QCOMPARE(s.watcher.last().icon, icon);
    QCOMPARE(s.watcher.last().title, QStringLiteral("File hiba"));
    QVERIFY2(s.watcher.last().text.startsWith(text), qPrintable(s.watcher.last().text));
    QCOMPARE(s.watcher.last().format, Qt::PlainText);
    QCOMPARE(formValues(s.window), before);
    QCOMPARE(s.window.deviceSettings().FileName, settingsBefore.FileName);
    QCOMPARE(s.fileLabel(), QStringLiteral("defval_qv.dll"));
    QVERIFY2(clock.elapsed() < 5000, "reading must stop early"); // loose: a hang shows
}

void TestFileCommands::openLoadsWhatItCan_data()
{
    QTest::addColumn<QByteArray>("tail"); // what follows the 172 value lines
    QTest::addColumn<int>("repeat");

    QTest::newRow("extra lines ignored") << QByteArray("footer\r\nfooter 2\r\nmore\r\n") << 1;
    QTest::newRow("two million extra lines") << QByteArray("0\r\n") << 2000000;
    QTest::newRow("binary after the values") << QByteArray("\xff\x00\x01\r\n\x80", 5) << 100000;
}

void TestFileCommands::openLoadsWhatItCan()
{
    QFETCH(QByteArray, tail);
    QFETCH(int, repeat);

    Session s;
    QList<QByteArray> lines = defaultsFileLines().mid(0, 172);
    lines[4] = "BETOLTVE";
    writeFile(s.path(QStringLiteral("sok.msw")), joined(lines) + tail.repeated(repeat));
    QLabel *link = widget<QLabel>(s.window, "linkLabel");
    const QString footer = s.window.deviceSettings().FooterText;

    answerOpen(s.path(QStringLiteral("sok.msw")));
    s.window.openfile();

    QCOMPARE(s.watcher.count(), 0);
    QCOMPARE(edit(s.window, "m_nev")->text(), QStringLiteral("BETOLTVE"));
    QCOMPARE(s.fileLabel(), QStringLiteral("sok.msw"));
    // Opening a file leaves the status-bar texts alone.
    QCOMPARE(s.window.deviceSettings().FooterText, footer);
    QCOMPARE(widget<QLabel>(s.window, "linkLabel"), link);
}

void TestFileCommands::disabledFieldsStayEmptyOnLoad()
{
    QString path;
    {
        Session full;
        for (const char *name : {"tc2_1", "tc1_14", "tc4_1", "cb_s_1"})
            widget<QCheckBox>(full.window, name)->setChecked(true); // inputs 3, analogue, 1
        widget<QRadioButton>(full.window, "r1_4")->setChecked(true);
        widget<QComboBox>(full.window, "smskp_combo")->setCurrentIndex(3);
        edit(full.window, "smskp")->setText(QStringLiteral("36201234567"));
        path = QDir::temp().filePath(
            QStringLiteral("qv-disabled-%1.msw").arg(QCoreApplication::applicationPid()));
        answerSave(path);
        full.window.save();
    }
    Session s(3); // Q_BRK2: no analogue page, inputs 1-2, output 1
    answerOpen(path);
    s.window.openfile();
    QFile::remove(path);

    QCOMPARE(s.watcher.count(), 0);
    for (const QLineEdit *e : widget<QGroupBox>(s.window, "g_analog")->findChildren<QLineEdit *>())
        QCOMPARE(e->text(), QString());
    for (const char *name : {"be3_nev", "be4_off_msg", "ki2_on", "ki4_off"})
        QCOMPARE(edit(s.window, name)->text(), QString());
    QCOMPARE(edit(s.window, "be2_nev")->text(), QStringLiteral("BEMENET 2"));
    QCOMPARE(edit(s.window, "ki1_on")->text(), QStringLiteral("KIMENET 1 BE"));
    // The SMS centre number and the "+" boxes take their lines although disabled.
    QCOMPARE(edit(s.window, "smskp")->text(), QStringLiteral("36201234567"));
    QCOMPARE(edit(s.window, "tplus_5")->text(), QStringLiteral("+"));
    QCOMPARE(edit(s.window, "smsplus")->text(), QStringLiteral("+"));
    // Ticked lines of disabled boxes load unticked.
    QVERIFY(!widget<QCheckBox>(s.window, "tc2_1")->isChecked());
    QVERIFY(!widget<QCheckBox>(s.window, "tc1_14")->isChecked());
    QVERIFY(widget<QCheckBox>(s.window, "tc4_1")->isChecked());
    QVERIFY(widget<QCheckBox>(s.window, "cb_s_1")->isChecked());
    QVERIFY(!widget<QRadioButton>(s.window, "r1_4")->isChecked());
    QVERIFY(widget<QRadioButton>(s.window, "r1_0")->isChecked());
}

void TestFileCommands::smsCentreFollowsTheLoadedNumber_data()
{
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<int>("index");

    QTest::newRow("T-Mobile") << QByteArray("36309888000") << 0;
    QTest::newRow("Telenor") << QByteArray("36209300099") << 1;
    QTest::newRow("Vodafone") << QByteArray("36709996500") << 2;
    QTest::newRow("other") << QByteArray("36201234567") << 3;
    QTest::newRow("with plus") << QByteArray("+36309888000") << 3;
}

void TestFileCommands::smsCentreFollowsTheLoadedNumber()
{
    QFETCH(QByteArray, number);
    QFETCH(int, index);

    Session s;
    QList<QByteArray> lines = defaultsFileLines().mid(0, 172);
    lines[1] = number;
    lines[60] = "2"; // neither "0" nor "1": taken as "0"
    lines[61] = " 1";
    writeFile(s.path(QStringLiteral("kp.msw")), joined(lines));
    answerOpen(s.path(QStringLiteral("kp.msw")));
    s.window.openfile();

    QCOMPARE(widget<QComboBox>(s.window, "smskp_combo")->currentIndex(), index);
    QCOMPARE(edit(s.window, "smskp")->text(), QString::fromLatin1(number));
    QCOMPARE(edit(s.window, "smskp")->isEnabled(), index == 3);
    QVERIFY(!widget<QCheckBox>(s.window, "tc3_4")->isChecked());
    QVERIFY(!widget<QCheckBox>(s.window, "tc1_1")->isChecked());
}

void TestFileCommands::defaultsFile_data()
{
    QTest::addColumn<int>("lines"); // -1: no defaults file at all
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QString>("footer");

    QTest::newRow("missing") << -1 << false << "";
    QTest::newRow("too short") << 100 << false << "";
    QTest::newRow("values only") << 172 << true << "";
    QTest::newRow("with footer lines") << 174 << true << "&copy; 2026 qvconfig";
}

void TestFileCommands::defaultsFile()
{
    QFETCH(int, lines);
    QFETCH(bool, loads);
    QFETCH(QString, footer);

    DataFolderScope data;
    if (lines >= 0) {
        QList<QByteArray> content = defaultsFileLines().mid(0, lines);
        if (lines > 172)
            content[172] = "&copy; 2026 qvconfig", content[173] = "Masodik";
        writeFile(data.filePath(QStringLiteral("defval_qv.dll")), joined(content));
    }
    ModalWatcher watcher;
    MainWindow w;
    w.globalEnableUI();
    edit(w, "m_nev")->setText(QStringLiteral("SAJAT"));
    const QString startFooter = w.deviceSettings().FooterText;
    QPointer<QLabel> link = widget<QLabel>(w, "linkLabel");

    w.newfile();
    // Out of sight before its deferred deletion: a message box's own event loop (the
    // greeting after an identification) would otherwise show it beside its successor.
    QVERIFY(!loads || link->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(watcher.count(), 0); // the defaults file never raises a message
    QCOMPARE(w.deviceSettings().FilePath, QStringLiteral("defval_qv.dll"));
    QCOMPARE(edit(w, "m_nev")->text(),
             loads ? QStringLiteral("QV MODUL") : QStringLiteral("SAJAT"));
    QCOMPARE(widget<QLabel>(w, "fileLabel")->text(),
             loads ? QStringLiteral("defval_qv.dll") : QStringLiteral("Nincs megnyitott fájl."));
    QCOMPARE(w.deviceSettings().FooterText, footer.isEmpty() ? startFooter : footer);
    QCOMPARE(w.deviceSettings().FooterText2,
             footer.isEmpty() ? QString() : QStringLiteral("Masodik"));
    QLabel *newLink = w.findChild<QLabel *>(QStringLiteral("linkLabel"));
    QCOMPARE(link.isNull(), loads); // a load puts a fresh label in place
    QCOMPARE(newLink->text(), w.deviceSettings().FooterText);
    QCOMPARE(widget<QStatusBar>(w, "statusBar")->findChildren<QLabel *>().count(newLink), 1);
}

void TestFileCommands::unwritableTarget_data()
{
    QTest::addColumn<QString>("relative");

    QTest::newRow("missing folder") << "nincs/x.msw";
    QTest::newRow("a folder") << "mappa";
}

void TestFileCommands::unwritableTarget()
{
    QFETCH(QString, relative);

    Session s;
    QDir(s.dir.path()).mkdir(QStringLiteral("mappa"));
    answerSave(s.path(relative));
    s.window.save();

    QCOMPARE(s.watcher.count(), 1);
    QCOMPARE(s.watcher.last().icon, QMessageBox::Critical);
    QCOMPARE(s.watcher.last().title, QStringLiteral("File hiba"));
    const QString name = QFileInfo(relative).fileName();
    QVERIFY2(s.watcher.last().text.startsWith(
                 QStringLiteral("A(z) %1 fájl mentése nem sikerült.\n").arg(name)),
             qPrintable(s.watcher.last().text));
    QCOMPARE(s.window.deviceSettings().FilePath, QStringLiteral("defval_qv.dll"));
    QCOMPARE(s.fileLabel(), QStringLiteral("defval_qv.dll"));
}

// A disk that fills up in the middle of a save: the previous file survives whole.
void TestFileCommands::failedSaveKeepsThePreviousFile()
{
#ifndef Q_OS_LINUX
    QSKIP("needs a file size limit");
#else
    Session s;
    const QString path = s.path(QStringLiteral("regi.msw"));
    const QByteArray old = joined(defaultsFileLines().mid(0, 172));
    writeFile(path, old);
    edit(s.window, "m_nev")->setText(QStringLiteral("UJ NEV"));

    struct rlimit saved
    {
    };
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 300; // fewer bytes than a configuration file
    setrlimit(RLIMIT_FSIZE, &small);
    answerSave(path);
    s.window.save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(s.watcher.count(), 1);
    QCOMPARE(s.watcher.last().title, QStringLiteral("File hiba"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(s.dir.path()).entryList(QDir::Files), QStringList{"regi.msw"});
#endif
}

// The dialog returned "x"; the program writes "x.msw", which it asks about when it exists.
void TestFileCommands::replacingThroughTheSuffix_data()
{
    QTest::addColumn<QString>("chosen"); // what the save dialog returned
    QTest::addColumn<bool>("exists");    // x.msw before the save
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("saved");
    QTest::newRow("replace") << "x" << true << QMessageBox::Yes << true << true;
    QTest::newRow("keep") << "x" << true << QMessageBox::No << true << false;
    QTest::newRow("new file") << "x" << false << QMessageBox::No << false << true;
    // The dialog has asked about this very name itself.
    QTest::newRow("named with the suffix") << "x.msw" << true << QMessageBox::No << false << true;
}

void TestFileCommands::replacingThroughTheSuffix()
{
    QFETCH(QString, chosen);
    QFETCH(bool, exists);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, asked);
    QFETCH(bool, saved);

    Session s;
    const QString path = s.path(QStringLiteral("x.msw"));
    const QByteArray old("regi tartalom\n");
    if (exists)
        writeFile(path, old);
    answerSave(s.path(chosen));
    s.watcher.answerWith(answer);
    s.window.save();

    QCOMPARE(s.watcher.count(), int(asked) + int(saved));
    if (asked) {
        const RecordedBox question = s.watcher.boxes().constFirst();
        QCOMPARE(question.icon, QMessageBox::Warning);
        QCOMPARE(question.title, QStringLiteral("Fájl mentése"));
        QCOMPARE(question.text, QStringLiteral("x.msw már létezik.\nSzeretné lecserélni?"));
    }
    if (saved)
        QCOMPARE(s.watcher.last().text, QStringLiteral("Sikeres mentés."));
    QFile file(path);
    QCOMPARE(file.exists(), exists || saved);
    QVERIFY(!file.exists() || file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll() == old, exists && !saved);
    QCOMPARE(s.fileLabel(), saved ? QStringLiteral("x.msw") : QStringLiteral("defval_qv.dll"));
    QCOMPARE(QDir(s.dir.path()).entryList(QDir::Files), QStringList{"x.msw"});
}

void TestFileCommands::fileNamesAreShownAsText()
{
    Session s;
    answerSave(s.path(QStringLiteral("<i>nev")));
    s.window.save();
    QCOMPARE(s.watcher.count(), 1);
    QCOMPARE(s.fileLabel(), QStringLiteral("<i>nev.msw")); // typed without a suffix
    QCOMPARE(widget<QLabel>(s.window, "fileLabel")->textFormat(), Qt::PlainText);
}

void TestFileCommands::cancelledDialogsDoNothing()
{
    Session s;
    const QStringList before = formValues(s.window);
    answerSave(QString());
    s.window.save();
    answerOpen(QString());
    s.window.openfile();
    QCOMPARE(s.watcher.count(), 0);
    QCOMPARE(formValues(s.window), before);
    QCOMPARE(s.window.deviceSettings().FilePath, QString());
    QCOMPARE(s.fileLabel(), QStringLiteral("defval_qv.dll"));
    QVERIFY(QDir(s.dir.path()).isEmpty());
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"

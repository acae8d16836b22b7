// Unsaved edits: the mark in the status bar, and the question before each command that
// would replace the form (and before closing), with its three answers.
#include "formhelpers.h"
#include "modalwatcher.h"
#include "modulefixture.h"
#include "ui/messages.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kEdited = QStringLiteral("SZERKESZTVE");

enum class Command { Open, ReadOut, DebugMode, Identification, Close };

// A Q_QV5 module, the shipped data files, and a window filled with the defaults through
// the debug mode, its module name then edited by hand.
struct Bench
{
    DataFolderScope data;
    std::unique_ptr<qvsim::Emulator> module = startModule({.paced = false});
    ModalWatcher watcher;
    MainWindow window;

    Bench()
    {
        const QString shipped = QCoreApplication::applicationDirPath() + u'/';
        for (const char *name : {"defval_qv.dll", "cmptbl_1_3.dll"})
            QFile::copy(shipped + QLatin1StringView(name), data.filePath(QLatin1StringView(name)));
        QFile::copy(shipped + QStringLiteral("defval_qv.dll"), data.filePath("masik.msw"));
        window.useLink(module->slavePath(), 1200);
        window.deviceDebugMS5();
        watcher.onDialog(QStringLiteral("setcom"), [](QWidget *dialog) {
            dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
                ->button(QDialogButtonBox::Ok)
                ->click();
        });
        qv::setOpenFileChooser([this](QWidget *, const QString &, const QString &,
                                      const QString &) { return data.filePath("masik.msw"); });
        qv::setSaveFileChooser([this](QWidget *, const QString &, const QString &,
                                      const QString &) { return data.filePath("mentett"); });
    }
    ~Bench()
    {
        qv::setOpenFileChooser({});
        qv::setSaveFileChooser({});
    }

    bool marked() const { return widget<QLabel>(window, "modifiedLabel")->isVisibleTo(&window); }

    void run(Command command)
    {
        watcher.clear();
        switch (command) {
        case Command::Open:
            window.openfile();
            break;
        case Command::ReadOut:
            window.readup();
            break;
        case Command::DebugMode:
            window.deviceDebugMS3();
            break;
        case Command::Identification:
            widget<QAction>(window, "actionPort")->trigger();
            break;
        case Command::Close:
            window.show();
            window.close();
            break;
        }
    }
};

} // namespace

class TestUnsavedEdits : public QObject
{
    Q_OBJECT

private slots:
    void askOnlyWhenEdited_data();
    void askOnlyWhenEdited();
    void saveAnswerSavesFirst();
    void fileFromTheCommandLineOpensAfterIdentification();
};

void TestUnsavedEdits::askOnlyWhenEdited_data()
{
    QTest::addColumn<Command>("command");
    QTest::newRow("open") << Command::Open;
    QTest::newRow("read-out") << Command::ReadOut;
    QTest::newRow("debug mode") << Command::DebugMode;
    QTest::newRow("identification") << Command::Identification;
    QTest::newRow("close") << Command::Close;
}

// Unedited: no question. Edited and cancelled: form, file name and module as they were
// (an identified module stays identified). Edited and discarded: the command runs.
void TestUnsavedEdits::askOnlyWhenEdited()
{
    QFETCH(Command, command);

    {
        // Gone before the next bench: its watcher would answer that bench's question.
        Bench clean;
        QVERIFY(!clean.marked());
        clean.run(command);
        QCOMPARE(clean.watcher.questions(), 0);
    }

    Bench b;
    edit(b.window, "m_nev")->setText(kEdited);
    QVERIFY(b.marked());
    const QStringList before = formValues(b.window);
    const devSettings settings = b.window.deviceSettings();
    b.watcher.answerQuestionsWith(QMessageBox::Cancel);
    b.run(command);
    QCOMPARE(b.watcher.questions(), 1);
    QCOMPARE(formValues(b.window), before);
    QCOMPARE(b.window.deviceSettings().FilePath, settings.FilePath);
    QCOMPARE(widget<QLabel>(b.window, "fileLabel")->text(), QStringLiteral("defval_qv.dll"));
    QVERIFY(b.marked());
    QVERIFY(!b.module->waitForHandled(qvsim::Exchange::ReadOut, 1, 0));
    if (command == Command::Close)
        QVERIFY(b.window.isVisible());
    if (command == Command::Identification) {
        QCOMPARE(b.window.deviceSettings().DeviceModel, int(qv::ModelQV5));
        QCOMPARE(b.window.deviceSettings().DeviceId, QStringLiteral("Q_QV5_FW2.1"));
        QCOMPARE(b.watcher.last().title, QStringLiteral("Eszköz")); // the greeting
    }

    b.watcher.answerQuestionsWith(QMessageBox::Discard);
    b.run(command);
    QCOMPARE(b.watcher.questions(), 2);
    if (command == Command::Close) {
        QVERIFY(!b.window.isVisible());
    } else {
        QCOMPARE_NE(edit(b.window, "m_nev")->text(), kEdited);
        QVERIFY(!b.marked());
    }
}

// "Mentés" saves the edits first (".msw" added to the typed name), then the command runs;
// a save that did not happen stops the command.
void TestUnsavedEdits::saveAnswerSavesFirst()
{
    Bench b;
    edit(b.window, "m_nev")->setText(kEdited);
    b.watcher.answerQuestionsWith(QMessageBox::Save);
    qv::setSaveFileChooser(
        [](QWidget *, const QString &, const QString &, const QString &) { return QString(); });
    b.run(Command::Open);
    QCOMPARE(edit(b.window, "m_nev")->text(), kEdited); // save cancelled: nothing opened

    qv::setSaveFileChooser([&b](QWidget *, const QString &, const QString &, const QString &) {
        return b.data.filePath("mentett");
    });
    b.run(Command::Open);
    QCOMPARE(b.watcher.boxes().constFirst().text, QStringLiteral("Sikeres mentés."));
    QFile saved(b.data.filePath("mentett.msw"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains(kEdited.toLatin1()));
    QCOMPARE(widget<QLabel>(b.window, "fileLabel")->text(), QStringLiteral("masik.msw"));
    QVERIFY(!b.marked());
}

// `qvconfig FILE.msw`: the file waits for the first identification, which loads the
// defaults and then the file, as "Megnyitás" would.
void TestUnsavedEdits::fileFromTheCommandLineOpensAfterIdentification()
{
    DataFolderScope data;
    const QString shipped = QCoreApplication::applicationDirPath() + u'/';
    for (const char *name : {"defval_qv.dll", "cmptbl_1_3.dll"})
        QFile::copy(shipped + QLatin1StringView(name), data.filePath(QLatin1StringView(name)));
    QFile file(data.filePath("pince.msw"));
    QFile defaults(data.filePath("defval_qv.dll"));
    QVERIFY(defaults.open(QIODevice::ReadOnly) && file.open(QIODevice::WriteOnly));
    file.write(defaults.readAll().replace("QV MODUL", "PINCE"));
    file.close();

    auto module = startModule({.paced = false});
    ModalWatcher watcher;
    watcher.onDialog(QStringLiteral("setcom"), [](QWidget *dialog) {
        dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
            ->button(QDialogButtonBox::Ok)
            ->click();
    });
    MainWindow w;
    w.useLink(module->slavePath(), 1200);
    w.openWhenIdentified(file.fileName());
    QVERIFY(widget<QLabel>(w, "fileLabel")->text().startsWith(QStringLiteral("pince.msw ")));
    widget<QAction>(w, "actionPort")->trigger();
    QCOMPARE(w.deviceSettings().FilePath, file.fileName());
    QCOMPARE(widget<QLabel>(w, "fileLabel")->text(), QStringLiteral("pince.msw"));
    QCOMPARE(edit(w, "m_nev")->text(), QStringLiteral("PINCE"));
    QCOMPARE(watcher.questions(), 0);
}

QTEST_MAIN(TestUnsavedEdits)
#include "tst_unsavededits.moc"

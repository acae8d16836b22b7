// Unsaved edits: the mark in the status bar, the question before each command that would
// replace the form (and before closing) with its three answers, and edits kept when a
// module of another model is identified.
#include "form/deviceprofile.h"
#include "formhelpers.h"
#include "modalwatcher.h"
#include "modulefixture.h"
#include "settings/gui/messages.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kEdited = QStringLiteral("SZERKESZTVE");

enum class Command { Open, ReadOut, DebugMode, Identification, Close };

// What the user does to a field of the form, and undoes again.
enum class Edit { Typing, Paste, CheckBox, RadioButton, SmsCentre, Rights, VisitPadded };

// A module (Q_QV5 unless told otherwise), the shipped data files, and a window filled with
// the defaults through the debug mode of a model (Q_QV5 unless told otherwise).
struct Bench
{
    DataFolderScope data;
    std::unique_ptr<qvsim::Emulator> module;
    ModalWatcher watcher;
    MainWindow window;

    explicit Bench(int formModel = qv::settings::ModelQV5,
                   qvsim::Model moduleModel = qvsim::Model::QV5)
        : module(startModule({.paced = false}, {}, qvsim::ModuleSetup::of(moduleModel)))
    {
        const QString shipped = QCoreApplication::applicationDirPath() + u'/';
        for (const char *name : {"defval_qv.dll", "cmptbl_1_3.dll"})
            QFile::copy(shipped + QLatin1StringView(name), data.filePath(QLatin1StringView(name)));
        QFile::copy(shipped + QStringLiteral("defval_qv.dll"), data.filePath("masik.msw"));
        window.useLink(module->slavePath(), 1200);
        switch (formModel) {
        case qv::settings::ModelQV3:
            window.deviceDebugMS3();
            break;
        case qv::settings::ModelBRK2:
            window.deviceDebugMArm2();
            break;
        default:
            window.deviceDebugMS5();
            break;
        }
        watcher.onDialog(QStringLiteral("setcom"), [](QWidget *dialog) {
            dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
                ->button(QDialogButtonBox::Ok)
                ->click();
        });
        qv::settings::gui::setOpenFileChooser(
            [this](QWidget *, const QString &, const QString &, const QString &) {
                return data.filePath("masik.msw");
            });
        qv::settings::gui::setSaveFileChooser(
            [this](QWidget *, const QString &, const QString &, const QString &) {
                return data.filePath("mentett");
            });
    }
    ~Bench()
    {
        qv::settings::gui::setOpenFileChooser({});
        qv::settings::gui::setSaveFileChooser({});
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
    void editsThroughEveryKindOfField_data();
    void editsThroughEveryKindOfField();
    void cancelShapesForAnotherModel_data();
    void cancelShapesForAnotherModel();
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
    const qv::settings::devSettings settings = b.window.deviceSettings();
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
        QCOMPARE(b.window.deviceSettings().DeviceModel, int(qv::settings::ModelQV5));
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

void TestUnsavedEdits::editsThroughEveryKindOfField_data()
{
    QTest::addColumn<Edit>("kind");
    QTest::addColumn<bool>("marks");
    QTest::newRow("typing into a line edit") << Edit::Typing << true;
    QTest::newRow("pasting into a line edit") << Edit::Paste << true;
    QTest::newRow("check box") << Edit::CheckBox << true;
    QTest::newRow("radio button") << Edit::RadioButton << true;
    QTest::newRow("SMS-centre selector") << Edit::SmsCentre << true;
    QTest::newRow("telephone rights") << Edit::Rights << true;
    QTest::newRow("visiting a field the form pads") << Edit::VisitPadded << false;
}

// Every kind of field marks the form when the user changes it and clears the mark when
// the user changes it back; what the form normalises by itself is no edit.
void TestUnsavedEdits::editsThroughEveryKindOfField()
{
    QFETCH(Edit, kind);
    QFETCH(bool, marks);

    Bench b;
    MainWindow &w = b.window;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QLineEdit *name = edit(w, "m_nev");
    auto *source = widget<QCheckBox>(w, "tc4_1"); // entry 1, input 1
    auto *call = widget<QCheckBox>(w, "cb_r_1");  // entry 1, notice by call
    auto *combo = widget<QComboBox>(w, "smskp_combo");
    const int operatorBefore = combo->currentIndex();
    auto *monostable = widget<QRadioButton>(w, "b1"), *bistable = widget<QRadioButton>(w, "k1");
    QRadioButton *modeBefore = monostable->isChecked() ? monostable : bistable;
    QRadioButton *otherMode = modeBefore == monostable ? bistable : monostable;

    switch (kind) {
    case Edit::Typing:
        QTest::keyClicks(name, QStringLiteral("X"));
        break;
    case Edit::Paste:
        QGuiApplication::clipboard()->setText(QStringLiteral("BEILLESZTVE"));
        QTest::keySequence(name, QKeySequence::Paste);
        break;
    case Edit::CheckBox:
        source->click();
        break;
    case Edit::RadioButton:
        otherMode->click();
        break;
    case Edit::SmsCentre:
        combo->setCurrentIndex(operatorBefore == 1 ? 2 : 1);
        break;
    case Edit::Rights:
        source->click(); // an alarm source opens the entry's call box
        call->click();
        QVERIFY(call->isChecked());
        break;
    case Edit::VisitPadded: {
        QFile file(b.data.filePath("masik.msw"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray bytes = file.readAll().replace("\r\n0001\r\n", "\r\n5\r\n"); // m_id
        QVERIFY(file.resize(0) && file.write(bytes) == bytes.size());
        file.close();
        w.openfile();
        QCOMPARE(edit(w, "m_id")->text(), QStringLiteral("5"));
        QVERIFY(!b.marked());
        edit(w, "m_id")->setFocus();
        QTRY_VERIFY(edit(w, "m_id")->hasFocus());
        name->setFocus();
        QTRY_COMPARE(edit(w, "m_id")->text(), QStringLiteral("0005"));
        break;
    }
    }
    QCOMPARE(b.marked(), marks);
    if (!marks)
        return;

    switch (kind) {
    case Edit::Typing:
    case Edit::Paste:
        QTest::keySequence(name, QKeySequence::Undo);
        break;
    case Edit::CheckBox:
        source->click();
        break;
    case Edit::RadioButton:
        modeBefore->click();
        break;
    case Edit::SmsCentre:
        combo->setCurrentIndex(operatorBefore);
        break;
    case Edit::Rights:
        source->click(); // without a source the call box goes off by itself
        break;
    case Edit::VisitPadded:
        break;
    }
    QVERIFY(!b.marked());
}

void TestUnsavedEdits::cancelShapesForAnotherModel_data()
{
    QTest::addColumn<int>("formModel");
    QTest::addColumn<qvsim::Model>("module");
    QTest::addColumn<int>("model"); // the module's model code

    const std::tuple<const char *, int, qvsim::Model, int> rows[] = {
        {"Q_QV5 form, Q_QV3 module", qv::settings::ModelQV5, qvsim::Model::QV3,
         qv::settings::ModelQV3},
        {"Q_QV5 form, Q_BRK2 module", qv::settings::ModelQV5, qvsim::Model::BRK2,
         qv::settings::ModelBRK2},
        {"Q_QV3 form, Q_QV5 module", qv::settings::ModelQV3, qvsim::Model::QV5,
         qv::settings::ModelQV5},
        {"Q_QV3 form, Q_BRK2 module", qv::settings::ModelQV3, qvsim::Model::BRK2,
         qv::settings::ModelBRK2},
        {"Q_BRK2 form, Q_QV5 module", qv::settings::ModelBRK2, qvsim::Model::QV5,
         qv::settings::ModelQV5},
        {"Q_BRK2 form, Q_QV3 module", qv::settings::ModelBRK2, qvsim::Model::QV3,
         qv::settings::ModelQV3},
    };
    for (const auto &[name, formModel, module, model] : rows)
        QTest::newRow(name) << formModel << module << model;
}

// Edits kept at the identification of another model: the form is shaped for the module
// identified, and a download then sends nothing of what that module lacks.
void TestUnsavedEdits::cancelShapesForAnotherModel()
{
    QFETCH(int, formModel);
    QFETCH(qvsim::Model, module);
    QFETCH(int, model);
    // Line edits of each model, and line edits only the others have (each with a text in
    // the defaults).
    const QHash<int, QStringList> has{
        {qv::settings::ModelQV5, {"be4_nev", "ki4_on", "be_a1_nev"}},
        {qv::settings::ModelQV3, {"be2_nev", "ki2_off", "be_a1_nev"}},
        {qv::settings::ModelBRK2, {"be2_off_msg", "ki1_on"}},
    };
    const QHash<int, QStringList> lacks{
        {qv::settings::ModelQV5, {}},
        {qv::settings::ModelQV3, {"be3_nev", "be4_off_msg", "ki3_on", "ki4_off"}},
        {qv::settings::ModelBRK2,
         {"be3_nev", "be4_off_msg", "ki2_on", "ki4_off", "be_a1_nev", "abe2_clr"}},
    };

    Bench b(formModel, module);
    QStringList lost; // what the form held that the module lacks
    for (const QString &name : lacks[model]) {
        if (const QString text = edit(b.window, name.toLatin1())->text(); !text.isEmpty())
            lost << text;
    }
    edit(b.window, "m_nev")->setText(kEdited);
    QStringList messages;
    connect(b.window.statusBar(), &QStatusBar::messageChanged, this,
            [&messages](const QString &text) { messages << text; });
    b.watcher.answerQuestionsWith(QMessageBox::Cancel);
    b.run(Command::Identification);

    QCOMPARE(b.watcher.questions(), 1);
    QCOMPARE(b.window.deviceSettings().DeviceModel, model);
    QCOMPARE(b.window.deviceSettings().PictureFile, qv::form::device::pictureFileFor(model));
    QCOMPARE(edit(b.window, "m_nev")->text(), kEdited);
    QVERIFY(b.marked());
    QVERIFY(
        messages.value(0).contains(widget<QLabel>(b.window, "l_ver")->text().section(u'_', 0, 1)));
    for (const QString &name : has[model])
        QVERIFY2(edit(b.window, name.toLatin1())->isEnabled(), qPrintable(name));
    for (const QString &name : lacks[model]) {
        QVERIFY2(!edit(b.window, name.toLatin1())->isEnabled(), qPrintable(name));
        QCOMPARE(edit(b.window, name.toLatin1())->text(), QString());
    }
    // No entry of the defaults has an alarm source: no call or SMS notice either.
    QVERIFY(!widget<QCheckBox>(b.window, "cb_r_1")->isEnabled());

    // The user fills in what the module has beyond the form's model, and downloads; the
    // worker fails at once on a port that does not exist.
    for (const char *box : {"g_general", "g_analog", "g_be", "g_ki", "g_activate"}) {
        for (QLineEdit *field : widget<QGroupBox>(b.window, box)->findChildren<QLineEdit *>()) {
            if (field->isEnabled() && field->text().isEmpty())
                field->setText(QStringLiteral("1"));
        }
    }
    b.window.useLink(QStringLiteral("/nonexistent/qv-port"), 1200);
    b.watcher.onDialog(QStringLiteral("dload"), [](QWidget *dialog) {
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        QTRY_VERIFY_WITH_TIMEOUT(buttons->button(QDialogButtonBox::Ok), 10000);
        buttons->button(QDialogButtonBox::Ok)->click();
    });
    b.window.download();
    const QString record = b.window.deviceSettings().DownloadRecord;
    QVERIFY(record.contains(kEdited));
    for (const QString &text : std::as_const(lost))
        QVERIFY2(!record.contains(text), qPrintable(text));
}

// "Mentés" saves the edits first (".msw" added to the typed name), then the command runs;
// a save that did not happen stops the command.
void TestUnsavedEdits::saveAnswerSavesFirst()
{
    Bench b;
    edit(b.window, "m_nev")->setText(kEdited);
    b.watcher.answerQuestionsWith(QMessageBox::Save);
    qv::settings::gui::setSaveFileChooser(
        [](QWidget *, const QString &, const QString &, const QString &) { return QString(); });
    b.run(Command::Open);
    QCOMPARE(edit(b.window, "m_nev")->text(), kEdited); // save cancelled: nothing opened

    qv::settings::gui::setSaveFileChooser(
        [&b](QWidget *, const QString &, const QString &, const QString &) {
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

// The register through the main window against the emulated module: every read-out,
// download and comparison lands in it with its record, also when it fails; the backup
// before a download; the register window finds an entry, restores it into the form and into
// a file; a register that cannot be written leaves the exchanges as they were.
#include "formhelpers.h"
#include "modalwatcher.h"
#include "modulefixture.h"
#include "register/gui/registermodel.h"
#include "register/store.h"
#include "settings/gui/messages.h"
#include "settings/preferences.h"
#include "transfer/configrecord.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using qvsim::Exchange;
using qvsim::Fault;
using Op = qv::reg::Operation;
using Res = qv::reg::Result;

namespace {

const QString kNoPort = QStringLiteral("/nonexistent/qv-port");

// The register this test program writes (its own, see tests/support/testmode.cpp), newest
// entry first, each whole.
QList<qv::reg::Entry> entries()
{
    const qv::reg::Store store = qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath());
    QList<qv::reg::Entry> whole;
    for (const qv::reg::Entry &e : store.search({}))
        whole << store.entry(e.id).value_or(e);
    return whole;
}

// A configuration with a name, an id and two telephone numbers of its own.
QStringList configuration()
{
    QStringList f = sampleFields();
    f[2] = QStringLiteral("0042");
    f[3] = QStringLiteral("PINCE KAPU");
    return f;
}

// The fields as the read-out receives them from a module that stores `fields`.
QStringList received(const QStringList &fields)
{
    return qv::transfer::decodeReadOut(
               qv::transfer::record::fromWire(qv::transfer::record::encodeReadOut(fields)))
        .fields;
}

// A main window in the debug mode of a Q_QV5 (or a Q_BRK2), its link pointed at an emulated
// module of that model.
struct Rig
{
    ModalWatcher watcher;
    std::unique_ptr<qvsim::Emulator> module;
    MainWindow window;

    explicit Rig(qvsim::Model model = qvsim::Model::QV5)
        : module(startModule({.moduleBaud = 115200}, {}, qvsim::ModuleSetup::of(model)))
    {
        model == qvsim::Model::QV5 ? window.deviceDebugMS5() : window.deviceDebugMArm2();
        window.useLink(module->slavePath(), 115200);
        window.show();
        store(configuration());
    }
    void store(const QStringList &fields)
    {
        qvsim::ModuleSetup setup = module->moduleSetup();
        setup.fields = fields;
        module->setModuleSetup(setup);
    }
    // Answers the download dialog: OK once the outcome shows.
    void answerDownloads()
    {
        watcher.onDialog(QStringLiteral("compareDialog"),
                         [](QWidget *d) { static_cast<QDialog *>(d)->accept(); });
        watcher.onDialog(QStringLiteral("dload"), [this](QWidget *dialog) {
            auto *text = dialog->findChild<QLabel *>(QStringLiteral("kiiras"));
            QTRY_VERIFY_WITH_TIMEOUT(!text->text().endsWith(QStringLiteral("...")), 40000);
            QTRY_VERIFY(!dialog->findChild<QDialog *>(QStringLiteral("compareDialog")));
            backupTicked = dialog->findChild<QCheckBox *>(QStringLiteral("cb_backup"))->isChecked();
            if (dialog->isVisible())
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
    }
    QString saveTo(const QString &path)
    {
        qv::settings::gui::setSaveFileChooser([path](auto &&...) { return path; });
        window.save();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }
    // The message boxes titled `title` so far.
    QList<RecordedBox> boxes(const QString &title) const
    {
        QList<RecordedBox> found;
        for (const RecordedBox &box : watcher.boxes()) {
            if (box.title == title)
                found << box;
        }
        return found;
    }
    bool backupTicked = false;
};

} // namespace

class TestRegisterWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readOut_data();
    void readOut();
    void download_data();
    void download();
    void comparison();
    void backup_data();
    void backup();
    void window_data();
    void window();
    void unwritable();
    void pages();
    void technicianAskedOnce();
    void seriesView();

private:
    QTemporaryDir m_files;
};

// Each test starts with an empty register and the download dialog's boxes unticked.
void TestRegisterWindow::init()
{
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(qv::reg::Store::defaultSqlitePath() + QLatin1StringView(suffix));
    qv::settings::preferences::setVerifyAfterDownload(false);
    qv::settings::preferences::setBackupBeforeDownload(false);
}

void TestRegisterWindow::readOut_data()
{
    QTest::addColumn<bool>("silent");
    QTest::newRow("read") << false;
    QTest::newRow("silent module") << true;
}

// The read-out lands with the fields exactly as received, or with the reason shown.
void TestRegisterWindow::readOut()
{
    QFETCH(bool, silent);
    Rig rig;
    if (silent)
        rig.module->setFaults(qvsim::FaultSetup::only(Exchange::ReadOut, Fault::Silent));
    rig.window.readup();

    const QList<qv::reg::Entry> all = entries();
    QCOMPARE(all.size(), 1);
    const qv::reg::Entry &e = all.first();
    QCOMPARE(e.operation, Op::ReadOut);
    QCOMPARE(e.result, silent ? Res::Failed : Res::Ok);
    QCOMPARE(e.port, rig.module->slavePath());
    QCOMPARE(e.baud, 115200);
    QCOMPARE(e.model, int(qv::settings::ModelQV5));
    QCOMPARE(e.fields, silent ? QStringList() : received(configuration()));
    QCOMPARE(e.moduleName, silent ? QString() : QStringLiteral("PINCE KAPU"));
    QCOMPARE(e.reason, silent ? rig.watcher.last().text : QString());
}

void TestRegisterWindow::download_data()
{
    QTest::addColumn<QString>("port"); // empty: the module's
    QTest::addColumn<Res>("result");
    QTest::addColumn<qv::reg::Verification>("verification");
    QTest::newRow("read back, holding another name")
        << QString() << Res::Differences << qv::reg::Verification::Differs;
    QTest::newRow("port missing") << kNoPort << Res::Failed << qv::reg::Verification::NotRun;
}

// The record as sent, the acknowledgement, the read-back and its differences.
void TestRegisterWindow::download()
{
    QFETCH(QString, port);
    QFETCH(Res, result);
    QFETCH(qv::reg::Verification, verification);
    qv::settings::preferences::setVerifyAfterDownload(true);
    Rig rig;
    rig.module->setFaults(qvsim::FaultSetup::only(Exchange::Download, Fault::StoresOther));
    if (!port.isEmpty())
        rig.window.useLink(port, 1200);
    rig.answerDownloads();
    edit(rig.window, "m_nev")->setText(QStringLiteral("PINCE"));
    rig.window.download();

    const QList<qv::reg::Entry> all = entries();
    QCOMPARE(all.size(), 1);
    const qv::reg::Entry &e = all.first();
    QCOMPARE(e.operation, Op::Download);
    QCOMPARE(e.result, result);
    QCOMPARE(e.acknowledged, std::optional<bool>(result != Res::Failed));
    QCOMPARE(e.verification, verification);
    QCOMPARE(e.baud, 1200);
    const QStringList sent =
        qv::transfer::record::downloadLines(rig.window.deviceSettings().DownloadRecord).mid(0, 56);
    QCOMPARE(e.fields, sent);
    QCOMPARE(e.moduleName, QStringLiteral("PINCE"));
    if (result == Res::Failed) {
        QVERIFY2(e.reason.startsWith(QStringLiteral("Betöltés hiba.")), qPrintable(e.reason));
        QVERIFY(e.reason.contains(kNoPort)); // why the port did not open, as shown
    } else {
        QCOMPARE(e.differences.value(0), (qv::reg::Difference{"Modul neve", "PINCE", "MAS MODUL"}));
    }
}

void TestRegisterWindow::comparison()
{
    Rig rig;
    rig.watcher.onDialog(QStringLiteral("compareDialog"),
                         [](QWidget *d) { static_cast<QDialog *>(d)->accept(); });
    widget<QAction>(rig.window, "actionCompare")->trigger();
    const QList<qv::reg::Entry> all = entries();
    QCOMPARE(all.size(), 1);
    QCOMPARE(all.first().operation, Op::Compare);
    QCOMPARE(all.first().result, Res::Differences);
    QCOMPARE(all.first().fields, received(configuration())); // the module's side
    QVERIFY(all.first().differences.contains(
        qv::reg::Difference{"Modul neve", "QV MODUL", "PINCE KAPU"}));
}

void TestRegisterWindow::backup_data()
{
    QTest::addColumn<bool>("readFails");
    QTest::addColumn<QMessageBox::StandardButton>("answer"); // to "write all the same?"
    QTest::newRow("read, then written") << false << QMessageBox::NoButton;
    QTest::newRow("read fails, not written") << true << QMessageBox::No;
    QTest::newRow("read fails, written all the same") << true << QMessageBox::Yes;
}

// "Kiolvasás betöltés előtt": the module's configuration is kept before it is overwritten.
void TestRegisterWindow::backup()
{
    QFETCH(bool, readFails);
    QFETCH(QMessageBox::StandardButton, answer);
    qv::settings::preferences::setBackupBeforeDownload(true);
    Rig rig;
    if (readFails)
        rig.module->setFaults(qvsim::FaultSetup::only(Exchange::ReadOut, Fault::Silent));
    rig.watcher.answerWith(answer);
    rig.answerDownloads();
    rig.module->clearReceived();
    rig.window.download();

    const bool written = answer != QMessageBox::No;
    const QList<RecordedBox> questions = rig.boxes(QStringLiteral("Kiolvasás betöltés előtt"));
    QCOMPARE(questions.size(), readFails ? 1 : 0);
    if (readFails) {
        QCOMPARE(questions.first().icon, QMessageBox::Question);
        QVERIFY(questions.first().text.startsWith(QStringLiteral("Sikertelen kiolvasás.")));
    }
    const QByteArray wire = rig.module->received();
    QVERIFY(wire.startsWith("~{"));
    QCOMPARE(wire.contains("~}"), written);
    QCOMPARE(rig.backupTicked, written);

    const QList<qv::reg::Entry> all = entries();
    QCOMPARE(all.size(), written ? 2 : 1);
    const qv::reg::Entry &backup = all.last();
    QCOMPARE(backup.operation, Op::Backup);
    QCOMPARE(backup.result, readFails ? Res::Failed : Res::Ok);
    QCOMPARE(backup.fields, readFails ? QStringList() : received(configuration()));
    if (written)
        QCOMPARE(all.first().operation, Op::Download);
}

void TestRegisterWindow::window_data()
{
    QTest::addColumn<qvsim::Model>("model");
    QTest::newRow("Q_QV5") << qvsim::Model::QV5;
    QTest::newRow("Q_BRK2, shaped for what it lacks") << qvsim::Model::BRK2;
}

// Found by a telephone number written with its country prefix, a module's history, and an
// entry restored into a file and into the form exactly as after the read-out.
void TestRegisterWindow::window()
{
    QFETCH(qvsim::Model, model);
    Rig rig(model);
    rig.window.readup();
    const QString afterReadOut = rig.saveTo(m_files.filePath(QStringLiteral("read.msw")));
    QVERIFY(afterReadOut.size() > 500);
    rig.store(qvsim::factoryFields()); // another module on the line, then the first again
    rig.window.readup();
    rig.store(configuration());
    rig.window.readup();
    edit(rig.window, "m_nev")->setText(QStringLiteral("SZERKESZTETT"));

    QStringList found, history;
    QString fromRegister, twoEntries;
    rig.watcher.onDialog(QStringLiteral("compareDialog"), [&twoEntries](QWidget *d) {
        twoEntries = d->windowTitle() + u'|' +
                     d->findChild<QLabel *>(QStringLiteral("compareHeading"))->text();
        static_cast<QDialog *>(d)->accept();
    });
    // Not modal: it stays open beside the form.
    widget<QAction>(rig.window, "actionRegister")->trigger();
    auto *dialog = rig.window.findChild<QDialog *>(QStringLiteral("registerDialog"));
    QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
    QString telephones, hits, historySelected, historySearch;
    {
        auto *view = dialog->findChild<QTableView *>(QStringLiteral("registerView"));
        auto rows = [view] {
            QStringList names;
            for (int row = 0; row < view->model()->rowCount(); ++row)
                names << view->model()->index(row, 4).data().toString();
            return names;
        };
        auto click = [dialog](const char *name) {
            dialog->findChild<QPushButton *>(QLatin1StringView(name))->click();
        };
        auto *search = dialog->findChild<QLineEdit *>(QStringLiteral("registerSearch"));
        search->setText(QStringLiteral("+36 20 123 4567"));
        QTest::keyClick(search, Qt::Key_Return);
        found = rows();
        // The number found, in the entry's own writing, and how many entries have it.
        telephones = view->model()->index(0, 5).data().toString();
        hits = dialog->findChild<QLabel *>(QStringLiteral("registerHits"))->text();
        search->clear();
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(rows().size(), 3);
        view->selectionModel()->select(view->model()->index(2, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view->selectionModel()->select(view->model()->index(1, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        click("registerCompareEntries");
        search->setText(QStringLiteral("PINCE"));
        QTest::keyClick(search, Qt::Key_Return);
        auto *entries = static_cast<qv::reg::gui::RegisterModel *>(view->model());
        const int chosen = int(rows().lastIndexOf(QStringLiteral("PINCE KAPU")));
        view->selectRow(chosen);
        const QString chosenId = entries->entryAt(chosen).id;
        click("registerHistory");
        history = rows();
        // The history keeps the entry selected, and the search no longer narrows it.
        const QModelIndexList selected = view->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        historySelected = entries->entryAt(selected.first().row()).id;
        QCOMPARE(historySelected, chosenId);
        historySearch = search->text();
        view->selectRow(0);
        qv::settings::gui::setSaveFileChooser(
            [this](auto &&...) { return m_files.filePath(QStringLiteral("entry.msw")); });
        click("registerSave");
        QFile file(m_files.filePath(QStringLiteral("entry.msw")));
        fromRegister = file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : "";
        click("registerOpen"); // asks about the edit, and leaves the window open
    }
    QVERIFY(dialog->isVisible());
    QCOMPARE(telephones, QStringLiteral("36201234567"));
    QCOMPARE(hits, QStringLiteral("2 találat"));
    QVERIFY(historySearch.isEmpty());

    QCOMPARE(found, (QStringList{"PINCE KAPU", "PINCE KAPU"}));
    QCOMPARE(history, (QStringList{"PINCE KAPU", "PINCE KAPU"}));
    QVERIFY2(twoEntries.startsWith(QStringLiteral("Két bejegyzés összehasonlítása|A két "
                                                  "bejegyzésben")),
             qPrintable(twoEntries));
    QCOMPARE(fromRegister, afterReadOut);
    QCOMPARE(rig.watcher.questions(), 1);
    QCOMPARE(edit(rig.window, "m_nev")->text(), QStringLiteral("PINCE KAPU"));
    QVERIFY(!widget<QLabel>(rig.window, "modifiedLabel")->isVisibleTo(&rig.window));
    QCOMPARE(rig.saveTo(m_files.filePath(QStringLiteral("opened.msw"))), afterReadOut);
}

// A register file that is no database: the exchanges work as before, the status bar says so
// each time, a message says so once, and the file is left as it was.
void TestRegisterWindow::unwritable()
{
    const QString path = qv::reg::Store::defaultSqlitePath();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile junk(path);
    QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write(QByteArray(4096, 'x')) == 4096);
    junk.close();

    Rig rig;
    for (int round = 0; round < 2; ++round) {
        edit(rig.window, "m_nev")->clear();
        rig.window.readup();
        QCOMPARE(edit(rig.window, "m_nev")->text(), QStringLiteral("PINCE KAPU"));
        QVERIFY(!rig.window.statusBar()->currentMessage().isEmpty());
        rig.window.statusBar()->clearMessage();
    }
    QTest::qWait(100);
    const QList<RecordedBox> told = rig.boxes(QStringLiteral("Nyilvántartás"));
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.first().format, Qt::PlainText);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(4096, 'x'));
}

// The window fetches the entries a page at a time, as the table is scrolled down.
void TestRegisterWindow::pages()
{
    QList<qv::reg::Entry> many;
    for (int i = 0; i < 501; ++i)
        many << qv::reg::newEntry(Op::ReadOut, QStringLiteral("1.31"));
    QVERIFY(qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath()).record(many));
    ModalWatcher watcher;
    MainWindow window;
    QList<int> rows;
    QSet<QString> shown;
    widget<QAction>(window, "actionRegister")->trigger();
    {
        auto *dialog = window.findChild<QDialog *>(QStringLiteral("registerDialog"));
        QVERIFY(dialog);
        auto *view = dialog->findChild<QTableView *>(QStringLiteral("registerView"));
        rows << view->model()->rowCount();
        // Recorded while the first page is shown: the next page goes on where it ended.
        QVERIFY(qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath())
                    .record(qv::reg::newEntry(Op::ReadOut, QStringLiteral("1.31"))));
        view->scrollToBottom();
        QTRY_VERIFY(view->model()->rowCount() > 500);
        rows << view->model()->rowCount();
        for (int row = 0; row < view->model()->rowCount(); ++row)
            shown << static_cast<qv::reg::gui::RegisterModel *>(view->model())->entryAt(row).id;
        static_cast<QDialog *>(dialog)->reject();
    }
    QCOMPARE(rows, (QList<int>{500, 501}));
    QSet<QString> recorded;
    for (const qv::reg::Entry &e : many)
        recorded << e.id;
    QCOMPARE(shown, recorded);
}

// The first entry without a technician asks for the name once; the answer is kept, and an
// empty one counts as an answer.
void TestRegisterWindow::technicianAskedOnce()
{
    QSettings(QSettings::UserScope, u"qvconfig"_s, u"qvconfig"_s).remove(u"register/technician"_s);
    Rig rig;
    int asked = 0;
    rig.watcher.onDialog(u"technicianQuestion"_s, [&asked](QWidget *dialog) {
        ++asked;
        auto *question = static_cast<QInputDialog *>(dialog);
        question->setTextValue(u" Kiss Péter "_s);
        question->accept();
    });
    rig.window.readup();
    rig.window.readup();
    QCOMPARE(asked, 1);
    const QList<qv::reg::Entry> all = entries();
    QCOMPARE(all.size(), 2);
    for (const qv::reg::Entry &e : all)
        QCOMPARE(e.technician, u"Kiss Péter"_s);
    QVERIFY(qv::settings::preferences::technicianAsked());
}

QTEST_MAIN(TestRegisterWindow)
// The register window opens the view of a table's series, which shows them as the register
// holds them.
void TestRegisterWindow::seriesView()
{
    const QString units = m_files.filePath(u"egysegek.csv"_s);
    QFile file(units);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("m_id;m_nev\r\n0001;EGY\r\n0002;KETTO\r\n0003;HAROM\r\n");
    file.close();
    QList<qv::reg::Entry> done;
    for (const auto &[row, result] : {std::pair{1, Res::Ok}, {2, Res::Failed}}) {
        qv::reg::Entry e = qv::reg::newEntry(Op::Download, u"1.31"_s);
        e.seriesKey = u"egysegek.csv#1"_s;
        e.seriesRow = row;
        e.result = result;
        done << e;
    }
    QVERIFY(qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath()).record(done));
    ModalWatcher watcher;
    MainWindow window;
    widget<QAction>(window, "actionRegister")->trigger();
    auto *registerWindow = window.findChild<QDialog *>(u"registerDialog"_s);
    QVERIFY(registerWindow);
    registerWindow->findChild<QPushButton *>(u"registerSeries"_s)->click();
    auto *view = registerWindow->findChild<QDialog *>(u"seriesStatusDialog"_s);
    QVERIFY(view);
    QVERIFY(view->isVisible());
    view->findChild<QLineEdit *>(u"seriesStatusUnits"_s)->setText(units);
    view->findChild<QPushButton *>(u"seriesStatusRefresh"_s)->click();
    const QAbstractItemModel *model = view->findChild<QTableView *>(u"seriesStatusView"_s)->model();
    QCOMPARE(model->rowCount(), 1);
    QStringList shown;
    for (int column = 0; column < model->columnCount() - 2; ++column)
        shown << model->index(0, column).data().toString();
    QCOMPARE(shown, (QStringList{u"egysegek.csv"_s, u"3"_s, u"1"_s, u"1"_s, u"0"_s, u"2"_s}));
    QVERIFY(
        model->index(0, model->columnCount() - 1).data().toString().contains(u"kész sorok: 1"_s));
    if (!qEnvironmentVariableIsEmpty("QV_SCREENSHOT"))
        view->grab().save(qEnvironmentVariable("QV_SCREENSHOT"));
    static_cast<QDialog *>(registerWindow)->reject();
}

#include "tst_registerwindow.moc"

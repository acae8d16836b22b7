// Read-out and download through the main window against the emulated module: the round
// trip byte for byte, the read-out's failures, the download's refusals and its faults.
#include "formhelpers.h"
#include "modalwatcher.h"
#include "modulefixture.h"
#include "serial/serialline.h"
#include "settings/preferences.h"
#include "transfer/configrecord.h"
#include "transfer/writemodule.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSemaphore>
#include <QSerialPort>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>

using qvsim::Exchange;
using qvsim::Fault;
using qvsim::Model;

namespace {

const QString kSuccess = QStringLiteral("Sikeres betöltés.");
const QString kFailure =
    QStringLiteral("Betöltés hiba.\nTipp: ellenőrizze az eszközt és a port beállítást.");
const QString kNoPort = QStringLiteral("/nonexistent/qv-port");
const QString kUnreadable = QStringLiteral("Sikertelen kiolvasás. (Ismeretlen formátum)");
const QString kVanished =
    QStringLiteral("Sikertelen kiolvasás.\nA port megszűnt a kiolvasás közben: az eszköz vagy "
                   "az adapter lecsatlakozott. Csatlakoztassa újra, majd ismételje meg a "
                   "kiolvasást.");

qint64 nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
std::atomic<qint64> unpluggedAt{-1};

// A configuration the model keeps through a read-out: nothing the model lacks, numbers in
// their full width, RING and SMS only beside an alarm source, rights characters above 0x7F.
QStringList configuration(Model model)
{
    QStringList f = qvsim::factoryFields();
    const QStringList general =
        QStringLiteral("36201111111;4321;0042;PINCE KAPU;0;0030;25;05;045;125;1;00042").split(u';');
    std::copy(general.begin(), general.end(), f.begin());
    using Entry = std::tuple<int, bool, int, const char *>; // rights, SMS, output, number
    QList<Entry> entries = {{0x7F, false, 4, "36301234567"},
                            {0x50, true, 1, "36209876543"},
                            {0x6A, true, 3, ""},
                            {0x28, false, 2, "3612345"},
                            {0x4C, false, 0, "36"}}; // rights character "|"
    QList<int> lacking; // fields of inputs, outputs and the analogue page the model lacks
    if (model == Model::QV3) {
        entries = {{0x73, false, 2, "36301234567"}, {0x51, true, 1, ""}, {0x22, true, 0, "1"}};
        lacking = {26, 27, 30, 31, 34, 35, 38, 39, 42, 43};
    } else if (model == Model::BRK2) {
        entries = {{0x43, true, 1, "36301234567"}, {0x01, false, 0, "5"}};
        lacking = {11, 16, 17, 18, 19, 22, 23, 26, 27, 30, 31, 34, 35, 37, 38, 39, 41, 42, 43, 44};
        f[8] = f[9] = QStringLiteral("000");
    }
    for (int i : lacking)
        f[i].clear();
    for (int k = 0; k < entries.size(); ++k) {
        const auto &[rights, sms, output, number] = entries.at(k);
        f[48 + k] =
            qv::transfer::record::encodeTelephone(rights, sms, output, QLatin1String(number));
    }
    return f;
}

QByteArray wireFor(const QStringList &fields)
{
    return "~}" +
           qv::transfer::record::downloadWire(qv::transfer::record::buildDownloadRecord(fields));
}

// What a download dialog showed.
struct Outcome
{
    bool shown = false;
    QString text;
    bool heldWhileRunning = false; // Escape and the close box left it open
    bool heldAfter = false;        // so did the close box after the end
    bool barFull = false, barEmpty = false;
    qint64 doneAt = -1; // when the outcome appeared (nowMs)
    // ms from the last poll that still saw the transfer running to the dialog's own close:
    // never less than the dialog's wait, however late a busy machine lets the polls come.
    qint64 closedAfter = -1;
};

// A main window in a debug mode, its link pointed at an emulated module.
struct Rig
{
    ModalWatcher watcher;
    std::unique_ptr<qvsim::Emulator> module;
    MainWindow window;
    Outcome last;

    // `watchDownloads`: the download dialog is answered by watch() below.
    explicit Rig(Model model = Model::QV5, qint32 baud = 115200, bool watchDownloads = true)
        : module(startModule({.moduleBaud = baud}, {}, qvsim::ModuleSetup::of(model)))
    {
        model == Model::QV5   ? window.deviceDebugMS5()
        : model == Model::QV3 ? window.deviceDebugMS3()
                              : window.deviceDebugMArm2();
        window.useLink(module->slavePath(), baud);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (watchDownloads)
            watcher.onDialog(QStringLiteral("dload"), [this](QWidget *dialog) { watch(dialog); });
        watcher.clear();
    }

    void watch(QWidget *dialog)
    {
        QPointer<QWidget> guard(dialog);
        auto *kiiras = dialog->findChild<QLabel *>(QStringLiteral("kiiras"));
        auto *bar = dialog->findChild<QProgressBar *>(QStringLiteral("progressBar"));
        const QString running = QStringLiteral("Betöltés folyamatban...");
        last.shown = true;
        if (kiiras->text() == running) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            last.heldWhileRunning = !dialog->close() && dialog->isVisible();
        }
        QDeadlineTimer deadline(30000);
        qint64 runningUntil = nowMs();
        while (kiiras->text() == running && !deadline.hasExpired()) {
            runningUntil = nowMs();
            QTest::qWait(2);
        }
        last = {true,
                kiiras->text(),
                last.heldWhileRunning,
                !dialog->close(),
                bar->value() == bar->maximum(),
                bar->value() < bar->minimum(),
                nowMs()};
        if (last.text != kSuccess)
            return dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        while (guard && guard->isVisible() && !deadline.hasExpired())
            QTest::qWait(10);
        last.closedAfter = nowMs() - runningUntil;
    }

    void store(const QStringList &fields)
    {
        qvsim::ModuleSetup setup = module->moduleSetup();
        setup.fields = fields;
        module->setModuleSetup(setup);
    }

    Outcome download()
    {
        last = {};
        module->clearReceived();
        window.download();
        return last;
    }
};

} // namespace

class TestTransfer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readOutFailures_data();
    void readOutFailures();
    void refusals_data();
    void refusals();
    void roundTrip_data();
    void roundTrip();
    void changeAndReadAgain();
    void downloadFaults_data();
    void downloadFaults();
    void compareWithTheModule();
    void compareFailures_data();
    void compareFailures();
    void checkedDownload_data();
    void checkedDownload();
    void portHeldThroughReadBack_data();
    void portHeldThroughReadBack();

private:
    QTemporaryDir m_settingsHome; // the remembered check box, away from the user's own
};

void TestTransfer::initTestCase()
{
    // Before the first download dialog reads the user's settings.
    qputenv("XDG_CONFIG_HOME", m_settingsHome.path().toLocal8Bit());
}

void TestTransfer::readOutFailures_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("cause"); // beneath the message: how it begins
    // (in the locale's numbers: the program sets it to its language)
    QTest::newRow("silent module") << kUnreadable
                                   << QStringLiteral("A modul nem válaszolt (%1 s csend).")
                                          .arg(QLocale().toString(1.2, 'f', 1));
    QTest::newRow("fields missing") << kUnreadable << "";
    // The port's name and what to do follow on a line of their own.
    QTest::newRow("no port")
        << QStringLiteral(
               "Sikertelen kiolvasás.\nNem lehet megnyitni a portot.\nA(z) %1 port nem található. "
               "Ellenőrizze, hogy az eszköz csatlakoztatva van-e, majd válassza ki újra a portot.")
               .arg(kNoPort)
        << "";
    QTest::newRow("cancelled half-way") << QString() << "";
    // What came before the adapter was pulled still splits into 56 fields, the last
    // telephone number cut short: not a configuration.
    QTest::newRow("cut by an unplug near its end") << kVanished << "";
    // The line falls silent for three quarters of the read time-out before the pull.
    QTest::newRow("cut by an unplug near its end, after a pause") << kVanished << "";
}

void TestTransfer::readOutFailures()
{
    QFETCH(QString, message);
    QFETCH(QString, cause);
    const QByteArray row = QTest::currentDataTag();

    const qint32 baud = row.startsWith("cancelled") ? 1200 : 115200; // the bar shows at 1200
    Rig rig(Model::QV5, baud);
    if (row.startsWith("silent"))
        rig.module->setFaults(qvsim::FaultSetup::only(Exchange::ReadOut, Fault::Silent));
    if (row.startsWith("fields")) {
        qvsim::ModuleSetup setup = rig.module->moduleSetup();
        setup.readOutStyle = {true, qv::transfer::record::ReadOutStyle::LineEnd::CrLf, 4,
                              qv::transfer::record::ReadOutStyle::Padding::None};
        rig.module->setModuleSetup(setup);
    }
    if (row.startsWith("no port"))
        rig.window.useLink(kNoPort, baud);
    if (row.startsWith("cut")) {
        qvsim::ModuleSetup setup = rig.module->moduleSetup();
        setup.fields[55] =
            qv::transfer::record::encodeTelephone(0x01, true, 0, QStringLiteral("36201234567"));
        rig.module->setModuleSetup(setup);
        const QByteArray reply =
            qv::transfer::record::encodeReadOut(setup.fields, setup.readOutStyle);
        auto faults = qvsim::FaultSetup::only(Exchange::ReadOut, Fault::Unplug);
        faults.unplugAfterBytes = int(reply.size()) - 8; // inside the last number
        faults.unplugPauseMs = row.endsWith("pause") ? 900 : 0;
        const auto cut = qv::transfer::decodeReadOut(
            qv::transfer::record::fromWire(reply.left(faults.unplugAfterBytes)));
        QCOMPARE(cut.status, qv::transfer::ReadOutStatus::Ok);
        QCOMPARE(cut.form.texts.constLast().second, QStringLiteral("362012345"));
        rig.module->setFaults(faults);
    }
    int cancelledAt = -1;
    // Only this row cancels: on a loaded machine the other rows' reads may show the bar too.
    if (row.startsWith("cancelled")) {
        rig.watcher.onDialog(QStringLiteral("QProgressDialog"), [&cancelledAt](QWidget *w) {
            auto *progress = static_cast<QProgressDialog *>(w);
            auto *timer = new QTimer(progress);
            QObject::connect(timer, &QTimer::timeout, progress, [progress, &cancelledAt] {
                if (progress->value() >= 448 && cancelledAt < 0) {
                    cancelledAt = progress->value();
                    progress->findChild<QPushButton *>()->click();
                }
            });
            timer->start(5);
        });
    }
    auto *tabs = rig.window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    tabs->setCurrentIndex(2);
    const QStringList before = formValues(rig.window);

    rig.window.readup();

    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(formValues(rig.window), before);
    QCOMPARE(rig.watcher.count(), message.isEmpty() ? 0 : 1);
    QCOMPARE(rig.watcher.last().text, message);
    QCOMPARE(rig.watcher.last().title, message.isEmpty() ? QString() : QStringLiteral("Hiba"));
    // The cause beneath the message (a reply of too few fields says how many came).
    const QString beneath = rig.watcher.last().informative;
    if (row.startsWith("fields"))
        QVERIFY2(beneath.contains(QStringLiteral(" érkezett")), qPrintable(beneath));
    else
        QCOMPARE(beneath.isEmpty() ? QString() : beneath, cause.isEmpty() ? QString() : cause);
    QVERIFY(!row.startsWith("cancelled") || (cancelledAt >= 448 && cancelledAt < 896));
    // The port was closed: it opens again at once (an unplugged one once it is back).
    if (rig.module->isUnplugged())
        QVERIFY(rig.module->replug());
    qv::serial::SerialLine line;
    QCOMPARE(line.open(qv::serial::lines::readOut(rig.module->slavePath(), baud)),
             qv::serial::OpenResult::Ok);
}

void TestTransfer::refusals_data()
{
    QTest::addColumn<QStringList>("fields"); // given `text`; the first is reported
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: the download goes ahead
    QTest::addColumn<int>("page");
    const QString missing = QStringLiteral("Minden beviteli mező kitöltése kötelező!");
    const QString breaks = QStringLiteral("A(z) \"%1\" mező nem tartalmazhat sortörést!");
    // clang-format off
    QTest::newRow("empty name") << QStringList{"m_nev"} << "" << missing << 0;
    QTest::newRow("analogue page before inputs") << QStringList{"abe1_vissza", "be1_nev"} << "" << missing << 1;
    QTest::newRow("separator in a name") << QStringList{"m_nev"} << "A|B"
        << QStringLiteral("A(z) \"Modul neve\" mező nem tartalmazhat \"|\" karaktert!") << 0;
    QTest::newRow("line break in an input message") << QStringList{"be2_on_msg"} << "BE\nKI"
        << breaks.arg(QStringLiteral("2-es bemenet bekapcs.")) << 2;
    QTest::newRow("CR in an output text") << QStringList{"ki1_on"} << "BE\rKI"
        << breaks.arg(QStringLiteral("1-es kimenet bekapcsoláskor")) << 3;
    QTest::newRow("disabled empty field") << QStringList{"be3_nev"} << "" << "" << 0;
    // clang-format on
}

void TestTransfer::refusals()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, page);

    Rig rig(Model::QV3); // inputs 3 and 4 disabled
    rig.window.useLink(kNoPort, 1200);
    for (const QString &field : fields)
        edit(rig.window, field.toLatin1())->setText(text);

    const Outcome out = rig.download();

    QCOMPARE(rig.window.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->currentIndex(), page);
    if (message.isEmpty()) { // the worker cannot open the port
        QCOMPARE(out.text, kFailure);
        QCOMPARE(rig.window.deviceSettings().DownloadRecord.size(), 952);
        return;
    }
    QVERIFY(!out.shown);
    QVERIFY(rig.window.deviceSettings().DownloadRecord.isEmpty());
    QCOMPARE(rig.watcher.count(), 1);
    QCOMPARE(rig.watcher.last().icon, QMessageBox::Critical);
    QCOMPARE(rig.watcher.last().title, QStringLiteral("Hiba"));
    QCOMPARE(rig.watcher.last().text, message);
    QCOMPARE(rig.window.focusWidget(), edit(rig.window, fields.first().toLatin1()));
}

void TestTransfer::roundTrip_data()
{
    QTest::addColumn<Model>("model");
    QTest::newRow("QV5") << Model::QV5;
    QTest::newRow("QV3") << Model::QV3;
    QTest::newRow("BRK2") << Model::BRK2;
}

void TestTransfer::roundTrip()
{
    QFETCH(Model, model);
    // The read-out runs at the port dialog's 115200 bit/s, the download at 1200 all the same.
    Rig rig(model);
    const QStringList fields = configuration(model);
    rig.store(fields);
    rig.window.readup();
    QCOMPARE(rig.watcher.count(), 0);

    const Outcome out = rig.download();
    QCOMPARE(out.text, kSuccess);
    QVERIFY(out.barFull && out.heldWhileRunning && out.heldAfter);
    QVERIFY2(out.closedAfter >= 1900 && out.closedAfter < 3000,
             qPrintable(QString::number(out.closedAfter)));
    const QByteArray expected = wireFor(fields);
    QCOMPARE(expected.size(), 955);
    QCOMPARE(rig.module->received(), expected);
    // Rights characters above 0x7F (the Q_BRK2 lacks the columns that reach them).
    QCOMPARE(std::any_of(expected.begin(), expected.end(), [](char c) { return c < 0; }),
             model != Model::BRK2);
}

void TestTransfer::changeAndReadAgain()
{
    Rig rig;
    QStringList fields = configuration(Model::QV5);
    fields[55] =
        qv::transfer::record::encodeTelephone(0x40, true, 0, QStringLiteral("3611")); // RING only
    rig.store(fields);
    rig.window.readup();
    for (const char *name : {"cb_r_8", "cb_s_8"}) {
        QVERIFY(!widget<QCheckBox>(rig.window, name)->isChecked());
        QVERIFY(!widget<QCheckBox>(rig.window, name)->isEnabled());
    }
    QCOMPARE(widget<QComboBox>(rig.window, "smskp_combo")->currentText(), QStringLiteral("Egyéni"));

    edit(rig.window, "t2")->setText(QStringLiteral("36705555555"));
    QCOMPARE(rig.download().text, kSuccess);
    fields[49] = fields[49].left(2) + QStringLiteral("36705555555");
    fields[55] = QStringLiteral("083611");
    QCOMPARE(rig.module->received(), wireFor(fields));

    edit(rig.window, "t2")->clear();
    rig.window.readup();
    QCOMPARE(edit(rig.window, "t2")->text(), QStringLiteral("36705555555"));
    // The status bar says what was read, and when.
    const QString readOut = widget<QLabel>(rig.window, "readOutLabel")->text();
    QVERIFY2(readOut.startsWith(
                 QStringLiteral("Kiolvasva: Q_QV5, %1 %2, ")
                     .arg(edit(rig.window, "m_id")->text(), edit(rig.window, "m_nev")->text())),
             qPrintable(readOut));
}

void TestTransfer::downloadFaults_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("text");
    QTest::newRow("unanswered") << Fault::WrongReady << kFailure;
    QTest::newRow("silent") << Fault::Silent << kFailure;
    QTest::newRow("ack in the second byte") << Fault::AckSecondOnly << kSuccess;
    QTest::newRow("unplugged") << Fault::Unplug << kFailure;
}

void TestTransfer::downloadFaults()
{
    QFETCH(Fault, fault);
    QFETCH(QString, text);

    Rig rig;
    rig.module->setFaults(qvsim::FaultSetup::only(Exchange::Download, fault));
    rig.module->setEventSink([](const QString &event) {
        if (event == QLatin1StringView("unplugged"))
            unpluggedAt = nowMs();
    });
    const Outcome out = rig.download();

    QCOMPARE(out.text, text);
    QVERIFY(out.heldAfter);
    const QByteArray received = rig.module->received();
    if (fault == Fault::WrongReady || fault == Fault::Silent) { // no data line, an empty bar
        QCOMPARE(received, QByteArray("~}"));
        QVERIFY(out.barEmpty && (fault == Fault::WrongReady || out.heldWhileRunning));
    } else if (fault == Fault::Unplug) { // ends at once, not after a read time-out
        QVERIFY(unpluggedAt >= 0 && received.size() > 2 && received.size() < 955);
        QVERIFY2(out.doneAt - unpluggedAt < 500,
                 qPrintable(QString::number(out.doneAt - unpluggedAt)));
    } else {
        QVERIFY(out.barFull);
        QCOMPARE(received.size(), 955);
    }
}

// The rows of the comparison dialog: field, ours, the module's.
QList<QStringList> comparisonRows(QWidget *dialog)
{
    QList<QStringList> rows;
    const QAbstractItemModel *model =
        dialog->findChild<QTableView *>(QStringLiteral("compareView"))->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        rows << cells;
    }
    return rows;
}

// The comparison reads the module and lists what differs; the form stays as it is.
void TestTransfer::compareWithTheModule()
{
    Rig rig; // the defaults, which the factory-fresh module holds too
    auto *compare = rig.window.findChild<QAction *>(QStringLiteral("actionCompare"));
    compare->trigger();
    QCOMPARE(rig.watcher.count(), 1);
    QCOMPARE(rig.watcher.last().text, QStringLiteral("Nincs eltérés."));

    edit(rig.window, "m_nev")->setText(QStringLiteral("PINCE"));
    edit(rig.window, "t2")->setText(QStringLiteral("36301234567"));
    const QStringList before = formValues(rig.window);
    QList<QStringList> rows;
    rig.watcher.onDialog(QStringLiteral("compareDialog"), [&rows](QWidget *dialog) {
        rows = comparisonRows(dialog);
        static_cast<QDialog *>(dialog)->accept();
    });
    rig.module->clearReceived();
    compare->trigger();
    QCOMPARE(rows,
             (QList<QStringList>{{"Modul neve", "PINCE", "QV MODUL"},
                                 {"2. telefonszám", "36301234567", QStringLiteral("(üres)")}}));
    QCOMPARE(formValues(rig.window), before);
    QCOMPARE(rig.module->received(), QByteArray("~{"));
}

// The read-out's fault for a comparison or a read-back. An unplug after a pause comes
// after all but the reply's last byte: what came decodes as the whole configuration.
qvsim::FaultSetup readFaults(const qvsim::Emulator &module, Fault fault, int pauseMs)
{
    auto faults = module.faults();
    faults[Exchange::ReadOut].fault = fault;
    if (pauseMs > 0) {
        const qvsim::ModuleSetup setup = module.moduleSetup();
        faults.unplugAfterBytes =
            int(qv::transfer::record::encodeReadOut(setup.fields, setup.readOutStyle).size()) - 1;
        faults.unplugPauseMs = pauseMs;
    }
    return faults;
}

// A comparison whose read fails says why, never "Nincs eltérés.", and lists nothing.
void TestTransfer::compareFailures_data()
{
    QTest::addColumn<Fault>("readFault");
    QTest::addColumn<int>("pauseMs"); // unplug: the silence before the pull
    QTest::addColumn<QString>("message");
    QTest::newRow("silent") << Fault::Silent << 0 << kUnreadable;
    QTest::newRow("garbage") << Fault::Garbage << 0 << kUnreadable;
    QTest::newRow("unplugged") << Fault::Unplug << 0 << kVanished;
    QTest::newRow("unplugged at its end, after a pause") << Fault::Unplug << 900 << kVanished;
}

void TestTransfer::compareFailures()
{
    QFETCH(Fault, readFault);
    QFETCH(int, pauseMs);
    QFETCH(QString, message);

    Rig rig; // the form holds what the module holds
    rig.module->setFaults(readFaults(*rig.module, readFault, pauseMs));
    bool listed = false;
    rig.watcher.onDialog(QStringLiteral("compareDialog"), [&listed](QWidget *dialog) {
        listed = true;
        static_cast<QDialog *>(dialog)->accept();
    });
    rig.window.findChild<QAction *>(QStringLiteral("actionCompare"))->trigger();

    QCOMPARE(rig.watcher.count(), 1);
    QCOMPARE(rig.watcher.last().icon, QMessageBox::Critical);
    QCOMPARE(rig.watcher.last().text, message);
    QVERIFY(!listed);
}

void TestTransfer::checkedDownload_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Fault>("readFault"); // of the read-back
    QTest::addColumn<int>("pauseMs");     // its unplug's silence before the pull
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("differs");
    QTest::addColumn<QString>("message"); // why the read-back failed
    const QString failed = QStringLiteral("Sikeres betöltés.\nAz ellenőrzés nem sikerült.");
    // clang-format off
    QTest::newRow("stored as sent") << Fault::None << Fault::None << 0
        << QStringLiteral("Sikeres betöltés.\nEllenőrizve.") << false << QString();
    QTest::newRow("stored something else") << Fault::StoresOther << Fault::None << 0
        << QStringLiteral("Sikeres betöltés.\nA modul mást tárol!") << true << QString();
    QTest::newRow("read-back silent") << Fault::None << Fault::Silent << 0 << failed << false << kUnreadable;
    QTest::newRow("read-back garbage") << Fault::None << Fault::Garbage << 0 << failed << false << kUnreadable;
    QTest::newRow("read-back unplugged") << Fault::None << Fault::Unplug << 0 << failed << false << kVanished;
    QTest::newRow("read-back unplugged at its end, after a pause")
        << Fault::None << Fault::Unplug << 900 << failed << false << kVanished;
    // Cancel pressed while it reads back (at 1200 bit/s, long enough to press it).
    QTest::newRow("read-back cancelled") << Fault::None << Fault::None << 0
        << QStringLiteral("Sikeres betöltés.\nAz ellenőrzés megszakítva.") << false << QString();
    // clang-format on
}

// "Ellenőrzés betöltés után" (remembered) reads the configuration back after a success, in
// the download dialog, whose result line and then the status bar keep the outcome.
void TestTransfer::checkedDownload()
{
    QFETCH(Fault, fault);
    QFETCH(Fault, readFault);
    QFETCH(int, pauseMs);
    QFETCH(QString, text);
    QFETCH(bool, differs);
    QFETCH(QString, message);
    const bool cancel = text.endsWith(QStringLiteral("megszakítva."));

    qv::settings::preferences::setVerifyAfterDownload(true);
    Rig rig(Model::QV5, cancel ? 1200 : 115200, false);
    rig.module->setFaults(qvsim::FaultSetup::only(Exchange::Download, fault));
    rig.module->setFaults(readFaults(*rig.module, readFault, pauseMs));
    edit(rig.window, "m_nev")->setText(QStringLiteral("PINCE"));
    ModalWatcher &watcher = rig.watcher;
    QString shown;
    bool closedItself = false;
    QList<QStringList> rows;
    watcher.onDialog(QStringLiteral("compareDialog"), [&rows](QWidget *dialog) {
        rows = comparisonRows(dialog);
        static_cast<QDialog *>(dialog)->accept();
    });
    watcher.onDialog(QStringLiteral("dload"), [&](QWidget *dialog) {
        QPointer<QWidget> guard(dialog);
        auto *kiiras = dialog->findChild<QLabel *>(QStringLiteral("kiiras"));
        QVERIFY(dialog->findChild<QCheckBox *>(QStringLiteral("cb_verify"))->isChecked());
        QDeadlineTimer deadline(40000);
        if (cancel) {
            while (!kiiras->text().endsWith(QStringLiteral("Ellenőrzés...")) &&
                   !deadline.hasExpired())
                QTest::qWait(5);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        }
        while ((!kiiras->text().contains(QStringLiteral(".\n")) ||
                kiiras->text().endsWith(QStringLiteral("Ellenőrzés..."))) &&
               !deadline.hasExpired())
            QTest::qWait(5);
        shown = kiiras->text();
        QTest::qWait(2500);
        closedItself = !guard || !guard->isVisible();
        if (!closedItself)
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    rig.window.download();

    QCOMPARE(shown, text);
    QCOMPARE(closedItself, text.endsWith(QStringLiteral("Ellenőrizve.")));
    QCOMPARE(watcher.last().text, message);
    QCOMPARE(rows.isEmpty(), !differs);
    if (differs)
        QCOMPARE(rows.value(0), (QStringList{"Modul neve", "PINCE", "MAS MODUL"}));
    // What the module holds is what the form says only when the read-back found no difference.
    QCOMPARE(widget<QLabel>(rig.window, "modifiedLabel")->isVisibleTo(&rig.window), differs);
    // The outcome stays in the status bar once the dialog has closed.
    const auto *verified = rig.window.findChild<QLabel *>(QStringLiteral("verifiedLabel"));
    QVERIFY(verified && verified->isVisibleTo(&rig.window));
    QCOMPARE(verified->text(), text.section(u'\n', -1));
    QVERIFY(verified->toolTip().endsWith(QString(text).replace(u'\n', u' ')));
    qv::settings::preferences::setVerifyAfterDownload(false);
}

namespace {

// Another program that wants the module's port: the moment the program closes it (its serial
// trace says so), this one opens it on a thread of its own and keeps it to the end, while the
// closing thread waits for the attempt. A program that let the port go between the write and
// its read-back finds it taken when it comes back.
struct PortGrabber
{
    explicit PortGrabber(const QString &port) : path(port)
    {
        thread.reset(QThread::create([this] {
            QSerialPort other(path);
            grabbed = other.open(QIODevice::ReadWrite);
            tried.release();
            done.acquire();
        }));
        grabber = this;
        previousHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &c,
                                                    const QString &text) {
            if (qstrcmp(c.category, "qv.serial.trace") != 0)
                return grabber->previousHandler ? grabber->previousHandler(type, c, text) : void();
            if (text.startsWith(grabber->path + u' ') && text.endsWith(QLatin1String("-- close")) &&
                !grabber->started.exchange(true)) {
                grabber->thread->start();
                grabber->tried.acquire();
            }
        });
        previousFilter = QLoggingCategory::installFilter([](QLoggingCategory *category) {
            if (grabber->previousFilter)
                grabber->previousFilter(category);
            if (qstrcmp(category->categoryName(), "qv.serial.trace") == 0)
                category->setEnabled(QtDebugMsg, true);
        });
    }
    ~PortGrabber()
    {
        QLoggingCategory::installFilter(previousFilter);
        qInstallMessageHandler(previousHandler);
        done.release();
        thread->wait();
    }

    static inline PortGrabber *grabber = nullptr;
    const QString path;
    std::unique_ptr<QThread> thread;
    std::atomic<bool> started{false}, grabbed{false};
    QSemaphore tried, done;
    QtMessageHandler previousHandler = nullptr;
    QLoggingCategory::CategoryFilter previousFilter = nullptr;
};

} // namespace

void TestTransfer::portHeldThroughReadBack_data()
{
    QTest::addColumn<bool>("window");
    QTest::newRow("the window's download") << true;
    QTest::newRow("write command and series (writeModule)") << false;
}

// From the first byte written to the last byte read back the port stays the program's.
void TestTransfer::portHeldThroughReadBack()
{
    QFETCH(bool, window);
    qv::settings::preferences::setVerifyAfterDownload(true);
    Rig rig(Model::QV5, 115200, false);
    const QString path = rig.module->slavePath();
    QString outcome;
    {
        PortGrabber grabber(path);
        if (window) {
            rig.watcher.onDialog(QStringLiteral("dload"), [&outcome](QWidget *dialog) {
                auto *kiiras = dialog->findChild<QLabel *>(QStringLiteral("kiiras"));
                QDeadlineTimer deadline(40000);
                while ((!kiiras->text().contains(u'\n') ||
                        kiiras->text().endsWith(QLatin1String("..."))) &&
                       !deadline.hasExpired())
                    QTest::qWait(5);
                outcome = kiiras->text();
                static_cast<QDialog *>(dialog)->accept();
            });
            rig.window.download();
        } else {
            const QString record =
                qv::transfer::record::buildDownloadRecord(configuration(Model::QV5));
            outcome = qv::transfer::writeModule(path, 115200, record, u'|', u'|', 'O', true)
                          .report.reason;
        }
        QVERIFY(grabber.grabbed); // it had the port once the program had let it go
    }
    QCOMPARE(outcome, window ? QStringLiteral("Sikeres betöltés.\nEllenőrizve.") : QString());
    QCOMPARE(rig.watcher.last().text, QString()); // no failed read-back reported
    qv::settings::preferences::setVerifyAfterDownload(false);
}

QTEST_MAIN(TestTransfer)
#include "tst_transfer.moc"

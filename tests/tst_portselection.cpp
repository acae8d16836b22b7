// Port selection end to end: the port dialog, the automatic search and the identification,
// through the real main window against emulated modules on pseudo-terminals.
#include "formhelpers.h"
#include "modalwatcher.h"
#include "modulefixture.h"
#include "serial/portlist.h"
#include "settings/branding.h"
#include "transfer/gui/dload.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSerialPort>
#include <QTableWidget>
#include <QTest>

using qvsim::Emulator;
using qvsim::Exchange;
using qvsim::Fault;

namespace {

const QString kNotFound =
    QStringLiteral("A kiválasztott porton nem található csatlakoztatott eszköz.");
const QString kIncompatible =
    QStringLiteral("A csatlakoztatott eszköz nem kompatibilis a jelenlegi szoftververzióval.\n"
                   "Kérem töltse le a legújabb verziót a \"%1\" oldalról!")
        .arg(qv::settings::makerWebAddress());

// The shipped defaults and table, and two more table lines for the cases below.
void prepareData(const DataFolderScope &data, bool withTable)
{
    const QString shipped = QCoreApplication::applicationDirPath() + u'/';
    QFile::copy(shipped + "defval_qv.dll", data.filePath("defval_qv.dll"));
    if (!withTable)
        return;
    QFile::copy(shipped + "cmptbl_1_3.dll", data.filePath("cmptbl_1_3.dll"));
    QFile table(data.filePath("cmptbl_1_3.dll"));
    QVERIFY(table.open(QIODevice::Append));
    table.write("Q_BRK2_FW1.4_B\nQ_QVX_FW2.1\n");
}

QComboBox *portBox(QWidget *dialog)
{
    return dialog->findChild<QComboBox *>(QStringLiteral("comboBox"));
}

QStringList items(QWidget *dialog)
{
    QStringList names;
    for (int i = 0; i < portBox(dialog)->count(); ++i)
        names << portBox(dialog)->itemText(i);
    return names;
}

void press(QWidget *dialog, QDialogButtonBox::StandardButton which)
{
    dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(which)->click();
}

} // namespace

class TestPortSelection : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qv::serial::setPortEnumerator([] { return QStringList(); });
    }
    void cleanup() { qv::serial::setPortDescriber({}); }
    void identification_data();
    void identification();
    void search_data();
    void search();
    void busyPort();
    void unusablePortsShown();
    void unusablePortsInNotFound();
    void downloadOnHeldPort();
    void currentPortKept();
};

void TestPortSelection::identification_data()
{
    QTest::addColumn<QString>("ident");
    QTest::addColumn<QByteArray>("end");
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("table");
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("shown"); // l_ver afterwards
    QTest::addColumn<QString>("box");   // the warning, "greeting" or none

    const int ok = int(Fault::None);
    const QByteArray cr = "\r";
    QTest::newRow("Q_QV5") << "Q_QV5_FW2.1" << cr << ok << true << 1 << "Q_QV5_FW2.1"
                           << "greeting";
    QTest::newRow("Q_QV3") << "Q_QV3_FW2.1" << cr << ok << true << 2 << "Q_QV3_FW2.1"
                           << "greeting";
    QTest::newRow("Q_BRK2, a fourth field")
        << "Q_BRK2_FW1.4_B" << cr << ok << true << 3 << "Q_BRK2_FW1.4_B"
        << "greeting";
    QTest::newRow("lower case is upper-cased")
        << "q_qv3_fw2.1" << QByteArray() << ok << true << 2 << "Q_QV3_FW2.1"
        << "greeting";
    QTest::newRow("line feed fails the lookup")
        << "Q_QV5_FW2.1" << QByteArray("\n") << ok << true << 0 << "" << kIncompatible;
    QTest::newRow("model name ending in a letter")
        << "Q_QVX_FW2.1" << cr << ok << true << 0 << "Q_QVX_FW2.1"
        << "";
    QTest::newRow("no reply") << "Q_QV5_FW2.1" << cr << int(Fault::Silent) << true << 0 << ""
                              << kNotFound;
    QTest::newRow("never falls silent")
        << "Q_QV5_FW2.1" << cr << int(Fault::NeverSilent) << true << 0 << "" << kNotFound;
    QTest::newRow("not in the table")
        << "Q_QV5_FW9.9" << cr << ok << true << 0 << "" << kIncompatible;
    QTest::newRow("table missing")
        << "Q_QV5_FW2.1" << cr << ok << false << 0 << "" << kIncompatible;
}

// From the menu: the dialog does not search, Ok takes the current port.
void TestPortSelection::identification()
{
    QFETCH(QString, ident);
    QFETCH(QByteArray, end);
    QFETCH(int, fault);
    QFETCH(bool, table);
    QFETCH(int, model);
    QFETCH(QString, shown);
    QFETCH(QString, box);

    DataFolderScope data;
    prepareData(data, table);
    qvsim::ModuleSetup answering;
    answering.identText = ident;
    answering.identTerminator = end;
    auto module =
        startModule({}, qvsim::FaultSetup::only(Exchange::Identification, Fault(fault)), answering);
    const QString port = module->slavePath();
    ModalWatcher watcher;
    watcher.onDialog("setcom", [&](QWidget *dialog) {
        QCOMPARE(module->received(), QByteArray());
        QCOMPARE(items(dialog), QStringList{port});
        press(dialog, QDialogButtonBox::Ok);
    });
    MainWindow w;
    w.useLink(port, 1200);
    widget<QAction>(w, "actionPort")->trigger();

    QCOMPARE(module->received(), QByteArray("~|"));
    QCOMPARE(widget<QLabel>(w, "portLabel")->text(), port + QStringLiteral("   Baud: 1200"));
    QCOMPARE(w.deviceSettings().DeviceModel, model);
    QCOMPARE(widget<QLabel>(w, "l_ver")->text(), shown);
    QCOMPARE(w.deviceSettings().DeviceId, model ? shown : QString());
    // Identified: unlocked, shaped for the model and filled with the defaults.
    QCOMPARE(widget<QTabWidget>(w, "tabWidget")->isEnabled(), model != 0);
    QCOMPARE(widget<QLabel>(w, "fileLabel")->text() == u"defval_qv.dll", model != 0);
    QCOMPARE(edit(w, "be3_nev")->isEnabled(), model == 1);

    QCOMPARE(watcher.count(), box.isEmpty() ? 0 : 1);
    if (box == u"greeting")
        box = QStringLiteral("A port sikeresen kiválasztva: %1\nA csatlakoztatott eszköz: %2")
                  .arg(port, shown);
    if (!box.isEmpty()) {
        QCOMPARE(watcher.last().icon, model ? QMessageBox::Information : QMessageBox::Warning);
        QCOMPARE(watcher.last().title, QStringLiteral("Eszköz"));
        QCOMPARE(watcher.last().text, box);
        QCOMPARE(watcher.last().parentName, w.objectName());
    }
}

void TestPortSelection::search_data()
{
    QTest::addColumn<QStringList>("modules"); // one per port: qv5, qv3, silent, lower
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<int>("chosen"); // the port identified; -1: the dialog is cancelled
    QTest::addColumn<int>("model");

    QTest::newRow("the last of two modules")
        << QStringList{"qv3", "qv5"} << false << false << 1 << 1;
    QTest::newRow("a module before a silent port")
        << QStringList{"qv3", "silent"} << false << false << 0 << 2;
    QTest::newRow("lower-case q_ is no hit") << QStringList{"lower"} << false << false << -1 << 0;
    QTest::newRow("cancelled") << QStringList{"silent", "silent", "qv5"} << false << true << -1
                               << 0;
    QTest::newRow("from the menu: no search")
        << QStringList{"qv5", "qv3"} << true << false << 1 << 2;
}

void TestPortSelection::search()
{
    QFETCH(QStringList, modules);
    QFETCH(bool, fromMenu);
    QFETCH(bool, cancel);
    QFETCH(int, chosen);
    QFETCH(int, model);

    DataFolderScope data;
    prepareData(data, true);
    std::vector<std::unique_ptr<Emulator>> emulators;
    QStringList ports;
    for (const QString &kind : modules) {
        auto setup = qvsim::ModuleSetup::of(kind == u"qv3" ? qvsim::Model::QV3 : qvsim::Model::QV5);
        if (kind == u"lower")
            setup.identText = QStringLiteral("q_qv5_fw2.1");
        const Fault fault = kind == u"silent" ? Fault::Silent : Fault::None;
        auto module =
            startModule({}, qvsim::FaultSetup::only(Exchange::Identification, fault), setup);
        ports << module->slavePath();
        emulators.push_back(std::move(module));
    }
    qv::serial::setPortEnumerator([ports] { return ports; });

    ModalWatcher watcher;
    watcher.onDialog("QProgressDialog", [&](QWidget *progress) {
        if (cancel)
            progress->findChild<QPushButton *>()->click(); // "Megszakítás"
    });
    QStringList offered;
    watcher.onDialog("setcom", [&](QWidget *dialog) {
        offered = items(dialog);
        if (fromMenu)
            portBox(dialog)->setCurrentIndex(chosen);
        if (fromMenu || chosen < 0) // a hit accepts the dialog by itself
            press(dialog, fromMenu ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
    });
    MainWindow w;
    w.useLink(ports.first(), 1200);
    if (fromMenu)
        widget<QAction>(w, "actionPort")->trigger();
    else
        widget<QPushButton>(w, "port_gomb")->click();

    // A search probes every port once; the chosen port then gets the identification.
    // (Counted at the end: the dialog may accept itself before the watcher looks at it.)
    if (!cancel) {
        QList<int> requests, expected;
        for (int i = 0; i < int(emulators.size()); ++i) {
            requests << int(emulators[i]->received().count('|'));
            expected << (fromMenu ? 0 : 1) + (i == chosen ? 1 : 0);
        }
        QCOMPARE(requests, expected);
    }
    QCOMPARE(offered, fromMenu || chosen < 0 ? ports : QStringList{ports.value(chosen)});
    QCOMPARE(w.deviceSettings().Port, ports.value(chosen, ports.first()));
    QCOMPARE(w.deviceSettings().DeviceModel, model);
    QCOMPARE(watcher.count(), cancel ? 0 : 1); // a cancelled search shows nothing
    if (chosen >= 0)
        QVERIFY(watcher.last().text.startsWith(QStringLiteral("A port sikeresen kiválasztva: ") +
                                               ports.at(chosen) + u'\n'));
    else if (!cancel)
        QCOMPARE(
            QStringList({watcher.last().title, watcher.last().text, watcher.last().parentName}),
            QStringList({"Hiba", "Az eszköz nem található.", "setcom"}));
}

// Listed, but busy when the identification opens it: the status bar already names the new
// port and speed, nothing else changes, and a warning says which program holds the port.
void TestPortSelection::busyPort()
{
    auto module = startModule();
    QTemporaryDir links; // a "%2" in the port's name stays as it is in the status bar
    const QString port = links.filePath(QStringLiteral("qv%2port"));
    QVERIFY(module->setLinkPath(port));
    QSerialPort holder;
    ModalWatcher watcher;
    watcher.onDialog("setcom", [&](QWidget *dialog) {
        holder.setPortName(port);
        QVERIFY(holder.open(QIODevice::ReadWrite));
        dialog->findChild<QComboBox *>(QStringLiteral("baudrate"))->setCurrentText("9600");
        press(dialog, QDialogButtonBox::Ok);
    });
    MainWindow w;
    w.useLink(port, 1200);
    widget<QAction>(w, "actionPort")->trigger();
    QVERIFY(holder.isOpen());
    QCOMPARE(watcher.count(), 1);
    QCOMPARE(watcher.last().title, QStringLiteral("Eszköz"));
    QVERIFY2(
        watcher.last().text.startsWith(QStringLiteral("A kiválasztott port nem nyitható meg.\n")) &&
            watcher.last().text.contains(
                QStringLiteral("(PID %1)").arg(QCoreApplication::applicationPid())),
        qPrintable(watcher.last().text));
    QCOMPARE(widget<QLabel>(w, "portLabel")->text(), port + QStringLiteral("   Baud: 9600"));
    QCOMPARE(w.deviceSettings().DeviceModel, 0);
    QCOMPARE(module->received(), QByteArray());
}

namespace {

// Emulated modules on pseudo-terminals: the first described as a USB adapter, the last
// held by this process; and a port that does not exist.
struct UnusablePorts
{
    std::vector<std::unique_ptr<Emulator>> modules;
    QSerialPort holder;
    QString held;
    const QString gone = QStringLiteral("/dev/qv-gone");

    explicit UnusablePorts(int usable)
    {
        QList<qv::serial::PortDescription> ports;
        for (int i = 0; i <= usable; ++i) {
            modules.push_back(startModule());
            ports << qv::serial::PortDescription{.name = modules.back()->slavePath()};
        }
        ports.first() = {.name = ports.first().name,
                         .description = "FT232R USB UART",
                         .manufacturer = "FTDI",
                         .serialNumber = "A50285BI",
                         .vendorId = 0x0403,
                         .productId = 0x6001,
                         .byIdPath = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI"};
        held = ports.last().name;
        holder.setPortName(held);
        QVERIFY(holder.open(QIODevice::ReadWrite));
        ports << qv::serial::PortDescription{.name = gone};
        qv::serial::setPortDescriber([ports] { return ports; });
    }
    QString port(int i) const { return modules.at(i)->slavePath(); }
};

void clickRow(QTableWidget *table, int row)
{
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualItemRect(table->item(row, 0)).center());
}

} // namespace

// Every port is in the table with what is known of it; only the usable ones can be
// chosen, and choosing a row chooses its plain name.
void TestPortSelection::unusablePortsShown()
{
    DataFolderScope data;
    prepareData(data, true);
    UnusablePorts ports(2);
    ModalWatcher watcher;
    watcher.onDialog("setcom", [&](QWidget *dialog) {
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("portTable"));
        QCOMPARE(items(dialog), QStringList({ports.port(0), ports.port(1)}));
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->item(0, 1)->text(),
                 QStringLiteral("FT232R USB UART, FTDI\nsorozatszám: "
                                "A50285BI, USB 0403:6001\n/dev/serial/"
                                "by-id/usb-FTDI_FT232R_USB_UART_A50285BI"));
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("használható"));
        QCOMPARE(table->item(2, 2)->text(),
                 QStringLiteral("foglalt: %1 (PID %2)")
                     .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName())
                     .arg(QCoreApplication::applicationPid()));
        QCOMPARE(table->item(3, 2)->text(), QStringLiteral("nem található"));
        QVERIFY(
            table->item(3, 0)->toolTip().startsWith("<p>A(z) /dev/qv-gone port nem található."));
        QCOMPARE(portBox(dialog)->currentText(), ports.port(1)); // the current port
        clickRow(table, 2);                                      // held: cannot be chosen
        QCOMPARE(portBox(dialog)->currentText(), ports.port(1));
        QCOMPARE(table->selectionModel()->selectedRows().value(0).row(), 1);
        clickRow(table, 0);
        QCOMPARE(portBox(dialog)->currentText(), ports.port(0));
        press(dialog, QDialogButtonBox::Ok);
    });
    MainWindow w;
    w.useLink(ports.port(1), 1200);
    widget<QAction>(w, "actionPort")->trigger();
    QCOMPARE(w.deviceSettings().Port, ports.port(0));
    QCOMPARE(w.deviceSettings().DeviceModel, 1);
}

// The search's "not found" names the ports it could not open, and why.
void TestPortSelection::unusablePortsInNotFound()
{
    UnusablePorts ports(1);
    ports.modules.front()->setFaults(
        qvsim::FaultSetup::only(Exchange::Identification, Fault::Silent));
    ModalWatcher watcher;
    watcher.onDialog("setcom", [&](QWidget *dialog) { press(dialog, QDialogButtonBox::Cancel); });
    MainWindow w;
    w.useLink(ports.port(0), 1200);
    widget<QPushButton>(w, "port_gomb")->click();
    QCOMPARE(watcher.count(), 1);
    const QStringList lines = watcher.last().text.split(u'\n');
    QCOMPARE(lines.mid(0, 3),
             QStringList({"Az eszköz nem található.", "", "Nem használható portok:"}));
    QVERIFY(lines.at(3).startsWith(ports.held + ": foglalt: "));
    QCOMPARE(lines.at(4), ports.gone + ": nem található");
    QCOMPARE(lines.size(), 8); // an empty line and the two remedies
}

// A download whose port is held says so under its failure text, where it can be read.
void TestPortSelection::downloadOnHeldPort()
{
    UnusablePorts ports(0);
    qv::settings::devSettings settings;
    settings.Port = ports.held;
    qv::transfer::gui::dload dialog(settings);
    auto *reason = dialog.findChild<QLabel *>(QStringLiteral("openReason"));
    QTRY_VERIFY_WITH_TIMEOUT(!reason->isHidden(), 5000);
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("kiiras"))->text(),
             QStringLiteral("Betöltés hiba.\nTipp: ellenőrizze az eszközt és a port beállítást."));
    QVERIFY2(reason->text().startsWith("A(z) " + ports.held + " portot egy másik program"),
             qPrintable(reason->text()));
    QVERIFY(reason->geometry().bottom() < dialog.findChild<QWidget *>("progressBar")->y());
    QVERIFY(dialog.rect().contains(dialog.findChild<QWidget *>("buttonBox")->geometry()));
}

// The current port, busy and not listed by the system, is listed with its reason; nothing
// else is chosen for the user and OK waits for a port that opens. Freed, it is offered
// again; once another port is chosen, it stays offered.
void TestPortSelection::currentPortKept()
{
    DataFolderScope data;
    prepareData(data, true);
    auto current = startModule();
    auto adapter = startModule();
    const QString a = current->slavePath();
    const QString b = adapter->slavePath();
    qv::serial::setPortDescriber([b] { return QList<qv::serial::PortDescription>{{.name = b}}; });
    QSerialPort holder;
    holder.setPortName(a);
    QVERIFY(holder.open(QIODevice::ReadWrite));
    int dialogs = 0;
    ModalWatcher watcher;
    auto check = [&](QWidget *dialog) {
        auto *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("portTable"));
        if (++dialogs == 1) {
            QCOMPARE(items(dialog), QStringList{b});
            QCOMPARE(portBox(dialog)->currentIndex(), -1);
            QVERIFY(!ok->isEnabled());
            QCOMPARE(table->rowCount(), 2);
            QCOMPARE(table->item(1, 0)->text(), a);
            QVERIFY(table->item(1, 2)->text().startsWith(QStringLiteral("foglalt")));
            holder.close();
            dialog->findChild<QPushButton *>(QStringLiteral("reload"))->click();
            QCOMPARE(portBox(dialog)->currentText(), a);
            QVERIFY(ok->isEnabled());
            portBox(dialog)->setCurrentText(b);
        } else {
            QCOMPARE(items(dialog), QStringList({b, a}));
            QCOMPARE(portBox(dialog)->currentText(), b);
        }
        press(dialog, QDialogButtonBox::Ok);
    };
    watcher.onDialog("setcom", check);
    MainWindow w;
    w.useLink(a, 1200);
    widget<QAction>(w, "actionPort")->trigger();
    QCOMPARE(w.deviceSettings().Port, b);
    watcher.onDialog("setcom", check);
    widget<QAction>(w, "actionPort")->trigger();
    QCOMPARE(dialogs, 2);
    QCOMPARE(w.deviceSettings().Port, b);
}

QTEST_MAIN(TestPortSelection)
#include "tst_portselection.moc"

// The customer's sheet in the window, one test per flow: the sheet saved as a PDF with the
// PIN ticked, the print preview, a form the checks refuse, and the register window's
// "Ügyféllap" for an entry. (The File menu's entries are in tst_mainwindow.)
#include "files/configformat.h"
#include "formhelpers.h"
#include "modalwatcher.h"
#include "register/store.h"
#include "settings/gui/messages.h"
#include "transfer/configrecord.h"
#include "transfer/configvalues.h"
#include "transfer/modulerecord.h"

#include <QAction>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

namespace {

// Answers the sheet's dialog: the PIN ticked or not, then the button named.
ModalWatcher::Handler answer(const char *button, bool withPin = false)
{
    return [button, withPin](QWidget *dialog) {
        dialog->findChild<QCheckBox *>(QStringLiteral("sheetWithPin"))->setChecked(withPin);
        dialog->findChild<QPushButton *>(QLatin1StringView(button))->click();
    };
}

} // namespace

class TestSheetWindow : public QObject
{
    Q_OBJECT

private slots:
    void savedAsPdf();
    void printPreview();
    void refused();
    void fromTheRegister();
};

void TestSheetWindow::savedAsPdf()
{
    ModalWatcher watcher;
    MainWindow window;
    window.deviceDebugMS5();
    edit(window, "m_pin")->setText(QStringLiteral("4821"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lap")); // the suffix comes with saving
    qv::settings::gui::setSaveFileChooser(
        [&path](QWidget *, const QString &, const QString &, const QString &) { return path; });
    watcher.onDialog(QStringLiteral("sheetDialog"), answer("sheetPdf", true));
    widget<QAction>(window, "actionExportSheet")->trigger();
    qv::settings::gui::setSaveFileChooser({});
    QVERIFY(window.statusBar()->currentMessage().contains(QLatin1String("lap.pdf")));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path + QStringLiteral(".pdf"), QStringLiteral("-")});
    QVERIFY(text.waitForFinished(20000));
    QVERIFY(text.readAll().contains("4821"));
}

void TestSheetWindow::printPreview()
{
    ModalWatcher watcher;
    MainWindow window;
    window.deviceDebugMArm2();
    bool previewed = false;
    watcher.onDialog(QStringLiteral("sheetDialog"), answer("sheetPrint"));
    watcher.onDialog(QStringLiteral("sheetPreview"), [&previewed](QWidget *preview) {
        previewed = true;
        static_cast<QDialog *>(preview)->reject();
    });
    widget<QAction>(window, "actionPrintSheet")->trigger();
    QVERIFY(previewed);
}

// Refused as the download refuses: the field and the reason, and the field shown.
void TestSheetWindow::refused()
{
    ModalWatcher watcher;
    MainWindow window;
    window.deviceDebugMS3();
    watcher.clear();
    edit(window, "m_nev")->setText(QStringLiteral("KAPUÉ"));
    widget<QTabWidget>(window, "tabWidget")->setCurrentIndex(3);
    widget<QAction>(window, "actionPrintSheet")->trigger();
    QCOMPARE(watcher.count(), 1);
    QVERIFY(watcher.last().text.startsWith(QStringLiteral("Modul neve: Ékezetek")));
    QCOMPARE(widget<QTabWidget>(window, "tabWidget")->currentIndex(), 0);
}

void TestSheetWindow::fromTheRegister()
{
    qv::reg::Entry entry = qv::reg::newEntry(qv::reg::Operation::Download, QStringLiteral("1.31"));
    entry.model = qv::settings::ModelQV3;
    entry.site = QStringLiteral("Pince u. 3.");
    QFile defaults(qv::settings::locateDataFile(QStringLiteral("defval_qv.dll")));
    QVERIFY(defaults.open(QIODevice::ReadOnly));
    const qv::transfer::Assembly record = qv::transfer::assembleDownload(
        qv::transfer::formValuesFromFile(qv::files::readConfig(defaults).values));
    entry.fields =
        qv::transfer::record::downloadLines(record.record, qv::transfer::record::DefaultSeparator)
            .mid(0, qv::transfer::record::FieldCount);
    qv::reg::takeModuleFacts(entry);
    QVERIFY(qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath()).record(entry));

    ModalWatcher watcher;
    MainWindow window;
    QString site;
    watcher.onDialog(QStringLiteral("sheetDialog"), [&site](QWidget *dialog) {
        site = dialog->findChild<QLineEdit *>(QStringLiteral("sheetSite"))->text();
        static_cast<QDialog *>(dialog)->reject();
    });
    widget<QAction>(window, "actionRegister")->trigger(); // not modal
    auto *dialog = window.findChild<QDialog *>(QStringLiteral("registerDialog"));
    QVERIFY(dialog);
    dialog->findChild<QTableView *>(QStringLiteral("registerView"))->selectRow(0);
    dialog->findChild<QPushButton *>(QStringLiteral("registerSheet"))->click();
    dialog->reject();
    QCOMPARE(site, QStringLiteral("Pince u. 3."));
}

QTEST_MAIN(TestSheetWindow)
#include "tst_sheetwindow.moc"

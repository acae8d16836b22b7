// Help menu: the about box and the manual, opened through a test seam instead of a viewer.
#include "formhelpers.h"
#include "modalwatcher.h"
#include "settings/gui/messages.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void aboutBoxes();
    void manualOpens_data();
    void manualOpens();
    void manualIsBuilt_data();
    void manualIsBuilt();

private:
    const QLocale m_locale; // the default language when the test starts
};

void TestHelp::cleanup()
{
    QLocale::setDefault(m_locale);
    qv::settings::gui::setUrlOpener({});
    qv::settings::overrideDataFileFolders({});
}

void TestHelp::aboutBoxes()
{
    MainWindow w;
    w.nevjegy();
    w.nevjegy();
    w.nevjegy();
    const QList<QDialog *> boxes = w.findChildren<QDialog *>(QStringLiteral("about"));
    QCOMPARE(boxes.size(), 3);
    for (QDialog *box : boxes) {
        QVERIFY(box->isVisible());
        QVERIFY(!box->isModal()); // the main window stays usable
        QCOMPARE(box->windowTitle(), QStringLiteral("Névjegy"));
        QCOMPARE(box->size(), QSize(311, 200));
    }

    QDialog *first = boxes.first();
    QCOMPARE(first->findChild<QLabel *>(QStringLiteral("l_version"))->text(),
             QStringLiteral("Version v1.31"));
    QCOMPARE(first->findChild<QLabel *>(QStringLiteral("label_software"))->text(),
             QStringLiteral("Quorvel / Brastok\nLetöltő Szoftver"));
    QVERIFY(first->findChild<QLabel *>(QStringLiteral("label_wby"))->font().italic());
    QVERIFY(first->findChild<QLabel *>(QStringLiteral("label_comp"))->openExternalLinks());
    // Layout order: name, spacer, copyright, author, spacer, version, buttons.
    auto *layout = first->findChild<QVBoxLayout *>(QStringLiteral("verticalLayout"));
    QCOMPARE(layout->count(), 7);
    QCOMPARE(layout->itemAt(0)->widget()->objectName(), QStringLiteral("label_software"));
    QVERIFY(layout->itemAt(1)->spacerItem());
    QCOMPARE(layout->itemAt(5)->widget()->objectName(), QStringLiteral("l_version"));
    QCOMPARE(layout->itemAt(6)->widget()->objectName(), QStringLiteral("buttonBox"));

    // Close hides one box; the others stay, and the closed one stays a child.
    auto *buttons = first->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->click();
    QVERIFY(!first->isVisible());
    QCOMPARE(first->result(), int(QDialog::Rejected));
    QVERIFY(boxes.at(1)->isVisible());
    QVERIFY(boxes.at(2)->isVisible());
    QCOMPARE(w.findChildren<QDialog *>(QStringLiteral("about")).size(), 3);
}

void TestHelp::manualOpens_data()
{
    QTest::addColumn<QLocale::Language>("language"); // the program's language
    QTest::addColumn<QStringList>("present");        // the manuals among the data files
    QTest::addColumn<bool>("accepted");              // the desktop accepts the request
    QTest::addColumn<QString>("opens");              // the manual asked for
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("errors");

    const QString hu = QStringLiteral("quorvel-help.pdf");
    const QString en = QStringLiteral("quorvel-help_en.pdf");
    QTest::newRow("opens") << QLocale::Hungarian << QStringList{hu} << true << hu << 2 << 0;
    QTest::newRow("no viewer") << QLocale::Hungarian << QStringList{hu} << false << hu << 2 << 2;
    QTest::newRow("manual missing")
        << QLocale::Hungarian << QStringList{} << true << QString() << 0 << 2;
    QTest::newRow("Hungarian beside English")
        << QLocale::Hungarian << QStringList{hu, en} << true << hu << 2 << 0;
    QTest::newRow("English") << QLocale::English << QStringList{hu, en} << true << en << 2 << 0;
    QTest::newRow("German opens English")
        << QLocale::German << QStringList{hu, en} << true << en << 2 << 0;
    QTest::newRow("English missing") << QLocale::English << QStringList{hu} << true << hu << 2 << 0;
    QTest::newRow("Hungarian missing")
        << QLocale::Hungarian << QStringList{en} << true << en << 2 << 0;
    QTest::newRow("both missing") << QLocale::English << QStringList{} << true << QString() << 0
                                  << 2;
}

void TestHelp::manualOpens()
{
    QFETCH(QLocale::Language, language);
    QFETCH(QStringList, present);
    QFETCH(bool, accepted);
    QFETCH(QString, opens);
    QFETCH(int, requests);
    QFETCH(int, errors);

    QLocale::setDefault(QLocale(language));
    DataFolderScope data;
    for (const QString &name : present) {
        QFile manual(data.filePath(name));
        QVERIFY(manual.open(QIODevice::WriteOnly));
        manual.write("%PDF-1.4\n");
    }
    QList<QUrl> opened;
    int folders = 0; // the manual's folder opened from the message
    const QString folder = QFileInfo(data.path()).absoluteFilePath();
    qv::settings::gui::setUrlOpener([&](const QUrl &url) {
        if (url.toLocalFile() == folder)
            return ++folders, true;
        opened << url;
        return accepted;
    });
    ModalWatcher watcher;
    // Where the manual is, beneath the message, and the button that opens its folder.
    watcher.answerWith(QMessageBox::Open);
    MainWindow w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // F1, twice: each press is one more request to the desktop.
    QTest::keyClick(&w, Qt::Key_F1);
    w.activateWindow(); // again, after a message box
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F1);

    QCOMPARE(opened.size(), requests);
    for (const QUrl &url : opened) {
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), data.filePath(opens));
    }
    QCOMPARE(watcher.count(), errors);
    for (const RecordedBox &box : watcher.boxes()) {
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.title, QStringLiteral("Help"));
        QCOMPARE(box.text, QStringLiteral("Hiba! A dokumentáció nem nyitható meg."));
        QCOMPARE(box.parentName, QStringLiteral("MainWindow"));
        QCOMPARE(box.informative,
                 opens.isEmpty()
                     ? QString()
                     : QStringLiteral("A kézikönyv (PDF): %1").arg(data.filePath(opens)));
    }
    QCOMPARE(folders, opens.isEmpty() ? 0 : errors);
}

// The build puts both manuals beside the program, where the Help menu finds them.
void TestHelp::manualIsBuilt_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Hungarian") << QStringLiteral("quorvel-help.pdf");
    QTest::newRow("English") << QStringLiteral("quorvel-help_en.pdf");
}

void TestHelp::manualIsBuilt()
{
    QFETCH(QString, name);
    QFile manual(qv::settings::locateDataFile(name));
    QVERIFY2(manual.open(QIODevice::ReadOnly), qPrintable(manual.fileName()));
    QVERIFY(manual.read(5) == "%PDF-");
    QVERIFY(manual.size() > 20000); // a real document, not an empty page
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"

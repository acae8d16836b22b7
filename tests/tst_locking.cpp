// Locked and unlocked window, the debug device modes and the per-model shaping of the form.
#include "formhelpers.h"
#include "modalwatcher.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kGrey =
    QStringLiteral("color: rgb(255,255,255); background-color: rgb(180,180,180);");
const QString kGreyLamp = QStringLiteral("background-color: rgb(180, 180, 180);");
const QString kGreenLamp = QStringLiteral("background-color: rgb(0, 255, 0);");

void enterMode(MainWindow &w, int model)
{
    switch (model) {
    case 1:
        w.deviceDebugMS5();
        break;
    case 2:
        w.deviceDebugMS3();
        break;
    case 3:
        w.deviceDebugMArm2();
        break;
    default:
        w.deviceDebugDisable();
        break;
    }
}

int suffixNumber(const QObject *o, QChar separator)
{
    const QString name = o->objectName();
    return name.mid(name.lastIndexOf(separator) + 1).toInt();
}

int matrixColumn(const QCheckBox *box)
{
    const QString tag = box->property("group").toString();
    return tag.mid(tag.indexOf(QLatin1Char('.')) + 1).toInt();
}

bool isUnlocked(const MainWindow &w)
{
    return widget<QTabWidget>(w, "tabWidget")->isEnabled() &&
           widget<QGroupBox>(w, "g_allapot")->isEnabled() &&
           widget<QPushButton>(w, "download_gomb")->isEnabled() &&
           widget<QAction>(w, "actionOpen")->isEnabled();
}

} // namespace

class TestLocking : public QObject
{
    Q_OBJECT

private slots:
    void startsLocked();
    void lockedShortcutsDoNothing_data();
    void lockedShortcutsDoNothing();
    void unlockingRestoresColours_data();
    void unlockingRestoresColours();
    void debugModes_data();
    void debugModes();
    void noDeviceKeepsTheFormButLocksIt();
    void shaping_data();
    void shaping();
    void fullModelAfterBrastokReenables();
    void missingPicturesAreNoError();
};

void TestLocking::startsLocked()
{
    MainWindow w;
    QVERIFY(!widget<QTabWidget>(w, "tabWidget")->isEnabled());
    QVERIFY(!widget<QGroupBox>(w, "g_allapot")->isEnabled());
    const auto buttons = widget<QWidget>(w, "centralWidget")->findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 5);
    for (const QPushButton *button : buttons) {
        if (button->objectName() == QLatin1String("port_gomb")) {
            QVERIFY(button->isEnabled());
            QVERIFY(button->styleSheet().contains(QLatin1String("rgb(0, 0, 191)")));
        } else {
            QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
            QCOMPARE(button->styleSheet(), kGrey);
        }
    }
    QVERIFY(!widget<QAction>(w, "actionOpen")->isEnabled());
    QVERIFY(!widget<QAction>(w, "actionSave")->isEnabled());
    // The menu "Eszköz" stays open for the register, which needs no module.
    QVERIFY(widget<QMenu>(w, "menuDevice")->isEnabled());
    for (const char *action : {"actionReadup", "actionDownload", "actionCompare"})
        QVERIFY2(!widget<QAction>(w, action)->isEnabled(), action);
    QVERIFY(widget<QAction>(w, "actionRegister")->isEnabled());
    QVERIFY(widget<QAction>(w, "actionPort")->isEnabled());
    QVERIFY(widget<QAction>(w, "actionExit")->isEnabled());
}

void TestLocking::lockedShortcutsDoNothing_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QKeySequence>("keys");

    QTest::newRow("Ctrl+O") << "actionOpen" << QKeySequence("Ctrl+O");
    QTest::newRow("Ctrl+S") << "actionSave" << QKeySequence("Ctrl+S");
    QTest::newRow("Ctrl+N") << "actionNew" << QKeySequence("Ctrl+N");
    QTest::newRow("Ctrl+V") << "actionVerify" << QKeySequence("Ctrl+V");
    QTest::newRow("Ctrl+R") << "actionReadup" << QKeySequence("Ctrl+R");
    QTest::newRow("Ctrl+D") << "actionDownload" << QKeySequence("Ctrl+D");
}

void TestLocking::lockedShortcutsDoNothing()
{
    QFETCH(QString, action);
    QFETCH(QKeySequence, keys);

    MainWindow w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QAction *target = widget<QAction>(w, action.toLatin1());
    // Observe only: the command itself must not run in a test.
    QObject::disconnect(target, &QAction::triggered, &w, nullptr);
    QSignalSpy spy(target, &QAction::triggered);
    QTest::keySequence(&w, keys);
    QCOMPARE(spy.size(), 0);

    // Unlocked, the device and file commands have their shortcuts.
    w.globalEnableUI();
    if (target->isVisible()) {
        QTest::keySequence(&w, keys);
        QCOMPARE(spy.size(), 1);
    }
}

void TestLocking::unlockingRestoresColours_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("style");

    QTest::newRow("download") << "download_gomb"
                              << "color: rgb(255,255,255); background-color: rgb(191,0,0);";
    QTest::newRow("verify") << "verify_gomb"
                            << "color: rgb(255,255,255); background-color: rgb(0,128,0);";
    QTest::newRow("upload") << "upload_gomb"
                            << "color: rgb(255,255,255); background-color: rgb(255,128,0);";
    QTest::newRow("status") << "allapot_gomb"
                            << "color: rgb(255,255,255); background-color: rgb(0,170,127);";
}

void TestLocking::unlockingRestoresColours()
{
    QFETCH(QString, button);
    QFETCH(QString, style);

    MainWindow w;
    auto *b = widget<QPushButton>(w, button.toLatin1());
    const QString portStyle = widget<QPushButton>(w, "port_gomb")->styleSheet();
    w.globalDisableUI();
    w.globalDisableUI(); // twice is harmless
    QCOMPARE(b->styleSheet(), kGrey);
    b->setStyleSheet(kGrey);
    w.globalEnableUI();
    QCOMPARE(b->styleSheet(), style);
    QVERIFY(b->isEnabled());
    QVERIFY(isUnlocked(w));
    QVERIFY(widget<QMenu>(w, "menuDevice")->isEnabled());
    QCOMPARE(widget<QPushButton>(w, "port_gomb")->styleSheet(), portStyle);
    // Locking and unlocking never shows what is meant to stay hidden.
    QVERIFY(!widget<QPushButton>(w, "verify_gomb")->isVisibleTo(&w));
    QVERIFY(!widget<QAction>(w, "actionSaveAs")->isVisible());
    w.globalDisableUI();
    QCOMPARE(b->styleSheet(), kGrey);
    QVERIFY(!b->isEnabled());
}

void TestLocking::debugModes_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("picture");

    QTest::newRow("Quorvel-5") << 1 << "Debug Mode: Quorvel-5"
                               << "i_qv-5.dll";
    QTest::newRow("Quorvel-3") << 2 << "Debug Mode: Quorvel-3"
                               << "i_qv-3.dll";
    QTest::newRow("Brastok-2") << 3 << "Debug Mode: Brastok-2"
                               << "i_bk-2.dll";
}

void TestLocking::debugModes()
{
    QFETCH(int, model);
    QFETCH(QString, message);
    QFETCH(QString, picture);

    ModalWatcher watcher;
    MainWindow w;
    enterMode(w, model);

    QCOMPARE(watcher.count(), 1);
    QCOMPARE(watcher.last().icon, QMessageBox::Information);
    QCOMPARE(watcher.last().title, QStringLiteral("Eszköz"));
    QCOMPARE(watcher.last().text, message);
    QCOMPARE(watcher.last().parentName, QStringLiteral("MainWindow"));
    QCOMPARE(w.deviceSettings().DeviceModel, model);
    QCOMPARE(w.deviceSettings().PictureFile, picture);
    QVERIFY(isUnlocked(w));
    // Filled with the defaults, and no serial state touched.
    QCOMPARE(edit(w, "m_nev")->text(), QStringLiteral("QV MODUL"));
    QCOMPARE(widget<QLabel>(w, "fileLabel")->text(), QStringLiteral("defval_qv.dll"));
    QCOMPARE(w.deviceSettings().Port, QStringLiteral("COM1"));
    QCOMPARE(widget<QLabel>(w, "portLabel")->text(), QStringLiteral("COM1  Baud: 1200"));
    QVERIFY(!widget<QLabel>(w, "image")->pixmap().isNull());
}

void TestLocking::noDeviceKeepsTheFormButLocksIt()
{
    ModalWatcher watcher;
    MainWindow w;
    w.deviceDebugMS3();
    edit(w, "m_nev")->setText(QStringLiteral("KAPU"));
    const QStringList before = formValues(w);
    w.deviceDebugDisable();

    QCOMPARE(watcher.count(), 2);
    QCOMPARE(watcher.last().title, QStringLiteral("Eszköz"));
    QCOMPARE(watcher.last().text, QStringLiteral("Debug Mode: No Device"));
    QCOMPARE(formValues(w), before);
    QVERIFY(!widget<QTabWidget>(w, "tabWidget")->isEnabled());
    QVERIFY(!widget<QPushButton>(w, "download_gomb")->isEnabled());
    QCOMPARE(w.deviceSettings().DeviceModel, 0);
    QCOMPARE(w.deviceSettings().PictureFile, QStringLiteral("i_default.dll"));
    // What the last model closed stays closed.
    QVERIFY(!edit(w, "be3_nev")->isEnabledTo(widget<QWidget>(w, "tabWidget")));
}

void TestLocking::shaping_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("inputs");
    QTest::addColumn<int>("outputs");
    QTest::addColumn<bool>("analogue");
    QTest::addColumn<QList<int>>("closedColumns");
    QTest::addColumn<QStringList>("selected"); // ring-in buttons selected afterwards

    QTest::newRow("Q_QV3") << 2 << 2 << 2 << true << QList<int>{3, 4}
                           << QStringList{"r1_0", "r2_0", "r3_2", "r4_1"};
    QTest::newRow("Q_BRK2") << 3 << 2 << 1 << false << QList<int>{3, 4, 5, 6}
                            << QStringList{"r1_0", "r2_0", "r3_0", "r4_1"};
}

void TestLocking::shaping()
{
    QFETCH(int, model);
    QFETCH(int, inputs);
    QFETCH(int, outputs);
    QFETCH(bool, analogue);
    QFETCH(QList<int>, closedColumns);
    QFETCH(QStringList, selected);

    // Without a defaults file the debug modes leave the form as the test fills it.
    DataFolderScope noDataFiles;
    ModalWatcher watcher;
    MainWindow w;
    w.deviceDebugMS5();
    for (const char *box : {"g_analog", "g_be", "g_ki"}) {
        for (QLineEdit *e : widget<QGroupBox>(w, box)->findChildren<QLineEdit *>())
            e->setText(QStringLiteral("X"));
    }
    for (QCheckBox *c : widget<QGroupBox>(w, "g_tel")->findChildren<QCheckBox *>())
        c->setChecked(true);
    for (const char *r : {"r1_4", "r2_3", "r3_2", "r4_1"})
        widget<QRadioButton>(w, r)->setChecked(true);
    for (const char *k : {"k1", "k2", "k3", "k4"})
        widget<QRadioButton>(w, k)->setChecked(true);
    for (QWidget *lamp : widget<QGroupBox>(w, "g_allapot")->findChildren<QWidget *>()) {
        if (lamp->objectName().startsWith(QLatin1String("w_")))
            lamp->setStyleSheet(kGreenLamp);
    }
    widget<QLabel>(w, "l_analog")->setText(QStringLiteral("12.3 V"));
    widget<QLabel>(w, "l_counter")->setText(QStringLiteral("00123"));

    enterMode(w, model);
    QCOMPARE(watcher.count(), 2); // the two debug messages, nothing else

    // Notification matrix: closed columns disabled and unticked, the rest as they were.
    for (const QCheckBox *c : widget<QGroupBox>(w, "g_tel")->findChildren<QCheckBox *>()) {
        const bool closed = closedColumns.contains(matrixColumn(c));
        QVERIFY2(c->isEnabled() == !closed, qPrintable(c->objectName()));
        QVERIFY2(c->isChecked() == !closed, qPrintable(c->objectName()));
    }
    // Ring-in outputs: buttons of missing outputs disabled; rows stay meaningful.
    for (const QRadioButton *r : widget<QGroupBox>(w, "g_tel")->findChildren<QRadioButton *>()) {
        QVERIFY2(r->isEnabled() == (suffixNumber(r, u'_') <= outputs), qPrintable(r->objectName()));
        if (r->isChecked())
            QVERIFY2(r->isEnabled(), qPrintable(r->objectName()));
    }
    for (const QString &name : selected)
        QVERIFY2(widget<QRadioButton>(w, name.toLatin1())->isChecked(), qPrintable(name));

    // Analogue page.
    QCOMPARE(widget<QGroupBox>(w, "g_analog")->isEnabled(), analogue);
    for (const QLineEdit *e : widget<QGroupBox>(w, "g_analog")->findChildren<QLineEdit *>())
        QCOMPARE(e->text(), analogue ? QStringLiteral("X") : QString());

    // Inputs and outputs: fields of missing ones disabled and emptied.
    for (const char *box : {"g_be", "g_ki"}) {
        const int count = box == QByteArrayView("g_be") ? inputs : outputs;
        for (const QLineEdit *e : widget<QGroupBox>(w, box)->findChildren<QLineEdit *>()) {
            const bool present = e->objectName().mid(2, 1).toInt() <= count;
            QVERIFY2(e->isEnabled() == present, qPrintable(e->objectName()));
            QCOMPARE(e->text(), present ? QStringLiteral("X") : QString());
        }
    }
    // Monostable/bistable choice: enabled per output, the choice itself kept.
    for (const QRadioButton *r :
         widget<QGroupBox>(w, "g_ki_csengetes")->findChildren<QRadioButton *>()) {
        QCOMPARE(r->isEnabled(), suffixNumber(r, r->objectName().at(0)) <= outputs);
        QCOMPARE(r->isChecked(), r->objectName().startsWith(QLatin1Char('k')));
    }

    // Status panel.
    for (int n = 1; n <= 4; ++n) {
        const QByteArray N = QByteArray::number(n);
        QCOMPARE(widget<QLabel>(w, "label_be" + N)->isEnabled(), n <= inputs);
        QCOMPARE(widget<QLabel>(w, "label_ki" + N)->isEnabled(), n <= outputs);
        QCOMPARE(widget<QWidget>(w, "w_be" + N)->styleSheet(),
                 n <= inputs ? kGreenLamp : kGreyLamp);
        QCOMPARE(widget<QWidget>(w, "w_ki" + N)->styleSheet(),
                 n <= outputs ? kGreenLamp : kGreyLamp);
    }
    QCOMPARE(widget<QLabel>(w, "label_analog")->isEnabled(), analogue);
    QCOMPARE(widget<QLabel>(w, "label_counter")->isEnabled(), analogue);
    const QString readout = analogue ? QStringLiteral("color: rgb(0,85,255);")
                                     : QStringLiteral("color: rgb(180,180,180);");
    QCOMPARE(widget<QLabel>(w, "l_analog")->styleSheet(), readout);
    QCOMPARE(widget<QLabel>(w, "l_counter")->styleSheet(), readout);
    QCOMPARE(widget<QLabel>(w, "l_analog")->text(),
             analogue ? QStringLiteral("12.3 V") : QStringLiteral("0.0 V"));
    QCOMPARE(widget<QLabel>(w, "l_counter")->text(),
             analogue ? QStringLiteral("00123") : QStringLiteral("00000"));
}

void TestLocking::fullModelAfterBrastokReenables()
{
    DataFolderScope noDataFiles;
    ModalWatcher watcher;
    MainWindow w;
    w.deviceDebugMS5();
    edit(w, "be4_nev")->setText(QStringLiteral("X"));
    edit(w, "abe1_hi_msg")->setText(QStringLiteral("X"));
    w.deviceDebugMArm2();
    w.deviceDebugMS5();

    QVERIFY(widget<QGroupBox>(w, "g_analog")->isEnabled());
    for (const char *box : {"g_analog", "g_be", "g_ki"}) {
        for (const QLineEdit *e : widget<QGroupBox>(w, box)->findChildren<QLineEdit *>())
            QVERIFY2(e->isEnabled(), qPrintable(e->objectName()));
    }
    for (const QCheckBox *c : widget<QGroupBox>(w, "g_tel")->findChildren<QCheckBox *>())
        QVERIFY(c->isEnabled());
    for (const QRadioButton *r : widget<QGroupBox>(w, "g_tel")->findChildren<QRadioButton *>())
        QVERIFY(r->isEnabled());
    for (const char *k : {"b2", "k2", "b4", "k4"})
        QVERIFY(widget<QRadioButton>(w, k)->isEnabled());
    // Cleared texts are not brought back.
    QCOMPARE(edit(w, "be4_nev")->text(), QString());
    QCOMPARE(edit(w, "abe1_hi_msg")->text(), QString());
    QCOMPARE(widget<QLabel>(w, "l_analog")->styleSheet(), QStringLiteral("color: rgb(0,85,255);"));
    QVERIFY(widget<QLabel>(w, "label_ki4")->isEnabled());
}

void TestLocking::missingPicturesAreNoError()
{
    DataFolderScope noDataFiles;
    ModalWatcher watcher;
    MainWindow w;
    QVERIFY(widget<QLabel>(w, "image")->pixmap().isNull());
    w.deviceDebugMS5();
    QCOMPARE(watcher.count(), 1); // only the debug message: no picture, no defaults, no error
    QCOMPARE(w.deviceSettings().PictureFile, QStringLiteral("i_qv-5.dll"));
    QVERIFY(widget<QLabel>(w, "image")->pixmap().isNull());
    QVERIFY(isUnlocked(w));
}

QTEST_MAIN(TestLocking)
#include "tst_locking.moc"

// The main window as built: widget catalogue and creation order, start-up state,
// menus, status bar, slot table, and the picture.
#include "app/gui/mainwindow.h"
#include "form/gui/mainwindowui.h"
#include "modalwatcher.h"
#include "settings/datafiles.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using qv::app::gui::MainWindow;

namespace {

template <class T> QStringList names(const QObject *parent)
{
    QStringList list;
    for (const T *w : parent->findChildren<T *>())
        list << w->objectName();
    return list;
}

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '));
}

const char kLocked[] = "color: rgb(255,255,255); background-color: rgb(180,180,180);";

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void creationOrder_data();
    void creationOrder();
    void telephoneCheckBoxGroups();
    void buttonGroups_data();
    void buttonGroups();
    void fieldSettings_data();
    void fieldSettings();
    void maxLengthRefusesExtraCharacter_data();
    void maxLengthRefusesExtraCharacter();
    void initialChecks();
    void startupState_data();
    void startupState();
    void menus_data();
    void menus();
    void statusBar();
    void slotTable();
    void shortcutsAtStartup();
    void textPassCanRunAgain();
    void pictureMissingLeavesEmptyArea();
    void closingWhileEditingRunsNoCheck();

private:
    MainWindow *m_window = nullptr;
    template <class T> T *find(const QString &name) const { return m_window->findChild<T *>(name); }
};

void TestMainWindow::init()
{
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestMainWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

// Class-filtered searches of a group box return widgets in creation order; the
// configuration file and the module record follow that order.
void TestMainWindow::creationOrder_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("g_general line edits")
        << "g_general"
        << "QLineEdit" << words("smsplus smskp m_pin m_id m_nev visszaallas rele_time maxsms");
    QTest::newRow("g_tel line edits")
        << "g_tel"
        << "QLineEdit"
        << words("t1 t2 t3 t4 t5 t6 t7 t8 tplus_1 tplus_2 tplus_3 tplus_4 tplus_5 tplus_6 "
                 "tplus_7 tplus_8");
    QTest::newRow("g_analog line edits")
        << "g_analog"
        << "QLineEdit"
        << words("be_a1_nev be_a2_nev abe1_hi_msg abe1_vissza abe1_lo_msg abe1_hi abe1_hi_2 "
                 "abe1_lo abe1_lo_2 abe2_hi_msg abe2_hi abe2_clr");
    QTest::newRow("g_be line edits")
        << "g_be"
        << "QLineEdit"
        << words("be1_nev be2_nev be3_nev be4_nev be1_on_msg be2_on_msg be3_on_msg be4_on_msg "
                 "be1_off_msg be2_off_msg be3_off_msg be4_off_msg");
    QTest::newRow("g_ki line edits")
        << "g_ki"
        << "QLineEdit" << words("ki1_on ki2_on ki3_on ki4_on ki1_off ki2_off ki3_off ki4_off");
    QTest::newRow("g_activate line edits") << "g_activate"
                                           << "QLineEdit" << words("act_be act_ki");
    QTest::newRow("g_ki_csengetes line edits") << "g_ki_csengetes"
                                               << "QLineEdit" << QStringList();
    QTest::newRow("g_tel check boxes")
        << "g_tel"
        << "QCheckBox"
        << words("tc4_7 tc2_8 tc3_4 tc1_1 tc2_2 tc1_6 tc1_5 tc1_3 tc4_8 tc1_7 tc3_2 tc4_1 tc2_3 "
                 "tc4_6 tc1_4 tc1_8 tc4_5 tc2_5 tc3_7 tc1_2 tc4_3 tc2_6 tc3_8 tc3_1 tc2_1 tc3_3 "
                 "tc3_6 tc2_7 tc3_5 tc4_4 tc2_4 tc4_2 tc1_9 tc1_10 tc1_11 tc1_12 tc1_13 tc1_14 "
                 "tc1_15 tc1_16 tc1_17 tc1_18 tc1_19 tc1_20 tc1_21 tc1_22 tc1_23 tc1_24 cb_r_7 "
                 "cb_r_6 cb_r_1 cb_r_8 cb_r_3 cb_r_2 cb_r_5 cb_r_4 cb_s_1 cb_s_2 cb_s_3 cb_s_4 "
                 "cb_s_5 cb_s_6 cb_s_7 cb_s_8");
    QTest::newRow("g_tel radio buttons")
        << "g_tel"
        << "QRadioButton"
        << words("r1_4 r7_4 r4_4 r7_2 r6_1 r1_3 r5_4 r2_2 r6_3 r8_4 r2_4 r4_2 r1_1 r8_3 r6_2 "
                 "r3_1 r2_3 r8_1 r3_3 r5_1 r4_3 r6_4 r1_2 r7_3 r7_1 r3_2 r5_2 r5_3 r8_2 r3_4 "
                 "r2_1 r4_1 r1_0 r4_0 r2_0 r7_0 r8_0 r6_0 r3_0 r5_0");
    QTest::newRow("g_analog radio buttons") << "g_analog"
                                            << "QRadioButton" << words("max_be_15 max_be_30");
    QTest::newRow("g_ki_csengetes radio buttons")
        << "g_ki_csengetes"
        << "QRadioButton" << words("k1 b1 k2 b2 k3 b3 k4 b4");
    QTest::newRow("g_general combo boxes") << "g_general"
                                           << "QComboBox" << words("smskp_combo");
    QTest::newRow("push buttons of the central widget")
        << "centralWidget"
        << "QPushButton" << words("allapot_gomb download_gomb upload_gomb verify_gomb port_gomb");
    QTest::newRow("tab pages") << "tabWidget"
                               << "page" << words("tab1 tab2 tab3 tab4");
}

void TestMainWindow::creationOrder()
{
    QFETCH(QString, box);
    QFETCH(QString, cls);
    QFETCH(QStringList, expected);
    const QWidget *parent = find<QWidget>(box);
    QVERIFY(parent);
    QStringList actual;
    if (cls == QLatin1String("QLineEdit"))
        actual = names<QLineEdit>(parent);
    else if (cls == QLatin1String("QCheckBox"))
        actual = names<QCheckBox>(parent);
    else if (cls == QLatin1String("QRadioButton"))
        actual = names<QRadioButton>(parent);
    else if (cls == QLatin1String("QComboBox"))
        actual = names<QComboBox>(parent);
    else if (cls == QLatin1String("QPushButton"))
        actual = names<QPushButton>(parent);
    else {
        const auto *tabs = qobject_cast<const QTabWidget *>(parent);
        for (int i = 0; i < tabs->count(); ++i)
            actual << tabs->widget(i)->objectName();
    }
    QCOMPARE(actual, expected);
}

// Every check box of g_tel carries "R.C": the row of its number and its matrix
// column. The names of the regular boxes say the same thing a second way.
void TestMainWindow::telephoneCheckBoxGroups()
{
    const QList<QCheckBox *> boxes = find<QGroupBox>("g_tel")->findChildren<QCheckBox *>();
    QCOMPARE(boxes.size(), 64);
    QCOMPARE(boxes.first()->property("group").toString(), QStringLiteral("7.1"));
    QCOMPARE(boxes.last()->property("group").toString(), QStringLiteral("8.8"));
    QSet<QString> seen;
    for (const QCheckBox *box : boxes) {
        const QString group = box->property("group").toString();
        const QStringList parts = group.split(QLatin1Char('.'));
        QCOMPARE(parts.size(), 2);
        bool rowOk = false, columnOk = false;
        const int row = parts[0].toInt(&rowOk, 10), column = parts[1].toInt(&columnOk, 10);
        QVERIFY2(rowOk && columnOk && row >= 1 && row <= 8 && column >= 1 && column <= 8,
                 qPrintable(box->objectName()));
        QVERIFY2(!seen.contains(group), qPrintable(group));
        seen.insert(group);
        const QString name = box->objectName();
        const QRegularExpression regular(QStringLiteral("^tc([1-4])_([1-8])$"));
        if (const auto m = regular.match(name); m.hasMatch()) {
            QCOMPARE(column, 5 - m.captured(1).toInt());
            QCOMPARE(row, m.captured(2).toInt());
        } else if (name.startsWith(QLatin1String("cb_r_"))) {
            QCOMPARE(column, 7);
            QCOMPARE(row, name.mid(5).toInt());
        } else if (name.startsWith(QLatin1String("cb_s_"))) {
            QCOMPARE(column, 8);
            QCOMPARE(row, name.mid(5).toInt());
        } else {
            const int n = name.mid(4).toInt(); // tc1_9 .. tc1_24
            QCOMPARE(column, n <= 16 ? 5 : 6);
        }
    }
    // Nothing else in the window carries the property.
    int tagged = 0;
    for (const QWidget *w : m_window->findChildren<QWidget *>())
        tagged += w->property("group").isValid();
    QCOMPARE(tagged, 64);
    // Column 5 and 6 rows follow the table of the rights bits.
    QCOMPARE(find<QCheckBox>("tc1_14")->property("group").toString(), QStringLiteral("1.5"));
    QCOMPARE(find<QCheckBox>("tc1_20")->property("group").toString(), QStringLiteral("8.6"));
}

void TestMainWindow::buttonGroups_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("members");
    for (int r = 1; r <= 8; ++r)
        QTest::addRow("rg%d", r) << QStringLiteral("rg%1").arg(r)
                                 << QStringList{QStringLiteral("r%1_4").arg(r),
                                                QStringLiteral("r%1_3").arg(r),
                                                QStringLiteral("r%1_2").arg(r),
                                                QStringLiteral("r%1_1").arg(r),
                                                QStringLiteral("r%1_0").arg(r)};
    QTest::newRow("buttonGroup_5") << "buttonGroup_5" << words("max_be_15 max_be_30");
    QTest::newRow("buttonGroup") << "buttonGroup" << words("k1 b1");
    QTest::newRow("buttonGroup_2") << "buttonGroup_2" << words("k2 b2");
    QTest::newRow("buttonGroup_3") << "buttonGroup_3" << words("k3 b3");
    QTest::newRow("buttonGroup_4") << "buttonGroup_4" << words("k4 b4");
}

// Button groups are exclusive children of the main window itself.
void TestMainWindow::buttonGroups()
{
    QFETCH(QString, group);
    QFETCH(QStringList, members);
    auto *g = m_window->findChild<QButtonGroup *>(group, Qt::FindDirectChildrenOnly);
    QVERIFY(g);
    QVERIFY(g->exclusive());
    QStringList actual;
    for (const QAbstractButton *b : g->buttons())
        actual << b->objectName();
    actual.sort();
    members.sort();
    QCOMPARE(actual, members);
}

void TestMainWindow::fieldSettings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("courier");
    QTest::addColumn<QString>("text");
    QTest::newRow("smsplus") << "smsplus" << 1 << false << true << false << "+";
    QTest::newRow("smskp") << "smskp" << 16 << false << false << true << "36309888000";
    QTest::newRow("m_pin") << "m_pin" << 4 << true << false << true << "";
    QTest::newRow("visszaallas") << "visszaallas" << 1 << true << false << true << "";
    QTest::newRow("maxsms") << "maxsms" << 2 << true << false << false << "";
    QTest::newRow("t8") << "t8" << 14 << true << false << true << "";
    QTest::newRow("tplus_3") << "tplus_3" << 1 << false << true << true << "+";
    QTest::newRow("abe1_hi") << "abe1_hi" << 2 << true << false << false << "";
    QTest::newRow("abe1_lo_2") << "abe1_lo_2" << 1 << true << false << false << "";
    QTest::newRow("abe2_hi") << "abe2_hi" << 5 << true << false << false << "";
    QTest::newRow("abe2_clr") << "abe2_clr" << 16 << true << false << true << "";
    QTest::newRow("be4_off_msg") << "be4_off_msg" << 16 << true << false << true << "";
    QTest::newRow("ki2_on") << "ki2_on" << 16 << true << false << true << "";
    QTest::newRow("act_ki") << "act_ki" << 16 << true << false << true << "";
}

void TestMainWindow::fieldSettings()
{
    QFETCH(QString, name);
    QFETCH(int, maxLength);
    QFETCH(bool, enabled);
    QFETCH(bool, readOnly);
    QFETCH(bool, courier);
    QFETCH(QString, text);
    const QLineEdit *edit = find<QLineEdit>(name);
    QVERIFY(edit);
    QCOMPARE(edit->maxLength(), maxLength);
    QCOMPARE(edit->isEnabledTo(edit->parentWidget()), enabled);
    QCOMPARE(edit->isReadOnly(), readOnly);
    QCOMPARE(edit->font().family() == QLatin1String("Courier"), courier);
    QCOMPARE(edit->text(), text);
}

void TestMainWindow::maxLengthRefusesExtraCharacter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("limit");
    QTest::newRow("abe2_hi") << "abe2_hi" << 5;
    QTest::newRow("m_pin") << "m_pin" << 4;
    QTest::newRow("rele_time") << "rele_time" << 4;
    QTest::newRow("t1") << "t1" << 14;
}

void TestMainWindow::maxLengthRefusesExtraCharacter()
{
    QFETCH(QString, name);
    QFETCH(int, limit);
    m_window->globalEnableUI();
    auto *edit = find<QLineEdit>(name);
    QTabWidget *tabs = find<QTabWidget>("tabWidget");
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(edit))
            tabs->setCurrentIndex(i);
    edit->setFocus();
    QTest::keyClicks(edit, QString(limit + 1, QLatin1Char('7')));
    QCOMPARE(edit->text(), QString(limit, QLatin1Char('7')));
}

void TestMainWindow::initialChecks()
{
    for (const QCheckBox *box : m_window->findChildren<QCheckBox *>())
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    QStringList checked;
    for (const QRadioButton *b : m_window->findChildren<QRadioButton *>())
        if (b->isChecked())
            checked << b->objectName();
    checked.sort();
    QCOMPARE(checked, words("b1 b2 b3 b4 max_be_15 r1_0 r2_0 r3_0 r4_0 r5_0 r6_0 r7_0 r8_0"));
    const auto *combo = find<QComboBox>("smskp_combo");
    QCOMPARE(combo->count(), 4);
    QCOMPARE(combo->itemText(3), QStringLiteral("Egyéni"));
    QCOMPARE(combo->currentIndex(), 0);
}

// The window starts locked: only port selection, exit and help work.
void TestMainWindow::startupState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("style"); // "-" when not checked
    const QString blue =
        QStringLiteral("color: rgb(255, 255, 255); \nbackground-color: rgb(0, 0, 191);");
    QTest::newRow("tabWidget") << "tabWidget" << false << true << "-";
    QTest::newRow("g_allapot") << "g_allapot" << false << true << "-";
    QTest::newRow("port_gomb") << "port_gomb" << true << true << blue;
    QTest::newRow("download_gomb") << "download_gomb" << false << true << kLocked;
    QTest::newRow("upload_gomb") << "upload_gomb" << false << true << kLocked;
    QTest::newRow("allapot_gomb") << "allapot_gomb" << false << true << kLocked;
    QTest::newRow("verify_gomb") << "verify_gomb" << false << false << kLocked;
    QTest::newRow("actionOpen") << "actionOpen" << false << true << "-";
    QTest::newRow("actionSave") << "actionSave" << false << true << "-";
    QTest::newRow("actionNew") << "actionNew" << false << false << "-";
    QTest::newRow("actionSaveAs") << "actionSaveAs" << false << false << "-";
    // Qt reports a hidden action as disabled too.
    QTest::newRow("actionVerify") << "actionVerify" << false << false << "-";
    QTest::newRow("actionExit") << "actionExit" << true << true << "-";
    QTest::newRow("actionPort") << "actionPort" << true << true << "-";
    // The menu stays open for the register; its commands that need a module are locked.
    QTest::newRow("menuDevice") << "menuDevice" << true << true << "-";
    QTest::newRow("menuDebug") << "menuDebug" << false << true << "-";
    QTest::newRow("menuHelp") << "menuHelp" << true << true << "-";
    QTest::newRow("actionReadup") << "actionReadup" << false << true << "-";
    QTest::newRow("actionDownload") << "actionDownload" << false << true << "-";
    QTest::newRow("actionCompare") << "actionCompare" << false << true << "-";
    QTest::newRow("actionRegister") << "actionRegister" << true << true << "-";
    QTest::newRow("actionSeries") << "actionSeries" << true << true << "-";
    QTest::newRow("actionWatch") << "actionWatch" << false << true << "-";
}

void TestMainWindow::startupState()
{
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    QFETCH(bool, visible);
    QFETCH(QString, style);
    if (auto *action = find<QAction>(name)) {
        QCOMPARE(action->isEnabled(), enabled);
        QCOMPARE(action->isVisible(), visible);
        return;
    }
    if (auto *menu = find<QMenu>(name)) {
        QCOMPARE(menu->isEnabled(), enabled);
        QCOMPARE(menu->menuAction()->isEnabled(), enabled);
        QCOMPARE(menu->menuAction()->isVisible(), visible);
        return;
    }
    auto *w = find<QWidget>(name);
    QVERIFY(w);
    QCOMPARE(w->isEnabled(), enabled);
    QCOMPARE(w->isVisible(), visible);
    if (style != QLatin1String("-"))
        QCOMPARE(w->styleSheet(), style);
}

void TestMainWindow::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("actions"); // object names, "|" for a separator
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("shortcuts");
    QTest::addColumn<QStringList>("withIcon");
    QTest::newRow("File") << "menuFile"
                          << words("actionNew actionOpen actionSave actionPrintSheet "
                                   "actionExportSheet actionSaveAs | actionExit")
                          << QStringList{"New",
                                         "Megnyitás",
                                         "Mentés",
                                         "Ügyféllap nyomtatása…",
                                         "Ügyféllap PDF-be…",
                                         "Save As",
                                         "",
                                         "Kilépés"}
                          << QStringList{"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+P",
                                         "",       "",       "",       "Ctrl+Q"}
                          << words("actionOpen actionSave actionSaveAs actionExit");
    QTest::newRow("Beállítások") << "menuSettings" << words("actionPort menuLanguage")
                                 << QStringList{"Port", "Nyelv / Language"} << QStringList{"", ""}
                                 << QStringList();
    QTest::newRow("Eszköz") << "menuDevice"
                            << words("actionReadup | actionDownload actionVerify actionCompare "
                                     "actionRegister actionSeries actionWatch")
                            << QStringList{"Kiolvasás az eszközből",     "",
                                           "Betöltés az eszközbe",       "Betöltés ellenőrzése",
                                           "Összehasonlítás a modullal", "Nyilvántartás…",
                                           "Sorozatprogramozás…",        "Állapot figyelése…"}
                            << QStringList{"Ctrl+R", "", "Ctrl+D", "Ctrl+V", "", "", "", ""}
                            << words("actionReadup actionDownload");
    QTest::newRow("Help") << "menuHelp" << words("actionContents actionAbout")
                          << QStringList{"Tartalom", "Névjegy"} << QStringList{"F1", ""}
                          << words("actionAbout");
    QTest::newRow("Debug") << "menuDebug"
                           << words("actionQ_QV5 actionQ_QV3 actionQ_BRK2 | actionNodevice")
                           << QStringList{"Q_QV5", "Q_QV3", "Q_BRK2", "", "No Device"}
                           << QStringList{"", "", "", "", ""} << QStringList();
}

void TestMainWindow::menus()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, shortcuts);
    QFETCH(QStringList, withIcon);
    const QMenu *m = find<QMenu>(menu);
    QVERIFY(m);
    const QList<QAction *> list = m->actions();
    QCOMPARE(list.size(), actions.size());
    for (int i = 0; i < list.size(); ++i) {
        const QAction *a = list.at(i);
        if (actions.at(i) == QLatin1String("|")) {
            QVERIFY(a->isSeparator());
            continue;
        }
        QCOMPARE(a->objectName(), actions.at(i));
        QCOMPARE(a->text(), texts.at(i));
        QCOMPARE(a->shortcut().toString(), shortcuts.at(i));
        QCOMPARE(!a->icon().isNull(), withIcon.contains(a->objectName()));
    }
}

void TestMainWindow::statusBar()
{
    const auto *bar = find<QStatusBar>("statusBar");
    QList<QLabel *> labels;
    for (QLabel *label : bar->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (label->isVisibleTo(bar)) // the unsaved-edits mark shows only while there are some
            labels << label;
    }
    std::sort(labels.begin(), labels.end(), [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
    QCOMPARE(labels.size(), 3);
    QCOMPARE(labels[0]->objectName(), QStringLiteral("fileLabel"));
    QCOMPARE(labels[0]->text(), QStringLiteral("Nincs megnyitott fájl."));
    QCOMPARE(labels[1]->objectName(), QStringLiteral("portLabel"));
    QCOMPARE(labels[1]->text(), QStringLiteral("COM1  Baud: 1200"));
    QCOMPARE(labels[2]->objectName(), QStringLiteral("linkLabel"));
    QVERIFY(labels[2]->text().contains(QLatin1String("<a href=")));
    QCOMPARE(labels[2]->text(), m_window->deviceSettings().FooterText);
    QVERIFY(labels[2]->openExternalLinks());
    QCOMPARE(labels[2]->textInteractionFlags(), Qt::LinksAccessibleByMouse);

    const auto *corner =
        qobject_cast<QLabel *>(find<QMenuBar>("menuBar")->cornerWidget(Qt::TopRightCorner));
    QVERIFY(corner);
    QCOMPARE(corner->text(), QStringLiteral("v1.31   "));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quorvel / Brastok letöltő szoftver"));
    QCOMPARE(m_window->size(), QSize(910, 600));
    QCOMPARE(m_window->minimumSize(), QSize(910, 600));
    QCOMPARE(m_window->maximumSize(), QSize(910, 600));
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(find<QTabWidget>("tabWidget")->currentIndex(), 0);
}

// The public slots, in the order of the slot table.
void TestMainWindow::slotTable()
{
    const QStringList expected = words(
        "newfile() openfile() save() saveas() verify_func() show_port() "
        "checkCompatibility(QString) "
        "setDeviceUI() globalDisableUI() globalEnableUI() download() readup() nevjegy() contents() "
        "check_general() check_tel() check_analog() check_be() check_ki() check_activate() "
        "check_cbs() allapot() smskpSelect() deviceDebugMS5() deviceDebugMS3() deviceDebugMArm2() "
        "deviceDebugDisable()");
    const QMetaObject &mo = MainWindow::staticMetaObject;
    QStringList actual;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
        const QMetaMethod m = mo.method(i);
        if (m.methodType() == QMetaMethod::Slot && m.access() == QMetaMethod::Public)
            actual << QString::fromLatin1(m.methodSignature());
    }
    QCOMPARE(actual, expected);
    QCOMPARE(QByteArray(mo.method(mo.indexOfSlot("checkCompatibility(QString)")).typeName()),
             QByteArray("bool"));
}

void TestMainWindow::shortcutsAtStartup()
{
    ModalWatcher watcher;
    QTest::keyClick(m_window, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(m_window, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(m_window, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(m_window, Qt::Key_P, Qt::ControlModifier);
    QTest::qWait(50);
    QCOMPARE(watcher.count(), 0);
    QVERIFY(m_window->isVisible());
    QTest::keyClick(m_window, Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!m_window->isVisible());
}

// Re-running the text pass restores the texts and changes no structure.
void TestMainWindow::textPassCanRunAgain()
{
    QMainWindow window;
    qv::form::gui::Ui::MainWindow form;
    form.setupUi(&window);
    const int before = window.findChildren<QObject *>().size();
    form.get<QLabel>("label_28")->setText(QStringLiteral("x"));
    form.get<QGroupBox>("g_tel")->setTitle(QString());
    form.retranslateUi(&window);
    QCOMPARE(window.findChildren<QObject *>().size(), before);
    QCOMPARE(form.get<QLabel>("label_28")->text(),
             QStringLiteral("Kimenet vezérlés\nrácsengetéskor\n  4     3     2     1    Ø"));
    QCOMPARE(form.g_tel->title(), QStringLiteral("Telefonszámok"));
    QCOMPARE(form.get<QComboBox>("smskp_combo")->count(), 4);
    QCOMPARE(form.get<QCheckBox>("tc1_24")->property("group").toString(), QStringLiteral("2.6"));
    QCOMPARE(form.tabWidget->tabText(2), QStringLiteral("Digitális bemenetek"));
}

void TestMainWindow::pictureMissingLeavesEmptyArea()
{
    QVERIFY(!find<QLabel>("image")->pixmap().isNull());
    QTemporaryDir empty;
    qv::settings::overrideDataFileFolders({empty.path()});
    ModalWatcher watcher;
    MainWindow bare;
    bare.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bare));
    qv::settings::overrideDataFileFolders({});
    QVERIFY(bare.findChild<QLabel *>("image")->pixmap().isNull());
    QTest::qWait(20);
    QCOMPARE(watcher.count(), 0);
}

// Destroying the window takes the focus from the field being edited, which finishes its
// editing: the window's own part is gone by then, so no check may run.
void TestMainWindow::closingWhileEditingRunsNoCheck()
{
    ModalWatcher watcher;
    auto *window = new MainWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->deviceDebugMS5();
    QVERIFY(watcher.waitForBoxes(1));
    auto *relay = window->findChild<QLineEdit *>("rele_time");
    relay->setText(QStringLiteral("12a4"));
    window->activateWindow();
    relay->setFocus();
    QTRY_VERIFY(relay->hasFocus());
    delete window;
    QTest::qWait(50);
    QCOMPARE(watcher.count(), 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

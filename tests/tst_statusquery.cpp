// The status query end to end: the panel painted from the emulated module's status line.
#include "formhelpers.h"
#include "modalwatcher.h"
#include "modulefixture.h"
#include "serial/gui/portcontroller.h"

#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {

// The lamps w_ki1..4, w_be1..4, w_tp as letters: o output on, i input active, . grey,
// s supply present, x supply missing.
QString lamps(const MainWindow &w)
{
    static const QHash<QString, QChar> letters = {
        {QStringLiteral("background-color: rgb(180, 180, 180);"), u'.'},
        {QStringLiteral("background-color: rgb(255, 170, 0);"), u'o'},
        {QStringLiteral("background-color: rgb(0, 170, 255);"), u'i'},
        {QStringLiteral("background-color: rgb(0, 170, 0);"), u's'},
        {QStringLiteral("background-color: rgb(255, 0, 0);"), u'x'}};
    QString seen;
    for (const char *name :
         {"w_ki1", "w_ki2", "w_ki3", "w_ki4", "w_be1", "w_be2", "w_be3", "w_be4", "w_tp"})
        seen += letters.value(widget<QWidget>(w, name)->styleSheet(), u'?');
    return seen;
}

} // namespace

class TestStatusQuery : public QObject
{
    Q_OBJECT

private slots:
    void painting_data() { addRows(false); }
    void painting();
    void slowReplies_data() { addRows(true); }
    void slowReplies() { painting(); }

private:
    // slow: the replies that end only with the query's 5 s of silence.
    void addRows(bool slow);
};

void TestStatusQuery::addRows(bool slow)
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QByteArray>("reply"); // empty: the module stays silent
    QTest::addColumn<QString>("lamps");    // empty: the query fails
    QTest::addColumn<QString>("readouts"); // l_analog | l_counter | l_ver
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("weak");

    const QByteArray all = "OUTP:1111 IN:1111 AN:12.5 CNT:00042 POWER:1 GSMQ:3 ALRM:0 FW2.1\r";
    auto level = [](const char *n) { return "a b c d e GSMQ:" + QByteArray(n) + " g h\r"; };
    if (slow) {
        QTest::newRow("silent module") << 1 << QByteArray() << ""
                                       << "" << 0 << false;
        QTest::newRow("no CR: the bytes before the silence")
            << 2 << QByteArray("OUTP:0100 IN:0000 AN:1.0 CNT:7 POWER:0 GSMQ:5 X V2") << ".o......x"
            << "1.0 V|7|V2" << 50 << false;
        return;
    }
    QTest::newRow("Q_QV5, signal 3") << 1 << all << "ooooiiiis"
                                     << "12.5 V|00042|FW2.1" << 30 << false;
    QTest::newRow("Q_QV3") << 2 << all << "oo..ii..s"
                           << "12.5 V|00042|FW2.1" << 30 << false;
    QTest::newRow("Q_BRK2") << 3 << all << "o...ii..s"
                            << "--.- V|-----|FW2.1" << 30 << false;
    QTest::newRow("no module identified") << 0 << all << "o...ii..s"
                                          << "--.- V|-----|FW2.1" << 30 << false;
    QTest::newRow("exactly eight fields, signal 1") << 1 << level("1") << "........x"
                                                    << " V||h" << 10 << true;
    QTest::newRow("signal 7") << 1 << level("7") << "........x"
                              << " V||h" << 10 << true;
    QTest::newRow("seven fields are refused")
        << 1 << QByteArray("OUTP:1111 IN:1111 AN:1 CNT:2 POWER:1 GSMQ:3 FW2.1\r") << ""
        << "" << 0 << false;
    QTest::newRow("a line that never ends is refused")
        << 1 << all.chopped(1) + QByteArray(600, '#') << ""
        << "" << 0 << false;
}

void TestStatusQuery::painting()
{
    QFETCH(int, model);
    QFETCH(QByteArray, reply);
    QFETCH(QString, lamps);
    QFETCH(QString, readouts);
    QFETCH(int, signal);
    QFETCH(bool, weak);

    qvsim::ModuleSetup replying;
    replying.statusReply = reply;
    const auto fault = reply.isEmpty() ? qvsim::Fault::Silent : qvsim::Fault::None;
    // The query runs at 1200 bit/s whatever the chosen speed.
    auto module = startModule({.moduleBaud = 9600},
                              qvsim::FaultSetup::only(qvsim::Exchange::Status, fault), replying);

    ModalWatcher watcher;
    MainWindow w;
    w.useLink(module->slavePath(), 9600);
    const std::array<void (MainWindow::*)(), 3> modes = {
        &MainWindow::deviceDebugMS5, &MainWindow::deviceDebugMS3, &MainWindow::deviceDebugMArm2};
    if (model)
        (w.*modes[model - 1])();
    watcher.clear();
    auto *button = widget<QPushButton>(w, "allapot_gomb");
    auto *bar = widget<QProgressBar>(w, "terero");
    const QString before = ::lamps(w);
    QString running;
    watcher.onDialog("QProgressDialog", [&](QWidget *) {
        running = button->text() + u'|' + button->styleSheet() + u'|' +
                  QString::number(button->isEnabled());
    });
    if (model)
        button->click();
    else
        w.allapot(); // locked: the button cannot be pressed, the slot still works

    QCOMPARE(module->received(), QByteArray("~["));
    if (!reply.isEmpty()) // the window is seen between bytes
        QCOMPARE(running, QStringLiteral("Várjon!...|color: rgb(255, 255, 255); "
                                         "background-color: rgb(180, 180, 180);|0"));
    QCOMPARE(button->text(), QStringLiteral("Állapot lekérdezése"));
    QCOMPARE(button->styleSheet(),
             QStringLiteral("color: rgb(255, 255, 255); background-color: rgb(0, 170, 127);"));
    QVERIFY(button->isEnabledTo(button->parentWidget()));
    if (lamps.isEmpty()) {
        QCOMPARE(watcher.count(), 1);
        QCOMPARE(watcher.last().icon, QMessageBox::Critical);
        QCOMPARE(watcher.last().title + u'|' + watcher.last().text,
                 QStringLiteral("Hiba|Sikertelen lekérdezés.\nEllenőrizze az eszközt!"));
        QCOMPARE(::lamps(w), before);
        QCOMPARE(bar->value(), bar->minimum() - 1); // reset
        QCOMPARE(bar->styleSheet(), QString());
        return;
    }
    QCOMPARE(watcher.count(), 0);
    QCOMPARE(::lamps(w), lamps);
    const QString shown = widget<QLabel>(w, "l_analog")->text() + u'|' +
                          widget<QLabel>(w, "l_counter")->text() + u'|' +
                          widget<QLabel>(w, "l_ver")->text();
    QCOMPARE(shown, readouts);
    QCOMPARE(bar->maximum(), 55);
    QCOMPARE(bar->value(), signal);
    QCOMPARE(bar->styleSheet(), weak ? QStringLiteral("QProgressBar::chunk { background-color: "
                                                      "#FF0000; }")
                                     : QStringLiteral("QProgressBar::chunk { background-color: "
                                                      "#05B8CC; }"));
    // The panel says when its values came; they fade once another module is identified.
    auto *panel = widget<QGroupBox>(w, "g_allapot");
    QVERIFY2(panel->toolTip().startsWith(QStringLiteral("Lekérdezve: ")),
             qPrintable(panel->toolTip()));
    QVERIFY(!bar->graphicsEffect());
    if (model) {
        emit w.findChild<qv::serial::gui::PortController *>()->moduleIdentified();
        QVERIFY(bar->graphicsEffect() && widget<QLabel>(w, "l_analog")->graphicsEffect());
        QVERIFY(panel->toolTip().contains(QStringLiteral("már nem a porton lévő modulé")));
    }
}

QTEST_MAIN(TestStatusQuery)
#include "tst_statusquery.moc"

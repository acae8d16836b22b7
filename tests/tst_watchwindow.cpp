// The status watch in the window against the emulated module (one test per flow): samples
// arrive and an input change becomes an event, a mark on the plot and the status panel's
// lamp, the session lands in the register and its log opens again; a pulled adapter pauses
// the watch until the port comes back; a read-out in the middle pauses it and a series
// refuses the watched port; a query waits for the port's turn, and a stop does not wait for
// it.
#include "formhelpers.h"
#include "modalwatcher.h"
#include "modulefixture.h"
#include "register/store.h"
#include "serial/exchangethread.h"
#include "settings/gui/messages.h"
#include "watch/gui/signalmeter.h"
#include "watch/gui/watchcontroller.h"
#include "watch/gui/watchdialog.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int WaitMs = 20000;

struct Session
{
    std::unique_ptr<qvsim::Emulator> module;
    std::unique_ptr<MainWindow> window;
    qv::watch::gui::WatchDialog *dialog = nullptr;
    qv::watch::gui::WatchController *controller = nullptr;
};

// A Q_QV5 window (debug mode) linked to `module` at `port`, with the watch window open and
// started at the shortest interval.
void open(Session &s, const QString &port, ModalWatcher &watcher)
{
    s.window = std::make_unique<MainWindow>();
    s.window->useLink(port, 1200);
    s.window->deviceDebugMS5();
    QVERIFY(watcher.waitForBoxes(1));
    s.window->findChild<QAction *>("actionWatch")->trigger();
    s.dialog = s.window->findChild<qv::watch::gui::WatchDialog *>("watchDialog");
    QVERIFY(s.dialog && s.dialog->isVisible());
    s.controller = s.window->findChild<qv::watch::gui::WatchController *>();
    s.dialog->findChild<QDoubleSpinBox *>("watchInterval")->setValue(0.5);
    s.dialog->findChild<QPushButton *>("watchStart")->click();
    QVERIFY(s.controller->isRunning());
}

qsizetype samples(const Session &s)
{
    return s.controller->history().size();
}

} // namespace

class TestWatchWindow : public QObject
{
    Q_OBJECT

private slots:
    void samplesAndEvents();
    void unplugAndReturn();
    void readOutInTheMiddle();
    void queryTakesThePortsTurn();
};

void TestWatchWindow::samplesAndEvents()
{
    qvsim::ModuleSetup setup;
    setup.statusCourse.steps = {{3, QStringLiteral("inputs=0110")}};
    Session s;
    s.module = startModule({}, {}, setup);
    ModalWatcher watcher;
    open(s, s.module->slavePath(), watcher);

    auto *events = s.dialog->findChild<QListWidget *>("watchEvents");
    QTRY_VERIFY_WITH_TIMEOUT(s.dialog->eventsText().contains(u"bemenet 3 aktív"), WaitMs);
    QCOMPARE(s.dialog->eventsText().count(u'\n'), 0); // that one event only
    const qv::watch::History &h = s.controller->history();
    QVERIFY(h.size() >= 3);
    for (qsizetype i = 1; i < h.size(); ++i)
        QVERIFY(h.at(i).elapsedMs > h.at(i - 1).elapsedMs);
    QCOMPARE(h.at(2).bits >> qv::watch::History::InputBit & 0xF, 0b0110);
    QCOMPARE(h.marks().size(), 1);
    QCOMPARE(h.marks().first().elapsedMs, h.at(2).elapsedMs);
    QCOMPARE(h.marks().first().output, false);
    QCOMPARE(s.dialog->findChild<qv::watch::gui::SignalMeter *>("watchSignal")->level(), 4);
    // The status panel follows the watch.
    QCOMPARE(widget<QWidget>(*s.window, "w_be3")->styleSheet(),
             QStringLiteral("background-color: rgb(0, 170, 255);"));
    QCOMPARE(events->count(), 1);

    s.dialog->findChild<QPushButton *>("watchStop")->click();
    QVERIFY(!s.controller->isRunning());
    const qv::reg::Store store = qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath());
    const QList<qv::reg::Entry> entries = store.search({});
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().operation, qv::reg::Operation::Watch);
    QVERIFY(entries.first().reason.contains(u"események: 1"));

    // The log saved and opened again plots the same session.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("figyeles.csv"));
    qv::settings::gui::setSaveFileChooser([path](auto &&...) { return path; });
    qv::settings::gui::setOpenFileChooser([path](auto &&...) { return path; });
    const qsizetype kept = samples(s);
    s.dialog->findChild<QPushButton *>("watchSave")->click();
    s.dialog->findChild<QPushButton *>("watchOpen")->click();
    qv::settings::gui::setSaveFileChooser({});
    qv::settings::gui::setOpenFileChooser({});
    QCOMPARE(samples(s), kept);
    QCOMPARE(h.marks().size(), 1);
    QVERIFY(s.dialog->eventsText().endsWith(u"bemenet 3 aktív"));
    QCOMPARE(watcher.count(), 1); // the debug mode's box only: no error
}

void TestWatchWindow::unplugAndReturn()
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("module"));
    Session s;
    s.module = startModule();
    QVERIFY(s.module->setLinkPath(link));
    ModalWatcher watcher;
    open(s, link, watcher);
    QTRY_VERIFY_WITH_TIMEOUT(samples(s) >= 2, WaitMs);

    s.module->setFaults(qvsim::FaultSetup::only(qvsim::Exchange::Status, qvsim::Fault::Unplug));
    QTRY_VERIFY_WITH_TIMEOUT(s.controller->isWaitingForPort(), WaitMs);
    const qsizetype whileGone = samples(s);
    QTest::qWait(1000); // the port is looked for, without a sample for each look
    QCOMPARE(samples(s), whileGone);
    QVERIFY(s.dialog->findChild<QLabel *>("watchState")->text().contains(u"A port eltűnt"));

    s.module->setFaults({});
    QVERIFY(s.module->replug());
    QTRY_VERIFY_WITH_TIMEOUT(s.dialog->eventsText().contains(u"a port visszatért"), WaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(samples(s) >= whileGone + 2, WaitMs);
    QVERIFY(!s.controller->isWaitingForPort());
    const qv::watch::History &h = s.controller->history();
    QVERIFY(!h.at(whileGone - 1).ok); // the pull: a gap
    QVERIFY(h.at(whileGone).resumed); // the return: a new stretch
    QVERIFY(s.dialog->eventsText().contains(u"a port eltűnt"));
}

void TestWatchWindow::readOutInTheMiddle()
{
    Session s;
    s.module = startModule({.moduleBaud = 9600});
    s.module->setModuleSetup([&] {
        qvsim::ModuleSetup m = s.module->moduleSetup();
        m.fields = sampleFields();
        return m;
    }());
    ModalWatcher watcher;
    open(s, s.module->slavePath(), watcher);
    QTRY_VERIFY_WITH_TIMEOUT(samples(s) >= 2, WaitMs);
    QSignalSpy paused(s.controller, &qv::watch::gui::WatchController::pausedChanged);

    s.window->useLink(s.module->slavePath(), 9600);
    s.window->readup();
    QCOMPARE(edit(*s.window, "m_nev")->text(), QStringLiteral("PINCE"));
    QCOMPARE(paused.size(), 2);
    QCOMPARE(paused.at(0).at(1).toString(), QStringLiteral("a kiolvasás"));
    QCOMPARE(paused.at(1).at(0).toBool(), false);
    const qsizetype after = samples(s);
    QTRY_VERIFY_WITH_TIMEOUT(samples(s) >= after + 2, WaitMs);
    // The read-out's request came whole between two status queries, never inside one.
    const QByteArray wire = s.module->received();
    QVERIFY(wire.contains("~[~{~["));
    QCOMPARE(wire.count("~{"), 1);
    QCOMPARE(s.controller->history().at(after).resumed, true);

    // A series does not start on the watched port, and says why.
    s.window->findChild<QAction *>("actionSeries")->trigger();
    auto *series = s.window->findChild<QDialog *>("seriesDialog");
    QVERIFY(series);
    watcher.clear();
    series->findChild<QPushButton *>("seriesStart")->click();
    QCOMPARE(watcher.count(), 1);
    QVERIFY(watcher.last().text.contains(u"állapotfigyelés fut"));
    QVERIFY(s.controller->isRunning());
}

// Another exchange holds the port: the next query waits for its turn and asks nothing, a
// stop meanwhile returns at once, and the query, cancelled, ends without a word on the line
// once the turn is free.
void TestWatchWindow::queryTakesThePortsTurn()
{
    Session s;
    s.module = startModule();
    ModalWatcher watcher;
    open(s, s.module->slavePath(), watcher);
    s.controller->setInterval(1500); // a pause between two queries
    QTRY_VERIFY_WITH_TIMEOUT(samples(s) >= 2, WaitMs);
    qsizetype asked = 0;
    qsizetype kept = 0;
    {
        const qv::serial::PortTurn turn(s.module->slavePath());
        // A query that ended before the turn was taken here is told of first.
        QTRY_VERIFY_WITH_TIMEOUT(!s.controller->isQuerying(), WaitMs);
        asked = s.module->received().count("~[");
        kept = samples(s);
        QTRY_VERIFY_WITH_TIMEOUT(s.controller->isQuerying(), WaitMs);
        QTest::qWait(300); // time for a request, were the query not waiting
        s.controller->stop();
        QVERIFY(!s.controller->isRunning());
        QVERIFY(s.controller->isQuerying()); // still waiting for the turn held here
    }
    QTRY_VERIFY_WITH_TIMEOUT(!s.controller->isQuerying(), WaitMs);
    QCOMPARE(s.module->received().count("~["), asked);
    QCOMPARE(samples(s), kept);
}

QTEST_MAIN(TestWatchWindow)
#include "tst_watchwindow.moc"

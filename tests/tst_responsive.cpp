// The window keeps answering while it exchanges with the module: a timer on the GUI thread
// fires while the module answers and while the program waits out the closing silence, and
// a cancel in that silence ends the read-out before the silence would have.
#include "formhelpers.h"
#include "modalwatcher.h"
#include "modulefixture.h"
#include "settings/preferences.h"
#include "transfer/gui/comparecontroller.h"
#include "transfer/gui/readoutcontroller.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <atomic>

using qvsim::Exchange;
using qvsim::Model;

namespace {

// A window on an emulated Q_QV5 at 1200 bit/s, and a timer on its thread that counts its
// ticks while an exchange runs: while the module answers, and once its answer is complete
// (the closing silence), until the window shows what came.
struct Rig
{
    ModalWatcher watcher;
    std::unique_ptr<qvsim::Emulator> module;
    MainWindow window;
    QTimer ticker;
    std::atomic<bool> requested{false}; // set from the module's thread
    Exchange exchange = Exchange::ReadOut;
    int handledBefore = 0;
    bool inCall = false;
    int during = 0;  // ticks from the request to the end of the exchange
    int silence = 0; // of them, ticks after the module's answer was complete
    std::function<void()> onSilence;

    Rig() : module(startModule({.moduleBaud = 1200}))
    {
        module->setEventSink([this](const QString &text) {
            if (text.contains(QLatin1String(" request (")))
                requested = true;
        });
        window.deviceDebugMS5();
        window.useLink(module->slavePath(), 1200);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ticker.setInterval(5);
        QObject::connect(&ticker, &QTimer::timeout, &ticker, [this] { tick(); });
        ticker.start();
        watcher.clear(); // the debug mode's greeting
    }

    // A tick counts while the exchange runs: the request has come, and no message or
    // comparison shows its outcome yet.
    void tick()
    {
        const QWidget *modal = QApplication::activeModalWidget();
        if (!inCall || !requested || qobject_cast<const QMessageBox *>(modal) ||
            (modal && modal->objectName() == u"compareDialog"))
            return;
        ++during;
        if (module->waitForHandled(exchange, handledBefore + 1, 0)) {
            ++silence;
            if (onSilence)
                std::exchange(onSilence, nullptr)();
        }
    }

    // Runs one command of the window and counts its ticks; the silence is the one after the
    // answer of `of` (the download's: its read-back's).
    void run(Exchange of, const std::function<void()> &command)
    {
        exchange = of == Exchange::Download ? Exchange::ReadOut : of;
        handledBefore = 0;
        while (module->waitForHandled(exchange, handledBefore + 1, 0))
            ++handledBefore;
        requested = false;
        during = silence = 0;
        inCall = true;
        command();
        inCall = false;
    }

    QProgressDialog *progress() const { return window.findChild<QProgressDialog *>(); }
};

} // namespace

class TestResponsive : public QObject
{
    Q_OBJECT

private slots:
    void cancelInClosingSilence();
    void everyExchange();
};

// The module's answer is complete and the read-out waits for the line to stay silent: a
// cancel then ends it as cancelled, the form untouched, though all the module sent was
// there.
void TestResponsive::cancelInClosingSilence()
{
    Rig rig;
    auto *readOut = rig.window.findChild<qv::transfer::gui::ReadOutController *>();
    QList<qv::transfer::ExchangeReport> reports;
    connect(readOut, &qv::transfer::gui::ReadOutController::exchanged, this,
            [&reports](const qv::transfer::ExchangeReport &report) { reports << report; });
    edit(rig.window, "m_nev")->setText(QStringLiteral("PINCE"));
    const QStringList before = formValues(rig.window);
    bool cancelled = false;
    rig.onSilence = [&] {
        // The module has sent its whole reply; the window may still be counting its bytes.
        QProgressDialog *progress = rig.progress();
        QVERIFY(progress);
        progress->findChild<QPushButton *>()->click();
        cancelled = true;
    };
    rig.run(Exchange::ReadOut, [&] { rig.window.readup(); });

    QVERIFY(cancelled);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.first().result, qv::transfer::ExchangeResult::Failed);
    QCOMPARE(reports.first().reason, QStringLiteral("A kiolvasást a felhasználó megszakította."));
    QCOMPARE(formValues(rig.window), before);
    QCOMPARE(rig.watcher.count(), 0);
}

// Each exchange at 1200 bit/s, the window's timer firing through it; the read-out's and
// the identification's closing silences too. Long: about forty seconds on the line.
void TestResponsive::everyExchange()
{
    if (!qEnvironmentVariableIsSet("QV_RESPONSIVE_LONG"))
        QSKIP("runs with the long tests");
    Rig rig;
    rig.watcher.onDialog(QStringLiteral("dload"), [](QWidget *dialog) {
        auto *text = dialog->findChild<QLabel *>(QStringLiteral("kiiras"));
        QTRY_VERIFY_WITH_TIMEOUT(text->text().contains(QStringLiteral("Ellenőrizve.")), 60000);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    rig.watcher.onDialog(QStringLiteral("setcom"), [](QWidget *dialog) {
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });

    rig.run(Exchange::ReadOut, [&] { rig.window.readup(); });
    QVERIFY(rig.during > 0 && rig.silence > 0);
    QCOMPARE(rig.watcher.count(), 0);

    qv::settings::preferences::setVerifyAfterDownload(true);
    qv::settings::preferences::setBackupBeforeDownload(false);
    rig.run(Exchange::Download, [&] { rig.window.download(); });
    QVERIFY(rig.during > 0 && rig.silence > 0); // the read-back's silence

    rig.run(Exchange::ReadOut,
            [&] { rig.window.findChild<QAction *>(QStringLiteral("actionCompare"))->trigger(); });
    QVERIFY(rig.during > 0 && rig.silence > 0);
    QCOMPARE(rig.watcher.last().text, QStringLiteral("Nincs eltérés."));

    rig.run(Exchange::Status, [&] { rig.window.allapot(); });
    QVERIFY(rig.during > 0);

    rig.run(Exchange::Identification,
            [&] { rig.window.findChild<QAction *>(QStringLiteral("actionPort"))->trigger(); });
    QVERIFY(rig.during > 0 && rig.silence > 0);
}

QTEST_MAIN(TestResponsive)
#include "tst_responsive.moc"

// Figures for the read-out and the download through the main window against the emulated
// module paced at 1200 bit/s: the time measured, the time the wire and the mandated
// silence alone take, their ratio, and the longest time the GUI thread processed no
// events (no repaint, no input). Run by hand (see the README); not part of the tests.
#include "emulator.h"
#include "modalwatcher.h"
#include "transfer/modulerecord.h"

#include "app/mainwindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr qint32 Baud = 1200;
constexpr double ByteMs = 10000.0 / Baud; // start bit, 8 data bits, stop bit

// A 1 ms timer on the GUI thread: the longest gap between two of its ticks is the
// longest time the thread did not get round to its events.
class Heartbeat : public QObject
{
public:
    Heartbeat()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, &Heartbeat::tick);
    }
    void start()
    {
        m_clock.start();
        m_last = 0;
        m_longest = 0;
        m_timer.start();
    }
    double stopMs()
    {
        tick();
        m_timer.stop();
        return double(m_longest) / 1e6;
    }

private:
    void tick()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

void printRow(const char *name, qint64 bytes, double silenceMs, double measuredMs, double stallMs,
              bool ok)
{
    const double ideal = double(bytes) * ByteMs + silenceMs;
    std::printf("%-10s %6lld %12.1f %12.1f %8.4f %9.2f %%  %14.1f%s\n", name, bytes, measuredMs,
                ideal, measuredMs / ideal, (measuredMs / ideal - 1) * 100, stallMs,
                ok ? "" : "  (failed)");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    qvsim::Emulator module;
    QString error;
    if (!module.start(&error)) {
        std::fprintf(stderr, "emulator: %s\n", qPrintable(error));
        return 1;
    }
    ModalWatcher watcher;
    MainWindow window;
    window.deviceDebugMS5();
    window.useLink(module.slavePath(), Baud);
    window.show();
    QTest::qWait(200);
    watcher.clear();

    std::printf("read-out and download at %d bit/s through the main window\n", Baud);
    std::printf("%-10s %6s %12s %12s %8s %11s  %14s\n", "exchange", "bytes", "measured ms",
                "wire+quiet", "ratio", "over", "longest stall");
    Heartbeat heartbeat;
    QElapsedTimer clock;

    // "~{", the reply, then the 1.2 s of silence that ends it.
    const qint64 replyBytes = qv::record::encodeReadOut(module.moduleSetup().fields).size();
    heartbeat.start();
    clock.start();
    window.readup();
    const double readMs = double(clock.nsecsElapsed()) / 1e6;
    printRow("read-out", 2 + replyBytes, 1200, readMs, heartbeat.stopMs(), watcher.count() == 0);

    // "~}", "R" and one byte, the 953 bytes of the record, "O" and one byte. Measured up
    // to the outcome in the dialog, not its two-second close.
    double downloadMs = -1;
    bool acknowledged = false;
    watcher.onDialog(QStringLiteral("dload"), [&](QWidget *dialog) {
        auto *kiiras = dialog->findChild<QLabel *>(QStringLiteral("kiiras"));
        const QString running = kiiras->text();
        while (kiiras->text() == running)
            QTest::qWait(1);
        downloadMs = double(clock.nsecsElapsed()) / 1e6;
        acknowledged = kiiras->text() == QStringLiteral("Sikeres betöltés.");
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    heartbeat.start();
    clock.restart();
    window.download();
    printRow("download", 2 + 2 + 953 + 2, 0, downloadMs, heartbeat.stopMs(), acknowledged);
    return readMs > 0 && acknowledged ? 0 : 1;
}

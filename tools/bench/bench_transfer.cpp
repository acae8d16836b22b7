// Figures for the read-out and the download through the main window against the emulated
// module paced at 1200 bit/s: the time measured, the time the wire and the mandated
// silence alone take, their ratio, and the longest time the GUI thread processed no
// events (no repaint, no input). Then the same for "qvconfig read -o" and "qvconfig write"
// as a script runs them: the whole process, identification included. Run by hand (see the
// README); not part of the tests.
#include "emulator.h"
#include "transfer/modulerecord.h"
#include "transfer/statusquery.h"

#include "app/gui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

using qv::app::gui::MainWindow;

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

// Answers the modal windows the exchanges open, as the user would: the download dialog goes
// to the handler given, a message box (an exchange that failed) is counted and closed.
class ModalAnswers : public QObject
{
public:
    ModalAnswers()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswers::poll);
        m_timer.start(5);
    }
    void onDownloadDialog(std::function<void(QWidget *)> handler) { m_dialog = std::move(handler); }
    // Called as the port dialog is accepted, and as each message box appears.
    void onPortDialog(std::function<void()> accepted) { m_portDialog = std::move(accepted); }
    void onBox(std::function<void()> seen) { m_box = std::move(seen); }
    int messageBoxes() const { return m_boxes; }
    void clear() { m_boxes = 0; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || m_seen.contains(modal))
            return;
        m_seen << modal;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            ++m_boxes;
            if (m_box)
                m_box();
            QAbstractButton *button = box->button(QMessageBox::Ok);
            if (!button)
                button = box->escapeButton() ? box->escapeButton() : box->buttons().value(0);
            QTimer::singleShot(0, button, &QAbstractButton::click);
        } else if (modal->objectName() == QLatin1String("dload") && m_dialog) {
            QTimer::singleShot(0, modal, [this, modal] { m_dialog(modal); });
        } else if (modal->objectName() == QLatin1String("setcom")) {
            QTimer::singleShot(0, modal, [this, modal] {
                if (m_portDialog)
                    m_portDialog();
                static_cast<QDialog *>(modal)->accept();
            });
        }
    }

    QTimer m_timer;
    QList<QPointer<QWidget>> m_seen;
    std::function<void(QWidget *)> m_dialog;
    std::function<void()> m_portDialog, m_box;
    int m_boxes = 0;
};

// stallMs below 0: not measured (another process).
void printRow(const char *name, qint64 bytes, double silenceMs, double measuredMs, double stallMs,
              bool ok)
{
    const double ideal = double(bytes) * ByteMs + silenceMs;
    std::printf("%-10s %6lld %12.1f %12.1f %8.4f %9.2f %%  %14s%s\n", name, bytes, measuredMs,
                ideal, measuredMs / ideal, (measuredMs / ideal - 1) * 100,
                stallMs < 0 ? "-" : qPrintable(QString::number(stallMs, 'f', 1)),
                ok ? "" : "  (failed)");
    std::fflush(stdout);
}

// Runs qvconfig (beside this program) with `arguments` in a home of its own, as a script
// would, and returns the time from its start to its exit in ms; -1 when it failed.
double runCommand(const QString &home, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/qvconfig"), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
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
    ModalAnswers answers;
    MainWindow window;
    window.deviceDebugMS5();
    window.useLink(module.slavePath(), Baud);
    window.show();
    QTest::qWait(200);
    answers.clear();

    std::printf("read-out and download at %d bit/s through the main window\n", Baud);
    std::printf("%-10s %6s %12s %12s %8s %11s  %14s\n", "exchange", "bytes", "measured ms",
                "wire+quiet", "ratio", "over", "longest stall");
    Heartbeat heartbeat;
    QElapsedTimer clock;

    // "~{", the reply, then the 1.2 s of silence that ends it.
    const qint64 replyBytes =
        qv::transfer::record::encodeReadOut(module.moduleSetup().fields).size();
    heartbeat.start();
    clock.start();
    window.readup();
    const double readMs = double(clock.nsecsElapsed()) / 1e6;
    printRow("read-out", 2 + replyBytes, 1200, readMs, heartbeat.stopMs(),
             answers.messageBoxes() == 0);

    // "~}", "R" and one byte, the 953 bytes of the record, "O" and one byte. Measured up
    // to the outcome in the dialog, not its two-second close.
    double downloadMs = -1;
    bool acknowledged = false;
    answers.onDownloadDialog([&](QWidget *dialog) {
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

    // The comparison: the read-out's bytes and silence, up to its "Nincs eltérés." box.
    double boxAt = -1;
    answers.onBox([&] { boxAt = double(clock.nsecsElapsed()) / 1e6; });
    answers.clear();
    heartbeat.start();
    clock.restart();
    window.findChild<QAction *>(QStringLiteral("actionCompare"))->trigger();
    printRow("compare", 2 + replyBytes, 1200, boxAt, heartbeat.stopMs(),
             answers.messageBoxes() == 1);

    // The status query: "~[" and the module's line up to its CR, always at 1200 bit/s.
    const qint64 statusBytes =
        2 + qv::transfer::queryModuleStatus(module.slavePath()).reply.size() + 1;
    answers.clear();
    heartbeat.start();
    clock.restart();
    window.allapot();
    printRow("status", statusBytes, 0, double(clock.nsecsElapsed()) / 1e6, heartbeat.stopMs(),
             answers.messageBoxes() == 0);

    // The identification from the accepted port dialog to the greeting: "~|", the module's
    // text and its CR, then the 500 ms of silence that ends it.
    const qint64 identBytes = 2 + module.moduleSetup().identText.size() + 1;
    answers.onPortDialog([&] {
        heartbeat.start();
        clock.restart();
    });
    boxAt = -1;
    answers.clear();
    window.findChild<QAction *>(QStringLiteral("actionPort"))->trigger();
    printRow("identify", identBytes, 500, boxAt, heartbeat.stopMs(), answers.messageBoxes() == 1);

    // The commands identify first: "~|", the identification and its CR, then the 500 ms of
    // silence that ends it. Each runs twice: the first also makes the register's file.
    QTemporaryDir home;
    const QString file = home.filePath(QStringLiteral("module.msw"));
    const QString port = module.slavePath();
    const double start = runCommand(home.path(), {QStringLiteral("--version")});
    std::printf(
        "\nthe commands at %d bit/s, each a whole process (start and exit alone: %.1f ms)\n", Baud,
        start);
    bool commandsOk = start > 0;
    for (int run = 0; run < 2; ++run) {
        const qint64 readBytes =
            identBytes + 2 +
            qv::transfer::record::encodeReadOut(module.moduleSetup().fields).size();
        const double read = runCommand(home.path(), {QStringLiteral("read"), QStringLiteral("-o"),
                                                     file, QStringLiteral("--port"), port});
        printRow("read -o", readBytes, 500 + 1200, read, -1, read > 0);
        const double write = runCommand(
            home.path(), {QStringLiteral("write"), file, QStringLiteral("--port"), port});
        printRow("write", identBytes + 2 + 2 + 953 + 2, 500, write, -1, write > 0);
        commandsOk = commandsOk && read > 0 && write > 0;
    }
    return readMs > 0 && acknowledged && commandsOk ? 0 : 1;
}

// Figures of the status watch (run by tools/bench-watch.sh; not part of the test run):
//   rate     samples per minute at each interval against the paced emulator (a qvsim
//            process), against what the exchange itself allows
//   cpu      the processor time of this process while the watch window watches at 2 s
//   stop     how long the window waits when it pauses or stops the watch in the middle of
//            a query (--stop: this figure alone)
//   memory   the heap an eight-hour session at 1 s adds (its log opened in the window)
//   repaint  the trend plot's repaint with the eight hours shown
// With --screenshot FILE [--lang hu|en] [--seconds N] it instead watches a wandering module
// for N seconds and saves a picture of the watch window.
#include "settings/devsettings.h"
#include "settings/language.h"
#include "setup.h"
#include "transfer/exchange.h"
#include "transfer/statusreply.h"
#include "watch/csvlog.h"
#include "watch/gui/trendplot.h"
#include "watch/gui/watchcontroller.h"
#include "watch/gui/watchdialog.h"
#include "watch/watcher.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <thread>

namespace {

QTextStream out(stdout);

// A qvsim process with a wandering status, on a link in `dir`.
struct Module
{
    QProcess process;
    QString link;
};

bool startModule(Module &m, const QString &dir, const QStringList &extra = {})
{
    m.link = dir + QStringLiteral("/module");
    m.process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/qvsim"),
                    QStringList{"--link", m.link} + extra);
    if (!m.process.waitForReadyRead(5000))
        return false;
    return true;
}

qint64 cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

size_t heapBytes()
{
    malloc_trim(0);
    return mallinfo2().uordblks;
}

// Runs the event loop for `ms` (sleeping in it, as the program does).
void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class Counter : public qv::watch::WatchLoop::Observer
{
public:
    void sampled(const qv::watch::Sample &s) override { ok += s.isOk() ? 1 : 0; }
    int ok = 0;
};

void rate(const QString &link, int seconds)
{
    // The exchange on the wire: "~[" and the status line with its CR, 10 bits a byte.
    // The line of the wandering module: its texts are as long as the default status's.
    const int replyBytes = int(
        qv::transfer::status::buildStatusLine(qvsim::defaultStatus(qvsim::Model::QV5)).size() + 1);
    const double exchangeMs = (2 + replyBytes) * 10 * 1000.0 / 1200;
    out << QStringLiteral("rate: the exchange on the wire ~%1 ms (%2 bytes); %3 s per interval\n")
               .arg(exchangeMs, 0, 'f', 0)
               .arg(2 + replyBytes)
               .arg(seconds);
    for (const int interval : {500, 1000, 2000, 5000}) {
        qv::watch::WatchLoop loop({link, interval, 0});
        Counter counter;
        QElapsedTimer clock;
        clock.start();
        // The loop blocks: stop it from a thread of its own.
        std::thread stopper([&loop, seconds] {
            std::this_thread::sleep_for(std::chrono::seconds(seconds));
            loop.stop();
        });
        loop.run(counter);
        stopper.join();
        const double minutes = clock.elapsed() / 60000.0;
        const double limit = 60000.0 / std::max<double>(interval, exchangeMs);
        out << QStringLiteral("  interval %1 s: %2 samples/min, limit %3/min (%4 %)\n")
                   .arg(interval / 1000.0)
                   .arg(counter.ok / minutes, 0, 'f', 1)
                   .arg(limit, 0, 'f', 1)
                   .arg(100.0 * counter.ok / minutes / limit, 0, 'f', 1);
        out.flush();
    }
}
void cpu(const QString &link, int seconds)
{
    qv::settings::devSettings settings;
    settings.Port = link;
    settings.DeviceModel = qv::settings::ModelQV5;
    qv::watch::gui::WatchController controller(
        [&settings] { return qv::transfer::linkOf(settings); }, settings.Version, nullptr, nullptr);
    qv::watch::gui::WatchDialog dialog(controller);
    dialog.show();
    controller.start(2000);
    wait(3000); // settled
    const qint64 cpu0 = cpuMs();
    QElapsedTimer clock;
    clock.start();
    wait(seconds * 1000);
    const qint64 used = cpuMs() - cpu0;
    controller.stop();
    out << QStringLiteral("cpu: watching at 2 s for %1 s: %2 ms of processor time, %3 % of a "
                          "core (%4 samples)\n")
               .arg(seconds)
               .arg(used)
               .arg(100.0 * used / clock.elapsed(), 0, 'f', 2)
               .arg(controller.summary().samples);
}

// Pauses and stops the watch (at 0.5 s, queries back to back) at moments spread over a
// query, and times the calls: what the window waits for before it goes on.
void stopAndPause(const QString &link)
{
    qv::settings::devSettings settings;
    settings.Port = link;
    settings.DeviceModel = qv::settings::ModelQV5;
    qv::watch::gui::WatchController controller(
        [&settings] { return qv::transfer::linkOf(settings); }, settings.Version, nullptr, nullptr);
    QList<double> pauses, stops;
    for (int i = 0; i < 16; ++i) {
        controller.start(500);
        wait(800 + 37 * i);
        QElapsedTimer clock;
        clock.start();
        {
            const auto pause = controller.pauseFor(QStringLiteral("bench"));
            pauses << clock.nsecsElapsed() / 1e6;
        }
        wait(700 + 41 * i);
        clock.restart();
        controller.stop();
        stops << clock.nsecsElapsed() / 1e6;
    }
    std::sort(pauses.begin(), pauses.end());
    std::sort(stops.begin(), stops.end());
    out << QStringLiteral("stop: in the middle of a query (16 times each): a pause returns in "
                          "median %1 ms, at most %2 ms; a stop in median %3 ms, at most %4 ms\n")
               .arg(pauses.at(pauses.size() / 2), 0, 'f', 2)
               .arg(pauses.constLast(), 0, 'f', 2)
               .arg(stops.at(stops.size() / 2), 0, 'f', 2)
               .arg(stops.constLast(), 0, 'f', 2);
    out.flush();
}

// An eight-hour log at one sample a second, from the emulator's wandering course.
QString eightHourLog(const QString &dir, int samples)
{
    const QString path = dir + QStringLiteral("/eight-hours.csv");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(qv::watch::logHeader());
    qvsim::StatusCourse course;
    course.wander = true;
    course.steps = {{600, "inputs=0110"}, {900, "inputs=0100"}, {1500, "outputs=1100"}};
    course.cycle = 1800;
    const qint64 start = QDateTime::currentMSecsSinceEpoch() - qint64(samples) * 1000;
    for (int n = 1; n <= samples; ++n) {
        const auto status = statusForAnswer(qvsim::defaultStatus(qvsim::Model::QV5), course, n);
        qv::watch::Sample s =
            qv::watch::decodeReply(qv::transfer::status::buildStatusLine(status), true);
        if (n % 997 == 0)
            s = qv::watch::decodeReply(QStringLiteral("OUTP"), true); // a gap now and then
        s.elapsedMs = qint64(n - 1) * 1000;
        s.timeMs = start + s.elapsedMs;
        s.resumed = n == 1;
        file.write(qv::watch::logRow(s, qv::settings::ModelQV5));
    }
    return path;
}

void memoryAndRepaint(const QString &dir)
{
    constexpr int Samples = 8 * 3600;
    const QString log = eightHourLog(dir, Samples);
    qv::settings::devSettings settings;
    qv::watch::gui::WatchController controller(
        [&settings] { return qv::transfer::linkOf(settings); }, settings.Version, nullptr, nullptr);
    qv::watch::gui::WatchDialog dialog(controller);
    dialog.resize(1000, 720);
    dialog.show();
    QCoreApplication::processEvents();
    const size_t before = heapBytes();
    QString error;
    if (!controller.openLog(log, &error)) {
        out << "memory: " << error << '\n';
        return;
    }
    QCoreApplication::processEvents();
    const size_t after = heapBytes();
    out << QStringLiteral("memory: an eight-hour session at 1 s (%1 samples, %2 events) adds "
                          "%3 MB of heap (the CSV log itself: %4 MB, on disk)\n")
               .arg(controller.history().size())
               .arg(controller.events().size())
               .arg(double(after - before) / (1024 * 1024), 0, 'f', 2)
               .arg(double(QFileInfo(log).size()) / (1024 * 1024), 0, 'f', 1);

    auto *plot = dialog.findChild<qv::watch::gui::TrendPlot *>("watchPlot");
    QImage image(plot->size(), QImage::Format_ARGB32_Premultiplied);
    QList<double> times;
    for (int i = 0; i < 40; ++i) {
        QElapsedTimer clock;
        clock.start();
        plot->render(&image);
        times << clock.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    out << QStringLiteral("repaint: the plot (%1 x %2) with eight hours shown: median %3 ms, "
                          "slowest %4 ms\n")
               .arg(plot->width())
               .arg(plot->height())
               .arg(times.at(times.size() / 2), 0, 'f', 2)
               .arg(times.constLast(), 0, 'f', 2);
    plot->zoom(1.0 / 480, plot->viewEnd()); // one minute: each sample drawn
    times.clear();
    for (int i = 0; i < 40; ++i) {
        QElapsedTimer clock;
        clock.start();
        plot->render(&image);
        times << clock.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    out << QStringLiteral("repaint: zoomed to its last minute: median %1 ms\n")
               .arg(times.at(times.size() / 2), 0, 'f', 2);
}

int screenshot(const QString &path, int seconds, const QString &dir)
{
    Module module;
    // Input 2 goes inactive and back, output 2 switches, the supply fails for a while.
    if (!startModule(module, dir,
                     {"--wander", "5", "--no-pacing", "--status-at", "20:inputs=0000",
                      "--status-at", "34:inputs=0100,outputs=1100", "--status-at", "60:supply=0",
                      "--status-at", "66:supply=1,outputs=1000"})) {
        out << "qvsim did not start\n";
        return 1;
    }
    qv::settings::devSettings settings;
    // The port as the port dialog would name the pseudo-terminal.
    settings.Port = QString::fromLocal8Bit(module.process.readLine()).trimmed();
    settings.DeviceModel = qv::settings::ModelQV5;
    qv::watch::gui::WatchController controller(
        [&settings] { return qv::transfer::linkOf(settings); }, settings.Version, nullptr, nullptr);
    qv::watch::gui::WatchDialog dialog(controller);
    dialog.resize(1040, 740);
    dialog.show();
    dialog.findChild<QDoubleSpinBox *>("watchInterval")->setValue(0.5);
    dialog.findChild<QPushButton *>("watchStart")->click();
    wait(seconds * 1000);
    dialog.grab().save(path);
    controller.stop();
    module.process.terminate();
    module.process.waitForFinished(3000);
    out << path << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int lang = int(args.indexOf(QStringLiteral("--lang")));
    if (lang > 0)
        qv::settings::language::use(*qv::settings::language::fromCode(args.value(lang + 1)));
    QTemporaryDir dir;
    const int secondsAt = int(args.indexOf(QStringLiteral("--seconds")));
    const int seconds = secondsAt > 0 ? args.value(secondsAt + 1).toInt() : 60;
    if (const int shot = int(args.indexOf(QStringLiteral("--screenshot"))); shot > 0)
        return screenshot(args.value(shot + 1), seconds, dir.path());

    Module module;
    if (!startModule(module, dir.path(), {"--wander", "3"})) {
        out << "qvsim did not start\n";
        return 1;
    }
    if (args.contains(QStringLiteral("--stop"))) {
        stopAndPause(module.link);
        module.process.terminate();
        module.process.waitForFinished(3000);
        return 0;
    }
    const bool quick = args.contains(QStringLiteral("--quick"));
    if (!args.contains(QStringLiteral("--no-rate")))
        rate(module.link, quick ? 15 : 60);
    cpu(module.link, quick ? 20 : 120);
    stopAndPause(module.link);
    module.process.terminate();
    module.process.waitForFinished(3000);
    memoryAndRepaint(dir.path());
    return 0;
}

// Cold-start benchmark: time from process start to the main window shown and painted,
// and the peak memory at that moment. Prints one line; tools/bench-startup.sh repeats it.
#include "app/gui/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <ctime>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

using qv::app::gui::MainWindow;

namespace {

// Milliseconds since the kernel started this process (-1 where unknown).
double msSinceProcessStart()
{
#ifdef Q_OS_LINUX
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22 of the whole line
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
#else
    return -1;
#endif
}

QByteArray peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "n/a";
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).simplified();
    return "n/a";
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer inMain;
    inMain.start();
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    // The first timer after show() runs once the window is exposed and painted.
    QTimer::singleShot(0, &app, [&] {
        QCoreApplication::processEvents();
        window.repaint();
        std::printf("main_to_shown_ms=%.1f process_to_shown_ms=%.1f peak_rss=%s\n",
                    double(inMain.nsecsElapsed()) / 1e6, msSinceProcessStart(),
                    peakMemory().constData());
        QCoreApplication::quit();
    });
    return app.exec();
}

// "qvconfig diff" timed as a script runs it: the whole program, started, comparing two
// configuration files and ended, without a display. Prints the median and the slowest of
// the runs.
//   qvbenchdiff <qvconfig> <A.msw> <B.msw> [runs]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: qvbenchdiff <qvconfig> <A.msw> <B.msw> [runs]\n");
        return 1;
    }
    const int runs = args.size() > 4 ? args.at(4).toInt() : 50;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    std::vector<double> times;
    int status = -1;
    for (int i = 0; i < runs; ++i) {
        QProcess program;
        program.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        program.start(args.at(1), {QStringLiteral("diff"), args.at(2), args.at(3)});
        program.waitForFinished(10000);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        status = program.exitCode();
    }
    std::sort(times.begin(), times.end());
    std::printf("qvconfig diff: %d runs, median %.1f ms, slowest %.1f ms, exit status %d\n", runs,
                times[times.size() / 2], times.back(), status);
    return 0;
}

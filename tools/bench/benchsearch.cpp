// Port search benchmark: searching 1, 4 and 16 emulated modules or silent ports, one port
// after the other and all at once, with the search the port dialog runs.
#include "emulator.h"
#include "serial/portsearch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Run
{
    double ms = 0;
    QString found;
};

Run search(const QStringList &ports, int parallel)
{
    qv::serial::PortSearch search(ports, 1200, 300);
    search.setParallel(parallel);
    QEventLoop loop;
    QObject::connect(&search, &qv::serial::PortSearch::finished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    search.start();
    if (!search.isFinished())
        loop.exec();
    return {double(clock.nsecsElapsed()) / 1e6, search.found()};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("%-8s %6s %14s %14s %8s %s\n", "ports", "count", "sequential ms", "concurrent ms",
                "speed-up", "found (both)");
    bool allOk = true;
    for (const bool silent : {false, true}) {
        for (const int count : {1, 4, 16}) {
            std::vector<std::unique_ptr<qvsim::Emulator>> modules;
            QStringList ports;
            for (int i = 0; i < count; ++i) {
                qvsim::Setup setup;
                if (silent)
                    setup.faults[qvsim::Exchange::Identification].fault = qvsim::Fault::Silent;
                auto module = std::make_unique<qvsim::Emulator>(setup);
                if (!module->start())
                    return 1;
                ports << module->slavePath();
                modules.push_back(std::move(module));
            }
            const Run sequential = search(ports, 1);
            const Run concurrent = search(ports, 0);
            const QString expected = silent ? QString() : ports.constLast();
            const bool ok = sequential.found == expected && concurrent.found == expected;
            allOk = allOk && ok;
            std::printf("%-8s %6d %14.1f %14.1f %8.1f %s\n", silent ? "silent" : "modules", count,
                        sequential.ms, concurrent.ms, sequential.ms / concurrent.ms,
                        ok ? (silent ? "none, as expected" : "the last port, as expected")
                           : "WRONG");
            std::fflush(stdout);
        }
    }
    return allOk ? 0 : 1;
}

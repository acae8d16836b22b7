// A series on several ports at once against emulated modules, one qvsim process per port,
// paced at 1200 bit/s, each swap a person's (the emulator's hold and gap): units per hour
// with 1, 2, 4 and 8 ports, what each unit costs beyond the wire and the swap, and the
// program's processor time and memory per lane while its lanes wait for modules (lanes on
// lines where nothing answers). Not part of the test run: a few minutes.
//
//   qvbenchgang [units per lane] [largest number of ports]
#include "emulator.h"
#include "series/series.h"
#include "settings/devsettings.h"
#include "transfer/configvalues.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Quiet : qv::series::SeriesObserver
{
    void unitChanged(const qv::series::UnitResult &r) override
    {
        if (r.state == qv::series::UnitState::Failed)
            std::fprintf(stderr, "row %d failed: %s\n", r.row + 1, qPrintable(r.reason));
    }
    void waiting(qv::series::Wait, int) override {}
    void moduleRefused(const QString &reason) override
    {
        std::fprintf(stderr, "refused: %s\n", qPrintable(reason));
    }
    void progress(int, int) override {}
};

double cpuSeconds()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return double(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
           double(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

// The resident size now, in kB.
qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// `count` qvsim processes, one per port: a sequence of `units` paced modules each, or (units
// 0) a module that never answers its identification.
class Gang
{
public:
    Gang(const QDir &dir, int count, int units, int holdMs, int gapMs)
    {
        for (int i = 0; i < count; ++i) {
            const QString link = dir.filePath(QStringLiteral("port%1-%2").arg(units).arg(i));
            QStringList args{QStringLiteral("--link"), link};
            if (units == 0)
                args << QStringLiteral("--fault") << QStringLiteral("ident=silent");
            for (int u = 0; u < units; ++u)
                args << QStringLiteral("--unit") << QStringLiteral("model=qv5");
            if (units > 0)
                args << QStringLiteral("--hold") << QString::number(holdMs)
                     << QStringLiteral("--gap") << QString::number(gapMs);
            auto process = std::make_unique<QProcess>();
            process->start(QCoreApplication::applicationDirPath() + QStringLiteral("/qvsim"), args);
            process->waitForReadyRead(5000); // it prints its terminal once ready
            ports << link;
            m_processes.push_back(std::move(process));
        }
    }
    ~Gang()
    {
        for (auto &p : m_processes) {
            p->terminate();
            p->waitForFinished(3000);
        }
    }
    QStringList ports;

private:
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

qv::series::SeriesSetup setupFor(const QDir &dir, const QStringList &ports, int rows,
                                 const QString &tag)
{
    const auto decoded = qv::transfer::decodeReadOut(
        qv::transfer::record::buildDownloadRecord(qvsim::factoryFields()));
    qv::series::SeriesSetup setup;
    setup.ports = ports;
    setup.baseValues = qv::transfer::fileValuesFromReadOut(decoded.form, qv::settings::ModelQV5);
    setup.units.columns = QStringList{QStringLiteral("m_id"), QStringLiteral("m_nev")};
    for (int i = 1; i <= rows; ++i) {
        setup.units.rows << QStringList{QString::number(i), QStringLiteral("EGYSEG %1").arg(i)};
        setup.units.lines << i + 1;
    }
    setup.unitsPath = dir.filePath(tag + QStringLiteral(".csv"));
    setup.baseFileBytes = (tag + QString::number(QDateTime::currentMSecsSinceEpoch())).toUtf8();
    return setup;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // the register of a test, not the user's
    QTemporaryDir temporary;
    const QDir dir(temporary.path());
    const QStringList args = app.arguments();
    const int perLane = args.size() > 1 && args.at(1).toInt() > 0 ? args.at(1).toInt() : 3;
    const int most = args.size() > 2 && args.at(2).toInt() > 0 ? args.at(2).toInt() : 8;
    constexpr int HoldMs = 500, GapMs = 2000;

    // The wire's share of a unit, as qvbenchseries counts it: the identification, the
    // download and the read-back, 10 bits a byte at 1200 bit/s.
    const qv::series::SeriesSetup sample = setupFor(dir, {}, 1, QStringLiteral("sample"));
    const QString record =
        qv::series::unitRecord(sample.units, 0, sample.baseValues, qv::settings::ModelQV5, u'|');
    const qint64 bytes = 2 + qvsim::defaultIdentification(qvsim::Model::QV5).size() + 1 + 2 + 2 +
                         qv::transfer::record::downloadWire(record).size() + 2 + 2 +
                         qv::transfer::record::FieldCount * (qv::transfer::record::ItemWidth + 1) +
                         qv::transfer::record::FieldCount / 4 * 2;
    const double wireMs = bytes * 10.0 * 1000.0 / 1200.0;
    std::printf("Series at 1200 bit/s, paced, verified, one qvsim per port; %d units per port; "
                "hold %d ms, gap %d ms; wire per unit %.0f ms\n",
                perLane, HoldMs, GapMs, wireMs);
    std::printf("ports  units  time (s)  units/hour  x one port  added per unit (s)\n");
    double onePort = 0;
    for (int ports = 1; ports <= most; ports *= 2) {
        Gang gang(dir, ports, perLane, HoldMs, GapMs);
        qv::series::SeriesRunner runner(
            setupFor(dir, gang.ports, ports * perLane, QStringLiteral("gang%1").arg(ports)));
        Quiet observer;
        QElapsedTimer clock;
        clock.start();
        QString error;
        if (!runner.run(observer, &error)) {
            std::fprintf(stderr, "series: %s\n", qPrintable(error));
            return 1;
        }
        const double seconds = clock.elapsed() / 1000.0;
        int done = 0;
        for (const qv::series::UnitResult &r : runner.results())
            done += r.state == qv::series::UnitState::Passed;
        const double perHour = done * 3600.0 / seconds;
        if (ports == 1)
            onePort = perHour;
        // A lane's ideal: its units' wire and swaps, less the last gap (nothing follows it).
        const double ideal = (perLane * (wireMs + HoldMs + GapMs) - GapMs) / 1000.0;
        std::printf("%5d  %5d  %8.1f  %10.0f  %10.2f  %18.2f\n", ports, done, seconds, perHour,
                    perHour / onePort, (seconds - ideal) / perLane);
        std::fflush(stdout);
    }

    // Lanes that wait: lines where nothing answers, the lanes asking for a module all along.
    std::printf("\nlanes waiting for a module (10 s each)\nlanes  processor (%% of one core per "
                "lane)  resident growth (MB per lane)\n");
    for (int lanes = 1; lanes <= most; lanes *= 2) {
        Gang gang(dir, lanes, 0, HoldMs, GapMs);
        qv::series::SeriesRunner runner(
            setupFor(dir, gang.ports, lanes, QStringLiteral("wait%1").arg(lanes)));
        Quiet observer;
        const qint64 before = residentKb();
        QThread *run = QThread::create([&] { runner.run(observer); });
        run->start();
        QThread::msleep(2000); // the lanes started
        const double cpu0 = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        QThread::msleep(10000);
        const double cpu = (cpuSeconds() - cpu0) / (clock.elapsed() / 1000.0);
        const qint64 grown = residentKb() - before;
        runner.stop();
        run->wait();
        delete run;
        std::printf("%5d  %36.2f  %29.2f\n", lanes, 100.0 * cpu / lanes, grown / 1024.0 / lanes);
        std::fflush(stdout);
    }
    return 0;
}

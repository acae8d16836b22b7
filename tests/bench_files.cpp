// Benchmark of the configuration files: prints how long saving and opening take on the
// real window, and what reading huge or endless inputs costs in time and peak memory.
// Not part of the test run:  QT_QPA_PLATFORM=offscreen build/bin/bench_files
#include "app/messages.h"
#include "files/configformat.h"
#include "formhelpers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

namespace {

long peakKilobytes()
{
#ifdef Q_OS_LINUX
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#else
    return -1;
#endif
}

// Answers every message box at once, so that the commands run back to back.
void answerMessageBoxes()
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, qApp, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->done(QMessageBox::Ok);
    });
    timer->start(0);
}

void report(const char *what, double ms, long peakBefore)
{
    const long peak = peakKilobytes();
    std::printf("%-44s %10.3f ms   peak RSS %7ld KiB (grew %ld KiB)\n", what, ms, peak,
                peak - peakBefore);
}

void readFile(const char *what, const QString &path)
{
    const long before = peakKilobytes();
    QElapsedTimer clock;
    clock.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::printf("%-44s cannot open\n", what);
        return;
    }
    const auto result = qv::config::readConfig(file);
    const double ms = clock.nsecsElapsed() / 1e6;
    report(what, ms, before);
    std::printf("    %lld value lines, %s\n", qlonglong(result.values.size()),
                result.status == qv::config::ReadStatus::Ok ? "complete" : "rejected");
}

} // namespace

int main(int argc, char *argv[])
{
    // The offscreen platform remarks on every message box; the figures matter here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
        if (!text.contains(QLatin1String("propagateSizeHints")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    QTemporaryDir dir;
    answerMessageBoxes();
    constexpr int kRounds = 200;

    MainWindow window;
    window.deviceDebugMS5();
    const QString path = dir.filePath(QStringLiteral("bench.msw"));
    qv::setSaveFileChooser(
        [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
    qv::setOpenFileChooser(
        [&](QWidget *, const QString &, const QString &, const QString &) { return path; });

    std::printf("Configuration files, %d rounds each\n", kRounds);
    long before = peakKilobytes();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kRounds; ++i)
        window.save();
    report("save (form to *.msw, incl. message box)", clock.nsecsElapsed() / 1e6 / kRounds, before);
    clock.restart();
    for (int i = 0; i < kRounds; ++i)
        window.openfile();
    report("open (*.msw to form)", clock.nsecsElapsed() / 1e6 / kRounds, before);
    clock.restart();
    for (int i = 0; i < kRounds; ++i)
        window.newfile();
    report("new (defaults file to form)", clock.nsecsElapsed() / 1e6 / kRounds, before);

    std::printf("\nHuge and endless inputs (format reader)\n");
    const QString sparse = dir.filePath(QStringLiteral("sparse.msw"));
    {
        QFile file(sparse);
        file.open(QIODevice::WriteOnly);
        file.resize(qint64(4) << 30); // 4 GiB of zeros, no line end
    }
    readFile("4 GiB without line ends", sparse);
    const QString lines = dir.filePath(QStringLiteral("lines.msw"));
    {
        QFile file(lines);
        file.open(QIODevice::WriteOnly);
        const QByteArray chunk = QByteArray("0\r\n").repeated(1 << 20);
        for (int i = 0; i < 64; ++i)
            file.write(chunk); // 192 MiB of short lines
    }
    readFile("192 MiB of short lines", lines);
#ifdef Q_OS_LINUX
    readFile("/dev/zero", QStringLiteral("/dev/zero"));
    readFile("/dev/urandom", QStringLiteral("/dev/urandom"));
#endif

    std::printf("\nThe same inputs opened on the window\n");
    for (const QString &input : {sparse, lines}) {
        qv::setOpenFileChooser([input](QWidget *, const QString &, const QString &,
                                       const QString &) { return input; });
        before = peakKilobytes();
        clock.restart();
        window.openfile();
        report(qPrintable(QFileInfo(input).fileName()), clock.nsecsElapsed() / 1e6, before);
    }
    return 0;
}

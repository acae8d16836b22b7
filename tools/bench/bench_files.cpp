// Benchmark of the configuration files: prints how long saving and opening take on the
// real window, and what reading huge or endless inputs costs in time and peak memory.
// Not part of the test run:  QT_QPA_PLATFORM=offscreen build/bin/bench_files
#include "app/gui/mainwindow.h"
#include "files/configformat.h"
#include "settings/datafiles.h"
#include "settings/gui/messages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

using qv::app::gui::MainWindow;

namespace {

// Peak resident memory in KiB. On Linux the peak can be reset, so each input gets a
// figure of its own; elsewhere it is the process's peak so far.
long peakKilobytes()
{
#ifdef Q_OS_LINUX
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#else
    return -1;
#endif
}

long residentKilobytes()
{
#ifdef Q_OS_LINUX
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
#endif
    return -1;
}

// Starts a new peak at the present resident size (Linux: "5" to clear_refs).
void resetPeak()
{
#ifdef Q_OS_LINUX
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
#endif
}

// The last message box's text, answered at once so that the commands run back to back.
QString lastMessage;
void answerMessageBoxes()
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, qApp, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            lastMessage = box->text();
            box->done(QMessageBox::Ok);
        }
    });
    timer->start(0);
}

void report(const char *what, double ms, long peakBefore)
{
    const long peak = peakKilobytes();
    std::printf("%-44s %10.3f ms   peak RSS %7ld KiB (grew %ld KiB)\n", what, ms, peak,
                peak - peakBefore);
}

// One input, its time, the peak memory while it was handled (against the resident size
// before), and what came of it.
void row(const QString &what, double ms, long residentBefore, const QString &outcome)
{
    const long peak = peakKilobytes();
    std::printf("%-40s %9.1f ms  peak %7ld KiB  (+%5ld KiB)  %s\n", qPrintable(what), ms, peak,
                peak - residentBefore, qPrintable(outcome.section(u'\n', 0, 0)));
}

void readFile(const QString &what, const QString &path)
{
    resetPeak();
    const long before = residentKilobytes();
    QElapsedTimer clock;
    clock.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::printf("%-40s cannot open\n", qPrintable(what));
        return;
    }
    const auto result = qv::files::readConfig(file);
    row(what, clock.nsecsElapsed() / 1e6, before,
        QStringLiteral("%1 value lines, %2")
            .arg(result.values.size())
            .arg(result.status == qv::files::ReadStatus::Ok ? "complete" : "refused"));
}

void openOnWindow(MainWindow &window, const QString &what, const QString &path)
{
    qv::settings::gui::setOpenFileChooser(
        [path](QWidget *, const QString &, const QString &, const QString &) { return path; });
    lastMessage.clear();
    window.newfile();
    resetPeak();
    const long before = residentKilobytes();
    QElapsedTimer clock;
    clock.start();
    window.openfile();
    row(what, clock.nsecsElapsed() / 1e6, before,
        lastMessage.isEmpty() ? QStringLiteral("loaded") : lastMessage);
}

// Writes `chunk` `count` times (or, with a zero count, a sparse file of `size` bytes
// after `chunk`).
QString makeFile(const QTemporaryDir &dir, const char *name, const QByteArray &chunk, qint64 count,
                 qint64 size = 0)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", name);
    for (qint64 i = 0; i < count; ++i)
        file.write(chunk);
    if (count == 0) {
        file.write(chunk);
        file.resize(size); // no disk space used
    }
    return path;
}

// The length of the first `n` lines of `bytes`, line ends included.
qsizetype nthLineEnd(const QByteArray &bytes, int n)
{
    qsizetype end = 0;
    for (int i = 0; i < n; ++i)
        end = bytes.indexOf('\n', end) + 1;
    return end;
}

QByteArray randomBytes(qsizetype size, bool lineBreaks)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char &c : bytes) {
        c = char(random.bounded(256));
        if (!lineBreaks && c == '\n')
            c = ' ';
    }
    return bytes;
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
    qv::settings::gui::setSaveFileChooser(
        [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
    qv::settings::gui::setOpenFileChooser(
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

    // Hostile inputs, opened with the window's open command.
    QByteArray config;
    {
        QFile defaults(qv::settings::locateDataFile(QStringLiteral("defval_qv.dll")));
        defaults.open(QIODevice::ReadOnly);
        config = defaults.readAll();
    }
    const QString utf16Text = QString::fromLatin1(config);
    const QList<std::pair<QString, QString>> inputs = {
        {QStringLiteral("1 GiB of NULs, no line break"),
         makeFile(dir, "zeros1g.msw", QByteArray(), 0, qint64(1) << 30)},
        {QStringLiteral("4 GiB of NULs, no line break"),
         makeFile(dir, "zeros4g.msw", QByteArray(), 0, qint64(4) << 30)},
        {QStringLiteral("1 GiB UTF-16 (mark, then NULs)"),
         makeFile(dir, "utf16.msw", "\xff\xfe", 0, qint64(1) << 30)},
        {QStringLiteral("64 MiB random bytes, no line break"),
         makeFile(dir, "random.msw", randomBytes(1 << 20, false), 64)},
        {QStringLiteral("64 MiB random bytes with line breaks"),
         makeFile(dir, "randomlf.msw", randomBytes(1 << 20, true), 64)},
        {QStringLiteral("64 MiB of CR-only line ends"),
         makeFile(dir, "cr.msw", QByteArray("0\r").repeated(1 << 20), 32)},
        {QStringLiteral("100 000 lines"), makeFile(dir, "lines100k.msw", "0\r\n", 100000)},
        {QStringLiteral("2 million lines"), makeFile(dir, "lines2m.msw", "0\r\n", 2000000)},
        {QStringLiteral("192 MiB of short lines"),
         makeFile(dir, "lines192m.msw", QByteArray("0\r\n").repeated(1 << 20), 64)},
        {QStringLiteral("171 lines"),
         makeFile(dir, "short.msw", config.left(nthLineEnd(config, 171)), 1)},
        {QStringLiteral("UTF-16 configuration (editor's Unicode)"),
         makeFile(dir, "unicode.msw",
                  QByteArray("\xff\xfe") +
                      QByteArray(reinterpret_cast<const char *>(utf16Text.utf16()),
                                 utf16Text.size() * 2),
                  1)},
#ifdef Q_OS_LINUX
        {QStringLiteral("/dev/zero"), QStringLiteral("/dev/zero")},
        {QStringLiteral("/dev/urandom"), QStringLiteral("/dev/urandom")},
#endif
    };
    std::printf("\nHostile inputs opened on the window (peak: highest resident size while\n"
                "opening; in brackets: above the resident size before)\n");
    for (const auto &[what, input] : inputs)
        openOnWindow(window, what, input);

    std::printf("\nThe format reader alone, on inputs the window does not open\n");
#ifdef Q_OS_LINUX
    readFile(QStringLiteral("/dev/zero"), QStringLiteral("/dev/zero"));
    readFile(QStringLiteral("/dev/urandom"), QStringLiteral("/dev/urandom"));
#endif
    return 0;
}

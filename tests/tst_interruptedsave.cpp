// A save killed at any point leaves the previous file or the new one, each complete.
//
// The test program runs itself as a child ("--save-loop <file> <first version>") that fills
// the form with ever new configurations, every text at its maximum length, and saves each
// through the window's save command. Before a save it prints "begin <version> <sha1 of the
// expected file>", after it "saved <version> <microseconds the save took>". The test kills
// the child with SIGKILL at random moments, every second kill within a save it has just
// seen begin (under a sanitizer, filling the form takes longer than the random moments
// span, and a save is a small part of each round), and checks the file against the
// versions the child announced.
#include "files/configformat.h"
#include "formhelpers.h"
#include "modalwatcher.h"
#include "settings/gui/messages.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kKills = 50;
constexpr int kMaxDelayUs = 30000; // a child of the normal build saves a few times within this

QByteArray sha1(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Configuration number `version`: every enabled text at its maximum length, a changing
// pattern of ticks and ring-in outputs.
void fill(MainWindow &window, qint64 version)
{
    int n = 0;
    for (const char *box : {"g_general", "g_analog", "g_be", "g_ki", "g_activate", "g_tel"}) {
        for (QLineEdit *e : widget<QGroupBox>(window, box)->findChildren<QLineEdit *>()) {
            ++n;
            if (e->isEnabled())
                e->setText(QStringLiteral("%1V%2 ").arg(n).arg(version).leftJustified(
                    e->maxLength(), QLatin1Char('a' + char(version % 26)), true));
        }
    }
    for (QCheckBox *c : widget<QGroupBox>(window, "g_tel")->findChildren<QCheckBox *>())
        c->setChecked((++n + version) % 3 == 0);
    for (QRadioButton *r : window.findChildren<QRadioButton *>())
        r->setChecked((++n + version) % 4 == 0);
}

// The child: saves configuration after configuration until it is killed.
int saveLoop(const QString &path, qint64 first)
{
    MainWindow window;
    // Answers the debug mode's greeting and "Sikeres mentés." at once; any other
    // message ends the child.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &window, [] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box || !box->isVisible())
                continue;
            if (box->text() != QStringLiteral("Sikeres mentés.") &&
                !box->text().startsWith(QLatin1String("Debug Mode"))) {
                std::printf("failed %s\n", qPrintable(box->text()));
                std::exit(1);
            }
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start(0);
    window.deviceDebugMS5();
    qv::settings::gui::setSaveFileChooser(
        [path](QWidget *, const QString &, const QString &, const QString &) { return path; });
    QElapsedTimer clock;
    clock.start();
    for (qint64 version = first; clock.elapsed() < 30000; ++version) {
        fill(window, version);
        const QByteArray expected = qv::files::writeConfig(formValues(window));
        std::printf("begin %lld %s\n", version, sha1(expected).constData());
        std::fflush(stdout);
        QElapsedTimer saving;
        saving.start();
        window.save();
        std::printf("saved %lld %lld\n", version, saving.nsecsElapsed() / 1000);
        std::fflush(stdout);
    }
    return 0;
}

// What a killed child printed.
struct ChildLog
{
    QHash<qint64, QByteArray> expected; // version -> sha1 of its file
    qint64 lastBegun = -1, lastSaved = -1;
    qint64 saveUs = 1; // how long the last save took
    QByteArray failure;

    explicit ChildLog(const QByteArray &output)
    {
        for (const QByteArray &line : output.split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.value(0) == "begin" && words.size() == 3 && words.at(2).size() == 40) {
                lastBegun = words.at(1).toLongLong();
                expected.insert(lastBegun, words.at(2));
            } else if (words.value(0) == "saved") {
                lastSaved = words.value(1).toLongLong();
                saveUs = qMax(1LL, words.value(2).toLongLong());
            } else if (words.value(0) == "failed") {
                failure = line;
            }
        }
    }
    bool killedInsideSave() const { return lastBegun > lastSaved; }
};

} // namespace

class TestInterruptedSave : public QObject
{
    Q_OBJECT

private slots:
    void killedSavesLeaveACompleteFile();
};

void TestInterruptedSave::killedSavesLeaveACompleteFile()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("regi.msw"));
    // Leftovers of earlier interrupted saves, as a platform with named temporary files
    // would leave them: the saves must neither trip over them nor touch them.
    const QStringList strays{QStringLiteral("regi.msw.Ab12Cd"), QStringLiteral("regi.msw.xYz789")};
    for (const QString &name : strays) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("half a fi") == 9);
    }
    {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("0\r\n").repeated(172));
    }
    QByteArray current = sha1(fileBytes(target));

    const quint32 seed = qEnvironmentVariableIsSet("QV_KILL_SEED")
                             ? quint32(qEnvironmentVariableIntValue("QV_KILL_SEED"))
                             : 20240607u;
    QRandomGenerator random(seed);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QPA_PLATFORMTHEME"), QString());

    int betweenSaves = 0, beforeRename = 0, afterRename = 0;
    QSet<QByteArray> announced; // every version any child set out to save
    qint64 nextVersion = 1;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--save-loop"), target, QString::number(nextVersion)});
        QVERIFY(child.waitForStarted());
        // Wait for the first save, then let the loop run for a random while.
        QByteArray output;
        QDeadlineTimer deadline(20000);
        while (!output.contains("saved ") && !deadline.hasExpired() &&
               child.state() == QProcess::Running) {
            child.waitForReadyRead(100);
            output += child.readAllStandardOutput();
        }
        QVERIFY2(output.contains("saved "), output.constData());
        if (kill % 2 == 0) {
            QThread::usleep(random.bounded(kMaxDelayUs));
        } else {
            // Within the save that begins next, or just after it.
            const qsizetype seen = output.size();
            while (output.indexOf("begin ", seen) < 0 && child.state() == QProcess::Running) {
                child.waitForReadyRead(100);
                output += child.readAllStandardOutput();
            }
            QThread::usleep(random.bounded(quint32(ChildLog(output).saveUs)));
        }
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(5000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        output += child.readAllStandardOutput();

        const ChildLog log(output);
        QVERIFY2(log.failure.isEmpty(), log.failure.constData());
        for (const QByteArray &hash : log.expected)
            announced.insert(hash);
        const QByteArray bytes = fileBytes(target);
        const QByteArray actual = sha1(bytes);
        QVERIFY2(bytes.count("\r\n") == 172,
                 qPrintable(QStringLiteral("kill %1: %2 lines").arg(kill).arg(bytes.count('\n'))));
        if (!log.killedInsideSave()) {
            ++betweenSaves;
            QCOMPARE(actual, log.expected.value(log.lastSaved));
        } else {
            // The save in progress has either replaced the file completely or not at all.
            const QByteArray previous = log.expected.value(log.lastBegun - 1, current);
            const QByteArray next = log.expected.value(log.lastBegun);
            QVERIFY2(actual == previous || actual == next,
                     qPrintable(QStringLiteral("kill %1: the file is neither version %2 nor %3")
                                    .arg(kill)
                                    .arg(log.lastBegun - 1)
                                    .arg(log.lastBegun)));
            ++(actual == next ? afterRename : beforeRename);
        }
        current = actual;
        nextVersion = log.lastBegun + 1;
    }
    QStringList leftovers = QDir(dir.path()).entryList(QDir::Files);
    leftovers.removeOne(QStringLiteral("regi.msw"));
    for (const QString &name : strays) {
        QCOMPARE(fileBytes(dir.filePath(name)), QByteArray("half a fi"));
        leftovers.removeOne(name);
    }
    // A temporary file a kill left behind is never a partial one either.
    for (const QString &name : leftovers)
        QVERIFY2(announced.contains(sha1(fileBytes(dir.filePath(name)))), qPrintable(name));
    qInfo("seed %u: %d kills between saves, %d inside a save before the file was replaced, "
          "%d inside a save after it; temporary files left: %lld",
          seed, betweenSaves, beforeRename, afterRename, qlonglong(leftovers.size()));
    QVERIFY2(beforeRename + afterRename > 0, "no kill landed inside a save");

    // The last file opens, and a save after all the kills works.
    ModalWatcher watcher;
    MainWindow window;
    window.deviceDebugMS5();
    watcher.clear();
    qv::settings::gui::setOpenFileChooser(
        [target](QWidget *, const QString &, const QString &, const QString &) { return target; });
    qv::settings::gui::setSaveFileChooser(
        [target](QWidget *, const QString &, const QString &, const QString &) { return target; });
    window.openfile();
    QCOMPARE(watcher.count(), 0);
    QCOMPARE(sha1(qv::files::writeConfig(formValues(window))), current);
    fill(window, nextVersion);
    const QStringList saved = formValues(window);
    window.save();
    QCOMPARE(watcher.last().text, QStringLiteral("Sikeres mentés."));
    window.newfile();
    window.openfile();
    QCOMPARE(formValues(window), saved);
}

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], "--save-loop") == 0) {
        QApplication app(argc, argv);
        return saveLoop(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLongLong());
    }
    QApplication app(argc, argv);
    TestInterruptedSave test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_interruptedsave.moc"

// One register shared by everything a workshop runs at once, against emulated modules: the
// window (offscreen) reading out again and again, scripts running `qvconfig read` one after
// another, and `qvconfig series` writing a unit. Afterwards SQLite finds the file intact,
// every exchange's entry is there once, and no program ever held a file of the register
// that had been deleted under it ("(deleted)" in /proc/PID/fd). With QV_REGISTER_LONG the
// round is repeated, after the normal suite (label "long").
#include "files/configformat.h"
#include "formhelpers.h"
#include "modalwatcher.h"
#include "modulefixture.h"
#include "register/store.h"
#include "transfer/configvalues.h"
#include "transfer/readoutcore.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <mutex>
#include <thread>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

#ifdef QV_REGISTER_LONG
constexpr int Rounds = 5;
constexpr int Scripts = 4;
#else
constexpr int Rounds = 1;
constexpr int Scripts = 3;
#endif
constexpr int ReadsAtLeast = 2; // by each script and by the window, also after the series

// Watches the descriptors of this process and of the commands it runs until destroyed, and
// keeps the first file of the register seen deleted under one of them. (A rollback journal,
// which SQLite uses once while it turns a new register to write-ahead logging, is deleted by
// the program holding it: not counted.)
struct DeletionWatch
{
    explicit DeletionWatch(const QString &registerPath)
    {
        thread = std::thread([this, registerPath] {
            while (!stop) {
                std::unique_lock lock(mutex);
                const QStringList looked = QStringList{u"self"_s} + pids;
                lock.unlock();
                for (const QString &pid : looked) {
                    const QString folder = u"/proc/%1/fd/"_s.arg(pid);
                    for (const QString &fd :
                         QDir(folder).entryList(QDir::System | QDir::AllEntries)) {
                        char target[4096];
                        const ssize_t n = ::readlink(QFile::encodeName(folder + fd).constData(),
                                                     target, sizeof target);
                        const QString file = QFile::decodeName(QByteArray(target, int(qMax(n, 0))));
                        lock.lock();
                        if (file.startsWith(registerPath) && file.endsWith(u" (deleted)"_s) &&
                            !file.contains(u"-journal"_s) && found.isEmpty())
                            found = pid + u": "_s + file;
                        lock.unlock();
                    }
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    ~DeletionWatch() { finish(); }
    // Stops watching and gives what was found. Called before the window closes its register:
    // the last program to close it removes the write-ahead log and its index itself, and its
    // own descriptor shows them deleted for the moment between the removal and the close.
    QString finish()
    {
        stop = true;
        if (thread.joinable())
            thread.join();
        return deleted();
    }
    // A command run to its end, watched meanwhile: its exit code (-1: it did not end or
    // crashed) and its errors.
    std::pair<int, QString> run(const QStringList &arguments)
    {
        QProcess command;
        command.start(QCoreApplication::applicationDirPath() + u"/qvconfig"_s, arguments);
        const QString pid = QString::number(command.processId());
        std::unique_lock lock(mutex);
        pids << pid;
        lock.unlock();
        const bool ended = command.waitForFinished(120000);
        lock.lock();
        pids.removeOne(pid);
        lock.unlock();
        return {ended && command.exitStatus() == QProcess::NormalExit ? command.exitCode() : -1,
                QString::fromLocal8Bit(command.readAllStandardError())};
    }
    QString deleted()
    {
        std::lock_guard lock(mutex);
        return found;
    }
    std::atomic<bool> stop{false};
    std::mutex mutex;
    QStringList pids;
    QString found;
    std::thread thread;
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestSharedRegister : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowScriptsAndSeries();

private:
    void round(int number);
};

// The window's register is the commands': the program's own name chooses the folder.
void TestSharedRegister::initTestCase()
{
    QCoreApplication::setApplicationName(u"qvconfig"_s);
    QCOMPARE(qv::reg::Store::defaultSqlitePath(),
             QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath(u"qvconfig/register.sqlite"_s));
}

void TestSharedRegister::windowScriptsAndSeries()
{
    for (int number = 1; number <= Rounds && !QTest::currentTestFailed(); ++number)
        round(number);
}

void TestSharedRegister::round(int number)
{
    const QString registerPath = qv::reg::Store::defaultSqlitePath();
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(registerPath + QLatin1StringView(suffix));
    QTemporaryDir dir;
    const QString basePath = dir.filePath(u"alap.msw"_s);
    const QString unitsPath = dir.filePath(u"sorozat.csv"_s);
    const auto factory = qv::transfer::decodeReadOut(
        qv::transfer::record::buildDownloadRecord(qvsim::factoryFields()));
    QVERIFY(writeFile(basePath, qv::files::writeConfig(qv::transfer::fileValuesFromReadOut(
                                    factory.form, qv::settings::ModelQV5))));
    QVERIFY(writeFile(unitsPath, "m_id;m_nev\r\n1;EGYSEG 1\r\n"));

    // A module for the window, one for each script, a sequence of one for the series.
    auto windowModule = startModule({.moduleBaud = 115200, .paced = false});
    std::vector<std::unique_ptr<qvsim::Emulator>> scriptModules;
    for (int k = 0; k < Scripts; ++k)
        scriptModules.push_back(startModule({.paced = false}));
    qvsim::Emulator seriesModule({{}, {.paced = false}, {}});
    seriesModule.setSequence({.units = QList<qvsim::SequenceUnit>(1), .gapMs = 300});
    QVERIFY(seriesModule.start());

    ModalWatcher watcher;
    int windowReads = 0;
    std::atomic<bool> seriesDone{false};
    std::pair<int, QString> series;
    std::vector<QList<std::pair<int, QString>>> scripts(Scripts);
    {
        DeletionWatch watch(QFileInfo(registerPath).absoluteFilePath());
        auto window = std::make_unique<MainWindow>();
        window->deviceDebugMS5();
        window->useLink(windowModule->slavePath(), 115200);
        window->show();
        std::vector<std::thread> threads;
        threads.emplace_back([&] {
            series = watch.run(
                {u"series"_s, basePath, unitsPath, u"--port"_s, seriesModule.slavePath()});
            seriesDone = true;
        });
        for (int k = 0; k < Scripts; ++k) {
            threads.emplace_back([&, k] {
                for (int n = 0; n < ReadsAtLeast || !seriesDone; ++n)
                    scripts[k] << watch.run({u"read"_s, u"--port"_s,
                                             scriptModules.at(k)->slavePath(), u"-o"_s,
                                             dir.filePath(u"%1-%2.msw"_s.arg(k).arg(n))});
            });
        }
        for (; windowReads < ReadsAtLeast || !seriesDone; ++windowReads)
            window->readup();
        for (std::thread &thread : threads)
            thread.join();
        const QString deleted = watch.finish();
        window.reset();
        QVERIFY2(
            deleted.isEmpty(),
            qPrintable(u"round %1, deleted under a running program: "_s.arg(number) + deleted));
    }
    QVERIFY2(series.first == 0, qPrintable(series.second));

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"check"_s);
        db.setDatabaseName(registerPath);
        QSqlQuery q(db);
        QVERIFY(db.open() && q.exec(u"PRAGMA integrity_check"_s) && q.next());
        QCOMPARE(q.value(0).toString(), u"ok"_s);
    }
    QSqlDatabase::removeDatabase(u"check"_s);

    // Each exchange once: the series' row, and the entries of each port.
    const qv::reg::Store store = qv::reg::Store::openSqlite(registerPath);
    QHash<QString, int> perPort;
    QList<int> seriesRows;
    qv::reg::Query everything;
    everything.limit = 0;
    for (const qv::reg::Entry &e : store.search(everything)) {
        if (e.operation == qv::reg::Operation::Download)
            seriesRows << e.seriesRow;
        else
            ++perPort[e.port];
    }
    QCOMPARE(seriesRows, QList<int>{1});
    QCOMPARE(perPort.value(windowModule->slavePath()), windowReads);
    // A read that got as far as the read-out records its entry, also when the read-out fails
    // (status 4, the line late on a machine this busy); one that found no module (3) records
    // none. Each script read its module at least once.
    for (int k = 0; k < Scripts; ++k) {
        int recording = 0;
        int read = 0;
        for (const auto &[code, err] : scripts.at(k)) {
            QVERIFY2(code == 0 || code == 3 || code == 4, qPrintable(err));
            recording += code == 0 || code == 4;
            read += code == 0;
        }
        QVERIFY(read > 0);
        QCOMPARE(perPort.value(scriptModules.at(k)->slavePath()), recording);
    }
}

QTEST_MAIN(TestSharedRegister)

#include "tst_sharedregister.moc"

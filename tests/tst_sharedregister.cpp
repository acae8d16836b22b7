// One register shared by everything a workshop runs at once: the window (offscreen) reading
// out a module again and again, scripts running `qvconfig read` one after another against
// modules of their own, and `qvconfig series` writing a unit, all against emulated modules
// and all recording into the same register file. Afterwards SQLite finds the file intact,
// every exchange's entry is there exactly once, and at no moment did a program hold a file
// of the register that had been deleted under it ("(deleted)" in /proc/PID/fd).
//
// Built twice: the short form runs once in the normal suite; with QV_REGISTER_LONG the same
// round runs several times, after the normal suite (label "long").
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
constexpr int SeriesUnits = 1;
#else
constexpr int Rounds = 1;
constexpr int Scripts = 3;
constexpr int SeriesUnits = 1;
#endif
constexpr int ReadsAtLeast = 2; // by each script and by the window, also after the series

QString program()
{
    return QCoreApplication::applicationDirPath() + u"/qvconfig"_s;
}

// Every file of the register a process holds, as /proc names it.
QStringList registerFilesOf(const QString &pid, const QString &registerPath)
{
    QStringList held;
    const QString folder = u"/proc/%1/fd"_s.arg(pid);
    for (const QString &fd :
         QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        char target[4096];
        const ssize_t n =
            ::readlink(QFile::encodeName(folder + u'/' + fd).constData(), target, sizeof target);
        if (n > 0) {
            const QString name = QFile::decodeName(QByteArray(target, int(n)));
            if (name.startsWith(registerPath))
                held << name;
        }
    }
    return held;
}

// Looks at the descriptors of this process and of the running commands until stopped, and
// keeps the first register file seen deleted under one of them. (A rollback journal, which
// SQLite uses once while it turns a new register to write-ahead logging, is deleted by the
// program that holds it: not counted.)
class DeletionWatch
{
public:
    explicit DeletionWatch(QString registerPath) : m_path(std::move(registerPath))
    {
        m_thread = std::thread([this] {
            while (!m_stop) {
                QStringList pids{u"self"_s};
                {
                    std::lock_guard lock(m_mutex);
                    for (qint64 pid : std::as_const(m_pids))
                        pids << QString::number(pid);
                }
                for (const QString &pid : pids) {
                    for (const QString &file : registerFilesOf(pid, m_path)) {
                        std::lock_guard lock(m_mutex);
                        if (file.endsWith(u" (deleted)"_s) && !file.contains(u"-journal"_s) &&
                            m_found.isEmpty())
                            m_found = pid + u": "_s + file;
                    }
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    ~DeletionWatch()
    {
        m_stop = true;
        m_thread.join();
    }
    void add(qint64 pid)
    {
        std::lock_guard lock(m_mutex);
        m_pids << pid;
    }
    void remove(qint64 pid)
    {
        std::lock_guard lock(m_mutex);
        m_pids.removeAll(pid);
    }
    QString found() const
    {
        std::lock_guard lock(m_mutex);
        return m_found;
    }

private:
    QString m_path;
    mutable std::mutex m_mutex;
    QList<qint64> m_pids;
    QString m_found;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// A command run to its end on a thread of the test, watched while it runs. Its exit code
// (-1: it did not end in time or crashed) and its standard error.
std::pair<int, QString> runWatched(DeletionWatch &watch, const QStringList &arguments)
{
    QProcess command;
    command.start(program(), arguments);
    if (!command.waitForStarted())
        return {-1, command.errorString()};
    watch.add(command.processId());
    const bool ended = command.waitForFinished(120000);
    watch.remove(command.processId());
    if (!ended)
        command.kill();
    const int code =
        ended && command.exitStatus() == QProcess::NormalExit ? command.exitCode() : -1;
    return {code, QString::fromLocal8Bit(command.readAllStandardError())};
}

QStringList baseValues()
{
    const auto decoded =
        qv::transfer::decodeReadOut(qv::record::buildDownloadRecord(qvsim::factoryFields()));
    return qv::transfer::fileValuesFromReadOut(decoded.form, qv::ModelQV5);
}

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
    for (int number = 1; number <= Rounds; ++number) {
        round(number);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestSharedRegister::round(int number)
{
    const QString registerPath = qv::reg::Store::defaultSqlitePath();
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(registerPath + QLatin1StringView(suffix));
    QTemporaryDir dir;
    const QString basePath = dir.filePath(u"alap.msw"_s);
    const QString unitsPath = dir.filePath(u"sorozat.csv"_s);
    QByteArray csv = "m_id;m_nev\r\n";
    for (int row = 1; row <= SeriesUnits; ++row)
        csv += QByteArray::number(row) + ";EGYSEG " + QByteArray::number(row) + "\r\n";
    QVERIFY(writeFile(basePath, qv::config::writeConfig(baseValues())));
    QVERIFY(writeFile(unitsPath, csv));

    // A module for the window, one for each script, a sequence for the series; unpaced.
    auto windowModule = startModule({.moduleBaud = 115200, .paced = false});
    std::vector<std::unique_ptr<qvsim::Emulator>> scriptModules;
    for (int k = 0; k < Scripts; ++k)
        scriptModules.push_back(startModule({.paced = false}));
    qvsim::SequenceSetup sequence;
    sequence.units = QList<qvsim::SequenceUnit>(SeriesUnits);
    sequence.gapMs = 300;
    qvsim::Emulator seriesModule({{}, {.paced = false}, {}});
    seriesModule.setSequence(sequence);
    QVERIFY(seriesModule.start());

    ModalWatcher watcher;
    int windowReads = 0;
    std::atomic<bool> seriesDone{false};
    std::pair<int, QString> seriesOutcome;
    std::vector<QList<std::pair<int, QString>>> scriptOutcomes(Scripts);
    {
        DeletionWatch watch(QFileInfo(registerPath).absoluteFilePath());
        auto window = std::make_unique<MainWindow>();
        window->deviceDebugMS5();
        window->useLink(windowModule->slavePath(), 115200);
        window->show();

        std::thread series([&] {
            seriesOutcome = runWatched(
                watch, {u"series"_s, basePath, unitsPath, u"--port"_s, seriesModule.slavePath()});
            seriesDone = true;
        });
        std::vector<std::thread> scripts;
        for (int k = 0; k < Scripts; ++k) {
            scripts.emplace_back([&, k] {
                const QString port = scriptModules.at(k)->slavePath();
                for (int n = 0; n < ReadsAtLeast || !seriesDone; ++n)
                    scriptOutcomes[k]
                        << runWatched(watch, {u"read"_s, u"--port"_s, port, u"-o"_s,
                                              dir.filePath(u"script%1-%2.msw"_s.arg(k).arg(n))});
            });
        }
        while (windowReads < ReadsAtLeast || !seriesDone) {
            window->readup();
            ++windowReads;
        }
        series.join();
        for (std::thread &script : scripts)
            script.join();
        window.reset();
        QVERIFY2(watch.found().isEmpty(),
                 qPrintable(u"round %1, deleted under a running program: "_s.arg(number) +
                            watch.found()));
    }
    QVERIFY2(seriesOutcome.first == 0, qPrintable(seriesOutcome.second));
    // A read that got as far as the read-out records its entry, also when the read-out fails
    // (status 4, the line late on a machine this busy); one that found no module (3) records
    // none. Each script read its module at least once.
    QList<int> recordingReads;
    for (const auto &outcomes : scriptOutcomes) {
        int recording = 0;
        int read = 0;
        for (const auto &[code, err] : outcomes) {
            QVERIFY2(code == 0 || code == 3 || code == 4, qPrintable(err));
            recording += code == 0 || code == 4;
            read += code == 0;
        }
        QVERIFY(read > 0);
        recordingReads << recording;
    }

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"check"_s);
        db.setDatabaseName(registerPath);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(u"PRAGMA integrity_check"_s) && q.next());
        QCOMPARE(q.value(0).toString(), u"ok"_s);
    }
    QSqlDatabase::removeDatabase(u"check"_s);

    // Each exchange once: the entries of each port, and the series' rows.
    const qv::reg::Store store = qv::reg::Store::openSqlite(registerPath);
    QVERIFY2(store.status() == qv::reg::Store::OpenStatus::Ok, qPrintable(store.message()));
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
    QCOMPARE(perPort.value(windowModule->slavePath()), windowReads);
    for (int k = 0; k < Scripts; ++k)
        QCOMPARE(perPort.value(scriptModules.at(k)->slavePath()), recordingReads.at(k));
    std::sort(seriesRows.begin(), seriesRows.end());
    QList<int> expectedRows;
    for (int row = 1; row <= SeriesUnits; ++row)
        expectedRows << row;
    QCOMPARE(seriesRows, expectedRows);
}

QTEST_MAIN(TestSharedRegister)

#include "tst_sharedregister.moc"

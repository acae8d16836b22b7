// Module register benchmark: a register of 100,000 entries on SQLite (in a temporary
// folder) and, when PGHOST is set (under pg_virtualenv, see tools/bench-register.sh), on
// PostgreSQL. Prints the time to record one entry, the time of the window's searches (a
// first page of 500) by module id, name and telephone number, the page of 500 the window
// reads as it scrolls at the start, the middle and the end of the register (by key, and by
// offset as it was read before), and how much the process grows for a first page of 500
// entries; then how long the register window takes to show its first rows of the SQLite
// register, and how much the process grows for it; then N programs recording M entries
// each at once into one register beside the open window (entries per second, the slowest
// entry); and recording while the team's server cannot be reached.
//   qvbenchregister [entries]
//   qvbenchregister --record FILE COUNT   (one of the N programs: prints its times)
#include "register/gui/registercontroller.h"
#include "register/gui/registerwindow.h"
#include "register/journal.h"
#include "register/store.h"
#include "settings/devsettings.h"
#include "transfer/exchange.h"
#include "transfer/modulerecord.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <memory>

using namespace qv::reg;

namespace {

constexpr int RecordRuns = 200;
constexpr int SearchRuns = 20;

const char *const kNames[] = {"Kazán",   "Kapu",   "Garázs", "Szivattyú", "Hűtő",
                              "Riasztó", "Öntöző", "Raktár", "Iroda",     "Tároló"};
const char *const kTechnicians[] = {"Kovács Béla",   "Nagy Anna",    "Szabó Péter", "Tóth Éva",
                                    "Horváth Gábor", "Varga Zoltán", "Kiss Judit",  "Molnár Ádám"};
const char *const kSites[] = {"Győr", "Eger", "Pécs", "Szeged", "Debrecen", "Sopron", "Tata"};

QString pick(const char *const *list, int size, QRandomGenerator &random)
{
    return QString::fromUtf8(list[random.bounded(size)]);
}

QString telephone(QRandomGenerator &random)
{
    static const char *const prefixes[] = {"+3620", "+3630", "+3670", "0620", "0630"};
    return QString::fromLatin1(prefixes[random.bounded(5)]) +
           QString::number(random.bounded(1000000, 9999999));
}

// An entry as a read-out records it: 56 fields, the module's id, name and numbers.
Entry sample(int n, QRandomGenerator &random)
{
    Entry e = newEntry(Operation(random.bounded(4)), QStringLiteral("1.31"));
    e.time = QDateTime(QDate(2020, 1, 1), QTime(8, 0), Qt::UTC).addSecs(qint64(n) * 900);
    e.result = Result(random.bounded(3));
    e.technician = pick(kTechnicians, 8, random);
    e.site = pick(kSites, 7, random) + QStringLiteral(", %1. épület").arg(random.bounded(1, 40));
    e.port = QStringLiteral("/dev/ttyUSB0");
    e.baud = 1200;
    e.identification = QStringLiteral("Q_QV5_FW2.1");
    e.model = 1;
    QStringList fields;
    for (int i = 0; i < qv::transfer::record::FieldCount; ++i)
        fields << QStringLiteral("mező %1 szövege").arg(i).left(16);
    fields[2] = QStringLiteral("%1").arg(random.bounded(10000), 4, 10, QLatin1Char('0'));
    fields[3] = pick(kNames, 10, random) + QStringLiteral(" %1").arg(random.bounded(1, 500));
    for (int k = 0; k < 8; ++k)
        fields[48 + k] =
            qv::transfer::record::encodeTelephone(0x7F, true, k % 5, telephone(random));
    e.fields = fields;
    takeModuleFacts(e);
    return e;
}

bool fill(Store &store, int count)
{
    QRandomGenerator random(17);
    QElapsedTimer clock;
    clock.start();
    for (int start = 0; start < count; start += 1000) {
        QList<Entry> batch;
        for (int n = start; n < qMin(count, start + 1000); ++n)
            batch << sample(n, random);
        QString error;
        if (!store.record(batch, &error)) {
            std::fprintf(stderr, "fill: %s\n", qPrintable(error));
            return false;
        }
    }
    std::printf("  filled %d entries in %.1f s\n", count, clock.elapsed() / 1000.0);
    return true;
}

struct Figures
{
    double median = 0;
    double max = 0;
};

template <typename F> Figures measure(int runs, F &&run)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        run();
        times << clock.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return {times.at(times.size() / 2), times.last()};
}

void print(const char *what, const Figures &f, double limit, int found = -1)
{
    std::printf("  %-44s median %7.2f ms  max %7.2f ms  %s", what, f.median, f.max,
                f.median <= limit ? "ok" : "OVER");
    if (found >= 0)
        std::printf("  (%d found)", found);
    std::printf("\n");
}

// Bytes the program holds on the heap (glibc), and its resident size in kB (Linux).
qint64 heapBytes()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    return qint64(mallinfo2().uordblks);
#else
    return 0;
#endif
}

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// The searches of the window, through `search` (a store or the journal).
template <typename Search> void searches(const Entry &known, double limit, Search &&search)
{
    const std::pair<const char *, QString> rows[] = {
        {"search: module id (first page of 500)", known.moduleId},
        {"search: name", known.moduleName},
        {"search: telephone number, other prefix",
         QStringLiteral("06 ") + known.telephones.at(3).mid(3)},
        {"search: nothing matches (whole register)", QStringLiteral("nincs ilyen")},
        {"first page, no search text", QString()},
    };
    for (const auto &[what, text] : rows) {
        Query query;
        query.text = text;
        int found = 0;
        const Figures f = measure(SearchRuns, [&] { found = int(search(query).size()); });
        print(what, f, limit, found);
    }
}

// What a first page of 500 holds while it is shown: the heap it takes, and how much the
// resident size grew for it.
template <typename Search> void memoryOfFirstPage(Search &&search)
{
    const qint64 heap = heapBytes();
    const qint64 resident = residentKb();
    const QList<Entry> page = search(Query{});
    std::printf("  %-44s heap %.2f MB, resident +%.2f MB (%lld entries)\n",
                "memory of a first page", (heapBytes() - heap) / 1048576.0,
                (residentKb() - resident) / 1024.0, qlonglong(page.size()));
}

void recordTimes(Journal &journal, int runs)
{
    QRandomGenerator random(99);
    int n = 10000000;
    const Figures f = measure(runs, [&] { journal.record(sample(n++, random)); });
    print("record one entry (local register)", f, 5.0);
    std::printf("  %-44s %s\n", "", f.max <= 5.0 ? "max ok" : "max OVER 5 ms");
}

// Eszköz → Nyilvántartás… on the register this user's settings name: from the click to
// the first rows on the screen, and what the process grows by for the window.
void windowFigures()
{
    const qint64 resident = residentKb();
    QElapsedTimer clock;
    clock.start();
    qv::settings::devSettings settings;
    QWidget parent;
    qv::reg::gui::RegisterController controller(
        [&settings] { return qv::transfer::linkOf(settings); }, settings.Version, &parent);
    qv::reg::gui::RegisterWindow window(controller, false, &parent);
    window.show();
    const QAbstractItemModel *model =
        window.findChild<QTableView *>(QStringLiteral("registerView"))->model();
    while (model->rowCount() == 0 && clock.elapsed() < 10000)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents(); // painted
    const double ms = clock.nsecsElapsed() / 1e6;
    const double grown = (residentKb() - resident) / 1024.0;
    std::printf("  %-44s %7.2f ms  %s  (%d rows)\n", "register window: first rows shown", ms,
                ms <= 300 ? "ok" : "OVER", model->rowCount());
    std::printf("  %-44s %7.2f MB  %s\n", "register window: resident size grown by", grown,
                grown <= 20 ? "ok" : "OVER");
}

// The page of 500 the window reads at `position` (0: the first): by key, as the window does
// now, through the store and as bare SQL, and by offset as bare SQL, as it was read before.
// `db` is a connection of the benchmark's own.
void pageFigures(Store &store, QSqlDatabase db, int count)
{
    const QString columns = QStringLiteral(
        "e.id, e.time_ms, e.operation, e.result, e.reason, e.program_version, e.os_user, "
        "e.host, e.technician, e.site, e.port, e.baud, e.identification, e.model, "
        "e.module_id, e.module_name, e.telephones, e.acknowledged, e.verification, "
        "e.sharing, e.series_key, e.series_row");
    const QString id = store.engine() == Store::Engine::PostgreSQL
                           ? QStringLiteral("e.id COLLATE \"C\"")
                           : QStringLiteral("e.id");
    const auto run = [&db](const QString &sql, const QVariantList &values) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(sql);
        for (const QVariant &value : values)
            q.addBindValue(value);
        q.exec();
        int rows = 0;
        while (q.next())
            ++rows;
        return rows;
    };
    const std::pair<const char *, int> positions[] = {
        {"page of 500 at the start", 0},
        {"page of 500 in the middle", count / 2},
        {"page of 500 at the end", qMax(0, count - 500)},
    };
    for (const auto &[what, position] : positions) {
        Query query;
        QVariantList key;
        QString where;
        if (position > 0) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("SELECT time_ms, id FROM qv_entry e ORDER BY e.time_ms DESC, "
                                  "%1 DESC LIMIT 1 OFFSET %2")
                       .arg(id)
                       .arg(position - 1));
            if (!q.next())
                continue;
            query.after =
                PageKey{QDateTime::fromMSecsSinceEpoch(q.value(0).toLongLong(), QTimeZone::utc()),
                        q.value(1).toString()};
            key = {q.value(0), q.value(0), q.value(1)};
            where = QStringLiteral(" WHERE e.time_ms <= ? AND (e.time_ms < ? OR %1 < ?)").arg(id);
        }
        int found = 0;
        const Figures window =
            measure(SearchRuns, [&] { found = int(store.search(query).size()); });
        const QString order = QStringLiteral(" ORDER BY e.time_ms DESC, %1 DESC LIMIT 500").arg(id);
        const Figures byKey = measure(SearchRuns, [&] {
            run(QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM qv_entry e") + where +
                    order,
                key);
        });
        const Figures byOffset = measure(SearchRuns, [&] {
            run(QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM qv_entry e") + order +
                    QStringLiteral(" OFFSET %1").arg(position),
                {});
        });
        std::printf("  %-44s window's search median %6.2f ms max %6.2f ms (%d found); "
                    "SQL by key %6.2f / %6.2f ms, by offset (before) %6.2f / %6.2f ms\n",
                    what, window.median, window.max, found, byKey.median, byKey.max,
                    byOffset.median, byOffset.max);
    }
}

// One of the programs of sharedFigures(): records `count` entries one after another into
// the register at `file` as a command does (through the journal), and prints each one's
// time in microseconds.
int recordChild(const QString &file, int count)
{
    Journal journal;
    journal.open(file);
    QRandomGenerator random(quint32(QCoreApplication::applicationPid()));
    for (int n = 0; n < count; ++n) {
        QElapsedTimer clock;
        clock.start();
        if (!journal.record(sample(20000000 + n, random)))
            return 1;
        std::printf("%lld\n", clock.nsecsElapsed() / 1000);
    }
    return 0;
}

// N programs recording M entries each at once, into the register the open window has open
// (its journal, recording an entry every 50 ms meanwhile): entries per second over all, the
// median and slowest entry, and that the register holds every entry, intact.
void sharedFigures(const QString &file, int programs, int entries)
{
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(file + QLatin1StringView(suffix));
    qv::settings::devSettings settings;
    QWidget parent;
    qv::reg::gui::RegisterController window([&settings] { return qv::transfer::linkOf(settings); },
                                            settings.Version,
                                            &parent); // opens this user's register, as the window
    QRandomGenerator random(5);
    int windowEntries = 0;
    QList<double> windowTimes;
    QTimer beside;
    QObject::connect(&beside, &QTimer::timeout, [&] {
        QElapsedTimer clock;
        clock.start();
        if (window.journal().record(sample(30000000 + windowEntries, random)))
            ++windowEntries;
        windowTimes << clock.nsecsElapsed() / 1e6;
    });
    beside.start(50);

    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<QProcess>> children;
    for (int k = 0; k < programs; ++k) {
        children.push_back(std::make_unique<QProcess>());
        children.back()->start(QCoreApplication::applicationFilePath(),
                               {QStringLiteral("--record"), file, QString::number(entries)});
    }
    QList<double> times;
    bool failed = false;
    for (auto &child : children) {
        while (child->state() != QProcess::NotRunning) {
            child->waitForFinished(20);
            QCoreApplication::processEvents(); // the window's entries
        }
        failed = failed || child->exitCode() != 0;
        for (const QByteArray &line : child->readAllStandardOutput().split('\n')) {
            if (!line.isEmpty())
                times << line.toLongLong() / 1000.0;
        }
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    beside.stop();
    std::sort(times.begin(), times.end());
    std::sort(windowTimes.begin(), windowTimes.end());
    const qint64 held = window.journal().local()->count();
    QString integrity;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(file);
        QSqlQuery q(db);
        if (db.open() && q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next())
            integrity = q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    std::printf("  %2d programs x %4d entries beside the window: %7.0f entries/s, entry median "
                "%6.2f ms, slowest %7.2f ms; window's entries: %d, slowest %7.2f ms; held %lld "
                "of %d, %s%s\n",
                programs, entries, times.size() / seconds, times.value(times.size() / 2),
                times.isEmpty() ? 0.0 : times.last(), windowEntries,
                windowTimes.isEmpty() ? 0.0 : windowTimes.last(), qlonglong(held),
                programs * entries + windowEntries, qPrintable(integrity),
                failed ? ", A PROGRAM FAILED" : "");
}

} // namespace

int main(int argc, char *argv[])
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each figure as soon as it is measured
    if (argc == 4 && qstrcmp(argv[1], "--record") == 0) {
        QCoreApplication app(argc, argv);
        return recordChild(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    }
    // The register window's own file is the user's: here one in a folder of the benchmark.
    QTemporaryDir dir;
    dir.setAutoRemove(!qEnvironmentVariableIsSet("QV_KEEP"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qvconfig"));
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const QString file = Store::defaultSqlitePath();

    std::printf("SQLite (%s)\n", qPrintable(file));
    Entry known;
    {
        Store store = Store::openSqlite(file);
        if (store.status() != Store::OpenStatus::Ok || !fill(store, count)) {
            std::fprintf(stderr, "%s\n", qPrintable(store.message()));
            return 1;
        }
        memoryOfFirstPage([&store](const Query &q) { return store.search(q); });
        known = store.search(Query{}).value(count / 3 % 500);
        known = *store.entry(known.id);
        searches(known, 50.0, [&store](const Query &q) { return store.search(q); });
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("pages"));
            db.setDatabaseName(file);
            if (db.open())
                pageFigures(store, db, count);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("pages"));
    }
    {
        Journal journal;
        journal.open(file);
        recordTimes(journal, RecordRuns);
    }
    windowFigures();
    {
        // In a register of their own (the window's, this user's): the large one set aside.
        std::printf("Programs recording at once into one register\n");
        const QString kept = file + QStringLiteral(".kept");
        QFile::rename(file, kept);
        for (const auto &[programs, entries] :
             {std::pair{1, 500}, std::pair{4, 250}, std::pair{8, 125}, std::pair{8, 500}})
            sharedFigures(file, programs, entries);
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(file + QLatin1StringView(suffix));
        QFile::rename(kept, file);
    }

    if (!qEnvironmentVariableIsSet("PGHOST")) {
        std::printf("PostgreSQL: PGHOST not set (tools/bench-register.sh runs it under "
                    "pg_virtualenv)\n");
        return 0;
    }
    const QString team =
        QStringLiteral("host=%1 port=%2 dbname=%3 user=%4")
            .arg(qEnvironmentVariable("PGHOST"), qEnvironmentVariable("PGPORT"),
                 qEnvironmentVariable("PGDATABASE"), qEnvironmentVariable("PGUSER"));
    std::printf("PostgreSQL (%s)\n", qPrintable(team));
    {
        Store store = Store::openPostgres(team);
        if (store.status() != Store::OpenStatus::Ok || !fill(store, count)) {
            std::fprintf(stderr, "%s\n", qPrintable(store.message()));
            return 1;
        }
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("analyze"));
            db.setConnectOptions(team);
            if (db.open())
                QSqlQuery(db).exec(QStringLiteral("VACUUM ANALYZE"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("analyze"));
        memoryOfFirstPage([&store](const Query &q) { return store.search(q); });
        searches(known, 100.0, [&store](const Query &q) { return store.search(q); });
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("pages"));
            db.setConnectOptions(team);
            if (db.open())
                pageFigures(store, db, count);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("pages"));
    }
    {
        // The window's search with a team: the local register and the server's, merged.
        Journal journal;
        journal.open(file, team);
        journal.flush(600000);
        std::printf("Journal (both registers, merged)\n");
        memoryOfFirstPage([&journal](const Query &q) { return journal.search(q); });
        searches(known, 100.0, [&journal](const Query &q) { return journal.search(q); });
        recordTimes(journal, RecordRuns);
    }
    {
        // The team's server down: entries wait in the local register.
        Journal journal;
        journal.open(file, team + QStringLiteral(" port=1"));
        std::printf("Journal, the team's server not reached\n");
        recordTimes(journal, RecordRuns);
    }
    return 0;
}

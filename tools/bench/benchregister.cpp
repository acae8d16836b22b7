// Module register benchmark: a register of 100,000 entries on SQLite (in a temporary
// folder) and, when PGHOST is set (under pg_virtualenv, see tools/bench-register.sh), on
// PostgreSQL. Prints the time to record one entry, the time of the window's searches (a
// first page of 500) by module id, name and telephone number, and how much the process
// grows for a first page of 500 entries; then how long the register window takes to show
// its first rows of the SQLite register, and how much the process grows for it.
//   qvbenchregister [entries]
#include "register/gui/registercontroller.h"
#include "register/gui/registerwindow.h"
#include "register/journal.h"
#include "register/store.h"
#include "settings/devsettings.h"
#include "transfer/modulerecord.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <malloc.h>

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
    for (int i = 0; i < qv::record::FieldCount; ++i)
        fields << QStringLiteral("mező %1 szövege").arg(i).left(16);
    fields[2] = QStringLiteral("%1").arg(random.bounded(10000), 4, 10, QLatin1Char('0'));
    fields[3] = pick(kNames, 10, random) + QStringLiteral(" %1").arg(random.bounded(1, 500));
    for (int k = 0; k < 8; ++k)
        fields[48 + k] = qv::record::encodeTelephone(0x7F, true, k % 5, telephone(random));
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
    devSettings settings;
    QWidget parent;
    RegisterController controller(settings, &parent);
    RegisterWindow window(controller, false, &parent);
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

} // namespace

int main(int argc, char *argv[])
{
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
    }
    {
        Journal journal;
        journal.open(file);
        recordTimes(journal, RecordRuns);
    }
    windowFigures();

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
    return 0;
}

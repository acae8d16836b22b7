// The module register: telephone numbers as the search compares them, the record fields'
// storage, the store on SQLite and (under pg_virtualenv, see with-postgres.sh) on
// PostgreSQL: search, entries kept exactly, the schema's version, damaged files left alone,
// disks that refuse writes, two programs writing one register; and the journal: a team's
// server unreachable, stopped in the middle of a series or answering no more, every entry
// arriving once; and what the commands say about a team's server.
//
// The test program also runs itself as a child: "--write-entries <file> <count>" records
// entries as a second program would; "--record-once[-unprivileged] <file>" opens the
// register and records one entry (as the user nobody when run by root, for whom no file is
// read-only); "--fill-limited <file> <bytes>" records until the process's file size limit
// stops it, as a full disk would.
#include "modulefixture.h"
#include "register/entry.h"
#include "register/journal.h"
#include "register/store.h"
#include "settings/preferences.h"
#include "transfer/configrecord.h"
#include "transfer/modulerecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <functional>
#include <mutex>
#include <thread>

#ifdef Q_OS_UNIX
#include <arpa/inet.h>
#include <fcntl.h>
#include <grp.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include <cstring>

using namespace qv::reg;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(qv::reg::Entry)

namespace {

QDateTime at(const char *iso)
{
    QDateTime t = QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODateWithMs);
    t.setTimeSpec(Qt::UTC);
    return t;
}

QList<Entry> searchFixture()
{
    // id, time, module id, name, technician, site, first telephone number
    const char *const rows[][7] = {
        {"a", "2024-03-01T10:00:00.000", "0042", "Kazán", "Kovács Béla", "Győr, Fő u. 1",
         "+36 20 123 4567"},
        {"b", "2024-03-05T23:59:59.999", "0042", "Kazán", "Nagy Anna", "Győr", "06301112222"},
        {"c", "2024-03-10T00:00:00.000", "0042", "Kapu", "Kovács Béla", "50% kedvezmény",
         "36 70 555 0000"},
        {"d", "2024-04-01T08:00:00.000", "0777", "Szivattyú_1", "", "Eger", "36 123 456"},
        {"e", "2024-04-02T08:00:00.000", "0778", "SzivattyúX1", "", "", ""},
        {"f", "2024-03-10T00:00:00.000", "0999", "Tartály", "", "", ""}, // c's time
    };
    QList<Entry> entries;
    for (const auto &row : rows) {
        Entry e;
        e.id = QString::fromUtf8(row[0]);
        e.time = at(row[1]);
        e.moduleId = QString::fromUtf8(row[2]);
        e.moduleName = QString::fromUtf8(row[3]);
        e.technician = QString::fromUtf8(row[4]);
        e.site = QString::fromUtf8(row[5]);
        e.telephones = QStringList{QString::fromUtf8(row[6])} + QStringList(7, QString());
        entries << e;
    }
    return entries;
}

// Every byte 0x00..0xFF, as characters U+0000..U+00FF, spread over the 56 fields.
QStringList everyByteFields()
{
    QStringList fields;
    for (int i = 0; i < qv::transfer::record::FieldCount; ++i) {
        QString field;
        for (int k = 0; k < 16; ++k)
            field += QChar(char16_t((i * 16 + k) % 256));
        fields << field;
    }
    return fields;
}

QList<Entry> someEntries(int count, const QString &tag)
{
    QList<Entry> entries;
    for (int i = 0; i < count; ++i) {
        Entry e = newEntry(Operation::Download, u"test"_s);
        e.moduleId = tag;
        e.fields = everyByteFields();
        entries << e;
    }
    return entries;
}

QString hostile()
{
    QString text = u"'; DROP TABLE qv_entry; -- \"<b>x</b>&amp; \\ %_! őű 😀"_s;
    for (char16_t c = 1; c < 0x100; c += 7)
        text += QChar(c);
    return text;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList ids(const QList<Entry> &entries)
{
    QStringList list;
    for (const Entry &e : entries)
        list << e.id;
    return list;
}

QSet<QString> idSet(const QList<Entry> &entries)
{
    const QStringList list = ids(entries);
    return QSet<QString>(list.begin(), list.end());
}

// Statements through a connection of the test's own: QSQLITE on a file, QPSQL with a
// connection string. The first column of the last statement's rows; `ok` whether all ran.
QStringList rawSql(const QString &driver, const QString &target, const QStringList &statements,
                   bool *ok = nullptr)
{
    QStringList rows;
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, u"raw"_s);
        if (driver == u"QSQLITE")
            db.setDatabaseName(target);
        else
            db.setConnectOptions(target);
        done = db.open();
        QSqlQuery q(db);
        for (const QString &sql : statements)
            done = done && q.exec(sql);
        while (done && q.next())
            rows << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(u"raw"_s);
    if (ok)
        *ok = done;
    return rows;
}

// ---- PostgreSQL (pg_virtualenv exports PGHOST, PGPORT, PGUSER, PGPASSWORD, PGDATABASE)

QString postgresBase()
{
    return u"host=%1 port=%2 dbname=%3 user=%4"_s.arg(
        qEnvironmentVariable("PGHOST"), qEnvironmentVariable("PGPORT", u"5432"_s),
        qEnvironmentVariable("PGDATABASE"), qEnvironmentVariable("PGUSER"));
}

// A schema of its own for a test on the throwaway server, emptied first; the connection
// string that works in it.
QString postgresSchema(const QString &name)
{
    rawSql(u"QPSQL"_s, postgresBase(),
           {u"SET client_min_messages = warning"_s, u"DROP SCHEMA IF EXISTS %1 CASCADE"_s.arg(name),
            u"CREATE SCHEMA %1"_s.arg(name)});
    return postgresBase() + u" options='-c search_path=%1'"_s.arg(name);
}

QSet<QString> serverIds(const QString &connection)
{
    const QStringList list = rawSql(u"QPSQL"_s, connection, {u"SELECT id FROM qv_entry"_s});
    return QSet<QString>(list.begin(), list.end());
}

// Starts or stops the throwaway server (pg_virtualenv names its cluster "regress").
bool cluster(const QString &action)
{
    QStringList arguments{qEnvironmentVariable("PGVERSION"), u"regress"_s, action};
    if (action == u"stop")
        arguments.prepend(u"--mode=fast"_s);
    QProcess ctl;
    ctl.start(u"pg_ctlcluster"_s, arguments);
    return ctl.waitForFinished(30000) && ctl.exitStatus() == QProcess::NormalExit &&
           ctl.exitCode() == 0;
}

// A TCP proxy in front of the throwaway server that stalls as a server that stops
// answering: it forwards both ways until, once told to, it sees a client send a COMMIT;
// that it passes on, and from then on forwards nothing on any connection, old or new (new
// ones are still accepted), and closes none. After resume() new connections are forwarded
// again; the stalled ones stay silent, as connections the server lost.
class StallingProxy
{
public:
    explicit StallingProxy(quint16 serverPort) : m_serverPort(serverPort)
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), size);
        ::listen(m_listener, 16);
        ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &size);
        m_port = ntohs(address.sin_port);
        ::pipe2(m_wake, O_CLOEXEC);
        m_thread = std::thread([this] { run(); });
    }
    ~StallingProxy()
    {
        m_quit = true;
        ::write(m_wake[1], "q", 1);
        m_thread.join();
        for (int fd : m_open)
            ::close(fd);
        for (int fd : {m_listener, m_wake[0], m_wake[1]})
            ::close(fd);
    }
    quint16 port() const { return m_port; }
    void stallAtCommit() { m_armed = true; }
    void resume()
    {
        m_stalled = false;
        ::write(m_wake[1], "r", 1);
    }
    bool stalled() const { return m_stalled; }
    int accepted() const { return m_accepted; }

private:
    struct Pair
    {
        int client;
        int server;
    };

    int connectServer() const
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(m_serverPort);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 ? fd : -1;
    }

    void run()
    {
        QList<Pair> live;
        while (!m_quit) {
            QList<pollfd> fds{{m_listener, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
            if (!m_stalled) {
                for (const Pair &p : std::as_const(live))
                    fds << pollfd{p.client, POLLIN, 0} << pollfd{p.server, POLLIN, 0};
            }
            ::poll(fds.data(), nfds_t(fds.size()), -1);
            if (fds[1].revents) {
                char c;
                ::read(m_wake[0], &c, 1);
                if (c == 'r')
                    live.clear(); // the stalled connections stay open and silent
                continue;
            }
            if (fds[0].revents) {
                const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
                m_open << client;
                ++m_accepted;
                const int server = m_stalled ? -1 : connectServer();
                if (server >= 0) {
                    m_open << server;
                    live << Pair{client, server};
                }
            }
            QList<int> ended;
            for (qsizetype i = 2; i < fds.size() && !m_stalled; ++i) {
                if (!fds[i].revents)
                    continue;
                const Pair &p = live.at((i - 2) / 2);
                const bool fromClient = fds[i].fd == p.client;
                char buffer[65536];
                const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
                if (n <= 0) {
                    ::shutdown(p.client, SHUT_RDWR);
                    ::shutdown(p.server, SHUT_RDWR);
                    ended << int((i - 2) / 2);
                    continue;
                }
                // A peer that is gone must not end the test with SIGPIPE.
                ::send(fromClient ? p.server : p.client, buffer, size_t(n), MSG_NOSIGNAL);
                if (fromClient && m_armed &&
                    QByteArrayView(buffer, n).contains(QByteArrayView("COMMIT"))) {
                    m_armed = false;
                    m_stalled = true;
                }
            }
            std::sort(ended.begin(), ended.end());
            ended.erase(std::unique(ended.begin(), ended.end()), ended.end());
            for (qsizetype k = ended.size() - 1; k >= 0 && !m_stalled; --k)
                live.removeAt(ended.at(k));
        }
    }

    quint16 m_serverPort;
    quint16 m_port = 0;
    int m_listener = -1;
    int m_wake[2] = {-1, -1};
    QList<int> m_open;
    std::atomic<bool> m_armed{false};
    std::atomic<bool> m_stalled{false};
    std::atomic<bool> m_quit{false};
    std::atomic<int> m_accepted{0};
    std::thread m_thread;
};

// The connection of a schema of the throwaway server, through `proxy`.
// In plain text: the proxy must see the COMMIT go by, which it cannot once the server
// offers TLS (a server with the ssl-cert package's certificate does).
QString throughProxy(const QString &connection, const StallingProxy &proxy)
{
    return connection + u" host=127.0.0.1 port=%1 sslmode=disable"_s.arg(proxy.port());
}

#define REQUIRE_POSTGRES()                                                                         \
    if (!qEnvironmentVariableIsSet("PGHOST"))                                                      \
    QSKIP("no PostgreSQL server (run under pg_virtualenv: ctest -R tst_register_postgres)")

// ---- children

int writeEntries(const QString &path, int count)
{
    Store store = Store::openSqlite(path);
    for (const Entry &e : someEntries(count, u"child"_s)) {
        QString error;
        if (!store.record(e, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}

// Prints the opening status, whether an entry was recorded, the entries now there, and
// the message or error.
int recordOnce(const QString &path)
{
    Store store = Store::openSqlite(path);
    QString error;
    const bool recorded = store.record(newEntry(Operation::ReadOut, u"test"_s), &error);
    std::printf("%d %d %lld\n%s\n", int(store.status()), int(recorded), store.count(),
                qPrintable(recorded ? store.message() : error));
    return 0;
}

int fillLimited(const QString &path, qint64 bytes)
{
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{rlim_t(bytes), rlim_t(bytes)};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 2;
#endif
    Store store = Store::openSqlite(path);
    int recorded = 0;
    QString error;
    while (recorded < 100000 && store.record(someEntries(1, u"full"_s), &error))
        ++recorded;
    std::printf("%d\n%s\n", recorded, qPrintable(error));
    return 0;
}

bool dropRoot()
{
#ifdef Q_OS_UNIX
    constexpr uid_t nobody = 65534;
    return ::geteuid() != 0 ||
           (::setgroups(0, nullptr) == 0 && ::setgid(nobody) == 0 && ::setuid(nobody) == 0);
#else
    return true;
#endif
}

// The child's exit code (-1: crashed or hung) and the lines it printed.
std::pair<int, QStringList> runChild(const QStringList &arguments, int timeoutMs = 60000)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(timeoutMs)) {
        child.kill();
        child.waitForFinished();
        return {-1, {}};
    }
    return {child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1,
            QString::fromLocal8Bit(child.readAllStandardOutput()).split(u'\n')};
}

} // namespace

class TestRegister : public QObject
{
    Q_OBJECT

private slots:
    void searchableNumbers_data();
    void searchableNumbers();
    void fieldsKeepEveryByte_data();
    void fieldsKeepEveryByte();
    void moduleFactsAsTheReadOutShowsThem();
    void connections_data();
    void connections();

    void sqliteSearch_data() { searchRows(); }
    void sqliteSearch();
    void sqliteEntriesExact_data() { entryRows(); }
    void sqliteEntriesExact();
    void sqliteNewFileRights();
    void sqliteNewerVersionReadOnly();
    void sqliteDamagedLeftAlone_data();
    void sqliteDamagedLeftAlone();
    void sqliteNotAPlainFile_data();
    void sqliteNotAPlainFile();
    void sqliteWritesRefused_data();
    void sqliteWritesRefused();
    void sqliteFullDisk();
    void sqliteTwoWriters();

    void postgresSearch_data();
    void postgresSearch();
    void postgresEntriesExact_data();
    void postgresEntriesExact();
    void postgresNewerVersionReadOnly();
    void postgresServiceName();
    void postgresRefused_data();
    void postgresRefused();

    void journalWithoutRegister();
    void journalTeamChoice_data();
    void journalTeamChoice();
    void postgresJournalAcrossOutage();
    void postgresJournalServerStopped();
    void postgresJournalServerStalls();
    void postgresCommandsSay_data();
    void postgresCommandsSay();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void searchRows();
    void checkSearch(Store &store);
    void entryRows();
    void checkEntryExact(Store &store);
    void checkNewerReadOnly(const std::function<Store()> &open,
                            const std::function<bool(const QString &)> &exec);
};

// ---- without a database

void TestRegister::searchableNumbers_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("expected");
    const char *const rows[][3] = {
        {"international with blanks", "+36 20 123 4567", "201234567"},
        {"international with 00", "0036201234567", "201234567"},
        {"country code without plus", "36201234567", "201234567"},
        {"trunk prefix", "06201234567", "201234567"},
        {"national", "201234567", "201234567"},
        {"punctuation", "06-20/123-45 67", "201234567"},
        {"Budapest with country code", "3611234567", "11234567"},
        {"Eger (area 36), national", "36 123 456", "36123456"},
        {"Eger with trunk prefix", "06 36 123 456", "36123456"},
        {"Eger with country code", "+36 36 123 456", "36123456"},
        {"foreign", "+43 1 234 5678", "4312345678"},
        {"foreign with 00", "0043 1 234 5678", "4312345678"},
        {"part of a number", "123 45", "12345"},
        {"module id", "0042", "0042"},
        {"empty", "", ""},
        {"no digits", "Kovács", ""},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromLatin1(row[2]);
}

void TestRegister::searchableNumbers()
{
    QFETCH(QString, number);
    QFETCH(QString, expected);
    QCOMPARE(searchableNumber(number), expected);
}

void TestRegister::fieldsKeepEveryByte_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("every byte") << everyByteFields();
    QTest::newRow("all bytes in one field") << QStringList{everyByteFields().join(QString())};
    QTest::newRow("empty fields") << QStringList(56, QString());
    QTest::newRow("JSON's own characters") << QStringList{u"\"],[\\u0000\\"_s, u"'"_s};
    QTest::newRow("beyond Latin-1") << QStringList{u"őű€😀"_s};
    QTest::newRow("none") << QStringList();
}

void TestRegister::fieldsKeepEveryByte()
{
    QFETCH(QStringList, fields);
    const QString json = fieldsToJson(fields);
    for (const QChar c : json)
        QVERIFY2(c >= u' ' && c < u'\x7f', "stored as printable ASCII only");
    QCOMPARE(fieldsFromJson(json), fields);

    QList<Difference> differences;
    for (const QString &f : fields)
        differences.append({f, f + QChar(0), u"x"_s + f});
    QCOMPARE(differencesFromJson(differencesToJson(differences)), differences);
}

// The id, name and numbers taken from the fields are what a read-out of them shows in the
// form's fields m_id, m_nev and t1..t8.
void TestRegister::moduleFactsAsTheReadOutShowsThem()
{
    QStringList fields;
    for (int i = 0; i < qv::transfer::record::FieldCount; ++i)
        fields << u"f%1"_s.arg(i);
    fields[2] = u"0042"_s;
    fields[3] = u"Kazán ház"_s;
    for (int k = 0; k < 8; ++k)
        fields[48 + k] = qv::transfer::record::encodeTelephone(
            0x7F, k % 2, k % 5, u"+3620%1"_s.arg(k, 7, 10, QLatin1Char('0')));
    fields[55] = u"|"_s; // a flag character only
    const auto decoded = qv::transfer::decodeReadOut(
        QString::fromLatin1(qv::transfer::record::encodeReadOut(fields)));
    QCOMPARE(decoded.status, qv::transfer::ReadOutStatus::Ok);
    QHash<QString, QString> shown;
    for (const auto &[edit, text] : decoded.form.texts)
        shown.insert(edit, text);

    Entry entry;
    entry.fields = decoded.fields;
    takeModuleFacts(entry);
    QCOMPARE(entry.moduleId, shown.value(u"m_id"_s));
    QCOMPARE(entry.moduleName, shown.value(u"m_nev"_s));
    QCOMPARE(entry.telephones.size(), 8);
    for (int k = 0; k < 8; ++k)
        QCOMPARE(entry.telephones.at(k), shown.value(u"t%1"_s.arg(k + 1)));

    Entry few;
    few.fields = QStringList{u"x"_s};
    few.moduleId = u"kept"_s;
    takeModuleFacts(few);
    QCOMPARE(few.moduleId, u"kept"_s);
}

void TestRegister::connections_data()
{
    QTest::addColumn<QString>("connection");
    QTest::addColumn<bool>("usable");
    const std::pair<const char *, bool> rows[] = {
        {"host=db port=5433 dbname=qv user=tech", true},
        {"host=db options='-c search_path=a\\'b'", true},
        {"qvteam", true}, // a service name
        {"service=qvteam", true},
        {"postgresql://tech@db:5433/qv?sslmode=require", true},
        {"host=db password=secret", false},
        {"host=db PASSWORD = 'a b'", false},
        {"postgresql://tech:secret@db/qv", false},
        {"host='db", false},
        {"host db", false},
        {"host=db application_name=a;b", false}, // Qt's driver would turn ";" into a blank
        {"  ", false},
    };
    for (const auto &[connection, usable] : rows)
        QTest::newRow(connection) << QString::fromLatin1(connection) << usable;
}

void TestRegister::connections()
{
    QFETCH(QString, connection);
    QFETCH(bool, usable);
    QCOMPARE(Store::connectionProblem(connection).isEmpty(), usable);
    if (!usable) {
        const Store store = Store::openPostgres(connection);
        QVERIFY(!store.isOpen());
        QVERIFY(!store.message().isEmpty());
    }
}

// ---- the store, on both engines

void TestRegister::searchRows()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("module");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("after"); // the page after this entry's
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("utcOffset"); // the days' time zone, in seconds east of UTC
    const auto row = [](const char *name, const char *text, const char *expected) {
        QTest::newRow(name) << QString::fromUtf8(text) << QDate() << QDate() << QStringList() << 500
                            << QString() << QString::fromLatin1(expected) << 0;
    };
    row("everything, newest first, of one time the greater id", "", "e d f c b a");
    row("module id", "0042", "c b a");
    row("name in other case", "KAZÁN", "b a");
    row("technician", "kovács", "c a");
    row("site", "győr", "b a");
    row("telephone, international", "+36 20 123 4567", "a");
    row("telephone, trunk prefix", "06201234567", "a");
    row("telephone, part", "123 456 7", "a");
    row("four digits are no telephone number", "4567", "");
    row("telephone stored with country code", "06 70 555 0000", "c");
    row("Eger number with trunk prefix", "06 36 123 456", "d");
    row("percent is no wildcard", "50%", "c");
    row("underscore is no wildcard", "ttyú_1", "d");
    row("escape character", "!", "");
    row("quote", "'", "");
    const QStringList kazan{u"0042"_s, u"Kazán"_s};
    QTest::newRow("date range") << QString() << QDate(2024, 3, 5) << QDate(2024, 3, 10)
                                << QStringList() << 500 << QString() << u"f c b"_s << 0;
    QTest::newRow("until a day") << QString() << QDate() << QDate(2024, 3, 1) << QStringList()
                                 << 500 << QString() << u"a"_s << 0;
    QTest::newRow("history") << QString() << QDate() << QDate() << kazan << 500 << QString()
                             << u"b a"_s << 0;
    QTest::newRow("history, second page")
        << QString() << QDate() << QDate() << kazan << 1 << u"b"_s << u"a"_s << 0;
    const auto page = [](const char *name, const char *after, const char *expected) {
        QTest::newRow(name) << QString() << QDate() << QDate() << QStringList() << 2
                            << QString::fromLatin1(after) << QString::fromLatin1(expected) << 0;
    };
    page("first page", "", "e d");
    page("second page", "d", "f c");
    page("a page from between two of one time", "f", "c b");
    page("a page after two of one time", "c", "b a");
    page("after the last", "a", "");
    // 23:59 UTC on the 5th is the 6th an hour east of Greenwich.
    QTest::newRow("a local day") << QString() << QDate(2024, 3, 6) << QDate(2024, 3, 6)
                                 << QStringList() << 500 << QString() << u"b"_s << 3600;
}

void TestRegister::checkSearch(Store &store)
{
    QFETCH(QString, text);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, module);
    QFETCH(int, limit);
    QFETCH(QString, after);
    QFETCH(QString, expected);
    QFETCH(int, utcOffset);
    QVERIFY2(store.status() == Store::OpenStatus::Ok, qPrintable(store.message()));
    QString error;
    if (store.count() == 0)
        QVERIFY2(store.record(searchFixture(), &error), qPrintable(error));
    Query query{text, from, to, std::nullopt, limit, std::nullopt, QTimeZone(utcOffset)};
    for (const Entry &e : searchFixture()) {
        if (e.id == after)
            query.after = PageKey{e.time, e.id};
    }
    if (!module.isEmpty())
        query.module = std::make_pair(module.at(0), module.at(1));
    const QList<Entry> found = store.search(query, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(ids(found).join(u' '), expected);
}

void TestRegister::entryRows()
{
    QTest::addColumn<Entry>("entry");
    Entry readOut = newEntry(Operation::ReadOut, u"1.31"_s);
    readOut.time = at("2024-05-06T07:08:09.123");
    readOut.fields = everyByteFields();
    readOut.identification = readOut.moduleName = readOut.technician = readOut.site = hostile();
    readOut.port = u"/dev/ttyUSB0"_s;
    readOut.baud = 1200;
    readOut.model = 3;
    readOut.telephones = QStringList{u"+36201234567"_s, QString(QChar(0)) + u"1"_s};
    QTest::newRow("read-out, every byte and hostile texts") << readOut;

    Entry download = newEntry(Operation::Download, u"1.31"_s);
    download.result = Result::Differences;
    download.reason = u"2 eltérés"_s;
    download.acknowledged = true;
    download.verification = Verification::Differs;
    download.fields = QStringList(56, u"                "_s);
    download.differences = {{u"Modul neve"_s, u"A"_s, hostile()},
                            {u"3. telefonszám: jogok"_s, QString(QChar(0)), QString()}};
    download.seriesKey = u"egysegek.csv#"_s + hostile();
    download.seriesRow = 40;
    QTest::newRow("download read back with differences") << download;

    Entry unacknowledged = newEntry(Operation::Download, u"1.31"_s);
    unacknowledged.result = Result::Failed;
    unacknowledged.reason = u"A modul nem nyugtázta."_s;
    unacknowledged.acknowledged = false;
    QTest::newRow("download not acknowledged") << unacknowledged;

    Entry failed = newEntry(Operation::Compare, u"1.31"_s);
    failed.result = Result::Failed;
    failed.reason = u"A(z) COM1 port nem található."_s;
    QTest::newRow("failed comparison, no record") << failed;

    Entry backup = newEntry(Operation::Backup, QString());
    backup.verification = Verification::Failed;
    QTest::newRow("backup, empty texts") << backup;
}

// Stored and read back whole, equal in every field; the same id again is left as it is.
void TestRegister::checkEntryExact(Store &store)
{
    QFETCH(Entry, entry);
    QVERIFY2(store.status() == Store::OpenStatus::Ok, qPrintable(store.message()));
    const qint64 before = store.count();
    QString error;
    QVERIFY2(store.record(entry, &error), qPrintable(error));
    Entry again = entry;
    again.reason = u"a second copy"_s;
    QVERIFY(store.record(again));
    QCOMPARE(store.count(), before + 1);

    const std::optional<Entry> back = store.entry(entry.id, &error);
    QVERIFY2(back, qPrintable(error));
    Entry expected = entry;
    expected.where = store.engine() == Store::Engine::SQLite ? Where::Local : Where::Shared;
    QCOMPARE(back->fields, expected.fields);
    QCOMPARE(back->differences, expected.differences);
    QCOMPARE(back->identification, expected.identification);
    QCOMPARE(*back, expected);
    QVERIFY(ids(store.search(Query{{}, {}, {}, {}, 0, {}})).contains(entry.id));
}

// Written by a newer program: read, never written.
void TestRegister::checkNewerReadOnly(const std::function<Store()> &open,
                                      const std::function<bool(const QString &)> &exec)
{
    QVERIFY(open().record(searchFixture()));
    QVERIFY(exec(u"UPDATE qv_schema SET version = %1"_s.arg(SchemaVersion + 1)));
    Store store = open();
    QCOMPARE(store.status(), Store::OpenStatus::ReadOnlyNewer);
    QVERIFY2(store.message().contains(u"újabb változata"_s), qPrintable(store.message()));
    QString error;
    QVERIFY(!store.record(newEntry(Operation::ReadOut, u"t"_s), &error));
    QCOMPARE(error, store.message());
    QCOMPARE(store.search(Query{}).size(), searchFixture().size());
}

// ---- SQLite

void TestRegister::sqliteSearch()
{
    Store store = Store::openSqlite(path(u"search.sqlite"_s));
    checkSearch(store);
}

void TestRegister::sqliteEntriesExact()
{
    Store store = Store::openSqlite(path(u"exact.sqlite"_s));
    checkEntryExact(store);
}

// A new register: its folder and files for the owner only, in WAL mode, at this version.
void TestRegister::sqliteNewFileRights()
{
    const QString file = path(u"new/folder/register.sqlite"_s);
    using P = QFileDevice;
    const auto ownerOnly = P::ReadOwner | P::WriteOwner | P::ReadUser | P::WriteUser;
    {
        Store store = Store::openSqlite(file);
        QVERIFY2(store.status() == Store::OpenStatus::Ok, qPrintable(store.message()));
        QVERIFY(store.record(newEntry(Operation::ReadOut, u"t"_s)));
        QCOMPARE(QFileInfo(file + u"-wal"_s).permissions(), ownerOnly);
    }
    QCOMPARE(QFileInfo(file).permissions(), ownerOnly);
    QCOMPARE(QFileInfo(QFileInfo(file).absolutePath()).permissions(),
             ownerOnly | P::ExeOwner | P::ExeUser);
    QCOMPARE(rawSql(u"QSQLITE"_s, file, {u"PRAGMA journal_mode"_s}), QStringList{u"wal"_s});
    QCOMPARE(rawSql(u"QSQLITE"_s, file, {u"SELECT version FROM qv_schema"_s}),
             QStringList{QString::number(SchemaVersion)});
}

void TestRegister::sqliteNewerVersionReadOnly()
{
    const QString file = path(u"newer.sqlite"_s);
    QByteArray before;
    checkNewerReadOnly(
        [&] {
            before = fileBytes(file);
            return Store::openSqlite(file);
        },
        [&](const QString &sql) {
            bool ok = false;
            rawSql(u"QSQLITE"_s, file, {sql}, &ok);
            return ok;
        });
    QCOMPARE(fileBytes(file), before);
}

void TestRegister::sqliteDamagedLeftAlone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("random bytes") << "random";
    QTest::newRow("a text file") << "text";
    QTest::newRow("a truncated register") << "truncated";
    QTest::newRow("a register's first page only") << "firstpage";
    QTest::newRow("another program's database") << "foreign";
}

// Opened, found not to be a register (or a damaged one), left byte for byte as it was.
void TestRegister::sqliteDamagedLeftAlone()
{
    QFETCH(QString, kind);
    const QString file = path(u"damaged-%1.sqlite"_s.arg(kind));
    QFile f(file);
    if (kind == u"random") {
        QByteArray bytes(8192, '\0');
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(bytes.data()),
                                              bytes.size() / 4);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    } else if (kind == u"text") {
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("Kovács Béla\n0042 Kazán\n") > 0);
    } else if (kind == u"foreign") {
        rawSql(u"QSQLITE"_s, file, {u"CREATE TABLE notes (text TEXT)"_s});
    } else {
        QVERIFY(Store::openSqlite(file).record(someEntries(300, u"x"_s)));
        QVERIFY(!QFileInfo::exists(file + u"-wal"_s));
        QVERIFY(f.resize(kind == u"firstpage" ? 4096 : f.size() / 2));
    }
    f.close();
    const QByteArray before = fileBytes(file);

    Store store = Store::openSqlite(file);
    QCOMPARE(store.status(), Store::OpenStatus::NotARegister);
    QVERIFY2(store.message().contains(QDir::toNativeSeparators(file)), qPrintable(store.message()));
    QVERIFY(!store.record(newEntry(Operation::ReadOut, u"t"_s)));
    QVERIFY(store.search(Query{}).isEmpty());
    QCOMPARE(fileBytes(file), before);
}

void TestRegister::sqliteNotAPlainFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("suffix"); // where it is: the register's path or one beside it
    QTest::newRow("a named pipe") << "pipe"
                                  << "";
    QTest::newRow("a socket") << "socket"
                              << "";
    QTest::newRow("a folder") << "folder"
                              << "";
    QTest::newRow("a named pipe as its write-ahead log") << "pipe"
                                                         << "-wal";
}

// Something at the register's path that is not a plain file is not opened for reading
// (a named pipe would hold the program there for ever): said as a file that is not a
// register, and left as it is. Opened by a child, which ends if it is held.
void TestRegister::sqliteNotAPlainFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, suffix);
    const QString file = path(u"special-%1%2/register.sqlite"_s.arg(kind, suffix));
    const QString special = file + suffix;
    QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
    if (!suffix.isEmpty())
        QVERIFY(Store::openSqlite(file).record(searchFixture()));
    const QByteArray name = QFile::encodeName(special);
    if (kind == u"pipe") {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkdir(special));
    } else {
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        QCOMPARE(::bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        ::close(s);
    }
    const auto [exitCode, lines] = runChild({u"--record-once"_s, file}, 20000);
    QCOMPARE(exitCode, 0);
    const QStringList numbers = lines.value(0).split(u' '); // status, recorded, count
    QCOMPARE(numbers.value(0).toInt(), int(Store::OpenStatus::NotARegister));
    QCOMPARE(numbers.value(1), u"0"_s);
    const QString message = lines.mid(1).join(u'\n');
    QVERIFY2(message.contains(u"nem közönséges fájl"_s), qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(file)), qPrintable(message));
    QVERIFY(QFileInfo::exists(special) && !QFileInfo(special).isFile());
}

void TestRegister::sqliteWritesRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("read-only file") << "file";
    QTest::newRow("read-only folder") << "folder";
    QTest::newRow("new register in a read-only folder") << "new";
}

// The register is made by this process, then opened by a child that may not write it: as
// the user nobody when the test runs as root (root may write any file), otherwise as this
// user after the rights were taken away. It is still read; the entry is refused, saying why.
void TestRegister::sqliteWritesRefused()
{
    QFETCH(QString, kind);
    const QString folder = path(u"refused-"_s + kind);
    const QString file = folder + u"/register.sqlite"_s;
    QVERIFY(QDir().mkpath(folder));
    if (kind != u"new")
        QVERIFY(Store::openSqlite(file).record(searchFixture()));
    using P = QFileDevice;
    const auto readable = P::ReadOwner | P::ReadUser | P::ReadGroup | P::ReadOther | P::ExeOwner |
                          P::ExeUser | P::ExeGroup | P::ExeOther;
    const auto all = readable | P::WriteOwner | P::WriteUser | P::WriteGroup | P::WriteOther;
    QVERIFY(QFile::setPermissions(m_dir.path(), readable | P::WriteOwner));
    QVERIFY(QFile::setPermissions(folder, kind == u"file" ? all : readable));
    if (kind != u"new")
        QVERIFY(QFile::setPermissions(file, kind == u"file" ? readable : all));
    const auto [exitCode, lines] =
        runChild({::geteuid() == 0 ? u"--record-once-unprivileged"_s : u"--record-once"_s, file});
    QFile::setPermissions(folder, all);
    QCOMPARE(exitCode, 0);
    const QStringList numbers = lines.value(0).split(u' '); // status, recorded, count
    const QString error = lines.mid(1).join(u'\n').trimmed();
    QCOMPARE(numbers.value(1), u"0"_s);
    if (kind == u"new") {
        QCOMPARE(numbers.value(0).toInt(), int(Store::OpenStatus::CannotCreate));
        QVERIFY(!error.isEmpty());
    } else {
        QVERIFY2(error.contains(u"nem írható"_s), qPrintable(error));
        QCOMPARE(numbers.value(2), QString::number(searchFixture().size()));
    }
}

// A file that cannot grow beyond a size, as on a full disk: the entries before stay, the
// one that did not fit is reported.
void TestRegister::sqliteFullDisk()
{
    const QString file = path(u"full.sqlite"_s);
    const auto [exitCode, lines] =
        runChild({u"--fill-limited"_s, file, QString::number(2 * 1024 * 1024)});
    QCOMPARE(exitCode, 0);
    const int recorded = lines.value(0).toInt();
    QVERIFY2(recorded > 10 && recorded < 100000, qPrintable(lines.join(u'\n')));
    QVERIFY2(lines.value(1).contains(u"nem került be"_s), qPrintable(lines.join(u'\n')));
    Store store = Store::openSqlite(file);
    QVERIFY2(store.status() == Store::OpenStatus::Ok, qPrintable(store.message()));
    QCOMPARE(store.count(), recorded);
}

// Two programs create and write one register at once: none of their entries is lost.
void TestRegister::sqliteTwoWriters()
{
    const QString file = path(u"two/register.sqlite"_s);
    QProcess writers[2];
    for (QProcess &writer : writers)
        writer.start(QCoreApplication::applicationFilePath(),
                     {u"--write-entries"_s, file, u"500"_s});
    for (QProcess &writer : writers) {
        QVERIFY(writer.waitForFinished(90000));
        QVERIFY2(writer.exitCode() == 0, writer.readAllStandardError().constData());
    }
    QCOMPARE(Store::openSqlite(file).count(), 1000);
}

// ---- PostgreSQL

void TestRegister::postgresSearch_data()
{
    REQUIRE_POSTGRES();
    searchRows();
}

void TestRegister::postgresSearch()
{
    static const QString connection = postgresSchema(u"search"_s);
    Store store = Store::openPostgres(connection);
    checkSearch(store);
}

void TestRegister::postgresEntriesExact_data()
{
    REQUIRE_POSTGRES();
    entryRows();
}

void TestRegister::postgresEntriesExact()
{
    static const QString connection = postgresSchema(u"exact"_s);
    Store store = Store::openPostgres(connection);
    checkEntryExact(store);
}

void TestRegister::postgresNewerVersionReadOnly()
{
    REQUIRE_POSTGRES();
    const QString connection = postgresSchema(u"newer"_s);
    checkNewerReadOnly([&] { return Store::openPostgres(connection); },
                       [&](const QString &sql) {
                           bool ok = false;
                           rawSql(u"QPSQL"_s, connection, {sql}, &ok);
                           return ok;
                       });
}

// A bare name is a service of libpq's service file, which holds everything but the
// password (that comes from PGPASSWORD here, from ~/.pgpass for a technician).
void TestRegister::postgresServiceName()
{
    REQUIRE_POSTGRES();
    postgresSchema(u"service"_s);
    const QString serviceFile = path(u"pg_service.conf"_s);
    QFile file(serviceFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(u"[qvteam]\nhost=%1\nport=%2\ndbname=%3\nuser=%4\noptions=-c search_path=service\n"_s
                   .arg(qEnvironmentVariable("PGHOST"), qEnvironmentVariable("PGPORT"),
                        qEnvironmentVariable("PGDATABASE"), qEnvironmentVariable("PGUSER"))
                   .toUtf8());
    file.close();
    qputenv("PGSERVICEFILE", QFile::encodeName(serviceFile));
    Store store = Store::openPostgres(u"qvteam"_s);
    qunsetenv("PGSERVICEFILE");
    QVERIFY2(store.status() == Store::OpenStatus::Ok, qPrintable(store.message()));
    QVERIFY(store.record(searchFixture()));
    QCOMPARE(rawSql(u"QPSQL"_s, postgresBase(), {u"SELECT COUNT(*) FROM service.qv_entry"_s}),
             QStringList{QString::number(searchFixture().size())});
}

void TestRegister::postgresRefused_data()
{
    REQUIRE_POSTGRES();
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("words");
    QTest::newRow("nothing listens") << "port" << u"nem érhető el"_s;
    QTest::newRow("wrong password") << "password" << u"elutasította"_s;
    QTest::newRow("unknown database") << "database" << u"nem érhető el"_s;
}

// A server that cannot be used is reported with what to do.
void TestRegister::postgresRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, words);
    QString connection = postgresBase();
    const QByteArray password = qgetenv("PGPASSWORD");
    if (kind == u"port")
        connection += u" port=1"_s;
    else if (kind == u"database")
        connection += u" dbname=no_such_register"_s;
    else
        qputenv("PGPASSWORD", "wrong");
    Store store = Store::openPostgres(connection);
    qputenv("PGPASSWORD", password);
    QCOMPARE(store.status(), Store::OpenStatus::CannotConnect);
    QVERIFY2(store.message().contains(words), qPrintable(store.message()));
    QString error;
    QVERIFY(!store.record(newEntry(Operation::ReadOut, u"t"_s), &error));
    QVERIFY(!error.isEmpty());
}

// ---- the journal

// A register that cannot be used: the program goes on, each failed entry is in the status
// bar, the problem is reported once.
void TestRegister::journalWithoutRegister()
{
    const QString file = path(u"journal-damaged.sqlite"_s);
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("not a register") > 0);
    f.close();
    Journal journal;
    QSignalSpy problems(&journal, &Journal::problem);
    QSignalSpy messages(&journal, &Journal::statusMessage);
    journal.open(file);
    QVERIFY(!journal.isAvailable());
    QVERIFY(!journal.record(newEntry(Operation::ReadOut, u"t"_s)));
    QVERIFY(!journal.record(newEntry(Operation::ReadOut, u"t"_s)));
    QCOMPARE(messages.size(), 2);
    QCOMPARE(problems.size(), 1);
    QVERIFY(problems.at(0).at(0).toString().contains(QDir::toNativeSeparators(file)));
    QString error;
    QVERIFY(journal.search(Query{}, &error).isEmpty());
    QVERIFY(!error.isEmpty());
    QCOMPARE(fileBytes(file), QByteArray("not a register"));
}

void TestRegister::journalTeamChoice_data()
{
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("option"); // --register
    QTest::addColumn<QString>("team");
    QTest::addColumn<bool>("kept"); // whether the remembered choice was taken
    const std::tuple<const char *, const char *, const char *, const char *, bool> rows[] = {
        {"none", "", "", "", true},
        {"remembered", "service=qvteam", "", "service=qvteam", true},
        {"option over remembered", "service=qvteam", "host=db", "host=db", true},
        {"password not remembered", "host=db password=x", "", "", false},
        {"password in a URI not remembered", "postgresql://u:x@db/qv", "", "", false},
        {"password option refused", "", "host=db PASSWORD='x'", "", true},
    };
    for (const auto &[name, remembered, option, team, kept] : rows)
        QTest::newRow(name) << QString::fromLatin1(remembered) << QString::fromLatin1(option)
                            << QString::fromLatin1(team) << kept;
}

// The team register comes from --register or the remembered choice; a password is
// neither remembered nor used. (The servers named here do not exist: the entries wait.)
void TestRegister::journalTeamChoice()
{
    QFETCH(QString, remembered);
    QFETCH(QString, option);
    QFETCH(QString, team);
    QFETCH(bool, kept);
    qv::settings::preferences::setTeamRegister(QString());
    QCOMPARE(qv::settings::preferences::setTeamRegister(remembered), kept);
    QCOMPARE(qv::settings::preferences::teamRegister(), kept ? remembered : QString());
    Journal journal;
    QSignalSpy problems(&journal, &Journal::problem);
    journal.openDefault(option);
    QCOMPARE(journal.teamConnection(), team);
    QVERIFY(journal.isAvailable());
    QCOMPARE(journal.local()->location(), Store::defaultSqlitePath());
    QVERIFY(Store::defaultSqlitePath().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
    const bool refused = option.contains(u"PASSWORD"_s);
    QCOMPARE(problems.size(), refused ? 1 : 0);
    if (refused)
        QVERIFY(problems.at(0).at(0).toString().contains(u"~/.pgpass"_s));
    qv::settings::preferences::setTeamRegister(QString());
}

// Entries recorded while the team's server cannot be reached wait in the local register
// (how long recording takes then, tools/bench-register.sh measures); the first try that
// reaches the server sends each once.
void TestRegister::postgresJournalAcrossOutage()
{
    REQUIRE_POSTGRES();
    const QString team = postgresSchema(u"outage"_s);
    const QString file = path(u"outage.sqlite"_s);
    const QList<Entry> entries = someEntries(30, u"outage"_s);
    {
        Journal journal;
        QSignalSpy problems(&journal, &Journal::problem);
        QSignalSpy messages(&journal, &Journal::statusMessage);
        journal.open(file, team + u" port=1"_s);
        for (const Entry &e : entries)
            QVERIFY(journal.record(e));
        QVERIFY(!journal.flush(10000));
        QVERIFY(!journal.flush(10000));
        QCOMPARE(journal.waiting(), 30);
        QTRY_VERIFY(messages.size() >= 2);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.at(0).at(0).toString().contains(u"nem érhető el"_s),
                 qPrintable(problems.at(0).at(0).toString()));
        QString error;
        QCOMPARE(journal.search(Query{}, &error).size(), 30);
        QVERIFY2(error.contains(u"csak a helyi"_s), qPrintable(error));
    }
    // Five of them reached the server before (their marking was lost): they stay once.
    QVERIFY(Store::openPostgres(team).record(entries.mid(0, 5)));
    Journal journal;
    journal.open(file, team);
    QVERIFY(journal.flush(20000));
    QCOMPARE(journal.waiting(), 0);
    QCOMPARE(serverIds(team), idSet(entries));
    QString error;
    const QList<Entry> found = journal.search(Query{}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(found.size(), 30);
    for (const Entry &e : found)
        QCOMPARE(e.where, Where::LocalAndShared);
}

// The server stopped in the middle of a series and started again: every entry arrives,
// once; another technician's entry shows as the team's.
void TestRegister::postgresJournalServerStopped()
{
    REQUIRE_POSTGRES();
    if (!qEnvironmentVariableIsSet("PGVERSION") ||
        !qEnvironmentVariableIsSet("PG_CLUSTER_CONF_ROOT"))
        QSKIP("the server is not pg_virtualenv's own throwaway cluster");
    const QString team = postgresSchema(u"stopped"_s);
    const QList<Entry> entries = someEntries(40, u"stopped"_s);
    Journal journal;
    QSignalSpy problems(&journal, &Journal::problem);
    journal.open(path(u"stopped.sqlite"_s), team);
    for (const Entry &e : entries.mid(0, 20))
        QVERIFY(journal.record(e));
    QVERIFY(journal.flush(20000));
    QCOMPARE(serverIds(team).size(), 20);

    QVERIFY(cluster(u"stop"_s));
    for (const Entry &e : entries.mid(20, 10))
        QVERIFY(journal.record(e));
    QVERIFY(!journal.flush(10000));
    QCOMPARE(journal.waiting(), 10);
    QTRY_COMPARE(problems.size(), 1);
    QVERIFY(cluster(u"start"_s));
    for (const Entry &e : entries.mid(30))
        QVERIFY(journal.record(e));
    QTRY_VERIFY_WITH_TIMEOUT(journal.flush(5000), 30000);
    QCOMPARE(journal.waiting(), 0);
    QCOMPARE(serverIds(team), idSet(entries));

    Entry other = newEntry(Operation::ReadOut, u"test"_s);
    other.moduleId = u"stopped"_s;
    QVERIFY(Store::openPostgres(team).record(other));
    const QList<Entry> found = journal.search(Query{u"stopped"_s, {}, {}, {}, 0, {}});
    QCOMPARE(found.size(), 41);
    QCOMPARE(found.first().id, other.id);
    QCOMPARE(found.first().where, Where::Shared);
    QCOMPARE(journal.entry(other.id)->where, Where::Shared);
}

// A server that takes a COMMIT and then answers nothing more, on any connection: the wait
// is cut, the entries stay queued and are sent once the server answers again, each once.
void TestRegister::postgresJournalServerStalls()
{
    REQUIRE_POSTGRES();
    const QString direct = postgresSchema(u"stalls"_s);
    StallingProxy proxy(quint16(qEnvironmentVariableIntValue("PGPORT")));
    const QList<Entry> entries = someEntries(4, u"stalls"_s);
    Journal journal;
    journal.open(path(u"stalls.sqlite"_s), throughProxy(direct, proxy));
    QVERIFY2(!journal.teamConnection().isEmpty(), qPrintable(throughProxy(direct, proxy)));
    QVERIFY(journal.record(entries.first()));
    QVERIFY(journal.flush(20000));
    QVERIFY(proxy.accepted() > 0); // the entry went through the proxy

    proxy.stallAtCommit();
    for (const Entry &e : entries.mid(1))
        QVERIFY(journal.record(e));
    QVERIFY(!journal.flush(60000));
    QVERIFY(proxy.stalled());
    QVERIFY2(journal.teamProblem().contains(u"nem érhető el"_s), qPrintable(journal.teamProblem()));
    QCOMPARE(journal.waiting(), 3);

    proxy.resume();
    QTRY_VERIFY_WITH_TIMEOUT(journal.flush(5000), 30000);
    QCOMPARE(journal.waiting(), 0);
    QCOMPARE(rawSql(u"QPSQL"_s, direct, {u"SELECT COUNT(*) FROM qv_entry"_s}), QStringList{u"4"_s});
    QCOMPARE(serverIds(direct), idSet(entries));
}

void TestRegister::postgresCommandsSay_data()
{
    REQUIRE_POSTGRES();
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("said"); // on the standard error; empty: nothing
    QTest::addColumn<int>("waiting");  // entries left waiting in the local register
    QTest::newRow("a new team register") << "new" << QString() << 0;
    QTest::newRow("a wrong password") << "password" << u"elutasította"_s << 1;
    QTest::newRow("a server that stalls after the commit") << "stall" << u"nem válaszolt"_s << 1;
}

// `qvconfig read --register ...` as a script runs it: the read-out's own result and exit
// status whatever the server does; what it could not share said once on the standard
// error with how many entries wait; nothing from the server itself (its notices).
void TestRegister::postgresCommandsSay()
{
    QFETCH(QString, kind);
    QFETCH(QString, said);
    QFETCH(int, waiting);
    const QString direct = postgresSchema(u"command_"_s + kind);
    StallingProxy proxy(quint16(qEnvironmentVariableIntValue("PGPORT")));
    if (kind == u"stall") {
        QVERIFY(Store::openPostgres(direct).isOpen()); // its tables made beforehand
        proxy.stallAtCommit();
    }
    qvsim::LineSetup fast;
    fast.paced = false;
    const auto module = startModule(fast);
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_DATA_HOME"_s, home.path());
    environment.insert(u"XDG_CONFIG_HOME"_s, home.path());
    environment.insert(u"LANGUAGE"_s, u"hu"_s);
    if (kind == u"password")
        environment.insert(u"PGPASSWORD"_s, u"wrong"_s);
    QProcess command;
    command.setProcessEnvironment(environment);
    command.start(QCoreApplication::applicationDirPath() + u"/qvconfig"_s,
                  {u"read"_s, u"--port"_s, module->slavePath(), u"-o"_s,
                   home.filePath(u"read.msw"_s), u"--register"_s, throughProxy(direct, proxy)});
    QVERIFY(command.waitForFinished(60000));
    const QString err = QString::fromLocal8Bit(command.readAllStandardError());
    QCOMPARE(command.exitCode(), 0);
    QVERIFY(QString::fromLocal8Bit(command.readAllStandardOutput()).contains(u"Sikeres"_s));
    // Said once, in two lines: what happened, and the entries waiting; nothing else.
    const QStringList lines = err.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.size() == (said.isEmpty() ? 0 : 2), qPrintable(err));
    if (!said.isEmpty()) {
        QVERIFY2(lines.at(0).contains(said), qPrintable(err));
        QVERIFY2(lines.at(1).contains(u"%1 bejegyzés vár"_s.arg(waiting)), qPrintable(err));
    }
    const Store local = Store::openSqlite(home.filePath(u"qvconfig/register.sqlite"_s));
    QCOMPARE(local.count(), 1);
    QCOMPARE(local.waiting(), waiting);
    // A stalled server took the entry before it stopped answering: sent again later, it is
    // kept once.
    if (kind != u"password")
        QCOMPARE(serverIds(direct).size(), 1);
    if (kind == u"stall")
        QVERIFY(proxy.stalled());
}

int main(int argc, char *argv[])
{
    const QString mode = argc >= 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode.endsWith(u"-unprivileged"_s) && !dropRoot())
        return 3;
    if (mode.startsWith(u"--"_s)) {
        QCoreApplication app(argc, argv);
        const QString file = QString::fromLocal8Bit(argv[2]);
        if (mode == u"--write-entries" && argc == 4)
            return writeEntries(file, QByteArray(argv[3]).toInt());
        if (mode.startsWith(u"--record-once"_s))
            return recordOnce(file);
        if (mode == u"--fill-limited" && argc == 4)
            return fillLimited(file, QByteArray(argv[3]).toLongLong());
    }
    // The user's settings and application data folder inside the test's own folder.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(u"config"_s)));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(u"data"_s)));
    QCoreApplication app(argc, argv);
    TestRegister test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_register.moc"

// The module register: telephone numbers as the search compares them, the record fields'
// storage, and the store on SQLite (and, under pg_virtualenv, on PostgreSQL): search,
// entries kept exactly, the schema's version, damaged files left alone, a disk that
// refuses writes, and two programs writing one register at once.
//
// The test program also runs itself as a child: "--write-entries <file> <count> <tag>"
// records entries as a second program would; "--record-once[-unprivileged] <file>" opens
// the register and records one entry (as the user nobody when run by root, for whom no
// file is read-only); "--fill-limited <file> <bytes>" records until the file size limit
// of the process stops it, as a full disk would.
#include "register/entry.h"
#include "register/journal.h"
#include "register/store.h"
#include "settings/preferences.h"
#include "transfer/configrecord.h"
#include "transfer/modulerecord.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace qv::reg;

Q_DECLARE_METATYPE(qv::reg::Entry)

namespace {

constexpr uid_t kNobody = 65534;

QDateTime at(const char *iso)
{
    QDateTime t = QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODateWithMs);
    t.setTimeSpec(Qt::UTC);
    return t;
}

Entry makeEntry(const QString &id, const char *time, const QString &moduleId, const QString &name,
                const QString &technician, const QString &site, const QString &telephone)
{
    Entry e;
    e.id = id;
    e.time = at(time);
    e.moduleId = moduleId;
    e.moduleName = name;
    e.technician = technician;
    e.site = site;
    e.telephones = QStringList{telephone} + QStringList(7, QString());
    return e;
}

QList<Entry> searchFixture()
{
    return {
        makeEntry("a", "2024-03-01T10:00:00.000", "0042", "Kazán", "Kovács Béla", "Győr, Fő u. 1",
                  "+36 20 123 4567"),
        makeEntry("b", "2024-03-05T23:59:59.999", "0042", "Kazán", "Nagy Anna", "Győr",
                  "06301112222"),
        makeEntry("c", "2024-03-10T00:00:00.000", "0042", "Kapu", "Kovács Béla", "50% kedvezmény",
                  "36 70 555 0000"),
        makeEntry("d", "2024-04-01T08:00:00.000", "0777", "Szivattyú_1", "", "Eger", "36 123 456"),
        makeEntry("e", "2024-04-02T08:00:00.000", "0778", "SzivattyúX1", "", "", ""),
    };
}

// Every byte 0x00..0xFF, as characters U+0000..U+00FF, spread over the 56 fields.
QStringList everyByteFields()
{
    QStringList fields;
    for (int i = 0; i < qv::record::FieldCount; ++i) {
        QString field;
        for (int k = 0; k < 16; ++k)
            field += QChar(char16_t((i * 16 + k) % 256));
        fields << field;
    }
    return fields;
}

QString hostile()
{
    QString text = QStringLiteral("'; DROP TABLE qv_entry; -- \"<b>x</b>&amp; \\ %_! őű 😀");
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

// A statement on a register file through a connection of the test's own.
bool rawSqlite(const QString &path, const QString &sql)
{
    bool ok = false;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        ok = db.open() && QSqlQuery(db).exec(sql);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return ok;
}

// ---- PostgreSQL (under pg_virtualenv, which exports PGHOST, PGPORT, PGUSER, PGPASSWORD,
// PGDATABASE)

bool havePostgres()
{
    return qEnvironmentVariableIsSet("PGHOST");
}

QString postgresBase()
{
    return QStringLiteral("host=%1 port=%2 dbname=%3 user=%4")
        .arg(qEnvironmentVariable("PGHOST"), qEnvironmentVariable("PGPORT", QStringLiteral("5432")),
             qEnvironmentVariable("PGDATABASE"), qEnvironmentVariable("PGUSER"));
}

// A schema of its own for each test on the throwaway server, emptied first; the
// connection string that works in it.
QString postgresSchema(const QString &name)
{
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("admin"));
        db.setConnectOptions(postgresBase());
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("SET client_min_messages = warning"));
            q.exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(name));
            q.exec(QStringLiteral("CREATE SCHEMA %1").arg(name));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("admin"));
    return postgresBase() + QStringLiteral(" options='-c search_path=%1'").arg(name);
}

bool rawPostgres(const QString &connection, const QString &sql)
{
    bool ok = false;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("rawpg"));
        db.setConnectOptions(connection);
        ok = db.open() && QSqlQuery(db).exec(sql);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("rawpg"));
    return ok;
}

QSet<QString> serverIds(const QString &connection)
{
    QSet<QString> found;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("ids"));
        db.setConnectOptions(connection);
        QSqlQuery q(db);
        if (db.open() && q.exec(QStringLiteral("SELECT id FROM qv_entry"))) {
            while (q.next())
                found << q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("ids"));
    return found;
}

// Starts or stops the throwaway server (pg_virtualenv names its cluster "regress").
bool cluster(const QString &action)
{
    QStringList arguments{qEnvironmentVariable("PGVERSION"), QStringLiteral("regress"), action};
    if (action == u"stop")
        arguments.prepend(QStringLiteral("--mode=fast"));
    QProcess ctl;
    ctl.start(QStringLiteral("pg_ctlcluster"), arguments);
    return ctl.waitForFinished(30000) && ctl.exitStatus() == QProcess::NormalExit &&
           ctl.exitCode() == 0;
}

QList<Entry> someEntries(int count, const QString &tag)
{
    QList<Entry> entries;
    for (int i = 0; i < count; ++i) {
        Entry e = newEntry(Operation::Download, QStringLiteral("test"));
        e.moduleId = tag;
        e.fields = everyByteFields();
        entries << e;
    }
    return entries;
}

QSet<QString> idSet(const QList<Entry> &entries)
{
    QSet<QString> set;
    for (const Entry &e : entries)
        set << e.id;
    return set;
}

#define REQUIRE_POSTGRES()                                                                         \
    if (!havePostgres())                                                                           \
    QSKIP("no PostgreSQL server (run under pg_virtualenv: ctest -R tst_register_postgres)")

// ---- children

int writeEntries(const QString &path, int count, const QString &tag)
{
    Store store = Store::openSqlite(path);
    if (!store.isOpen()) {
        std::fprintf(stderr, "%s\n", qPrintable(store.message()));
        return 2;
    }
    for (int i = 0; i < count; ++i) {
        Entry e = newEntry(Operation::ReadOut, QStringLiteral("test"));
        e.moduleId = tag;
        e.fields = everyByteFields();
        QString error;
        if (!store.record(e, &error)) {
            std::fprintf(stderr, "%d: %s\n", i, qPrintable(error));
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
    const bool recorded =
        store.record(newEntry(Operation::ReadOut, QStringLiteral("test")), &error);
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
    while (recorded < 100000) {
        Entry e = newEntry(Operation::ReadOut, QStringLiteral("test"));
        e.fields = everyByteFields();
        if (!store.record(e, &error))
            break;
        ++recorded;
    }
    std::printf("%d\n%s\n", recorded, qPrintable(error));
    return 0;
}

bool dropRoot()
{
#ifdef Q_OS_UNIX
    if (::geteuid() != 0)
        return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
#else
    return true;
#endif
}

struct ChildResult
{
    int exitCode = -1;
    QStringList lines;
};

ChildResult runChild(const QStringList &arguments, int timeoutMs = 60000)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    ChildResult result;
    if (!child.waitForFinished(timeoutMs)) {
        child.kill();
        child.waitForFinished();
        return result;
    }
    result.exitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    result.lines = QString::fromLocal8Bit(child.readAllStandardOutput()).split(u'\n');
    return result;
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

    void sqliteSearch_data();
    void sqliteSearch();
    void sqliteEntriesExact_data();
    void sqliteEntriesExact();
    void sqliteNewFileRights();
    void sqliteNewerVersionReadOnly();
    void sqliteDamagedLeftAlone_data();
    void sqliteDamagedLeftAlone();
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

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void searchRows();
    void checkSearch(Store &store);
    void entryRows();
    void checkEntryExact(Store &store);
};

// ---- helpers without a database

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
    QTest::newRow("JSON's own characters")
        << QStringList{QStringLiteral("\"],[\\u0000\\"), QStringLiteral("'")};
    QTest::newRow("beyond Latin-1") << QStringList{QStringLiteral("őű€😀")};
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
        differences.append({f, f + QChar(0), QStringLiteral("x") + f});
    QCOMPARE(differencesFromJson(differencesToJson(differences)), differences);
}

// The id, name and numbers taken from the fields are what a read-out of them shows in the
// form's fields m_id, m_nev and t1..t8.
void TestRegister::moduleFactsAsTheReadOutShowsThem()
{
    QStringList fields;
    for (int i = 0; i < qv::record::FieldCount; ++i)
        fields << QStringLiteral("f%1").arg(i);
    fields[2] = QStringLiteral("0042");
    fields[3] = QStringLiteral("Kazán ház");
    for (int k = 0; k < 8; ++k)
        fields[48 + k] = qv::record::encodeTelephone(
            0x7F, k % 2, k % 5, QStringLiteral("+3620%1").arg(k, 7, 10, QLatin1Char('0')));
    fields[55] = QStringLiteral("|"); // a flag character only
    const auto decoded =
        qv::transfer::decodeReadOut(QString::fromLatin1(qv::record::encodeReadOut(fields)));
    QCOMPARE(decoded.status, qv::transfer::ReadOutStatus::Ok);
    QHash<QString, QString> shown;
    for (const auto &[edit, text] : decoded.form.texts)
        shown.insert(edit, text);

    Entry entry;
    entry.fields = decoded.fields;
    takeModuleFacts(entry);
    QCOMPARE(entry.moduleId, shown.value(QStringLiteral("m_id")));
    QCOMPARE(entry.moduleName, shown.value(QStringLiteral("m_nev")));
    QCOMPARE(entry.telephones.size(), 8);
    for (int k = 0; k < 8; ++k)
        QCOMPARE(entry.telephones.at(k), shown.value(QStringLiteral("t%1").arg(k + 1)));

    Entry few;
    few.fields = QStringList{QStringLiteral("x")};
    few.moduleId = QStringLiteral("kept");
    takeModuleFacts(few);
    QCOMPARE(few.moduleId, QStringLiteral("kept"));
}

void TestRegister::connections_data()
{
    QTest::addColumn<QString>("connection");
    QTest::addColumn<bool>("usable");
    QTest::newRow("keywords") << "host=db port=5433 dbname=qv user=tech" << true;
    QTest::newRow("quoted value") << "host=db options='-c search_path=a\\'b'" << true;
    QTest::newRow("service name") << "qvteam" << true;
    QTest::newRow("service keyword") << "service=qvteam" << true;
    QTest::newRow("URI") << "postgresql://tech@db:5433/qv?sslmode=require" << true;
    QTest::newRow("password") << "host=db password=secret" << false;
    QTest::newRow("password, spaced and quoted") << "host=db PASSWORD = 'a b'" << false;
    QTest::newRow("password in a URI") << "postgresql://tech:secret@db/qv" << false;
    QTest::newRow("unclosed quote") << "host='db" << false;
    QTest::newRow("no value") << "host db" << false;
    QTest::newRow("semicolon") << "host=db application_name=a;b" << false;
    QTest::newRow("empty") << "  " << false;
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

// ---- the store, for both engines

void TestRegister::searchRows()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("module");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QStringList>("expected");
    const QStringList none;
    const auto row = [](const char *name, const char *text, const char *expected) {
        QTest::newRow(name) << QString::fromUtf8(text) << QDate() << QDate() << QStringList() << 500
                            << 0 << QString::fromLatin1(expected).split(u' ', Qt::SkipEmptyParts);
    };
    row("everything, newest first", "", "e d c b a");
    row("module id", "0042", "c b a");
    row("name in other case", "KAZÁN", "b a");
    row("technician", "kovács", "c a");
    row("site", "győr", "b a");
    row("telephone, international", "+36 20 123 4567", "a");
    row("telephone, trunk prefix", "06201234567", "a");
    row("telephone, country code", "36201234567", "a");
    row("telephone, national", "201234567", "a");
    row("telephone, part", "123 456 7", "a");
    row("four digits are no telephone number", "4567", "");
    row("telephone stored with country code", "06 70 555 0000", "c");
    row("Eger number with trunk prefix", "06 36 123 456", "d");
    row("percent is no wildcard", "50%", "c");
    row("underscore is no wildcard", "ttyú_1", "d");
    row("escape character", "!", "");
    row("quote", "'", "");
    row("nothing", "Budapest", "");
    QTest::newRow("date range") << QString() << QDate(2024, 3, 5) << QDate(2024, 3, 10) << none
                                << 500 << 0 << QStringList{"c", "b"};
    QTest::newRow("until a day") << QString() << QDate() << QDate(2024, 3, 1) << none << 500 << 0
                                 << QStringList{"a"};
    QTest::newRow("history") << QString() << QDate() << QDate() << QStringList{"0042", "Kazán"}
                             << 500 << 0 << QStringList{"b", "a"};
    QTest::newRow("history, second page")
        << QString() << QDate() << QDate() << QStringList{"0042", "Kazán"} << 1 << 1
        << QStringList{"a"};
    QTest::newRow("first page") << QString() << QDate() << QDate() << none << 2 << 0
                                << QStringList{"e", "d"};
    QTest::newRow("second page") << QString() << QDate() << QDate() << none << 2 << 2
                                 << QStringList{"c", "b"};
}

void TestRegister::checkSearch(Store &store)
{
    QFETCH(QString, text);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, module);
    QFETCH(int, limit);
    QFETCH(int, offset);
    QFETCH(QStringList, expected);
    QVERIFY2(store.status() == Store::OpenStatus::Ok, qPrintable(store.message()));
    if (store.count() == 0) {
        QString error;
        QVERIFY2(store.record(searchFixture(), &error), qPrintable(error));
    }
    Query query;
    query.text = text;
    query.from = from;
    query.to = to;
    if (!module.isEmpty())
        query.module = std::make_pair(module.at(0), module.at(1));
    query.limit = limit;
    query.offset = offset;
    QString error;
    const QList<Entry> found = store.search(query, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(ids(found), expected);
}

void TestRegister::entryRows()
{
    QTest::addColumn<Entry>("entry");
    Entry readOut = newEntry(Operation::ReadOut, QStringLiteral("1.31"));
    readOut.time = at("2024-05-06T07:08:09.123");
    readOut.fields = everyByteFields();
    readOut.identification = hostile();
    readOut.moduleName = hostile();
    readOut.technician = hostile();
    readOut.site = hostile();
    readOut.port = QStringLiteral("/dev/ttyUSB0");
    readOut.baud = 1200;
    readOut.model = 3;
    readOut.telephones = {QStringLiteral("+36201234567"),
                          QString(QChar(0)) + QStringLiteral("1"),
                          QString(),
                          QString(),
                          QString(),
                          QString(),
                          QString(),
                          QString()};
    QTest::newRow("read-out, every byte and hostile texts") << readOut;

    Entry download = newEntry(Operation::Download, QStringLiteral("1.31"));
    download.result = Result::Differences;
    download.reason = QStringLiteral("2 eltérés");
    download.acknowledged = true;
    download.verification = Verification::Differs;
    download.fields = QStringList(56, QStringLiteral("                "));
    download.differences = {
        {QStringLiteral("Modul neve"), QStringLiteral("A"), hostile()},
        {QStringLiteral("3. telefonszám: jogok"), QString(QChar(0)), QString()}};
    QTest::newRow("download read back with differences") << download;

    Entry unacknowledged = newEntry(Operation::Download, QStringLiteral("1.31"));
    unacknowledged.result = Result::Failed;
    unacknowledged.reason = QStringLiteral("A modul nem nyugtázta.");
    unacknowledged.acknowledged = false;
    QTest::newRow("download not acknowledged") << unacknowledged;

    Entry failed = newEntry(Operation::Compare, QStringLiteral("1.31"));
    failed.result = Result::Failed;
    failed.reason = QStringLiteral("A(z) COM1 port nem található.");
    QTest::newRow("failed comparison, no record") << failed;

    Entry backup = newEntry(Operation::Backup, QString());
    backup.verification = Verification::Failed;
    QTest::newRow("backup, empty texts") << backup;
}

void TestRegister::checkEntryExact(Store &store)
{
    QFETCH(Entry, entry);
    QVERIFY2(store.status() == Store::OpenStatus::Ok, qPrintable(store.message()));
    const qint64 before = store.count();
    QString error;
    QVERIFY2(store.record(entry, &error), qPrintable(error));
    Entry again = entry;
    again.reason = QStringLiteral("a second copy");
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

    Query query;
    query.limit = 0;
    QVERIFY(ids(store.search(query)).contains(entry.id));
}

// ---- SQLite

void TestRegister::sqliteSearch_data()
{
    searchRows();
}

void TestRegister::sqliteSearch()
{
    Store store = Store::openSqlite(path(QStringLiteral("search.sqlite")));
    checkSearch(store);
}

void TestRegister::sqliteEntriesExact_data()
{
    entryRows();
}

void TestRegister::sqliteEntriesExact()
{
    Store store = Store::openSqlite(path(QStringLiteral("exact.sqlite")));
    checkEntryExact(store);
}

void TestRegister::sqliteNewFileRights()
{
    const QString file = path(QStringLiteral("new/folder/register.sqlite"));
    {
        Store store = Store::openSqlite(file);
        QVERIFY2(store.status() == Store::OpenStatus::Ok, qPrintable(store.message()));
        QVERIFY(store.message().isEmpty());
        QVERIFY(store.record(newEntry(Operation::ReadOut, QStringLiteral("t"))));
        QCOMPARE(QFileInfo(file + QStringLiteral("-wal")).permissions(),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                     QFileDevice::WriteUser);
    }
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                           QFileDevice::ReadUser | QFileDevice::WriteUser;
    QCOMPARE(QFileInfo(file).permissions(), ownerOnly);
    QCOMPARE(QFileInfo(QFileInfo(file).absolutePath()).permissions(),
             ownerOnly | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    QVERIFY(rawSqlite(file, QStringLiteral("SELECT 1")));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mode"));
    db.setDatabaseName(file);
    QVERIFY(db.open());
    QSqlQuery q(db);
    QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("wal"));
    QVERIFY(q.exec(QStringLiteral("SELECT version FROM qv_schema")) && q.next());
    QCOMPARE(q.value(0).toInt(), SchemaVersion);
    q = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("mode"));
}

void TestRegister::sqliteNewerVersionReadOnly()
{
    const QString file = path(QStringLiteral("newer.sqlite"));
    {
        Store store = Store::openSqlite(file);
        QVERIFY(store.record(searchFixture()));
    }
    QVERIFY(rawSqlite(file,
                      QStringLiteral("UPDATE qv_schema SET version = %1").arg(SchemaVersion + 1)));
    const QByteArray before = fileBytes(file);
    Store store = Store::openSqlite(file);
    QCOMPARE(store.status(), Store::OpenStatus::ReadOnlyNewer);
    QVERIFY(store.isOpen() && store.isReadOnly());
    QVERIFY2(store.message().contains(QStringLiteral("újabb változata")),
             qPrintable(store.message()));
    QString error;
    QVERIFY(!store.record(newEntry(Operation::ReadOut, QStringLiteral("t")), &error));
    QCOMPARE(error, store.message());
    QCOMPARE(store.search(Query{}).size(), 5);
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

void TestRegister::sqliteDamagedLeftAlone()
{
    QFETCH(QString, kind);
    const QString file = path(QStringLiteral("damaged-%1.sqlite").arg(kind));
    if (kind == u"random") {
        QByteArray bytes(8192, '\0');
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(bytes.data()),
                                              bytes.size() / 4);
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    } else if (kind == u"text") {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("Kovács Béla\n0042 Kazán\n") > 0);
    } else if (kind == u"foreign") {
        QVERIFY(rawSqlite(file, QStringLiteral("CREATE TABLE notes (text TEXT)")));
    } else {
        {
            Store store = Store::openSqlite(file);
            QList<Entry> many;
            for (int i = 0; i < 300; ++i) {
                Entry e = newEntry(Operation::ReadOut, QStringLiteral("t"));
                e.fields = everyByteFields();
                many << e;
            }
            QVERIFY(store.record(many));
        }
        QVERIFY(!QFileInfo::exists(file + QStringLiteral("-wal")));
        QFile f(file);
        QVERIFY(f.resize(kind == u"firstpage" ? 4096 : f.size() / 2));
    }
    const QByteArray before = fileBytes(file);

    Store store = Store::openSqlite(file);
    QCOMPARE(store.status(), Store::OpenStatus::NotARegister);
    QVERIFY(!store.isOpen());
    QVERIFY2(store.message().contains(QDir::toNativeSeparators(file)), qPrintable(store.message()));
    QVERIFY(!store.record(newEntry(Operation::ReadOut, QStringLiteral("t"))));
    QVERIFY(store.search(Query{}).isEmpty());
    QCOMPARE(fileBytes(file), before);
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
// user after the rights were taken away.
void TestRegister::sqliteWritesRefused()
{
    QFETCH(QString, kind);
    const QString folder = path(QStringLiteral("refused-") + kind);
    const QString file = folder + QStringLiteral("/register.sqlite");
    QVERIFY(QDir().mkpath(folder));
    if (kind != u"new") {
        Store store = Store::openSqlite(file);
        QVERIFY(store.record(searchFixture()));
    }
    const bool root = ::geteuid() == 0;
    using P = QFileDevice;
    const auto readable = P::ReadOwner | P::ReadUser | P::ReadGroup | P::ReadOther;
    const auto enterable = P::ExeOwner | P::ExeUser | P::ExeGroup | P::ExeOther;
    const auto all =
        readable | enterable | P::WriteOwner | P::WriteUser | P::WriteGroup | P::WriteOther;
    QVERIFY(QFile::setPermissions(m_dir.path(), readable | enterable | P::WriteOwner));
    QVERIFY(QFile::setPermissions(folder, kind == u"file" ? all : readable | enterable));
    if (kind != u"new")
        QVERIFY(QFile::setPermissions(file, kind == u"file" ? readable : all));
    const ChildResult child = runChild(
        {root ? QStringLiteral("--record-once-unprivileged") : QStringLiteral("--record-once"),
         file});
    QFile::setPermissions(folder, all);
    QCOMPARE(child.exitCode, 0);
    QVERIFY(child.lines.size() >= 2);
    const QStringList numbers = child.lines.at(0).split(u' ');
    const QString error = child.lines.mid(1).join(u'\n');
    QCOMPARE(numbers.at(1), QStringLiteral("0")); // not recorded
    QVERIFY2(!error.isEmpty(), "it says why");
    if (kind == u"new") {
        QCOMPARE(numbers.at(0).toInt(), int(Store::OpenStatus::CannotCreate));
    } else {
        QVERIFY2(error.contains(QStringLiteral("nem írható")), qPrintable(error));
        QCOMPARE(numbers.at(2), QStringLiteral("5")); // still read
    }
}

// A file that cannot grow beyond a size, as on a full disk: the entries before stay, the
// one that did not fit is reported.
void TestRegister::sqliteFullDisk()
{
    const QString file = path(QStringLiteral("full.sqlite"));
    const ChildResult child =
        runChild({QStringLiteral("--fill-limited"), file, QString::number(2 * 1024 * 1024)});
    QCOMPARE(child.exitCode, 0);
    const int recorded = child.lines.value(0).toInt();
    const QString error = child.lines.mid(1).join(u'\n');
    QVERIFY2(recorded > 10 && recorded < 100000, qPrintable(child.lines.join(u'\n')));
    QVERIFY2(error.contains(QStringLiteral("nem került be")), qPrintable(error));
    Store store = Store::openSqlite(file);
    QVERIFY2(store.status() == Store::OpenStatus::Ok, qPrintable(store.message()));
    QCOMPARE(store.count(), recorded);
}

void TestRegister::sqliteTwoWriters()
{
    const QString file = path(QStringLiteral("two/register.sqlite"));
    QProcess first;
    QProcess second;
    const QString program = QCoreApplication::applicationFilePath();
    first.start(program, {QStringLiteral("--write-entries"), file, QStringLiteral("500"),
                          QStringLiteral("first")});
    second.start(program, {QStringLiteral("--write-entries"), file, QStringLiteral("500"),
                           QStringLiteral("second")});
    QVERIFY(first.waitForFinished(90000));
    QVERIFY(second.waitForFinished(90000));
    QVERIFY2(first.exitCode() == 0, first.readAllStandardError().constData());
    QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());
    Store store = Store::openSqlite(file);
    QCOMPARE(store.count(), 1000);
    Query query;
    query.text = QStringLiteral("second");
    query.limit = 0;
    QCOMPARE(store.search(query).size(), 500);
}

// ---- PostgreSQL

void TestRegister::postgresSearch_data()
{
    REQUIRE_POSTGRES();
    searchRows();
}

void TestRegister::postgresSearch()
{
    REQUIRE_POSTGRES();
    static const QString connection = postgresSchema(QStringLiteral("search"));
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
    REQUIRE_POSTGRES();
    static const QString connection = postgresSchema(QStringLiteral("exact"));
    Store store = Store::openPostgres(connection);
    checkEntryExact(store);
}

void TestRegister::postgresNewerVersionReadOnly()
{
    REQUIRE_POSTGRES();
    const QString connection = postgresSchema(QStringLiteral("newer"));
    {
        Store store = Store::openPostgres(connection);
        QVERIFY2(store.record(searchFixture()), qPrintable(store.message()));
    }
    QVERIFY(rawPostgres(
        connection, QStringLiteral("UPDATE qv_schema SET version = %1").arg(SchemaVersion + 1)));
    Store store = Store::openPostgres(connection);
    QCOMPARE(store.status(), Store::OpenStatus::ReadOnlyNewer);
    QVERIFY2(store.message().contains(QStringLiteral("újabb változata")),
             qPrintable(store.message()));
    QVERIFY(!store.record(newEntry(Operation::ReadOut, QStringLiteral("t"))));
    QCOMPARE(store.search(Query{}).size(), 5);
}

// A bare name is a service of libpq's service file, which holds everything but the
// password (that comes from PGPASSWORD here, from ~/.pgpass for a technician).
void TestRegister::postgresServiceName()
{
    REQUIRE_POSTGRES();
    postgresSchema(QStringLiteral("service"));
    const QString serviceFile = path(QStringLiteral("pg_service.conf"));
    QFile file(serviceFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("[qvteam]\nhost=%1\nport=%2\ndbname=%3\nuser=%4\n"
                              "options=-c search_path=service\n")
                   .arg(qEnvironmentVariable("PGHOST"), qEnvironmentVariable("PGPORT"),
                        qEnvironmentVariable("PGDATABASE"), qEnvironmentVariable("PGUSER"))
                   .toUtf8());
    file.close();
    qputenv("PGSERVICEFILE", QFile::encodeName(serviceFile));
    Store store = Store::openPostgres(QStringLiteral("qvteam"));
    qunsetenv("PGSERVICEFILE");
    QVERIFY2(store.status() == Store::OpenStatus::Ok, qPrintable(store.message()));
    QVERIFY(store.record(searchFixture()));
    QVERIFY(rawPostgres(postgresBase(), QStringLiteral("SELECT COUNT(*) FROM service.qv_entry")));
    QCOMPARE(store.count(), 5);
}

void TestRegister::postgresRefused_data()
{
    REQUIRE_POSTGRES();
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("words");
    QTest::newRow("nothing listens") << "port"
                                     << "nem érhető el";
    QTest::newRow("wrong password") << "password"
                                    << "elutasította";
    QTest::newRow("unknown database") << "database"
                                      << "nem érhető el";
}

// A server that cannot be used is reported quickly, with what to do.
void TestRegister::postgresRefused()
{
    REQUIRE_POSTGRES();
    QFETCH(QString, kind);
    QFETCH(QString, words);
    QString connection = postgresBase();
    const QByteArray password = qgetenv("PGPASSWORD");
    if (kind == u"port")
        connection += QStringLiteral(" port=1");
    else if (kind == u"database")
        connection += QStringLiteral(" dbname=no_such_register");
    else
        qputenv("PGPASSWORD", "wrong");
    QElapsedTimer clock;
    clock.start();
    Store store = Store::openPostgres(connection);
    qputenv("PGPASSWORD", password);
    QVERIFY(clock.elapsed() < 4000);
    QCOMPARE(store.status(), Store::OpenStatus::CannotConnect);
    QVERIFY2(store.message().contains(words), qPrintable(store.message()));
    QString error;
    QVERIFY(!store.record(newEntry(Operation::ReadOut, QStringLiteral("t")), &error));
    QVERIFY(!error.isEmpty());
}

// ---- the journal

// A register that cannot be used: the program goes on, each failed entry is in the status
// bar, the problem is reported once.
void TestRegister::journalWithoutRegister()
{
    const QString file = path(QStringLiteral("journal-damaged.sqlite"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("not a register") > 0);
    f.close();
    Journal journal;
    QSignalSpy problems(&journal, &Journal::problem);
    QSignalSpy messages(&journal, &Journal::statusMessage);
    journal.open(file);
    QVERIFY(!journal.isAvailable());
    QVERIFY(!journal.record(newEntry(Operation::ReadOut, QStringLiteral("t"))));
    QVERIFY(!journal.record(newEntry(Operation::ReadOut, QStringLiteral("t"))));
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
    QTest::newRow("none") << ""
                          << ""
                          << "" << true;
    QTest::newRow("remembered") << "service=qvteam"
                                << ""
                                << "service=qvteam" << true;
    QTest::newRow("option over remembered") << "service=qvteam"
                                            << "host=db"
                                            << "host=db" << true;
    QTest::newRow("password not remembered") << "host=db password=x"
                                             << ""
                                             << "" << false;
    QTest::newRow("password in a URI not remembered") << "postgresql://u:x@db/qv"
                                                      << ""
                                                      << "" << false;
    QTest::newRow("password option refused") << ""
                                             << "host=db PASSWORD='x'"
                                             << "" << true;
}

// The team register comes from --register or the remembered choice; a password is
// neither remembered nor used. (The servers named here do not exist: the entries wait.)
void TestRegister::journalTeamChoice()
{
    QFETCH(QString, remembered);
    QFETCH(QString, option);
    QFETCH(QString, team);
    QFETCH(bool, kept);
    qv::preferences::setTeamRegister(QString());
    QCOMPARE(qv::preferences::setTeamRegister(remembered), kept);
    QCOMPARE(qv::preferences::teamRegister(), kept ? remembered : QString());
    Journal journal;
    QSignalSpy problems(&journal, &Journal::problem);
    journal.openDefault(option);
    QCOMPARE(journal.teamConnection(), team);
    QVERIFY(journal.isAvailable());
    QCOMPARE(journal.local()->location(), Store::defaultSqlitePath());
    QVERIFY(Store::defaultSqlitePath().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
    const bool refused = option.contains(QStringLiteral("PASSWORD"));
    QCOMPARE(problems.size(), refused ? 1 : 0);
    if (refused)
        QVERIFY(problems.at(0).at(0).toString().contains(QStringLiteral("~/.pgpass")));
    qv::preferences::setTeamRegister(QString());
}

// Entries recorded while the team's server cannot be reached wait in the local register,
// without slowing the recording; the first try that reaches the server sends each once.
void TestRegister::postgresJournalAcrossOutage()
{
    REQUIRE_POSTGRES();
    const QString team = postgresSchema(QStringLiteral("outage"));
    const QString file = path(QStringLiteral("outage.sqlite"));
    const QList<Entry> entries = someEntries(30, QStringLiteral("outage"));
    {
        Journal journal;
        QSignalSpy problems(&journal, &Journal::problem);
        QSignalSpy messages(&journal, &Journal::statusMessage);
        journal.open(file, team + QStringLiteral(" port=1"));
        QElapsedTimer slowest;
        qint64 longest = 0;
        for (const Entry &e : entries) {
            slowest.start();
            QVERIFY(journal.record(e));
            longest = qMax(longest, slowest.elapsed());
        }
        QVERIFY2(longest < 200, qPrintable(QString::number(longest)));
        QVERIFY(!journal.flush(10000));
        QVERIFY(!journal.flush(10000));
        QCOMPARE(journal.waiting(), 30);
        QTRY_VERIFY(messages.size() >= 2);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.at(0).at(0).toString().contains(QStringLiteral("nem érhető el")),
                 qPrintable(problems.at(0).at(0).toString()));
        QString error;
        QCOMPARE(journal.search(Query{}, &error).size(), 30);
        QVERIFY2(error.contains(QStringLiteral("csak a helyi")), qPrintable(error));
    }
    // Five of them reached the server before (their marking was lost): they stay once.
    {
        Store server = Store::openPostgres(team);
        QVERIFY(server.record(entries.mid(0, 5)));
    }
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
    const QString team = postgresSchema(QStringLiteral("stopped"));
    const QList<Entry> entries = someEntries(40, QStringLiteral("stopped"));
    Journal journal;
    QSignalSpy problems(&journal, &Journal::problem);
    journal.open(path(QStringLiteral("stopped.sqlite")), team);
    for (const Entry &e : entries.mid(0, 20))
        QVERIFY(journal.record(e));
    QVERIFY(journal.flush(20000));
    QCOMPARE(serverIds(team).size(), 20);

    QVERIFY(cluster(QStringLiteral("stop")));
    for (const Entry &e : entries.mid(20, 10))
        QVERIFY(journal.record(e));
    QVERIFY(!journal.flush(10000));
    QCOMPARE(journal.waiting(), 10);
    QTRY_COMPARE(problems.size(), 1);
    QVERIFY(cluster(QStringLiteral("start")));
    for (const Entry &e : entries.mid(30))
        QVERIFY(journal.record(e));
    QTRY_VERIFY_WITH_TIMEOUT(journal.flush(5000), 30000);
    QCOMPARE(journal.waiting(), 0);
    QCOMPARE(serverIds(team), idSet(entries));

    Entry other = newEntry(Operation::ReadOut, QStringLiteral("test"));
    other.moduleId = QStringLiteral("stopped");
    QVERIFY(Store::openPostgres(team).record(other));
    Query query;
    query.text = QStringLiteral("stopped");
    query.limit = 0;
    const QList<Entry> found = journal.search(query);
    QCOMPARE(found.size(), 41);
    QCOMPARE(found.first().id, other.id);
    QCOMPARE(found.first().where, Where::Shared);
    QCOMPARE(journal.entry(other.id)->where, Where::Shared);
}

int main(int argc, char *argv[])
{
    const QString mode = argc >= 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode.endsWith(QStringLiteral("-unprivileged")) && !dropRoot())
        return 3;
    if (mode == u"--write-entries" && argc == 5) {
        QCoreApplication app(argc, argv);
        return writeEntries(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt(),
                            QString::fromLocal8Bit(argv[4]));
    }
    if (mode.startsWith(QStringLiteral("--record-once"))) {
        QCoreApplication app(argc, argv);
        return recordOnce(QString::fromLocal8Bit(argv[2]));
    }
    if (mode == u"--fill-limited" && argc == 4) {
        QCoreApplication app(argc, argv);
        return fillLimited(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLongLong());
    }
    // The user's settings and application data folder inside the test's own folder.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    QCoreApplication app(argc, argv);
    TestRegister test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_register.moc"

#include "register/store.h"

#include "register/conninfo.h"
#include "register/localfile.h"
#include "register/schema.h"
#include "register/serverwait.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QVariant>
#include <QtEndian>

#include <chrono>
#include <climits>
#include <thread>

namespace qv::reg {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::reg::Store)
};

constexpr int SqliteBusyTimeoutMs = 10000;              // another program's write, waited for
constexpr int ConnectTimeoutS = 3;                      // an unreachable server fails this fast
constexpr int StatementTimeoutMs = 5000;                // a server that accepted a query but hangs
constexpr int ServerWaitMs = StatementTimeoutMs + 1000; // one that does not answer at all
constexpr int TcpUserTimeoutMs = 10000; // sent data unacknowledged: the network is gone
constexpr int KeepalivesIdleS = 5;      // a silent connection is probed after this,
constexpr int KeepalivesIntervalS = 2;  // then every so often,
constexpr int KeepalivesCount = 3;      // and given up after this many unanswered probes

// Sharing states of an entry (see schema.cpp).
constexpr int KeptHere = 0;
constexpr int Waiting = 1;
constexpr int OnServer = 2;

// SQLite's primary result codes (Qt's driver reports the extended code).
enum SqliteCode {
    SqlitePerm = 3,
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadOnly = 8,
    SqliteIoErr = 10,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantOpen = 14,
    SqliteNotADb = 26,
};

const QString kEntryColumns = QStringLiteral(
    "e.id, e.time_ms, e.operation, e.result, e.reason, e.program_version, e.os_user, e.host, "
    "e.technician, e.site, e.port, e.baud, e.identification, e.model, e.module_id, "
    "e.module_name, e.telephones, e.acknowledged, e.verification, e.sharing, e.series_key, "
    "e.series_row");
constexpr int RecordColumn = 22; // r.fields, then r.differences

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("qv.register.%1").arg(counter.fetchAndAddRelaxed(1));
}

int sqliteCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xFF : -1;
}

QString databaseWords(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    text.replace(u'\n', u' ');
    return text;
}

// A text as a NOT NULL column takes it: Qt binds a null QString as NULL.
QString columnText(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QString searchText(const Entry &entry)
{
    return QStringList{entry.moduleId, entry.moduleName, entry.technician, entry.site}
        .join(u'\n')
        .toLower();
}

QString numbersText(const Entry &entry)
{
    QStringList numbers;
    for (const QString &telephone : entry.telephones) {
        const QString number = searchableNumber(telephone);
        if (!number.isEmpty())
            numbers << number;
    }
    return columnText(numbers.join(u' '));
}

// `text` inside a LIKE pattern with "!" as the escape character: the user's "%" and "_"
// are characters, not wildcards.
QString containsPattern(const QString &text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == u'!' || c == u'%' || c == u'_')
            escaped += u'!';
        escaped += c;
    }
    return u'%' + escaped + u'%';
}

// A query that is a telephone number (digits with the usual punctuation), to be found
// among the numbers too.
qint64 dayStartMs(QDate day, const QTimeZone &zone)
{
    return QDateTime(day, QTime(0, 0), zone).toMSecsSinceEpoch();
}

} // namespace

struct Store::Private
{
    Engine engine = Engine::SQLite;
    OpenStatus status = OpenStatus::CannotCreate;
    QString message;
    QString location;
    QString connectionName;
    QSqlDatabase db;
    FileClaim claim; // SQLite: this connection counted on its file until it is closed
    int recordedSharing = KeptHere;

    ~Private()
    {
        if (connectionName.isEmpty())
            return;
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
    }

    schema::Engine schemaEngine() const
    {
        return engine == Engine::SQLite ? schema::Engine::SQLite : schema::Engine::PostgreSQL;
    }

    bool writable() const { return status == OpenStatus::Ok; }

    // PostgreSQL: what the server is waited for in one operation, each statement bounded
    // (see serverwait.h). Nothing for SQLite.
    std::unique_ptr<ServerWait> bound() const
    {
        return engine == Engine::PostgreSQL ? std::make_unique<ServerWait>(db, ServerWaitMs)
                                            : nullptr;
    }

    // Why a write failed, in the program's words and the database's.
    QString writeFailure(const QSqlError &error) const;
    QString notWritable() const;

    bool begin(QString *error);
    bool finish(bool ok, QString *error);
    bool insert(QSqlQuery &entryQuery, QSqlQuery &recordQuery, const Entry &entry, QString *error);
    Entry readEntry(const QSqlQuery &q, bool whole) const;
    // The entries `sql` (with `values` bound in turn) selects, each read whole or not; on a
    // failure none, and why in *error.
    QList<Entry> selectEntries(const QString &sql, const QVariantList &values, bool whole,
                               QString *error) const;
    // A text for a PostgreSQL text column, which cannot hold NUL (the record fields keep
    // every byte in their JSON).
    QString serverText(const QString &text) const;
};

QString Store::Private::writeFailure(const QSqlError &error) const
{
    const QString words = databaseWords(error);
    if (engine == Engine::PostgreSQL)
        return Text::tr("A bejegyzés nem került be a csapat nyilvántartásába (%1): %2.")
            .arg(location, words);
    // %1 is the register's file, %2 the database's own words.
    const char *text = nullptr;
    switch (sqliteCode(error)) {
    case SqliteFull:
        text = QT_TRANSLATE_NOOP("qv::reg::Store",
                                 "A bejegyzés nem került be a nyilvántartásba (%1): a lemez "
                                 "megtelt. Szabadítson fel helyet a lemezen. (%2)");
        break;
    case SqlitePerm:
    case SqliteReadOnly:
    case SqliteCantOpen:
        text = QT_TRANSLATE_NOOP("qv::reg::Store",
                                 "A bejegyzés nem került be a nyilvántartásba (%1): a fájl vagy "
                                 "a mappája nem írható. Ellenőrizze a jogosultságokat, és hogy "
                                 "a lemez nincs-e csak olvashatóként csatolva. (%2)");
        break;
    case SqliteBusy:
    case SqliteLocked:
        text = QT_TRANSLATE_NOOP("qv::reg::Store",
                                 "A bejegyzés nem került be a nyilvántartásba (%1): egy másik "
                                 "program túl sokáig foglalta. Próbálja újra. (%2)");
        break;
    case SqliteCorrupt:
    case SqliteNotADb:
        text = QT_TRANSLATE_NOOP("qv::reg::Store",
                                 "A bejegyzés nem került be a nyilvántartásba (%1): a fájl "
                                 "sérült. Nevezze át, és a program újat hoz létre. (%2)");
        break;
    case SqliteIoErr:
        text = QT_TRANSLATE_NOOP("qv::reg::Store",
                                 "A bejegyzés nem került be a nyilvántartásba (%1): írási hiba "
                                 "történt. Ellenőrizze a lemezt. (%2)");
        break;
    default:
        text = QT_TRANSLATE_NOOP("qv::reg::Store",
                                 "A bejegyzés nem került be a nyilvántartásba (%1): nem "
                                 "írható. (%2)");
        break;
    }
    return Text::tr(text).arg(QDir::toNativeSeparators(location), words);
}

QString Store::Private::notWritable() const
{
    if (!message.isEmpty())
        return message;
    return Text::tr("A nyilvántartás nem használható.");
}

bool Store::Private::begin(QString *error)
{
    QSqlQuery q(db);
    if (engine != Engine::SQLite) {
        if (q.exec(QStringLiteral("BEGIN")))
            return true;
        if (error)
            *error = writeFailure(q.lastError());
        return false;
    }
    // SQLite: the write lock is taken at once, so that another program's write is waited
    // for here instead of failing when a read turns into a write. SQLite's own wait tries
    // again after ever longer sleeps, up to a tenth of a second: a program writing entry
    // after entry leaves the register free only for moments between them, which such a
    // wait keeps missing until its time is up. So the lock is asked for here every
    // millisecond or two, for as long as the busy time-out.
    schema::exec(db, QStringLiteral("PRAGMA busy_timeout = 0"), nullptr);
    const QDeadlineTimer deadline(SqliteBusyTimeoutMs);
    bool locked = false;
    if (q.prepare(QStringLiteral("BEGIN IMMEDIATE"))) {
        while (!(locked = q.exec()) && sqliteCode(q.lastError()) == SqliteBusy &&
               !deadline.hasExpired())
            std::this_thread::sleep_for(
                std::chrono::microseconds(500 + QRandomGenerator::global()->bounded(1500)));
    }
    if (!locked && error)
        *error = writeFailure(q.lastError());
    schema::exec(db, QStringLiteral("PRAGMA busy_timeout = %1").arg(SqliteBusyTimeoutMs), nullptr);
    return locked;
}

bool Store::Private::finish(bool ok, QString *error)
{
    if (ok) {
        QSqlQuery commit(db);
        if (commit.exec(QStringLiteral("COMMIT")))
            return true;
        if (error)
            *error = writeFailure(commit.lastError());
    }
    if (db.isOpen()) // not on a connection that is gone
        schema::exec(db, QStringLiteral("ROLLBACK"), nullptr);
    return false;
}

QString Store::Private::serverText(const QString &text) const
{
    if (engine != Engine::PostgreSQL || !text.contains(QChar(0)))
        return columnText(text);
    return QString(text).replace(QChar(0), QChar::ReplacementCharacter);
}

bool Store::Private::insert(QSqlQuery &e, QSqlQuery &r, const Entry &entry, QString *error)
{
    const auto text = [this](const QString &t) { return serverText(t); };
    e.addBindValue(columnText(entry.id));
    e.addBindValue(entry.time.toMSecsSinceEpoch());
    e.addBindValue(operationKey(entry.operation));
    e.addBindValue(resultKey(entry.result));
    e.addBindValue(text(entry.reason));
    e.addBindValue(text(entry.programVersion));
    e.addBindValue(text(entry.osUser));
    e.addBindValue(text(entry.host));
    e.addBindValue(text(entry.technician));
    e.addBindValue(text(entry.site));
    e.addBindValue(text(entry.port));
    e.addBindValue(entry.baud);
    e.addBindValue(text(entry.identification));
    e.addBindValue(entry.model);
    e.addBindValue(text(entry.moduleId));
    e.addBindValue(text(entry.moduleName));
    e.addBindValue(fieldsToJson(entry.telephones));
    e.addBindValue(entry.acknowledged ? QVariant(int(*entry.acknowledged))
                                      : QVariant(QMetaType::fromType<int>()));
    e.addBindValue(verificationKey(entry.verification));
    e.addBindValue(text(searchText(entry)));
    e.addBindValue(numbersText(entry));
    e.addBindValue(recordedSharing);
    e.addBindValue(text(entry.seriesKey));
    e.addBindValue(entry.seriesRow);
    if (!e.exec()) {
        if (error)
            *error = writeFailure(e.lastError());
        return false;
    }
    r.addBindValue(columnText(entry.id));
    r.addBindValue(fieldsToJson(entry.fields));
    r.addBindValue(differencesToJson(entry.differences));
    if (!r.exec()) {
        if (error)
            *error = writeFailure(r.lastError());
        return false;
    }
    return true;
}

Entry Store::Private::readEntry(const QSqlQuery &q, bool whole) const
{
    Entry entry;
    entry.id = q.value(0).toString();
    entry.time = QDateTime::fromMSecsSinceEpoch(q.value(1).toLongLong(), Qt::UTC);
    entry.operation = operationFromKey(q.value(2).toString()).value_or(Operation::ReadOut);
    entry.result = resultFromKey(q.value(3).toString()).value_or(Result::Failed);
    entry.reason = q.value(4).toString();
    entry.programVersion = q.value(5).toString();
    entry.osUser = q.value(6).toString();
    entry.host = q.value(7).toString();
    entry.technician = q.value(8).toString();
    entry.site = q.value(9).toString();
    entry.port = q.value(10).toString();
    entry.baud = q.value(11).toInt();
    entry.identification = q.value(12).toString();
    entry.model = q.value(13).toInt();
    entry.moduleId = q.value(14).toString();
    entry.moduleName = q.value(15).toString();
    entry.telephones = fieldsFromJson(q.value(16).toString());
    if (!q.value(17).isNull())
        entry.acknowledged = q.value(17).toInt() != 0;
    entry.verification = verificationFromKey(q.value(18).toString()).value_or(Verification::NotRun);
    if (engine == Engine::PostgreSQL)
        entry.where = Where::Shared;
    else
        entry.where = q.value(19).toInt() == OnServer ? Where::LocalAndShared : Where::Local;
    entry.seriesKey = q.value(20).toString();
    entry.seriesRow = q.value(21).toInt();
    if (whole) {
        entry.fields = fieldsFromJson(q.value(RecordColumn).toString());
        entry.differences = differencesFromJson(q.value(RecordColumn + 1).toString());
    }
    return entry;
}

Store::Store(std::unique_ptr<Private> p) : d(std::move(p))
{
}
Store::~Store() = default;
Store::Store(Store &&) noexcept = default;
Store &Store::operator=(Store &&) noexcept = default;

QString Store::defaultSqlitePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("register.sqlite"));
}

Store Store::openSqlite(const QString &path)
{
    auto p = std::make_unique<Private>();
    p->engine = Engine::SQLite;
    p->location = QFileInfo(path).absoluteFilePath();
    const QString shown = QDir::toNativeSeparators(p->location);
    const auto fail = [&p](OpenStatus status, const QString &message) {
        p->status = status;
        p->message = message;
        return Store(std::move(p));
    };

    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(OpenStatus::NoDriver,
                    Text::tr("A nyilvántartás nem használható: hiányzik a Qt "
                             "SQLite-illesztőprogramja (Debianon a libqt6sql6-sqlite "
                             "csomag). Telepítse, majd indítsa újra a programot."));

    const QFileInfo info(p->location);
    const QString folder = info.absolutePath();
    if (!QFileInfo::exists(folder)) {
        if (!QDir().mkpath(folder))
            return fail(OpenStatus::CannotCreate,
                        Text::tr("A nyilvántartás mappája (%1) nem hozható létre. "
                                 "Ellenőrizze, hogy a szülőmappája írható-e.")
                            .arg(QDir::toNativeSeparators(folder)));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    }
    const QString notRegister =
        Text::tr("A(z) %1 fájl nem a program nyilvántartása (%2). A program a "
                 "nyilvántartás nélkül működik tovább, a fájlt nem változtatta meg. "
                 "Nevezze át vagy helyezze át a fájlt, és a program a következő "
                 "indításkor új nyilvántartást kezd.");
    const QString notPlain =
        Text::tr("nem közönséges fájl, hanem mappa, cső, foglalat vagy eszköz");
    if (kindByName(p->location) == FileKind::NotPlain)
        return fail(OpenStatus::NotARegister, notRegister.arg(shown, notPlain));

    // Looked at here only while no other connection of this program has the file (see
    // localfile.h); one that has it found it a register.
    FileKind kind = FileKind::Database;
    QString createError;
    p->claim = FileClaim::claim(p->location, [&](bool alone) {
        if (!alone)
            return;
        if (!QFileInfo::exists(p->location)) {
            // Made here with the owner's rights only, before SQLite opens it: SQLite gives
            // its -wal and -shm files the same rights. Another program may make it meanwhile.
            QFile file(p->location);
            if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                           QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                !QFileInfo::exists(p->location)) {
                kind = FileKind::Missing;
                createError = file.errorString();
                return;
            }
        }
        kind = inspectFile(p->location);
    });
    switch (kind) {
    case FileKind::Missing:
        return fail(OpenStatus::CannotCreate,
                    Text::tr("A nyilvántartás fájlja (%1) nem hozható létre: %2. "
                             "Ellenőrizze, hogy a mappája írható-e, és hogy van-e "
                             "hely a lemezen.")
                        .arg(shown, createError));
    case FileKind::NotPlain:
        return fail(OpenStatus::NotARegister, notRegister.arg(shown, notPlain));
    case FileKind::NotDatabase:
        return fail(OpenStatus::NotARegister,
                    notRegister.arg(shown, Text::tr("nem adatbázis, vagy sérült")));
    case FileKind::Truncated:
        return fail(OpenStatus::NotARegister,
                    notRegister.arg(shown, Text::tr("sérült: csonka adatbázis")));
    case FileKind::Unreadable:
        return fail(OpenStatus::CannotCreate,
                    Text::tr("A nyilvántartás fájlja (%1) nem olvasható. Ellenőrizze a "
                             "jogosultságait.")
                        .arg(shown));
    case FileKind::Empty:
    case FileKind::Database:
        break;
    }

    p->connectionName = nextConnectionName();
    p->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), p->connectionName);
    p->db.setDatabaseName(p->location);
    p->db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(SqliteBusyTimeoutMs));
    if (!p->db.open())
        return fail(OpenStatus::CannotCreate,
                    Text::tr("A nyilvántartás fájlja (%1) nem nyitható meg: %2.")
                        .arg(shown, databaseWords(p->db.lastError())));

    // Only reads until the file is known to be a register (or an empty database).
    QStringList tables;
    {
        QSqlQuery q(p->db);
        bool read = q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
        const int refusal = read ? 0 : sqliteCode(q.lastError());
        if (refusal == SqliteReadOnly || refusal == SqliteCantOpen) {
            // A register in a folder this user may not write: SQLite cannot make the
            // write-ahead log and its index beside it. Nobody can then write the register
            // (a writer needs them too), so it is read as a file that does not change.
            q = QSqlQuery();
            p->db.close();
            QUrl uri = QUrl::fromLocalFile(p->location);
            uri.setQuery(QStringLiteral("immutable=1"));
            p->db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
            p->db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
            read = p->db.open();
            q = QSqlQuery(p->db);
            read = read &&
                   q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
        }
        if (!read) {
            if (const int code = sqliteCode(q.lastError());
                code == SqliteCorrupt || code == SqliteNotADb)
                return fail(OpenStatus::NotARegister,
                            notRegister.arg(shown, Text::tr("sérült adatbázis")));
            return fail(OpenStatus::CannotCreate,
                        Text::tr("A nyilvántartás fájlja (%1) nem olvasható: %2.")
                            .arg(shown, databaseWords(q.lastError())));
        }
        while (q.next())
            tables << q.value(0).toString();
    }
    if (!tables.isEmpty() && !tables.contains(QStringLiteral("qv_schema")))
        return fail(OpenStatus::NotARegister,
                    notRegister.arg(shown, Text::tr("egy másik program adatbázisa")));

    // Fails on a read-only file: such a register is still read, and record() says why
    // it cannot write.
    schema::exec(p->db, QStringLiteral("PRAGMA journal_mode = WAL"), nullptr);

    Store store(std::move(p));
    store.d->status = OpenStatus::Ok;
    store.finishOpening();
    return store;
}

QString Store::connectionProblem(const QString &connection)
{
    return parseConnection(connection).problem;
}

Store Store::openPostgres(const QString &connection)
{
    auto p = std::make_unique<Private>();
    p->engine = Engine::PostgreSQL;
    p->location = connection.trimmed();
    p->recordedSharing = OnServer;
    p->status = OpenStatus::CannotConnect;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        p->status = OpenStatus::NoDriver;
        p->message = Text::tr(
            "A csapat nyilvántartása nem használható: hiányzik a Qt PostgreSQL-illesztőprogramja "
            "(Debianon a libqt6sql6-psql csomag). Telepítse, majd indítsa újra a programot; "
            "addig a bejegyzések a helyi nyilvántartásban várnak.");
        return Store(std::move(p));
    }
    const ConnectionParts parts = parseConnection(connection);
    if (!parts.ok()) {
        p->message = parts.problem;
        return Store(std::move(p));
    }

    p->connectionName = nextConnectionName();
    p->db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), p->connectionName);
    // Host, database, user and a single port as the driver's own settings; every other
    // keyword (service, sslmode, passfile, a list of ports…) as its options, which the
    // driver appends to the connection string it gives libpq.
    QStringList options;
    for (const auto &[key, value] : parts.keywords) {
        bool numeric = false;
        const int port = value.toInt(&numeric);
        if (key == QLatin1StringView("host"))
            p->db.setHostName(value);
        else if (key == QLatin1StringView("dbname"))
            p->db.setDatabaseName(value);
        else if (key == QLatin1StringView("user"))
            p->db.setUserName(value);
        else if (key == QLatin1StringView("port") && numeric)
            p->db.setPort(port);
        else
            options << key + u'=' + quotedConnectionValue(value);
    }
    // Unless the connection says otherwise: an unreachable server fails within seconds,
    // and so does a connection whose network went away while a query was under way.
    const std::pair<const char *, int> bounds[] = {
        {"connect_timeout", ConnectTimeoutS},  {"tcp_user_timeout", TcpUserTimeoutMs},
        {"keepalives_idle", KeepalivesIdleS},  {"keepalives_interval", KeepalivesIntervalS},
        {"keepalives_count", KeepalivesCount},
    };
    for (const auto &[key, value] : bounds) {
        if (!parts.has(QString::fromLatin1(key)))
            options << QStringLiteral("%1=%2").arg(QLatin1StringView(key)).arg(value);
    }
    p->db.setConnectOptions(options.join(u' '));

    if (!p->db.open()) {
        const QString words = databaseWords(p->db.lastError());
        const bool refused = words.contains(QLatin1StringView("password")) ||
                             words.contains(QLatin1StringView("authentication"));
        p->message = refused
                         ? Text::tr("A csapat nyilvántartása (%1) elutasította a bejelentkezést: "
                                    "%2. Ellenőrizze a felhasználó nevét és a jelszót a ~/.pgpass "
                                    "fájlban; addig a bejegyzések a helyi nyilvántartásban "
                                    "várnak.")
                               .arg(p->location, words)
                         : Text::tr("A csapat nyilvántartása (%1) nem érhető el: %2. Ellenőrizze a "
                                    "hálózatot és a kapcsolat adatait; addig a bejegyzések a helyi "
                                    "nyilvántartásban várnak.")
                               .arg(p->location, words);
        return Store(std::move(p));
    }
    ServerWait::quietNotices(p->db);
    {
        const ServerWait waiting(p->db, ServerWaitMs);
        schema::exec(p->db, QStringLiteral("SET statement_timeout = %1").arg(StatementTimeoutMs),
                     nullptr);
    }

    Store store(std::move(p));
    store.d->status = OpenStatus::Ok;
    store.finishOpening();
    return store;
}

void Store::finishOpening()
{
    const schema::Engine engine = d->schemaEngine();
    const QString shown =
        d->engine == Engine::SQLite ? QDir::toNativeSeparators(d->location) : d->location;
    const auto waiting = d->bound(); // the few statements of the schema at once
    QString error;
    int version = schema::version(d->db, engine, &error);
    if (version >= 0 && version < SchemaVersion) {
        if (!schema::migrate(d->db, engine, SchemaVersion, &error))
            version = -1;
        else
            version = schema::version(d->db, engine, &error);
    }
    if (version < 0) {
        d->status =
            d->engine == Engine::SQLite ? OpenStatus::CannotCreate : OpenStatus::CannotConnect;
        d->message = Text::tr("A nyilvántartás (%1) nem hozható létre vagy nem "
                              "olvasható: %2. Ellenőrizze, hogy írható-e.")
                         .arg(shown, error);
        return;
    }
    if (version > SchemaVersion) {
        d->status = OpenStatus::ReadOnlyNewer;
        d->message = Text::tr("A nyilvántartást (%1) a program egy újabb változata írta "
                              "(%2. változatú adatszerkezet; ez a program a(z) %3. "
                              "változatig ismeri). A bejegyzései olvashatók, de új "
                              "bejegyzés nem kerül bele: frissítse a programot.")
                         .arg(shown)
                         .arg(version)
                         .arg(SchemaVersion);
    }
}

Store::Engine Store::engine() const
{
    return d ? d->engine : Engine::SQLite;
}

Store::OpenStatus Store::status() const
{
    return d ? d->status : OpenStatus::CannotCreate;
}

QString Store::message() const
{
    return d ? d->message : QString();
}

QString Store::location() const
{
    return d ? d->location : QString();
}

QSqlDatabase Store::database() const
{
    return d ? d->db : QSqlDatabase();
}

void Store::setOutbox(bool on)
{
    if (d && d->engine == Engine::SQLite)
        d->recordedSharing = on ? Waiting : KeptHere;
}

bool Store::record(const Entry &entry, QString *error)
{
    return record(QList<Entry>{entry}, error);
}

bool Store::record(const QList<Entry> &entries, QString *error)
{
    if (!d || !d->writable()) {
        if (error)
            *error = d ? d->notWritable() : QString();
        return false;
    }
    const auto waiting = d->bound();
    if (!d->begin(error))
        return false;
    QString fault;
    QSqlQuery e(d->db);
    QSqlQuery r(d->db);
    bool ok =
        e.prepare(QStringLiteral(
            "INSERT INTO qv_entry (id, time_ms, operation, result, reason, program_version, "
            "os_user, host, technician, site, port, baud, identification, model, module_id, "
            "module_name, telephones, acknowledged, verification, search, numbers, sharing, "
            "series_key, series_row) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
            "ON CONFLICT (id) DO NOTHING")) &&
        r.prepare(QStringLiteral("INSERT INTO qv_record (id, fields, differences) VALUES (?, ?, ?) "
                                 "ON CONFLICT (id) DO NOTHING"));
    if (!ok)
        fault = d->writeFailure(e.lastError().isValid() ? e.lastError() : r.lastError());
    for (const Entry &entry : entries) {
        if (!ok)
            break;
        if (waiting)
            waiting->restart();
        ok = d->insert(e, r, entry, &fault);
    }
    e.finish();
    r.finish();
    if (waiting)
        waiting->restart();
    if (!d->finish(ok, &fault)) {
        if (error)
            *error = fault;
        return false;
    }
    return true;
}

QList<Entry> Store::search(const Query &query, QString *error) const
{
    return find(query, false, error);
}

QList<Entry> Store::searchNotShared(const Query &query, QString *error) const
{
    return find(query, d && d->engine == Engine::SQLite, error);
}

QList<Entry> Store::find(const Query &query, bool notShared, QString *error) const
{
    if (!d || !isOpen()) {
        if (error)
            *error = d ? d->notWritable() : QString();
        return {};
    }
    QStringList where;
    QVariantList values;
    const QString text = query.text.trimmed();
    if (!text.isEmpty()) {
        const QString number = searchedNumber(text);
        if (number.isEmpty()) {
            where << QStringLiteral("e.search LIKE ? ESCAPE '!'");
        } else {
            where << QStringLiteral("(e.search LIKE ? ESCAPE '!' OR e.numbers LIKE ? ESCAPE '!')");
        }
        values << d->serverText(containsPattern(text.toLower()));
        if (!number.isEmpty())
            values << containsPattern(number);
    }
    if (query.from.isValid()) {
        where << QStringLiteral("e.time_ms >= ?");
        values << dayStartMs(query.from, query.zone);
    }
    if (query.to.isValid()) {
        where << QStringLiteral("e.time_ms < ?");
        values << dayStartMs(query.to.addDays(1), query.zone);
    }
    if (notShared) // as written in the index's condition, so that SQLite uses it
        where << QStringLiteral("e.sharing <> 2");
    if (query.module && !query.module->first.isEmpty()) {
        where << QStringLiteral("e.module_id = ?");
        values << d->serverText(query.module->first);
    } else if (query.module) {
        where << QStringLiteral("e.module_id = ? AND e.module_name = ?");
        values << d->serverText(QString()) << d->serverText(query.module->second);
    }
    // Ids compared as their bytes on both engines (a PostgreSQL database's own collation
    // may order them otherwise), as the journal merges the two.
    const QString id = d->engine == Engine::PostgreSQL ? QStringLiteral("e.id COLLATE \"C\"")
                                                       : QStringLiteral("e.id");
    if (query.after) {
        // The time alone as a range that the time index serves, the id among equal times.
        const qint64 time = query.after->time.toMSecsSinceEpoch();
        where << QStringLiteral("e.time_ms <= ? AND (e.time_ms < ? OR %1 < ?)").arg(id);
        values << time << time << d->serverText(query.after->id);
    }
    QString sql = QStringLiteral("SELECT ") + kEntryColumns + QStringLiteral(" FROM qv_entry e");
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY e.time_ms DESC, %1 DESC LIMIT ?").arg(id);
    values << (query.limit > 0 ? query.limit : INT_MAX);

    return d->selectEntries(sql, values, false, error);
}

QList<Entry> Store::Private::selectEntries(const QString &sql, const QVariantList &values,
                                           bool whole, QString *error) const
{
    QList<Entry> entries;
    const auto waiting = bound();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    bool ok = q.prepare(sql);
    if (ok) {
        for (const QVariant &value : values)
            q.addBindValue(value);
        ok = q.exec();
    }
    if (!ok) {
        if (error)
            *error = Text::tr("A keresés nem sikerült a nyilvántartásban (%1): %2.")
                         .arg(location, databaseWords(q.lastError()));
        return entries;
    }
    while (q.next())
        entries << readEntry(q, whole);
    return entries;
}

std::optional<Entry> Store::entry(const QString &id, QString *error) const
{
    if (!d || !isOpen())
        return std::nullopt;
    const auto waiting = d->bound();
    QSqlQuery q(d->db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT ") + kEntryColumns +
              QStringLiteral(", r.fields, r.differences FROM qv_entry e "
                             "LEFT JOIN qv_record r ON r.id = e.id WHERE e.id = ?"));
    q.addBindValue(columnText(id));
    if (!q.exec()) {
        if (error)
            *error = Text::tr("A bejegyzés nem olvasható a nyilvántartásból (%1): %2.")
                         .arg(d->location, databaseWords(q.lastError()));
        return std::nullopt;
    }
    if (!q.next())
        return std::nullopt;
    return d->readEntry(q, true);
}

QList<Entry> Store::seriesDownloads(const QString &seriesKey, QString *error) const
{
    if (!d || !isOpen() || seriesKey.isEmpty()) {
        if (error && d && !isOpen())
            *error = d->notWritable();
        return {};
    }
    return d->selectEntries(QStringLiteral("SELECT ") + kEntryColumns +
                                QStringLiteral(", r.fields, r.differences FROM qv_entry e "
                                               "LEFT JOIN qv_record r ON r.id = e.id "
                                               "WHERE e.series_key = ? AND e.operation = ? AND "
                                               "e.result = ? AND e.acknowledged = 1 AND "
                                               "e.verification IN (?, ?) ORDER BY e.time_ms, e.id"),
                            {d->serverText(seriesKey), operationKey(Operation::Download),
                             resultKey(Result::Ok), verificationKey(Verification::Same),
                             verificationKey(Verification::NotRun)},
                            true, error);
}

QList<Entry> Store::seriesEntries(const QString &keyPrefix, QString *error) const
{
    if (!d || !isOpen() || keyPrefix.isEmpty())
        return {};
    return d->selectEntries(
        QStringLiteral("SELECT ") + kEntryColumns +
            QStringLiteral(" FROM qv_entry e WHERE e.series_key <> '' AND "
                           "substr(e.series_key, 1, ?) = ? AND "
                           "e.operation = ? ORDER BY e.time_ms, e.id"),
        {int(keyPrefix.size()), d->serverText(keyPrefix), operationKey(Operation::Download)}, false,
        error);
}

QSet<QString> Store::present(const QStringList &ids) const
{
    QSet<QString> found;
    if (!d || !isOpen() || ids.isEmpty())
        return found;
    const auto waiting = d->bound();
    QSqlQuery q(d->db);
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT id FROM qv_entry WHERE id = ?")))
        return found;
    for (const QString &id : ids) {
        if (waiting)
            waiting->restart();
        q.addBindValue(columnText(id));
        if (q.exec() && q.next())
            found << id;
    }
    return found;
}

void Store::setAutomaticCheckpoints(bool on)
{
    if (d && d->engine == Engine::SQLite && d->status == OpenStatus::Ok)
        schema::exec(d->db,
                     on ? QStringLiteral("PRAGMA wal_autocheckpoint = 1000")
                        : QStringLiteral("PRAGMA wal_autocheckpoint = 0"),
                     nullptr);
}

void Store::checkpoint()
{
    if (d && d->engine == Engine::SQLite && d->status == OpenStatus::Ok)
        schema::exec(d->db, QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"), nullptr);
}

qint64 Store::count() const
{
    if (!d || !isOpen())
        return 0;
    const auto waiting = d->bound();
    QSqlQuery q(d->db);
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM qv_entry")) || !q.next())
        return 0;
    return q.value(0).toLongLong();
}

QList<Entry> Store::unshared(int limit) const
{
    QList<Entry> entries;
    if (!d || !isOpen() || d->engine != Engine::SQLite)
        return entries;
    QSqlQuery q(d->db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT ") + kEntryColumns +
              QStringLiteral(", r.fields, r.differences FROM qv_entry e "
                             "LEFT JOIN qv_record r ON r.id = e.id WHERE e.sharing = ? "
                             "ORDER BY e.time_ms, e.id LIMIT ?"));
    q.addBindValue(Waiting);
    q.addBindValue(limit > 0 ? limit : INT_MAX);
    if (!q.exec())
        return entries;
    while (q.next())
        entries << d->readEntry(q, true);
    return entries;
}

bool Store::markShared(const QStringList &ids)
{
    if (!d || !d->writable() || d->engine != Engine::SQLite)
        return false;
    if (ids.isEmpty())
        return true;
    QString fault;
    if (!d->begin(&fault))
        return false;
    QSqlQuery q(d->db);
    bool ok = q.prepare(QStringLiteral("UPDATE qv_entry SET sharing = ? WHERE id = ?"));
    for (const QString &id : ids) {
        if (!ok)
            break;
        q.addBindValue(OnServer);
        q.addBindValue(columnText(id));
        ok = q.exec();
    }
    q.finish();
    return d->finish(ok, &fault);
}

bool Store::isShared(const QString &id) const
{
    if (!d || !isOpen() || d->engine != Engine::SQLite)
        return false;
    QSqlQuery q(d->db);
    q.prepare(QStringLiteral("SELECT sharing FROM qv_entry WHERE id = ?"));
    q.addBindValue(columnText(id));
    return q.exec() && q.next() && q.value(0).toInt() == OnServer;
}

int Store::waiting() const
{
    if (!d || !isOpen() || d->engine != Engine::SQLite)
        return 0;
    QSqlQuery q(d->db);
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM qv_entry WHERE sharing = ?"));
    q.addBindValue(Waiting);
    return q.exec() && q.next() ? q.value(0).toInt() : 0;
}

} // namespace qv::reg

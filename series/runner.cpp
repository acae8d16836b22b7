// The series run: one module after the other on one port, each written with its row's
// record, read back, recorded and reported, with the rows the register holds as done left
// alone; one run of a series at a time on this computer.
#include "series/series.h"

#include "form/deviceprofile.h"
#include "register/claims.h"
#include "register/exchangeentry.h"
#include "register/journal.h"
#include "register/store.h"
#include "serial/exchangethread.h"
#include "serial/identifymodule.h"
#include "serial/serialline.h"
#include "series/dispenser.h"
#include "settings/devsettings.h"
#include "transfer/configrecord.h"
#include "transfer/download.h"
#include "transfer/exchange.h"
#include "transfer/readoutcore.h"
#include "transfer/writemodule.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QMutex>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSet>
#include <QSysInfo>
#include <QThread>

#include <atomic>
#include <functional>
#include <vector>

namespace qv::series {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::series)
};

// While the port is missing (an adapter not plugged in yet), it is looked for this often.
constexpr int MissingPortPollMs = 100;
// A module that answers is asked again after this pause while it is waited to go.
constexpr int PresentPollMs = 150;
// A port refused (permissions, busy) is tried this many times, this far apart, before the
// run ends: a freshly plugged adapter may be refused until the system has set its rights.
// One that fails for another reason (in the system's words) is given longer: a device
// that is being set up may fail oddly for a moment.
constexpr int RefusalTries = 3;
constexpr int OtherFailureTries = 10;
constexpr int RefusalRetryMs = 300;
// With a team register, the server is asked again this often while it cannot be reached, and
// while the rows left are held by other benches.
constexpr int ClaimPollMs = 1000;

// The 56 items of a download record.
QStringList recordFields(const QString &record, QChar separator)
{
    QStringList items = transfer::record::downloadLines(record, separator);
    if (items.size() > transfer::record::FieldCount)
        items.resize(transfer::record::FieldCount);
    return items;
}

// The batch a series key names: `first` itself is the first, "first/N" the N-th; 0 for
// another series.
int batchOf(const QString &key, const QString &first)
{
    if (key == first)
        return 1;
    bool ok = false;
    const int n = key.startsWith(first + u'/') ? key.mid(first.size() + 1).toInt(&ok) : 0;
    return ok && n > 1 ? n : 0;
}

bool isRefusal(const std::optional<serial::OpenFailure> &failure)
{
    return failure && (failure->kind == serial::OpenFailure::Kind::PermissionDenied ||
                       failure->kind == serial::OpenFailure::Kind::Busy);
}

// Whether a module on `port` begins to answer the identification request within
// `withinMs`: nothing more is read (the module finishes its answer to nobody).
enum class Presence { Answers, Silent, Gone };

Presence probe(const QString &port, qint32 baud, int withinMs)
{
    serial::SerialLine line;
    if (line.open(serial::lines::identification(port, baud)) != serial::OpenResult::Ok)
        return Presence::Gone;
    line.writeBytes(QByteArrayLiteral("~|"));
    const serial::ByteRead read = line.readByte(withinMs);
    line.close();
    switch (read.status) {
    case serial::ReadStatus::Byte:
        return Presence::Answers;
    case serial::ReadStatus::Silence:
        return Presence::Silent;
    case serial::ReadStatus::Gone:
        break;
    }
    return Presence::Gone;
}

// Hands the exchange's bytes on as the unit's percentage, within [from, to].
class UnitProgress : public transfer::DownloadProgress, public serial::ReadProgress
{
public:
    // With a read-back the download is the first half of the unit's bar, the read-back the
    // second.
    UnitProgress(SeriesObserver &observer, int row, bool verify)
        : m_observer(observer), m_row(row), m_downloadTo(verify ? 50 : 100)
    {
    }
    void range(int maximum) override { m_downloadTotal = qMax(1, maximum); }
    void value(int value) override { tell(0, m_downloadTo, value, m_downloadTotal); }
    void advance() override
    {
        tell(50, 100, ++m_readBytes, transfer::record::FieldCount * transfer::record::ItemWidth);
    }
    bool cancelled() override { return false; }

private:
    void tell(int from, int to, int done, int total)
    {
        const int percent = from + (to - from) * qMin(done, total) / total;
        if (percent != m_shown) {
            m_shown = percent;
            m_observer.progress(m_row, percent);
        }
    }
    SeriesObserver &m_observer;
    int m_row;
    int m_downloadTo;
    int m_downloadTotal = 1, m_readBytes = 0, m_shown = -1;
};

// One run of a series at a time on this computer: two runs of one series would both write
// its rows. A lock file beside the register, named after the series and this computer, is
// held while the run goes, with a note of the run's port beside it. A run that crashed
// leaves its lock file behind; the next run finds that the process it names is gone (or is
// another program) and takes the lock over.
class RunLock
{
public:
    explicit RunLock(const QString &seriesKey)
    {
        const QByteArray name =
            QCryptographicHash::hash((seriesKey + u'\n' + QSysInfo::machineHostName()).toUtf8(),
                                     QCryptographicHash::Sha256)
                .toHex()
                .left(16);
        const QString folder = QFileInfo(reg::Store::defaultSqlitePath()).absolutePath();
        m_notePath = QDir(folder).filePath(QStringLiteral("series-%1.port").arg(name));
        m_lock.emplace(QDir(folder).filePath(QStringLiteral("series-%1.lock").arg(name)));
        m_lock->setStaleLockTime(0); // stale only when its process is gone, however old
    }
    ~RunLock()
    {
        if (m_lock->isLocked())
            QFile::remove(m_notePath);
    }

    // Where a unit being written leaves its note ("series-NAME.row7"): written before the
    // download begins and removed once the unit is recorded, so that a run that ended in the
    // middle of a unit (killed, the power gone) is told by the next run of the series here.
    QString unitNote(int row) const
    {
        return m_notePath.chopped(4) + QStringLiteral("row%1").arg(row + 1);
    }
    // The rows (0-based) whose notes an earlier run left, with their ports; the notes go.
    QList<std::pair<int, QString>> leftUnits() const
    {
        QList<std::pair<int, QString>> left;
        const QFileInfo info(m_notePath);
        const QString stem = info.completeBaseName() + QStringLiteral(".row");
        for (const QFileInfo &note : info.dir().entryInfoList({stem + u'*'}, QDir::Files)) {
            bool ok = false;
            const int row = note.fileName().mid(stem.size()).toInt(&ok);
            QFile file(note.filePath());
            if (ok && row > 0 && file.open(QIODevice::ReadOnly))
                left.append({row - 1, QString::fromUtf8(file.read(4096)).trimmed()});
            file.close();
            QFile::remove(note.filePath());
        }
        return left;
    }

    // False with the reason when the series runs elsewhere on this computer, or the lock
    // file cannot be made.
    bool take(const QString &port, QString *why)
    {
        qint64 pid = 0;
        QString host, program;
        // A run that ends just then lets go of the lock between the two looks: look again.
        for (int look = 0; look < 2; ++look) {
            if (m_lock->tryLock(0)) {
                QSaveFile note(m_notePath);
                if (note.open(QIODevice::WriteOnly)) {
                    note.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                               port.toUtf8() + '\n');
                    note.commit();
                }
                return true;
            }
            if (m_lock->error() != QLockFile::LockFailedError ||
                m_lock->getLockInfo(&pid, &host, &program))
                break;
        }
        if (m_lock->error() != QLockFile::LockFailedError || pid <= 0) {
            *why = Text::tr("A sorozat zárolófájlja (%1) nem hozható létre. Ellenőrizze, hogy a "
                            "mappája írható-e.")
                       .arg(QDir::toNativeSeparators(m_lock->fileName()));
            return false;
        }
        const QString heldPort = portOf(pid);
        const QString process =
            Text::tr("%1, folyamatazonosító: %2").arg(program, QString::number(pid));
        *why = (heldPort.isEmpty()
                    ? Text::tr("Ez a sorozat már fut ezen a számítógépen (%1).").arg(process)
                    : Text::tr("Ez a sorozat már fut ezen a számítógépen, a(z) %1 porton (%2).")
                          .arg(QDir::toNativeSeparators(heldPort), process)) +
               u' ' +
               Text::tr("Egy sorozat egyszerre csak egy helyen futhat, különben a sorai két "
                        "modulba is bekerülnének. Várja meg, amíg véget ér, vagy állítsa le.");
        return false;
    }

private:
    // The port the run of process `pid` noted, if the note is that run's.
    QString portOf(qint64 pid) const
    {
        QFile note(m_notePath);
        if (!note.open(QIODevice::ReadOnly))
            return {};
        const QList<QByteArray> lines = note.read(4096).split('\n');
        return lines.size() >= 2 && lines.at(0).toLongLong() == pid ? QString::fromUtf8(lines.at(1))
                                                                    : QString();
    }

    std::optional<QLockFile> m_lock;
    QString m_notePath;
};

} // namespace

struct SeriesRunner::State
{
    SeriesSetup setup;
    settings::devSettings link; // separators, acknowledgement, the compatibility table's version
    RowDispenser rows;
    mutable QMutex mutex; // the port failure, the model's change, the records, the results file
    bool planned = false;
    std::atomic<bool> stopping{false}; // asked to stop
    std::atomic<bool> ending{false};   // the run ends of itself (a unit not recorded)
    std::atomic<int> model{settings::NoDevice};
    QMutex modelMutex; // the first module's lane sets the model
    std::optional<serial::OpenFailure> portFailure;
    std::atomic<bool> notRecorded{false};
    QString key; // the register's name for the series, of its batch (plan())
    std::function<QString(int)> unitNotes; // the run lock's note of a unit being written
    int batch = 1;
    // With a team register: its connection, the series' name there and this bench's.
    QString teamConnection, claimKey, claimName, bench;
    // The rows' records for the series' model, as they are needed.
    QHash<int, QString> records;
    int recordsModel = settings::NoDevice;

    QChar downloadSeparator() const { return QChar(char16_t(quint8(link.DownloadSeparator))); }
    // The series' speed with the protocol's characters, for the exchanges on `port`.
    transfer::Link exchangeLink(const QString &port) const
    {
        transfer::Link l = transfer::linkOf(link);
        l.port = port;
        l.baud = setup.baud;
        return l;
    }
    bool over() const { return stopping || ending; }

    UnitResult result(int row) const { return rows.at(row); }
    void setResult(const UnitResult &result) { rows.set(result); }
    bool anyDone() const
    {
        const QList<UnitResult> all = rows.results();
        return std::any_of(all.cbegin(), all.cend(),
                           [](const UnitResult &r) { return r.state == UnitState::PassedEarlier; });
    }

    // Sleeps `ms` unless the run ends meanwhile; false when it does.
    bool pause(int ms) const
    {
        QElapsedTimer clock;
        clock.start();
        while (!over()) {
            const qint64 left = ms - clock.elapsed();
            if (left <= 0)
                return true;
            QThread::msleep(quint64(qMin<qint64>(left, 20)));
        }
        return false;
    }

    QString saveResults() const
    {
        const QMutexLocker lock(&mutex);
        const QByteArray bytes = resultsCsv(setup.units, rows.results());
        QSaveFile file(setup.resultsPath);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
            return {};
        return Text::tr(
                   "Az eredményfájl (%1) nem írható: %2. Ellenőrizze, hogy a mappája írható-e, "
                   "és hogy nincs-e megnyitva egy táblázatkezelőben.")
            .arg(QDir::toNativeSeparators(setup.resultsPath), file.errorString());
    }

    enum class Found { Module, Stopped, PortUnusable };
    Found waitForModule(const QString &port, serial::IdentifyOutcome &outcome);
    bool waitForRemoval(const QString &port);
    void takeModel(int newModel, SeriesObserver &observer);
    QString recordOf(int row, int moduleModel);
    int heldRow(const QStringList &moduleFields, int moduleModel);
    reg::Entry entryFor(const transfer::ExchangeReport &report,
                        const serial::IdentifyOutcome &module, int row, const QString &port) const;
    UnitResult writeUnit(const QString &port, int row, const QString &record,
                         const serial::IdentifyOutcome &module, reg::Journal &journal,
                         SeriesObserver &observer, bool &portRefused, QString &entryId);
    // One lane: module after module on `port`, until no row is left or the run ends. False
    // with `error` when the lane ended the run (the register) or its port cannot be used.
    bool lane(const QString &port, reg::Journal &journal, SeriesObserver &observer, QString *error);
};

namespace {

// The register's reason for the last entry it refused: the journal tells it as it refuses.
class RefusalCatcher
{
public:
    explicit RefusalCatcher(reg::Journal &journal)
    {
        m_connection = QObject::connect(&journal, &reg::Journal::statusMessage, &journal,
                                        [this](const QString &message) { m_reason = message; });
    }
    ~RefusalCatcher() { QObject::disconnect(m_connection); }
    QString reason() const { return m_reason; }

private:
    QMetaObject::Connection m_connection;
    QString m_reason;
};

} // namespace

SeriesRunner::State::Found SeriesRunner::State::waitForModule(const QString &port,
                                                              serial::IdentifyOutcome &outcome)
{
    int refusals = 0;
    while (!over()) {
        outcome = serial::identifyModule(port, setup.baud, link.Version, setup.answerWithinMs);
        if (outcome.end == serial::IdentifyEnd::NotOpen) {
            const bool other = outcome.openFailure &&
                               outcome.openFailure->kind == serial::OpenFailure::Kind::Other;
            if (isRefusal(outcome.openFailure) || other) {
                if (++refusals >= (other ? OtherFailureTries : RefusalTries)) {
                    const QMutexLocker lock(&mutex);
                    portFailure = outcome.openFailure;
                    return Found::PortUnusable;
                }
                pause(RefusalRetryMs);
            } else {
                refusals = 0; // not there (yet): an adapter per module comes and goes
                pause(MissingPortPollMs);
            }
            continue;
        }
        refusals = 0;
        if (outcome.end != serial::IdentifyEnd::NoModule)
            return Found::Module;
    }
    return Found::Stopped;
}

// The module is gone once its port has stayed silent (identifications left unanswered for
// their own time-out) or absent (or taken: then the wait for the next module says why) for
// RemovalSettleMs, from the first request that went unanswered on. One that answers before
// then is the same module, its contact loose for a moment.
bool SeriesRunner::State::waitForRemoval(const QString &port)
{
    const int silence = serial::lines::identification(port, setup.baud).readTimeout();
    QElapsedTimer clock;
    clock.start();
    qint64 awaySince = -1;
    while (!over()) {
        const qint64 asked = clock.elapsed();
        const Presence presence = probe(port, setup.baud, silence);
        if (presence == Presence::Answers) {
            awaySince = -1;
            pause(PresentPollMs);
            continue;
        }
        if (awaySince < 0)
            awaySince = asked;
        if (clock.elapsed() - awaySince >= RemovalSettleMs)
            return true;
        if (presence == Presence::Gone)
            pause(MissingPortPollMs);
    }
    return false;
}

// The series' model, from the register or the first module: the rows that set a field it
// lacks fail.
void SeriesRunner::State::takeModel(int newModel, SeriesObserver &observer)
{
    model = newModel;
    const QList<CellProblem> problems = checkUnits(setup.units, setup.baseValues, model);
    // Each row's first problem: the header's come first, and hit the rows that fill their
    // column.
    const qsizetype count = setup.units.rows.size();
    QList<QString> reasons(count);
    for (const CellProblem &p : problems) {
        if (p.row > 0) {
            if (p.row <= count && reasons.at(p.row - 1).isEmpty())
                reasons[p.row - 1] = problemText(p);
            continue;
        }
        const qsizetype column = setup.units.columns.indexOf(p.column);
        if (column < 0)
            continue;
        for (qsizetype row = 0; row < count; ++row) {
            if (reasons.at(row).isEmpty() && !setup.units.rows.at(row).value(column).isEmpty())
                reasons[row] = problemText(p);
        }
    }
    for (int row = 0; row < count; ++row) {
        UnitResult r = result(row);
        if (reasons.at(row).isEmpty() || r.state != UnitState::Pending)
            continue;
        r.state = UnitState::Failed;
        r.reason = reasons.at(row);
        r.time = QDateTime::currentDateTimeUtc();
        setResult(r);
        observer.unitChanged(r);
    }
}

QString SeriesRunner::State::recordOf(int row, int moduleModel)
{
    const QMutexLocker lock(&mutex);
    if (moduleModel != recordsModel) {
        records.clear();
        recordsModel = moduleModel;
    }
    auto it = records.find(row);
    if (it == records.end())
        it = records.insert(
            row, unitRecord(setup.units, row, setup.baseValues, moduleModel, downloadSeparator()));
    return *it;
}

// The row this series wrote (earlier, or in this run) whose record `moduleFields`, a
// module's read-out, holds; -1 when none.
int SeriesRunner::State::heldRow(const QStringList &moduleFields, int moduleModel)
{
    QList<int> written;
    for (const UnitResult &r : rows.results()) {
        if (r.state == UnitState::PassedEarlier || r.state == UnitState::Passed ||
            r.state == UnitState::WrittenNotRecorded || r.state == UnitState::ClaimLost)
            written << r.row;
    }
    for (const int row : std::as_const(written)) {
        const QString record = recordOf(row, moduleModel);
        if (!record.isEmpty() &&
            transfer::compareRecords(record, moduleFields, downloadSeparator()).isEmpty())
            return row;
    }
    return -1;
}

reg::Entry SeriesRunner::State::entryFor(const transfer::ExchangeReport &report,
                                         const serial::IdentifyOutcome &module, int row,
                                         const QString &port) const
{
    Q_UNUSED(port) // the report names the port of its exchange
    reg::Entry entry = reg::entryForExchange(
        report,
        reg::exchangeContext(setup.programVersion.isEmpty() ? link.Version : setup.programVersion,
                             module.id.text, module.id.model));
    entry.seriesKey = key;
    entry.seriesRow = row + 1;
    return entry;
}

UnitResult SeriesRunner::State::writeUnit(const QString &port, int row, const QString &record,
                                          const serial::IdentifyOutcome &module,
                                          reg::Journal &journal, SeriesObserver &observer,
                                          bool &portRefused, QString &entryId)
{
    QSaveFile note(unitNotes(row));
    if (note.open(QIODevice::WriteOnly)) {
        note.write(port.toUtf8());
        note.commit();
    }
    UnitResult result = UnitResult::of(row, UnitState::Working);
    result.identification = module.id.text;
    result.port = port;
    setResult(result);
    observer.unitChanged(result);

    UnitProgress progress(observer, row, setup.verify);
    const bool verify = setup.verify;
    transfer::WriteOutcome written = transfer::download(
        exchangeLink(port), record, [verify] { return verify; }, &progress, &progress);
    portRefused = isRefusal(written.openFailure);
    if (portRefused) {
        const QMutexLocker lock(&mutex);
        portFailure = written.openFailure;
    }
    transfer::ExchangeReport &report = written.report;
    if (report.readBack == transfer::ReadBack::Differs) {
        QStringList listed;
        for (const transfer::FieldDifference &d : std::as_const(report.differences))
            listed << Text::tr("%1: „%2” / „%3”").arg(d.field, d.formValue, d.moduleValue);
        report.reason += u'\n' + listed.join(QStringLiteral("; "));
    }

    // Done only once the register holds it: a run resumed asks the register what is done.
    const reg::Entry entry = entryFor(report, module, row, port);
    entryId = entry.id;
    const RefusalCatcher refusal(journal);
    const bool recorded = journal.record(entry);
    const bool passed = report.result == transfer::ExchangeResult::Ok;
    result.state = passed ? UnitState::Passed : UnitState::Failed;
    result.reason = report.reason;
    if (!recorded) {
        notRecorded = true;
        if (passed)
            result.state = UnitState::WrittenNotRecorded;
        result.reason =
            (result.reason.isEmpty() ? QString() : result.reason + u'\n') +
            (refusal.reason().isEmpty() ? Text::tr("A bejegyzés nem került be a nyilvántartásba.")
                                        : refusal.reason());
    }
    result.time = entry.time;
    if (recorded)
        QFile::remove(unitNotes(row));
    observer.progress(row, 100);
    return result;
}

SeriesRunner::SeriesRunner(SeriesSetup setup) : d(std::make_unique<State>())
{
    d->setup = std::move(setup);
    if (d->setup.resultsPath.isEmpty())
        d->setup.resultsPath = defaultResultsPath(d->setup.unitsPath);
    if (d->setup.ports.isEmpty())
        d->setup.ports << d->setup.port;
    d->setup.port = d->setup.ports.constFirst();
    d->model = d->setup.model;
    QList<UnitResult> rows;
    for (int row = 0; row < d->setup.units.rows.size(); ++row)
        rows << UnitResult::of(row);
    d->rows.reset(rows);
}

SeriesRunner::~SeriesRunner() = default;

QList<UnitResult> SeriesRunner::plan(QString *error)
{
    const SeriesSetup &s = d->setup;
    const QSet<int> skipped(s.skippedRows.cbegin(), s.skippedRows.cend());
    QList<UnitResult> planned;
    for (int row = 0; row < s.units.rows.size(); ++row)
        planned << UnitResult::of(row,
                                  skipped.contains(row) ? UnitState::Skipped : UnitState::Pending);

    // A row is done when the register holds a download of it into a module of the
    // series' model, acknowledged and (with verification) read back the same, that sent
    // exactly what the row's record is now. Without a model given, the series' model is
    // the one its first written row went into.
    int model = s.model;
    const reg::Store store = reg::Store::openSqlite(reg::Store::defaultSqlitePath());
    QString why;
    if (!store.isOpen()) {
        why = store.message();
    } else {
        // The batch: the latest one begun, or a new one after it.
        const QString first = seriesKey(s.unitsPath, s.baseFileBytes);
        int batch = 0;
        for (const reg::Entry &e : store.seriesEntries(first, &why))
            batch = qMax(batch, batchOf(e.seriesKey, first));
        if (s.newBatch && batch > 0)
            ++batch;
        const QString key = batch > 1 ? first + u'/' + QString::number(batch) : first;
        d->key = key;
        d->batch = qMax(1, batch);
        // A new batch begins with none of its rows done.
        const bool fresh = s.newBatch && batch > 1;
        const QList<reg::Entry> entries =
            fresh ? QList<reg::Entry>() : store.seriesDownloads(key, &why);
        if (model == settings::NoDevice && !entries.isEmpty())
            model = entries.constFirst().model;
        for (const reg::Entry &entry : entries) {
            const int row = entry.seriesRow - 1;
            if (row < 0 || row >= planned.size() || planned.at(row).state != UnitState::Pending)
                continue;
            if (s.verify && entry.verification != reg::Verification::Same)
                continue;
            if (entry.model != model)
                continue;
            const QString record =
                unitRecord(s.units, row, s.baseValues, entry.model, d->downloadSeparator());
            if (record.isEmpty() || recordFields(record, d->downloadSeparator()) != entry.fields)
                continue;
            planned[row].state = UnitState::PassedEarlier;
            planned[row].time = entry.time;
            planned[row].identification = entry.identification;
            planned[row].port = entry.port;
        }
    }
    if (error)
        *error = why;
    d->rows.reset(planned);
    d->model = model;
    d->planned = why.isEmpty();
    return planned;
}

namespace {

// The observer as the lanes share it: one lane at a time, each call told of its lane's port
// (every call of a lane comes from its own thread).
class LaneObserver : public SeriesObserver
{
public:
    LaneObserver(SeriesObserver &observer, QMutex &mutex, QString port, bool several)
        : m_observer(observer), m_mutex(mutex), m_port(std::move(port)), m_several(several)
    {
    }
    void unitChanged(const UnitResult &result) override
    {
        const QMutexLocker lock(&m_mutex);
        m_observer.unitChanged(result);
    }
    void waiting(Wait what, int row) override
    {
        const QMutexLocker lock(&m_mutex);
        m_observer.waitingOn(m_port, what, row);
    }
    void moduleRefused(const QString &reason) override
    {
        const QMutexLocker lock(&m_mutex);
        m_observer.moduleRefused(m_several ? Text::tr("%1 port: %2").arg(m_port, reason) : reason);
    }
    void progress(int row, int percent) override
    {
        const QMutexLocker lock(&m_mutex);
        m_observer.progress(row, percent);
    }
    void problem(const QString &message) override
    {
        const QMutexLocker lock(&m_mutex);
        m_observer.problem(m_several ? Text::tr("%1 port: %2").arg(m_port, message) : message);
    }

private:
    SeriesObserver &m_observer;
    QMutex &m_mutex;
    QString m_port;
    bool m_several;
};

// A lane's side of a team's claims: its own connection to the server (made again after the
// server was out of reach), and the rows written while it was, whose done marks wait.
class LaneClaims
{
public:
    LaneClaims(QString connection, QString key, QString name, QString bench, int leaseMs)
        : m_connection(std::move(connection)), m_key(std::move(key)), m_name(std::move(name)),
          m_bench(std::move(bench)), m_leaseMs(leaseMs)
    {
    }
    bool team() const { return !m_connection.isEmpty(); }

    // The book on a live connection, or nullptr while the server cannot be reached.
    reg::ClaimBook *book()
    {
        if (m_book)
            return &*m_book;
        m_store.reset();
        m_store.emplace(reg::Store::openPostgres(m_connection));
        if (!m_store->isOpen() || m_store->isReadOnly()) {
            m_why = m_store->message();
            m_store.reset();
            return nullptr;
        }
        m_book.emplace(*m_store, m_key, m_name, m_bench, m_leaseMs);
        return &*m_book;
    }
    // After a statement failed: connect again next time.
    void lost(const QString &why)
    {
        m_why = why;
        m_book.reset();
        m_store.reset();
    }
    QString why() const { return m_why; }
    const reg::Store *store() const { return m_store ? &*m_store : nullptr; }

    // The done marks that wait, sent; false while the server is out of reach. `lostRows`
    // gets the rows whose claims ran out meanwhile, with the bench that has them now.
    bool settle(QList<std::pair<int, QString>> &lostRows)
    {
        while (!m_unfinished.isEmpty()) {
            reg::ClaimBook *claims = book();
            if (!claims)
                return false;
            const auto [row, entry] = m_unfinished.constFirst();
            QString error;
            switch (claims->finish(row + 1, entry, &error)) {
            case reg::ClaimBook::Finish::Unreachable:
                lost(error);
                return false;
            case reg::ClaimBook::Finish::Lost: {
                QString holder;
                claims->claim(row + 1, &holder);
                lostRows.append({row, holder});
                break;
            }
            case reg::ClaimBook::Finish::Done:
                break;
            }
            m_unfinished.removeFirst();
        }
        return true;
    }
    void waitToFinish(int row, const QString &entry) { m_unfinished.append({row, entry}); }

private:
    QString m_connection, m_key, m_name, m_bench;
    int m_leaseMs;
    std::optional<reg::Store> m_store;
    std::optional<reg::ClaimBook> m_book;
    QList<std::pair<int, QString>> m_unfinished;
    QString m_why;
};

} // namespace

bool SeriesRunner::State::lane(const QString &port, reg::Journal &journal, SeriesObserver &observer,
                               QString *ended)
{
    auto fail = [ended](const QString &text) {
        if (ended)
            *ended = text;
        return false;
    };
    const SeriesSetup &s = setup;
    QString why;
    bool firstModule = true; // resuming: it may be the last one done before
    // The rows kept for this lane's next module go to any lane once it ends.
    const auto leave = qScopeGuard([&] { rows.leaveLane(port); });

    // With a team register every row is claimed on the server before it is written.
    LaneClaims claims(teamConnection, claimKey, claimName, bench, s.claimLeaseMs);
    bool outage = false, othersSaid = false;
    auto sayOutage = [&](bool now) {
        if (now == outage)
            return;
        outage = now;
        observer.problem(
            now ? Text::tr("A csapat nyilvántartása nem érhető el (%1). A mostani egység "
                           "befejeződik, a bejegyzése itt vár, de új sort nem vesz ki ez a gép, "
                           "amíg a kiszolgáló nem válaszol.")
                      .arg(claims.why())
                : Text::tr("A csapat nyilvántartása ismét válaszol: a sorozat folytatódik."));
    };
    auto settle = [&] {
        QList<std::pair<int, QString>> lostRows;
        const bool ok = claims.settle(lostRows);
        for (const auto &[row, holder] : lostRows) {
            UnitResult r = result(row);
            r.state = UnitState::ClaimLost;
            r.reason = Text::tr("A sor foglalása lejárt, amíg a csapat nyilvántartása nem volt "
                                "elérhető, és közben a(z) %1 gép vette át: a sor két modulba is "
                                "kerülhetett. Ellenőrizze mindkettőt.")
                           .arg(holder);
            setResult(r);
            observer.unitChanged(r);
        }
        if (!lostRows.isEmpty())
            saveResults();
        sayOutage(!ok);
        return ok;
    };
    // The rows other benches have done or hold now (their leases running).
    auto refresh = [&](bool first) {
        QString error;
        reg::ClaimBook *book = claims.book();
        const std::optional<QList<reg::Claim>> list = book ? book->claims(&error) : std::nullopt;
        if (!list) {
            if (book)
                claims.lost(error);
            sayOutage(true);
            return;
        }
        sayOutage(false);
        rows.freeElsewhere();
        for (const reg::Claim &c : *list) {
            if (c.bench == bench || (c.lapsed && !first))
                continue;
            // A unit this computer's earlier run was writing when it ended: its module may
            // be half-written, and was not verified.
            if (first && !c.done.isValid() && reg::benchSeat(c.bench) == reg::benchSeat(bench))
                observer.problem(Text::tr("A(z) %1. sor betöltése ezen a gépen félbeszakadt (%2): "
                                          "az akkori modul nincs ellenőrizve. Ellenőrizze, vagy "
                                          "programozza újra.")
                                     .arg(c.row)
                                     .arg(c.bench));
            if (!c.lapsed)
                rows.elsewhere(c.row - 1, c.bench, c.done.isValid());
        }
    };
    if (claims.team()) {
        const bool first = port == s.ports.constFirst();
        refresh(first);
        if (first && !outage) {
            // The same table's name with other content on the server is another series.
            if (claims.book()) {
                if (const auto all = reg::allSeriesClaims(*claims.store())) {
                    for (const reg::SeriesClaims &other : *all) {
                        if (other.key != claimKey && other.name == claimName)
                            observer.problem(
                                Text::tr("A csapat nyilvántartásában van egy másik, ugyanilyen "
                                         "nevű (%1), de más tartalmú táblázat sorozata: az külön "
                                         "sorozat, a sorai nem keverednek ezzel.")
                                    .arg(claimName));
                    }
                }
            }
        }
    }

    while (!over()) {
        if (rows.peek(port) < 0) {
            // Rows that other benches hold may come free (a bench that stopped): they are
            // asked for again now and then until each is done.
            if (!claims.team() || rows.heldElsewhere() == 0)
                break;
            if (!othersSaid)
                observer.problem(Text::tr("A hátralévő sorok más gépeken készülnek: a sorozat "
                                          "vár, amíg elkészülnek, vagy valamelyik felszabadul."));
            othersSaid = true;
            if (!pause(ClaimPollMs))
                break;
            refresh(false);
            continue;
        }
        observer.waiting(Wait::ForModule, rows.peek(port));
        serial::IdentifyOutcome module;
        const Found found = waitForModule(port, module);
        if (found == Found::Stopped)
            break;
        if (found == Found::PortUnusable)
            return fail(serial::identifyFailureText(module));
        auto refuse = [&](const QString &reason) {
            observer.moduleRefused(reason);
            observer.waiting(Wait::ForRemoval, -1);
            return waitForRemoval(port);
        };

        QString refusal;
        if (module.end != serial::IdentifyEnd::Ok || module.id.model == settings::NoDevice)
            refusal = serial::identifyFailureText(module);
        if (module.id.model == settings::NoDevice && refusal.isEmpty())
            refusal = Text::tr("A csatlakoztatott eszköz (%1) típusa ismeretlen: nem kap sort.")
                          .arg(module.id.text);
        else if (refusal.isEmpty() && model != settings::NoDevice && module.id.model != model)
            refusal =
                Text::tr("A csatlakoztatott modul %1 típusú, a sorozat %2 típusú modulokhoz "
                         "készül: ez a modul nem kap sort. Csatlakoztasson %2 modult.")
                    .arg(form::device::modelName(module.id.model), form::device::modelName(model));
        if (!refusal.isEmpty()) {
            if (!refuse(refusal))
                break;
            continue;
        }
        {
            // The first module of the series sets its model, whichever lane it comes to.
            const QMutexLocker lock(&modelMutex);
            if (model == settings::NoDevice)
                takeModel(module.id.model, observer);
        }

        // The first row still to do that this model can take, now this lane's (and with a
        // team, this bench's on the server).
        std::optional<int> taken;
        int picked = -1;
        QString record;
        while (!over() && (taken = rows.take(port))) {
            picked = *taken;
            QString reason;
            record = unitRecord(s.units, *taken, s.baseValues, model, downloadSeparator(), &reason);
            if (record.isEmpty()) {
                UnitResult r = UnitResult::of(*taken, UnitState::Failed, reason);
                r.time = QDateTime::currentDateTimeUtc();
                r.port = port;
                setResult(r);
                observer.unitChanged(r);
                continue;
            }
            if (!claims.team())
                break;
            QString holder, error;
            reg::ClaimBook *book = settle() ? claims.book() : nullptr;
            const reg::ClaimBook::Take took =
                book ? book->claim(*taken + 1, &holder, &error) : reg::ClaimBook::Take::Unreachable;
            if (took == reg::ClaimBook::Take::Mine) {
                sayOutage(false);
                break;
            }
            if (took != reg::ClaimBook::Take::Unreachable) {
                rows.elsewhere(*taken, holder, took == reg::ClaimBook::Take::Done);
                continue;
            }
            // Nothing new is claimed until the server answers: the module stays on and waits.
            if (book)
                claims.lost(error);
            sayOutage(true);
            rows.putBack(*taken);
            taken.reset();
            if (!pause(ClaimPollMs))
                break;
        }
        if (!taken) {
            if (over())
                break;
            // Every row left is held by other benches: wait with the module on, unless none
            // is left.
            if (claims.team() && rows.heldElsewhere() > 0) {
                pause(ClaimPollMs);
                refresh(false);
                firstModule = false;
                continue;
            }
            break;
        }
        const int row = picked;

        // A module that holds a row this series wrote gets no other. Each module is read
        // first when asked; else the first one of a resumed run, which the person may have
        // left on when the run stopped.
        const bool check = s.readFirst || (firstModule && anyDone());
        firstModule = false;
        if (check) {
            const transfer::ReadOut read =
                transfer::readOut(exchangeLink(port), transfer::ExchangeKind::Backup);
            const transfer::ReadOutOutcome &held = read.outcome;
            const int heldRow = held.end == transfer::ReadOutEnd::Ok
                                    ? this->heldRow(held.decoded.fields, module.id.model)
                                    : -1;
            if (heldRow >= 0)
                refusal = Text::tr("A csatlakoztatott modul már programozva van (%1. sor): nem "
                                   "kap újat.")
                              .arg(heldRow + 1);
            else if (s.readFirst && held.end != transfer::ReadOutEnd::Ok)
                refusal = Text::tr("%1\nA modul mostani konfigurációja nem került a "
                                   "nyilvántartásba, ezért nem kap sort.")
                              .arg(transfer::readOutFailureText(held));
            if (!refusal.isEmpty() || held.end != transfer::ReadOutEnd::Ok) {
                rows.putBack(row);
                if (claims.team() && claims.book())
                    claims.book()->release(row + 1);
            }
            if (s.readFirst) {
                // The read-out is the backup of the unit it is read for.
                const reg::Entry backup =
                    entryFor(read.report, module, refusal.isEmpty() ? row : -1, port);
                const RefusalCatcher refused(journal);
                if (!journal.record(backup)) {
                    rows.putBack(row);
                    notRecorded = true;
                    ending = true;
                    return fail(Text::tr("A modul kiolvasása nem került be a nyilvántartásba: a "
                                         "sorozat leáll, a modul nem kapott sort.\n%1")
                                    .arg(refused.reason()));
                }
            }
            if (!refusal.isEmpty()) {
                if (!refuse(refusal))
                    break;
                continue;
            }
            // A read-out that failed may have been a swap: the module there now is
            // identified again before it is written.
            if (held.end != transfer::ReadOutEnd::Ok)
                continue;
        }

        bool portRefused = false;
        QString entryId;
        UnitResult result =
            writeUnit(port, row, record, module, journal, observer, portRefused, entryId);
        setResult(result);
        // With several lanes a failed unit's row goes to this lane's next module (or any
        // lane's), unless it failed right before too: then it waits for the person's retry,
        // as a failed row of a series on one port always does.
        const bool again = result.state == UnitState::Failed && !portRefused &&
                           s.ports.size() > 1 && rows.failedOn(row, port, s.retryAnyLane);
        if (again)
            result.reason +=
                u'\n' + (s.retryAnyLane ? Text::tr("A sor a következő modullal újra sorra kerül.")
                                        : Text::tr("A sor ennek a portnak a következő moduljával "
                                                   "újra sorra kerül."));
        if (claims.team() && result.state == UnitState::Passed) {
            claims.waitToFinish(row, entryId);
            settle();
            result = this->result(row);
        } else if (claims.team() && claims.book() && !(again && !s.retryAnyLane)) {
            claims.book()->release(row + 1); // any bench may take it again
        }
        why = saveResults();
        if (!why.isEmpty())
            observer.problem(why);
        observer.unitChanged(result);
        if (result.state == UnitState::WrittenNotRecorded || notRecorded) {
            notRecorded = true;
            ending = true;
            return fail(
                (result.state == UnitState::WrittenNotRecorded
                     ? Text::tr("A(z) %1. sor a modulba került, de a nyilvántartásba nem, ezért "
                                "nem számít késznek. A sorozat leáll: a nyilvántartás nélkül "
                                "nem tudná, mely sorok készültek el.")
                     : Text::tr("A(z) %1. sor eredménye nem került be a nyilvántartásba. A "
                                "sorozat leáll: a nyilvántartás nélkül nem tudná, mely sorok "
                                "készültek el."))
                    .arg(row + 1) +
                u'\n' + result.reason + u'\n' +
                Text::tr("Hárítsa el a nyilvántartás hibáját, és indítsa újra a sorozatot ezzel "
                         "a modullal a helyén: elsőként ezt írja."));
        }
        if (portRefused)
            return fail(result.reason);
        if (over())
            break;
        observer.waiting(Wait::ForRemoval, row);
        if (!waitForRemoval(port))
            break;
    }
    // Rows written while the server was out of reach are marked done once it answers:
    // until then another bench could take them when their claims run out.
    while (claims.team() && !settle() && pause(ClaimPollMs)) {
    }
    return true;
}

bool SeriesRunner::run(SeriesObserver &observer, QString *error)
{
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    const SeriesSetup &s = d->setup;
    QString why = portsProblem(s.ports, canonicalPort);
    if (why.isEmpty())
        why = resultsPathProblem(s.resultsPath, s.basePath, s.unitsPath);
    if (!why.isEmpty())
        return fail(why);
    if (!d->planned) {
        plan(&why);
        if (!why.isEmpty())
            return fail(planRefusal(why));
    }
    QMutex observing;
    const bool several = s.ports.size() > 1;
    LaneObserver first(observer, observing, s.ports.constFirst(), several);
    reg::Journal journal;
    QObject::connect(&journal, &reg::Journal::problem, &journal,
                     [&first](const QString &message) { first.problem(message); });
    journal.openDefault(s.teamRegister);
    if (!journal.isAvailable())
        return fail(Text::tr("A sorozat a nyilvántartás nélkül nem indítható, mert abba jegyzi fel "
                             "az elkészült sorokat.\n") +
                    (journal.local() ? journal.local()->message() : QString()));
    d->teamConnection = journal.teamConnection();
    d->claimKey = contentKey(s.units, s.baseFileBytes) +
                  (d->batch > 1 ? u'/' + QString::number(d->batch) : QString());
    d->claimName = QFileInfo(s.unitsPath).fileName();
    d->bench = reg::thisBench();
    RunLock lock(d->key);
    if (!lock.take(s.ports.join(QStringLiteral(", ")), &why))
        return fail(why);
    d->unitNotes = [&lock](int row) { return lock.unitNote(row); };
    for (const auto &[row, port] : lock.leftUnits())
        first.problem(Text::tr("A sorozat előző futása a(z) %1. sor betöltése közben szakadt "
                               "félbe (%2 port): az akkori modul nincs ellenőrizve. Ellenőrizze, "
                               "vagy programozza újra.")
                          .arg(row + 1)
                          .arg(port));
    why = d->saveResults();
    if (!why.isEmpty())
        return fail(why);
    // The model the register gives a series that was begun before.
    if (s.model == settings::NoDevice && d->model != settings::NoDevice)
        d->takeModel(d->model, first);

    // A lane per port, each on a thread of its own beside this one's (the first port's). A
    // lane whose port cannot be used ends alone; one that the register refuses ends them all.
    struct LaneEnd
    {
        bool ok = true;
        QString error;
    };
    QList<LaneEnd> ends(s.ports.size());
    // With a team: the leases of this bench's claims renewed while the lanes work.
    std::atomic<bool> lanesOver{false};
    std::unique_ptr<QThread> renewal;
    if (!d->teamConnection.isEmpty()) {
        renewal.reset(QThread::create([this, &lanesOver] {
            LaneClaims claims(d->teamConnection, d->claimKey, d->claimName, d->bench,
                              d->setup.claimLeaseMs);
            QElapsedTimer since;
            since.start();
            while (!lanesOver) {
                QThread::msleep(20);
                if (since.elapsed() < d->setup.claimLeaseMs / 4)
                    continue;
                since.restart();
                QString problem;
                reg::ClaimBook *book = claims.book();
                if (book && !book->renew(&problem))
                    claims.lost(problem);
            }
        }));
        renewal->start();
    }
    // Each lane an exchange like any other (a QThread, which the serial port's notifiers
    // need), holding its port's turn; the first port's turn is the caller's.
    std::vector<std::unique_ptr<serial::ExchangeThread>> others;
    for (qsizetype i = 1; i < s.ports.size(); ++i) {
        others.emplace_back(std::make_unique<serial::ExchangeThread>(
            s.ports.at(i),
            [this, i, several, &observing, &observer, &ends](serial::ExchangeThread &) {
                const SeriesSetup &setup = d->setup;
                LaneObserver told(observer, observing, setup.ports.at(i), several);
                reg::Journal own;
                QObject::connect(&own, &reg::Journal::problem, &own,
                                 [&told](const QString &message) { told.problem(message); });
                own.openDefault(setup.teamRegister);
                if (!own.isAvailable()) {
                    ends[i] = {false, own.local() ? own.local()->message() : QString()};
                    return;
                }
                ends[i].ok = d->lane(setup.ports.at(i), own, told, &ends[i].error);
                own.share(3000, setup.teamRegister);
            }));
        others.back()->start();
    }
    ends[0].ok = d->lane(s.ports.constFirst(), journal, first, &ends[0].error);
    for (const auto &t : others)
        t->wait();
    lanesOver = true;
    if (renewal)
        renewal->wait();

    bool ok = true;
    for (qsizetype i = 0; i < ends.size(); ++i) {
        if (ends.at(i).ok)
            continue;
        // The register's refusal is the run's end; a port's is said for its lane alone,
        // unless it was the only one.
        if (ok || d->notRecorded)
            why = several && !d->notRecorded
                      ? Text::tr("%1 port: %2").arg(s.ports.at(i), ends.at(i).error)
                      : ends.at(i).error;
        ok = false;
    }
    if (!ok)
        fail(why);
    why = d->saveResults();
    if (!why.isEmpty())
        first.problem(why);
    journal.share(3000, s.teamRegister);
    return ok;
}

void SeriesRunner::stop()
{
    d->stopping = true;
}

bool SeriesRunner::stopRequested() const
{
    return d->stopping;
}

std::optional<serial::OpenFailure> SeriesRunner::portFailure() const
{
    const QMutexLocker lock(&d->mutex);
    return d->portFailure;
}

bool SeriesRunner::notRecorded() const
{
    return d->notRecorded;
}

void SeriesRunner::retry(int row)
{
    d->rows.retry(row);
}

QString SeriesRunner::key() const
{
    return d->key;
}

int SeriesRunner::batch() const
{
    return d->batch;
}

QList<UnitResult> SeriesRunner::results() const
{
    return d->rows.results();
}

} // namespace qv::series

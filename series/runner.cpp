// The series run: one module after the other on one port, each written with its row's
// record, read back, recorded and reported, with the rows the register holds as done left
// alone; one run of a series at a time on this computer.
#include "series/series.h"

#include "form/deviceprofile.h"
#include "register/exchangeentry.h"
#include "register/journal.h"
#include "register/store.h"
#include "serial/identifymodule.h"
#include "serial/serialline.h"
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
#include <QSet>
#include <QSysInfo>
#include <QThread>

#include <atomic>

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

// The 56 items of a download record.
QStringList recordFields(const QString &record, QChar separator)
{
    QStringList items = transfer::record::downloadLines(record, separator);
    if (items.size() > transfer::record::FieldCount)
        items.resize(transfer::record::FieldCount);
    return items;
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
    mutable QMutex mutex;
    QList<UnitResult> results;
    bool planned = false;
    std::atomic<bool> stopping{false};
    int model = settings::NoDevice;
    std::optional<serial::OpenFailure> portFailure;
    bool notRecorded = false;
    // The run's thread only: the rows' records for the series' model, as they are needed.
    QHash<int, QString> records;
    int recordsModel = settings::NoDevice;

    QChar downloadSeparator() const { return QChar(char16_t(quint8(link.DownloadSeparator))); }
    // The series' port and speed with the protocol's characters, for the exchanges.
    transfer::Link exchangeLink() const
    {
        transfer::Link l = transfer::linkOf(link);
        l.port = setup.port;
        l.baud = setup.baud;
        return l;
    }

    UnitResult result(int row) const
    {
        const QMutexLocker lock(&mutex);
        return results.value(row);
    }
    void setResult(const UnitResult &result)
    {
        const QMutexLocker lock(&mutex);
        if (result.row >= 0 && result.row < results.size())
            results[result.row] = result;
    }
    bool anyDone() const
    {
        const QMutexLocker lock(&mutex);
        for (const UnitResult &r : results) {
            if (r.state == UnitState::PassedEarlier)
                return true;
        }
        return false;
    }
    int nextRow() const
    {
        const QMutexLocker lock(&mutex);
        for (const UnitResult &r : results) {
            if (r.state == UnitState::Pending)
                return r.row;
        }
        return -1;
    }

    // Sleeps `ms` unless asked to stop meanwhile; false when asked.
    bool pause(int ms) const
    {
        QElapsedTimer clock;
        clock.start();
        while (!stopping) {
            const qint64 left = ms - clock.elapsed();
            if (left <= 0)
                return true;
            QThread::msleep(quint64(qMin<qint64>(left, 20)));
        }
        return false;
    }

    QString saveResults() const
    {
        const QByteArray bytes = resultsCsv(setup.units, [this] {
            const QMutexLocker lock(&mutex);
            return results;
        }());
        QSaveFile file(setup.resultsPath);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
            return {};
        return Text::tr(
                   "Az eredményfájl (%1) nem írható: %2. Ellenőrizze, hogy a mappája írható-e, "
                   "és hogy nincs-e megnyitva egy táblázatkezelőben.")
            .arg(QDir::toNativeSeparators(setup.resultsPath), file.errorString());
    }

    enum class Found { Module, Stopped, PortUnusable };
    Found waitForModule(serial::IdentifyOutcome &outcome);
    bool waitForRemoval();
    void takeModel(int newModel, SeriesObserver &observer);
    QString recordOf(int row, int moduleModel);
    int heldRow(const QStringList &moduleFields, int moduleModel);
    reg::Entry entryFor(const transfer::ExchangeReport &report,
                        const serial::IdentifyOutcome &module, int row) const;
    UnitResult writeUnit(int row, const QString &record, const serial::IdentifyOutcome &module,
                         reg::Journal &journal, SeriesObserver &observer);
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

SeriesRunner::State::Found SeriesRunner::State::waitForModule(serial::IdentifyOutcome &outcome)
{
    int refusals = 0;
    while (!stopping) {
        outcome =
            serial::identifyModule(setup.port, setup.baud, link.Version, setup.answerWithinMs);
        if (outcome.end == serial::IdentifyEnd::NotOpen) {
            const bool other = outcome.openFailure &&
                               outcome.openFailure->kind == serial::OpenFailure::Kind::Other;
            if (isRefusal(outcome.openFailure) || other) {
                if (++refusals >= (other ? OtherFailureTries : RefusalTries)) {
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
bool SeriesRunner::State::waitForRemoval()
{
    const int silence = serial::lines::identification(setup.port, setup.baud).readTimeout();
    QElapsedTimer clock;
    clock.start();
    qint64 awaySince = -1;
    while (!stopping) {
        const qint64 asked = clock.elapsed();
        const Presence presence = probe(setup.port, setup.baud, silence);
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
    const qsizetype rows = setup.units.rows.size();
    QList<QString> reasons(rows);
    for (const CellProblem &p : problems) {
        if (p.row > 0) {
            if (p.row <= rows && reasons.at(p.row - 1).isEmpty())
                reasons[p.row - 1] = problemText(p);
            continue;
        }
        const qsizetype column = setup.units.columns.indexOf(p.column);
        if (column < 0)
            continue;
        for (qsizetype row = 0; row < rows; ++row) {
            if (reasons.at(row).isEmpty() && !setup.units.rows.at(row).value(column).isEmpty())
                reasons[row] = problemText(p);
        }
    }
    for (int row = 0; row < rows; ++row) {
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
    {
        const QMutexLocker lock(&mutex);
        for (const UnitResult &r : std::as_const(results)) {
            if (r.state == UnitState::PassedEarlier || r.state == UnitState::Passed ||
                r.state == UnitState::WrittenNotRecorded)
                written << r.row;
        }
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
                                         const serial::IdentifyOutcome &module, int row) const
{
    reg::Entry entry = reg::entryForExchange(
        report,
        reg::exchangeContext(setup.programVersion.isEmpty() ? link.Version : setup.programVersion,
                             module.id.text, module.id.model));
    entry.seriesKey = seriesKey(setup.unitsPath, setup.baseFileBytes);
    entry.seriesRow = row + 1;
    return entry;
}

UnitResult SeriesRunner::State::writeUnit(int row, const QString &record,
                                          const serial::IdentifyOutcome &module,
                                          reg::Journal &journal, SeriesObserver &observer)
{
    UnitResult result = UnitResult::of(row, UnitState::Working);
    result.identification = module.id.text;
    setResult(result);
    observer.unitChanged(result);

    UnitProgress progress(observer, row, setup.verify);
    const bool verify = setup.verify;
    transfer::WriteOutcome written = transfer::download(
        exchangeLink(), record, [verify] { return verify; }, &progress, &progress);
    if (isRefusal(written.openFailure))
        portFailure = written.openFailure;
    transfer::ExchangeReport &report = written.report;
    if (report.readBack == transfer::ReadBack::Differs) {
        QStringList listed;
        for (const transfer::FieldDifference &d : std::as_const(report.differences))
            listed << Text::tr("%1: „%2” / „%3”").arg(d.field, d.formValue, d.moduleValue);
        report.reason += u'\n' + listed.join(QStringLiteral("; "));
    }

    // Done only once the register holds it: a run resumed asks the register what is done.
    const reg::Entry entry = entryFor(report, module, row);
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
    observer.progress(row, 100);
    return result;
}

SeriesRunner::SeriesRunner(SeriesSetup setup) : d(std::make_unique<State>())
{
    d->setup = std::move(setup);
    if (d->setup.resultsPath.isEmpty())
        d->setup.resultsPath = defaultResultsPath(d->setup.unitsPath);
    d->model = d->setup.model;
    for (int row = 0; row < d->setup.units.rows.size(); ++row)
        d->results << UnitResult::of(row);
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
        const QString key = seriesKey(s.unitsPath, s.baseFileBytes);
        const QList<reg::Entry> entries = store.seriesDownloads(key, &why);
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
        }
    }
    if (error)
        *error = why;
    const QMutexLocker lock(&d->mutex);
    d->results = planned;
    d->model = model;
    d->planned = why.isEmpty();
    return planned;
}

bool SeriesRunner::run(SeriesObserver &observer, QString *error)
{
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    const SeriesSetup &s = d->setup;
    QString why = resultsPathProblem(s.resultsPath, s.basePath, s.unitsPath);
    if (!why.isEmpty())
        return fail(why);
    if (!d->planned) {
        plan(&why);
        if (!why.isEmpty())
            return fail(
                Text::tr("A sorozat a nyilvántartás nélkül nem indítható, mert abból tudja, "
                         "mely sorok készültek el korábban.\n") +
                why);
    }
    reg::Journal journal;
    QObject::connect(&journal, &reg::Journal::problem, &journal,
                     [&observer](const QString &message) { observer.problem(message); });
    journal.openDefault(s.teamRegister);
    if (!journal.isAvailable())
        return fail(Text::tr("A sorozat a nyilvántartás nélkül nem indítható, mert abba jegyzi fel "
                             "az elkészült sorokat.\n") +
                    (journal.local() ? journal.local()->message() : QString()));
    RunLock lock(seriesKey(s.unitsPath, s.baseFileBytes));
    if (!lock.take(s.port, &why))
        return fail(why);
    why = d->saveResults();
    if (!why.isEmpty())
        return fail(why);
    // The model the register gives a series that was begun before.
    if (s.model == settings::NoDevice && d->model != settings::NoDevice)
        d->takeModel(d->model, observer);

    bool ok = true;
    bool firstModule = true; // resuming: it may be the last one done before
    while (!d->stopping) {
        if (d->nextRow() < 0)
            break;
        observer.waiting(Wait::ForModule, d->nextRow());
        serial::IdentifyOutcome module;
        const State::Found found = d->waitForModule(module);
        if (found == State::Found::Stopped)
            break;
        if (found == State::Found::PortUnusable) {
            ok = fail(serial::identifyFailureText(module));
            break;
        }
        auto refuse = [&](const QString &reason) {
            observer.moduleRefused(reason);
            observer.waiting(Wait::ForRemoval, -1);
            return d->waitForRemoval();
        };

        QString refusal;
        if (module.end != serial::IdentifyEnd::Ok || module.id.model == settings::NoDevice)
            refusal = serial::identifyFailureText(module);
        if (module.id.model == settings::NoDevice && refusal.isEmpty())
            refusal = Text::tr("A csatlakoztatott eszköz (%1) típusa ismeretlen: nem kap sort.")
                          .arg(module.id.text);
        else if (refusal.isEmpty() && d->model != settings::NoDevice && module.id.model != d->model)
            refusal = Text::tr("A csatlakoztatott modul %1 típusú, a sorozat %2 típusú modulokhoz "
                               "készül: ez a modul nem kap sort. Csatlakoztasson %2 modult.")
                          .arg(form::device::modelName(module.id.model),
                               form::device::modelName(d->model));
        if (!refusal.isEmpty()) {
            if (!refuse(refusal))
                break;
            continue;
        }
        if (d->model == settings::NoDevice)
            d->takeModel(module.id.model, observer);

        // The first row still to do that this model can take.
        int row = -1;
        QString record;
        while ((row = d->nextRow()) >= 0) {
            QString reason;
            record =
                unitRecord(s.units, row, s.baseValues, d->model, d->downloadSeparator(), &reason);
            if (!record.isEmpty())
                break;
            UnitResult r = UnitResult::of(row, UnitState::Failed, reason);
            r.time = QDateTime::currentDateTimeUtc();
            d->setResult(r);
            observer.unitChanged(r);
        }
        if (row < 0)
            break;

        // A module that holds a row this series wrote gets no other. Each module is read
        // first when asked; else the first one of a resumed run, which the person may have
        // left on when the run stopped.
        const bool check = s.readFirst || (firstModule && d->anyDone());
        firstModule = false;
        if (check) {
            const transfer::ReadOut read =
                transfer::readOut(d->exchangeLink(), transfer::ExchangeKind::Backup);
            const transfer::ReadOutOutcome &held = read.outcome;
            const int heldRow = held.end == transfer::ReadOutEnd::Ok
                                    ? d->heldRow(held.decoded.fields, module.id.model)
                                    : -1;
            if (heldRow >= 0)
                refusal = Text::tr("A csatlakoztatott modul már programozva van (%1. sor): nem "
                                   "kap újat.")
                              .arg(heldRow + 1);
            else if (s.readFirst && held.end != transfer::ReadOutEnd::Ok)
                refusal = Text::tr("%1\nA modul mostani konfigurációja nem került a "
                                   "nyilvántartásba, ezért nem kap sort.")
                              .arg(transfer::readOutFailureText(held));
            if (s.readFirst) {
                // The read-out is the backup of the unit it is read for.
                const reg::Entry backup =
                    d->entryFor(read.report, module, refusal.isEmpty() ? row : -1);
                const RefusalCatcher refused(journal);
                if (!journal.record(backup)) {
                    d->notRecorded = true;
                    ok = fail(Text::tr("A modul kiolvasása nem került be a nyilvántartásba: a "
                                       "sorozat leáll, a modul nem kapott sort.\n%1")
                                  .arg(refused.reason()));
                    break;
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

        const UnitResult result = d->writeUnit(row, record, module, journal, observer);
        d->setResult(result);
        why = d->saveResults();
        if (!why.isEmpty())
            observer.problem(why);
        observer.unitChanged(result);
        if (d->notRecorded) {
            ok = fail(
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
            break;
        }
        if (d->portFailure) {
            ok = fail(result.reason);
            break;
        }
        if (d->stopping)
            break;
        observer.waiting(Wait::ForRemoval, row);
        if (!d->waitForRemoval())
            break;
    }
    why = d->saveResults();
    if (!why.isEmpty())
        observer.problem(why);
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
    return d->portFailure;
}

bool SeriesRunner::notRecorded() const
{
    return d->notRecorded;
}

void SeriesRunner::retry(int row)
{
    const QMutexLocker lock(&d->mutex);
    if (row >= 0 && row < d->results.size() && d->results.at(row).state == UnitState::Failed) {
        d->results[row].state = UnitState::Pending;
        d->results[row].reason.clear();
        d->results[row].time = {};
    }
}

QList<UnitResult> SeriesRunner::results() const
{
    const QMutexLocker lock(&d->mutex);
    return d->results;
}

} // namespace qv::series

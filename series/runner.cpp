// The series run: one module after the other on one port, each written with its row's
// record, read back, recorded and reported, with the rows the register holds as done left
// alone.
#include "series/series.h"

#include "form/deviceprofile.h"
#include "register/exchangeentry.h"
#include "register/journal.h"
#include "register/store.h"
#include "serial/identifymodule.h"
#include "serial/serialline.h"
#include "settings/devsettings.h"
#include "settings/preferences.h"
#include "transfer/configrecord.h"
#include "transfer/download.h"
#include "transfer/readoutcore.h"
#include "transfer/writemodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMutex>
#include <QSaveFile>
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
    QStringList items = record::downloadLines(record, separator);
    if (items.size() > record::FieldCount)
        items.resize(record::FieldCount);
    return items;
}

bool isRefusal(const std::optional<OpenFailure> &failure)
{
    return failure && (failure->kind == OpenFailure::Kind::PermissionDenied ||
                       failure->kind == OpenFailure::Kind::Busy);
}

// Whether a module on `port` begins to answer the identification request within
// `withinMs`: nothing more is read (the module finishes its answer to nobody).
enum class Presence { Answers, Silent, Gone };

Presence probe(const QString &port, qint32 baud, int withinMs)
{
    SerialLine line;
    if (line.open(lines::identification(port, baud)) != OpenResult::Ok)
        return Presence::Gone;
    line.writeBytes(QByteArrayLiteral("~|"));
    const ByteRead read = line.readByte(withinMs);
    line.close();
    switch (read.status) {
    case ReadStatus::Byte:
        return Presence::Answers;
    case ReadStatus::Silence:
        return Presence::Silent;
    case ReadStatus::Gone:
        break;
    }
    return Presence::Gone;
}

// Hands the exchange's bytes on as the unit's percentage, within [from, to].
class UnitProgress : public transfer::DownloadProgress, public ReadProgress
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
        tell(50, 100, ++m_readBytes, record::FieldCount * record::ItemWidth);
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

} // namespace

struct SeriesRunner::State
{
    SeriesSetup setup;
    devSettings link; // separators, acknowledgement, the compatibility table's version
    mutable QMutex mutex;
    QList<UnitResult> results;
    bool planned = false;
    std::atomic<bool> stopping{false};
    int model = NoDevice;
    std::optional<OpenFailure> portFailure;

    QChar downloadSeparator() const { return QChar(char16_t(quint8(link.DownloadSeparator))); }
    QChar uploadSeparator() const { return QChar(char16_t(quint8(link.UploadSeparator))); }

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
    Found waitForModule(IdentifyOutcome &outcome);
    bool waitForRemoval();
    void takeModel(int newModel, SeriesObserver &observer);
    int heldRow(int model, bool *readOut) const;
    UnitResult writeUnit(int row, const QString &record, const IdentifyOutcome &module,
                         reg::Journal &journal, SeriesObserver &observer);
};

SeriesRunner::State::Found SeriesRunner::State::waitForModule(IdentifyOutcome &outcome)
{
    int refusals = 0;
    while (!stopping) {
        outcome = identifyModule(setup.port, setup.baud, link.Version, setup.answerWithinMs);
        if (outcome.end == IdentifyEnd::NotOpen) {
            const bool other =
                outcome.openFailure && outcome.openFailure->kind == OpenFailure::Kind::Other;
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
        if (outcome.end != IdentifyEnd::NoModule)
            return Found::Module;
    }
    return Found::Stopped;
}

// The module is gone once it does not begin to answer within the identification's own
// time-out, or its port is gone (or taken: then the wait for the next module says why).
bool SeriesRunner::State::waitForRemoval()
{
    const int silence = lines::identification(setup.port, setup.baud).readTimeout();
    while (!stopping) {
        if (probe(setup.port, setup.baud, silence) != Presence::Answers)
            return true;
        pause(PresentPollMs);
    }
    return false;
}

// The series' model is the first module's: the rows that set a field it lacks fail.
void SeriesRunner::State::takeModel(int newModel, SeriesObserver &observer)
{
    model = newModel;
    const QList<CellProblem> problems = checkUnits(setup.units, setup.baseValues, model);
    for (int row = 0; row < setup.units.rows.size(); ++row) {
        QString reason;
        for (const CellProblem &p : problems) {
            const qsizetype column = setup.units.columns.indexOf(p.column);
            const bool hit =
                p.row == row + 1 ||
                (p.row == 0 && column >= 0 && !setup.units.rows.at(row).value(column).isEmpty());
            if (hit) {
                reason = problemText(p);
                break;
            }
        }
        UnitResult r = result(row);
        if (reason.isEmpty() || r.state != UnitState::Pending)
            continue;
        r.state = UnitState::Failed;
        r.reason = reason;
        r.time = QDateTime::currentDateTimeUtc();
        setResult(r);
        observer.unitChanged(r);
    }
}

// The row done earlier whose record the connected module holds (-1: none, or it cannot be
// read): after a stop the person may leave the last module on, and a resumed run must not
// write the next row over it. *readOut tells whether the module was read (only when rows
// were done earlier).
int SeriesRunner::State::heldRow(int moduleModel, bool *readOut) const
{
    *readOut = false;
    QList<int> done;
    {
        const QMutexLocker lock(&mutex);
        for (const UnitResult &r : results) {
            if (r.state == UnitState::PassedEarlier)
                done << r.row;
        }
    }
    if (done.isEmpty())
        return -1;
    *readOut = true;
    const transfer::ReadOutOutcome held =
        transfer::readOutModule(setup.port, setup.baud, uploadSeparator(), nullptr);
    if (held.end != transfer::ReadOutEnd::Ok)
        return -1;
    for (const int row : std::as_const(done)) {
        const QString record =
            unitRecord(setup.units, row, setup.baseValues, moduleModel, downloadSeparator());
        if (!record.isEmpty() &&
            transfer::compareRecords(record, held.decoded.fields, downloadSeparator()).isEmpty())
            return row;
    }
    return -1;
}

UnitResult SeriesRunner::State::writeUnit(int row, const QString &record,
                                          const IdentifyOutcome &module, reg::Journal &journal,
                                          SeriesObserver &observer)
{
    UnitResult result = UnitResult::of(row, UnitState::Working);
    result.identification = module.id.text;
    setResult(result);
    observer.unitChanged(result);

    UnitProgress progress(observer, row, setup.verify);
    transfer::WriteOutcome written =
        transfer::writeModule(setup.port, setup.baud, record, downloadSeparator(),
                              uploadSeparator(), link.AckChar, setup.verify, &progress, &progress);
    if (isRefusal(written.openFailure))
        portFailure = written.openFailure;
    transfer::ExchangeReport &report = written.report;
    if (report.readBack == transfer::ReadBack::Differs) {
        QStringList listed;
        for (const transfer::FieldDifference &d : std::as_const(report.differences))
            listed << Text::tr("%1: „%2” / „%3”").arg(d.field, d.formValue, d.moduleValue);
        report.reason += u'\n' + listed.join(QStringLiteral("; "));
    }

    reg::ExchangeContext context;
    context.programVersion = setup.programVersion.isEmpty() ? link.Version : setup.programVersion;
    context.technician = preferences::technician();
    context.identification = module.id.text;
    context.model = module.id.model;
    reg::Entry entry = reg::entryForExchange(report, context);
    entry.seriesKey = seriesKey(setup.unitsPath, setup.baseFileBytes);
    entry.seriesRow = row + 1;
    journal.record(entry);

    result.state =
        report.result == transfer::ExchangeResult::Ok ? UnitState::Passed : UnitState::Failed;
    result.reason = report.reason;
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
    QList<UnitResult> planned;
    for (int row = 0; row < s.units.rows.size(); ++row)
        planned << UnitResult::of(row, s.skippedRows.contains(row) ? UnitState::Skipped
                                                                   : UnitState::Pending);

    // A row is done when the register holds a download of it into a module of the
    // series' model, acknowledged and (with verification) read back the same, that sent
    // exactly what the row's record is now.
    const reg::Store store = reg::Store::openSqlite(reg::Store::defaultSqlitePath());
    QString why;
    if (!store.isOpen()) {
        why = store.message();
    } else {
        const QString key = seriesKey(s.unitsPath, s.baseFileBytes);
        const QList<reg::Entry> entries = store.seriesDownloads(key, &why);
        for (const reg::Entry &entry : entries) {
            const int row = entry.seriesRow - 1;
            if (row < 0 || row >= planned.size() || planned.at(row).state != UnitState::Pending)
                continue;
            if (s.verify && entry.verification != reg::Verification::Same)
                continue;
            if (s.model != NoDevice && entry.model != s.model)
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
    QString why;
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
    journal.openDefault(d->setup.teamRegister);
    if (!journal.isAvailable())
        return fail(Text::tr("A sorozat a nyilvántartás nélkül nem indítható, mert abba jegyzi fel "
                             "az elkészült sorokat.\n") +
                    (journal.local() ? journal.local()->message() : QString()));
    why = d->saveResults();
    if (!why.isEmpty())
        return fail(why);

    bool ok = true;
    bool firstModule = true; // resuming: it may be the last one done before
    while (!d->stopping) {
        if (d->nextRow() < 0)
            break;
        observer.waiting(Wait::ForModule, d->nextRow());
        IdentifyOutcome module;
        const State::Found found = d->waitForModule(module);
        if (found == State::Found::Stopped)
            break;
        if (found == State::Found::PortUnusable) {
            ok = fail(identifyFailureText(module));
            break;
        }

        QString refusal;
        if (module.end != IdentifyEnd::Ok || module.id.model == NoDevice)
            refusal = identifyFailureText(module);
        if (module.id.model == NoDevice && refusal.isEmpty())
            refusal = Text::tr("A csatlakoztatott eszköz (%1) típusa ismeretlen: nem kap sort.")
                          .arg(module.id.text);
        else if (refusal.isEmpty() && d->model != NoDevice && module.id.model != d->model)
            refusal = Text::tr("A csatlakoztatott modul %1 típusú, a sorozat %2 típusú modulokhoz "
                               "készül: ez a modul nem kap sort. Csatlakoztasson %2 modult.")
                          .arg(device::modelName(module.id.model), device::modelName(d->model));
        if (!refusal.isEmpty()) {
            observer.moduleRefused(refusal);
            observer.waiting(Wait::ForRemoval, -1);
            if (!d->waitForRemoval())
                break;
            continue;
        }
        if (firstModule) {
            firstModule = false;
            bool readOut = false;
            if (const int held = d->heldRow(module.id.model, &readOut); held >= 0) {
                observer.moduleRefused(
                    Text::tr(
                        "A csatlakoztatott modul már a(z) %1. sor értékeit tárolja: nem kap újat.")
                        .arg(held + 1));
                observer.waiting(Wait::ForRemoval, -1);
                if (!d->waitForRemoval())
                    break;
                continue;
            }
            // The read-out took a while: the module written next must be the one there now.
            if (readOut)
                continue;
        }
        if (d->model == NoDevice)
            d->takeModel(module.id.model, observer);

        // The first row still to do that this model can take.
        int row = -1;
        QString record;
        while ((row = d->nextRow()) >= 0) {
            QString reason;
            record = unitRecord(d->setup.units, row, d->setup.baseValues, d->model,
                                d->downloadSeparator(), &reason);
            if (!record.isEmpty())
                break;
            UnitResult r = UnitResult::of(row, UnitState::Failed, reason);
            r.time = QDateTime::currentDateTimeUtc();
            d->setResult(r);
            observer.unitChanged(r);
        }
        if (row < 0)
            break;

        const UnitResult result = d->writeUnit(row, record, module, journal, observer);
        d->setResult(result);
        why = d->saveResults();
        if (!why.isEmpty())
            observer.problem(why);
        observer.unitChanged(result);
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
    if (!d->setup.teamRegister.isEmpty() || !journal.teamConnection().isEmpty())
        journal.flush(3000);
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

std::optional<OpenFailure> SeriesRunner::portFailure() const
{
    return d->portFailure;
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

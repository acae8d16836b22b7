// Series programming: one base configuration written into many modules in a row, each
// unit with values of its own from a table a spreadsheet wrote (UNITS.csv), each unit
// verified by reading it back and recorded in the register with its row. No widgets: the
// command "qvconfig series" runs it as it is, the window's series dialog on a thread.
//
// Data flow:
//   UNITS.csv --readUnits()--> UnitsTable --checkUnits() (the form's own field rules)-->
//   problems listed, rows skipped only when the user says so
//   BASE.msw + UnitsTable --unitValues()--> the unit's file values --> download record
//   SeriesRunner::run() (one thread, one run of a series on this computer at a time): for
//   each row still to do: wait until a module answers on the port, identify it (model as the
//   series'), read it first when asked (the read-out is the unit's backup in the register),
//   write the unit's record, read it back, record the unit in the register (series key +
//   row), rewrite the results file, tell the observer, wait until the module goes (its port
//   silent or absent for RemovalSettleMs) before the next row. Rows the register already
//   holds as passed are not written again, and neither is a module found holding a row this
//   series wrote (the first module of a resumed run, which the person may have left on, or
//   any module read first). A unit the register did not take ends the run.
#pragma once

#include "serial/openfailure.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace qv::series {

// ---- The units table --------------------------------------------------------------------

struct UnitsTable
{
    QChar separator = u';';  // as the file uses it (',' or ';'); the results file uses it too
    QStringList columns;     // the header row: field object names (m_id, m_nev, t1 ...)
    QList<QStringList> rows; // one per unit, each exactly as long as `columns`
    QList<int> lines;        // the file line each row starts on (1-based), for messages
    int headerLine = 1;      // the file line of the header row
};

// The largest units file read: far more than any workshop's series, and a bound on what
// a wrong file (a picture, a log) costs.
inline constexpr qint64 MaxUnitsFileBytes = 4 * 1024 * 1024;

struct UnitsRead
{
    std::optional<UnitsTable> table;
    QString error; // why the file cannot be used, naming its line; empty when table is set
};

// CSV as spreadsheets write it: ',' or ';' (the one the header row uses outside quotes),
// double-quoted fields with "" for a quote and line breaks inside, UTF-8 with or without
// a byte-order mark, CRLF or LF, with or without a last line break; empty lines skipped.
UnitsRead readUnits(const QByteArray &bytes);
UnitsRead readUnitsFile(const QString &path); // bounded in size; the error names the file

// One cell (or a header column) that the form's rules refuse.
struct CellProblem
{
    int row = 0;    // the unit's number, 1-based (0: the header row)
    int line = 0;   // the file line
    QString column; // the column's name as the header gives it
    QString value;  // the cell as written
    QString reason; // in the form's own words
};

// Checks the header (an unknown or repeated column, a field the model lacks) and every
// non-empty cell with the form's own field rules for that field (an empty cell takes the
// base value); the rows with problems are listed, each problem once. Beyond the single
// cells, each unit's values as a whole: the analogue alarm levels against each other and
// the range, one radio button on in each of its groups, and every field the window
// requires filled (an empty one the base leaves empty for every row is listed once, as
// row 0). `model` NoDevice: the fields the model lacks are not known yet.
QList<CellProblem> checkUnits(const UnitsTable &table, const QStringList &baseValues, int model);

// The 0-based rows that `problems` name (the header's problems name none), each once, in
// order.
QList<int> rowsWithProblems(const QList<CellProblem> &problems);

// "3. sor, m_id („12a”): Csak számok adhatóak meg!" for a list; the header's problems as
// "fejléc, ...".
QString problemText(const CellProblem &problem);

// The file values (qv::files::kValueLines) of unit `row` (0-based): the base file's with
// the row's non-empty cells in place, normalised as the form normalises them.
QStringList unitValues(const UnitsTable &table, int row, const QStringList &baseValues);

// The download record of unit `row` for a module of `model` (assembled as the window
// assembles it after opening the unit's file), or empty with the reason in the form's
// words (a text holding the separator, a character the module cannot take).
QString unitRecord(const UnitsTable &table, int row, const QStringList &baseValues, int model,
                   QChar separator, QString *reason = nullptr);

// The register's name for a series: the units file's name and a digest of the base file,
// so that the same series resumes wherever it is run again.
QString seriesKey(const QString &unitsPath, const QByteArray &baseFileBytes);

// The team's name for a series, which the benches that share it claim its rows under: a
// digest of the table's content (its columns and cells, however the file spells them) and of
// the base file, so that the same table shares its rows wherever it lies, and a changed one
// is another series. It begins with the table's own digest, by which series-status finds
// the series of a table whatever their base files.
QString contentKey(const UnitsTable &table, const QByteArray &baseFileBytes);
QString tableDigest(const UnitsTable &table);

// ---- The run ----------------------------------------------------------------------------

enum class UnitState {
    Pending,       // not yet written
    Working,       // a module is connected and being written or read back
    Passed,        // written and verified (or acknowledged, without verification) now
    PassedEarlier, // the register already holds it as passed: not written again
    Failed,        // `reason` says why; the row can be retried
    Skipped,       // refused by the checks, and the user chose to skip it
    // Written (and verified when asked) but the register did not take its entry (`reason`
    // says why): not done, since a run resumed would not know of it; the run ends there.
    WrittenNotRecorded,
    // Another bench of the team holds it on the team register's server: written there (or
    // given back to the series, when that bench's lease runs out).
    Elsewhere,
    // Written and recorded, but the bench's claim on the row ran out meanwhile (the server
    // was out of reach longer than the lease) and another bench may have written it too.
    ClaimLost,
};

struct UnitResult
{
    static UnitResult of(int row, UnitState state = UnitState::Pending, QString reason = {})
    {
        UnitResult result;
        result.row = row;
        result.state = state;
        result.reason = std::move(reason);
        return result;
    }

    int row = 0; // 0-based
    UnitState state = UnitState::Pending;
    QString reason;         // why it failed, in the words the window uses
    QDateTime time;         // when it ended (passed or failed), UTC
    QString identification; // the module's answer to "~|"
    QString port;           // the lane's port that wrote it (or is writing it)
};

// What the run is waiting for.
enum class Wait {
    ForModule,  // the person connects the next module (row given)
    ForRemoval, // the person takes the module off (or replaces it); row -1 after a
                // module that was refused
};

// Told of the run's progress from the run's threads, one call at a time.
class SeriesObserver
{
public:
    virtual ~SeriesObserver() = default;
    virtual void unitChanged(const UnitResult &result) = 0;
    virtual void waiting(Wait what, int row) = 0;
    // The same, told which lane's port waits (a series on several ports).
    virtual void waitingOn(const QString &port, Wait what, int row)
    {
        Q_UNUSED(port);
        waiting(what, row);
    }
    // A module that cannot take this series (another model, not compatible, one that holds
    // a row of this series, one that could not be read first): it is not written and no row
    // is used up; the run waits for its removal.
    virtual void moduleRefused(const QString &reason) = 0;
    // Progress of the current unit's exchange, 0-100.
    virtual void progress(int row, int percent) = 0;
    // Something the person should know that does not end the run: the register or the
    // results file could not be written (the message says what to do).
    virtual void problem(const QString &message) { Q_UNUSED(message); }
};

struct SeriesSetup
{
    QString port;             // the one port of a series on one port (empty when `ports` are given)
    QStringList ports;        // a lane per port, each writing the next free row as its module comes
    qint32 baud = 1200;       // identification and read-out speed
    QString basePath;         // the base file, for the results and the register
    QByteArray baseFileBytes; // for the series key
    QStringList baseValues;   // its value lines
    UnitsTable units;
    QString unitsPath;
    QList<int> skippedRows; // 0-based rows refused by the checks that the user skipped
    // qv::settings::DeviceModelCode; NoDevice: the model of the series' first written row as the
    // register holds it, or else the first module's.
    int model = 0;
    bool verify = true;
    // A unit that fails leaves its row to the next module of any lane, not of its own.
    bool retryAnyLane = false;
    // Each module read out before it is written: the read-out goes into the register as the
    // unit's backup, and a module holding a row this series wrote is refused. Off: only the
    // first module of a resumed run is read, and only when rows were done earlier.
    bool readFirst = false;
    QString resultsPath; // the results CSV, rewritten after every unit
    QString programVersion;
    QString teamRegister; // as --register gives it; empty: the user's setting
    // A new batch of the same table and base: the rows done before are written again, into
    // new modules, under a series key of the batch's own ("KEY/2", "KEY/3" ...); without it
    // the latest batch is resumed.
    bool newBatch = false;
    // With a team register: how long a row claimed on the server stays this bench's without
    // being renewed (renewed while the bench works; see register/claims.h).
    int claimLeaseMs = 60'000;
    // How long a module may take to begin its answer when the port is polled for one; a
    // module that is gone is told by the identification's own time-out.
    int answerWithinMs = 200;
};

// A module counts as taken off once its port has been silent (identifications left
// unanswered for their own time-out, 0.5 s each) or absent for this long without a break,
// counted from the first request that went unanswered; one that answers again before then is
// the same module, whose contact came loose for a moment, not a new unit. With one adapter
// the line goes silent when the module is taken off, and two identifications in a row go
// unanswered; with an adapter per module its port vanishes. A person swapping modules takes
// longer than this either way; a swap quicker than this is taken for the same module staying
// on, and the run keeps waiting for it to go: no row is written twice, and none is lost.
inline constexpr int RemovalSettleMs = 1000;

// The results file written after each unit: "sor", the units columns, "eredmény", "indok",
// "idő" (local time, ISO 8601), every row; the path defaults to UNITS-eredmeny.csv beside
// the units file.
QString defaultResultsPath(const QString &unitsPath);

// Why `resultsPath` cannot take the results: it is the base file or the units file (the
// same file, whatever the name: a link, another spelling of the path), which the results
// would overwrite. Empty when it can.
QString resultsPathProblem(const QString &resultsPath, const QString &basePath,
                           const QString &unitsPath);

// A series as the series command or the series dialog asks for it (`setup`: the port or
// the ports, the files, the choices; an empty resultsPath gets defaultResultsPath()), checked
// before a file is read: the ports (portsProblem) and the results file (resultsPathProblem).
// `refusal` says why it cannot start; empty when `setup` may be planned.
struct SetupCheck
{
    SeriesSetup setup;
    QString refusal;
};
SetupCheck checkSetup(SeriesSetup setup);

// Why a series was not planned: the register that says which rows were done earlier failed
// with `error`.
QString planRefusal(const QString &error);

class SeriesRunner
{
public:
    explicit SeriesRunner(SeriesSetup setup);
    ~SeriesRunner();

    // The rows' states before the run (PassedEarlier from the register, Skipped, Pending).
    QList<UnitResult> plan(QString *error = nullptr);

    // Runs until every row has passed, was skipped or failed once (failed rows that are
    // retried run again), or until stop(). Blocking; call on a thread of its own for the
    // window. False when the run could not start (the reason in `error`: the same series
    // runs on this computer already, the register cannot be read or written, the results
    // file cannot be written or is an input), when the register did not take a unit's entry
    // (see notRecorded()), or when the port cannot be used for a reason that waiting does not
    // cure (permissions, busy; see portFailure()). A missing port is waited for.
    bool run(SeriesObserver &observer, QString *error = nullptr);

    // Thread-safe, and safe in a signal handler (it only sets a flag): the run ends once
    // the current unit's exchange is over (a module is never left half-written), or within
    // a poll of the port while it waits. A stopped runner stays stopped: a new one (its plan()
    // from the register) goes on.
    void stop();
    bool stopRequested() const;
    // Thread-safe: a failed row is put back to be done with the next module connected.
    void retry(int row);

    QList<UnitResult> results() const;
    // The register's name for the run's series and its batch (1 the first), once planned.
    QString key() const;
    int batch() const;

    // Why the port could not be used, when that ended the run (permissions, busy); read
    // after run() returned.
    std::optional<serial::OpenFailure> portFailure() const;
    // Whether the register's refusal of an entry (a unit's, or a backup's) ended the run.
    bool notRecorded() const;

private:
    struct State;
    std::unique_ptr<State> d;
};

// The state's word for the window, the command and the results file: "vár", "folyamatban",
// "kész", "korábban kész", "sikertelen", "kihagyva", "betöltve, nincs nyilvántartásban".
QString stateText(UnitState state);

// "12/40 kész": passed (now or earlier) of all rows that are not skipped.
QString progressText(const QList<UnitResult> &results);

// The results file's bytes: UTF-8 with a byte-order mark, the table's separator, CR LF.
// Cells that a spreadsheet would run as a formula (beginning with = + - @, a tab or a
// carriage return) and telephone numbers (which it would turn into numbers, losing a
// leading 0 or +) begin with an apostrophe, which keeps them text.
QByteArray resultsCsv(const UnitsTable &table, const QList<UnitResult> &results);

} // namespace qv::series

// Series programming: one base configuration written into many modules in a row, each
// unit with values of its own from a table a spreadsheet wrote (UNITS.csv), each unit
// verified by reading it back and recorded in the register with its row. No widgets: the
// command "qvconfig series" runs it as it is, the window's series dialog on a thread.
//
// Data flow:
//   UNITS.csv --readUnits()--> UnitsTable --checkUnits() (the form's own field rules)-->
//   problems listed, rows skipped only when the user says so
//   BASE.msw + UnitsTable --unitValues()--> the unit's file values --> download record
//   SeriesRunner::run() (one thread): for each row still to do: wait until a module answers
//   on the port, identify it (model as the series'), write the unit's record, read it
//   back, record the unit in the register (series key + row), rewrite the results file,
//   tell the observer, wait until the module goes (stops answering, or the port vanishes)
//   before the next row. Rows the register already holds as passed are not written again.
#pragma once

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
};

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
// base value); the rows with problems are listed, each problem once.
QList<CellProblem> checkUnits(const UnitsTable &table, const QStringList &baseValues, int model);

// The file values (qv::config::kValueLines) of unit `row` (0-based): the base file's with
// the row's non-empty cells in place, normalised as the form normalises them.
QStringList unitValues(const UnitsTable &table, int row, const QStringList &baseValues);

// The register's name for a series: the units file's name and a digest of the base file,
// so that the same series resumes wherever it is run again.
QString seriesKey(const QString &unitsPath, const QByteArray &baseFileBytes);

// ---- The run ----------------------------------------------------------------------------

enum class UnitState {
    Pending,       // not yet written
    Working,       // a module is connected and being written or read back
    Passed,        // written and verified (or acknowledged, without verification) now
    PassedEarlier, // the register already holds it as passed: not written again
    Failed,        // `reason` says why; the row can be retried
    Skipped,       // refused by the checks, and the user chose to skip it
};

struct UnitResult
{
    int row = 0; // 0-based
    UnitState state = UnitState::Pending;
    QString reason;         // why it failed, in the words the window uses
    QDateTime time;         // when it ended (passed or failed), UTC
    QString identification; // the module's answer to "~|"
};

// What the run is waiting for.
enum class Wait {
    ForModule,  // the person connects the next module (row given)
    ForRemoval, // the person takes the module off (or replaces it)
};

// Told of the run's progress from the run's own thread.
class SeriesObserver
{
public:
    virtual ~SeriesObserver() = default;
    virtual void unitChanged(const UnitResult &result) = 0;
    virtual void waiting(Wait what, int row) = 0;
    // A module that cannot take this series (another model, not compatible): it is not
    // written and no row is used up; the run waits for its removal.
    virtual void moduleRefused(const QString &reason) = 0;
    // Progress of the current unit's exchange, 0-100.
    virtual void progress(int row, int percent) = 0;
};

struct SeriesSetup
{
    QString port;
    qint32 baud = 1200;       // identification and read-out speed
    QString basePath;         // the base file, for the results and the register
    QByteArray baseFileBytes; // for the series key
    QStringList baseValues;   // its value lines
    UnitsTable units;
    QString unitsPath;
    QList<int> skippedRows; // 0-based rows refused by the checks that the user skipped
    int model = 0;          // qv::DeviceModelCode; NoDevice: the first module's model
    bool verify = true;
    QString resultsPath; // the results CSV, rewritten after every unit
    QString programVersion;
    QString teamRegister; // as --register gives it; empty: the user's setting
};

// The results file written after each unit: "sor", the units columns, "eredmény", "indok",
// "idő" (local time, ISO 8601), every row; the path defaults to UNITS-eredmeny.csv beside
// the units file.
QString defaultResultsPath(const QString &unitsPath);

class SeriesRunner
{
public:
    explicit SeriesRunner(SeriesSetup setup);
    ~SeriesRunner();

    // The rows' states before the run (PassedEarlier from the register, Skipped, Pending).
    QList<UnitResult> plan(QString *error = nullptr);

    // Runs until every row has passed, was skipped or failed once (failed rows that are
    // retried run again), or until stop(). Blocking; call on a thread of its own for the
    // window. False when the run could not start (the reason in `error`), e.g. the port
    // cannot be used for a reason that waiting does not cure (permissions, busy).
    bool run(SeriesObserver &observer, QString *error = nullptr);

    // Thread-safe: the run ends once the current unit's exchange is over (a module is never
    // left half-written) or at once while it waits.
    void stop();
    // Thread-safe: a failed row is put back to be done with the next module connected.
    void retry(int row);

    QList<UnitResult> results() const;

private:
    struct State;
    std::unique_ptr<State> d;
};

// The state's word for the window, the command and the results file: "vár", "folyamatban",
// "kész", "korábban kész", "sikertelen", "kihagyva".
QString stateText(UnitState state);

// "12/40 kész": passed (now or earlier) of all rows that are not skipped.
QString progressText(const QList<UnitResult> &results);

} // namespace qv::series

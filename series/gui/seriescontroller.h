// Series programming in the window: reads the base file and the units table and has every
// row checked before anything is written, on a thread of its own (a table may hold a
// million rows), then runs the series on another. The run's reports come back to the GUI
// thread as queued signals; the series dialog only connects to them. While a series runs the port
// is the series': the window locks its own exchanges (runningChanged).
#pragma once

#include "series/series.h"
#include "transfer/exchange.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QThread;
class QWidget;
namespace qv::series::gui {
class SeriesModel;
}

namespace qv::series::gui {

// Carries the run's observer calls from the run's thread to the controller as signals.
class SeriesRelay : public QObject, public qv::series::SeriesObserver
{
    Q_OBJECT

public:
    using QObject::QObject;
    void unitChanged(const qv::series::UnitResult &result) override { emit unit(result); }
    void waiting(qv::series::Wait what, int row) override { emit waitingFor(what, row); }
    void waitingOn(const QString &port, qv::series::Wait what, int row) override
    {
        emit waitingOnPort(port, what, row);
    }
    void moduleRefused(const QString &reason) override { emit refused(reason); }
    void progress(int row, int percent) override { emit progressed(row, percent); }
    void problem(const QString &message) override { emit problemFound(message); }

signals:
    void unit(const qv::series::UnitResult &result);
    void waitingFor(qv::series::Wait what, int row);
    void waitingOnPort(const QString &port, qv::series::Wait what, int row);
    void refused(const QString &reason);
    void progressed(int row, int percent);
    void problemFound(const QString &message);
    void ended(bool ok, const QString &error);
};

class SeriesController : public QObject
{
    Q_OBJECT

public:
    // What the dialog asks for.
    struct Request
    {
        QString basePath;
        QString unitsPath;
        QString resultsPath; // empty: beside the units file
        int model =
            0; // qv::settings::DeviceModelCode; NoDevice: the register's or the first module's
        bool verify = true;
        bool readFirst = false;    // each module read out before it is written, as its backup
        QStringList ports;         // a lane per port; empty: the window's port
        bool newBatch = false;     // the table again from its first row, as a new batch
        bool retryAnyLane = false; // a failed unit's row to any lane, not its own
    };

    // The port, its speed and the model come from the window (`link`), `programVersion` is
    // this program's; `teamRegister` as --register gives it.
    SeriesController(qv::transfer::LinkSource link, const QString &programVersion,
                     const QString &teamRegister, QObject *parent = nullptr);
    // A running series is stopped after its current unit and waited for.
    ~SeriesController() override;

    SeriesModel *model() const { return m_model; }
    // From the start on: while the files are checked too.
    bool isRunning() const { return m_thread != nullptr || m_checking != nullptr; }

    // Shows the rows of a units file before the run; empty when it could be read, otherwise
    // why not.
    QString showUnits(const QString &unitsPath);
    // Reads both files and checks every row on a thread of its own; then the rows the
    // checks refuse are listed in a message parented to `parent` and skipped only when the
    // user says so, and the run starts. False when it did not begin (the reason was shown);
    // runningChanged(false) tells when a check ends without a run (the reason shown, or
    // refused by the user).
    bool start(const Request &request, QWidget *parent);
    // The run ends once the current unit is done (a module is never left half-written).
    void stop();
    // Puts the failed ones of `rows` (0-based) back; a run that has ended starts again for
    // them (one that was stopped goes on with every row not yet done). False when none of
    // them had failed.
    bool retry(const QList<int> &rows);

    // Why the port cannot be had for a series now (empty: it can); asked before every start.
    void setPortRefusal(std::function<QString(const QString &port)> why)
    {
        m_portRefusal = std::move(why);
    }

signals:
    void runningChanged(bool running);
    // What the person at the bench should do now.
    void prompt(const QString &text);
    // "12/40 kész", and the rows done of all.
    void progressChanged(const QString &text);
    void progressCounts(int done, int rows);
    // A lane's port, its row (1-based; 0: none) and what it does now, as the run goes.
    void laneChanged(const QString &port, int row, const QString &state);
    // A line for the dialog's log (a refused module, a problem), with its time.
    void logLine(const QString &line);
    // The person should take the module off now (the cue's sound, when it is on).
    void swapNow();
    // The run could not start or go on, for a reason that waiting does not cure.
    void failed(const QString &reason);
    // Something that does not end the run (the register or the results file could not be
    // written), with what to do; empty when a run starts.
    void problem(const QString &message);

private:
    // What the check of the files and rows found, handed from its thread to the window's.
    struct Prepared;
    static void prepare(const Request &request, qv::series::SeriesSetup setup, Prepared &out);
    void checked();
    void launch();
    void show(QList<qv::series::UnitResult> results);
    void unitChanged(const qv::series::UnitResult &result);
    void waiting(qv::series::Wait what, int row);
    void waitingOn(const QString &port, qv::series::Wait what, int row);
    void tellProgress();
    void refused(const QString &reason);
    void progressed(int row, int percent);
    void problemFound(const QString &message);
    void ended(bool ok, const QString &error);
    // " (0012 – PINCE)": the unit's id and name as its row gives them, if it does.
    QString unitOf(int row) const;

    qv::transfer::LinkSource m_link;
    QString m_version;
    const QString m_teamRegister;
    SeriesModel *m_model = nullptr;
    SeriesRelay *m_relay = nullptr;
    qv::series::SeriesSetup m_setup; // of the last run started
    std::unique_ptr<qv::series::SeriesRunner> m_runner;
    QThread *m_thread = nullptr;
    QThread *m_checking = nullptr; // reads and checks the files before a run
    std::shared_ptr<Prepared> m_prepared;
    QPointer<QWidget> m_parent;        // of the messages after the check
    QHash<int, QString> m_skipReasons; // why the checks refused a skipped row
    QString m_refusal;                 // the module connected now was refused for this
    bool m_stopping = false;
    bool m_moduleOn = false; // a unit was written into the module connected now
    std::function<QString(const QString &)> m_portRefusal;
};

} // namespace qv::series::gui

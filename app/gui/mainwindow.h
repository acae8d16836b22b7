// The main window (qv::app::gui): the hub that owns the form, the settings record
// (devSettings) and a controller per subsystem, and turns every user command into a call on
// the controller that carries it out. It lives in the program's Gui module: the qvconfig
// program (app/main.cpp, Qt Core only) runs the commands (cli/) itself and loads the window
// only when it is asked for.
//
// The house: a folder is a library without widgets (the exchanges, the record, the file
// format, the register, the series, the sheet, the watch) and its gui/ subfolder holds the
// controllers and dialogs that call it and show its results; the commands call the same
// libraries without a window. The exchanges are written once (transfer/exchange.h: each takes
// a Link value made from devSettings and ends in an ExchangeReport); the controllers, the
// commands and the series call them and only show the result. How data flows (controller in
// <folder>/gui -> <folder>):
//   port dialog (setcom) -> PortController (serial/gui) -> identifyModule "~|" (serial) ->
//     its signals -> devSettings; the window unlocks, shapes the form (form/gui) and loads
//     the defaults
//   module -> ReadOutController (transfer/gui) -> readOutModule "~{", decodeReadOut
//     (transfer) -> FormBinding (form/gui); its report -> the status bar (readOutSummary),
//     a failure's cause beneath its message (readOutCause)
//   FormBinding -> DownloadController (transfer/gui): assembleDownload (transfer) -> a copy
//     of devSettings -> dload / dlThread (its own thread; writeModule holds one port through
//     the write and its read-back) -> module; the verification -> dload, the status bar
//   module -> StatusController (transfer/gui) -> queryModuleStatus "~[", panelView ->
//     StatusPanel (form/gui)
//   FormBinding + module -> CompareController (transfer/gui) -> compareRecords -> CompareDialog
//   FormBinding <-> FileController (files/gui) <-> configformat (files) <-> *.msw
//   the exchanges' ExchangeReport (signals) -> RegisterController (register/gui) -> Journal
//     (register) -> the local SQLite register -> its sender thread -> the team's PostgreSQL
//   Journal search -> RegisterModel -> RegisterWindow (register/gui, not modal); an entry ->
//     the form, a *.msw file (fileValuesFromRecord, transfer) or CompareDialog; its
//     "Sorozatok…" -> SeriesStatusDialog (series/gui) -> seriesOfTable, SeriesStatusModel
//     (series), as "qvconfig series-status" shows them
//   BASE.msw + UNITS.csv -> SeriesDialog, SeriesController (series/gui) -> SeriesRunner
//     (series) on the controller's thread, module after module on the window's port, or a
//     lane per port chosen (each on a thread, rows from one RowDispenser, with a team
//     register claimed on its server through ClaimBook, register); the window's port
//     commands are locked while it runs
//   module -> WatchController (watch/gui): a timer starts each "~[" as an exchange
//     (takeSample, Pacer: watch) -> WatchDialog (TrendPlot, SignalMeter), StatusPanel, the
//     session into the register; the window's other exchanges pause it
//   FormBinding or an entry -> SheetController (sheet/gui) -> makeSheet (sheet) -> print
//     preview or PDF
// The form is the only data model of a configuration: every subsystem reads and writes it
// through form::gui::FormBinding, in field values. Only this class reads and writes
// devSettings: a controller asks it for the link (transfer::LinkSource, linkOf) when it needs
// it, the download for a copy of the record, and each tells it by signals what changed (the
// port chosen, the module identified, the file open, the record sent). Subsystems report
// back by signals; none of them knows this class. Every exchange runs on a thread of its own
// that holds the port's turn (serial::ExchangeThread; dlThread for the download): the window
// waits for it in its event loop, so it repaints and answers Cancel meanwhile (the status
// watch does not wait: it is told when its query has ended). The register's sender has a
// thread of its own.
#pragma once

#include "settings/devsettings.h"
#include "settings/language.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QCloseEvent;
class QLabel;
namespace qv::form::gui {
class FormBinding;
class EditState;
class FormChecks;
class StatusPanel;
} // namespace qv::form::gui
namespace qv::form::gui::Ui {
class MainWindow;
}
namespace qv::form::rules {
enum class Group;
}
namespace qv::serial::gui {
class PortController;
}
namespace qv::files::gui {
class FileController;
}
namespace qv::transfer::gui {
class ReadOutController;
class DownloadController;
class StatusController;
class CompareController;
} // namespace qv::transfer::gui
namespace qv::reg {
struct Entry;
}
namespace qv::reg::gui {
class RegisterController;
class RegisterWindow;
} // namespace qv::reg::gui
namespace qv::series::gui {
class SeriesController;
class SeriesDialog;
} // namespace qv::series::gui
namespace qv::sheet::gui {
class SheetController;
}
namespace qv::watch::gui {
class WatchController;
class WatchDialog;
} // namespace qv::watch::gui

namespace qv::app::gui {

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // `teamRegister` (--register) chooses the team register for this run instead of the
    // remembered choice.
    explicit MainWindow(QWidget *parent = nullptr, const QString &teamRegister = {});
    ~MainWindow() override;

    const settings::devSettings &deviceSettings() const { return settings; }
    // Starts with another port and speed than "COM1" at 1200 bit/s (command line, tests);
    // the window stays locked until a module is identified.
    void useLink(const QString &port, qint32 baud);
    // Remembers a configuration file to open (command line): the status bar shows it as
    // waiting, and it is opened as "Megnyitás" would open it right after the first
    // successful identification has loaded the defaults.
    void openWhenIdentified(const QString &path);

public slots:
    void newfile();
    void openfile();
    void save();
    void saveas();
    void verify_func();
    void show_port();
    bool checkCompatibility(const QString &deviceVersion);
    void setDeviceUI();
    void globalDisableUI();
    void globalEnableUI();
    void download();
    void readup();
    void nevjegy();
    void contents();
    void check_general();
    void check_tel();
    void check_analog();
    void check_be();
    void check_ki();
    void check_activate();
    void check_cbs();
    void allapot();
    void smskpSelect();
    void deviceDebugMS5();
    void deviceDebugMS3();
    void deviceDebugMArm2();
    void deviceDebugDisable();

protected:
    // Closing with unsaved edits asks first; cancelling keeps the window open.
    void closeEvent(QCloseEvent *event) override;

private:
    // Remembers the language chosen in the menu; it applies from the next start.
    void chooseLanguage(settings::language::Language language);
    void restartProgram();
    // True when the form may be replaced: it holds no unsaved edits, or the user saved
    // or discarded them.
    bool mayReplaceForm();
    void moduleIdentified();
    void connectSignals();
    void createStatusBar();
    void showPort(bool chosen);
    void showPicture();
    void replaceLinkLabel();
    void enterDebugMode(int model, const QString &message);
    void runCheck(form::rules::Group group);
    QList<QAction *> deviceActions() const;
    // The commands that use the port (actions and buttons), locked while a series runs.
    QList<QObject *> portCommands() const;
    void lockPortForSeries(bool locked);
    void holdSeriesLock();
    // The series dialog, non-modal, made on its first use.
    void showSeries();
    // The register window (not a slot of its own: the command came after the others).
    void showRegister();
    // The status watch's window, non-modal, made on its first use.
    void showWatch();
    // What the register window asks for an entry; dialogs are parented to `parent`. True
    // when the form now holds the entry.
    bool openEntry(const qv::reg::Entry &entry, QWidget *parent);
    void saveEntry(const qv::reg::Entry &entry, QWidget *parent);
    void compareEntryWithForm(const qv::reg::Entry &entry, QWidget *parent);
    // Why an entry's configuration cannot be shaped for its model; empty when it can.
    // `current`: the form must be shaped for that model now.
    QString shapeRefusal(const qv::reg::Entry &entry, bool current) const;

    form::gui::Ui::MainWindow *ui;
    settings::devSettings settings;
    QLabel *portLabel = nullptr;
    QLabel *fileLabel = nullptr;
    QLabel *linkLabel = nullptr;
    QLabel *m_modifiedLabel = nullptr; // shown while the form holds unsaved edits
    QLabel *m_verifiedLabel = nullptr; // the last download's verification, while it holds
    QLabel *m_readOutLabel = nullptr;  // the last successful read-out: model, module, time
    QString m_pendingFile;             // opened after the first identification
    QPointer<reg::gui::RegisterWindow> m_registerWindow; // while it is open
    bool m_restarting = false; // closing to start again in the language chosen

    std::unique_ptr<form::gui::FormBinding> m_form;
    std::unique_ptr<form::gui::StatusPanel> m_panel;
    std::unique_ptr<form::gui::FormChecks> m_checks;
    form::gui::EditState *m_edits = nullptr;
    serial::gui::PortController *m_ports = nullptr;
    transfer::gui::ReadOutController *m_readOut = nullptr;
    transfer::gui::DownloadController *m_download = nullptr;
    transfer::gui::StatusController *m_status = nullptr;
    files::gui::FileController *m_files = nullptr;
    transfer::gui::CompareController *m_compare = nullptr;
    reg::gui::RegisterController *m_register = nullptr;
    series::gui::SeriesController *m_series = nullptr;
    series::gui::SeriesDialog *m_seriesDialog = nullptr;
    sheet::gui::SheetController *m_sheet = nullptr;
    watch::gui::WatchController *m_watch = nullptr;
    watch::gui::WatchDialog *m_watchDialog = nullptr;
    bool m_seriesRunning = false;
    bool m_closeAfterSeries = false; // the window closes once the series has stopped
};

} // namespace qv::app::gui

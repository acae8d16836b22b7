// The main window: the hub that owns the form, the settings record and the subsystems, and
// turns every user command into a call on the subsystem that carries it out.
//
// How data flows:
//   port dialog -> PortController (serial/): identification "~|" -> devSettings, then the
//     window unlocks, shapes the form (form/deviceshaping) and loads the defaults
//   module -> ReadOutController (transfer/): "~{" -> decodeReadOut (qvcore) -> FormBinding
//   FormBinding -> DownloadController (transfer/): assembleDownload (qvcore) -> a copy of
//     devSettings -> dload / dlThread (its own port and thread) -> module
//   module -> StatusController (transfer/): "~[" -> panelView (qvcore) -> StatusPanel
//   FormBinding <-> FileController (files/) <-> configuration file format (qvcore) <-> *.msw
// The form is the only data model of a configuration: every subsystem reads and writes it
// through form::FormBinding, in field values. Subsystems report back by signals; none of
// them knows this class. All run on the GUI thread except the download transfer.
#pragma once

#include "settings/devsettings.h"

#include <QMainWindow>

#include <memory>

class QLabel;
class PortController;
class ReadOutController;
class DownloadController;
class StatusController;
class FileController;
namespace Ui {
class MainWindow;
}
namespace qv::rules {
enum class Group;
}
namespace form {
class FormBinding;
class FormChecks;
class StatusPanel;
} // namespace form

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    const devSettings &deviceSettings() const { return settings; }
    // Starts with another port and speed than "COM1" at 1200 bit/s (command line, tests);
    // the window stays locked until a module is identified.
    void useLink(const QString &port, qint32 baud);

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

private:
    void connectSignals();
    void createStatusBar();
    void showPort(bool chosen);
    void showPicture();
    void replaceLinkLabel();
    void enterDebugMode(int model, const QString &message);
    void runCheck(qv::rules::Group group);

    Ui::MainWindow *ui;
    devSettings settings;
    QLabel *portLabel = nullptr;
    QLabel *fileLabel = nullptr;
    QLabel *linkLabel = nullptr;

    std::unique_ptr<form::FormBinding> m_form;
    std::unique_ptr<form::StatusPanel> m_panel;
    std::unique_ptr<form::FormChecks> m_checks;
    PortController *m_ports = nullptr;
    ReadOutController *m_readOut = nullptr;
    DownloadController *m_download = nullptr;
    StatusController *m_status = nullptr;
    FileController *m_files = nullptr;
};

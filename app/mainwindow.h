// The main window: owner of the configuration form, the settings record and every command.
//
// How data flows:
//   port  -> comPort (serial/) -> reply decoders (transfer/, qvcore) -> form widgets
//   form widgets -> record assembly (transfer/, qvcore) -> dload/dlThread -> port
//   form widgets <-> configuration file format (files/, qvcore) <-> *.msw files
// The form (form/) is the only data model of a configuration: there is no separate
// record. Every command is a slot below; all run on the GUI thread except the
// download transfer, which runs on its own worker thread with a copy of `settings`.
#pragma once

#include "settings/devsettings.h"

#include <QMainWindow>

class QGroupBox;
class QLabel;
namespace Ui {
class MainWindow;
}
namespace qv::rules {
enum class Group;
}

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
    // A configuration file to open once a module has been identified (command line).
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

private:
    void connectSignals();
    void createStatusBar();
    void showPicture();
    void replaceLinkLabel();
    void enterDebugMode(int model, const QString &message);
    void checkLineEdits(QGroupBox *box, qv::rules::Group group);
    // Loads the file named by settings.FilePath into the form; `defaults` is set for the
    // defaults file, whose footer lines replace the status-bar texts.
    void loadFile(bool defaults);

    Ui::MainWindow *ui;
    devSettings settings;
    QLabel *portLabel = nullptr;
    QLabel *fileLabel = nullptr;
    QLabel *linkLabel = nullptr;
    // Set while a validation warning is open (see checkLineEdits).
    bool m_warningOpen = false;
    // The file named on the command line, waiting for the first identification.
    QString m_pendingFile;
};

// The widget tree of the main window, built from the form catalogue in two passes.
#pragma once

#include <QByteArrayView>
#include <QHash>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QWidget;

namespace qv::form::gui::Ui {

class MainWindow
{
public:
    // Structure pass (widgets, geometry, flags, fonts, styles, groups, menus),
    // then the text pass.
    void setupUi(QMainWindow *window);
    // Text pass: captions, tab texts, default texts, combo items and the "group"
    // properties. It may be run again; it never changes the structure.
    void retranslateUi(QMainWindow *window);

    // Any widget of the window built from the catalogue, by object name.
    template <class T> T *get(QByteArrayView name) const
    {
        return qobject_cast<T *>(widgets.value(name.toByteArray()));
    }

    QWidget *centralWidget = nullptr;
    QLabel *image = nullptr;
    QTabWidget *tabWidget = nullptr;
    QGroupBox *g_general = nullptr, *g_tel = nullptr, *g_analog = nullptr, *g_be = nullptr,
              *g_ki = nullptr, *g_ki_csengetes = nullptr, *g_activate = nullptr,
              *g_allapot = nullptr, *g_eszkoz = nullptr;
    QPushButton *port_gomb = nullptr, *verify_gomb = nullptr, *download_gomb = nullptr,
                *upload_gomb = nullptr, *allapot_gomb = nullptr;
    QComboBox *smskp_combo = nullptr;
    QRadioButton *max_be_15 = nullptr, *max_be_30 = nullptr;
    QMenuBar *menuBar = nullptr;
    QMenu *menuFile = nullptr, *menuSettings = nullptr, *menuDevice = nullptr, *menuHelp = nullptr,
          *menuDebug = nullptr;
    QAction *actionNew = nullptr, *actionOpen = nullptr, *actionSave = nullptr,
            *actionSaveAs = nullptr, *actionExit = nullptr, *actionPort = nullptr,
            *actionReadup = nullptr, *actionDownload = nullptr, *actionVerify = nullptr,
            *actionCompare = nullptr, *actionRegister = nullptr, *actionSeries = nullptr,
            *actionContents = nullptr, *actionAbout = nullptr, *actionQ_QV5 = nullptr,
            *actionQ_QV3 = nullptr, *actionQ_BRK2 = nullptr, *actionNodevice = nullptr;
    // The live status watch, at the end of "Eszköz".
    QAction *actionWatch = nullptr;
    // The customer's sheet, in "File" after "Mentés".
    QAction *actionPrintSheet = nullptr, *actionExportSheet = nullptr;
    // "Nyelv / Language" at the end of "Beállítások": its texts are the same in every language.
    QMenu *menuLanguage = nullptr;
    QAction *actionLangHu = nullptr, *actionLangEn = nullptr;
    QStatusBar *statusBar = nullptr;

    QHash<QByteArray, QWidget *> widgets; // every widget of the catalogue
};

} // namespace qv::form::gui::Ui

// Locked and unlocked states of the main window, and the debug device modes.
#include "app/gui/mainwindow.h"

#include "files/gui/filecontroller.h"
#include "form/gui/mainwindowui.h"
#include "form/styles.h"
#include "settings/gui/messages.h"
#include "watch/gui/watchcontroller.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

namespace qv::app::gui {

void MainWindow::globalDisableUI()
{
    ui->tabWidget->setEnabled(false);
    ui->g_allapot->setEnabled(false);
    for (QPushButton *button : ui->centralWidget->findChildren<QPushButton *>()) {
        if (button == ui->port_gomb)
            continue;
        button->setStyleSheet(qv::form::style::ButtonLocked);
        button->setEnabled(false);
    }
    ui->actionOpen->setEnabled(false);
    ui->actionSave->setEnabled(false);
    ui->actionPrintSheet->setEnabled(false);
    ui->actionExportSheet->setEnabled(false);
    // The menu stays open for the register, which needs no module.
    for (QAction *action : deviceActions())
        action->setEnabled(false);
    holdSeriesLock();
}

void MainWindow::globalEnableUI()
{
    ui->tabWidget->setEnabled(true);
    ui->g_allapot->setEnabled(true);
    for (QPushButton *button : ui->centralWidget->findChildren<QPushButton *>())
        button->setEnabled(true);
    ui->download_gomb->setStyleSheet(qv::form::style::DownloadUnlocked);
    ui->verify_gomb->setStyleSheet(qv::form::style::VerifyUnlocked);
    ui->upload_gomb->setStyleSheet(qv::form::style::ReadOutUnlocked);
    ui->allapot_gomb->setStyleSheet(qv::form::style::StatusUnlocked);
    ui->actionOpen->setEnabled(true);
    ui->actionSave->setEnabled(true);
    ui->actionPrintSheet->setEnabled(true);
    ui->actionExportSheet->setEnabled(true);
    for (QAction *action : deviceActions())
        action->setEnabled(true);
    holdSeriesLock();
}

// The commands of the menu "Eszköz" that talk to the module.
QList<QAction *> MainWindow::deviceActions() const
{
    return {ui->actionReadup, ui->actionDownload, ui->actionCompare, ui->actionWatch};
}

QList<QObject *> MainWindow::portCommands() const
{
    return {ui->actionPort,   ui->actionReadup, ui->actionDownload, ui->actionCompare,
            ui->actionSeries, ui->actionWatch,  ui->port_gomb,      ui->download_gomb,
            ui->upload_gomb,  ui->verify_gomb,  ui->allapot_gomb};
}

// The port commands come back as the window's state without the series says: the module's
// commands as unlocked or locked with the form, the port itself and the series always.
void MainWindow::lockPortForSeries(bool locked)
{
    m_seriesRunning = locked;
    m_watch->setPortLocked(locked);
    if (locked) {
        holdSeriesLock();
        return;
    }
    ui->tabWidget->isEnabled() ? globalEnableUI() : globalDisableUI();
    ui->actionPort->setEnabled(true);
    ui->actionSeries->setEnabled(true);
    ui->port_gomb->setEnabled(true);
    if (m_closeAfterSeries)
        close();
}

// Locks the port commands while a series runs, also after the window changed their states
// (a module identified, the debug modes).
void MainWindow::holdSeriesLock()
{
    if (!m_seriesRunning)
        return;
    for (QObject *command : portCommands()) {
        command->setProperty("enabled", false);
        if (auto *button = qobject_cast<QPushButton *>(command); button && button != ui->port_gomb)
            button->setStyleSheet(qv::form::style::ButtonLocked);
    }
}

// Simulates an identified module without any serial traffic.
void MainWindow::enterDebugMode(int model, const QString &message)
{
    if (!mayReplaceForm())
        return;
    settings.DeviceModel = model;
    globalEnableUI();
    setDeviceUI();
    m_files->newFile();
    qv::settings::gui::showMessage(this, QMessageBox::Information, tr("Eszköz"), message);
}

void MainWindow::deviceDebugMS5()
{
    enterDebugMode(qv::settings::ModelQV5, tr("Debug Mode: Quorvel-5"));
}

void MainWindow::deviceDebugMS3()
{
    enterDebugMode(qv::settings::ModelQV3, tr("Debug Mode: Quorvel-3"));
}

void MainWindow::deviceDebugMArm2()
{
    enterDebugMode(qv::settings::ModelBRK2, tr("Debug Mode: Brastok-2"));
}

void MainWindow::deviceDebugDisable()
{
    settings.DeviceModel = qv::settings::NoDevice;
    globalDisableUI();
    setDeviceUI();
    qv::settings::gui::showMessage(this, QMessageBox::Information, tr("Eszköz"),
                                   tr("Debug Mode: No Device"));
}

} // namespace qv::app::gui

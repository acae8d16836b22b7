// Locked and unlocked states of the main window, and the debug device modes.
#include "app/mainwindow.h"

#include "app/messages.h"
#include "form/mainwindowui.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

namespace {
const QString kLockedButton =
    QStringLiteral("color: rgb(255,255,255); background-color: rgb(180,180,180);");
}

void MainWindow::globalDisableUI()
{
    ui->tabWidget->setEnabled(false);
    ui->g_allapot->setEnabled(false);
    for (QPushButton *button : ui->centralWidget->findChildren<QPushButton *>()) {
        if (button->objectName() == QLatin1StringView("port_gomb"))
            continue;
        button->setStyleSheet(kLockedButton);
        button->setEnabled(false);
    }
    ui->actionOpen->setEnabled(false);
    ui->actionSave->setEnabled(false);
    ui->menuDevice->setEnabled(false);
}

void MainWindow::globalEnableUI()
{
    ui->tabWidget->setEnabled(true);
    ui->g_allapot->setEnabled(true);
    for (QPushButton *button : ui->centralWidget->findChildren<QPushButton *>())
        button->setEnabled(true);
    ui->download_gomb->setStyleSheet(
        QStringLiteral("color: rgb(255,255,255); background-color: rgb(191,0,0);"));
    ui->verify_gomb->setStyleSheet(
        QStringLiteral("color: rgb(255,255,255); background-color: rgb(0,128,0);"));
    ui->upload_gomb->setStyleSheet(
        QStringLiteral("color: rgb(255,255,255); background-color: rgb(255,128,0);"));
    ui->allapot_gomb->setStyleSheet(
        QStringLiteral("color: rgb(255,255,255); background-color: rgb(0,170,127);"));
    ui->actionOpen->setEnabled(true);
    ui->actionSave->setEnabled(true);
    ui->menuDevice->setEnabled(true);
}

// Simulates an identified module without any serial traffic.
void MainWindow::enterDebugMode(int model, const QString &message)
{
    settings.DeviceModel = model;
    globalEnableUI();
    setDeviceUI();
    newfile();
    qv::showMessage(this, QMessageBox::Information, QStringLiteral("Eszköz"), message);
}

void MainWindow::deviceDebugMS5()
{
    enterDebugMode(qv::ModelQV5, QStringLiteral("Debug Mode: Quorvel-5"));
}

void MainWindow::deviceDebugMS3()
{
    enterDebugMode(qv::ModelQV3, QStringLiteral("Debug Mode: Quorvel-3"));
}

void MainWindow::deviceDebugMArm2()
{
    enterDebugMode(qv::ModelBRK2, QStringLiteral("Debug Mode: Brastok-2"));
}

void MainWindow::deviceDebugDisable()
{
    settings.DeviceModel = qv::NoDevice;
    globalDisableUI();
    setDeviceUI();
    qv::showMessage(this, QMessageBox::Information, QStringLiteral("Eszköz"),
                    QStringLiteral("Debug Mode: No Device"));
}

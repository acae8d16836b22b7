// Port selection and identification of the module on the chosen port.
#include "app/mainwindow.h"

void MainWindow::show_port() {}

bool MainWindow::checkCompatibility(const QString &deviceVersion)
{
    Q_UNUSED(deviceVersion);
    return false;
}

// Shaping the form, the status panel and the picture for the connected model.
#include "app/mainwindow.h"

void MainWindow::setDeviceUI() {}

// The live status of the module in the status panel.
#include "app/mainwindow.h"

void MainWindow::allapot() {}

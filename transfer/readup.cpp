// Reading the module's configuration out into the form.
#include "app/mainwindow.h"

void MainWindow::readup() {}

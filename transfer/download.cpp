// Writing the form into the module.
#include "app/mainwindow.h"

void MainWindow::download() {}

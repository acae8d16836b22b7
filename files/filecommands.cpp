// New, Open and Save: the form to and from configuration files.
#include "app/mainwindow.h"

void MainWindow::newfile() {}
void MainWindow::openfile() {}
void MainWindow::save() {}

// Help menu: about box and manual.
#include "app/mainwindow.h"

void MainWindow::nevjegy() {}

void MainWindow::contents() {}

// Field validation slots and the SMS-centre selector.
#include "app/mainwindow.h"

void MainWindow::check_general() {}
void MainWindow::check_tel() {}
void MainWindow::check_analog() {}
void MainWindow::check_be() {}
void MainWindow::check_ki() {}
void MainWindow::check_activate() {}
void MainWindow::check_cbs() {}
void MainWindow::smskpSelect() {}

#include "mainwindow/larkspanwindow.h"

#include "app/Edition.h"

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(editionName(false));
}

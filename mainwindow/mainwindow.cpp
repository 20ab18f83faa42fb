#include "mainwindow/mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QSystemTrayIcon>

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        hide();
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}

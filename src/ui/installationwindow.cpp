#include "installationwindow.h"

#include <QWidget>

InstallationWindow::InstallationWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Throw"));
    setWindowTitle(QStringLiteral("Installation Dimensions"));
    setCentralWidget(new QWidget(this));
    resize(720, 480);
}

void InstallationWindow::recalc() {}

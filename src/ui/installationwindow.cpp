#include "installationwindow.h"

#include <QLabel>

InstallationWindow::InstallationWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Throw"));
    setWindowTitle(QStringLiteral("Installation Dimensions"));
    auto *placeholder =
        new QLabel(tr("The installation drawing for this screen appears here."), this);
    placeholder->setAlignment(Qt::AlignCenter);
    placeholder->setForegroundRole(QPalette::PlaceholderText);
    setCentralWidget(placeholder);
    resize(720, 480);
}

void InstallationWindow::recalc() {}

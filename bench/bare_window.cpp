// The yardstick for lumidex's start-up: a bare Qt Widgets main window with four menus and three
// fields, nothing else. bench/startup_compare.sh starts it and lumidex alternately and compares
// when their first window is painted and how much memory they hold by then.

#include "startupprobe.h"

#include <QApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installStartupProbe(app);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    for (const char *title : {"&File", "&Options", "&Screen", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    auto *fields = new QWidget(&window);
    auto *layout = new QFormLayout(fields);
    for (const char *label : {"&Diagonal", "&Width", "&Height"})
        layout->addRow(QString::fromLatin1(label), new QLineEdit(fields));
    window.setCentralWidget(fields);
    window.show();
    return app.exec();
}

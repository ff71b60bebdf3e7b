#pragma once

#include <QMainWindow>

// The installation window. It is created once and shown by the screen calculator's "&Layout".
class InstallationWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit InstallationWindow(QWidget *parent = nullptr);

    // Recalculate from the shared installation state.
    void recalc();
};

#pragma once

#include "9-session/startup.h"

#include <QWidget>

class QPushButton;

// The start-up window: product artwork, version, "&Ok" and "&How to reach us...".
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(lumidex::StartupWindow &startup, QWidget *parent = nullptr);

signals:
    void showMainWindowRequested();
    void contactHelpRequested();
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void acceptStart();

    lumidex::StartupWindow &m_startup;
    QPushButton *m_ok = nullptr;
};

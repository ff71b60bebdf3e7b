#pragma once

#include "9-session/help.h"

#include <QWidget>

class QTextBrowser;

// Shows the help topics shipped in the help folder beside the program.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QString helpFolder, QWidget *parent = nullptr);

    void showRequest(const lumidex::HelpRequest &request);
    QString currentText() const;

private:
    QString m_folder;
    QTextBrowser *m_browser = nullptr;
};

#pragma once

#include "sheetprinting.h"

#include <QDialog>

namespace lumidex {
class Dialogs;
class TipsWindow;
} // namespace lumidex
class QLabel;
class QFrame;
class LensRingPicture;

// The installer's tips window ("tip", "Installer's Tip"): shows the tips state; the OK button
// and any click on its pictures, panels or text advance it; "&Print" prints it as it stands.
class TipsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TipsDialog(lumidex::TipsWindow &tips, QWidget *parent = nullptr);

    void advance();
    // Where "&Print" reports a failure (by default message boxes of its own) and how it asks
    // for the printer.
    void setPrinting(lumidex::Dialogs &dialogs, PrintChooser chooser = platformPrintDialog());
    void print();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();

    lumidex::TipsWindow &m_tips;
    QLabel *m_text = nullptr;
    QFrame *m_warning = nullptr;
    QLabel *m_warningText = nullptr;
    QLabel *m_warningNote = nullptr;
    LensRingPicture *m_picture = nullptr;
    lumidex::Dialogs *m_dialogs = nullptr;
    PrintChooser m_chooser = platformPrintDialog();
};

#pragma once

#include <QDialog>

// The LX-530's screen configuration ("frmSXGAChoice"): a 4:3 screen for 4:3 sources, or for
// a 5:4 SXGA source. exec() returns 0 or 1 for the choice, -1 when cancelled.
class SxgaDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SxgaDialog(QWidget *parent = nullptr);

    void reject() override;
};

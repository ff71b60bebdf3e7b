#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace lumidex {
class Dialogs;
class ThrowWindow;
} // namespace lumidex

// The installation window's printing commands: File, Print (the print dialog, then one sheet
// per page, each copy its own job), Print Preview and Export PDF.
class SheetPrinting : public QObject
{
    Q_OBJECT

public:
    SheetPrinting(lumidex::ThrowWindow &window, lumidex::Dialogs &dialogs, QWidget *parentWindow);

    void print();
    void preview();
    void exportPdf();

    // The per-user profile that holds the default printer entry.
    static QString profilePath();

private:
    lumidex::ThrowWindow &m_window;
    lumidex::Dialogs &m_dialogs;
    QWidget *m_parentWindow;
};

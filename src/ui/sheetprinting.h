#pragma once

#include "8-print/printjob.h"

#include <QObject>
#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace lumidex {
class Dialogs;
class ProjectDocument;
class RoomWindow;
} // namespace lumidex

// The installation window's printing commands: File, Print (the print dialog, then one sheet
// per page, each copy its own job), Print Preview and Export PDF.
class SheetPrinting : public QObject
{
    Q_OBJECT

public:
    SheetPrinting(lumidex::ProjectDocument &document, lumidex::Dialogs &dialogs,
                  QWidget *parentWindow);

    void print();
    void preview();
    void exportPdf();

    // What the print dialog left in printer: copies, the pages, and whether each copy can be
    // a job of its own.
    static lumidex::PrintRequest requestOf(const QPrinter &printer);

    // The sheets of a print job: on paper, or into the file the print dialog chose.
    static std::unique_ptr<lumidex::SheetSink> jobSheets(QPrinter &printer);

    // The per-user profile that holds the default printer entry.
    static QString profilePath();

private:
    lumidex::ProjectDocument &m_document;
    lumidex::Dialogs &m_dialogs;
    QWidget *m_parentWindow;
};

// The Brightness and Seating window's Print: its one page through the same print dialog, default
// printer and printer as the installation sheets.
void printRoomPage(const lumidex::RoomWindow &window, lumidex::Dialogs &dialogs,
                   QWidget *parentWindow);

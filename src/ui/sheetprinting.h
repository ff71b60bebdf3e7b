#pragma once

#include "8-print/printjob.h"
#include "sheetoutput.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// The print dialog: sets up `printer` as the installer chooses (printer or file, pages, copies,
// order); false when cancelled. Tests put a scripted choice in its place.
using PrintChooser = std::function<bool(QPrinter &printer, int pageCount, QWidget *parent)>;
PrintChooser platformPrintDialog();

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
    // The sheets on the screen first; the preview's own Print is File, Print.
    void preview();
    void exportPdf();

    void setPrintChooser(PrintChooser chooser) { m_chooser = std::move(chooser); }

    // What the print dialog left in printer: copies, the pages, the order, and whether each copy
    // can be a job of its own.
    static lumidex::PrintRequest requestOf(const QPrinter &printer);

    // The sheets of a print job: on paper, or into the file the print dialog chose.
    static std::unique_ptr<PageSheets> jobSheets(QPrinter &printer);

    // The per-user profile that holds the default printer entry.
    static QString profilePath();

private:
    lumidex::ProjectDocument &m_document;
    lumidex::Dialogs &m_dialogs;
    QWidget *m_parentWindow;
    PrintChooser m_chooser = platformPrintDialog();
};

// The Brightness and Seating window's Print: its one page through the same print dialog, default
// printer and printer as the installation sheets.
void printRoomPage(const lumidex::RoomWindow &window, lumidex::Dialogs &dialogs,
                   QWidget *parentWindow);

// A window printed as it stands (the installer's tips window): one page painted by `paint`,
// through the same print dialog, default printer, jobs and failure message as the sheets, so that
// a file chosen in the dialog is written whole or not at all.
void printWindowPage(const PagePainter &paint, lumidex::Dialogs &dialogs, QWidget *parentWindow,
                     const PrintChooser &chooser = platformPrintDialog());

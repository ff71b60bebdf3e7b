#pragma once

// The print command's walk through the project: which pages a print request covers, and the
// order in which their sheets go to the printer. Each page is shown in the installation window
// first (the page shown is stored, the next one loaded, as the page scroll bar does), so that
// every sheet is exactly what the window shows for its page. The printer itself sits behind
// SheetSink: the window's printer, a PDF file, a preview, or a test's recorder.

#include "8-print/sheet.h"

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace lumidex {

class Dialogs;
class ProfileStore;
class ProjectDocument;

enum class PrintRange
{
    All,       // every page of the project
    Selection, // the page the window shows
    Pages,     // fromPage..toPage
};

struct PrintRequest
{
    int copies = 1;
    PrintRange range = PrintRange::All;
    int fromPage = 1;
    int toPage = 1;
    // A printer takes each copy as its own job. A file cannot: a second job would replace the
    // first, so there all copies go into the one job, one after another.
    bool copyPerJob = true;
    // "Reverse" in the print dialog: each copy's sheets from its last page to its first, so
    // that a printer stacking them face up gives them in order.
    bool lastPageFirst = false;
};

struct PageSpan
{
    int first = 1;
    int last = 1;
};

// The pages a request covers, within 1..pageCount. A range given backwards is taken forwards;
// pages beyond the project are left out.
PageSpan pagesToPrint(const PrintRequest &request, int pageCount, int currentPage);

// Where the sheets go. Every call returns false when the device failed; the walk then stops and
// calls abortJob() for the job it had begun.
class SheetSink
{
public:
    virtual ~SheetSink() = default;

    virtual bool beginJob() = 0;
    // Before every sheet of a job but its first.
    virtual bool newSheet() = 0;
    virtual bool drawSheet(const std::vector<SheetElement> &sheet) = 0;
    virtual bool endJob() = 0;
    // Closes a job that failed part way, so that no printer is left waiting for the rest.
    virtual void abortJob() = 0;
};

enum class PrintOutcome
{
    Printed,
    Failed, // the window says "Print Error" once
};

// Each copy of `request`: a job of its own on a printer, one after another in a file's single
// job. `printCopy` draws one copy's sheets into the job begun and says whether the device took
// them; a failure closes the job and ends the printing.
PrintOutcome printCopies(const PrintRequest &request, SheetSink &sink,
                         const std::function<bool(bool firstOfJob)> &printCopy);

// Prints the requested pages, once per copy. Afterwards the window shows the last page printed;
// after a failure it shows the page it had reached, loaded in full.
PrintOutcome printInstallation(ProjectDocument &document, const PrintRequest &request,
                               SheetSink &sink);

// The printer of the print command: its print dialog, its busy pointer, and the sheets.
class Printer : public SheetSink
{
public:
    // The print dialog for pages 1..pageCount, all of them proposed; nullopt when cancelled.
    virtual std::optional<PrintRequest> choose(int pageCount, int currentPage) = 0;
    // The busy pointer while the sheets are drawn.
    virtual void setBusy(bool busy) = 0;
};

// The message of any failure of the print command, in a box with an OK button and no icon.
inline constexpr std::string_view PrintErrorText = "Print Error";

// File, Print: the print dialog, the default printer check, then the sheets. A cancelled dialog
// prints nothing and leaves the window as it was.
void printCommand(ProjectDocument &document, Printer &printer, ProfileStore &profile,
                  Dialogs &dialogs);

// Any print command: the print dialog for `pageCount` pages, the default printer check, the busy
// pointer around `print`, and "Print Error" once when it failed.
void runPrintCommand(Printer &printer, ProfileStore &profile, Dialogs &dialogs, int pageCount,
                     int currentPage,
                     const std::function<PrintOutcome(const PrintRequest &)> &print);

} // namespace lumidex

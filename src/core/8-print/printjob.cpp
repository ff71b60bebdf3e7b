#include "8-print/printjob.h"

#include "1-state/dialogs.h"
#include "7-project/projectdocument.h"
#include "8-print/printerprofile.h"

#include <algorithm>
#include <functional>

namespace lumidex {

PageSpan pagesToPrint(const PrintRequest &request, int pageCount, int currentPage)
{
    const int count = std::max(1, pageCount);
    const auto clampPage = [count](int page) { return std::clamp(page, 1, count); };
    switch (request.range) {
    case PrintRange::Selection:
        return {clampPage(currentPage), clampPage(currentPage)};
    case PrintRange::Pages: {
        const int from = clampPage(std::min(request.fromPage, request.toPage));
        const int to = clampPage(std::max(request.fromPage, request.toPage));
        return {from, to};
    }
    case PrintRange::All:
        break;
    }
    return {1, count};
}

namespace {

// Prints first..last (or last..first) as sheets of the job begun; false when the device failed.
bool printSheets(ProjectDocument &document, const PageSpan &span, bool lastPageFirst,
                 SheetSink &sink, bool firstOfJob)
{
    const int count = span.last - span.first + 1;
    for (int i = 0; i < count; ++i) {
        const int page = lastPageFirst ? span.last - i : span.first + i;
        document.pageScroll(page); // stores the page shown, loads this one
        if (!firstOfJob && !sink.newSheet())
            return false;
        firstOfJob = false;
        if (!sink.drawSheet(composeSheet(document)))
            return false;
    }
    return true;
}

} // namespace

PrintOutcome printCopies(const PrintRequest &request, SheetSink &sink,
                         const std::function<bool(bool firstOfJob)> &printCopy)
{
    const int copies = std::max(1, request.copies);
    const int jobs = request.copyPerJob ? copies : 1;
    const int copiesPerJob = request.copyPerJob ? 1 : copies;
    for (int job = 0; job < jobs; ++job) {
        if (!sink.beginJob())
            return PrintOutcome::Failed;
        bool ok = true;
        for (int copy = 0; ok && copy < copiesPerJob; ++copy)
            ok = printCopy(copy == 0);
        if (!ok) {
            sink.abortJob();
            return PrintOutcome::Failed;
        }
        if (!sink.endJob())
            return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

PrintOutcome printInstallation(ProjectDocument &document, const PrintRequest &request,
                               SheetSink &sink)
{
    const PageSpan span = pagesToPrint(request, document.pageCount(), document.currentPage());
    return printCopies(request, sink, [&](bool firstOfJob) {
        return printSheets(document, span, request.lastPageFirst, sink, firstOfJob);
    });
}

void runPrintCommand(Printer &printer, ProfileStore &profile, Dialogs &dialogs, int pageCount,
                     int currentPage,
                     const std::function<PrintOutcome(const PrintRequest &)> &print)
{
    const std::optional<PrintRequest> request = printer.choose(pageCount, currentPage);
    if (!request)
        return;
    // Told once, before the first sheet; printing goes on regardless.
    if (checkDefaultPrinter(profile).failed)
        dialogs.message(PrinterProblemText, MessageIcon::Exclamation, PrinterProblemTitle);

    printer.setBusy(true);
    const PrintOutcome outcome = print(*request);
    printer.setBusy(false);
    if (outcome == PrintOutcome::Failed)
        dialogs.message(PrintErrorText, MessageIcon::None, {});
}

void printCommand(ProjectDocument &document, Printer &printer, ProfileStore &profile,
                  Dialogs &dialogs)
{
    runPrintCommand(
        printer, profile, dialogs, document.pageCount(), document.currentPage(),
        [&](const PrintRequest &request) { return printInstallation(document, request, printer); });
}

} // namespace lumidex

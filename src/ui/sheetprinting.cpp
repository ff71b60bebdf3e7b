#include "sheetprinting.h"

#include "1-state/dialogs.h"
#include "7-project/projectdocument.h"
#include "8-print/printerprofile.h"
#include "8-print/printjob.h"
#include "8-print/roomsheet.h"
#include "sheetoutput.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

// A printer can fail part way and must then be told to drop the job.
class PrinterSheets : public PaintedSheets
{
public:
    explicit PrinterSheets(QPrinter &printer) : PaintedSheets(printer), m_printer(printer) {}

    void abortJob() override
    {
        m_printer.abort();
        PaintedSheets::abortJob();
    }

protected:
    bool healthy() const override
    {
        return PaintedSheets::healthy() && m_printer.printerState() != QPrinter::Error &&
               m_printer.printerState() != QPrinter::Aborted;
    }

private:
    QPrinter &m_printer;
};

// The print command's printer: the platform print dialog, then the chosen printer.
class DialogPrinter : public lumidex::Printer
{
public:
    DialogPrinter(QWidget *parent, lumidex::ProfileStore &profile, PrintChooser chooser)
        : m_parent(parent), m_profile(profile), m_chooser(std::move(chooser))
    {}

    std::optional<lumidex::PrintRequest> choose(int pageCount, int currentPage) override
    {
        Q_UNUSED(currentPage);
        m_printer.setPageOrientation(QPageLayout::Landscape);
        preselectDefaultPrinter();
        if (!m_chooser(m_printer, pageCount, m_parent))
            return std::nullopt;

        const lumidex::PrintRequest request = SheetPrinting::requestOf(m_printer);
        // The copies are printed here, each a job of its own (or one after the other in a
        // file), and in the order asked for, so the printer is asked for one copy each time,
        // in the order the sheets come.
        m_printer.setCopyCount(1);
        m_printer.setPageOrder(QPrinter::FirstPageFirst);
        recordDefaultPrinter();
        return request;
    }

    void setBusy(bool busy) override
    {
        if (busy)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    }

    bool beginJob() override
    {
        // Landscape for every job: the dialog may have been left on portrait.
        m_printer.setPageOrientation(QPageLayout::Landscape);
        m_sheets = SheetPrinting::jobSheets(m_printer);
        return m_sheets->beginJob();
    }
    bool newSheet() override { return m_sheets->newSheet(); }
    bool drawSheet(const std::vector<lumidex::SheetElement> &sheet) override
    {
        return m_sheets->drawSheet(sheet);
    }
    bool endJob() override { return m_sheets->endJob(); }
    void abortJob() override { m_sheets->abortJob(); }
    bool paintPage(const PagePainter &paint) { return m_sheets->paintPage(paint); }

private:
    // The default printer entry reads "name,driver,port"; the print system here knows its
    // printers by their queue name, which serves as name and port alike.
    static constexpr std::string_view Section = "windows";
    static constexpr std::string_view Key = "device";

    void preselectDefaultPrinter()
    {
        const std::string entry = m_profile.read(Section, Key, lumidex::PrinterEntryBuffer);
        const QString name = QString::fromStdString(entry.substr(0, entry.find(',')));
        if (!name.isEmpty() && !QPrinterInfo::printerInfo(name).isNull())
            m_printer.setPrinterName(name);
    }

    // The printer chosen in the dialog becomes the default printer.
    void recordDefaultPrinter()
    {
        if (m_printer.outputFormat() != QPrinter::NativeFormat || m_printer.printerName().isEmpty())
            return;
        const std::string name = m_printer.printerName().toStdString();
        if (name.find(',') != std::string::npos)
            return; // a name with a comma cannot be told apart from the driver
        m_profile.write(Section, Key, name + ",cups," + name);
    }

    QWidget *m_parent;
    lumidex::ProfileStore &m_profile;
    PrintChooser m_chooser;
    QPrinter m_printer{QPrinter::HighResolution};
    std::unique_ptr<PageSheets> m_sheets;
};

// The profile that holds the default printer entry, in a folder made for it when needed.
lumidex::IniProfileStore defaultPrinterProfile()
{
    const QString path = SheetPrinting::profilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return lumidex::IniProfileStore(path.toStdString());
}

QString sheetTitle(const lumidex::ProjectDocument &document)
{
    return QString::fromStdString(document.caption());
}

} // namespace

PrintChooser platformPrintDialog()
{
    return [](QPrinter &printer, int pageCount, QWidget *parent) {
        QPrintDialog dialog(&printer, parent);
        dialog.setOptions(
            QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCurrentPage |
            QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
        dialog.setMinMax(1, pageCount);
        dialog.setFromTo(1, pageCount);
        return dialog.exec() == QDialog::Accepted;
    };
}

SheetPrinting::SheetPrinting(lumidex::ProjectDocument &document, lumidex::Dialogs &dialogs,
                             QWidget *parentWindow)
    : QObject(parentWindow), m_document(document), m_dialogs(dialogs), m_parentWindow(parentWindow)
{}

lumidex::PrintRequest SheetPrinting::requestOf(const QPrinter &printer)
{
    lumidex::PrintRequest request;
    request.copies = std::max(1, printer.copyCount());
    switch (printer.printRange()) {
    case QPrinter::Selection:
    case QPrinter::CurrentPage:
        request.range = lumidex::PrintRange::Selection;
        break;
    case QPrinter::PageRange:
        request.range = lumidex::PrintRange::Pages;
        request.fromPage = printer.fromPage();
        request.toPage = printer.toPage();
        break;
    case QPrinter::AllPages:
        break;
    }
    // A file cannot take one job per copy: the second would replace the first.
    request.copyPerJob = printer.outputFormat() == QPrinter::NativeFormat;
    request.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    return request;
}

std::unique_ptr<PageSheets> SheetPrinting::jobSheets(QPrinter &printer)
{
    // QPrinter writes a file straight and never reports a failed write: a file chosen in the
    // print dialog is written as Export PDF writes, whole or not at all.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return std::make_unique<PdfFileSheets>(printer.outputFileName(), printer.pageLayout(),
                                               printer.resolution(), printer.docName());
    return std::make_unique<PrinterSheets>(printer);
}

QString SheetPrinting::profilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/lumidex/profile.ini");
}

void SheetPrinting::print()
{
    lumidex::IniProfileStore profile = defaultPrinterProfile();
    DialogPrinter printer(m_parentWindow, profile, m_chooser);
    lumidex::printCommand(m_document, printer, profile, m_dialogs);
}

void printRoomPage(const lumidex::RoomWindow &window, lumidex::Dialogs &dialogs,
                   QWidget *parentWindow)
{
    lumidex::IniProfileStore profile = defaultPrinterProfile();
    DialogPrinter printer(parentWindow, profile, platformPrintDialog());
    lumidex::printRoomCommand(window, printer, profile, dialogs);
}

void printWindowPage(const PagePainter &paint, lumidex::Dialogs &dialogs, QWidget *parentWindow,
                     const PrintChooser &chooser)
{
    lumidex::IniProfileStore profile = defaultPrinterProfile();
    DialogPrinter printer(parentWindow, profile, chooser);
    lumidex::runPrintCommand(
        printer, profile, dialogs, 1, 1, [&](const lumidex::PrintRequest &request) {
            return lumidex::printCopies(request, printer,
                                        [&](bool) { return printer.paintPage(paint); });
        });
}

void SheetPrinting::preview()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(sheetTitle(m_document));
    QPrintPreviewDialog dialog(&printer, m_parentWindow);
    dialog.setWindowTitle(tr("Print Preview"));
    if (m_parentWindow)
        dialog.resize(m_parentWindow->size().expandedTo(QSize(900, 640)));
    // The preview's own Print goes the way of File, Print: the print dialog, then the sheets
    // written whole or reported as failed, never straight onto the preview's printer.
    bool printAfterwards = false;
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *action : dialog.findChildren<QAction *>()) {
        if (action->text() != printText)
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, &dialog, [&dialog, &printAfterwards] {
            printAfterwards = true;
            dialog.accept();
        });
    }
    bool failed = false;
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this, &failed](QPrinter *to) {
        PrinterSheets sheets(*to);
        lumidex::PrintRequest all;
        all.copies = 1;
        all.copyPerJob = false;
        const ShownPageKeeper keep(m_document);
        if (lumidex::printInstallation(m_document, all, sheets) == lumidex::PrintOutcome::Failed)
            failed = true;
    });
    dialog.exec();
    if (failed)
        m_dialogs.message(lumidex::PrintErrorText, lumidex::MessageIcon::None, {});
    else if (printAfterwards)
        print();
}

void SheetPrinting::exportPdf()
{
    QString suggested;
    if (!m_document.projectFileName().empty()) {
        const QFileInfo project(QString::fromStdString(m_document.projectFileName()));
        suggested = project.absoluteDir().filePath(project.completeBaseName() + ".pdf");
    }
    QString path = QFileDialog::getSaveFileName(m_parentWindow, tr("Export PDF"), suggested,
                                                tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    lumidex::PrintRequest all;
    all.copyPerJob = false;
    QString why;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = writeSheetsPdf(m_document, all, path, sheetTitle(m_document), &why);
    QGuiApplication::restoreOverrideCursor();
    if (!written) {
        const QString text = tr("Unable to export the PDF to filename: %1\r\n%2")
                                 .arg(QDir::toNativeSeparators(path), why);
        m_dialogs.message(text.toStdString(), lumidex::MessageIcon::Critical, {});
    }
}

#pragma once

#include "8-print/printjob.h"
#include "sheetrenderer.h"

#include <QPageLayout>
#include <QPainter>
#include <QString>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPdfWriter;
class QSaveFile;
class WholeWrites;

// Paints one page of a window that is printed as it stands (the installer's tips window) onto
// the painter, whose viewport is the page; false when it could not.
using PagePainter = std::function<bool(QPainter &painter)>;

// Where the sheets of a print job go, on the Qt side: besides the sheets the core composes, a
// page painted by a window itself, through the same job, the same failure handling and, for a
// file, the same whole-or-nothing writing.
class PageSheets : public lumidex::SheetSink
{
public:
    virtual bool paintPage(const PagePainter &paint) = 0;
};

// Sheets painted onto a paged device: a printer, a PDF writer or a preview. One job is one
// painter session on the device.
class PaintedSheets : public PageSheets
{
public:
    explicit PaintedSheets(QPagedPaintDevice &device) : m_device(device) {}

    bool beginJob() override;
    bool newSheet() override;
    bool drawSheet(const std::vector<lumidex::SheetElement> &sheet) override;
    bool paintPage(const PagePainter &paint) override;
    bool endJob() override;
    void abortJob() override;

protected:
    // False once the device reports a failure.
    virtual bool healthy() const { return m_painter.isActive(); }

    QPagedPaintDevice &m_device;
    QPainter m_painter;
    SheetRenderer m_renderer;
};

// Sheets into a PDF file. The PDF goes to a temporary file beside it and takes the file's
// place only once it is complete, so that a full disk or any other write error fails the job
// and leaves the previous file of that name as it was, with no partial file beside it.
class PdfFileSheets : public PageSheets
{
public:
    PdfFileSheets(QString path, QPageLayout layout, int resolution, QString title);
    ~PdfFileSheets() override;

    bool beginJob() override;
    bool newSheet() override;
    bool drawSheet(const std::vector<lumidex::SheetElement> &sheet) override;
    bool paintPage(const PagePainter &paint) override;
    bool endJob() override;
    void abortJob() override;

    // Why the file could not be written; empty when it was, or when drawing failed.
    QString errorString() const { return m_error; }

private:
    bool written();

    QString m_path;
    QPageLayout m_layout;
    int m_resolution;
    QString m_title;
    QString m_error;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<WholeWrites> m_output;
    std::unique_ptr<QPdfWriter> m_pdf;
    std::unique_ptr<PaintedSheets> m_sheets;
};

// Shows the page the window showed when it was made, whatever a walk through the pages left
// shown in between.
class ShownPageKeeper
{
public:
    explicit ShownPageKeeper(lumidex::ProjectDocument &document);
    ~ShownPageKeeper();

    ShownPageKeeper(const ShownPageKeeper &) = delete;
    ShownPageKeeper &operator=(const ShownPageKeeper &) = delete;

private:
    lumidex::ProjectDocument &m_document;
    int m_page;
};

// The paper of a PDF made without a print dialog: Letter where the locale measures in inches,
// A4 elsewhere; landscape.
QPageLayout sheetPageLayout();

// Writes the requested pages of the project as one PDF at path, each copy after the other.
// The window is left showing the page it showed. Nothing is left at path unless the whole PDF
// was written; error then says why.
bool writeSheetsPdf(lumidex::ProjectDocument &document, const lumidex::PrintRequest &request,
                    const QString &path, const QString &title, QString *error);

#include "sheetoutput.h"

#include "7-project/projectdocument.h"

#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

bool PaintedSheets::beginJob()
{
    return m_painter.begin(&m_device);
}

bool PaintedSheets::newSheet()
{
    return m_device.newPage() && healthy();
}

// What a field's box cannot hold goes on on a notes sheet right after the page's sheet, and
// from a notes sheet on to the next; the title block's own fields continue only from the
// page's sheet.
bool PaintedSheets::drawSheet(const std::vector<lumidex::SheetElement> &sheet)
{
    std::vector<lumidex::ContinuedText> continued;
    bool drawn = m_renderer.render(m_painter, sheet, &continued) && healthy();
    while (drawn && !continued.empty()) {
        const std::vector<lumidex::SheetElement> notes =
            lumidex::composeNotesSheet(sheet, continued);
        std::vector<lumidex::ContinuedText> further;
        drawn = m_device.newPage() && healthy() && m_renderer.render(m_painter, notes, &further) &&
                healthy();
        std::erase_if(further, [](const lumidex::ContinuedText &c) {
            return !c.field.starts_with(lumidex::NotesSheetFieldPrefix);
        });
        continued = std::move(further);
    }
    return drawn;
}

bool PaintedSheets::paintPage(const PagePainter &paint)
{
    m_painter.save();
    const bool painted = paint(m_painter);
    m_painter.restore();
    return painted && healthy();
}

bool PaintedSheets::endJob()
{
    return m_painter.end();
}

void PaintedSheets::abortJob()
{
    if (m_painter.isActive())
        m_painter.end();
}

// Between the PDF writer and its file. The writer never looks at what a write returned, and a
// write the disk cut short (full, or past a size limit) is no error to a buffered file: the PDF
// would end short and still take the old file's place. The file is therefore written
// unbuffered, in large pieces gathered here, and every piece goes through whole or the file
// keeps the error that stopped it.
class WholeWrites : public QIODevice
{
public:
    explicit WholeWrites(QSaveFile &file) : m_file(file) { open(QIODevice::WriteOnly); }

    bool failed() const { return m_failed; }

    // Writes out what is gathered; false when some of the PDF did not reach the file.
    bool finish() { return put() && !m_failed; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        if (m_failed)
            return -1;
        m_pending.append(data, length);
        if (m_pending.size() >= PieceBytes && !put())
            return -1;
        return length;
    }

private:
    static constexpr qsizetype PieceBytes = 256 * 1024;

    bool put()
    {
        qsizetype done = 0;
        while (!m_failed && done < m_pending.size()) {
            // After a short write the next one fails and says why.
            const qint64 n = m_file.write(m_pending.constData() + done, m_pending.size() - done);
            if (n <= 0)
                m_failed = true;
            else
                done += qsizetype(n);
        }
        m_pending.clear();
        return !m_failed;
    }

    QSaveFile &m_file;
    QByteArray m_pending;
    bool m_failed = false;
};

PdfFileSheets::PdfFileSheets(QString path, QPageLayout layout, int resolution, QString title)
    : m_path(std::move(path)), m_layout(std::move(layout)), m_resolution(resolution),
      m_title(std::move(title))
{}

PdfFileSheets::~PdfFileSheets() = default;

bool PdfFileSheets::beginJob()
{
    m_error.clear();
    // A folder, a pipe or a device of that name is no PDF: renaming over it would take it
    // away, writing into it could hang.
    const QFileInfo existing(m_path);
    if (existing.exists() && !existing.isFile()) {
        m_error = QObject::tr("It is not a file.");
        return false;
    }
    m_file = std::make_unique<QSaveFile>(m_path);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_error = m_file->errorString();
        m_file.reset();
        return false;
    }
    m_output = std::make_unique<WholeWrites>(*m_file);
    m_pdf = std::make_unique<QPdfWriter>(m_output.get());
    m_pdf->setCreator(QStringLiteral("Lumidex"));
    m_pdf->setTitle(m_title);
    m_pdf->setResolution(m_resolution);
    m_pdf->setPageLayout(m_layout);
    m_sheets = std::make_unique<PaintedSheets>(*m_pdf);
    const bool begun = m_sheets->beginJob();
    if (written() && begun)
        return true;
    abortJob();
    return false;
}

bool PdfFileSheets::newSheet()
{
    // The device may stop once a write has failed: the write's error is the one to tell.
    const bool begun = m_sheets->newSheet();
    return written() && begun;
}

bool PdfFileSheets::drawSheet(const std::vector<lumidex::SheetElement> &sheet)
{
    const bool drawn = m_sheets->drawSheet(sheet);
    return written() && drawn;
}

bool PdfFileSheets::paintPage(const PagePainter &paint)
{
    const bool painted = m_sheets->paintPage(paint);
    return written() && painted;
}

bool PdfFileSheets::endJob()
{
    const bool ended = m_sheets->endJob();
    m_sheets.reset();
    m_pdf.reset();
    const bool finished = m_output->finish();
    if (!written() || !finished || !ended) {
        abortJob();
        return false;
    }
    m_output.reset();
    const bool committed = m_file->commit();
    if (!committed)
        m_error = m_file->errorString();
    m_file.reset();
    return committed;
}

void PdfFileSheets::abortJob()
{
    if (m_sheets)
        m_sheets->abortJob();
    m_sheets.reset();
    m_pdf.reset();
    m_output.reset();
    if (m_file)
        m_file->cancelWriting();
    m_file.reset();
}

// Stops a job at the first write that failed instead of drawing every sheet for nothing.
bool PdfFileSheets::written()
{
    if (m_file->error() == QFileDevice::NoError && !m_output->failed())
        return true;
    m_error = m_file->errorString();
    return false;
}

QPageLayout sheetPageLayout()
{
    const bool inches = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4),
                       QPageLayout::Landscape, QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter);
}

ShownPageKeeper::ShownPageKeeper(lumidex::ProjectDocument &document)
    : m_document(document), m_page(document.currentPage())
{}

ShownPageKeeper::~ShownPageKeeper()
{
    m_document.pageScroll(m_page);
}

namespace {

// Fine enough for the thinnest line, small enough to write 99 sheets quickly.
constexpr int PdfResolution = 600;

} // namespace

bool writeSheetsPdf(lumidex::ProjectDocument &document, const lumidex::PrintRequest &request,
                    const QString &path, const QString &title, QString *error)
{
    PdfFileSheets sheets(path, sheetPageLayout(), PdfResolution, title);
    lumidex::PrintRequest oneFile = request;
    oneFile.copyPerJob = false;
    const ShownPageKeeper keep(document);
    if (lumidex::printInstallation(document, oneFile, sheets) == lumidex::PrintOutcome::Printed)
        return true;
    if (error) {
        *error = sheets.errorString().isEmpty() ? QObject::tr("The sheets could not be drawn.")
                                                : sheets.errorString();
    }
    return false;
}

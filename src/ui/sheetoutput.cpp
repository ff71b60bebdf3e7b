#include "sheetoutput.h"

#include "project/projectdocument.h"

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

bool PaintedSheets::drawSheet(const std::vector<lumidex::SheetElement> &sheet)
{
    return m_renderer.render(m_painter, sheet) && healthy();
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bool written = false;
    {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Lumidex"));
        pdf.setTitle(title);
        pdf.setResolution(PdfResolution);
        pdf.setPageLayout(sheetPageLayout());
        PaintedSheets sheets(pdf);
        lumidex::PrintRequest oneFile = request;
        oneFile.copyPerJob = false;
        const ShownPageKeeper keep(document);
        written =
            lumidex::printInstallation(document, oneFile, sheets) == lumidex::PrintOutcome::Printed;
    }
    if (!written) {
        file.cancelWriting();
        if (error)
            *error = QObject::tr("The sheets could not be drawn.");
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

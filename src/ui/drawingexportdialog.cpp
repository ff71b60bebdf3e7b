#include "drawingexportdialog.h"

#include "1-state/dialogs.h"
#include "7-project/filereplace.h"
#include "7-project/projectdocument.h"
#include "8-print/trueelevation.h"
#include "drawingexport.h"
#include "sheetoutput.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStringList>

namespace {

// The file name, or nothing when the installer cancelled.
std::optional<QString> askFileName(const lumidex::ProjectDocument &document, QWidget *parent)
{
    const QString dxf = QObject::tr("CAD drawing, true scale (*.dxf)");
    const QString svg = QObject::tr("SVG picture (*.svg)");
    QString suggested;
    if (!document.projectFileName().empty()) {
        const QFileInfo project(QString::fromStdString(document.projectFileName()));
        suggested = project.absoluteDir().filePath(project.completeBaseName() + ".dxf");
    }
    QString chosen = dxf;
    QString path = QFileDialog::getSaveFileName(parent, QObject::tr("Export Drawing"), suggested,
                                                dxf + ";;" + svg, &chosen);
    if (path.isEmpty())
        return std::nullopt;
    if (!drawingFileTypeOf(path))
        path += chosen == svg ? QStringLiteral(".svg") : QStringLiteral(".dxf");
    return path;
}

} // namespace

void exportDrawing(lumidex::ProjectDocument &document, const lumidex::FocusTables &focus,
                   lumidex::Dialogs &dialogs, QWidget *parent)
{
    const std::optional<QString> path = askFileName(document, parent);
    if (!path)
        return;
    const DrawingFileType type = *drawingFileTypeOf(*path);

    int first = document.currentPage();
    int last = first;
    const int count = document.pageCount();
    if (count > 1) {
        const QString names = QString::fromStdString(lumidex::pageFileName(path->toStdString(), 1));
        const QMessageBox::StandardButton all = QMessageBox::question(
            parent, QObject::tr("Export Drawing"),
            QObject::tr("Export all %1 pages, one file each (%2 and so on)?\n"
                        "No exports only the page shown.")
                .arg(count)
                .arg(QFileInfo(names).fileName()),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        if (all == QMessageBox::Cancel)
            return;
        if (all == QMessageBox::Yes) {
            first = 1;
            last = count;
        }
    }
    const bool several = last > first;

    QStringList skipped;
    {
        const ShownPageKeeper keep(document);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        for (int page = first; page <= last; ++page) {
            const QString file =
                several ? QString::fromStdString(lumidex::pageFileName(path->toStdString(), page))
                        : *path;
            const std::optional<QByteArray> bytes = pageDrawingFile(document, focus, page, type);
            if (!bytes) {
                skipped << QString::number(page);
                continue;
            }
            const auto *data = reinterpret_cast<const std::uint8_t *>(bytes->constData());
            const std::optional<lumidex::FileError> failed = lumidex::replaceFileContents(
                file.toStdString(), {data, std::size_t(bytes->size())});
            if (failed) {
                QGuiApplication::restoreOverrideCursor();
                const QString text =
                    QObject::tr("Unable to export the drawing to filename: %1\r\n%2")
                        .arg(QDir::toNativeSeparators(file),
                             QString::fromStdString(failed->description));
                dialogs.message(text.toStdString(), lumidex::MessageIcon::Critical, {});
                return;
            }
        }
        QGuiApplication::restoreOverrideCursor();
    }
    if (!skipped.isEmpty()) {
        const QString text =
            QObject::tr(
                "Page %1 cannot be drawn: its screen is refused. Nothing was written for it.")
                .arg(skipped.join(QStringLiteral(", ")));
        dialogs.message(text.toStdString(), lumidex::MessageIcon::Exclamation, {});
    }
}

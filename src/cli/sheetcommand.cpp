#include "sheetcommand.h"

#include "7-project/projectdocument.h"
#include "sheetoutput.h"
#include "standardstreams.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace lumidex::cli {

bool writeSheetPdf(lumidex::ProjectDocument &document, const lumidex::PrintRequest &request,
                   const std::string &output, std::string &error)
{
    // Fonts and pictures need a GUI application, but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "lumidex-cli";
    char *argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    // The standard output gets the PDF once it is whole, from a file of its own meanwhile.
    QTemporaryDir folder;
    const bool toStandardOutput = isStandardStream(output);
    if (toStandardOutput && !folder.isValid()) {
        error = folder.errorString().toStdString();
        return false;
    }
    const QString path = toStandardOutput ? folder.filePath(QStringLiteral("sheets.pdf"))
                                          : QString::fromStdString(output);
    QString why;
    if (!writeSheetsPdf(document, request, path, QString::fromStdString(document.caption()),
                        &why)) {
        error = why.toStdString();
        return false;
    }
    if (toStandardOutput) {
        QFile pdf(path);
        if (!pdf.open(QIODevice::ReadOnly)) {
            error = pdf.errorString().toStdString();
            return false;
        }
        const QByteArray bytes = pdf.readAll();
        pdf.close();
        // Gone before the first byte goes out: a reader that stops early ends this program
        // by SIGPIPE, which would leave the copy in the temporary folder.
        folder.remove();
        if (!writeStandardOutput(std::string_view(bytes.constData(), bytes.size()))) {
            error = "the standard output could not take it";
            return false;
        }
    }
    return true;
}

} // namespace lumidex::cli

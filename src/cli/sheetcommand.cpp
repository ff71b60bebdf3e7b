#include "sheetcommand.h"

#include "7-project/projectdocument.h"
#include "sheetoutput.h"

#include <QGuiApplication>

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

    QString why;
    if (!writeSheetsPdf(document, request, QString::fromStdString(output),
                        QString::fromStdString(document.caption()), &why)) {
        error = why.toStdString();
        return false;
    }
    return true;
}

} // namespace lumidex::cli

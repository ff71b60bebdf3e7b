#include "drawingcommand.h"

#include "7-project/filereplace.h"
#include "7-project/projectdocument.h"
#include "7-project/projectfile.h"
#include "8-print/trueelevation.h"
#include "9-session/session.h"
#include "drawingexport.h"
#include "installationjson.h"

#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>

namespace lumidex::cli {
namespace {

struct DrawingOptions
{
    std::string input;
    std::string output;
    int first = 1;
    int last = 1;
    bool range = false; // --pages: one file a page
    std::optional<DrawingFileType> format;
};

// A page as the window counts them: 1 to 99, no leading zero.
int pageNumber(const std::string &text, const std::string &option)
{
    if (text.empty() || text.size() > 2 || text[0] == '0' ||
        text.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError{option + " " + text +
                         " is not a page (write it as 2, or 2-3 for --pages)"};
    return std::stoi(text);
}

DrawingOptions readDrawingOptions(const std::vector<std::string> &args)
{
    DrawingOptions o;
    bool haveInput = false;
    bool haveOutput = false;
    bool havePage = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const auto value = [&]() -> const std::string & {
            if (i + 1 >= args.size())
                throw UsageError{"missing value after " + arg};
            return args[++i];
        };
        if (arg == "-o" || arg == "--output") {
            if (haveOutput)
                throw UsageError{"give -o once"};
            o.output = value();
            haveOutput = true;
        } else if (arg == "--page" || arg == "--pages") {
            if (havePage)
                throw UsageError{"give --page or --pages once"};
            havePage = true;
            const std::string &text = value();
            const std::size_t dash = arg == "--pages" ? text.find('-') : std::string::npos;
            o.first = pageNumber(text.substr(0, dash), arg);
            o.last = dash == std::string::npos ? o.first : pageNumber(text.substr(dash + 1), arg);
            if (o.first > o.last)
                throw UsageError{arg + " " + text + " counts backwards"};
            o.range = arg == "--pages";
        } else if (arg == "--format") {
            const std::string &text = value();
            if (text != "dxf" && text != "svg")
                throw UsageError{"--format is dxf or svg"};
            o.format = text == "dxf" ? DrawingFileType::Dxf : DrawingFileType::Svg;
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError{"unknown option " + arg};
        } else if (haveInput) {
            throw UsageError{"give one file to drawing"};
        } else {
            o.input = arg;
            haveInput = true;
        }
    }
    if (!haveInput)
        throw UsageError{"project drawing needs a project file"};
    if (!haveOutput)
        throw UsageError{"project drawing needs -o OUT.dxf or -o OUT.svg"};
    if (o.output == "-") {
        if (o.range && o.first != o.last)
            throw UsageError{"several pages need a file name, not -o -"};
        if (!o.format)
            o.format = DrawingFileType::Dxf;
    } else {
        const std::optional<DrawingFileType> named =
            drawingFileTypeOf(QString::fromStdString(o.output));
        if (!named)
            throw UsageError{"the drawing's file name ends in .dxf or .svg"};
        if (o.format && *o.format != *named)
            throw UsageError{"--format does not match the file name " + o.output};
        o.format = named;
    }
    return o;
}

bool writeBytes(const std::string &path, const std::string &bytes, std::string &why)
{
    if (path == "-") {
        std::cout << bytes << std::flush;
        if (std::cout)
            return true;
        why = "the standard output cannot be written";
        return false;
    }
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.data());
    if (const std::optional<FileError> e = replaceFileContents(path, {data, bytes.size()})) {
        why = e->description;
        return false;
    }
    return true;
}

} // namespace

int runProjectDrawing(const std::vector<std::string> &args)
{
    const DrawingOptions o = readDrawingOptions(args);
    std::string failure;
    const std::optional<Project> project = openProjectFile(o.input, &failure);
    if (!project) {
        std::replace(failure.begin(), failure.end(), '\r', '\n');
        std::cerr << failure << '\n';
        return 1;
    }
    if (o.last > project->pageCount()) {
        std::cerr << "lumidex-cli: " << o.input << " has pages 1 to " << project->pageCount()
                  << ", not page " << o.last << '\n';
        return 1;
    }

    // The SVG picture is painted with the window's fonts, which need a GUI application but
    // never a display.
    std::unique_ptr<QGuiApplication> app;
    int argc = 1;
    char name[] = "lumidex-cli";
    char *argv[] = {name, nullptr};
    if (o.format == DrawingFileType::Svg) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    CliDialogs dialogs;
    Session session(dialogs, StartOptions{Unit::Inches, false, true, {}});
    ProjectDocument &document = session.document();
    session.screenWindow().calc(); // "&Layout": the installation window as the installer sees it
    if (!document.openProjectFile(o.input)) {
        std::cerr << (dialogs.messages.empty() ? o.input : dialogs.messages.back().second) << '\n';
        return 1;
    }

    int status = 0;
    for (int page = o.first; page <= o.last; ++page) {
        const std::string path =
            o.range && o.output != "-" ? pageFileName(o.output, page) : o.output;
        const std::size_t shown = dialogs.messages.size();
        const std::optional<QByteArray> bytes =
            pageDrawingFile(document, session.focusTables(), page, *o.format);
        if (!bytes) {
            std::string why = "its screen was refused";
            if (dialogs.messages.size() > shown)
                why += " (" + dialogs.messages[shown].second + ")";
            std::replace(why.begin(), why.end(), '\r', ' ');
            std::replace(why.begin(), why.end(), '\n', ' ');
            std::cerr << "lumidex-cli: page " << page << " of " << o.input
                      << " cannot be drawn: " << why << "; skipped\n";
            status = 1;
            continue;
        }
        std::string why;
        if (!writeBytes(path, bytes->toStdString(), why)) {
            std::cerr << "lumidex-cli: unable to write the drawing to " << path << ": " << why
                      << '\n';
            status = 1;
        }
    }
    return status;
}

} // namespace lumidex::cli

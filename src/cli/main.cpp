// lumidex-cli: runs the program's own window logic headless and prints JSON, for scripts,
// batch sheets and acceptance checks. Each command performs a user's steps in order.

#include "1-state/dialogs.h"
#include "1-state/numbertext.h"
#include "3-catalogue/catalogue.h"
#include "6-installation/lensfinder.h"
#include "7-project/filereading.h"
#include "7-project/projectfile.h"
#include "9-session/session.h"
#include "9-session/version.h"
#include "drawingcommand.h"
#include "inputfile.h"
#include "installationjson.h"
#include "json.h"
#include "projectjson.h"
#include "roomcommand.h"
#include "sessioncommand.h"
#include "sheetcommand.h"
#include "standardstreams.h"

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <deque>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace {

// Qt's warnings speak of the desktop session (no XDG_RUNTIME_DIR under cron, sudo or in a
// container, fonts it looked for): nothing a script can act on, and the sheets and drawings are
// written all the same. The tool's own messages say what failed; Qt's critical errors still
// reach the terminal.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "lumidex-cli: %s\n", qPrintable(text));
}

using namespace lumidex;
using namespace lumidex::cli;

// The synopsis follows every usage error; --help adds what each command does.
constexpr std::string_view Usage =
    "usage: lumidex-cli screen [--width X | --height X | --diagonal X] [--aspect R]\n"
    "                          [--units in|ft|mm]\n"
    "       lumidex-cli throw --projector NAME [--lens K] [--sxga 0|1] [--signal N]\n"
    "                         [--width X | --height X | --diagonal X] [--aspect R]\n"
    "                         [--units in|ft|mm] [--position top|center|bottom | --angle A]\n"
    "                         [--point lens|hole] [--distance V] [--elements]\n"
    "       lumidex-cli lenses --distance X [--width X | --height X | --diagonal X]\n"
    "                          [--aspect R] [--units in|ft|mm] [--position top|center|bottom]\n"
    "       lumidex-cli project export FILE.lmx\n"
    "       lumidex-cli project import FILE.json -o OUT.lmx\n"
    "       lumidex-cli project sheet FILE.lmx -o OUT.pdf [--pages A-B]\n"
    "       lumidex-cli project drawing FILE.lmx -o OUT.dxf|OUT.svg|- [--page N | --pages A-B]\n"
    "                                   [--format dxf|svg]\n"
    "       lumidex-cli room [--width X | --height X | --diagonal X] [--aspect R]\n"
    "                        [--units in|ft|mm] --lumens L [--gain G] [--ambient LUX]\n"
    "                        [--lines N] [--seat D]...\n"
    "       lumidex-cli session [--elements] FILE\n"
    "       lumidex-cli --help | --version\n";

constexpr std::string_view Details =
    "\n"
    "  session  replay the installer's actions, one JSON object a line (see the manual),\n"
    "           and print the installation window afterwards as throw does, with the page,\n"
    "           the Position menu and the enabled size fields.\n"
    "  screen   complete a screen from one dimension and an aspect ratio, as the screen\n"
    "           calculator does, and print it as JSON (dimensions in inches).\n"
    "  throw    place a projector for that screen, as the installation window does, and\n"
    "           print distances (inches), the drawing's texts, the notes in force and the\n"
    "           messages shown; --elements adds the drawing area and every visible\n"
    "           element of the drawing (twips, painting order).\n"
    "           --projector  a menu name: LX-460, LX-510, DX-520, CR-7300, CR-75xx, ...\n"
    "           --lens       the lens's place in the model's menu, from 0\n"
    "           --signal     the input signal's place in its list, from 1\n"
    "  lenses   every projector and lens that fills the screen from that distance (in the\n"
    "           units), best first, as a JSON array (distances in inches). CRT series\n"
    "           count as fixed lenses at the position (default top).\n"
    "  project  export: print a project file as JSON (texts UTF-8, numbers exact);\n"
    "           import: write such JSON as a project file;\n"
    "           sheet: write the installation sheets of the pages (all, or A to B) into\n"
    "           one landscape PDF, as printed;\n"
    "           drawing: write the side elevation of a page (default 1) as a true-scale\n"
    "           DXF (inches, or millimetres for a page in millimetres) or as the window's\n"
    "           picture in SVG; --pages writes NAME-p01.dxf and so on, and -o - the\n"
    "           standard output (--format says which). A file that cannot be read, malformed\n"
    "           JSON, pages the project does not have or an output that cannot be\n"
    "           written exits with status 1.\n"
    "  room     brightness, contrast in room light and seating for that screen, as the\n"
    "           Brightness and Seating window works them out (lengths in inches; --seat\n"
    "           in the units, as often as there are seats). --lumens is the projector's\n"
    "           ANSI lumens (more than 0), --gain the screen gain (default 1), --ambient\n"
    "           the lux on the screen (default 0, a dark room), --lines the picture's\n"
    "           lines (default 1080).\n"
    "\n"
    "  --aspect   a preset (4:3, 5:3, 16:9, 37:20, 2:1, 7:3, 1.85, 2, 2.35)\n"
    "             or any positive ratio such as 1.5, taken as a custom ratio\n"
    "  --units    the units values are typed in (default in)\n"
    "\n"
    "Options are written --name value or --name=value. A file named - is the standard input,\n"
    "or the standard output after -o. A value the screen calculator resets (a screen outside\n"
    "1 to 32000 inches) is a warning on the standard error and in the JSON's \"messages\";\n"
    "the exit status stays 0. Exit status: 0 done, 1 a file could not be read or written,\n"
    "2 bad arguments.\n"
    "\n"
    "The manual page has the session actions and the JSON keys: man lumidex-cli\n";

constexpr std::string_view MoreHelp =
    "Run lumidex-cli --help for what each command does, man lumidex-cli for all of it.\n";

void printHelp()
{
    std::cout << Usage << Details;
}

struct Options : ScreenOptions
{
    std::optional<std::string> projector;
    std::optional<int> lens;
    int sxga = 0;
    std::optional<int> signal;
    std::optional<int> position;
    std::optional<std::string> angle;
    std::optional<int> point;
    std::optional<std::string> distance;
};

int integerOption(const std::string &name, const std::string &value, int min, int max)
{
    if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos ||
        value.size() > 4)
        throw UsageError{name + " takes a whole number"};
    const int v = std::stoi(value);
    if (v < min || v > max)
        throw UsageError{name + " is out of range"};
    return v;
}

Options parseOptions(const std::vector<std::string> &args, bool throwCommand,
                     bool lensesCommand = false)
{
    Options o;
    readOptions(args, o, [&](const std::string &name, const std::string &value) {
        if (throwCommand && name == "--projector") {
            o.projector = value;
        } else if (throwCommand && name == "--lens") {
            o.lens = integerOption(name, value, 0, 99);
        } else if (throwCommand && name == "--sxga") {
            o.sxga = integerOption(name, value, 0, 1);
        } else if (throwCommand && name == "--signal") {
            o.signal = integerOption(name, value, 1, 99);
        } else if ((throwCommand || lensesCommand) && name == "--position") {
            if (value == "top")
                o.position = 0;
            else if (value == "center" || value == "centre")
                o.position = 1;
            else if (value == "bottom")
                o.position = 2;
            else
                throw UsageError{"--position must be top, center or bottom"};
        } else if (throwCommand && name == "--angle") {
            o.angle = value;
        } else if (throwCommand && name == "--point") {
            if (value != "lens" && value != "hole")
                throw UsageError{"--point must be lens or hole"};
            o.point = value == "hole" ? 1 : 0;
        } else if ((throwCommand || lensesCommand) && name == "--distance") {
            if (!typedNumber(value))
                throw UsageError{"--distance takes digits, \".\" and \"/\" only"};
            o.distance = value;
        } else {
            throw UsageError{"unknown option " + name};
        }
    });
    if (o.position && o.angle)
        throw UsageError{"give --position or --angle, not both"};
    return o;
}

void applyScreen(Session &session, CliDialogs &dialogs, const Options &o, bool layout)
{
    ScreenWindow &window = session.screenWindow();
    applyScreenOptions(window, dialogs, o);
    if (layout)
        window.calc();
}

int runScreen(const std::vector<std::string> &args)
{
    const Options o = parseOptions(args, false);
    CliDialogs dialogs;
    Session session(dialogs, StartOptions{o.units, false, true, {}});
    dialogs.messages.clear();
    applyScreen(session, dialogs, o, false);
    printMessages(dialogs);

    const ScreenWindow &window = session.screenWindow();
    auto colour = [&](Dimension d) {
        return window.field(d).colour == TextColour::Red ? "red" : "black";
    };
    cli::JsonObject fields;
    fields.addString("diag", window.field(Dimension::Diagonal).text)
        .addString("Wid", window.field(Dimension::Width).text)
        .addString("hite", window.field(Dimension::Height).text);
    cli::JsonObject colours;
    colours.addString("diag", colour(Dimension::Diagonal))
        .addString("Wid", colour(Dimension::Width))
        .addString("hite", colour(Dimension::Height));
    cli::JsonObject out = screenJson(session.state().screen);
    out.add("fields", fields.str())
        .addString("caption", window.aspectCaption())
        .add("colors", colours.str());
    addMessagesIfAny(out, dialogs);
    std::cout << out.str() << '\n';
    return 0;
}

int runLenses(const std::vector<std::string> &args)
{
    const Options o = parseOptions(args, false, true);
    if (!o.distance)
        throw UsageError{"lenses needs --distance"};
    CliDialogs dialogs;
    Session session(dialogs, StartOptions{o.units, false, true, {}});
    applyScreen(session, dialogs, o, false);
    const double distance = toInches(*o.distance, o.units);
    const auto position = static_cast<MountPosition>(o.position.value_or(0));
    const auto matches =
        findLenses(session.state().screen, position, distance, session.focusTables());
    std::string out = "[";
    for (const LensMatch &m : matches) {
        const Selection &s = m.selection;
        const bool lensIndex = !s.isCrt() && modelEntry(s.model).hasLensSubmenu;
        cli::JsonObject row;
        row.addString("projector",
                      s.isCrt() ? seriesEntry(s.series).caption : modelEntry(s.model).caption)
            .add("lens", lensIndex ? std::to_string(s.lens) : "null")
            .addString("caption", m.caption)
            .add("zoom", m.zoom ? "true" : "false");
        if (m.zoom) {
            row.add("throwNear", formatRoundTrip(static_cast<float>(m.throwNear)))
                .add("throwFar", formatRoundTrip(static_cast<float>(m.throwFar)));
        } else {
            row.add("throwDistance", formatRoundTrip(static_cast<float>(m.throwDistance)));
        }
        out += (out.size() > 1 ? "," : "") + row.str();
    }
    std::cout << out << "]\n";
    return 0;
}

int runThrow(std::vector<std::string> args)
{
    const bool elements = takeElementsFlag(args);
    const Options o = parseOptions(args, true);
    if (!o.projector)
        throw UsageError{"throw needs --projector"};

    CliDialogs dialogs;
    dialogs.sxgaAnswer = o.sxga;
    Session session(dialogs, StartOptions{o.units, false, true, {}});
    ThrowWindow &window = session.throwWindow();

    // The projector, as chosen from the Projector menu.
    const std::optional<Selection> chosen = projectorNamed(*o.projector, o.lens.value_or(0));
    if (!chosen)
        throw UsageError{"no projector named " + *o.projector};
    if (chosen->isCrt() || !modelEntry(chosen->model).hasLensSubmenu) {
        if (o.lens)
            throw UsageError{"--lens is not offered for " + *o.projector};
    } else if (static_cast<std::size_t>(chosen->lens) >= modelEntry(chosen->model).lenses.size()) {
        throw UsageError{"--lens is out of range for " + *o.projector};
    }
    if (o.distance && !chosen->isCrt())
        throw UsageError{"--distance is for CRT series only"};

    if (chosen->isCrt())
        window.selectSeries(chosen->series);
    else
        window.selectLens(chosen->model, chosen->lens);
    if (o.signal) {
        if (static_cast<std::size_t>(*o.signal) > window.inputSignals().size())
            throw UsageError{"--signal is not offered for " + *o.projector};
        window.chooseInputSignal(*o.signal - 1);
    }
    applyScreen(session, dialogs, o, true);
    if (o.position) {
        if (!window.positionEnabled(*o.position))
            throw UsageError{"that --position is not offered for this projector and lens"};
        window.selectPosition(*o.position);
    } else if (o.angle) {
        if (!window.positionEnabled(3))
            throw UsageError{"--angle is not offered for this projector and lens"};
        dialogs.answers.push_back(*o.angle);
        window.selectPosition(3);
    }
    if (o.point)
        window.selectThrowPoint(*o.point);
    if (o.distance) {
        window.setDistanceText(*o.distance);
        window.distanceKeyPress(ThrowWindow::KeyEnter);
    }

    std::cout << installationJson(session, dialogs, elements).str() << '\n';
    return 0;
}

// A project failure message as the message box shows it, one line per line on the terminal.
int reportFailure(std::string message)
{
    std::replace(message.begin(), message.end(), '\r', '\n');
    std::cerr << message << '\n';
    return 1;
}

// The project at `path`, or read from the standard input for "-".
std::optional<Project> readProject(const std::string &path, std::string &failure)
{
    if (!isStandardStream(path))
        return openProjectFile(path, &failure);
    const std::optional<std::string> bytes = readStandardInput("a project file", failure);
    if (!bytes)
        return std::nullopt;
    std::string error;
    std::optional<Project> project = decodeProject(
        std::span(reinterpret_cast<const std::uint8_t *>(bytes->data()), bytes->size()), &error);
    if (!project)
        failure = openFailureMessage(StandardInputName, EINVAL, error);
    return project;
}

int runProjectExport(const std::string &path)
{
    std::string failure;
    const std::optional<Project> project = readProject(path, failure);
    if (!project)
        return reportFailure(failure);
    std::cout << cli::projectToJson(*project) << '\n' << std::flush;
    if (!std::cout) {
        std::cerr << "lumidex-cli: the JSON could not be written to the standard output\n";
        return 1;
    }
    return 0;
}

int runProjectImport(const std::string &path, const std::string &output)
{
    std::string failure;
    const std::optional<std::string> text = isStandardStream(path)
                                                ? readStandardInput("a project's JSON", failure)
                                                : readInputFile(path, "a project's JSON", failure);
    if (!text)
        return reportFailure(failure);
    std::string why;
    const std::string_view name = isStandardStream(path) ? StandardInputName : path;
    const std::optional<cli::JsonValue> document = cli::parseJson(*text, &why);
    if (!document)
        return reportFailure(openFailureMessage(name, EINVAL, "Malformed JSON: " + why));
    const std::optional<Project> project = cli::projectFromJson(*document, &why);
    if (!project)
        return reportFailure(openFailureMessage(name, EINVAL, "Not a project: " + why));
    if (isStandardStream(output)) {
        if (const auto reason = unsavableReason(*project))
            return reportFailure(saveFailureMessage(StandardOutputName, EINVAL, *reason));
        const std::vector<std::uint8_t> bytes = encodeProject(*project);
        if (!writeStandardOutput(
                std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size())))
            return reportFailure(saveFailureMessage(StandardOutputName, EIO));
        return 0;
    }
    if (!saveProjectFile(output, *project, &failure))
        return reportFailure(failure);
    return 0;
}

// "A-B" or "A": the pages of a sheet command, written as the window counts them (1 to 99, no
// leading zeros, A not after B); anything else is a usage error.
std::pair<int, int> pageRange(const std::string &value)
{
    const auto page = [&](const std::string &text) {
        if (text.empty() || text.size() > 2 || text[0] == '0' ||
            text.find_first_not_of("0123456789") != std::string::npos)
            throw UsageError{"--pages " + value + " is not a range of pages (write it as 2-3)"};
        return std::stoi(text);
    };
    const std::size_t dash = value.find('-');
    const int a = page(value.substr(0, dash));
    const int b = dash == std::string::npos ? a : page(value.substr(dash + 1));
    if (a > b)
        throw UsageError{"--pages " + value + " counts backwards (write it as " +
                         std::to_string(b) + "-" + std::to_string(a) + ")"};
    return {a, b};
}

int runProjectSheet(const std::string &path, const std::string &output,
                    const std::optional<std::string> &pagesText)
{
    std::string failure;
    std::optional<Project> project = readProject(path, failure);
    if (!project)
        return reportFailure(failure);
    PrintRequest request;
    if (pagesText) {
        const std::pair<int, int> pages = pageRange(*pagesText);
        const int count = project->pageCount();
        if (pages.second > count) {
            // The suggestion is a range the project has: from the first page asked for where
            // the project has it, else from page 1, to its last page.
            const int from = pages.first <= count ? pages.first : 1;
            const std::string suggestion = from == count
                                               ? std::to_string(count)
                                               : std::to_string(from) + "-" + std::to_string(count);
            std::cerr << "lumidex-cli: --pages " << *pagesText << " is not a range of pages of "
                      << (isStandardStream(path) ? StandardInputName : path)
                      << ", which has pages 1 to " << count << " (write it as " << suggestion
                      << ")\n";
            return 1;
        }
        request.range = PrintRange::Pages;
        request.fromPage = pages.first;
        request.toPage = pages.second;
    }

    CliDialogs dialogs;
    Session session(dialogs, StartOptions{Unit::Inches, false, true, {}});
    ProjectDocument &document = session.document();
    session.screenWindow().calc(); // "&Layout": the installation window as the installer sees it
    if (isStandardStream(path)) {
        document.restoreRecovered(std::move(*project), {}); // read once: a pipe is read once
    } else if (!document.openProjectFile(path)) {
        return reportFailure(dialogs.messages.empty() ? path : dialogs.messages.back().second);
    }

    std::string why;
    if (!cli::writeSheetPdf(document, request, output, why)) {
        std::cerr << "lumidex-cli: unable to write the sheets to " << output << ": " << why << '\n';
        return 1;
    }
    return 0;
}

int runProject(const std::vector<std::string> &args)
{
    if (args.empty())
        throw UsageError{"project needs export, import or sheet"};
    const std::string &action = args.front();
    if (action == "drawing")
        return cli::runProjectDrawing({args.begin() + 1, args.end()});
    if (action != "export" && action != "import" && action != "sheet")
        throw UsageError{"unknown project command " + action + "; use export, import or sheet"};
    std::optional<std::string> input;
    std::optional<std::string> output;
    std::optional<std::string> pages;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--pages") {
            if (action != "sheet")
                throw UsageError{"--pages is for project sheet only"};
            if (pages)
                throw UsageError{"give --pages once"};
            if (i + 1 >= args.size())
                throw UsageError{"missing pages after --pages"};
            pageRange(args[i + 1]); // a malformed range is refused before any work
            pages = args[++i];
        } else if (arg == "-o" || arg == "--output") {
            if (action == "export")
                throw UsageError{arg + " is for project import and sheet only"};
            if (output)
                throw UsageError{"give -o once"};
            if (i + 1 >= args.size())
                throw UsageError{"missing file name after " + arg};
            output = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError{"unknown option " + arg};
        } else if (input) {
            throw UsageError{"give one file to " + action};
        } else {
            input = arg;
        }
    }
    if (action == "export") {
        if (!input)
            throw UsageError{"project export needs a project file"};
        return runProjectExport(*input);
    }
    if (action == "sheet") {
        if (!input)
            throw UsageError{"project sheet needs a project file"};
        if (!output)
            throw UsageError{"project sheet needs -o OUT.pdf"};
        return runProjectSheet(*input, *output, pages);
    }
    if (!input)
        throw UsageError{"project import needs a JSON file"};
    if (!output)
        throw UsageError{"project import needs -o OUT.lmx"};
    return runProjectImport(*input, *output);
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietQtMessages);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        // "--name=value" is "--name value", as in most tools; "-" alone is a file name.
        const std::string arg = argv[i];
        const std::size_t equals = arg.find('=');
        if (arg.starts_with("--") && equals != std::string::npos) {
            args.push_back(arg.substr(0, equals));
            args.push_back(arg.substr(equals + 1));
        } else {
            args.push_back(arg);
        }
    }
    if (args.empty()) {
        std::cerr << Usage << MoreHelp;
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        printHelp();
        return 0;
    }
    if (command == "--version") {
        std::cout << "lumidex-cli " << versionNumber() << '\n';
        return 0;
    }
    for (const std::string &arg : args) {
        if (arg == "--help" || arg == "-h") {
            printHelp();
            return 0;
        }
    }
    try {
        if (command == "screen")
            return runScreen(args);
        if (command == "lenses")
            return runLenses(args);
        if (command == "throw")
            return runThrow(args);
        if (command == "project")
            return runProject(args);
        if (command == "room")
            return cli::runRoom(args);
        if (command == "session")
            return cli::runSession(args);
        std::cerr << "lumidex-cli: unknown command " << command << "\n" << Usage << MoreHelp;
        return 2;
    } catch (const UsageError &e) {
        std::cerr << "lumidex-cli: " << e.text << "\n" << Usage << MoreHelp;
        return 2;
    }
}

// lumidex-cli: runs the program's own window logic headless and prints JSON, for scripts,
// batch sheets and acceptance checks. Each command performs a user's steps in order.

#include "app/commandline.h"
#include "app/dialogs.h"
#include "geometry/numbertext.h"
#include "geometry/screenwindow.h"
#include "json.h"

#include <cmath>
#include <deque>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace lumidex;

constexpr std::string_view Usage =
    "usage: lumidex-cli screen [--width X | --height X | --diagonal X] [--aspect R]\n"
    "                          [--units in|ft|mm]\n"
    "\n"
    "  screen   complete a screen from one dimension and an aspect ratio, as the screen\n"
    "           calculator does, and print it as JSON (dimensions in inches).\n"
    "           --aspect   a preset (4:3, 5:3, 16:9, 37:20, 2:1, 7:3, 1.85, 2, 2.35)\n"
    "                      or any positive ratio such as 1.5, taken as a custom ratio\n"
    "           --units    the units the dimension is typed in (default in)\n";

// Messages go to stderr as "title: text"; the custom-ratio prompt is answered from a queue.
class CliDialogs : public Dialogs
{
public:
    void message(std::string_view text, MessageIcon, std::string_view title) override
    {
        std::string line(text);
        for (char &c : line) {
            if (c == '\r')
                c = '\n'; // old messages break lines with a lone carriage return
        }
        std::cerr << titleOrDefault(title) << ": " << line << '\n';
    }

    std::optional<std::string> input(std::string_view, std::string_view, std::string_view) override
    {
        if (answers.empty())
            return std::nullopt;
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }

    int sxgaChoice() override { return sxgaAnswer; }

    std::deque<std::string> answers;
    int sxgaAnswer = 0;
};

class NoHost : public ScreenWindowHost
{
public:
    void showInstallationWindow() override {}
};

struct UsageError
{
    std::string text;
};

struct ScreenArgs
{
    std::optional<std::pair<Dimension, std::string>> dimension;
    std::optional<std::string> aspect;
    Unit units = Unit::Inches;
};

ScreenArgs parseScreenArgs(const std::vector<std::string> &args)
{
    ScreenArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &name = args[i];
        if (i + 1 >= args.size())
            throw UsageError{"missing value after " + name};
        const std::string &value = args[++i];
        if (name == "--width" || name == "--height" || name == "--diagonal") {
            if (parsed.dimension)
                throw UsageError{"give only one of --width, --height, --diagonal"};
            if (value.empty() || value.find_first_not_of("0123456789./") != std::string::npos)
                throw UsageError{name + " takes digits, \".\" and \"/\" only, as the field does"};
            const Dimension d = name == "--width"    ? Dimension::Width
                                : name == "--height" ? Dimension::Height
                                                     : Dimension::Diagonal;
            parsed.dimension = {d, value};
        } else if (name == "--aspect") {
            const double ratio = leadingNumber(value);
            if (!(ratio > 0) || !std::isfinite(static_cast<float>(ratio)))
                throw UsageError{"--aspect must be a preset or a positive ratio"};
            parsed.aspect = value;
        } else if (name == "--units") {
            if (value == "in")
                parsed.units = Unit::Inches;
            else if (value == "ft")
                parsed.units = Unit::Feet;
            else if (value == "mm")
                parsed.units = Unit::Millimetres;
            else
                throw UsageError{"--units must be in, ft or mm"};
        } else {
            throw UsageError{"unknown option " + name};
        }
    }
    return parsed;
}

// A preset named by its video caption or its stored ratio; nullopt for a custom ratio.
std::optional<int> presetNamed(const std::string &text)
{
    const auto presets = aspectPresets();
    for (std::size_t i = 0; i < presets.size(); ++i) {
        if (text == presets[i].videoCaption || text == presets[i].filmCaption)
            return static_cast<int>(i);
        if (text.find(':') == std::string::npos &&
            static_cast<float>(leadingNumber(text)) == presets[i].ratio)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

int runScreen(const std::vector<std::string> &args)
{
    const ScreenArgs parsed = parseScreenArgs(args);

    InstallationState state;
    CliDialogs dialogs;
    NoHost host;
    ScreenWindow window(state, dialogs, host);
    StartOptions options;
    options.units = parsed.units;
    window.load(options);

    if (parsed.aspect) {
        if (const auto preset = presetNamed(*parsed.aspect)) {
            window.selectPreset(*preset);
        } else {
            dialogs.answers.push_back(*parsed.aspect);
            window.selectPreset(CustomPreset);
        }
    }
    if (parsed.dimension) {
        const auto &[d, text] = *parsed.dimension;
        window.setFieldText(d, "");
        std::string typed;
        for (char c : text) {
            if (window.keyPress(d, c)) {
                typed.push_back(c);
                window.setFieldText(d, typed);
            }
        }
        window.keyPress(d, ScreenWindow::KeyEnter);
    }

    const ScreenState &s = state.screen;
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
    cli::JsonObject out;
    out.addFloat("width", s.width)
        .addFloat("height", s.height)
        .addFloat("diagonal", s.diagonal)
        .addFloat("aspect", s.aspect)
        .add("fields", fields.str())
        .addString("caption", window.aspectCaption())
        .add("colors", colours.str());
    std::cout << out.str() << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << Usage;
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << Usage;
        return 0;
    }
    for (const std::string &arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::cout << Usage;
            return 0;
        }
    }
    try {
        if (command == "screen")
            return runScreen(args);
        std::cerr << "lumidex-cli: unknown command " << command << "\n" << Usage;
        return 2;
    } catch (const UsageError &e) {
        std::cerr << "lumidex-cli: " << e.text << "\n" << Usage;
        return 2;
    }
}

#include "roomcommand.h"

#include "1-state/numbertext.h"
#include "2-screen/viewingroom.h"
#include "9-session/session.h"
#include "json.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <deque>
#include <iostream>
#include <optional>

namespace lumidex::cli {
namespace {

struct RoomUsageError
{
    std::string text;
};

// Messages the screen steps raise go to stderr; a custom ratio is answered from --aspect.
class RoomDialogs : public Dialogs
{
public:
    void message(std::string_view text, MessageIcon, std::string_view title) override
    {
        std::string line(text);
        std::replace(line.begin(), line.end(), '\r', '\n'); // old messages break lines with CR
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
    int sxgaChoice() override { return 0; }
    void showTips(TipsWindow &) override {}
    std::optional<std::string> openFileName() override { return std::nullopt; }
    std::optional<std::string> saveFileName() override { return std::nullopt; }
    SaveChoice askToSave(std::string_view) override { return SaveChoice::Discard; }
    bool confirm(std::string_view, std::string_view, std::string_view, ConfirmDefault) override
    {
        return true;
    }

    std::deque<std::string> answers;
};

struct RoomOptions
{
    std::optional<std::pair<Dimension, std::string>> dimension;
    std::optional<std::string> aspect;
    Unit units = Unit::Inches;
    std::optional<double> lumens;
    double gain = DefaultGain;
    double ambient = 0.0;
    double lines = DefaultLines;
    std::vector<std::string> seats; // in --units, converted once the units are known
};

// The screen options follow the screen command's rules: a dimension is typed into its field,
// so it takes what the field takes.
bool typedNumber(const std::string &value)
{
    return !value.empty() && value.find_first_not_of("0123456789./") == std::string::npos;
}

double numberOption(const std::string &name, const std::string &value)
{
    const double v = leadingNumber(value);
    if (!isNumeric(value) || !std::isfinite(v))
        throw RoomUsageError{name + " takes a number"};
    return v;
}

RoomOptions parseRoomOptions(const std::vector<std::string> &args)
{
    RoomOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &name = args[i];
        if (i + 1 >= args.size())
            throw RoomUsageError{"missing value after " + name};
        const std::string &value = args[++i];
        if (name == "--width" || name == "--height" || name == "--diagonal") {
            if (o.dimension)
                throw RoomUsageError{"give only one of --width, --height, --diagonal"};
            if (!typedNumber(value))
                throw RoomUsageError{name +
                                     " takes digits, \".\" and \"/\" only, as the field does"};
            const Dimension d = name == "--width"    ? Dimension::Width
                                : name == "--height" ? Dimension::Height
                                                     : Dimension::Diagonal;
            o.dimension = {d, value};
        } else if (name == "--aspect") {
            const double ratio = leadingNumber(value);
            if (!(ratio > 0) || !std::isfinite(static_cast<float>(ratio)))
                throw RoomUsageError{"--aspect must be a preset or a positive ratio"};
            o.aspect = value;
        } else if (name == "--units") {
            if (value == "in")
                o.units = Unit::Inches;
            else if (value == "ft")
                o.units = Unit::Feet;
            else if (value == "mm")
                o.units = Unit::Millimetres;
            else
                throw RoomUsageError{"--units must be in, ft or mm"};
        } else if (name == "--lumens") {
            o.lumens = numberOption(name, value);
            if (!(*o.lumens > 0))
                throw RoomUsageError{"--lumens must be more than 0"};
        } else if (name == "--gain") {
            o.gain = numberOption(name, value);
            if (!(o.gain > 0))
                throw RoomUsageError{"--gain must be more than 0"};
        } else if (name == "--ambient") {
            o.ambient = numberOption(name, value);
            if (o.ambient < 0)
                throw RoomUsageError{"--ambient cannot be below 0"};
        } else if (name == "--lines") {
            if (value.empty() || value.size() > 6 ||
                value.find_first_not_of("0123456789") != std::string::npos || std::stoi(value) < 1)
                throw RoomUsageError{"--lines takes a whole number of 1 or more"};
            o.lines = std::stoi(value);
        } else if (name == "--seat") {
            if (!(numberOption(name, value) > 0))
                throw RoomUsageError{"--seat must be more than 0"};
            o.seats.push_back(value);
        } else {
            throw RoomUsageError{"unknown option " + name};
        }
    }
    if (!o.lumens)
        throw RoomUsageError{"room needs --lumens"};
    return o;
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

// The screen calculator's steps: the ratio, then the dimension typed and Enter.
void applyScreen(ScreenWindow &window, RoomDialogs &dialogs, const RoomOptions &o)
{
    if (o.aspect) {
        if (const auto preset = presetNamed(*o.aspect)) {
            window.selectPreset(*preset);
        } else {
            dialogs.answers.push_back(*o.aspect);
            window.selectPreset(CustomPreset);
        }
    }
    if (o.dimension) {
        const auto &[d, text] = *o.dimension;
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
}

// A figure in full: the shortest text that reads back as the same double.
std::string number(double v)
{
    if (!std::isfinite(v))
        return "null";
    std::array<char, 32> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    return std::string(buf.data(), res.ptr);
}

std::string numberOrNull(const std::optional<double> &v)
{
    return v ? number(*v) : "null";
}

std::string roomJson(const ScreenState &s, const RoomFigures &f)
{
    JsonObject screen;
    screen.addFloat("width", s.width)
        .addFloat("height", s.height)
        .addFloat("diagonal", s.diagonal)
        .addFloat("aspect", s.aspect);
    JsonObject needed;
    needed.add("cinema14fL", numberOrNull(f.lumensForCinema))
        .add("contrast15", numberOrNull(f.lumensForBasic))
        .add("contrast50", numberOrNull(f.lumensForAnalytical));
    JsonObject viewing;
    viewing.add("deg30", number(f.viewingDistances[0]))
        .add("deg36", number(f.viewingDistances[1]))
        .add("deg40", number(f.viewingDistances[2]))
        .add("arcMinute", numberOrNull(f.arcMinuteDistance));
    std::string seats = "[";
    for (const SeatView &seat : f.seats) {
        JsonObject o;
        o.add("distance", number(seat.distance)).add("angle", number(seat.angle));
        seats += (seats.size() > 1 ? "," : "") + o.str();
    }
    seats += "]";

    JsonObject out;
    out.add("screen", screen.str())
        .add("areaSqFt", number(f.areaSqFt))
        .add("areaSqM", number(f.areaSqM))
        .add("footLamberts", numberOrNull(f.footLamberts))
        .add("nits", numberOrNull(f.nits))
        .add("screenLux", numberOrNull(f.screenLux))
        .add("contrast", numberOrNull(f.contrast))
        .add("lumensNeeded", needed.str())
        .add("viewing", viewing.str())
        .add("seats", seats);
    return out.str();
}

} // namespace

int runRoom(const std::vector<std::string> &args, std::string_view usage)
{
    RoomOptions o;
    try {
        o = parseRoomOptions(args);
    } catch (const RoomUsageError &e) {
        std::cerr << "lumidex-cli: " << e.text << "\n" << usage;
        return 2;
    }
    RoomDialogs dialogs;
    Session session(dialogs, StartOptions{o.units, false, true, {}});
    applyScreen(session.screenWindow(), dialogs, o);

    RoomInputs inputs;
    inputs.lumens = o.lumens;
    inputs.gain = o.gain;
    inputs.ambientLux = o.ambient;
    inputs.lines = o.lines;
    for (const std::string &seat : o.seats)
        inputs.seats.push_back(unitsToInches(leadingNumber(seat), o.units));
    const ScreenState &screen = session.state().screen;
    std::cout << roomJson(screen, evaluateRoom(screen, inputs)) << '\n';
    return 0;
}

} // namespace lumidex::cli

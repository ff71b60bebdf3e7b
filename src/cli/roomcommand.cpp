#include "roomcommand.h"

#include "1-state/numbertext.h"
#include "2-screen/viewingroom.h"
#include "9-session/session.h"
#include "installationjson.h"
#include "json.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>

namespace lumidex::cli {
namespace {

struct RoomOptions : ScreenOptions
{
    std::optional<double> lumens;
    double gain = DefaultGain;
    double ambient = 0.0;
    double lines = DefaultLines;
    std::vector<std::string> seats; // in --units, converted once the units are known
};

double numberOption(const std::string &name, const std::string &value)
{
    const double v = leadingNumber(value);
    if (!isNumeric(value) || !std::isfinite(v))
        throw UsageError{name + " takes a number"};
    return v;
}

RoomOptions parseRoomOptions(const std::vector<std::string> &args)
{
    RoomOptions o;
    readOptions(args, o, [&o](const std::string &name, const std::string &value) {
        if (name == "--lumens") {
            o.lumens = numberOption(name, value);
            if (!(*o.lumens > 0))
                throw UsageError{"--lumens must be more than 0"};
        } else if (name == "--gain") {
            o.gain = numberOption(name, value);
            if (!(o.gain > 0))
                throw UsageError{"--gain must be more than 0"};
        } else if (name == "--ambient") {
            o.ambient = numberOption(name, value);
            if (o.ambient < 0)
                throw UsageError{"--ambient cannot be below 0"};
        } else if (name == "--lines") {
            if (value.empty() || value.size() > 6 ||
                value.find_first_not_of("0123456789") != std::string::npos || std::stoi(value) < 1)
                throw UsageError{"--lines takes a whole number of 1 or more"};
            o.lines = std::stoi(value);
        } else if (name == "--seat") {
            if (!(numberOption(name, value) > 0))
                throw UsageError{"--seat must be more than 0"};
            o.seats.push_back(value);
        } else {
            throw UsageError{"unknown option " + name};
        }
    });
    if (!o.lumens)
        throw UsageError{"room needs --lumens"};
    return o;
}

// A figure to 15 significant digits, all a double carries through the arithmetic, written as
// the shortest text that reads back as that: 60 fL comes out as 60, not as the
// 59.99999999999999 the last bit of a division leaves.
std::string number(double v)
{
    if (!std::isfinite(v))
        return "null";
    std::array<char, 32> buf{};
    std::snprintf(buf.data(), buf.size(), "%.15g", v);
    const double rounded = std::strtod(buf.data(), nullptr);
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), rounded);
    return std::string(buf.data(), res.ptr);
}

std::string numberOrNull(const std::optional<double> &v)
{
    return v ? number(*v) : "null";
}

std::string roomJson(const ScreenState &s, const RoomFigures &f, const CliDialogs &dialogs)
{
    const JsonObject screen = screenJson(s);
    JsonObject needed;
    needed.add("cinema14fL", numberOrNull(f.lumensForCinema));
    for (std::size_t i = 0; i < ContrastCategories.size(); ++i) {
        needed.add("contrast" + formatNumber(ContrastCategories[i].ratio, "0"),
                   numberOrNull(f.lumensForContrast[i]));
    }
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
        .add("contrastCategory",
             f.contrastCategory ? jsonString(contrastStandard(*f.contrastCategory).name) : "null")
        .add("lumensNeeded", needed.str())
        .add("viewing", viewing.str())
        .add("seats", seats);
    addMessagesIfAny(out, dialogs);
    return out.str();
}

} // namespace

int runRoom(const std::vector<std::string> &args)
{
    const RoomOptions o = parseRoomOptions(args);
    CliDialogs dialogs;
    Session session(dialogs, StartOptions{o.units, false, true, {}});
    dialogs.messages.clear();
    applyScreenOptions(session.screenWindow(), dialogs, o);
    printMessages(dialogs);

    RoomInputs inputs;
    inputs.lumens = o.lumens;
    inputs.gain = o.gain;
    inputs.ambientLux = o.ambient;
    inputs.lines = o.lines;
    for (const std::string &seat : o.seats)
        inputs.seats.push_back(unitsToInches(leadingNumber(seat), o.units));
    const ScreenState &screen = session.state().screen;
    std::cout << roomJson(screen, evaluateRoom(screen, inputs), dialogs) << '\n';
    return 0;
}

} // namespace lumidex::cli

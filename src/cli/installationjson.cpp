#include "installationjson.h"

#include "1-state/numbertext.h"
#include "2-screen/screenmodel.h"
#include "3-catalogue/catalogue.h"
#include "5-drawing/drawingarea.h"
#include "5-drawing/drawingelements.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iostream>

namespace lumidex::cli {

void CliDialogs::message(std::string_view text, MessageIcon, std::string_view title)
{
    messages.emplace_back(std::string(titleOrDefault(title)), std::string(text));
}

std::optional<std::string> CliDialogs::input(std::string_view, std::string_view, std::string_view)
{
    ++prompts;
    if (answers.empty())
        return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
}

void CliDialogs::warn(const std::string &text)
{
    std::cerr << "lumidex-cli: warning: " << text << '\n';
    messages.emplace_back(WarningTitle, text);
}

bool typedNumber(const std::string &value)
{
    return !value.empty() && value.find_first_not_of("0123456789./") == std::string::npos;
}

void readOptions(const std::vector<std::string> &args, ScreenOptions &o,
                 const std::function<void(const std::string &, const std::string &)> &other)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &name = args[i];
        if (i + 1 >= args.size())
            throw UsageError{"missing value after " + name};
        const std::string &value = args[++i];
        if (!takeScreenOption(name, value, o))
            other(name, value);
    }
}

bool takeScreenOption(const std::string &name, const std::string &value, ScreenOptions &o)
{
    if (name == "--width" || name == "--height" || name == "--diagonal") {
        if (o.dimension)
            throw UsageError{"give only one of --width, --height, --diagonal"};
        if (!typedNumber(value))
            throw UsageError{name + " takes digits, \".\" and \"/\" only, as the field does"};
        const Dimension d = name == "--width"    ? Dimension::Width
                            : name == "--height" ? Dimension::Height
                                                 : Dimension::Diagonal;
        o.dimension = {d, value};
    } else if (name == "--aspect") {
        const double ratio = leadingNumber(value);
        if (!(ratio > 0) || !std::isfinite(static_cast<float>(ratio)))
            throw UsageError{"--aspect must be a preset or a positive ratio"};
        o.aspect = value;
    } else if (name == "--units") {
        if (value == "in")
            o.units = Unit::Inches;
        else if (value == "ft")
            o.units = Unit::Feet;
        else if (value == "mm")
            o.units = Unit::Millimetres;
        else
            throw UsageError{"--units must be in, ft or mm"};
    } else {
        return false;
    }
    return true;
}

void applyScreenOptions(ScreenWindow &window, CliDialogs &dialogs, const ScreenOptions &o)
{
    const int resets = window.resetCount();
    if (o.aspect) {
        if (const auto preset = presetNamed(*o.aspect)) {
            window.selectPreset(*preset);
        } else {
            dialogs.answers.push_back(*o.aspect);
            window.selectPreset(CustomPreset);
        }
    }
    if (o.dimension)
        typeInto(window, o.dimension->first, o.dimension->second);
    if (window.resetCount() != resets) {
        std::string given = o.aspect ? "--aspect " + *o.aspect : "";
        if (o.dimension) {
            const Dimension d = o.dimension->first;
            given += std::string(given.empty() ? "" : " ") +
                     (d == Dimension::Width    ? "--width "
                      : d == Dimension::Height ? "--height "
                                               : "--diagonal ") +
                     o.dimension->second;
        }
        dialogs.warn(given +
                     " gives a screen outside 1 to 32000 inches; the screen calculator reset it "
                     "to 80 x 60 inches, diagonal 100");
    }
}

void printMessages(const CliDialogs &dialogs)
{
    for (const auto &[title, text] : dialogs.messages) {
        if (title == CliDialogs::WarningTitle)
            continue;
        std::string line = text;
        std::replace(line.begin(), line.end(), '\r', '\n'); // old messages break lines with CR
        std::cerr << title << ": " << line << '\n';
    }
}

JsonObject screenJson(const ScreenState &s)
{
    JsonObject o;
    o.addFloat("width", s.width)
        .addFloat("height", s.height)
        .addFloat("diagonal", s.diagonal)
        .addFloat("aspect", s.aspect);
    return o;
}

std::string messagesJson(const CliDialogs &dialogs)
{
    std::string out = "[";
    for (const auto &[title, text] : dialogs.messages) {
        if (out.size() > 1)
            out += ",";
        JsonObject m;
        m.addString("title", title).addString("text", text);
        out += m.str();
    }
    return out + "]";
}

void addMessagesIfAny(JsonObject &out, const CliDialogs &dialogs)
{
    if (!dialogs.messages.empty())
        out.add("messages", messagesJson(dialogs));
}

bool takeElementsFlag(std::vector<std::string> &args)
{
    const auto it = std::find(args.begin(), args.end(), "--elements");
    if (it == args.end())
        return false;
    args.erase(it);
    return true;
}

namespace {

std::string noticesJson(const std::vector<Notice> &notices)
{
    std::string out = "[";
    for (const Notice &n : notices) {
        if (out.size() > 1)
            out += ",";
        JsonObject o;
        o.addString("text", n.text)
            .addString("colour", n.colour == NoteColour::Red    ? "red"
                                 : n.colour == NoteColour::Blue ? "blue"
                                                                : "black");
        out += o.str();
    }
    return out + "]";
}

std::string areaJson()
{
    const DrawingArea &a = ShownDrawingArea;
    JsonObject o;
    o.add("left", formatRoundTrip(static_cast<float>(a.left)))
        .add("top", formatRoundTrip(static_cast<float>(a.top)))
        .add("width", formatRoundTrip(static_cast<float>(a.width)))
        .add("height", formatRoundTrip(static_cast<float>(a.height)));
    return o.str();
}

std::string elementsJson(const Drawing &drawing)
{
    std::string out = "[";
    for (const DrawingElement &e : visibleElements(drawing)) {
        if (out.size() > 1)
            out += ",";
        JsonObject o;
        o.addString("name", e.name).addString("kind", std::string(kindName(e.kind)));
        if (e.kind == ElementKind::Line) {
            o.add("x1", std::to_string(e.x1))
                .add("y1", std::to_string(e.y1))
                .add("x2", std::to_string(e.x2))
                .add("y2", std::to_string(e.y2));
        } else {
            o.add("left", std::to_string(e.left))
                .add("top", std::to_string(e.top))
                .add("width", std::to_string(e.width))
                .add("height", std::to_string(e.height));
        }
        if (!e.caption.empty())
            o.addString("caption", e.caption);
        if (e.kind != ElementKind::Picture)
            o.addString("colour", std::string(colourName(e.colour)));
        if (e.kind == ElementKind::Line)
            o.addString("style", std::string(styleName(e.style)));
        out += o.str();
    }
    return out + "]";
}

} // namespace

JsonObject installationJson(Session &session, const CliDialogs &dialogs, bool elements)
{
    const InstallationState &state = session.state();
    const ThrowWindow &window = session.throwWindow();
    const Selection &s = state.inputs.selection;
    const InstallationResults &results = state.results;
    const Drawing &d = window.drawing();
    auto floatOrNull = [&](bool set, float v) { return set ? formatRoundTrip(v) : "null"; };
    JsonObject texts;
    texts.addString("hdimbox", window.distanceText())
        .addString("txtHTDFar", d.txtHTDFar.visible ? d.txtHTDFar.caption : "")
        .addString("lblflr_proj", d.lblflr_proj.visible ? d.lblflr_proj.caption : "")
        .addString("lblflr_ceiling", d.lblflr_ceiling.visible ? d.lblflr_ceiling.caption : "")
        .addString("lblHcent", d.lblHcent.visible ? d.lblHcent.caption : "")
        .addString("lblVsize", d.lblVsize.caption)
        .addString("lblTA", window.throwAngleText())
        .addString("lblLens", window.lensLabel())
        .addString("notes", window.notes())
        .addString("title", window.frameTitle());
    // Lens rings belong to a CR-7100/CR-7200 screen size calculation.
    const bool ringSeries = s.isCrt() && (s.series == Series::CR7100 || s.series == Series::CR7200);
    std::string rings = "null";
    std::string focus = "null";
    if (ringSeries && results.ringsSet) {
        rings = "[";
        for (std::size_t i = 0; i < results.ringSettings.size(); ++i)
            rings += (i ? "," : "") + std::to_string(results.ringSettings[i]);
        rings += "]";
        focus = formatRoundTrip(results.focusParameter);
    }
    // Only a zoom lens has a range; a fixed lens or a CRT series has one distance.
    const bool zoom = !s.isCrt() && lensEntry(s).kind == LensKind::Zoom;
    const bool range = zoom && results.throwNearSet;
    JsonObject out;
    out.add("screen", screenJson(state.screen).str())
        .addString("projector",
                   s.isCrt() ? seriesEntry(s.series).caption : modelEntry(s.model).caption)
        .add("lens",
             s.isCrt() || !modelEntry(s.model).hasLensSubmenu ? "null" : std::to_string(s.lens))
        .add("zoom", zoom ? "true" : "false")
        .add("throwNear", floatOrNull(range, results.throwNear))
        .add("throwFar", floatOrNull(range, results.throwFar))
        .add("throwDistance", formatRoundTrip(static_cast<float>(results.throwDistance)))
        .add("throwAngle", window.throwAngleText().empty()
                               ? "null"
                               : formatRoundTrip(static_cast<float>(results.throwAngle)))
        .add("drawingScale", std::to_string(results.drawingScale))
        .add("projectorDrawX", std::to_string(results.projectorDrawX))
        .add("ringSettings", rings)
        .add("focusParameter", focus)
        .add("texts", texts.str())
        .add("notices", noticesJson(window.view().notices))
        .add("messages", messagesJson(dialogs));
    if (elements)
        out.add("area", areaJson()).add("elements", elementsJson(d));
    return out;
}

} // namespace lumidex::cli

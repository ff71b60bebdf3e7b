#include "sessioncommand.h"

#include "3-catalogue/catalogue.h"
#include "installationjson.h"

#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>

namespace lumidex::cli {
namespace {

struct BadLine
{
    std::string text;
};

// One action line: its members, read strictly.
class Action
{
public:
    explicit Action(const JsonValue &value) : m_value(value) {}

    const JsonValue *find(std::string_view key) const { return m_value.member(key); }

    std::string text(std::string_view key) const
    {
        const JsonValue *v = find(key);
        if (!v || v->kind != JsonValue::Kind::String)
            throw BadLine{"\"" + std::string(key) + "\" must be a text"};
        return v->text;
    }

    std::optional<std::string> optionalText(std::string_view key) const
    {
        return find(key) ? std::optional(text(key)) : std::nullopt;
    }

    int number(std::string_view key, int min, int max) const
    {
        const JsonValue *v = find(key);
        if (!v || v->kind != JsonValue::Kind::Number ||
            v->text.find_first_not_of("-0123456789") != std::string::npos || v->text.size() > 6)
            throw BadLine{"\"" + std::string(key) + "\" must be a whole number"};
        const int n = std::stoi(v->text);
        if (n < min || n > max)
            throw BadLine{"\"" + std::string(key) + "\" is out of range"};
        return n;
    }

    // A text that must be one of `choices`; its place among them.
    int choice(std::string_view key, std::initializer_list<std::string_view> choices) const
    {
        const std::string value = text(key);
        int i = 0;
        for (std::string_view c : choices) {
            if (value == c)
                return i;
            ++i;
        }
        std::string all;
        for (std::string_view c : choices)
            all += (all.empty() ? "" : ", ") + std::string(c);
        throw BadLine{"\"" + std::string(key) + "\" must be one of " + all};
    }

    // The answer a prompt raised by this action gets: the text, or nothing for "cancel".
    std::optional<std::optional<std::string>> answer(std::string_view key) const
    {
        const std::optional<std::string> value = optionalText(key);
        if (!value)
            return std::nullopt;
        if (*value == "cancel")
            return std::optional<std::string>{};
        return value;
    }

private:
    const JsonValue &m_value;
};

class Replay
{
public:
    Replay() : m_session(m_dialogs, StartOptions{Unit::Inches, false, true, {}})
    {
        m_session.screenWindow().calc(); // "&Layout": the installation window is shown
    }

    void run(const Action &a, const std::string &action)
    {
        // A prompt the action does not answer is cancelled; no answer is left for later.
        m_dialogs.answers.clear();
        const auto it = handlers().find(action);
        if (it == handlers().end())
            throw BadLine{"unknown action \"" + action + "\""};
        (this->*(it->second))(a);
        m_dialogs.answers.clear();
    }

    std::string result()
    {
        ThrowWindow &w = m_session.throwWindow();
        const ProjectDocument &doc = m_session.document();
        std::string enabled = "[";
        for (int i = 0; i < PositionCount; ++i)
            enabled += std::string(i ? "," : "") + (w.positionEnabled(i) ? "true" : "false");
        enabled += "]";
        JsonObject fields;
        fields.add("height", w.sizeEnabled(Dimension::Height) ? "true" : "false")
            .add("width", w.sizeEnabled(Dimension::Width) ? "true" : "false")
            .add("diagonal", w.sizeEnabled(Dimension::Diagonal) ? "true" : "false");
        const NoteColour colour = w.notesColour();
        JsonObject out = installationJson(m_session, m_dialogs);
        out.add("page", std::to_string(doc.currentPage()))
            .add("pageCount", std::to_string(doc.pageCount()))
            .add("positionChecked", std::to_string(w.checkedPosition()))
            .add("positionEnabled", enabled)
            .add("fieldsEnabled", fields.str())
            .addString("notesColour", colour == NoteColour::Red    ? "red"
                                      : colour == NoteColour::Blue ? "blue"
                                                                   : "black");
        return out.str();
    }

private:
    using Handler = void (Replay::*)(const Action &);
    static const std::map<std::string, Handler, std::less<>> &handlers()
    {
        static const std::map<std::string, Handler, std::less<>> table{
            {"projector", &Replay::projector}, {"position", &Replay::position},
            {"point", &Replay::point},         {"units", &Replay::units},
            {"signal", &Replay::signal},       {"screen", &Replay::screen},
            {"aspect", &Replay::aspect},       {"layout", &Replay::layout},
            {"distance", &Replay::distance},   {"notes", &Replay::notes},
            {"page", &Replay::page},           {"scroll", &Replay::scroll},
        };
        return table;
    }

    ThrowWindow &window() { return m_session.throwWindow(); }

    void queue(const Action &a, std::string_view key)
    {
        if (const auto answer = a.answer(key))
            m_dialogs.answers.push_back(*answer);
    }

    void projector(const Action &a)
    {
        const std::string name = a.text("name");
        const int lens = a.find("lens") ? a.number("lens", 0, 99) : 0;
        const std::optional<Selection> chosen = projectorNamed(name, lens);
        if (!chosen)
            throw BadLine{"no projector named " + name};
        if (!chosen->isCrt() &&
            static_cast<std::size_t>(lens) >= modelEntry(chosen->model).lenses.size())
            throw BadLine{"\"lens\" is out of range for " + name};
        if (const auto sxga = a.find("sxga")) {
            if (sxga->kind == JsonValue::Kind::String && sxga->text == "cancel")
                m_dialogs.sxgaAnswer = -1;
            else
                m_dialogs.sxgaAnswer = a.number("sxga", 0, 1);
        } else {
            m_dialogs.sxgaAnswer = 0;
        }
        queue(a, "angle");
        if (chosen->isCrt())
            window().selectSeries(chosen->series);
        else
            window().selectLens(chosen->model, chosen->lens);
    }

    void position(const Action &a)
    {
        const int index = a.choice("name", {"top", "center", "bottom", "special"});
        queue(a, "angle");
        window().selectPosition(index);
    }

    void point(const Action &a) { window().selectThrowPoint(a.choice("name", {"lens", "hole"})); }

    void units(const Action &a)
    {
        window().selectUnits(unitFromIndex(a.choice("name", {"in", "ft", "mm"})));
    }

    void signal(const Action &a)
    {
        const int index = a.number("index", 1, 99);
        if (static_cast<std::size_t>(index) > window().inputSignals().size())
            throw BadLine{"\"index\" is not offered for this projector"};
        window().chooseInputSignal(index - 1);
    }

    void screen(const Action &a)
    {
        const int field = a.choice("field", {"diagonal", "width", "height"});
        const Dimension d = field == 0   ? Dimension::Diagonal
                            : field == 1 ? Dimension::Width
                                         : Dimension::Height;
        typeInto(m_session.screenWindow(), d, a.text("text"));
    }

    void aspect(const Action &a)
    {
        applyAspect(m_session.screenWindow(), m_dialogs, a.text("ratio"));
    }

    void layout(const Action &) { m_session.screenWindow().calc(); }

    void distance(const Action &a)
    {
        window().setDistanceText(a.text("text"));
        window().distanceKeyPress(ThrowWindow::KeyEnter);
    }

    void notes(const Action &a) { window().setTitleText(PageText::Notes, a.text("text")); }

    void page(const Action &a) { m_session.document().pageButton(a.choice("button", {"<", ">"})); }

    void scroll(const Action &a) { m_session.document().pageScroll(a.number("value", 1, 99)); }

    CliDialogs m_dialogs;
    Session m_session;
};

} // namespace

int runSession(const std::vector<std::string> &args, std::string_view usage)
{
    if (args.size() != 1) {
        std::cerr << "lumidex-cli: session takes one file of actions (or - for the standard "
                     "input)\n"
                  << usage;
        return 2;
    }
    std::ifstream file;
    std::istream *in = &std::cin;
    if (args[0] != "-") {
        file.open(args[0]);
        if (!file) {
            std::cerr << "lumidex-cli: cannot read " << args[0] << '\n';
            return 1;
        }
        in = &file;
    }
    Replay replay;
    std::string line;
    for (int number = 1; std::getline(*in, line); ++number) {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        try {
            std::string why;
            const std::optional<JsonValue> value = parseJson(line, &why);
            if (!value)
                throw BadLine{why};
            if (value->kind != JsonValue::Kind::Object)
                throw BadLine{"an action is a JSON object"};
            const Action action(*value);
            replay.run(action, action.text("do"));
        } catch (const BadLine &bad) {
            std::cerr << "lumidex-cli: session line " << number << ": " << bad.text << '\n';
            return 2;
        }
    }
    std::cout << replay.result() << '\n';
    return 0;
}

} // namespace lumidex::cli

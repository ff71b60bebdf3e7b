#include "9-session/replay.h"

#include "1-state/numbertext.h"
#include "2-screen/screenmodel.h"
#include "3-catalogue/catalogue.h"

#include <algorithm>
#include <cctype>

namespace lumidex {
namespace {

// One action line, read strictly.
class Action
{
public:
    explicit Action(const ReplayLine &line) : m_line(line) {}

    const ReplayValue *find(std::string_view key) const
    {
        const auto it = m_line.find(key);
        return it == m_line.end() ? nullptr : &it->second;
    }

    std::string text(std::string_view key) const
    {
        const ReplayValue *v = find(key);
        if (!v || v->kind != ReplayValue::Kind::Text)
            throw ReplayError{"\"" + std::string(key) + "\" must be a text"};
        return v->text;
    }

    int number(std::string_view key, int min, int max) const
    {
        const ReplayValue *v = find(key);
        if (!v || v->kind != ReplayValue::Kind::Number || v->text.empty() || v->text.size() > 6 ||
            v->text.find_first_not_of("-0123456789") != std::string::npos)
            throw ReplayError{"\"" + std::string(key) + "\" must be a whole number"};
        const int n = std::stoi(v->text);
        if (n < min || n > max)
            throw ReplayError{"\"" + std::string(key) + "\" is out of range"};
        return n;
    }

    // A text that must be one of `choices`; its place among them.
    int choice(std::string_view key, std::initializer_list<std::string_view> choices) const
    {
        const std::string value = text(key);
        const auto it = std::find(choices.begin(), choices.end(), value);
        if (it != choices.end())
            return static_cast<int>(it - choices.begin());
        std::string all;
        for (std::string_view c : choices)
            all += (all.empty() ? "" : ", ") + std::string(c);
        throw ReplayError{"\"" + std::string(key) + "\" must be one of " + all};
    }

    // The answer a prompt raised by this action gets: the text, or nothing for "cancel".
    std::optional<std::optional<std::string>> answer(std::string_view key) const
    {
        if (!find(key))
            return std::nullopt;
        std::string value = text(key);
        if (value == "cancel")
            return std::optional<std::string>{};
        return std::optional<std::string>{std::move(value)};
    }

private:
    const ReplayLine &m_line;
};

std::string upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

} // namespace

std::optional<Selection> projectorNamed(const std::string &name, int lens)
{
    // A menu caption names its projector by its whole text or its first name ("LX-510" for
    // "LX-510/LX-515").
    const auto names = [&name](std::string_view caption) {
        const std::string full = upper(std::string(caption));
        return upper(name) == full || upper(name) == full.substr(0, full.find_first_of("/ "));
    };
    for (const SeriesEntry &s : crtSeries()) {
        if (names(s.caption))
            return Selection::crt(s.series);
    }
    for (const ModelEntry &m : dataProjectors()) {
        if (names(m.caption))
            return Selection::dataProjector(m.model, lens);
    }
    return std::nullopt;
}

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

void typeInto(ScreenWindow &window, Dimension d, const std::string &text)
{
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

void replay(Session &session, const ReplayLine &line, ReplayAnswers *answers)
{
    const Action a(line);
    const std::string action = a.text("do");
    ThrowWindow &window = session.throwWindow();
    ScreenWindow &screen = session.screenWindow();
    ProjectDocument &document = session.document();
    // A prompt the action does not answer is cancelled; no answer is left for a later one.
    if (answers)
        answers->forgetAnswers();
    const auto queue = [&](std::string_view key) {
        if (const auto answer = a.answer(key); answer && answers)
            answers->answerPrompt(*answer);
    };

    if (action == "projector") {
        const std::string name = a.text("name");
        const int lens = a.find("lens") ? a.number("lens", 0, 99) : 0;
        const std::optional<Selection> chosen = projectorNamed(name, lens);
        if (!chosen)
            throw ReplayError{"no projector named " + name};
        if (!chosen->isCrt() &&
            static_cast<std::size_t>(lens) >= modelEntry(chosen->model).lenses.size())
            throw ReplayError{"\"lens\" is out of range for " + name};
        int sxga = 0;
        if (const ReplayValue *v = a.find("sxga"))
            sxga = v->kind == ReplayValue::Kind::Text && v->text == "cancel"
                       ? -1
                       : a.number("sxga", 0, 1);
        if (answers)
            answers->answerSxga(sxga);
        queue("angle");
        if (chosen->isCrt())
            window.selectSeries(chosen->series);
        else
            window.selectLens(chosen->model, chosen->lens);
    } else if (action == "position") {
        const int index = a.choice("name", {"top", "center", "bottom", "special"});
        queue("angle");
        window.selectPosition(index);
    } else if (action == "point") {
        window.selectThrowPoint(a.choice("name", {"lens", "hole"}));
    } else if (action == "units") {
        window.selectUnits(unitFromIndex(a.choice("name", {"in", "ft", "mm"})));
    } else if (action == "signal") {
        const int index = a.number("index", 1, 99);
        if (static_cast<std::size_t>(index) > window.inputSignals().size())
            throw ReplayError{"\"index\" is not offered for this projector"};
        window.chooseInputSignal(index - 1);
    } else if (action == "screen") {
        const int field = a.choice("field", {"diagonal", "width", "height"});
        typeInto(screen,
                 field == 0   ? Dimension::Diagonal
                 : field == 1 ? Dimension::Width
                              : Dimension::Height,
                 a.text("text"));
    } else if (action == "aspect") {
        const std::string ratio = a.text("ratio");
        if (const auto preset = presetNamed(ratio)) {
            screen.selectPreset(*preset);
        } else {
            if (answers)
                answers->answerPrompt(ratio);
            screen.selectPreset(CustomPreset);
        }
    } else if (action == "layout") {
        screen.calc();
    } else if (action == "distance") {
        window.setDistanceText(a.text("text"));
        window.distanceKeyPress(ThrowWindow::KeyEnter);
    } else if (action == "notes") {
        window.setTitleText(PageText::Notes, a.text("text"));
        window.notify();
    } else if (action == "page") {
        document.pageButton(a.choice("button", {"<", ">"}));
    } else if (action == "scroll") {
        document.pageScroll(a.number("value", 1, 99));
    } else if (action == "deletePage") {
        document.deletePage();
    } else {
        throw ReplayError{"unknown action \"" + action + "\""};
    }
    if (answers)
        answers->forgetAnswers();
}

} // namespace lumidex

// Every text the user reads goes through the translation look-up, while the windows decide by
// the English texts: under a pseudo-translation that brackets every text, a day's actions show
// bracketed captions, messages and notes, on screen and on the printed sheet, and end exactly
// as they do in English.

#include "1-state/translation.h"
#include "6-installation/roomwindow.h"
#include "8-print/sheet.h"
#include "9-session/session.h"
#include "scripteddialogs.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace lumidex;
using lumidex::fakes::ScriptedDialogs;

namespace {

std::string bracketed(const char *, const char *sourceText)
{
    return "[" + std::string(sourceText) + "]";
}

struct Reading
{
    std::vector<std::string> texts;  // what the user read, in order
    std::vector<std::string> values; // what the windows worked out and decided
};

Reading dayOfActions()
{
    ScriptedDialogs dialogs;
    Session session(dialogs, StartOptions{Unit::Inches, false, false, {}});
    ScreenWindow &screen = session.screenWindow();
    ThrowWindow &window = session.throwWindow();
    Reading run;
    const auto look = [&] {
        run.texts.push_back(screen.calcCaption());
        run.texts.push_back(screen.unitsCaption());
        run.texts.push_back(screen.field(Dimension::Height).label);
        run.texts.push_back(window.notes());
        run.texts.push_back(window.unitsCaption());
        run.texts.push_back(session.document().projectName());
        run.texts.push_back(window.lensLabel());
        // The printed sheet's fixed captions; the drawing's Min. and Max. only with a zoom lens.
        const std::vector<SheetElement> sheet = composeSheet(session.document());
        for (std::string_view name : {"fraThrow(0)", "fraThrow(2)", "Label2(2)", "Label1(14)"}) {
            const auto e = std::find_if(sheet.begin(), sheet.end(), [&](const SheetElement &e) {
                return e.kind == SheetElementKind::Text && e.name == name;
            });
            run.texts.push_back(e == sheet.end() ? std::string() : e->text);
        }
        const RoomWindow room(window.state());
        for (const RoomSection &section : room.sections())
            run.texts.push_back(section.title);
        run.texts.push_back(room.fieldLabel(RoomField::Gain));
        run.values.push_back(window.distanceText() + " " + window.farDistanceText() + " " +
                             window.throwAngleText());
        run.values.push_back(std::to_string(int(window.notesColour())) + " " +
                             std::to_string(int(window.state().inputs.position)) + " " +
                             std::to_string(window.state().screen.width));
    };
    look();
    screen.setFieldText(Dimension::Diagonal, "120");
    look(); // an entry in progress: Calc recalculates
    screen.calc();
    screen.calc(); // Layout: the tip about the widest screen, then the installation window
    look();
    window.selectLens(Model::LX460, 0); // a zoom lens and its note
    look();
    window.selectLens(Model::LX420, 0);
    window.aspectDoubleClick(); // refused: 4:3 only
    look();
    window.selectSeries(Series::CR7100);
    dialogs.answers.push_back(std::string("30")); // refused by the lens
    window.selectPosition(3);
    dialogs.answers.push_back(std::string("10")); // taken, with its tilt note
    window.selectPosition(3);
    look();
    session.document().deletePage(); // the only page: nothing to ask
    for (const auto &m : dialogs.messages) {
        run.texts.push_back(m.title);
        run.texts.push_back(m.text);
    }
    return run;
}

TEST(Translation, EveryTextReadIsLookedUpAndTheWindowsDecideAlike)
{
    const Reading english = dayOfActions();
    setTranslateFunction(&bracketed);
    const Reading translated = dayOfActions();
    setTranslateFunction(nullptr);

    EXPECT_EQ(translated.values, english.values);
    ASSERT_EQ(translated.texts.size(), english.texts.size());
    EXPECT_GE(english.texts.size(), 40u); // the messages were shown in both runs
    for (std::size_t i = 0; i < english.texts.size(); ++i) {
        const std::string expected = english.texts[i].empty() ? "" : "[" + english.texts[i] + "]";
        EXPECT_EQ(translated.texts[i], expected) << "text " << i;
    }
    // Without a look-up the English is back.
    EXPECT_EQ(dayOfActions().texts, english.texts);
}

} // namespace

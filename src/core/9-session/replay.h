#pragma once

// The installer's actions replayed on a session, one action a line: the command-line tool's
// `session` command, and the program started with LUMIDEX_REPLAY. A line is a set of named
// values; "do" names the action ("projector", "position", "point", "units", "signal",
// "screen", "aspect", "layout", "distance", "notes", "page", "scroll", "deletePage").

#include "9-session/session.h"

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace lumidex {

struct ReplayValue
{
    enum class Kind
    {
        Text,
        Number, // `text` holds it as written
        Other
    };
    Kind kind = Kind::Other;
    std::string text;
};
using ReplayLine = std::map<std::string, ReplayValue, std::less<>>;

// An unknown action or a bad argument; `text` says which.
struct ReplayError
{
    std::string text;
};

// Where the answers an action gives to the prompts it raises go. Without one, prompts are
// shown to the installer.
class ReplayAnswers
{
public:
    virtual ~ReplayAnswers() = default;
    virtual void answerPrompt(std::optional<std::string> answer) = 0; // nullopt cancels
    virtual void answerSxga(int choice) = 0;                          // 0, 1, or -1 cancels
    virtual void forgetAnswers() = 0;
};

void replay(Session &session, const ReplayLine &line, ReplayAnswers *answers);

// The projector a menu caption names: its whole text or its first name ("LX-510" for
// "LX-510/LX-515"); `lens` is the place in the model's menu.
std::optional<Selection> projectorNamed(const std::string &name, int lens);
// An aspect ratio preset named by its video or film caption or its ratio; nullopt for a
// custom ratio.
std::optional<int> presetNamed(const std::string &text);
// Typed into a screen calculator field key by key, then Enter.
void typeInto(ScreenWindow &window, Dimension field, const std::string &text);

} // namespace lumidex

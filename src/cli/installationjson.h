#pragma once

// What the command-line commands share: dialogs answered from the command's own arguments,
// the screen calculator's inputs as the installer types them, the projector named as in its
// menu, and the installation window's state as the JSON `throw` prints.

#include "1-state/dialogs.h"
#include "9-session/replay.h"
#include "9-session/session.h"
#include "json.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lumidex::cli {

// Messages are kept in the order shown; prompts are answered from a queue (nullopt cancels),
// the LX-530 choice from `sxgaAnswer`. The tool runs as in expert mode: the tips window is
// never shown.
class CliDialogs : public Dialogs
{
public:
    void message(std::string_view text, MessageIcon icon, std::string_view title) override;
    std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultText) override;
    int sxgaChoice() override { return sxgaAnswer; }
    void showTips(TipsWindow &) override {}
    std::optional<std::string> openFileName() override { return std::nullopt; }
    std::optional<std::string> saveFileName() override { return std::nullopt; }
    // The tool works on no project of the installer's own: nothing is left to save.
    SaveChoice askToSave(std::string_view) override { return SaveChoice::Discard; }
    bool confirm(std::string_view, std::string_view, std::string_view, ConfirmDefault) override
    {
        return true;
    }

    // A value the program refused or reset without a message box of its own (the screen
    // calculator resets a screen outside 1 to 32000 inches silently): said on the standard error
    // at once, and kept among the messages with the title WarningTitle, so that a script
    // reading the JSON sees it while the exit status stays 0.
    void warn(const std::string &text);
    static constexpr std::string_view WarningTitle = "Warning";

    std::deque<std::optional<std::string>> answers;
    int sxgaAnswer = 0;
    int prompts = 0;
    std::vector<std::pair<std::string, std::string>> messages; // title, text
};

// Bad arguments: the command prints the text and the usage, and exits with status 2.
struct UsageError
{
    std::string text;
};

// The screen calculator's inputs every command takes: one dimension, typed as its field takes
// it, the aspect ratio and the units.
struct ScreenOptions
{
    std::optional<std::pair<Dimension, std::string>> dimension;
    std::optional<std::string> aspect;
    Unit units = Unit::Inches;
};
// True when `name` is a screen option (its value then read into `o`); throws UsageError for a
// value the screen calculator would not take.
bool takeScreenOption(const std::string &name, const std::string &value, ScreenOptions &o);
// Reads the "--name value" pairs of a command: the screen options into `o`, every other pair
// through `other`, which throws UsageError for a name the command does not take.
void readOptions(const std::vector<std::string> &args, ScreenOptions &o,
                 const std::function<void(const std::string &, const std::string &)> &other);
// The screen calculator's steps: the ratio (a preset, or the text as a custom ratio), then the
// dimension typed into its field and Enter.
void applyScreenOptions(ScreenWindow &window, CliDialogs &dialogs, const ScreenOptions &o);
// Digits, "." and "/" only, as a size field takes them.
bool typedNumber(const std::string &value);
// The messages shown so far on the standard error, one "title: text" a line (warnings are
// there already).
void printMessages(const CliDialogs &dialogs);

JsonObject screenJson(const ScreenState &screen);
std::string messagesJson(const CliDialogs &dialogs);
// The commands whose JSON had no messages name them only when there are some, so that their
// output stays as scripts know it.
void addMessagesIfAny(JsonObject &out, const CliDialogs &dialogs);
// The installation window's distances, results and texts, the notes in force and the
// messages shown; with `elements`, also the shown drawing area and every visible drawing
// element in painting order.
JsonObject installationJson(Session &session, const CliDialogs &dialogs, bool elements = false);
// Takes "--elements" out of `args`; true when it was there.
bool takeElementsFlag(std::vector<std::string> &args);

} // namespace lumidex::cli

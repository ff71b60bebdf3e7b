#pragma once

// Every modal dialog the windows raise goes through this interface: the Qt layer shows real
// message and input boxes, the command-line tool prints messages, and the tests script the
// answers and record what was shown.

#include <optional>
#include <string>
#include <string_view>

namespace lumidex {

class TipsWindow;

inline constexpr std::string_view ProgramTitle = "Lumidex";

enum class MessageIcon
{
    None,
    Information,
    Critical,
    Exclamation,
    Question
};

// What to do with a project's unsaved changes before it is closed or replaced.
enum class SaveChoice
{
    Save,
    Discard,
    Cancel
};

// Which button of a question Enter presses: Cancel before anything that destroys work, the
// accepting one where cancelling would lose it.
enum class ConfirmDefault
{
    Cancel,
    Accept
};

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A message box with an OK button. An empty title means the program's own title.
    virtual void message(std::string_view text, MessageIcon icon, std::string_view title) = 0;

    // An input box; nullopt when cancelled. An empty answer given with OK is "" (the windows
    // treat it like a cancel where that matters).
    virtual std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                             std::string_view defaultText) = 0;

    // The LX-530's screen configuration: 0 a 4:3 image on a 4:3 screen, 1 a 5:4 image on a
    // 4:3 screen, -1 cancelled.
    virtual int sxgaChoice() = 0;

    // The installer's tips window, modal, until the installer has stepped through it.
    virtual void showTips(TipsWindow &tips) = 0;

    // The project `projectName` has changes that are not saved: save them, discard them, or
    // cancel what was about to close or replace it.
    virtual SaveChoice askToSave(std::string_view projectName) = 0;

    // A question with an accepting button `accept` ("&Delete") and Cancel; true when accepted.
    virtual bool confirm(std::string_view text, std::string_view title, std::string_view accept,
                         ConfirmDefault defaultButton) = 0;

    // The project file dialogs ("*.lmx"); nullopt when cancelled. Saving asks before it
    // replaces an existing file.
    virtual std::optional<std::string> openFileName() = 0;
    virtual std::optional<std::string> saveFileName() = 0;
};

inline std::string_view titleOrDefault(std::string_view title)
{
    return title.empty() ? ProgramTitle : title;
}

} // namespace lumidex

#pragma once

// Every modal dialog the windows raise goes through this interface: the Qt layer shows real
// message and input boxes, the command-line tool prints messages, and the tests script the
// answers and record what was shown.

#include "1-state/translation.h"

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

// What to do with a copy of unsaved changes that a run which did not end properly left.
enum class RecoveryChoice
{
    Restore, // bring the changes back
    Discard, // delete the copy (after the installer confirmed it)
    Cancel   // leave the copy where it is, to be offered again at the next start
};

// What Save does when the project's file was changed by someone else since it was opened or
// last saved.
enum class ChangedFileChoice
{
    Overwrite, // replace it all the same
    SaveAs,    // save under another name
    Cancel     // save nothing
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

    // The offer of a recovery copy: `text` says what was kept and when.
    virtual RecoveryChoice offerRecovery(std::string_view text)
    {
        return confirm(text, translate("Dialogs", "Recover Project"),
                       translate("Dialogs", "&Restore"), ConfirmDefault::Accept)
                   ? RecoveryChoice::Restore
                   : RecoveryChoice::Cancel;
    }

    // Save found the file `fileName` changed since it was opened or last saved.
    virtual ChangedFileChoice askChangedFile(std::string_view fileName)
    {
        return confirm(fillIn(translate("Dialogs", "%1 was changed by another program since it "
                                                   "was opened or saved. Overwrite it?"),
                              fileName),
                       translate("Dialogs", "Save Project"), translate("Dialogs", "&Overwrite"),
                       ConfirmDefault::Cancel)
                   ? ChangedFileChoice::Overwrite
                   : ChangedFileChoice::Cancel;
    }

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

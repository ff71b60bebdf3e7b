#pragma once

// Dialogs answered from a script, recording everything shown.

#include "1-state/dialogs.h"
#include "4-crt/tipswindow.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace lumidex::fakes {

struct ShownMessage
{
    std::string text;
    MessageIcon icon;
    std::string title;
};

class ScriptedDialogs : public Dialogs
{
public:
    void message(std::string_view text, MessageIcon icon, std::string_view title) override
    {
        messages.push_back({std::string(text), icon, std::string(titleOrDefault(title))});
    }

    std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultText) override
    {
        prompts.push_back(std::string(title) + "|" + std::string(prompt) + "|" +
                          std::string(defaultText));
        if (answers.empty())
            return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    int sxgaChoice() override
    {
        ++sxgaShown;
        return sxgaAnswer;
    }

    // The installer reads every step, then the window closes.
    void showTips(TipsWindow &tips) override
    {
        tipsShown.push_back(tips.warningVisible() ? tips.warning() : tips.text());
        for (int guard = 0; !tips.closed() && guard < 10; ++guard) {
            tips.advance();
            if (tips.ringsVisible())
                tipsRings = tips.ringLabels();
        }
    }

    std::optional<std::string> openFileName() override { return takeFileName(); }
    std::optional<std::string> saveFileName() override { return takeFileName(); }
    SaveChoice askToSave(std::string_view projectName) override
    {
        saveQuestions.push_back(std::string(projectName));
        return saveAnswer;
    }
    bool confirm(std::string_view text, std::string_view, std::string_view, ConfirmDefault) override
    {
        confirmations.push_back(std::string(text));
        return confirmAnswer;
    }
    RecoveryChoice offerRecovery(std::string_view text) override
    {
        recoveryOffers.push_back(std::string(text));
        return recoveryAnswer;
    }
    ChangedFileChoice askChangedFile(std::string_view fileName) override
    {
        changedFiles.push_back(std::string(fileName));
        return changedFileAnswer;
    }
    std::optional<std::string> takeFileName()
    {
        if (fileNames.empty())
            return std::nullopt;
        std::optional<std::string> name = fileNames.front();
        fileNames.pop_front();
        return name;
    }

    std::deque<std::optional<std::string>> answers;
    std::deque<std::optional<std::string>> fileNames;
    std::vector<std::string> tipsShown;
    std::array<std::string, 6> tipsRings;
    int sxgaAnswer = 0;
    int sxgaShown = 0;
    std::vector<ShownMessage> messages;
    SaveChoice saveAnswer = SaveChoice::Discard;
    std::vector<std::string> saveQuestions;
    bool confirmAnswer = true;
    std::vector<std::string> confirmations;
    std::vector<std::string> prompts;
    RecoveryChoice recoveryAnswer = RecoveryChoice::Restore;
    std::vector<std::string> recoveryOffers;
    ChangedFileChoice changedFileAnswer = ChangedFileChoice::Cancel;
    std::vector<std::string> changedFiles;
};

} // namespace lumidex::fakes

#pragma once

#include "1-state/dialogs.h"

// Benchmarks answer every dialog at once and show nothing.
class SilentDialogs : public lumidex::Dialogs
{
public:
    void message(std::string_view, lumidex::MessageIcon, std::string_view) override {}
    std::optional<std::string> input(std::string_view, std::string_view, std::string_view) override
    {
        return std::nullopt;
    }
    int sxgaChoice() override { return 0; }
    void showTips(lumidex::TipsWindow &) override {}
    std::optional<std::string> openFileName() override { return std::nullopt; }
    std::optional<std::string> saveFileName() override { return std::nullopt; }
    lumidex::SaveChoice askToSave(std::string_view) override
    {
        return lumidex::SaveChoice::Discard;
    }
    bool confirm(std::string_view, std::string_view, std::string_view,
                 lumidex::ConfirmDefault) override
    {
        return true;
    }
};

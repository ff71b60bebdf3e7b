#pragma once

#include "app/dialogs.h"

// Message and input boxes shown with Qt, over the window that is active when they open.
class QtDialogs : public lumidex::Dialogs
{
public:
    void message(std::string_view text, lumidex::MessageIcon icon, std::string_view title) override;
    std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultText) override;
    int sxgaChoice() override;
    void showTips(lumidex::TipsWindow &tips) override;
    std::optional<std::string> openFileName() override;
    std::optional<std::string> saveFileName() override;
};

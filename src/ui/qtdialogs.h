#pragma once

#include "1-state/dialogs.h"

#include <QFileDialog>
#include <QPointer>

// Message and input boxes shown with Qt, over the window that is active when they open.
class QtDialogs : public lumidex::Dialogs
{
public:
    QtDialogs() = default;
    QtDialogs(const QtDialogs &) = delete;
    QtDialogs &operator=(const QtDialogs &) = delete;
    ~QtDialogs() override;

    void message(std::string_view text, lumidex::MessageIcon icon, std::string_view title) override;
    std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultText) override;
    int sxgaChoice() override;
    void showTips(lumidex::TipsWindow &tips) override;
    std::optional<std::string> openFileName() override;
    std::optional<std::string> saveFileName() override;
    lumidex::SaveChoice askToSave(std::string_view projectName) override;
    bool confirm(std::string_view text, std::string_view title, std::string_view accept,
                 lumidex::ConfirmDefault defaultButton) override;
    lumidex::RecoveryChoice offerRecovery(std::string_view text) override;
    lumidex::ChangedFileChoice askChangedFile(std::string_view fileName) override;

private:
    std::optional<std::string> askFileName(QPointer<QFileDialog> &kept,
                                           QFileDialog::AcceptMode mode, const QString &title);

    // One Open and one Save dialog for the whole run: a dialog made afresh each time makes new
    // icons whose scaled copies pile up in the pixmap cache, so that every Open kept tens of
    // kilobytes. Each lives over the window it was last shown from and dies with it.
    QPointer<QFileDialog> m_openDialog;
    QPointer<QFileDialog> m_saveDialog;
};

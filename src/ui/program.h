#pragma once

// The running program: the shared installation state, the core window logic and the Qt
// windows that show it. One object for the whole run, owned by main().

#include "9-session/commandline.h"
#include "9-session/help.h"
#include "9-session/session.h"
#include "9-session/startup.h"
#include "qtdialogs.h"
#include "recoverycopy.h"

#include <QObject>
#include <memory>
#include <optional>
#include <string>

class SplashWindow;
class ScreenCalculatorWindow;
class InstallationWindow;
class HelpWindow;
class TipService;
class AboutWindow;
class BrightnessSeatingWindow;
class QTimer;
class QWidget;

class Program : public QObject
{
    Q_OBJECT

public:
    Program(const lumidex::StartOptions &options, QString programFolder,
            lumidex::Dialogs *dialogs = nullptr, QObject *parent = nullptr);
    ~Program() override;

    // Show the start-up window; the main window follows its "&Ok". A project named on the
    // command line opens just after.
    void start();

    void showInstallationWindow();
    void showBrightnessSeating();
    void openHelp(const lumidex::HelpRequest &request);
    void bringToFront();
    // Exit, or a closed main or start-up window: the program ends once the project's changes
    // are settled (saved or discarded); a cancelled question keeps it running.
    void quit();
    // A project handed over by a second copy (a double-click in the file manager).
    void openHandedOver(const QString &path);

    lumidex::ProjectDocument &document() { return m_session.document(); }
    RecoveryCopy &recoveryCopy() { return m_recovery; }

    lumidex::InstallationState &state() { return m_session.state(); }
    lumidex::ScreenWindow &screenWindow() { return m_session.screenWindow(); }
    SplashWindow *splash() const { return m_splash.get(); }
    // The screen calculator and the installation window, made (hidden) when first asked for.
    ScreenCalculatorWindow *mainWindow();
    InstallationWindow *installationWindow();
    HelpWindow *helpWindow() const { return m_help.get(); }
    const QString &helpFolder() const { return m_helpFolder; }
    BrightnessSeatingWindow *brightnessSeatingWindow() const;

signals:
    void quitRequested();

private:
    void showAbout();
    void projectChanged();
    // What a redisplay of the screen calculator sets off.
    void screenShown();
    // Both windows show the project's state, as far as they are made.
    void refreshWindows();
    void keepRecoveryCopy();
    void offerRecovery();
    void replayFromEnvironment();
    void openFromOutside(const std::string &path);
    static void centre(QWidget *window);
    // The big windows open at their natural size where the screen has room for it, and
    // otherwise as large as the screen allows; their panels scroll.
    static void fitToScreen(QWidget *window);
    static QString findHelpFolder(const QString &programFolder);

    QString m_helpFolder;
    QtDialogs m_qtDialogs;
    lumidex::Dialogs &m_dialogs;
    lumidex::StartupWindow m_startup;
    lumidex::Session m_session;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<ScreenCalculatorWindow> m_main;
    std::unique_ptr<InstallationWindow> m_installation;
    std::unique_ptr<HelpWindow> m_help;
    TipService *m_tipService = nullptr;
    std::unique_ptr<AboutWindow> m_about;
    // A window of its own beside the calculator (minimised and restored alone), made when
    // first asked for.
    std::unique_ptr<BrightnessSeatingWindow> m_brightnessSeating;
    std::optional<std::string> m_startProject; // opened by start()
    RecoveryCopy m_recovery;
    QTimer *m_recoveryTimer = nullptr;
    lumidex::Project m_keptProject; // the content of the recovery copy last written
    std::string m_keptPath;
    bool m_kept = false;

    void attachMainWindowTips();
    void attachInstallationWindowTips();
};

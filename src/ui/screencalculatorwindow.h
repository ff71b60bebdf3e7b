#pragma once

#include "2-screen/screenwindow.h"
#include "9-session/help.h"

#include <QIcon>
#include <QMainWindow>
#include <array>

class QAction;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
class ClickableLabel;
class DimensionEdit;
class ScreenPreview;
class Spinner;

// The main window ("Screens"): shows the screen calculator's state and forwards the user's
// actions to it. All arithmetic and every rule live in lumidex::ScreenWindow.
class ScreenCalculatorWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit ScreenCalculatorWindow(lumidex::ScreenWindow &window, QWidget *parent = nullptr);

    // Redisplay everything from the calculator's state.
    void refresh();

    DimensionEdit *field(lumidex::Dimension d) const { return m_fields[index(d)]; }
    Spinner *spinner(lumidex::Dimension d) const { return m_spinners[index(d)]; }
    QLabel *fieldLabel(lumidex::Dimension d) const { return m_labels[index(d)]; }
    QPushButton *calcButton() const { return m_calc; }

signals:
    void helpRequested(const lumidex::HelpRequest &request);
    void aboutRequested();
    void exitRequested();
    void openProjectRequested();
    void brightnessSeatingRequested();
    // After every redisplay: the windows that follow the screen refresh with it.
    void refreshed();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    static std::size_t index(lumidex::Dimension d) { return static_cast<std::size_t>(d); }
    void createActions();
    void createMenus();
    void createCentralWidget();
    void createConnections();
    void applyAlwaysOnTop();
    void showNextIconFrame();

    lumidex::ScreenWindow &m_window;

    struct FileActions
    {
        QAction *openProject = nullptr;
        QAction *exit = nullptr;
    } m_file;
    struct OptionActions
    {
        QAction *alwaysOnTop = nullptr;
        QAction *tooltips = nullptr;
        std::array<QAction *, 3> units{};
        QAction *print = nullptr;
    } m_options;
    struct ScreenActions
    {
        std::array<QAction *, lumidex::ScreenWindow::PresetCount> presets{};
        QAction *determine = nullptr;
        QAction *film = nullptr;
        QAction *video = nullptr;
        QAction *brightnessSeating = nullptr;
    } m_screen;
    struct HelpActions
    {
        QAction *contents = nullptr;
        QAction *support = nullptr;
        QAction *about = nullptr;
    } m_help;

    std::array<DimensionEdit *, 3> m_fields{};
    std::array<QLabel *, 3> m_labels{};
    std::array<Spinner *, 3> m_spinners{};
    ClickableLabel *m_units = nullptr;
    ClickableLabel *m_aspect = nullptr;
    QToolButton *m_aspectChange = nullptr;
    QLabel *m_determinePanel = nullptr;
    ScreenPreview *m_preview = nullptr;
    QToolButton *m_expert = nullptr;
    QPushButton *m_calc = nullptr;

    QTimer *m_iconTimer = nullptr;
    std::array<QIcon, 3> m_iconFrames;
    QIcon m_restingIcon; // the title bar's icon before the animation, put back on restoring
    QString m_menuKeys;  // the access keys of the menu bar, upper case
    bool m_onTop = false;
};

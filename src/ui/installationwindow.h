#pragma once

#include "7-project/projectdocument.h"
#include "9-session/help.h"

#include <QMainWindow>
#include <array>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QScrollBar;
class PageScrollBar;
class DrawingView;
class ClickableLabel;
class KeyFilteredEdit;
class SheetView;

// The installation window ("Throw", "Installation Dimensions"): shows the installation
// window's state and forwards the installer's actions. Rules and arithmetic live in
// lumidex::ThrowWindow, pages and files in lumidex::ProjectDocument.
class InstallationWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit InstallationWindow(lumidex::ProjectDocument &document, QWidget *parent = nullptr);

    void refresh();
    QSize sizeHint() const override;

    DrawingView *drawingView() const { return m_drawing; }
    SheetView *sheet() const { return m_sheet; }
    KeyFilteredEdit *sizeField(lumidex::Dimension d) const { return m_size[std::size_t(d)]; }
    QAction *lensAction(lumidex::Model model, int lens) const;
    QAction *seriesAction(lumidex::Series series) const;
    QAction *positionAction(int i) const { return m_position[std::size_t(i)]; }

signals:
    void helpRequested(const lumidex::HelpRequest &request);
    void aboutRequested();
    void lensFinderRequested();
    void printRequested();
    void printPreviewRequested();
    void exportPdfRequested();
    void exportDrawingRequested();
    // New Project started a project: the window goes to the middle of the screen.
    void newProjectStarted();
    // After every redisplay: whatever the installer changed shows here.
    void refreshed();
    // A title-block text was typed; nothing else is redrawn for it.
    void pageTextEdited();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createCentralWidget();
    void createConnections();
    void nameControls();
    void scrollToPage(int value);

    lumidex::ProjectDocument &m_document;
    lumidex::ThrowWindow &m_window;

    struct FileActions
    {
        QAction *newProject = nullptr;
        QAction *open = nullptr;
        QAction *save = nullptr;
        QAction *saveAs = nullptr;
        QAction *deletePage = nullptr;
        QAction *print = nullptr;
        QAction *printPreview = nullptr;
        QAction *exportPdf = nullptr;
        QAction *exportDrawing = nullptr;
        QAction *exit = nullptr;
    } m_file;
    std::array<QAction *, 3> m_units{};
    QAction *m_tips = nullptr;
    QAction *m_lensFinder = nullptr;
    std::array<QAction *, 2> m_throwPoint{};
    std::array<QAction *, lumidex::SeriesCount> m_series{};
    std::vector<std::vector<QAction *>> m_lenses; // by model, then lens
    std::array<QAction *, 4> m_position{};
    QAction *m_helpContents = nullptr;
    QAction *m_about = nullptr;

    QScrollArea *m_scroll = nullptr;
    SheetView *m_sheet = nullptr;
    DrawingView *m_drawing = nullptr;
    QLabel *m_lensCaption = nullptr;
    ClickableLabel *m_lensLabel = nullptr;
    QLabel *m_inputCaption = nullptr;
    QComboBox *m_inputSignal = nullptr;
    ClickableLabel *m_throwAngle = nullptr;
    QLabel *m_throwAngleCaption = nullptr;
    ClickableLabel *m_aspectMode = nullptr;
    std::array<KeyFilteredEdit *, 3> m_size{};
    ClickableLabel *m_aspect = nullptr;
    ClickableLabel *m_measurement = nullptr;
    QLineEdit *m_notes = nullptr;
    std::vector<std::pair<QLineEdit *, lumidex::PageText>> m_titleFields;
    std::array<QLineEdit *, 2> m_pageNumbers{};
    std::array<QPushButton *, 2> m_pageButtons{};
    PageScrollBar *m_pageScroll = nullptr;
    bool m_pageChanging = false;
};

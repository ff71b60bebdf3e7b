#pragma once

#include "6-installation/roomwindow.h"
#include "9-session/help.h"

#include <QWidget>
#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QScrollArea;
class KeyFilteredEdit;
class TopView;

namespace lumidex {
class Dialogs;
}

// "Brightness and Seating", a window of its own: shows lumidex::RoomWindow for the screen in
// force and forwards what the installer types. The program refreshes it whenever either window
// changes the screen or the units.
class BrightnessSeatingWindow : public QWidget
{
    Q_OBJECT

public:
    BrightnessSeatingWindow(const lumidex::InstallationState &state, lumidex::Dialogs &dialogs,
                            QWidget *parent = nullptr);
    QSize sizeHint() const override;

    // The screen or the units changed.
    void refresh();

    lumidex::RoomWindow &room() { return m_room; }
    KeyFilteredEdit *field(lumidex::RoomField f) const { return m_fields[index(f)]; }

    void copyToClipboard();
    void print();

signals:
    void helpRequested(const lumidex::HelpRequest &request);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static std::size_t index(lumidex::RoomField f) { return static_cast<std::size_t>(f); }
    void createActions();
    void createCentralWidget();
    void createConnections();
    void showValues();

    lumidex::RoomWindow m_room;
    lumidex::Dialogs &m_dialogs;

    std::array<KeyFilteredEdit *, 6> m_fields{};
    std::array<QLabel *, 6> m_fieldLabels{};
    // Each result row's caption and value, in the order of the window's sections.
    std::vector<std::pair<QLabel *, QLabel *>> m_rows;
    TopView *m_view = nullptr;
    QScrollArea *m_scroll = nullptr;

    struct Buttons
    {
        QPushButton *copy = nullptr;
        QPushButton *print = nullptr;
        QPushButton *help = nullptr;
        QPushButton *close = nullptr;
    } m_buttons;
    struct Actions
    {
        QAction *copy = nullptr;
        QAction *print = nullptr;
        QAction *help = nullptr;
        QAction *close = nullptr;
    } m_actions;
};

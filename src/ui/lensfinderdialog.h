#pragma once

#include "6-installation/lensfinder.h"

#include <QDialog>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
namespace lumidex {
class ThrowWindow;
class Session;
} // namespace lumidex

// "Lens Finder": the installer types the distance the room offers and sees every projector and
// lens that fills the current screen from there; choosing a row selects it as the Projector
// menu would. Enter only searches: a projector is chosen by Select or a double-click, never by
// a key pressed to see the list.
class LensFinderDialog : public QDialog
{
    Q_OBJECT

public:
    LensFinderDialog(lumidex::ThrowWindow &window, const lumidex::FocusTables &focus,
                     QWidget *parent = nullptr);

private:
    void search();
    void choose();

    lumidex::ThrowWindow &m_window;
    const lumidex::FocusTables &m_focus;
    QLineEdit *m_distance = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_select = nullptr;
    std::vector<lumidex::LensMatch> m_matches;
};

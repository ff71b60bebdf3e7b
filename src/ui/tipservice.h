#pragma once

#include "9-session/tooltips.h"

#include <QHash>
#include <QObject>
#include <QSet>

class QLabel;
class QWidget;
namespace lumidex {
struct InstallationState;
}

// The tip window ("frmHelp") and the pointer watching that shows and hides it. The window is
// never activated: the keyboard focus stays where it was.
class TipService : public QObject
{
    Q_OBJECT

public:
    TipService(lumidex::Tooltips &tips, const lumidex::InstallationState &state,
               QObject *parent = nullptr);
    ~TipService() override;

    // Moving over `widget` shows its tip.
    void attach(QWidget *widget, lumidex::TipControl control);
    // Moving over `widget` (a window's background, the preview) hides the tip.
    void attachHider(QWidget *widget);
    // A click on `widget` (a dimension caption) hides the tip.
    void attachClickHider(QWidget *widget);
    // The platform tooltips of `window`'s controls (the spinners, the aspect button, the expert
    // switch, the page scroll bar) show only while tips are switched on, like the program's own.
    void attachPlatformTips(QWidget *window);

    QWidget *tipWindow() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply(lumidex::Tooltips::Action action);
    void watchWindow(QWidget *window);
    bool overControl(QObject *hider, QEvent *event) const;

    lumidex::Tooltips &m_tips;
    const lumidex::InstallationState &m_state;
    QWidget *m_window = nullptr;
    QLabel *m_label = nullptr;
    QSet<QObject *> m_windows; // the windows whose controls have tips
    QHash<QObject *, lumidex::TipControl> m_controls;
    QHash<QObject *, bool> m_hiders; // true: hides on a click, false: on pointer movement
    QSet<QObject *> m_platformTips;
};

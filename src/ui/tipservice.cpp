#include "tipservice.h"

#include "1-state/installationstate.h"
#include "1-state/translation.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>

TipService::TipService(lumidex::Tooltips &tips, const lumidex::InstallationState &state,
                       QObject *parent)
    : QObject(parent), m_tips(tips), m_state(state)
{
    m_window = new QWidget;
    m_window->setObjectName(QStringLiteral("frmHelp"));
    m_window->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    m_window->setAttribute(Qt::WA_ShowWithoutActivating);
    m_window->setAutoFillBackground(true);
    QPalette pale = m_window->palette();
    pale.setColor(QPalette::Window, QColor(0xff, 0xff, 0xe0)); // pale yellow
    pale.setColor(QPalette::WindowText, Qt::black);
    m_window->setPalette(pale);
    // The label sits one pixel in from the left and is sized to its text; the window is 4 px
    // wider and 2 px taller, so that no letter touches its edge.
    m_label = new QLabel(m_window);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->move(1, 0);
}

TipService::~TipService()
{
    delete m_window;
}

QWidget *TipService::tipWindow() const
{
    return m_window;
}

void TipService::attach(QWidget *widget, lumidex::TipControl control)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    m_controls.insert(widget, control);
    // A screen reader hears the tip as the control's description, tips on or off.
    const std::string tip = lumidex::translate("Tooltips", lumidex::tipText(control));
    if (!tip.empty())
        widget->setAccessibleDescription(QString::fromStdString(tip).trimmed());
    watchWindow(widget->window());
}

void TipService::watchWindow(QWidget *window)
{
    if (m_windows.contains(window))
        return;
    window->installEventFilter(this);
    m_windows.insert(window);
}

void TipService::attachHider(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    m_hiders.insert(widget, false);
}

void TipService::attachClickHider(QWidget *widget)
{
    widget->installEventFilter(this);
    m_hiders.insert(widget, true);
}

void TipService::attachPlatformTips(QWidget *window)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->toolTip().isEmpty() && !m_platformTips.contains(w)) {
            w->installEventFilter(this);
            m_platformTips.insert(w);
        }
    }
}

bool TipService::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !m_state.tipsEnabled &&
        m_platformTips.contains(watched))
        return true; // tips are switched off: the platform tooltip is not shown
    if ((event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide) &&
        m_windows.contains(watched)) {
        // A tip belongs to the window it explains: it does not stay over the window the
        // installer went on to.
        apply(m_tips.hide());
    } else if (event->type() == QEvent::MouseMove) {
        // A field that only shows a value (the distance box of a data projector) asks for no
        // entry, so it offers no tip.
        const auto *edit = qobject_cast<QLineEdit *>(watched);
        const bool readOnly = edit && edit->isReadOnly();
        if (const auto it = m_controls.constFind(watched); it != m_controls.cend())
            apply(m_tips.hover(it.value(), m_state.tipsEnabled && !readOnly));
        else if (m_hiders.value(watched, true) == false && !overControl(watched, event))
            apply(m_tips.hide());
    } else if (event->type() == QEvent::MouseButtonPress && m_hiders.value(watched, false)) {
        apply(m_tips.hide());
    }
    return QObject::eventFilter(watched, event);
}

bool TipService::overControl(QObject *hider, QEvent *event) const
{
    // A label lets the pointer's movement through to the window behind it: that movement is
    // still over the label, whose tip must stay.
    auto *area = qobject_cast<QWidget *>(hider);
    if (!area)
        return false;
    const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
    for (QWidget *w = area->childAt(at); w && w != area; w = w->parentWidget()) {
        if (m_controls.contains(w))
            return true;
    }
    return false;
}

void TipService::apply(lumidex::Tooltips::Action action)
{
    switch (action) {
    case lumidex::Tooltips::Action::Hide:
        m_window->hide();
        break;
    case lumidex::Tooltips::Action::Show: {
        m_label->setText(QString::fromStdString(m_tips.text()));
        m_label->adjustSize();
        const QPoint pointer = QCursor::pos();
        const QScreen *screen = QGuiApplication::screenAt(pointer);
        const QRect area = screen ? screen->geometry() : QRect(0, 0, 1920, 1080);
        const lumidex::TipRect r =
            lumidex::placeTip(pointer.x() - area.left(), pointer.y() - area.top(), m_label->width(),
                              m_label->height(), area.width(), area.height());
        m_window->setGeometry(area.left() + r.left, area.top() + r.top, r.width, r.height);
        m_window->show();
        m_window->raise();
        break;
    }
    case lumidex::Tooltips::Action::None:
        break;
    }
}

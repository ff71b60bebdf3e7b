#include "screenwidgets.h"

#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

using lumidex::ScreenWindow;

DimensionEdit::DimensionEdit(ScreenWindow &window, lumidex::Dimension dimension, QWidget *parent)
    : KeyFilteredEdit([&window, dimension](char key) { return window.keyPress(dimension, key); },
                      parent)
{
    connect(this, &QLineEdit::textEdited, this, [&window, dimension](const QString &text) {
        window.setFieldText(dimension, text.toStdString());
    });
}

void DimensionEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::ShiftModifier) {
        emit shiftClicked();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

Spinner::Spinner(QWidget *parent) : QWidget(parent)
{
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(20, 13);
    }
    m_up->setToolTip(tr("One inch larger"));
    m_down->setToolTip(tr("One inch smaller"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, &Spinner::up);
    connect(m_down, &QToolButton::clicked, this, &Spinner::down);
}

ScreenPreview::ScreenPreview(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel3D5"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ScreenPreview::setOutline(std::optional<lumidex::TwipsRect> outline)
{
    const auto same = [](const lumidex::TwipsRect &a, const lumidex::TwipsRect &b) {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    };
    if (outline.has_value() == m_outline.has_value() && (!outline || same(*outline, *m_outline)))
        return;
    m_outline = outline;
    update();
}

QSize ScreenPreview::sizeHint() const
{
    return {240, 150};
}

QSize ScreenPreview::minimumSizeHint() const
{
    return {160, 100};
}

void ScreenPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());

    // Lay the twips picture into the widget, keeping its proportions.
    const lumidex::TwipsRect frame = ScreenWindow::previewFrame();
    const int margin = 120;
    const QRect window(int(frame.left) - margin, int(frame.top) - margin,
                       int(frame.width) + 2 * margin, int(frame.height) + 2 * margin);
    const double scale =
        std::min(double(width()) / window.width(), double(height()) / window.height());
    const int w = int(window.width() * scale);
    const int h = int(window.height() * scale);
    painter.setViewport((width() - w) / 2, (height() - h) / 2, w, h);
    painter.setWindow(window);

    const QRectF frameRect(frame.left, frame.top, frame.width, frame.height);
    painter.setPen(QPen(palette().color(QPalette::Mid), 0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frameRect);

    if (m_outline) {
        const QRectF r(m_outline->left, m_outline->top, m_outline->width, m_outline->height);
        painter.setPen(QPen(QColor(30, 60, 120), 0));
        painter.setBrush(QColor(205, 220, 240));
        painter.drawRect(r.intersected(frameRect.adjusted(-600, -600, 600, 600)));
    }
}

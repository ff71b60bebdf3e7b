#include "sheetview.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <tuple>

using lumidex::SheetHeight;
using lumidex::SheetKind;
using lumidex::SheetWidth;

SheetView::SheetView(QWidget *parent) : QWidget(parent)
{
    for (const lumidex::SheetItem &item : lumidex::sheetLayout()) {
        if (item.kind == SheetKind::Panel) {
            const int n = item.name[9] - '0';
            m_captions[std::size_t(n)] = QString::fromStdString(lumidex::sheetCaption(item));
        }
    }
}

QSize SheetView::sizeHint() const
{
    return {SheetWidth / 10, SheetHeight / 10};
}

QSize SheetView::minimumSizeHint() const
{
    return {SheetWidth * 75 / 1000, SheetHeight * 75 / 1000};
}

void SheetView::place(QWidget *widget, std::string_view name)
{
    if (const lumidex::SheetItem *item = lumidex::sheetItem(name)) {
        m_placed.emplace_back(widget, lumidex::sheetRect(*item));
        m_items.emplace_back(widget, item);
    }
    layoutChildren();
}

void SheetView::orderTabsAsRead()
{
    // Where a reader meets an item: its panel's place on the sheet, then its place in the panel.
    const auto readingPlace = [](const lumidex::SheetItem *item) {
        const lumidex::SheetItem *panel = nullptr;
        if (item->panel >= 0) {
            const std::string name = "fraThrow(" + std::to_string(item->panel) + ")";
            panel = lumidex::sheetItem(name);
        }
        return panel ? std::tuple(panel->top, panel->left, item->top, item->left)
                     : std::tuple(item->top, item->left, 0, 0);
    };
    std::vector<std::pair<QWidget *, const lumidex::SheetItem *>> items = m_items;
    std::stable_sort(items.begin(), items.end(), [&](const auto &a, const auto &b) {
        return readingPlace(a.second) < readingPlace(b.second);
    });
    std::vector<QWidget *> chain;
    for (const auto &[widget, item] : items) {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain.push_back(widget);
        for (QWidget *child : widget->findChildren<QWidget *>()) {
            if (child->focusPolicy() & Qt::TabFocus)
                chain.push_back(child);
        }
    }
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void SheetView::setPanelCaption(int panel, const QString &caption)
{
    if (m_captions[std::size_t(panel)] != caption) {
        m_captions[std::size_t(panel)] = caption;
        update();
    }
}

QTransform SheetView::sheetToWidget() const
{
    const double scale = std::min(double(width()) / SheetWidth, double(height()) / SheetHeight);
    QTransform t;
    t.translate((width() - SheetWidth * scale) / 2, (height() - SheetHeight * scale) / 2);
    t.scale(scale, scale);
    return t;
}

void SheetView::layoutChildren()
{
    const QTransform t = sheetToWidget();
    for (const auto &[widget, r] : m_placed)
        widget->setGeometry(t.mapRect(QRectF(r.left, r.top, r.width, r.height)).toRect());
}

void SheetView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void SheetView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QTransform t = sheetToWidget();
    const QFontMetrics fm(font());
    for (const lumidex::SheetItem &item : lumidex::sheetLayout()) {
        if (item.kind != SheetKind::Panel)
            continue;
        const QRect r = t.mapRect(QRectF(item.left, item.top, item.width, item.height)).toRect();
        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(palette().color(QPalette::Window).darker(103));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        const QString &caption = m_captions[std::size_t(item.name[9] - '0')];
        if (!caption.isEmpty()) {
            QFont bold = font();
            bold.setBold(true);
            painter.setFont(bold);
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(QRect(r.left(), r.top() + 2, r.width(), fm.height() + 2),
                             Qt::AlignHCenter | Qt::AlignTop, caption);
            painter.setFont(font());
        }
    }
}

#pragma once

#include "5-drawing/sheetlayout.h"

#include <QWidget>
#include <array>
#include <vector>

// The installation window's sheet: panels and their fields placed from the sheet layout
// (twips), scaled together to the window's size, so that the window and the printed sheet
// show one layout.
class SheetView : public QWidget
{
    Q_OBJECT

public:
    explicit SheetView(QWidget *parent = nullptr);

    // Places `widget` at the rectangle of the sheet element `name`.
    void place(QWidget *widget, std::string_view name);
    void setPanelCaption(int panel, const QString &caption);
    // Tab moves through the placed widgets as the sheet is read: panel by panel (top row first,
    // then the bottom row from left to right), each panel from top to bottom and left to right;
    // a widget's own focusable children follow it.
    void orderTabsAsRead();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QTransform sheetToWidget() const;
    void layoutChildren();

    std::vector<std::pair<QWidget *, lumidex::SheetRect>> m_placed;
    std::vector<std::pair<QWidget *, const lumidex::SheetItem *>> m_items;
    std::array<QString, 6> m_captions;
};

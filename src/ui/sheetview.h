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

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QTransform sheetToWidget() const;
    void layoutChildren();

    std::vector<std::pair<QWidget *, lumidex::SheetRect>> m_placed;
    std::array<QString, 6> m_captions;
};

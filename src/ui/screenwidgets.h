#pragma once

// Small widgets of the screen calculator: the dimension entry field, a label that reports
// double-clicks, the up/down spinner and the screen preview.

#include "2-screen/screenwindow.h"
#include "keyfilterededit.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

class QToolButton;

// An entry field whose keys go through the screen calculator's key filter first; Shift+click
// shows the field in its next unit.
class DimensionEdit : public KeyFilteredEdit
{
    Q_OBJECT

public:
    DimensionEdit(lumidex::ScreenWindow &window, lumidex::Dimension dimension,
                  QWidget *parent = nullptr);

signals:
    void shiftClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

// The up/down buttons beside a field.
class Spinner : public QWidget
{
    Q_OBJECT

public:
    explicit Spinner(QWidget *parent = nullptr);
    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    void up();
    void down();

private:
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
};

// The preview of the screen's outline inside its frame, laid out in twips.
class ScreenPreview : public QWidget
{
    Q_OBJECT

public:
    explicit ScreenPreview(QWidget *parent = nullptr);

    void setOutline(std::optional<lumidex::TwipsRect> outline);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<lumidex::TwipsRect> m_outline;
};

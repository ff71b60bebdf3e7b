#pragma once

#include "6-installation/throwwindow.h"
#include "drawingrenderer.h"

#include <QWidget>

class QLineEdit;

// The side elevation of the installation window. It paints the drawing that the
// recalculation produced and carries the throw distance box (`hdimbox`) at its place.
class DrawingView : public QWidget
{
    Q_OBJECT

public:
    explicit DrawingView(lumidex::ThrowWindow &window, QWidget *parent = nullptr);

    void refresh();
    QString dimensionsText() const;
    QLineEdit *distanceBox() const { return m_distance; }
    QSize sizeHint() const override { return {760, 430}; }
    QSize minimumSizeHint() const override { return {460, 260}; }

signals:
    void pictureClicked(int helpId);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeDistanceBox();

    lumidex::ThrowWindow &m_window;
    DrawingRenderer m_renderer;
    QLineEdit *m_distance = nullptr;
};

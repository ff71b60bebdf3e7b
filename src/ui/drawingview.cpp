#include "drawingview.h"

#include "3-catalogue/catalogue.h"
#include "numberkeys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

DrawingView::DrawingView(lumidex::ThrowWindow &window, QWidget *parent)
    : QWidget(parent), m_window(window)
{
    setObjectName(QStringLiteral("drawing"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The drawing takes the focus first, so that the menus' shortcuts (Ctrl+C for the centre
    // position among them) work when the window opens.
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    setAccessibleName(tr("Installation drawing"));

    m_distance = new QLineEdit(this);
    m_distance->setObjectName(QStringLiteral("hdimbox"));
    m_distance->setAlignment(Qt::AlignCenter);
    // The box is part of the paper: black on white on any desktop.
    QPalette paper = m_distance->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    m_distance->setPalette(paper);
    m_distance->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9./]*")), this));
    m_distance->installEventFilter(this);
    connect(m_distance, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_window.setDistanceText(text.toStdString()); });
}

bool DrawingView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_distance && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_window.distanceKeyPress(lumidex::ThrowWindow::KeyEnter);
            return true;
        }
        if (key->key() == Qt::Key_Backspace)
            return !m_window.distanceKeyPress(lumidex::ThrowWindow::KeyBackspace);
        if (isTypedCharacter(key)) {
            if (m_distance->isReadOnly())
                return true;
            // The desktop's decimal comma types "."; a key the box refuses is said so.
            const std::optional<char> c = numberCharacter(key, true);
            if (c && m_window.distanceKeyPress(*c))
                m_distance->insert(QString(QChar::fromLatin1(*c)));
            else
                showRefusal(m_distance, key->text());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The drawing's dimension values as a screen reader reads them: each value shown, what it
// measures and its units.
QString DrawingView::dimensionsText() const
{
    const lumidex::Drawing &d = m_window.drawing();
    const lumidex::Unit unit = m_window.state().screen.displayUnits;
    const QString units = unit == lumidex::Unit::Feet          ? tr("feet")
                          : unit == lumidex::Unit::Millimetres ? tr("millimetres")
                                                               : tr("inches");
    QStringList parts;
    const auto add = [&](const lumidex::DrawLabel &label, const QString &what) {
        if (label.visible && !label.caption.empty())
            parts << QStringLiteral("%1 %2 %3")
                         .arg(what, QString::fromStdString(label.caption), units);
    };
    if (!m_window.distanceText().empty())
        parts << tr("Throw distance %1 %2")
                     .arg(QString::fromStdString(m_window.distanceText()), units);
    add(d.txtHTDFar, tr("Farthest throw distance"));
    add(d.lblflr_proj, tr("Projector height above floor"));
    add(d.lblflr_ceiling, tr("Projector top above floor"));
    add(d.lblVsize, tr("Screen height"));
    add(d.lblHcent, tr("Screen centre above floor"));
    add(d.lblflr_screen, tr("Screen bottom above floor"));
    if (!m_window.throwAngleText().empty())
        parts << tr("Throw angle %1").arg(QString::fromStdString(m_window.throwAngleText()));
    return parts.join(QStringLiteral("; "));
}

void DrawingView::refresh()
{
    setAccessibleDescription(dimensionsText());
    const QString text = QString::fromStdString(m_window.distanceText());
    if (m_distance->text() != text)
        m_distance->setText(text);
    // A distance is typed only for a CRT series; for the others the box just shows it.
    m_distance->setReadOnly(!m_window.distanceEnabled());
    m_distance->setFocusPolicy(m_window.distanceEnabled() ? Qt::StrongFocus : Qt::NoFocus);
    placeDistanceBox();
    update();
}

void DrawingView::placeDistanceBox()
{
    const lumidex::DrawLabel &box = m_window.drawing().hdimbox;
    const QRectF r = DrawingRenderer::twipsToTarget(rect()).mapRect(
        QRectF(box.left, box.top, box.width, box.height));
    // The field keeps to its box in the strip below the floor line, where the distance lines
    // and the ruler run close above and below it.
    const int h = std::max(14, int(r.height()));
    QFont font = m_distance->font();
    font.setPixelSize(std::max(8, h * 2 / 3));
    m_distance->setFont(font);
    m_distance->setTextMargins(0, 0, 0, 0);
    const int w = std::max(40, int(r.width()));
    m_distance->setGeometry(int(r.center().x()) - w / 2, int(r.center().y()) - h / 2, w, h);
}

void DrawingView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeDistanceBox();
}

void DrawingView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    lumidex::Drawing drawing = m_window.drawing();
    drawing.hdimbox.visible = false; // the real field stands there
    m_renderer.render(painter, drawing, rect());
}

void DrawingView::mousePressEvent(QMouseEvent *event)
{
    // A click on the projector opens its help topic.
    const QTransform toWidget = DrawingRenderer::twipsToTarget(rect());
    const lumidex::DrawPicture &p = m_window.drawing().nearPicture;
    const QRectF r = toWidget.mapRect(QRectF(p.left, p.top, p.width, p.height));
    if (p.visible && r.contains(event->position()))
        emit pictureClicked(lumidex::helpIdOf(m_window.state().inputs.selection));
    QWidget::mousePressEvent(event);
}

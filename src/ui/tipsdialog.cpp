#include "tipsdialog.h"

#include "4-crt/tipswindow.h"
#include "qtdialogs.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

// A CRT lens seen from the front: the focus ring with its four lockdown screws, or the two
// ring spacers with the values to dial.
class LensRingPicture : public QWidget
{
public:
    explicit LensRingPicture(QWidget *parent) : QWidget(parent) { setMinimumSize(360, 200); }

    void show(bool screws, bool rings, const std::array<std::string, 6> &labels)
    {
        m_screws = screws;
        m_rings = rings;
        m_labels = labels;
        setVisible(screws || rings);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c(width() / 2.0, height() / 2.0);
        const double r = std::min(width(), height()) * 0.38;
        p.setPen(QPen(QColor(60, 70, 80), 3));
        p.setBrush(QColor(200, 208, 216));
        p.drawEllipse(c, r, r);
        p.setBrush(QColor(134, 166, 191));
        p.drawEllipse(c, r * 0.55, r * 0.55);
        if (m_screws) {
            p.setBrush(QColor(60, 70, 80));
            for (int k = 0; k < 4; ++k) {
                const double a = (45 + 90 * k) * M_PI / 180;
                p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.78, 6, 6);
            }
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(QRectF(0, height() - 22, width(), 20), Qt::AlignCenter,
                       QCoreApplication::translate("LensRingPicture", "Four ring lockdown screws"));
        }
        if (m_rings) {
            // Six values: the two rings on the left and right, their pair top and bottom.
            const std::array<QPointF, 6> at{QPointF(-1.25, -0.35), QPointF(-1.25, 0.35),
                                            QPointF(0, -1.15),     QPointF(0, 1.15),
                                            QPointF(1.25, -0.35),  QPointF(1.25, 0.35)};
            QFont bold = font();
            bold.setBold(true);
            p.setFont(bold);
            p.setPen(QColor(180, 0, 0));
            for (std::size_t i = 0; i < at.size(); ++i) {
                const QPointF pos = c + at[i] * r;
                p.drawText(QRectF(pos.x() - 40, pos.y() - 10, 80, 20), Qt::AlignCenter,
                           QString::fromStdString(m_labels[i]));
            }
        }
    }

private:
    bool m_screws = false;
    bool m_rings = false;
    std::array<std::string, 6> m_labels;
};

TipsDialog::TipsDialog(lumidex::TipsWindow &tips, QWidget *parent) : QDialog(parent), m_tips(tips)
{
    setObjectName(QStringLiteral("tip"));
    setWindowTitle(QStringLiteral("Installer's Tip"));

    auto *menu = new QMenuBar(this);
    QAction *print = menu->addAction(tr("&Print"));
    connect(print, &QAction::triggered, this, &TipsDialog::print);

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("Label1"));
    m_text->setWordWrap(true);
    QFont big = m_text->font();
    big.setPointSizeF(big.pointSizeF() * 1.2);
    m_text->setFont(big);

    m_warning = new QFrame(this);
    m_warning->setObjectName(QStringLiteral("Panel3D6"));
    m_warning->setFrameShape(QFrame::Box);
    m_warningText = new QLabel(m_warning);
    m_warningText->setObjectName(QStringLiteral("Panel3D7"));
    m_warningText->setWordWrap(true);
    QPalette red = m_warningText->palette();
    red.setColor(QPalette::WindowText, QColor(180, 0, 0));
    m_warningText->setPalette(red);
    m_warningNote = new QLabel(m_warning);
    m_warningNote->setObjectName(QStringLiteral("Panel3D8"));
    m_warningNote->setWordWrap(true);
    auto *warningLayout = new QVBoxLayout(m_warning);
    warningLayout->addWidget(m_warningText);
    warningLayout->addWidget(m_warningNote);

    m_picture = new LensRingPicture(this);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TipsDialog::advance);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addWidget(m_warning);
    layout->addWidget(m_text);
    layout->addWidget(m_picture, 1);
    layout->addWidget(ok, 0, Qt::AlignRight);
    for (QWidget *w : {static_cast<QWidget *>(m_text), static_cast<QWidget *>(m_warning),
                       static_cast<QWidget *>(m_warningText), static_cast<QWidget *>(m_warningNote),
                       static_cast<QWidget *>(m_picture)})
        w->installEventFilter(this);
    refresh();
    resize(460, 380);
}

bool TipsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        advance();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TipsDialog::advance()
{
    m_tips.advance();
    if (m_tips.closed()) {
        accept();
        return;
    }
    refresh();
}

void TipsDialog::refresh()
{
    QString text = QString::fromStdString(m_tips.text());
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_text->setText(text);
    m_warning->setVisible(m_tips.warningVisible());
    m_warningText->setText(QString::fromStdString(m_tips.warning()));
    m_warningNote->setText(QString::fromStdString(m_tips.warningNote()));
    m_picture->show(m_tips.screwsPictureVisible(), m_tips.ringsVisible(), m_tips.ringLabels());
    if (m_tips.wide())
        setMinimumWidth(560);
}

void TipsDialog::setPrinting(lumidex::Dialogs &dialogs, PrintChooser chooser)
{
    m_dialogs = &dialogs;
    m_chooser = std::move(chooser);
}

void TipsDialog::print()
{
    // The window as it stands, scaled to fit the page.
    const PagePainter paint = [this](QPainter &painter) {
        const QRect page = painter.viewport();
        const double scale =
            std::min(double(page.width()) / width(), double(page.height()) / height());
        painter.scale(scale, scale);
        render(&painter);
        return true;
    };
    QtDialogs own;
    printWindowPage(paint, m_dialogs ? *m_dialogs : own, this, m_chooser);
}

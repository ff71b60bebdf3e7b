#include "sxgadialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor ScreenColour(235, 240, 248);
const QColor ImageColour(70, 110, 170);
const QColor OverflowColour(200, 120, 60);

// A 4:3 screen with the image the source gives on it, drawn from rectangles.
class ScreenPicture : public QWidget
{
public:
    ScreenPicture(bool fiveFour, QWidget *parent) : QWidget(parent), m_fiveFour(fiveFour)
    {
        setMinimumSize(150, 130);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double w = std::min(width() - 20.0, (height() - 20.0) / (m_fiveFour ? 0.8 : 0.75));
        const QRectF screen(width() / 2.0 - w / 2, height() / 2.0 - w * 3 / 8, w, w * 3 / 4);
        if (m_fiveFour) {
            // A 5:4 image as wide as the screen is taller than it: the rest overflows.
            const double h = w * 4 / 5;
            const QRectF image(screen.left(), screen.center().y() - h / 2, w, h);
            p.fillRect(image, OverflowColour);
            p.fillRect(image.intersected(screen), ImageColour);
            p.setPen(QPen(OverflowColour.darker(), 1, Qt::DashLine));
            p.drawRect(image);
        } else {
            p.fillRect(screen, ImageColour);
        }
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(screen);
    }

private:
    bool m_fiveFour;
};

QWidget *legendEntry(const QColor &colour, bool outline, const QString &text, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *swatch = new QLabel(row);
    swatch->setFixedSize(14, 14);
    swatch->setStyleSheet(
        outline
            ? QStringLiteral("border: 2px solid black; background: %1;").arg(ScreenColour.name())
            : QStringLiteral("background: %1;").arg(colour.name()));
    auto *label = new QLabel(text, row);
    label->setWordWrap(true);
    layout->addWidget(swatch, 0, Qt::AlignTop);
    layout->addWidget(label, 1);
    return row;
}

QWidget *explanation(bool fiveFour, QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(new ScreenPicture(fiveFour, box));
    auto *caption =
        new QLabel(fiveFour ? QStringLiteral("4:3 screen installed for use with 5:4 aspect "
                                             "ratio SXGA source.")
                            : QStringLiteral("4:3 screen installed for use with 4:3 aspect "
                                             "ratio sources."),
                   box);
    caption->setWordWrap(true);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);
    layout->addWidget(legendEntry(ScreenColour, true, QStringLiteral("Screen"), box));
    if (fiveFour) {
        layout->addWidget(legendEntry(ImageColour, false, QStringLiteral("5:4 image"), box));
        layout->addWidget(legendEntry(OverflowColour, false,
                                      QStringLiteral("5:4 image overflow* (Mode available to "
                                                     "show entire image.)"),
                                      box));
    } else {
        layout->addWidget(legendEntry(ImageColour, false, QStringLiteral("4:3 image"), box));
    }
    layout->addStretch();
    return box;
}

} // namespace

SxgaDialog::SxgaDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSXGAChoice"));
    setWindowTitle(QStringLiteral("5:4 and 4:3 Aspect Ratio Support"));

    auto *instruction =
        new QLabel(QStringLiteral("Please select the installation configuration you are using "
                                  "with the LX-530 by clicking on the appropriate button. For "
                                  "more information, please refer to your Operation Manual."),
                   this);
    instruction->setWordWrap(true);

    auto *fiveFour = new QPushButton(QStringLiteral("4:3 screen for 5:4 image"), this);
    fiveFour->setObjectName(QStringLiteral("cmdAspectMode1"));
    auto *fourThree = new QPushButton(QStringLiteral("4:3 screen for 4:3 image"), this);
    fourThree->setObjectName(QStringLiteral("cmdAspectMode0"));
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *grid = new QGridLayout;
    grid->addWidget(explanation(true, this), 0, 0);
    grid->addWidget(explanation(false, this), 0, 1);
    grid->addWidget(fiveFour, 1, 0);
    grid->addWidget(fourThree, 1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(instruction);
    layout->addLayout(grid);
    layout->addWidget(cancel, 0, Qt::AlignRight);

    connect(fiveFour, &QPushButton::clicked, this, [this] { done(1); });
    connect(fourThree, &QPushButton::clicked, this, [this] { done(0); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(-1); });
    resize(560, 420);
}

void SxgaDialog::reject()
{
    done(-1); // closing the window is a cancel, never a choice
}

#include "aboutwindow.h"

#include "9-session/version.h"
#include "artwork.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

AboutWindow::AboutWindow(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("credits"));
    setWindowTitle(tr("About Lumidex"));

    // The maker's two pictures: the emblem as a bitmap beside the title, the product artwork
    // as a vector picture above the notice.
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image6"));
    const qreal ratio = devicePixelRatioF();
    QPixmap emblem = programIcon().pixmap(QSize(64, 64), ratio);
    picture->setPixmap(emblem);
    picture->setFixedSize(64, 64);
    auto *artwork = new QSvgWidget(QStringLiteral(":/lumidex/splash.svg"), this);
    artwork->setObjectName(QStringLiteral("Image7"));
    artwork->setFixedSize(252, 120); // the artwork's own 21:10
    auto *title = new QLabel(QStringLiteral("Lumidex!"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    title->setFont(big);
    auto *version = new QLabel(QString::fromStdString(lumidex::versionLabel()), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto *developed = new QLabel(tr("Developed by:"), this);
    developed->setObjectName(QStringLiteral("Label3"));
    auto *credit = new QLabel(tr("The Lumidex team, Varnel installation support"), this);
    credit->setObjectName(QStringLiteral("Label8"));
    auto *notice = new QLabel(tr("Copyright \u00A9 Varnel. All rights reserved. Distances are "
                                 "calculated from the published lens data; check the installation "
                                 "on site before fixing the projector."),
                              this);
    notice->setObjectName(QStringLiteral("Label7"));
    notice->setWordWrap(true);
    auto *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("Command6"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto *header = new QHBoxLayout;
    header->addWidget(picture);
    auto *titles = new QVBoxLayout;
    titles->addWidget(title);
    titles->addWidget(version);
    header->addLayout(titles, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addSpacing(8);
    layout->addWidget(developed);
    layout->addWidget(credit);
    layout->addSpacing(8);
    layout->addWidget(artwork, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(notice);
    layout->addWidget(close, 0, Qt::AlignRight);
    setFixedWidth(380);
}

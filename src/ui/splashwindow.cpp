#include "splashwindow.h"

#include "artwork.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SplashWindow::SplashWindow(lumidex::StartupWindow &startup, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_startup(startup)
{
    setObjectName(QStringLiteral("Init"));
    setWindowTitle(QStringLiteral("Lumidex"));

    // The artwork carries the program's name; one font throughout keeps the window quick to
    // appear.
    auto *art = new QLabel(this);
    art->setPixmap(startupArtwork(devicePixelRatioF()));
    art->setFixedSize(StartupArtworkSize);
    art->setAccessibleName(QStringLiteral("Lumidex"));

    auto *subtitle =
        new QLabel(tr("Screen size and projector placement for Varnel projectors"), this);
    auto *version = new QLabel(QString::fromStdString(m_startup.versionText()), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto *rights = new QLabel(tr("Copyright \u00A9 Varnel. All rights reserved."), this);
    rights->setForegroundRole(QPalette::PlaceholderText);

    m_ok = new QPushButton(tr("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("start"));
    m_ok->setDefault(true);
    auto *contact = new QPushButton(tr("&How to reach us..."), this);
    contact->setObjectName(QStringLiteral("Command3D1"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(contact);
    buttons->addWidget(m_ok);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(art, 0, Qt::AlignHCenter);
    layout->addWidget(subtitle);
    layout->addWidget(version);
    layout->addWidget(rights);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &SplashWindow::acceptStart);
    connect(contact, &QPushButton::clicked, this, &SplashWindow::contactHelpRequested);
}

void SplashWindow::acceptStart()
{
    if (m_startup.ok())
        emit showMainWindowRequested();
    hide();
}

void SplashWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the program ends, once the project's changes are settled
    emit closed();
}

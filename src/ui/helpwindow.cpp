#include "helpwindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QString helpFolder, QWidget *parent)
    : QWidget(parent, Qt::Window), m_folder(std::move(helpFolder))
{
    setObjectName(QStringLiteral("help"));
    setWindowTitle(tr("Lumidex Help"));

    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(true);
    m_browser->setSearchPaths({m_folder});

    auto *contents = new QPushButton(tr("&Contents"), this);
    auto *back = new QPushButton(tr("&Back"), this);
    back->setEnabled(false);
    auto *close = new QPushButton(tr("C&lose"), this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(560, 480);

    connect(contents, &QPushButton::clicked, this,
            [this] { showRequest(lumidex::HelpRequest::contents()); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // A help window goes as it came: Escape, or Ctrl+W as any document window.
    for (const QKeySequence &key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto *shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
}

void HelpWindow::showRequest(const lumidex::HelpRequest &request)
{
    const QString file =
        m_folder + QLatin1Char('/') + QString::fromStdString(lumidex::helpFileName(request));
    const QFileInfo info(file);
    if (info.isFile() && info.isReadable()) {
        m_browser->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    } else {
        // Help is a convenience: a missing topic is explained here and the program carries on.
        m_browser->setHtml(
            tr("<h3>Help is not available</h3><p>The help topic <b>%1</b> could not be read from "
               "the help folder <b>%2</b>.</p><p>Lumidex works without it; reinstall the program "
               "to restore its help.</p>")
                .arg(QFileInfo(file).fileName().toHtmlEscaped(), m_folder.toHtmlEscaped()));
    }
    show();
    raise();
    activateWindow();
}

QString HelpWindow::currentText() const
{
    return m_browser->toPlainText();
}

#include "program.h"

#include "7-project/filereading.h"
#include "9-session/replay.h"
#include "9-session/version.h"
#include "aboutwindow.h"
#include "brightnessseatingwindow.h"
#include "drawingexportdialog.h"
#include "drawingview.h"
#include "helpwindow.h"
#include "installationwindow.h"
#include "lensfinderdialog.h"
#include "screencalculatorwindow.h"
#include "sheetprinting.h"
#include "sheetview.h"
#include "splashwindow.h"
#include "tipservice.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <cstdio>

namespace {

// A file of the installer's actions is far smaller than this.
constexpr std::size_t MaxReplayBytes = std::size_t{4} << 20;

} // namespace

Program::Program(const lumidex::StartOptions &options, QString programFolder,
                 lumidex::Dialogs *dialogs, QObject *parent)
    : QObject(parent), m_helpFolder(findHelpFolder(programFolder)),
      m_dialogs(dialogs ? *dialogs : m_qtDialogs), m_session(m_dialogs, options)
{
    // Start-up order: the session (shared state, main window logic loaded), then the start-up
    // window. The screen calculator and the installation window are made hidden when first
    // needed (the start-up window's "&Ok", a project to show): the start-up window does not
    // wait for them. Until a window is made, a change in its part of the core still counts as
    // a change of the project, as the window's refresh would have made it count.
    m_splash = std::make_unique<SplashWindow>(m_startup);
    m_session.screenWindow().setChangedCallback([this] { screenShown(); });
    m_session.document().window().setChangedCallback([this] { projectChanged(); });

    m_session.setShowInstallationWindow([this] { showInstallationWindow(); });
    m_session.document().setOldCopyFolder(m_recovery.folder().toStdString());

    connect(m_splash.get(), &SplashWindow::showMainWindowRequested, this, [this] {
        ScreenCalculatorWindow *main = mainWindow();
        main->show();
        main->raise();
        main->activateWindow();
    });
    connect(m_splash.get(), &SplashWindow::contactHelpRequested, this,
            [this] { openHelp(lumidex::HelpRequest::topic(lumidex::HelpTechnicalSupport)); });
    connect(m_splash.get(), &SplashWindow::closed, this, &Program::quit);
    // While the project holds unsaved changes a copy of it is kept, a second after the last.
    m_recoveryTimer = new QTimer(this);
    m_recoveryTimer->setSingleShot(true);
    m_recoveryTimer->setInterval(1000);
    connect(m_recoveryTimer, &QTimer::timeout, this, &Program::keepRecoveryCopy);
    m_tipService = new TipService(m_session.tooltips(), m_session.state(), this);

    m_startProject = options.projectFile;
}

ScreenCalculatorWindow *Program::mainWindow()
{
    if (m_main)
        return m_main.get();
    m_main = std::make_unique<ScreenCalculatorWindow>(m_session.screenWindow());
    m_main->adjustSize();
    centre(m_main.get());
    m_main->setWindowModified(m_session.document().modified());
    connect(m_main.get(), &ScreenCalculatorWindow::exitRequested, this, &Program::quit);
    connect(m_main.get(), &ScreenCalculatorWindow::helpRequested, this, &Program::openHelp);
    connect(m_main.get(), &ScreenCalculatorWindow::aboutRequested, this, &Program::showAbout);
    connect(m_main.get(), &ScreenCalculatorWindow::brightnessSeatingRequested, this,
            &Program::showBrightnessSeating);
    // Every change of the screen or the units, from either window, ends in the screen
    // calculator's redisplay.
    connect(m_main.get(), &ScreenCalculatorWindow::refreshed, this, &Program::screenShown);
    // Opening from the screen calculator loads the project for the installation window's next
    // showing.
    connect(m_main.get(), &ScreenCalculatorWindow::openProjectRequested, this, [this] {
        m_session.document().openProject();
        refreshWindows();
    });
    attachMainWindowTips();
    return m_main.get();
}

InstallationWindow *Program::installationWindow()
{
    if (m_installation)
        return m_installation.get();
    m_installation = std::make_unique<InstallationWindow>(m_session.document());
    fitToScreen(m_installation.get());
    centre(m_installation.get());
    connect(m_installation.get(), &InstallationWindow::refreshed, this, &Program::projectChanged);
    connect(m_installation.get(), &InstallationWindow::pageTextEdited, this,
            &Program::projectChanged);
    connect(m_installation.get(), &InstallationWindow::newProjectStarted, this,
            [this] { centre(m_installation.get()); });
    connect(m_installation.get(), &InstallationWindow::helpRequested, this, &Program::openHelp);
    connect(m_installation.get(), &InstallationWindow::aboutRequested, this, &Program::showAbout);
    auto *printing = new SheetPrinting(m_session.document(), m_dialogs, m_installation.get());
    connect(m_installation.get(), &InstallationWindow::printRequested, printing,
            &SheetPrinting::print);
    connect(m_installation.get(), &InstallationWindow::printPreviewRequested, printing,
            &SheetPrinting::preview);
    connect(m_installation.get(), &InstallationWindow::exportPdfRequested, printing,
            &SheetPrinting::exportPdf);
    connect(m_installation.get(), &InstallationWindow::exportDrawingRequested, this, [this] {
        exportDrawing(m_session.document(), m_session.focusTables(), m_dialogs,
                      m_installation.get());
        m_installation->refresh();
    });
    connect(m_installation.get(), &InstallationWindow::lensFinderRequested, this, [this] {
        LensFinderDialog finder(m_session.throwWindow(), m_session.focusTables(),
                                m_installation.get());
        finder.exec();
        m_installation->refresh();
    });
    attachInstallationWindowTips();
    return m_installation.get();
}

void Program::refreshWindows()
{
    // A window not made yet shows the state when it is made; what its refresh would have set
    // off happens all the same.
    if (m_installation)
        m_installation->refresh();
    else
        projectChanged();
    if (m_main)
        m_main->refresh();
    else
        screenShown();
}

void Program::screenShown()
{
    if (m_brightnessSeating)
        m_brightnessSeating->refresh();
    projectChanged();
}

Program::~Program() = default;

QString Program::findHelpFolder(const QString &programFolder)
{
    const auto candidates = lumidex::helpFolderCandidates(programFolder.toStdString());
    for (const std::string &folder : candidates) {
        if (QFileInfo(QString::fromStdString(folder)).isDir())
            return QString::fromStdString(folder);
    }
    // Neither exists: the help window explains where it looked first.
    return QString::fromStdString(candidates.front());
}

void Program::fitToScreen(QWidget *window)
{
    // Room for the window manager's title bar and frame, which the window's size leaves out.
    constexpr int FrameWidth = 16;
    constexpr int FrameHeight = 48;
    const QScreen *screen = QGuiApplication::primaryScreen();
    QSize size = window->sizeHint();
    if (screen) {
        const QSize room = screen->availableGeometry().size() - QSize(FrameWidth, FrameHeight);
        size = size.boundedTo(room);
    }
    window->resize(size.expandedTo(window->minimumSizeHint()));
}

void Program::centre(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameSize().isValid() ? window->frameSize() : window->size();
    const lumidex::Point p =
        lumidex::centeredOrigin(area.width(), area.height(), size.width(), size.height());
    window->move(area.left() + p.x, area.top() + p.y);
}

void Program::start()
{
    m_splash->adjustSize();
    centre(m_splash.get());
    m_splash->show();
    m_splash->raise();
    m_splash->activateWindow();
    // A copy of a project a previous run did not end cleanly with is offered back, then the
    // project named on the command line opens, once the start-up window is up, so that a file
    // that cannot be opened is reported over it rather than before anything is shown.
    QTimer::singleShot(0, this, [this, project = m_startProject] {
        offerRecovery();
        if (project)
            openFromOutside(*project);
        replayFromEnvironment();
    });
    m_startProject.reset();
}

void Program::offerRecovery()
{
    // Every copy a run that did not end properly left is offered, until one is restored: the
    // unsaved changes it kept, or a file as it was before a save that was cut short while it
    // rewrote the file in place. A copy the installer keeps (Cancel) stays for the next start,
    // and this run keeps its own copy under a name of its own, so that it never writes over one
    // not yet dealt with.
    const QString folder = m_recovery.folder();
    std::optional<RecoveryCopy> restored;
    for (RecoveryCopy &copy : RecoveryCopy::leftIn(folder)) {
        if (restored)
            break;
        const std::optional<RecoveryCopy::Found> found = copy.find();
        if (!found) {
            copy.remove(); // nothing readable
            continue;
        }
        const QString name =
            found->originalPath.empty()
                ? tr("an untitled project")
                : QFileInfo(QString::fromStdString(found->originalPath)).fileName();
        const QString when = QLocale().toString(found->kept, QLocale::LongFormat);
        const QString text =
            copy.holdsOldFile()
                ? tr("Lumidex was stopped on %2 while it saved %1, and the file may be "
                     "incomplete. %1 as it was before that save was kept.\n\nRestore it?")
                      .arg(name, when)
                : tr("Lumidex did not end properly last time. The unsaved changes to %1 were "
                     "kept on %2.\n\nRestore them?")
                      .arg(name, when);
        switch (m_dialogs.offerRecovery(text.toStdString())) {
        case lumidex::RecoveryChoice::Restore:
            m_session.document().restoreRecovered(found->project, found->originalPath);
            refreshWindows();
            restored = copy;
            break;
        case lumidex::RecoveryChoice::Discard: {
            const QString question =
                tr("Delete the copy of %1 kept on %2 for good?").arg(name, when);
            if (m_dialogs.confirm(question.toStdString(), "Recover Project", "&Delete",
                                  lumidex::ConfirmDefault::Cancel))
                copy.remove();
            break;
        }
        case lumidex::RecoveryChoice::Cancel:
            break;
        }
    }
    if (restored && !restored->holdsOldFile()) {
        // The run keeps its copy in the place of the one restored, so that a crash now still
        // finds the changes, and a save takes it away.
        m_recovery = *restored;
        m_keptProject = m_session.document().contentToSave();
        m_keptPath = m_session.document().projectFileName();
        m_kept = true;
        return;
    }
    m_recovery = RecoveryCopy::unused(folder);
    if (restored) {
        // The old file now lives on as this run's unsaved changes, kept before its copy goes.
        keepRecoveryCopy();
        if (m_kept)
            restored->remove();
    }
}

void Program::replayFromEnvironment()
{
    // LUMIDEX_REPLAY names a file of the installer's actions, one JSON object a line, in the
    // form `lumidex-cli session` reads: played on the windows as they are after start-up.
    const QString path = qEnvironmentVariable("LUMIDEX_REPLAY");
    if (path.isEmpty())
        return;
    // Read as every file the program reads: only an ordinary file, and no more than a session
    // of actions can need.
    lumidex::ReadFailure failure;
    const std::optional<std::string> content = lumidex::readRegularFile(
        path.toStdString(), MaxReplayBytes, lumidex::BeyondLimit::Refuse, failure);
    if (!content) {
        std::fprintf(stderr, "lumidex: cannot read %s: %s\n", qPrintable(path),
                     failure.description.c_str());
        return;
    }
    const QList<QByteArray> lines = QByteArray::fromStdString(*content).split('\n');
    int number = 0;
    for (const QByteArray &read : lines) {
        ++number;
        const QByteArray text = read.trimmed();
        if (text.isEmpty())
            continue;
        const QJsonObject object = QJsonDocument::fromJson(text).object();
        lumidex::ReplayLine line;
        for (auto it = object.begin(); it != object.end(); ++it) {
            lumidex::ReplayValue &v = line[it.key().toStdString()];
            if (it->isString()) {
                v = {lumidex::ReplayValue::Kind::Text, it->toString().toStdString()};
            } else if (it->isDouble()) {
                v = {lumidex::ReplayValue::Kind::Number,
                     QString::number(it->toDouble(), 'g', 17).toStdString()};
            }
        }
        try {
            lumidex::replay(m_session, line, nullptr);
        } catch (const lumidex::ReplayError &error) {
            std::fprintf(stderr, "lumidex: %s line %d: %s\n", qPrintable(path), number,
                         error.text.c_str());
        }
    }
    refreshWindows();
}

void Program::openFromOutside(const std::string &path)
{
    if (!m_session.document().settleChanges())
        return;
    m_session.document().openProjectFile(path);
    refreshWindows();
}

void Program::openHandedOver(const QString &path)
{
    bringToFront();
    openFromOutside(path.toStdString());
}

void Program::quit()
{
    if (!m_session.document().settleChanges())
        return;
    // A clean end: whatever was to be kept is saved or was discarded by the installer.
    m_recoveryTimer->stop();
    m_recovery.remove();
    emit quitRequested();
}

void Program::projectChanged()
{
    const bool modified = m_session.document().modified();
    if (m_main)
        m_main->setWindowModified(modified);
    if (m_installation)
        m_installation->setWindowModified(modified);
    if (modified) {
        if (!m_recoveryTimer->isActive())
            m_recoveryTimer->start();
    } else if (m_kept) {
        m_recovery.remove();
        m_kept = false;
    }
}

void Program::keepRecoveryCopy()
{
    const lumidex::ProjectDocument &doc = m_session.document();
    if (!doc.modified())
        return;
    lumidex::Project content = doc.contentToSave();
    if (m_kept && content == m_keptProject && doc.projectFileName() == m_keptPath)
        return;
    if (m_recovery.keep(content, doc.projectFileName())) {
        m_keptProject = std::move(content);
        m_keptPath = doc.projectFileName();
        m_kept = true;
    }
}

void Program::showInstallationWindow()
{
    InstallationWindow *installation = installationWindow();
    installation->refresh();
    installation->show();
    installation->raise();
    installation->activateWindow();
}

BrightnessSeatingWindow *Program::brightnessSeatingWindow() const
{
    return m_brightnessSeating.get();
}

void Program::showBrightnessSeating()
{
    if (!m_brightnessSeating) {
        m_brightnessSeating =
            std::make_unique<BrightnessSeatingWindow>(m_session.state(), m_dialogs);
        connect(m_brightnessSeating.get(), &BrightnessSeatingWindow::helpRequested, this,
                &Program::openHelp);
        fitToScreen(m_brightnessSeating.get());
        centre(m_brightnessSeating.get());
    }
    m_brightnessSeating->refresh();
    m_brightnessSeating->show();
    m_brightnessSeating->raise();
    m_brightnessSeating->activateWindow();
}

void Program::openHelp(const lumidex::HelpRequest &request)
{
    if (!m_help) {
        m_help = std::make_unique<HelpWindow>(m_helpFolder);
        centre(m_help.get());
    }
    m_help->showRequest(request);
}

void Program::bringToFront()
{
    QWidget *window = m_main && m_main->isVisible() ? static_cast<QWidget *>(m_main.get())
                                                    : static_cast<QWidget *>(m_splash.get());
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

void Program::showAbout()
{
    // One About window for the run, centred when it is first made, never modal.
    if (!m_about) {
        m_about = std::make_unique<AboutWindow>();
        m_about->adjustSize();
        centre(m_about.get());
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Program::attachMainWindowTips()
{
    using lumidex::TipControl;
    TipService &tips = *m_tipService;
    tips.attach(m_main->findChild<QWidget *>(QStringLiteral("Aspct")), TipControl::CalculatorRatio);
    tips.attach(m_main->findChild<QWidget *>(QStringLiteral("unitz")), TipControl::CalculatorUnits);
    tips.attachHider(m_main->findChild<QWidget *>(QStringLiteral("Panel3D5")));
    for (lumidex::Dimension d : lumidex::AllDimensions)
        tips.attachClickHider(m_main->fieldLabel(d));
    tips.attachPlatformTips(m_main.get());
}

void Program::attachInstallationWindowTips()
{
    using lumidex::TipControl;
    TipService &tips = *m_tipService;
    tips.attach(m_installation->drawingView()->distanceBox(), TipControl::ThrowDistance);
    const std::array<std::pair<const char *, TipControl>, 11> fields{{
        {"Text1(13)", TipControl::WidthField},
        {"Text1(14)", TipControl::DiagonalField},
        {"Text1(16)", TipControl::HeightField},
        {"Text1(21)", TipControl::RevisionField},
        {"Text1(8)", TipControl::OtherTitleField},
        {"Text1(9)", TipControl::OtherTitleField},
        {"Text1(10)", TipControl::OtherTitleField},
        {"Text1(17)", TipControl::OtherTitleField},
        {"Text1(18)", TipControl::OtherTitleField},
        {"Text1(19)", TipControl::OtherTitleField},
        {"txtAspect", TipControl::InstallationRatio},
    }};
    for (const auto &[name, control] : fields) {
        if (QWidget *w = m_installation->findChild<QWidget *>(QString::fromLatin1(name)))
            tips.attach(w, control);
    }
    tips.attach(m_installation->findChild<QWidget *>(QStringLiteral("lblMeasurement")),
                TipControl::MeasurementLabel);
    tips.attachHider(m_installation->sheet());
    // The drawing's own background hides the tip of the distance box that stands on it.
    tips.attachHider(m_installation->drawingView());
    tips.attachPlatformTips(m_installation.get());
}

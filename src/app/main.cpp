// lumidex: the desktop program. main() refuses a second copy (bringing the first to the
// front), reads the start-up switches and hands over to Program, which owns the windows.
//
// LUMIDEX_START_CHECK=1 in the environment starts the program as usual and ends it as soon as
// the start-up window is up, after opening the help contents: it prints its version and the
// help folder, and exits with status 0 when the contents page was found there, 1 when not.
// With QT_QPA_PLATFORM=offscreen it needs no display; the package checks an unpacked or
// installed copy this way. Such a run leaves a running copy alone.
//
// LUMIDEX_REPLAY=FILE plays the installer's actions in FILE (one JSON object a line, as
// lumidex-cli session reads them) on the windows once the program has started.
//
// LUMIDEX_STARTUP_PROBE=TIME reports when the start-up window was first painted and quits (see
// startupprobe.h); bench/startup_compare.sh uses it.

#include "1-state/translation.h"
#include "9-session/commandline.h"
#include "9-session/help.h"
#include "9-session/version.h"
#include "artwork.h"
#include "helpwindow.h"
#include "program.h"
#include "singleinstance.h"
#include "splashwindow.h"
#include "startupprobe.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The core's texts (captions, messages, notes) looked up in the translators installed.
std::string translateCoreText(const char *context, const char *sourceText)
{
    return QCoreApplication::translate(context, sourceText).toStdString();
}

// A translation of Lumidex into the desktop's language, where one is installed (beside the
// program in a build, in share/lumidex/translations of an installation), and then Qt's own for
// the same language, so that the standard dialogs' buttons speak it too. Without Lumidex's own
// nothing is loaded: the program stays in English as a whole rather than half translated.
void loadTranslations(QApplication &app)
{
    const QString programFolder = QApplication::applicationDirPath();
    auto *lumidex = new QTranslator(&app);
    for (const QString &folder :
         {programFolder + QStringLiteral("/translations"),
          programFolder + QStringLiteral("/../share/lumidex/translations")}) {
        if (lumidex->load(QLocale(), QStringLiteral("lumidex"), QStringLiteral("_"), folder)) {
            QApplication::installTranslator(lumidex);
            lumidex::setTranslateFunction(&translateCoreText);
            auto *qt = new QTranslator(&app);
            if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QApplication::installTranslator(qt);
            return;
        }
    }
}

int checkStart(Program &program)
{
    program.openHelp(lumidex::HelpRequest::contents());
    const QString contents =
        QDir(program.helpFolder())
            .filePath(QString::fromUtf8(lumidex::HelpContentsFile.data(),
                                        static_cast<qsizetype>(lumidex::HelpContentsFile.size())));
    const bool started = program.splash()->isVisible();
    const bool helpFound =
        QFileInfo(contents).isFile() && program.helpWindow() &&
        program.helpWindow()->currentText().contains(QStringLiteral("Lumidex Help Contents"));
    std::printf("Lumidex %s: %s; help %s %s\n", lumidex::versionLabel().c_str(),
                started ? "started" : "did not show its start-up window",
                helpFound ? "found in" : "missing from",
                QDir::toNativeSeparators(program.helpFolder()).toLocal8Bit().constData());
    std::fflush(stdout);
    return started && helpFound ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installStartupProbe(app);
    QApplication::setApplicationName(QStringLiteral("Lumidex"));
    QApplication::setOrganizationName(QStringLiteral("Varnel"));
    QApplication::setWindowIcon(programIcon());
    loadTranslations(app);
    const bool startCheck = qEnvironmentVariableIsSet("LUMIDEX_START_CHECK");

    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    const lumidex::StartOptions options = lumidex::parseArguments(arguments);

    // A project opened from the file manager while Lumidex runs opens in the running copy.
    SingleInstance instance(SingleInstance::defaultName());
    const QString handOver =
        options.projectFile
            ? QFileInfo(QString::fromStdString(*options.projectFile)).absoluteFilePath()
            : QString();
    if (!startCheck && !instance.claim(handOver))
        return 0;

    Program program(options, QApplication::applicationDirPath());
    QObject::connect(&instance, &SingleInstance::activationRequested, &program,
                     &Program::bringToFront);
    QObject::connect(&instance, &SingleInstance::openRequested, &program, &Program::openHandedOver);
    // The project's changes are settled before this: the windows have nothing left to ask.
    QObject::connect(
        &program, &Program::quitRequested, &app, [] { QApplication::exit(0); },
        Qt::QueuedConnection);
    program.start();
    if (startCheck)
        QTimer::singleShot(0, &program, [&program] { QApplication::exit(checkStart(program)); });
    return app.exec();
}

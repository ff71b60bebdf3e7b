// lumidex: the desktop program. main() refuses a second copy (bringing the first to the
// front), reads the start-up switches and hands over to Program, which owns the windows.

#include "app/commandline.h"
#include "program.h"
#include "singleinstance.h"

#include <QApplication>
#include <QIcon>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumidex"));
    QApplication::setOrganizationName(QStringLiteral("Varnel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/lumidex/lumidex.svg")));

    SingleInstance instance(SingleInstance::defaultName());
    if (!instance.claim())
        return 0;

    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    const lumidex::StartOptions options = lumidex::parseArguments(arguments);

    Program program(options, QApplication::applicationDirPath());
    QObject::connect(&instance, &SingleInstance::activationRequested, &program,
                     &Program::bringToFront);
    QObject::connect(&program, &Program::quitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return app.exec();
}

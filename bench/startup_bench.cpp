// Start-up and recomputation costs. Run build/bin/lumidex_bench (it uses the offscreen
// platform unless another is set).
//
// What they show: the cost of building and showing the start-up window and the main windows
// beside a bare main window with four menus (the windows are far richer, so several times as
// much), and one screen recomputation with redisplay, which stays under 5 microseconds.
//
// These run inside one process whose Qt is already up. The start as the installer sees it, from
// starting the program to its first painted window, with the libraries it loads and the memory
// it holds by then, is startup_compare.sh's: at most 1.10 times a bare Qt window's.

#include "2-screen/screenwindow.h"
#include "3-catalogue/catalogue.h"
#include "9-session/commandline.h"
#include "program.h"
#include "screencalculatorwindow.h"
#include "silentdialogs.h"
#include "splashwindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

class NoHost : public lumidex::ScreenWindowHost
{
public:
    void showInstallationWindow() override {}
};

void BareMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow window;
        for (const char *title : {"&File", "&Options", "&Screen", "&Help"})
            window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("x"));
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BareMainWindow)->Unit(benchmark::kMillisecond);

void StartupAndMainWindow(benchmark::State &state)
{
    SilentDialogs dialogs;
    for (auto _ : state) {
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        program.start();
        program.splash()->findChild<QPushButton *>(QStringLiteral("start"))->click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(StartupAndMainWindow)->Unit(benchmark::kMillisecond);

void ScreenRecompute(benchmark::State &state)
{
    lumidex::InstallationState installation;
    SilentDialogs dialogs;
    NoHost host;
    lumidex::ScreenWindow window(installation, dialogs, host, lumidex::screenSizesOf);
    window.load({});
    int direction = 1;
    for (auto _ : state) {
        // A spinner step: one recomputation, the range check and the redisplay of all fields.
        direction = -direction;
        if (direction > 0)
            window.spinUp(lumidex::Dimension::Width);
        else
            window.spinDown(lumidex::Dimension::Width);
        benchmark::DoNotOptimize(window.field(lumidex::Dimension::Diagonal).text.data());
    }
}
BENCHMARK(ScreenRecompute);

} // namespace

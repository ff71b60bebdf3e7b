// One full recalculation of the installation window (limits, formulas, fit loop, vertical
// placement, dimension passes, rulers) for every catalogue selection, headless, and one
// repaint of the drawing at 1920x1080.
//
// Targets: a recalculation's median under 20 microseconds; a repaint under 16 ms.

#include "6-installation/throwwindow.h"
#include "9-session/session.h"
#include "drawingrenderer.h"
#include "silentdialogs.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// Arguments: -1 - series index for CRT series, otherwise the model's lens 0.
void Recalculation(benchmark::State &state)
{
    SilentDialogs dialogs;
    lumidex::Session session(dialogs, {lumidex::Unit::Inches, false, true, {}});
    lumidex::ThrowWindow &window = session.throwWindow();
    const int which = static_cast<int>(state.range(0));
    if (which < 0)
        window.selectSeries(static_cast<lumidex::Series>(-which - 1));
    else
        window.selectLens(static_cast<lumidex::Model>(which), 0);
    for (auto _ : state) {
        window.recalc();
        benchmark::DoNotOptimize(window.drawing().lineNear.x1);
    }
}
BENCHMARK(Recalculation)->DenseRange(-5, lumidex::ModelCount - 1);

void RepaintFullHd(benchmark::State &state)
{
    SilentDialogs dialogs;
    lumidex::Session session(dialogs, {lumidex::Unit::Inches, false, true, {}});
    session.throwWindow().selectLens(lumidex::Model::LX460, 0);
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    DrawingRenderer renderer;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(painter, session.throwWindow().drawing(), image.rect());
    }
}
BENCHMARK(RepaintFullHd)->Unit(benchmark::kMillisecond);

} // namespace

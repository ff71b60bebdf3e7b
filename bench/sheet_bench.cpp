// Installation sheets to PDF: one page's sheet, and a project of the most pages a project can
// have exported as one PDF (each page loaded into the window, composed and painted).
//
// Target: the 99-page export under 2 s.

#include "7-project/projectfile.h"
#include "8-print/sheet.h"
#include "9-session/session.h"
#include "sheetoutput.h"
#include "silentdialogs.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace lumidex;

class SheetPdf : public benchmark::Fixture
{
public:
    void SetUp(const benchmark::State &) override
    {
        session = std::make_unique<Session>(dialogs, StartOptions{Unit::Inches, false, true, {}});
        session->screenWindow().calc(); // "&Layout"
        session->throwWindow().selectLens(Model::LX460, 0);
    }
    void TearDown(const benchmark::State &) override { session.reset(); }

    SilentDialogs dialogs;
    std::unique_ptr<Session> session;
};

BENCHMARK_DEFINE_F(SheetPdf, OnePage)(benchmark::State &state)
{
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&buffer);
            pdf.setResolution(600);
            pdf.setPageLayout(sheetPageLayout());
            PaintedSheets sheets(pdf);
            sheets.beginJob();
            sheets.drawSheet(composeSheet(session->document()));
            sheets.endJob();
        }
        benchmark::DoNotOptimize(buffer.size());
    }
}
BENCHMARK_REGISTER_F(SheetPdf, OnePage)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(SheetPdf, Export99Pages)(benchmark::State &state)
{
    ProjectDocument &document = session->document();
    for (int page = 2; page <= MaxPages; ++page)
        document.pageButton(1);
    QTemporaryDir dir;
    const QString path = dir.filePath("project.pdf");
    for (auto _ : state) {
        QString why;
        if (!writeSheetsPdf(document, {}, path, "bench", &why))
            state.SkipWithError(why.toStdString().c_str());
    }
}
BENCHMARK_REGISTER_F(SheetPdf, Export99Pages)->Unit(benchmark::kMillisecond);

} // namespace

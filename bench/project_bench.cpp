// Saving and opening a project of the most pages a project can have, every page's title block
// filled: encode and write (through a temporary file flushed to disk and renamed over the old
// one), and read and decode. The in-memory encoding and decoding are measured apart, so that
// the disk's share shows.
//
// Targets: a save under 1 ms and an open under 1 ms.

#include "7-project/projectfile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace lumidex;

Project fullProject()
{
    Project project = newProject("12-08-2026");
    project.setPageCount(MaxPages);
    for (int n = 1; n <= MaxPages; ++n) {
        PageRecord &page = project.page(n);
        page = project.page(1);
        const std::string number = std::to_string(n);
        page.text(PageText::Author) = "M. Verhoeven, Lumen & Sound";
        page.text(PageText::Title) =
            "Civic Centre, auditorium " + number + " \u2013 rear projection";
        page.text(PageText::ApprovedBy) = "R. Kaltenbach, site lead"; // 24, the field's most
        page.text(PageText::Approval2) = "Facilities \u00e9quipe 2027";
        page.text(PageText::Notes) =
            "Ceiling mount on the existing truss; check the clearance to the sprinkler line. "
            "Screen frame ordered, " +
            number + " of 99.";
        page.text(PageText::Revision) = "Rev. C " + number;
        page.screenWidth = 120.0f + static_cast<float>(n);
        page.aspectRatio = 16.0f / 9.0f;
        page.projectorCode = 67;
        page.screenPosition = static_cast<std::int16_t>(n % 3);
    }
    project.trailerText = "Lumidex project";
    return project;
}

class ProjectOpenSave : public benchmark::Fixture
{
public:
    void SetUp(const benchmark::State &) override
    {
        project = fullProject();
        folder = std::filesystem::temp_directory_path() /
                 ("lumidex_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        path = (folder / "project.lmx").string();
        std::string error;
        saveProjectFile(path, project, &error);
    }
    void TearDown(const benchmark::State &) override
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    Project project;
    std::filesystem::path folder;
    std::string path;
};

BENCHMARK_DEFINE_F(ProjectOpenSave, Save)(benchmark::State &state)
{
    std::string error;
    for (auto _ : state) {
        if (!saveProjectFile(path, project, &error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK_REGISTER_F(ProjectOpenSave, Save)->Unit(benchmark::kMicrosecond);

BENCHMARK_DEFINE_F(ProjectOpenSave, Open)(benchmark::State &state)
{
    std::string error;
    for (auto _ : state) {
        const std::optional<Project> opened = openProjectFile(path, &error);
        if (!opened) {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(opened->pages.data());
    }
}
BENCHMARK_REGISTER_F(ProjectOpenSave, Open)->Unit(benchmark::kMicrosecond);

BENCHMARK_DEFINE_F(ProjectOpenSave, Encode)(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeProject(project).data());
}
BENCHMARK_REGISTER_F(ProjectOpenSave, Encode)->Unit(benchmark::kMicrosecond);

BENCHMARK_DEFINE_F(ProjectOpenSave, Decode)(benchmark::State &state)
{
    const std::vector<std::uint8_t> bytes = encodeProject(project);
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeProject(bytes)->pages.data());
}
BENCHMARK_REGISTER_F(ProjectOpenSave, Decode)->Unit(benchmark::kMicrosecond);

} // namespace

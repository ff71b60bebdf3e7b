// Writes a few valid project files into the folder given, to start the project reader's fuzz
// corpus from: a new project, a project with every field set and texts using the whole
// Windows-1252 range, and one of the most pages a project can have.

#include "7-project/projectfile.h"

#include <cstdio>
#include <string>

namespace {

using namespace lumidex;

bool write(const std::string &folder, const char *name, const Project &project)
{
    std::string error;
    if (saveProjectFile(folder + "/" + name, project, &error))
        return true;
    std::fprintf(stderr, "projectreader_seeds: %s\n", error.c_str());
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: projectreader_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];

    const Project fresh = newProject("12-08-2026");

    Project full = fresh;
    full.setPageCount(3);
    full.page(2) = full.page(1);
    full.page(2).text(PageText::Notes) = std::string(NewPageNotes) + " caf\u00e9 \u20ac5\rline 2";
    full.page(2).text(PageText::ApprovedBy) = "R. Kaltenbach";
    full.page(2).text(PageText::Revision) = "C";
    full.page(3).projectorCode = 67;
    full.page(3).screenPosition = CustomAnglePosition;
    full.page(3).placementAngle = -7.5f;
    full.page(3).measureUnits = 2;
    full.page(3).heightUnit = 1;
    full.page(3).inputSignal = 2;
    full.page(3).throwPoint = 1;
    std::string everyByte;
    for (int b = 1; b < 256; ++b)
        everyByte += static_cast<char>(b);
    full.page(3).text(PageText::Title) = windows1252ToUtf8(everyByte);
    full.trailerText = "Lumidex project \u00a9";

    Project most = fresh;
    most.setPageCount(MaxPages);
    for (int n = 2; n <= MaxPages; ++n) {
        most.page(n) = most.page(1);
        most.page(n).text(PageText::Notes) = NewPageNotes;
    }

    const bool ok = write(folder, "new.lmx", fresh) && write(folder, "full.lmx", full) &&
                    write(folder, "most_pages.lmx", most);
    return ok ? 0 : 1;
}

// Any bytes given to the project reader: it must never crash, and a project it accepts must
// come back unchanged from a save and a reopen. The file holds texts one byte per character
// and numbers bit for bit, so writing what was read gives back exactly the bytes it was read
// from (anything after the trailer aside).

#include "7-project/projectfile.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

using namespace lumidex;

// Project::operator== compares floats by value, and a NaN a damaged file holds equals nothing.
bool samePage(const PageRecord &a, const PageRecord &b)
{
    const auto bits = [](float f) { return std::bit_cast<std::uint32_t>(f); };
    return a.texts == b.texts && bits(a.screenWidth) == bits(b.screenWidth) &&
           bits(a.aspectRatio) == bits(b.aspectRatio) && a.projectorCode == b.projectorCode &&
           a.screenPosition == b.screenPosition &&
           bits(a.placementAngle) == bits(b.placementAngle) && a.widthUnit == b.widthUnit &&
           a.heightUnit == b.heightUnit && a.diagonalUnit == b.diagonalUnit &&
           a.measureUnits == b.measureUnits && a.inputSignal == b.inputSignal &&
           a.throwPoint == b.throwPoint && a.sxgaAspectMode == b.sxgaAspectMode;
}

bool sameProject(const Project &a, const Project &b)
{
    return a.pageCount() == b.pageCount() && a.trailerText == b.trailerText &&
           std::equal(a.pages.begin(), a.pages.end(), b.pages.begin(), samePage);
}

[[noreturn]] void mismatch(const char *what)
{
    std::fprintf(stderr, "projectreader_fuzz: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const std::optional<Project> project = decodeProject(bytes);
    if (!project)
        return 0;
    if (unsavableReason(*project))
        mismatch("a project that was read cannot be saved");
    const std::vector<std::uint8_t> written = encodeProject(*project);
    if (written.size() > size || !std::equal(written.begin(), written.end(), data))
        mismatch("the saved bytes differ from the bytes read");
    std::string error;
    const std::optional<Project> reopened = decodeProject(written, &error);
    if (!reopened)
        mismatch(("a saved project does not reopen: " + error).c_str());
    if (!sameProject(*project, *reopened))
        mismatch("the reopened project differs from the one saved");
    return 0;
}

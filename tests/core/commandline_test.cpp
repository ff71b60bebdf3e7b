#include "9-session/commandline.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

using namespace lumidex;

namespace {

struct SwitchCase
{
    const char *name;
    const char *commandLine;
    Unit units;
    bool tipsOff;
    bool expert;
};

class Switches : public testing::TestWithParam<SwitchCase>
{};

TEST_P(Switches, AreFoundAnywhereCaseSensitively)
{
    const SwitchCase &c = GetParam();
    const StartOptions o = parseSwitches(c.commandLine);
    EXPECT_EQ(o.units, c.units);
    EXPECT_EQ(o.tipsOff, c.tipsOff);
    EXPECT_EQ(o.expertMode, c.expert);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Switches,
    testing::Values(SwitchCase{"none", "", Unit::Inches, false, false},
                    SwitchCase{"feetUpper", "/mF", Unit::Feet, false, false},
                    SwitchCase{"feetLower", "/mf", Unit::Feet, false, false},
                    SwitchCase{"metric", "/mM", Unit::Millimetres, false, false},
                    SwitchCase{"inchesExplicit", "/mi", Unit::Inches, false, false},
                    SwitchCase{"mxIsInchesNotExpert", "/mx", Unit::Inches, false, false},
                    SwitchCase{"blankAfterM", "/m /x", Unit::Inches, false, true},
                    SwitchCase{"mAtEnd", "/t /m", Unit::Inches, true, false},
                    SwitchCase{"runTogether", "/x/t/mm", Unit::Millimetres, true, true},
                    SwitchCase{"upperCaseSwitchesIgnored", "/MF /T /X", Unit::Inches, false,
                               false}),
    [](const auto &info) { return std::string(info.param.name); });

struct ArgumentCase
{
    const char *name;
    std::vector<std::string> arguments; // "@" stands for a folder holding room.lmx, t.txt, mmx/
    const char *project;                // nullptr: none
    Unit units;
    bool tipsOff;
    bool expert;
};

class Arguments : public testing::TestWithParam<ArgumentCase>
{};

// A path is never switch text: "/t" of "/trips", "/mm" of a folder "mmx", "/x" of "/xtra".
TEST_P(Arguments, ProjectArgumentsAreNotSearchedForSwitches)
{
    const ArgumentCase &c = GetParam();
    const auto dir =
        std::filesystem::temp_directory_path() / ("lumidex-args-" + std::string(c.name));
    std::filesystem::create_directories(dir / "mmx");
    std::ofstream(dir / "room.lmx") << "";
    std::ofstream(dir / "t.txt") << "";
    const auto expand = [&](std::string text) {
        if (const auto at = text.find('@'); at != std::string::npos)
            text.replace(at, 1, dir.string());
        return text;
    };
    std::vector<std::string> args;
    for (const std::string &a : c.arguments)
        args.push_back(expand(a));

    const StartOptions o = parseArguments(args);
    std::filesystem::remove_all(dir);
    EXPECT_EQ(o.projectFile, c.project ? std::optional(expand(c.project)) : std::nullopt);
    EXPECT_EQ(o.units, c.units);
    EXPECT_EQ(o.tipsOff, c.tipsOff);
    EXPECT_EQ(o.expertMode, c.expert);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Arguments,
    testing::Values(
        ArgumentCase{"existingProjectWithSwitch",
                     {"@/room.lmx", "/mf"},
                     "@/room.lmx",
                     Unit::Feet,
                     false,
                     false},
        ArgumentCase{
            "missingProject", {"/trips/gone.lmx"}, "/trips/gone.lmx", Unit::Inches, false, false},
        ArgumentCase{
            "upperCaseExtension", {"/xtra/GONE.LMX"}, "/xtra/GONE.LMX", Unit::Inches, false, false},
        ArgumentCase{"existingFolder", {"@/mmx"}, "@/mmx", Unit::Inches, false, false},
        ArgumentCase{"existingOtherFile", {"/x", "@/t.txt"}, "@/t.txt", Unit::Inches, false, true},
        ArgumentCase{"firstProjectOpensOthersIgnored",
                     {"@/room.lmx", "/xtra/b.lmx", "/t"},
                     "@/room.lmx",
                     Unit::Inches,
                     true,
                     false},
        ArgumentCase{
            "missingOtherPathIsSwitchText", {"/nowhere/x"}, nullptr, Unit::Inches, false, true}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

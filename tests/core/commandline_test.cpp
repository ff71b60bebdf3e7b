#include "app/commandline.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

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

TEST(Arguments, ProjectFileIsOpenedAndNotSearchedForSwitches)
{
    const auto dir = std::filesystem::temp_directory_path() / "lumidex-cmdline-test" / "t" / "x";
    std::filesystem::create_directories(dir);
    const auto project = dir / "room.lmx";
    std::ofstream(project) << "";

    const std::vector<std::string> args{project.string(), "/mf"};
    const StartOptions o = parseArguments(args);
    ASSERT_TRUE(o.projectFile);
    EXPECT_EQ(*o.projectFile, project.string());
    EXPECT_EQ(o.units, Unit::Feet);
    EXPECT_FALSE(o.tipsOff);
    EXPECT_FALSE(o.expertMode);
    std::filesystem::remove_all(dir.parent_path().parent_path());
}

TEST(Arguments, MissingProjectFileIsOnlyText)
{
    const std::vector<std::string> args{"/nowhere/x.lmx"};
    const StartOptions o = parseArguments(args);
    EXPECT_FALSE(o.projectFile);
    EXPECT_TRUE(o.expertMode); // the text contains /x, as any other text would
}

} // namespace

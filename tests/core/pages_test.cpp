#include "app/session.h"
#include "scripteddialogs.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace lumidex;
using lumidex::fakes::ScriptedDialogs;

namespace {

class PagesTest : public ::testing::Test
{
protected:
    PagesTest() { session.screenWindow().calc(); }

    ~PagesTest() override { std::filesystem::remove_all(folder); }

    ThrowWindow &window() { return session.throwWindow(); }
    InstallationState &state() { return session.state(); }

    std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("lumidex-pages-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    ScriptedDialogs dialogs;
    Session session{dialogs, StartOptions{Unit::Inches, false, true, {}}};
};

TEST_F(PagesTest, BackOnTheFirstPageChangesNothing)
{
    window().setTitleText(PageText::Title, "Lecture hall");
    window().pageButton(0);
    EXPECT_EQ(window().currentPage(), 1);
    EXPECT_EQ(window().pageCount(), 1);
    EXPECT_EQ(window().project().page(1).text(PageText::Title), "Lecture hall");
}

TEST_F(PagesTest, ForwardOnTheLastPageStartsACopyWithItsOwnNote)
{
    window().selectLens(Model::LX460, 1);
    window().setTitleText(PageText::Title, "Room A");
    window().pageButton(1);
    EXPECT_EQ(window().currentPage(), 2);
    EXPECT_EQ(window().pageCount(), 2);
    EXPECT_EQ(window().notes(), " New Page");
    EXPECT_EQ(window().titleText(PageText::Title), "Room A");
    EXPECT_TRUE(state().selection == Selection::dataProjector(Model::LX460, 1));
}

TEST_F(PagesTest, EachPageKeepsItsOwnInstallation)
{
    window().selectLens(Model::LX460, 0);
    window().pageButton(1);
    window().selectSeries(Series::CR7100);
    dialogs.answers.push_back("-5");
    window().selectPosition(3);
    window().setTitleText(PageText::Title, "Second");
    window().pageButton(0);
    EXPECT_TRUE(state().selection == Selection::dataProjector(Model::LX460, 0));
    EXPECT_NE(window().titleText(PageText::Title), "Second");
    window().pageButton(1);
    EXPECT_TRUE(state().selection == Selection::crt(Series::CR7100));
    EXPECT_TRUE(state().customAngleActive);
    EXPECT_DOUBLE_EQ(state().throwAngle, -5.0);
    EXPECT_EQ(window().titleText(PageText::Title), "Second");
    EXPECT_EQ(dialogs.prompts.size(), 1u); // the restored angle asks nothing
}

TEST_F(PagesTest, ScreenCalculatorShowsTheRatioOfThePageShown)
{
    window().pageButton(1);
    dialogs.answers.push_back("1.5");
    session.screenWindow().selectPreset(CustomPreset);
    session.screenWindow().calc();
    window().pageButton(0);
    EXPECT_EQ(session.screenWindow().checkedPreset(), 0);
    EXPECT_EQ(session.screenWindow().aspectCaption(), "1.33:1");
    window().pageButton(1);
    EXPECT_EQ(session.screenWindow().checkedPreset(), CustomPreset);
    EXPECT_EQ(session.screenWindow().aspectCaption(), "1.50:1");
    EXPECT_EQ(state().screen.aspect, 1.5f);
}

TEST_F(PagesTest, NinetyNinePagesAtMost)
{
    for (int i = 0; i < 120; ++i)
        window().pageButton(1);
    EXPECT_EQ(window().currentPage(), 99);
    EXPECT_EQ(window().pageCount(), 99);
}

TEST_F(PagesTest, ScrollingPastTheLastPageAddsOnePage)
{
    window().pageButton(1);
    window().pageScroll(5);
    EXPECT_EQ(window().pageCount(), 3);
    EXPECT_EQ(window().currentPage(), 3);
    window().pageScroll(1);
    EXPECT_EQ(window().currentPage(), 1);
}

TEST_F(PagesTest, SaveAsThenSaveWritesSilentlyAndOpenRestores)
{
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "hall.lmx").string();
    window().selectLens(Model::LX550, 3); // a fixed lens writes no note of its own
    window().setTitleText(PageText::Title, "Aula \u00e9t\u00e9");
    dialogs.fileNames.push_back(path);
    window().saveProject(); // no name yet: asks
    EXPECT_EQ(window().caption(), "hall.lmx");
    window().setTitleText(PageText::Notes, "second save");
    window().saveProject(); // silently to the same file
    EXPECT_TRUE(dialogs.fileNames.empty());

    window().newProject();
    EXPECT_EQ(window().caption(), "Installation dimensions");
    EXPECT_TRUE(state().selection == Selection::crt(Series::CR7300));
    dialogs.fileNames.push_back(path);
    window().openProject();
    EXPECT_TRUE(state().selection == Selection::dataProjector(Model::LX550, 3));
    EXPECT_EQ(window().titleText(PageText::Title), "Aula \u00e9t\u00e9");
    EXPECT_EQ(window().notes(), "second save");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PagesTest, FailedOpenLeavesTheProjectAsItWas)
{
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "broken.lmx").string();
    std::ofstream(path, std::ios::binary) << std::string("\xff\xff", 2);
    window().setTitleText(PageText::Title, "Keep me");
    window().pageButton(1);
    dialogs.fileNames.push_back(path);
    window().openProject();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialogs.messages[0].text.rfind("Unable to open project to filename: ", 0), 0u);
    EXPECT_EQ(window().pageCount(), 2);
    EXPECT_EQ(window().currentPage(), 2);
    EXPECT_EQ(window().caption(), "Installation Dimensions");
}

TEST_F(PagesTest, OpenThenSaveReproducesTheFileAndNewKeepsTheTrailer)
{
    std::filesystem::create_directories(folder);
    Project stored = lumidex::newProject("01-02-2026");
    stored.page(1).text(PageText::Title) = "Hall";
    stored.page(1).text(PageText::Revision) = "B";
    stored.trailerText = "kept by every save";
    const std::vector<std::uint8_t> bytes = encodeProject(stored);
    const std::string original = (folder / "original.lmx").string();
    std::ofstream(original, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));

    auto read = [](const std::string &path) {
        std::ifstream in(path, std::ios::binary);
        return std::vector<char>(std::istreambuf_iterator<char>(in), {});
    };
    dialogs.fileNames.push_back(original);
    window().openProject();
    const std::string again = (folder / "again.lmx").string();
    dialogs.fileNames.push_back(again);
    window().saveProjectAs();
    EXPECT_EQ(read(again), read(original));

    window().newProject();
    const std::string fresh = (folder / "new.lmx").string();
    dialogs.fileNames.push_back(fresh);
    window().saveProject(); // New forgot the name: asks
    const std::vector<char> saved = read(fresh);
    const std::string tail(saved.end() - 18, saved.end());
    EXPECT_EQ(tail, "kept by every save");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PagesTest, CancelledDialogsForgetTheFileName)
{
    std::filesystem::create_directories(folder);
    dialogs.fileNames.push_back((folder / "a.lmx").string());
    window().saveProjectAs();
    EXPECT_FALSE(window().projectFileName().empty());
    window().openProject(); // cancelled
    EXPECT_TRUE(window().projectFileName().empty());
}

} // namespace

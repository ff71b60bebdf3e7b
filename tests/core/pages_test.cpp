#include "9-session/session.h"
#include "scripteddialogs.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>

using namespace lumidex;
using lumidex::fakes::ScriptedDialogs;

namespace {

class PagesTest : public ::testing::Test
{
protected:
    PagesTest() { session.screenWindow().calc(); }

    ~PagesTest() override { std::filesystem::remove_all(folder); }

    ThrowWindow &window() { return session.throwWindow(); }
    ProjectDocument &document() { return session.document(); }
    InstallationState &state() { return session.state(); }

    // Opens a project whose single page is a fresh one changed by `damage`, as a damaged file
    // may hold it.
    template<typename Damage> void openDamagedPage(Damage damage)
    {
        Project project = lumidex::newProject("01-02-2026");
        damage(project.page(1));
        const std::vector<std::uint8_t> bytes = encodeProject(project);
        std::filesystem::create_directories(folder);
        const std::string path = (folder / "damaged.lmx").string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
        ASSERT_TRUE(document().openProjectFile(path));
    }

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
    document().pageButton(0);
    EXPECT_EQ(document().currentPage(), 1);
    EXPECT_EQ(document().pageCount(), 1);
    EXPECT_EQ(document().project().page(1).text(PageText::Title), "Lecture hall");
}

TEST_F(PagesTest, ForwardOnTheLastPageStartsACopyWithItsOwnNote)
{
    window().selectLens(Model::LX460, 1);
    window().setTitleText(PageText::Title, "Room A");
    document().pageButton(1);
    EXPECT_EQ(document().currentPage(), 2);
    EXPECT_EQ(document().pageCount(), 2);
    EXPECT_EQ(window().notes(), " New Page");
    EXPECT_EQ(window().titleText(PageText::Title), "Room A");
    EXPECT_TRUE(state().inputs.selection == Selection::dataProjector(Model::LX460, 1));
}

TEST_F(PagesTest, EachPageKeepsItsOwnInstallation)
{
    window().selectLens(Model::LX460, 0);
    document().pageButton(1);
    window().selectSeries(Series::CR7100);
    dialogs.answers.push_back("-5");
    window().selectPosition(3);
    window().setTitleText(PageText::Title, "Second");
    document().pageButton(0);
    EXPECT_TRUE(state().inputs.selection == Selection::dataProjector(Model::LX460, 0));
    EXPECT_NE(window().titleText(PageText::Title), "Second");
    document().pageButton(1);
    EXPECT_TRUE(state().inputs.selection == Selection::crt(Series::CR7100));
    EXPECT_TRUE(state().inputs.customAngleActive());
    EXPECT_DOUBLE_EQ(state().results.throwAngle, -5.0);
    EXPECT_EQ(window().titleText(PageText::Title), "Second");
    EXPECT_EQ(dialogs.prompts.size(), 1u); // the restored angle asks nothing
}

TEST_F(PagesTest, ScreenCalculatorShowsTheRatioOfThePageShown)
{
    document().pageButton(1);
    dialogs.answers.push_back("1.5");
    session.screenWindow().selectPreset(CustomPreset);
    session.screenWindow().calc();
    document().pageButton(0);
    EXPECT_EQ(session.screenWindow().checkedPreset(), 0);
    EXPECT_EQ(session.screenWindow().aspectCaption(), "1.33:1");
    document().pageButton(1);
    EXPECT_EQ(session.screenWindow().checkedPreset(), CustomPreset);
    EXPECT_EQ(session.screenWindow().aspectCaption(), "1.50:1");
    EXPECT_EQ(state().screen.aspect, 1.5f);
}

TEST_F(PagesTest, NinetyNinePagesAtMost)
{
    for (int i = 0; i < 120; ++i)
        document().pageButton(1);
    EXPECT_EQ(document().currentPage(), 99);
    EXPECT_EQ(document().pageCount(), 99);
}

TEST_F(PagesTest, ScrollingPastTheLastPageAddsOnePage)
{
    document().pageButton(1);
    document().pageScroll(5);
    EXPECT_EQ(document().pageCount(), 3);
    EXPECT_EQ(document().currentPage(), 3);
    document().pageScroll(1);
    EXPECT_EQ(document().currentPage(), 1);
}

TEST_F(PagesTest, SaveAsThenSaveWritesSilentlyAndOpenRestores)
{
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "hall.lmx").string();
    window().selectLens(Model::LX550, 3); // a fixed lens writes no note of its own
    window().setTitleText(PageText::Title, "Aula \u00e9t\u00e9");
    dialogs.fileNames.push_back(path);
    document().saveProject(); // no name yet: asks
    EXPECT_EQ(document().caption(), "hall.lmx");
    window().setTitleText(PageText::Notes, "second save");
    document().saveProject(); // silently to the same file
    EXPECT_TRUE(dialogs.fileNames.empty());

    document().newProject();
    EXPECT_EQ(document().caption(), "Installation dimensions");
    EXPECT_TRUE(state().inputs.selection == Selection::crt(Series::CR7300));
    dialogs.fileNames.push_back(path);
    document().openProject();
    EXPECT_TRUE(state().inputs.selection == Selection::dataProjector(Model::LX550, 3));
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
    document().pageButton(1);
    dialogs.fileNames.push_back(path);
    document().openProject();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialogs.messages[0].text.rfind("Unable to open project to filename: ", 0), 0u);
    EXPECT_EQ(document().pageCount(), 2);
    EXPECT_EQ(document().currentPage(), 2);
    EXPECT_EQ(document().caption(), "Installation Dimensions");
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
    document().openProject();
    const std::string again = (folder / "again.lmx").string();
    dialogs.fileNames.push_back(again);
    document().saveProjectAs();
    EXPECT_EQ(read(again), read(original));

    document().newProject();
    const std::string fresh = (folder / "new.lmx").string();
    dialogs.fileNames.push_back(fresh);
    document().saveProject(); // New forgot the name: asks
    const std::vector<char> saved = read(fresh);
    const std::string tail(saved.end() - 18, saved.end());
    EXPECT_EQ(tail, "kept by every save");
    EXPECT_TRUE(dialogs.messages.empty());
}

// A cancelled Open or Save As leaves the project bound to its file, unmodified or not.
TEST_F(PagesTest, CancelledDialogsKeepTheProjectBound)
{
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "site1.lmx").string();
    dialogs.fileNames.push_back(path);
    ASSERT_TRUE(document().saveProjectAs());
    window().setTitleText(PageText::Title, "changed");
    document().openProject();                 // cancelled
    EXPECT_FALSE(document().saveProjectAs()); // cancelled
    EXPECT_EQ(document().projectFileName(), path);
    EXPECT_EQ(document().projectName(), "site1.lmx");
    EXPECT_TRUE(document().saveProject()); // no dialog: the file it belongs to
    EXPECT_EQ(openProjectFile(path, nullptr)->page(1).text(PageText::Title), "changed");
}

struct ExtensionCase
{
    const char *name;
    std::string typed;
    std::string saved;
};

class TypedName : public PagesTest, public ::testing::WithParamInterface<ExtensionCase>
{};

TEST_P(TypedName, GetsTheProjectExtensionOnlyWithoutAny)
{
    std::filesystem::create_directories(folder);
    dialogs.fileNames.push_back((folder / GetParam().typed).string());
    ASSERT_TRUE(document().saveProjectAs());
    EXPECT_EQ(document().projectFileName(), (folder / GetParam().saved).string());
    EXPECT_TRUE(std::filesystem::exists(folder / GetParam().saved));
}

INSTANTIATE_TEST_SUITE_P(Names, TypedName,
                         testing::Values(ExtensionCase{"none", "site1", "site1.lmx"},
                                         ExtensionCase{"project", "site1.lmx", "site1.lmx"},
                                         ExtensionCase{"upperCase", "site1.LMX", "site1.LMX"},
                                         ExtensionCase{"another", "site1.txt", "site1.txt"},
                                         ExtensionCase{"hidden", ".site1", ".site1"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(PagesTest, AnExtendedNameThatExistsIsReplacedOnlyWhenConfirmed)
{
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "site1.lmx") << "another project";
    dialogs.confirmAnswer = false;
    dialogs.fileNames.push_back((folder / "site1").string());
    EXPECT_FALSE(document().saveProjectAs());
    ASSERT_EQ(dialogs.confirmations.size(), 1u);
    EXPECT_EQ(std::filesystem::file_size(folder / "site1.lmx"), 15u);
}

struct SignalCase
{
    const char *name;
    std::int16_t stored; // 1-based, as the page keeps it
    int shown;           // the list entry the window shows
};

class DamagedSignal : public PagesTest, public ::testing::WithParamInterface<SignalCase>
{};

// The LX-450 lists two input signals; a signal outside them takes the first.
TEST_P(DamagedSignal, OutsideTheListTakesTheFirst)
{
    openDamagedPage([](PageRecord &page) {
        page.projectorCode = projectorCodeOf(Selection::dataProjector(Model::LX450, 0));
        page.inputSignal = GetParam().stored;
    });
    ASSERT_EQ(window().inputSignals().size(), 2u);
    EXPECT_EQ(window().inputSignalIndex(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Signals, DamagedSignal,
                         testing::Values(SignalCase{"second", 2, 1}, SignalCase{"zero", 0, 0},
                                         SignalCase{"negative", -2, 0},
                                         SignalCase{"pastTheList", 3, 0},
                                         SignalCase{"largest", 32767, 0}),
                         [](const auto &info) { return std::string(info.param.name); });

struct RatioCase
{
    const char *name;
    float stored;
    float shown;
};

class DamagedRatio : public PagesTest, public ::testing::WithParamInterface<RatioCase>
{};

// The DX-520 takes any ratio and width, so what the page's ratio becomes is all that shows.
TEST_P(DamagedRatio, OutsideTheAcceptedRangeTakesFourByThree)
{
    openDamagedPage([](PageRecord &page) {
        page.projectorCode = projectorCodeOf(Selection::dataProjector(Model::DX520, 1));
        page.aspectRatio = GetParam().stored;
    });
    const ScreenState &s = state().screen;
    EXPECT_EQ(s.aspect, GetParam().shown);
    EXPECT_NEAR(s.width, s.height * s.aspect, 1e-4 * s.width);
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, DamagedRatio,
    testing::Values(RatioCase{"narrowestKept", 0.01f, 0.01f},
                    RatioCase{"widestKept", 100.0f, 100.0f}, RatioCase{"tiny", 1e-30f, 4.0f / 3.0f},
                    RatioCase{"tooNarrow", 0.005f, 4.0f / 3.0f},
                    RatioCase{"huge", 1e30f, 4.0f / 3.0f}, RatioCase{"zero", 0.0f, 4.0f / 3.0f},
                    RatioCase{"noNumber", std::numeric_limits<float>::quiet_NaN(), 4.0f / 3.0f}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

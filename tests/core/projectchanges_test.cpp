// A project knows its unsaved changes: what makes it modified, what settles it, and the
// commands that must not drop changes without asking.

#include "9-session/session.h"
#include "scripteddialogs.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

using namespace lumidex;
using lumidex::fakes::ScriptedDialogs;
namespace fs = std::filesystem;

namespace {

class ProjectChanges : public ::testing::Test
{
protected:
    ProjectChanges()
    {
        session.screenWindow().calc(); // "&Layout"
        fs::create_directories(folder);
    }
    ~ProjectChanges() override { fs::remove_all(folder); }

    ThrowWindow &window() { return session.throwWindow(); }
    ProjectDocument &document() { return session.document(); }

    std::string savedProject(int pages)
    {
        Project p = newProject("01-02-2026");
        p.setPageCount(pages);
        for (int n = 2; n <= pages; ++n) {
            p.page(n) = p.page(1);
            p.page(n).text(PageText::Title) = "page " + std::to_string(n);
        }
        const std::string path = (folder / "site.lmx").string();
        std::string error;
        EXPECT_TRUE(saveProjectFile(path, p, &error)) << error;
        return path;
    }

    static std::string bytesOf(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    ScriptedDialogs dialogs;
    Session session{dialogs, StartOptions{Unit::Inches, false, true, {}}};
    fs::path folder =
        fs::temp_directory_path() /
        ("lumidex-changes-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
};

struct ChangeCase
{
    const char *name;
    std::function<void(ThrowWindow &, ProjectDocument &)> action;
    bool modified;
};

class WhatModifies : public ProjectChanges, public ::testing::WithParamInterface<ChangeCase>
{};

TEST_P(WhatModifies, TheProject)
{
    ASSERT_TRUE(document().openProjectFile(savedProject(3)));
    ASSERT_FALSE(document().modified());
    GetParam().action(window(), document());
    EXPECT_EQ(document().modified(), GetParam().modified);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, WhatModifies,
    testing::Values(
        ChangeCase{"lookingAtThePages",
                   [](ThrowWindow &, ProjectDocument &d) {
                       d.pageScroll(3);
                       d.pageButton(0);
                       d.pageScroll(1);
                   },
                   false},
        ChangeCase{"anotherLens",
                   [](ThrowWindow &w, ProjectDocument &) { w.selectLens(Model::LX460, 0); }, true},
        ChangeCase{"theLensAndBack",
                   [](ThrowWindow &w, ProjectDocument &) {
                       w.selectLens(Model::LX460, 0);
                       w.selectSeries(Series::CR7300);
                   },
                   false},
        ChangeCase{"aTitleOnAnotherPage",
                   [](ThrowWindow &w, ProjectDocument &d) {
                       d.pageScroll(2);
                       w.setTitleText(PageText::Title, "Hall B");
                       d.pageScroll(1);
                   },
                   true},
        ChangeCase{"aNewPage", [](ThrowWindow &, ProjectDocument &d) { d.pageScroll(4); }, true},
        ChangeCase{"theUnits", [](ThrowWindow &w, ProjectDocument &) { w.selectUnits(Unit::Feet); },
                   true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ProjectChanges, PagesLookedAtAreSavedAsTheyWereRead)
{
    const std::string path = savedProject(3);
    const std::string before = bytesOf(path);
    ASSERT_TRUE(document().openProjectFile(path));
    document().pageScroll(2);
    document().pageScroll(3);
    ASSERT_TRUE(document().saveProject());
    EXPECT_EQ(bytesOf(path), before);
}

// New and Open settle the changes of the project they replace.
struct SettleCase
{
    const char *name;
    SaveChoice answer;
    bool saveFails;
    bool replaced;
};

class SettlingChanges : public ProjectChanges, public ::testing::WithParamInterface<SettleCase>
{};

TEST_P(SettlingChanges, BeforeNewProject)
{
    const SettleCase &c = GetParam();
    window().selectLens(Model::LX460, 0);
    document().pageButton(1);
    dialogs.saveAnswer = c.answer;
    dialogs.fileNames.push_back(
        (folder / (c.saveFails ? "no such folder/a.lmx" : "a.lmx")).string());
    document().newProject();
    EXPECT_EQ(dialogs.saveQuestions, std::vector<std::string>{"Untitled"});
    EXPECT_EQ(document().pageCount(), c.replaced ? 1 : 2);
    EXPECT_EQ(document().modified(), !c.replaced);
    EXPECT_EQ(fs::exists(folder / "a.lmx"), c.answer == SaveChoice::Save && !c.saveFails);
}

INSTANTIATE_TEST_SUITE_P(Answers, SettlingChanges,
                         testing::Values(SettleCase{"saved", SaveChoice::Save, false, true},
                                         SettleCase{"saveFails", SaveChoice::Save, true, false},
                                         SettleCase{"discarded", SaveChoice::Discard, false, true},
                                         SettleCase{"cancelled", SaveChoice::Cancel, false, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ProjectChanges, OpenAsksOnlyAboutChanges)
{
    const std::string path = savedProject(2);
    dialogs.fileNames.push_back(path);
    document().openProject();
    EXPECT_TRUE(dialogs.saveQuestions.empty());
    window().setTitleText(PageText::Author, "Kim");
    dialogs.saveAnswer = SaveChoice::Cancel;
    dialogs.fileNames.push_back(path);
    document().openProject();
    EXPECT_EQ(dialogs.saveQuestions, std::vector<std::string>{"site.lmx"});
    EXPECT_EQ(window().titleText(PageText::Author), "Kim");
    EXPECT_EQ(dialogs.fileNames.size(), 1u); // the file dialog was not shown
}

// Delete Page shows the next page, or the previous one after the last.
struct DeleteCase
{
    const char *name;
    int pages;
    int shown;
    bool confirmed;
    int pagesAfter;
    std::string titleAfter;
};

class DeletePage : public ProjectChanges, public ::testing::WithParamInterface<DeleteCase>
{};

TEST_P(DeletePage, ShowsTheNextPage)
{
    const DeleteCase &c = GetParam();
    ASSERT_TRUE(document().openProjectFile(savedProject(c.pages)));
    document().pageScroll(c.shown);
    dialogs.confirmAnswer = c.confirmed;
    document().deletePage();
    EXPECT_EQ(document().pageCount(), c.pagesAfter);
    EXPECT_EQ(window().titleText(PageText::Title), c.titleAfter);
    EXPECT_EQ(document().modified(), c.pagesAfter != c.pages);
}

INSTANTIATE_TEST_SUITE_P(Pages, DeletePage,
                         testing::Values(DeleteCase{"middle", 3, 2, true, 2, "page 3"},
                                         DeleteCase{"last", 3, 3, true, 2, "page 2"},
                                         DeleteCase{"declined", 3, 2, false, 3, "page 2"},
                                         DeleteCase{"theOnlyPageStays", 1, 1, true, 1,
                                                    std::string(NewProjectTitle)}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ProjectChanges, CharactersAFileCannotHoldAreNamedBeforeSaving)
{
    document().pageButton(1);
    window().setTitleText(PageText::Notes, "Hall ✓");
    const std::string path = (folder / "a.lmx").string();
    dialogs.fileNames.push_back(path);
    dialogs.confirmAnswer = false;
    EXPECT_FALSE(document().saveProjectAs());
    ASSERT_EQ(dialogs.confirmations.size(), 1u);
    EXPECT_NE(dialogs.confirmations[0].find("Page 2 holds"), std::string::npos);
    EXPECT_FALSE(fs::exists(path));
    dialogs.confirmAnswer = true;
    dialogs.fileNames.push_back(path);
    EXPECT_TRUE(document().saveProjectAs());
    EXPECT_EQ(openProjectFile(path, nullptr)->page(2).text(PageText::Notes), "Hall ?");
    // After the save the window shows what the file holds, and that is the saved project.
    EXPECT_EQ(window().titleText(PageText::Notes), "Hall ?");
    EXPECT_FALSE(document().modified());
    EXPECT_TRUE(document().saveProject());
    EXPECT_EQ(dialogs.confirmations.size(), 2u); // nothing left to warn about
}

TEST_F(ProjectChanges, RecoveredChangesBelongToTheirFileAndAreUnsaved)
{
    const std::string path = savedProject(2);
    Project kept = *openProjectFile(path, nullptr);
    kept.page(2).text(PageText::Title) = "changed";
    document().restoreRecovered(kept, path);
    EXPECT_TRUE(document().modified());
    EXPECT_EQ(document().projectName(), "site.lmx");
    ASSERT_TRUE(document().saveProject());
    EXPECT_FALSE(document().modified());
    EXPECT_EQ(openProjectFile(path, nullptr)->page(2).text(PageText::Title), "changed");
}

// Save does not silently write over a file another program saved since it was opened: the
// installer chooses to overwrite it, to save under another name, or to save nothing.
struct ReplacedCase
{
    const char *name;
    ChangedFileChoice answer;
    bool oursInTheFile;  // the project's file holds this project's pages afterwards
    bool savedElsewhere; // under the name given to Save As
};

class ReplacedBehindItsBack : public ProjectChanges,
                              public ::testing::WithParamInterface<ReplacedCase>
{};

TEST_P(ReplacedBehindItsBack, SaveAsksFirst)
{
    const ReplacedCase &c = GetParam();
    const std::string path = savedProject(1);
    ASSERT_TRUE(document().openProjectFile(path));
    window().setTitleText(PageText::Title, "ours");
    EXPECT_TRUE(document().saveProject()); // nothing changed the file yet: no question
    window().setTitleText(PageText::Title, "ours again");
    // Another program saves its own project over the file, as editors do: a new file renamed
    // into place.
    Project theirs = newProject("03-04-2026");
    theirs.page(1).text(PageText::Title) = "theirs";
    std::string error;
    ASSERT_TRUE(saveProjectFile((folder / "other.lmx").string(), theirs, &error)) << error;
    fs::rename(folder / "other.lmx", path);

    dialogs.changedFileAnswer = c.answer;
    const std::string elsewhere = (folder / "ours.lmx").string();
    dialogs.fileNames.push_back(elsewhere);
    EXPECT_EQ(document().saveProject(), c.oursInTheFile || c.savedElsewhere);
    EXPECT_EQ(dialogs.changedFiles, std::vector<std::string>{"site.lmx"});
    EXPECT_EQ(openProjectFile(path, nullptr)->page(1).text(PageText::Title),
              c.oursInTheFile ? "ours again" : "theirs");
    EXPECT_EQ(fs::exists(elsewhere), c.savedElsewhere);
    EXPECT_EQ(document().modified(), !c.oursInTheFile && !c.savedElsewhere);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReplacedBehindItsBack,
    testing::Values(ReplacedCase{"overwrite", ChangedFileChoice::Overwrite, true, false},
                    ReplacedCase{"saveAs", ChangedFileChoice::SaveAs, false, true},
                    ReplacedCase{"cancel", ChangedFileChoice::Cancel, false, false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

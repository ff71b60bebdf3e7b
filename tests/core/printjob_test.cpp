#include "8-print/printerprofile.h"
#include "8-print/printjob.h"
#include "9-session/session.h"
#include "scripteddialogs.h"

#include <gtest/gtest.h>
#include <map>

using namespace lumidex;
using lumidex::fakes::ScriptedDialogs;

namespace {

std::string textOf(const std::vector<SheetElement> &sheet, std::string_view name)
{
    for (const SheetElement &e : sheet) {
        if (e.name == name && e.kind == SheetElementKind::Text)
            return e.text;
    }
    return {};
}

// A printer that keeps, for every job, the page number and title printed on each sheet, and
// a log of the calls in order. It can be told to fail at a given sheet or to be cancelled.
class RecordingPrinter : public Printer
{
public:
    struct Sheet
    {
        int page;
        std::string title;
    };

    std::optional<PrintRequest> choose(int pageCount, int currentPage) override
    {
        log.push_back("dialog " + std::to_string(pageCount) + " " + std::to_string(currentPage));
        return answer;
    }
    void setBusy(bool busy) override { log.push_back(busy ? "busy" : "idle"); }

    bool beginJob() override
    {
        log.push_back("begin");
        jobs.emplace_back();
        return !failBegin;
    }
    bool newSheet() override
    {
        log.push_back("new sheet");
        return true;
    }
    bool drawSheet(const std::vector<SheetElement> &sheet) override
    {
        log.push_back("sheet");
        jobs.back().push_back(
            {std::stoi(textOf(sheet, "txtPageNum(0)")), textOf(sheet, "Text1(10)")});
        return ++sheetsDrawn != failAtSheet;
    }
    bool endJob() override
    {
        log.push_back("end");
        return true;
    }
    void abortJob() override { log.push_back("abort"); }

    std::vector<int> pagesOfJob(std::size_t job) const
    {
        std::vector<int> pages;
        for (const Sheet &s : jobs.at(job))
            pages.push_back(s.page);
        return pages;
    }

    std::optional<PrintRequest> answer;
    bool failBegin = false;
    int failAtSheet = 0; // 1-based; 0 never
    int sheetsDrawn = 0;
    std::vector<std::vector<Sheet>> jobs;
    std::vector<std::string> log;
};

class MemoryProfile : public ProfileStore
{
public:
    std::string read(std::string_view, std::string_view, std::size_t size) override
    {
        ++reads;
        return entry.substr(0, size - 1);
    }
    bool write(std::string_view, std::string_view, std::string_view value) override
    {
        ++writes;
        if (writeFails)
            return false;
        entry = std::string(value);
        return true;
    }

    std::string entry = "Office Laser,cups,Office Laser";
    bool writeFails = false;
    int reads = 0;
    int writes = 0;
};

// A project of three pages titled "page 1" .. "page 3", showing page `shown`.
class PrintCommandTest : public ::testing::Test
{
protected:
    PrintCommandTest()
    {
        session.screenWindow().calc(); // "&Layout"
        for (int page = 1; page <= 3; ++page) {
            if (page > 1)
                document().pageButton(1);
            window().setTitleText(PageText::Title, "page " + std::to_string(page));
        }
    }

    ThrowWindow &window() { return session.throwWindow(); }
    ProjectDocument &document() { return session.document(); }

    void print(const PrintRequest &request)
    {
        printer.answer = request;
        printCommand(document(), printer, profile, dialogs);
    }

    ScriptedDialogs dialogs;
    Session session{dialogs, StartOptions{.units = Unit::Inches,
                                          .tipsOff = false,
                                          .expertMode = true,
                                          .projectFile = {}}};
    RecordingPrinter printer;
    MemoryProfile profile;
};

struct WalkCase
{
    const char *what;
    int shown;
    PrintRequest request;
    std::vector<std::vector<int>> jobs; // the pages of each job's sheets
    int shownAfter;
};

class PrintWalk : public PrintCommandTest, public ::testing::WithParamInterface<WalkCase>
{};

TEST_P(PrintWalk, PrintsThePagesAskedForOneJobPerCopy)
{
    const WalkCase &c = GetParam();
    document().pageScroll(c.shown);
    print(c.request);

    ASSERT_EQ(printer.jobs.size(), c.jobs.size()) << c.what;
    for (std::size_t j = 0; j < c.jobs.size(); ++j) {
        EXPECT_EQ(printer.pagesOfJob(j), c.jobs[j]) << c.what << ", job " << j;
        // Each sheet is the window's state for its own page.
        for (const RecordingPrinter::Sheet &s : printer.jobs[j])
            EXPECT_EQ(s.title, "page " + std::to_string(s.page)) << c.what;
    }
    EXPECT_EQ(document().currentPage(), c.shownAfter) << c.what;
    EXPECT_EQ(window().titleText(PageText::Title), "page " + std::to_string(c.shownAfter));
    EXPECT_TRUE(dialogs.messages.empty()) << c.what;
}

PrintRequest request(PrintRange range, int from = 1, int to = 1, int copies = 1,
                     bool copyPerJob = true, bool lastPageFirst = false)
{
    PrintRequest r;
    r.lastPageFirst = lastPageFirst;
    r.range = range;
    r.fromPage = from;
    r.toPage = to;
    r.copies = copies;
    r.copyPerJob = copyPerJob;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Requests, PrintWalk,
    ::testing::Values(
        WalkCase{"all pages", 1, request(PrintRange::All), {{1, 2, 3}}, 3},
        WalkCase{"selection is the page shown", 2, request(PrintRange::Selection), {{2}}, 2},
        WalkCase{"range 2..3", 1, request(PrintRange::Pages, 2, 3), {{2, 3}}, 3},
        WalkCase{"range given backwards", 1, request(PrintRange::Pages, 3, 2), {{2, 3}}, 3},
        WalkCase{"range past the last page", 3, request(PrintRange::Pages, 2, 9), {{2, 3}}, 3},
        WalkCase{"two copies are two jobs",
                 2,
                 request(PrintRange::All, 1, 1, 2),
                 {{1, 2, 3}, {1, 2, 3}},
                 3},
        WalkCase{"copies into one file follow each other",
                 1,
                 request(PrintRange::Pages, 1, 2, 2, false),
                 {{1, 2, 1, 2}},
                 2},
        WalkCase{"reverse: each copy last page first",
                 1,
                 request(PrintRange::Pages, 2, 3, 2, true, true),
                 {{3, 2}, {3, 2}},
                 2}),
    [](const auto &info) { return "case" + std::to_string(info.index); });

TEST_F(PrintCommandTest, SheetsFollowOnePerPageWithinAJob)
{
    document().pageScroll(1);
    print(request(PrintRange::All));
    const std::vector<std::string> expected{"dialog 3 1", "busy",  "begin",     "sheet",
                                            "new sheet",  "sheet", "new sheet", "sheet",
                                            "end",        "idle"};
    EXPECT_EQ(printer.log, expected);
}

// A title typed on the page shown and not yet stored is printed, and kept.
TEST_F(PrintCommandTest, UnstoredEditsOfThePageShownArePrinted)
{
    document().pageScroll(1);
    window().setTitleText(PageText::Title, "page 1");
    window().setTitleText(PageText::Author, "typed just now");
    print(request(PrintRange::All));
    document().pageScroll(1);
    EXPECT_EQ(window().titleText(PageText::Author), "typed just now");
}

TEST_F(PrintCommandTest, CancelledDialogPrintsNothingAndKeepsThePage)
{
    document().pageScroll(2);
    printer.answer = std::nullopt;
    printCommand(document(), printer, profile, dialogs);
    EXPECT_EQ(printer.log, std::vector<std::string>{"dialog 3 2"});
    EXPECT_EQ(document().currentPage(), 2);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(profile.reads, 0);
}

struct FailureCase
{
    const char *what;
    bool failBegin;
    int failAtSheet;
    std::vector<std::string> tail; // the log's last entries
    int shownAfter;
};

class PrintFailure : public PrintCommandTest, public ::testing::WithParamInterface<FailureCase>
{};

// Any failure says "Print Error" once, closes the job it had begun and leaves the window on a
// page it shows in full.
TEST_P(PrintFailure, EndsCleanlyWithOneMessage)
{
    const FailureCase &c = GetParam();
    document().pageScroll(1);
    printer.failBegin = c.failBegin;
    printer.failAtSheet = c.failAtSheet;
    print(request(PrintRange::All, 1, 1, 2));

    ASSERT_EQ(dialogs.messages.size(), 1u) << c.what;
    EXPECT_EQ(dialogs.messages[0].text, "Print Error");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(dialogs.messages[0].title, "Lumidex");
    const std::vector<std::string> tail(printer.log.end() - std::ptrdiff_t(c.tail.size()),
                                        printer.log.end());
    EXPECT_EQ(tail, c.tail) << c.what;
    EXPECT_EQ(std::count(printer.log.begin(), printer.log.end(), "begin"), 1) << c.what;
    EXPECT_EQ(document().currentPage(), c.shownAfter);
    EXPECT_EQ(window().titleText(PageText::Title), "page " + std::to_string(c.shownAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PrintFailure,
    ::testing::Values(FailureCase{"printer refuses the job", true, 0, {"begin", "idle"}, 1},
                      FailureCase{"second sheet fails", false, 2, {"sheet", "abort", "idle"}, 2}),
    [](const auto &info) { return "case" + std::to_string(info.index); });

// The default printer check runs after the dialog and before the first sheet; a failed write
// back is told once and the sheets still print.
TEST_F(PrintCommandTest, FaxModemEntryIsWrittenBackBeforeTheSheets)
{
    profile.entry = "Office FAXMODEM,drv,COM1:";
    profile.writeFails = true;
    print(request(PrintRange::Selection));

    EXPECT_EQ(profile.writes, 1);
    EXPECT_EQ(profile.entry, "Office FAXMODEM,drv,COM1:");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Problem detected");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialogs.messages[0].text, "Could not restore your default printer.\r\n"
                                        "Please do so manually via the Control Panel");
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].size(), 1u);
}

TEST_F(PrintCommandTest, OrdinaryPrinterEntryIsLeftAlone)
{
    print(request(PrintRange::Selection));
    EXPECT_EQ(profile.reads, 1);
    EXPECT_EQ(profile.writes, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace

#include "3-catalogue/catalogue.h"
#include "9-session/help.h"

#include <gtest/gtest.h>
#include <set>

using namespace lumidex;

namespace {

TEST(HelpPath, HasExactlyOneSeparatorBeforeTheFolder)
{
    EXPECT_EQ(helpFolderPath("/opt/lumidex/bin"), "/opt/lumidex/bin/help");
    EXPECT_EQ(helpFolderPath("/opt/lumidex/bin/"), "/opt/lumidex/bin/help");
    EXPECT_EQ(helpFolderPath("/"), "/help");
}

TEST(HelpPath, InstalledProgramLooksInItsDataFolderToo)
{
    const auto folders = helpFolderCandidates("/usr/local/bin");
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0], "/usr/local/bin/help");
    EXPECT_EQ(folders[1], "/usr/local/share/lumidex/help");
}

TEST(HelpPath, RequestsOpenTopicOrContents)
{
    EXPECT_EQ(helpFileName(HelpRequest::topic(12)), "12.html");
    EXPECT_EQ(helpFileName(HelpRequest::contents()), "index.html");
}

TEST(HelpTopics, EveryContextIdHasAPageListedInTheContents)
{
    const auto topics = helpTopics();
    std::set<int> ids;
    for (const HelpTopic &t : topics)
        ids.insert(t.id);
    std::set<int> wanted{0, HelpTechnicalSupport, HelpBrightnessSeating};
    for (const SeriesEntry &s : crtSeries())
        wanted.insert(s.helpId);
    for (const ModelEntry &m : dataProjectors())
        wanted.insert(m.helpId);
    EXPECT_EQ(ids, wanted);
    for (int id : {501, 503, 504, 505, 506, 507, 508, 510, 511, 512, 513, 514, 515, 516, 517})
        EXPECT_TRUE(ids.count(id)) << id;

    const std::string &contents = topics.front().html;
    for (const HelpTopic &t : topics) {
        if (t.id != 0) {
            EXPECT_NE(contents.find("href=\"" + t.fileName + "\""), std::string::npos) << t.id;
        }
    }
}

TEST(HelpTopics, ModelPagesListTheirLenses)
{
    const auto topics = helpTopics();
    for (const ModelEntry &m : dataProjectors()) {
        const auto page = std::find_if(topics.begin(), topics.end(),
                                       [&](const HelpTopic &t) { return t.id == m.helpId; });
        ASSERT_NE(page, topics.end());
        for (const LensEntry &lens : m.lenses) {
            std::string caption(lens.caption);
            // Captions with a quote are escaped in the page.
            if (caption.find('"') == std::string::npos) {
                EXPECT_NE(page->html.find(caption), std::string::npos) << caption;
            }
        }
    }
}

} // namespace

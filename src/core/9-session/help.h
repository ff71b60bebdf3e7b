#pragma once

// Help topics are HTML pages in a "help" folder beside the program, one per context id, plus
// a contents page. Windows ask for a topic by id, or for the contents.

#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

inline constexpr int HelpTechnicalSupport = 12;
inline constexpr int HelpBrightnessSeating = 20;
inline constexpr std::string_view HelpFolderName = "help";
inline constexpr std::string_view HelpContentsFile = "index.html";

enum class HelpCommand
{
    Context = 1,
    Finder = 11
};

struct HelpRequest
{
    HelpCommand command = HelpCommand::Finder;
    int contextId = 0;

    static HelpRequest contents() { return {HelpCommand::Finder, 0}; }
    static HelpRequest topic(int id) { return {HelpCommand::Context, id}; }
};

// The help folder: the program folder, exactly one separator, then "help".
std::string helpFolderPath(std::string_view programFolder);

// Where help is looked for: beside the program (a build), then in the installed data folder
// (bin/../share/lumidex/help). The first that exists is used.
std::vector<std::string> helpFolderCandidates(std::string_view programFolder);

// The page a request opens inside the help folder ("12.html", or the contents page).
std::string helpFileName(const HelpRequest &request);

struct HelpTopic
{
    int id = 0; // 0 for the contents page
    std::string title;
    std::string fileName;
    std::string html;
};

// Every page of the help folder, the contents page first. Model pages are written from the
// catalogue, so they always list the lenses the program offers.
std::vector<HelpTopic> helpTopics();

} // namespace lumidex

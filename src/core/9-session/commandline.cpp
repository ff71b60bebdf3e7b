#include "9-session/commandline.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace lumidex {

StartOptions parseSwitches(std::string_view commandLine)
{
    StartOptions options;
    if (const auto m = commandLine.find("/m");
        m != std::string_view::npos && m + 2 < commandLine.size()) {
        switch (commandLine[m + 2]) {
        case 'f':
        case 'F':
            options.units = Unit::Feet;
            break;
        case 'm':
        case 'M':
            options.units = Unit::Millimetres;
            break;
        default:
            options.units = Unit::Inches;
            break;
        }
    }
    options.tipsOff = commandLine.find("/t") != std::string_view::npos;
    options.expertMode = commandLine.find("/x") != std::string_view::npos;
    return options;
}

bool isProjectFileName(std::string_view name)
{
    if (name.size() < 4)
        return false;
    std::string ext(name.substr(name.size() - 4));
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".lmx";
}

StartOptions parseArguments(std::span<const std::string> arguments)
{
    std::optional<std::string> project;
    std::string commandLine;
    for (const std::string &arg : arguments) {
        std::error_code ec;
        // A dangling link exists too: it names a file the installer meant, not switches.
        const bool exists =
            !arg.empty() && std::filesystem::exists(std::filesystem::symlink_status(arg, ec));
        if (isProjectFileName(arg) || exists) {
            if (!project)
                project = arg;
            continue;
        }
        if (!commandLine.empty())
            commandLine += ' ';
        commandLine += arg;
    }
    StartOptions options = parseSwitches(commandLine);
    options.projectFile = project;
    return options;
}

} // namespace lumidex

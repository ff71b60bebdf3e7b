// Writes the help topics (one HTML page per context id, and the contents page) into the help
// folder beside the program at build time.

#include "9-session/help.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: lumidex-helpgen HELP_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const lumidex::HelpTopic &topic : lumidex::helpTopics()) {
        std::ofstream out(folder / topic.fileName, std::ios::binary | std::ios::trunc);
        out << topic.html;
        if (!out) {
            std::cerr << "lumidex-helpgen: cannot write " << (folder / topic.fileName) << '\n';
            return 1;
        }
    }
    return 0;
}

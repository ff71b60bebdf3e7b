#include "standardstreams.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>

namespace lumidex::cli {

std::optional<std::string> readInput(const std::string &name, std::size_t limit,
                                     ReadFailure &failure)
{
    if (!isStandardStream(name))
        return readRegularFile(name, limit, BeyondLimit::Refuse, failure);
    std::string text;
    char buffer[65536];
    while (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(std::cin.gcount()));
        if (text.size() > limit) {
            failure = {EFBIG, std::strerror(EFBIG)};
            return std::nullopt;
        }
    }
    if (std::cin.bad()) {
        failure = {EIO, std::strerror(EIO)};
        return std::nullopt;
    }
    return text;
}

bool writeStandardOutput(std::string_view bytes)
{
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
    return static_cast<bool>(std::cout);
}

} // namespace lumidex::cli

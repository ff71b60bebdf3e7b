#include "inputfile.h"

#include "7-project/filereading.h"
#include "7-project/projectfile.h"

#include <cerrno>
#include <iostream>

namespace lumidex::cli {
namespace {

std::string tooLarge(const std::string &path, std::string_view contents)
{
    return openFailureMessage(
        path, EFBIG, "The file is larger than 4 MB; " + std::string(contents) + " is far smaller");
}

} // namespace

std::optional<std::string> readStandardInput(std::string_view contents, std::string &failure)
{
    std::string text;
    char chunk[65536];
    while (text.size() <= MaxInputBytes && std::cin.read(chunk, sizeof chunk))
        text.append(chunk, sizeof chunk);
    if (text.size() <= MaxInputBytes)
        text.append(chunk, static_cast<std::size_t>(std::cin.gcount()));
    if (text.size() > MaxInputBytes) {
        failure = tooLarge("-", contents);
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> readInputFile(const std::string &path, std::string_view contents,
                                         std::string &failure)
{
    ReadFailure why;
    std::optional<std::string> text =
        readRegularFile(path, MaxInputBytes, BeyondLimit::Refuse, why);
    if (!text) {
        failure = why.errorNumber == EFBIG
                      ? tooLarge(path, contents)
                      : openFailureMessage(path, why.errorNumber, why.description);
    }
    return text;
}

} // namespace lumidex::cli

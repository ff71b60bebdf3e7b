#include "8-print/printerprofile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

namespace lumidex {

namespace {

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool sameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

bool containsText(std::string_view text, std::string_view word)
{
    const auto found = std::search(text.begin(), text.end(), word.begin(), word.end(),
                                   [](char x, char y) { return lower(x) == lower(y); });
    return found != text.end();
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// One line of the file without its line feed; a carriage return before it stays part of the
// line so that lines written back keep the file's own line ends.
std::vector<std::string> splitLines(const std::string &content)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(content.substr(start));
            break;
        }
        lines.push_back(content.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The section a "[name]" line opens, if the line is one.
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

struct Entry
{
    std::string_view key;
    std::size_t valueStart; // offset of the value in the line
};

// The key of a "key=value" line, if the line is one.
std::optional<Entry> entryOf(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = trimmed(line.substr(0, equals));
    if (key.empty() || key.front() == ';')
        return std::nullopt;
    return Entry{key, equals + 1};
}

bool readFile(const std::string &path, std::string &content)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return false;
    content = std::move(buffer).str();
    return true;
}

// Names and values that would break the line structure cannot be stored.
bool fitsOnALine(std::string_view text)
{
    return text.find_first_of("\r\n") == std::string_view::npos;
}

} // namespace

IniProfileStore::IniProfileStore(std::string path) : m_path(std::move(path)) {}

std::string IniProfileStore::read(std::string_view section, std::string_view key,
                                  std::size_t bufferSize)
{
    std::string content;
    if (bufferSize == 0 || !readFile(m_path, content))
        return {};
    bool inSection = false;
    for (const std::string &line : splitLines(content)) {
        if (const auto name = sectionName(line)) {
            inSection = sameText(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        const auto entry = entryOf(line);
        if (entry && sameText(entry->key, key)) {
            const std::string_view value =
                trimmed(std::string_view(line).substr(entry->valueStart));
            return std::string(value.substr(0, bufferSize - 1));
        }
    }
    return {};
}

bool IniProfileStore::write(std::string_view section, std::string_view key, std::string_view value)
{
    if (trimmed(section).empty() || trimmed(key).empty() || !fitsOnALine(section) ||
        !fitsOnALine(key) || !fitsOnALine(value) || section.find(']') != std::string_view::npos ||
        key.find('=') != std::string_view::npos)
        return false;

    namespace fs = std::filesystem;
    std::error_code error;
    std::string content;
    const bool exists = fs::exists(m_path, error);
    if (error || (exists && !readFile(m_path, content)))
        return false;

    std::vector<std::string> lines = splitLines(content);
    const bool crlf = !lines.empty() && !lines.front().empty() && lines.front().back() == '\r';
    const std::string ending = crlf ? "\r\n" : "\n";

    // Find the entry, or the place after the section's last entry where a new one goes.
    std::optional<std::size_t> sectionEnd;
    bool inSection = false;
    bool replaced = false;
    for (std::size_t i = 0; i < lines.size() && !replaced; ++i) {
        if (const auto name = sectionName(lines[i])) {
            inSection = sameText(*name, section);
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (!trimmed(lines[i]).empty())
            sectionEnd = i + 1;
        const auto entry = entryOf(lines[i]);
        if (entry && sameText(entry->key, key)) {
            // Only the value changes: the key's spelling, the blanks around the value and the
            // line end stay as they were.
            const std::string_view line = lines[i];
            const std::string_view oldValue = trimmed(line.substr(entry->valueStart));
            const std::size_t start = oldValue.empty()
                                          ? entry->valueStart
                                          : static_cast<std::size_t>(oldValue.data() - line.data());
            const std::size_t end = start + oldValue.size();
            lines[i] = std::string(line.substr(0, start)) + std::string(value) +
                       std::string(line.substr(end));
            replaced = true;
        }
    }
    const std::string newEntry = std::string(key) + "=" + std::string(value) + (crlf ? "\r" : "");
    if (!replaced) {
        if (sectionEnd) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), newEntry);
        } else {
            lines.push_back("[" + std::string(section) + "]" + (crlf ? "\r" : ""));
            lines.push_back(newEntry);
        }
    }

    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += lines[i];
        // The last line keeps whatever ending it had; added lines always end a line.
        const bool lastOriginal =
            i + 1 == lines.size() && !content.empty() && content.back() != '\n' && replaced;
        if (!lastOriginal)
            out += '\n';
    }

    // Write beside the profile and rename over it, so readers see either the old or the new file.
    const std::string temp = m_path + ".lumidex-new";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        if (!file)
            return false;
        file.write(out.data(), static_cast<std::streamsize>(out.size()));
        file.close();
        if (!file) {
            fs::remove(temp, error);
            return false;
        }
    }
    fs::rename(temp, m_path, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

PrinterCheck checkDefaultPrinter(ProfileStore &profile)
{
    PrinterCheck check;
    const std::string entry = profile.read("windows", "device", PrinterEntryBuffer);
    if (!containsText(entry, "faxmodem"))
        return check;

    // The buffer may have cut the entry short; writing that back would cut off the driver or
    // port, so read the entry whole first.
    std::string whole = entry;
    for (std::size_t size = PrinterEntryBuffer; whole.size() + 1 == size;) {
        size *= 2;
        whole = profile.read("windows", "device", size);
    }
    check.wrote = true;
    check.failed = !profile.write("windows", "device", whole);
    return check;
}

} // namespace lumidex

#include "8-print/textfit.h"

#include "7-project/projectfile.h"

#include <algorithm>
#include <cmath>

namespace lumidex {
namespace {

// Sizes are tried in quarter points, as fine as a printer's fonts are told apart.
constexpr double Step = 0.25;

// The end of the longest start of `word` that fits `width`, at least one character.
std::size_t fittingPrefix(std::string_view word, double width, double points,
                          const TextMeasure &measure)
{
    std::size_t end = 0;
    std::size_t pos = 0;
    while (pos < word.size()) {
        std::size_t next = pos;
        nextUtf8(word, next);
        if (end > 0 && measure.width(word.substr(0, next), points) > width)
            break;
        end = pos = next;
    }
    return end;
}

std::string withoutTrailingSpaces(std::string line)
{
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

std::vector<std::string> wrap(std::string_view text, double width, double points,
                              const TextMeasure &measure)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t pos = 0;
    // Leading spaces belong to the first line, as the installer typed them.
    while (pos < text.size() && text[pos] == ' ')
        line += text[pos++];
    while (pos < text.size()) {
        const std::size_t wordEnd = std::min(text.find(' ', pos), text.size());
        std::string_view word = text.substr(pos, wordEnd - pos);
        std::size_t spaces = 0;
        while (wordEnd + spaces < text.size() && text[wordEnd + spaces] == ' ')
            ++spaces;
        pos = wordEnd + spaces;

        while (!word.empty()) {
            const std::string joined = line + std::string(word);
            if (measure.width(joined, points) <= width) {
                line = joined;
                break;
            }
            if (line.find_first_not_of(' ') != std::string::npos) {
                lines.push_back(withoutTrailingSpaces(std::move(line))); // the word moves on
                line.clear();
                continue;
            }
            // Wider than the box on its own: as much as fits, the rest on the next line.
            const std::size_t cut =
                fittingPrefix(word, width - measure.width(line, points), points, measure);
            lines.push_back(line + std::string(word.substr(0, cut)));
            line.clear();
            word.remove_prefix(cut);
        }
        if (pos < text.size() && !line.empty())
            line.append(spaces, ' ');
    }
    if (line.find_first_not_of(' ') != std::string::npos || lines.empty())
        lines.push_back(withoutTrailingSpaces(std::move(line)));
    return lines;
}

} // namespace

FittedText fitTextInBox(std::string_view text, double points, double width, double height,
                        const TextMeasure &measure)
{
    const std::string whole(text);
    const double full = measure.width(text, points);
    if (full <= width || text.empty())
        return {points, {whole}, {}};

    // Text grows nearly in proportion to its size: start near the size that fits and walk
    // down to the first that does.
    double size = std::min(points - Step, std::ceil(points * width / full / Step) * Step);
    for (; size >= SmallestFieldPoints; size -= Step) {
        if (measure.width(text, size) <= width)
            return {size, {whole}, {}};
    }
    std::vector<std::string> lines = wrap(text, width, SmallestFieldPoints, measure);
    const double lineHeight = measure.lineHeight(SmallestFieldPoints);
    if (double(lines.size()) * lineHeight <= height)
        return {SmallestFieldPoints, std::move(lines), {}};
    // The box keeps the lines it holds but its last, which says where the rest went; the rest
    // is the text after the lines kept, as typed.
    const auto holds = std::max<std::size_t>(1, std::size_t(std::floor(height / lineHeight)));
    lines.resize(holds - 1);
    std::size_t pos = 0;
    for (const std::string &line : lines)
        pos = text.find(line, pos) + line.size();
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    lines.push_back(translate("TextFit", ContinuedMark));
    return {SmallestFieldPoints, std::move(lines), std::string(text.substr(pos))};
}

} // namespace lumidex

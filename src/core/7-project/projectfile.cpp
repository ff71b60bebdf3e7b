#include "7-project/projectfile.h"

#include "1-state/installationstate.h"
#include "1-state/translation.h"
#include "1-state/units.h"
#include "3-catalogue/catalogue.h"
#include "7-project/filereading.h"
#include "7-project/filereplace.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

namespace lumidex {
namespace {

// Bytes 80-9F of Windows-1252 as characters. The five bytes the code page leaves unassigned
// read as the C1 control of the same number, so that any byte a file holds comes back on save.
// 00-7F and A0-FF are the characters of the same number.
constexpr std::array<char32_t, 32> Windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

// Each page after its texts: two floats, two int16, a float, six int16.
constexpr std::size_t PageNumberBytes = 4 + 4 + 2 + 2 + 4 + 6 * 2;
// The largest file the program can write; a reader never needs more.
constexpr std::size_t MaxProjectBytes =
    2 + MaxPages * (StoredTextCount * (2 + std::size_t{MaxStoredTextLength}) + PageNumberBytes) +
    2 + MaxStoredTextLength;

constexpr std::array<std::string_view, PageTextCount> TextNames{
    LUMIDEX_TRANSLATE_NOOP("ProjectFile", "author"),
    LUMIDEX_TRANSLATE_NOOP("ProjectFile", "date"),
    LUMIDEX_TRANSLATE_NOOP("ProjectFile", "title"),
    LUMIDEX_TRANSLATE_NOOP("ProjectFile", "width text"),
    LUMIDEX_TRANSLATE_NOOP("ProjectFile", "height text"),
    LUMIDEX_TRANSLATE_NOOP("ProjectFile", "approved by"),
    LUMIDEX_TRANSLATE_NOOP("ProjectFile", "approval 2"),
    LUMIDEX_TRANSLATE_NOOP("ProjectFile", "notes"),
    LUMIDEX_TRANSLATE_NOOP("ProjectFile", "revision"),
    LUMIDEX_TRANSLATE_NOOP("ProjectFile", "spare")};

char windows1252ByteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < Windows1252High.size(); ++i) {
        if (Windows1252High[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

// The texts of a project file are Windows-1252 with 16-bit counts; those of a recovery copy
// UTF-8 with 32-bit counts, so that nothing the installer typed is lost.
enum class TextEncoding
{
    Windows1252,
    Utf8
};

constexpr std::string_view RecoveryMark = "LMX-UTF8\n";

class Writer
{
public:
    explicit Writer(TextEncoding encoding = TextEncoding::Windows1252) : m_encoding(encoding) {}

    void int16(std::int16_t v)
    {
        const auto u = static_cast<std::uint16_t>(v);
        m_bytes.push_back(static_cast<std::uint8_t>(u & 0xFF));
        m_bytes.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    void float32(float v)
    {
        const auto u = std::bit_cast<std::uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8)
            m_bytes.push_back(static_cast<std::uint8_t>(u >> shift));
    }
    void text(const std::string &utf8)
    {
        if (m_encoding == TextEncoding::Utf8) {
            const auto u = static_cast<std::uint32_t>(utf8.size());
            for (int shift = 0; shift < 32; shift += 8)
                m_bytes.push_back(static_cast<std::uint8_t>(u >> shift));
            m_bytes.insert(m_bytes.end(), utf8.begin(), utf8.end());
            return;
        }
        std::string bytes = utf8ToWindows1252(utf8);
        if (bytes.size() > static_cast<std::size_t>(MaxStoredTextLength))
            bytes.resize(MaxStoredTextLength);
        int16(static_cast<std::int16_t>(bytes.size()));
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    }
    std::vector<std::uint8_t> take() { return std::move(m_bytes); }

private:
    TextEncoding m_encoding;
    std::vector<std::uint8_t> m_bytes;
};

class Reader
{
public:
    explicit Reader(std::span<const std::uint8_t> bytes,
                    TextEncoding encoding = TextEncoding::Windows1252)
        : m_bytes(bytes), m_encoding(encoding)
    {}

    std::size_t remaining() const { return m_bytes.size() - m_pos; }

    std::optional<std::int16_t> int16()
    {
        if (remaining() < 2)
            return std::nullopt;
        const auto u = static_cast<std::uint16_t>(m_bytes[m_pos] | (m_bytes[m_pos + 1] << 8));
        m_pos += 2;
        return static_cast<std::int16_t>(u);
    }
    std::optional<float> float32()
    {
        if (remaining() < 4)
            return std::nullopt;
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i)
            u |= std::uint32_t{m_bytes[m_pos + static_cast<std::size_t>(i)]} << (8 * i);
        m_pos += 4;
        return std::bit_cast<float>(u);
    }
    // The count is checked against the bytes that remain before anything is allocated, so a
    // damaged count cannot ask for more memory than the file itself occupies.
    std::optional<std::string> text(std::string *why)
    {
        if (m_encoding == TextEncoding::Utf8)
            return utf8Text(why);
        const std::optional<std::int16_t> count = int16();
        if (!count) {
            *why = translate("ProjectFile", "the file ends before the text's length");
            return std::nullopt;
        }
        if (*count < 0) {
            *why = fillIn(translate("ProjectFile", "the text's length is negative (%1)"),
                          std::to_string(*count));
            return std::nullopt;
        }
        const auto n = static_cast<std::size_t>(*count);
        if (n > remaining()) {
            *why =
                fillIn(translate("ProjectFile",
                                 "the text's length is %1 but the file ends after %2 more bytes"),
                       std::to_string(n), std::to_string(remaining()));
            return std::nullopt;
        }
        const auto *first = reinterpret_cast<const char *>(m_bytes.data() + m_pos);
        m_pos += n;
        return windows1252ToUtf8(std::string_view(first, n));
    }

private:
    std::optional<std::string> utf8Text(std::string *why)
    {
        if (remaining() < 4) {
            *why = translate("ProjectFile", "the file ends before the text's length");
            return std::nullopt;
        }
        std::size_t n = 0;
        for (int i = 0; i < 4; ++i)
            n |= std::size_t{m_bytes[m_pos + static_cast<std::size_t>(i)]} << (8 * i);
        m_pos += 4;
        if (n > remaining()) {
            *why =
                fillIn(translate("ProjectFile",
                                 "the text's length is %1 but the file ends after %2 more bytes"),
                       std::to_string(n), std::to_string(remaining()));
            return std::nullopt;
        }
        // Kept byte for byte, as the window held it.
        std::string text(reinterpret_cast<const char *>(m_bytes.data() + m_pos), n);
        m_pos += n;
        return text;
    }

    std::span<const std::uint8_t> m_bytes;
    TextEncoding m_encoding;
    std::size_t m_pos = 0;
};

std::string pageContext(int page)
{
    return fillIn(translate("ProjectFile", "page %1: "), std::to_string(page));
}

bool fail(std::string *error, std::string why)
{
    if (error)
        *error = std::move(why);
    return false;
}

// The numbers of one page in file order, checked as they are read.
bool readPageNumbers(Reader &in, PageRecord &page, int number, std::string *error)
{
    const std::string where = pageContext(number);
    if (in.remaining() < PageNumberBytes)
        return fail(error,
                    where + translate("ProjectFile", "the file ends inside the page's numbers"));
    const auto width = in.float32();
    const auto aspect = in.float32();
    const auto code = in.int16();
    const auto position = in.int16();
    const auto angle = in.float32();
    const auto measure = in.int16();
    const auto height = in.int16();
    const auto widthUnit = in.int16();
    const auto diagonal = in.int16();
    const auto signal = in.int16();
    const auto point = in.int16();

    if (!selectionFromProjectorCode(*code))
        return fail(error,
                    where + fillIn(translate("ProjectFile", "projector code %1 names no projector"),
                                   std::to_string(*code)));
    if (*position < 0 || *position > CustomAnglePosition)
        return fail(error, where + fillIn(translate("ProjectFile",
                                                    "mounting position %1 is outside 0 to 4"),
                                          std::to_string(*position)));
    const std::pair<const char *, std::int16_t> units[] = {
        {LUMIDEX_TRANSLATE_NOOP("ProjectFile", "measurement units"), *measure},
        {LUMIDEX_TRANSLATE_NOOP("ProjectFile", "height unit"), *height},
        {LUMIDEX_TRANSLATE_NOOP("ProjectFile", "width unit"), *widthUnit},
        {LUMIDEX_TRANSLATE_NOOP("ProjectFile", "diagonal unit"), *diagonal}};
    for (const auto &[name, unit] : units) {
        if (unit < 0 || unit > 2)
            return fail(error,
                        where +
                            fillIn(translate("ProjectFile", "%1 %2 is not 0, 1 or 2 (inches, feet, "
                                                            "millimetres)"),
                                   translate("ProjectFile", name), std::to_string(unit)));
    }
    if (*point < 0 || *point > 1)
        return fail(error, where + fillIn(translate("ProjectFile",
                                                    "throw distance point %1 is neither 0 nor 1"),
                                          std::to_string(*point)));

    page.screenWidth = *width;
    page.aspectRatio = *aspect;
    page.projectorCode = *code;
    page.screenPosition = *position;
    page.placementAngle = *angle;
    page.measureUnits = *measure;
    page.heightUnit = *height;
    page.widthUnit = *widthUnit;
    page.diagonalUnit = *diagonal;
    page.inputSignal = *signal;
    page.throwPoint = *point;
    return true;
}

std::string failureMessage(std::string_view lead, std::string_view fileName, int errorNumber,
                           std::string_view description)
{
    // A lone carriage return separates the lines, as the message box expects.
    std::string message = fillIn(std::string(lead), fileName);
    message += '\r';
    message += fillIn(translate("ProjectFile", "Error code: %1"), std::to_string(errorNumber));
    message += '\r';
    message += description;
    return message;
}

// A reason written for the message box's third line.
std::string asSentence(std::string reason)
{
    if (!reason.empty() && reason[0] >= 'a' && reason[0] <= 'z')
        reason[0] = static_cast<char>(reason[0] - 'a' + 'A');
    return reason;
}

std::string platformDescription(int errorNumber)
{
    return std::system_category().message(errorNumber);
}

} // namespace

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// One character from the UTF-8 text at `pos`, advancing past it. A malformed sequence
// (a stray continuation byte, a cut-off or overlong sequence, a surrogate, a value past
// U+10FFFF) gives nothing and advances by one byte, so that it becomes a single "?".
std::optional<char32_t> nextUtf8(std::string_view s, std::size_t &pos)
{
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80)
        return lead;
    int more = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        more = 1;
        c = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        more = 2;
        c = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        more = 3;
        c = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (s.size() - pos < static_cast<std::size_t>(more))
        return std::nullopt;
    for (int i = 0; i < more; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    pos += static_cast<std::size_t>(more);
    return c;
}

Project newProject(const std::string &today)
{
    // The page holds the installation the program starts with; the screen window's own
    // defaults give its numbers, so that a new project and a fresh start agree.
    const InstallationState start;
    PageRecord page;
    page.text(PageText::Author) = NewProjectAuthor;
    page.text(PageText::Date) = today;
    page.text(PageText::Title) = NewProjectTitle;
    page.text(PageText::WidthText) = formatDimension(start.screen.width, Unit::Inches);
    page.text(PageText::HeightText) = formatDimension(start.screen.height, Unit::Inches);
    page.screenWidth = start.screen.width;
    page.aspectRatio = start.screen.aspect;
    page.projectorCode = projectorCodeOf(start.inputs.selection);
    page.screenPosition = static_cast<std::int16_t>(start.inputs.position);
    page.placementAngle = static_cast<float>(start.results.throwAngle);
    page.widthUnit = static_cast<std::int16_t>(start.screen.widthUnit);
    page.heightUnit = static_cast<std::int16_t>(start.screen.heightUnit);
    page.diagonalUnit = static_cast<std::int16_t>(start.screen.diagonalUnit);
    page.measureUnits = static_cast<std::int16_t>(start.screen.displayUnits);
    page.inputSignal = start.inputs.inputSignal;
    page.sxgaAspectMode = start.inputs.sxgaAspectMode;

    Project project;
    project.setPageCount(1);
    project.page(1) = std::move(page);
    return project;
}

std::string utf8ToWindows1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::optional<char32_t> c = nextUtf8(utf8, pos);
        out += c ? windows1252ByteOf(*c) : '?';
    }
    return out;
}

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? Windows1252High[b - 0x80] : char32_t{b});
    }
    return out;
}

namespace {

std::vector<std::uint8_t> encodeWith(Writer out, const Project &project)
{
    const int count = project.pageCount();
    out.int16(static_cast<std::int16_t>(count));
    for (int n = 1; n <= count; ++n) {
        const PageRecord &page = project.page(n);
        for (int t = 0; t < StoredTextCount; ++t)
            out.text(page.texts[static_cast<std::size_t>(t)]);
        out.float32(page.screenWidth);
        out.float32(page.aspectRatio);
        out.int16(page.projectorCode);
        out.int16(page.screenPosition);
        out.float32(page.placementAngle);
        // The units go to the file in this order, not in the record's.
        out.int16(page.measureUnits);
        out.int16(page.heightUnit);
        out.int16(page.widthUnit);
        out.int16(page.diagonalUnit);
        out.int16(page.inputSignal);
        out.int16(page.throwPoint);
    }
    out.text(project.trailerText);
    return out.take();
}

std::optional<Project> decodeWith(Reader in, std::string *error)
{
    const std::optional<std::int16_t> count = in.int16();
    if (!count) {
        fail(error, translate("ProjectFile", "the file ends before its page count"));
        return std::nullopt;
    }
    if (*count < 1 || *count > MaxPages) {
        fail(error,
             fillIn(translate("ProjectFile", "the page count is %1; a project has 1 to %2 pages"),
                    std::to_string(*count), std::to_string(MaxPages)));
        return std::nullopt;
    }

    Project project;
    project.setPageCount(*count);
    std::string why;
    for (int n = 1; n <= *count; ++n) {
        PageRecord &page = project.page(n);
        for (int t = 0; t < StoredTextCount; ++t) {
            std::optional<std::string> text = in.text(&why);
            if (!text) {
                fail(error, pageContext(n) +
                                translate("ProjectFile", TextNames[static_cast<std::size_t>(t)]) +
                                ": " + why);
                return std::nullopt;
            }
            page.texts[static_cast<std::size_t>(t)] = std::move(*text);
        }
        if (!readPageNumbers(in, page, n, error))
            return std::nullopt;
    }
    std::optional<std::string> trailer = in.text(&why);
    if (!trailer) {
        fail(error, fillIn(translate("ProjectFile", "trailer: %1"), why));
        return std::nullopt;
    }
    project.trailerText = std::move(*trailer);
    return project;
}

} // namespace

std::vector<std::uint8_t> encodeProject(const Project &project)
{
    return encodeWith(Writer(), project);
}

std::optional<Project> decodeProject(std::span<const std::uint8_t> bytes, std::string *error)
{
    return decodeWith(Reader(bytes), error);
}

std::vector<std::uint8_t> encodeRecoveryCopy(const Project &project)
{
    std::vector<std::uint8_t> bytes(RecoveryMark.begin(), RecoveryMark.end());
    const std::vector<std::uint8_t> body = encodeWith(Writer(TextEncoding::Utf8), project);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

std::optional<Project> decodeRecoveryCopy(std::span<const std::uint8_t> bytes, std::string *error)
{
    const std::span mark(reinterpret_cast<const std::uint8_t *>(RecoveryMark.data()),
                         RecoveryMark.size());
    if (bytes.size() < mark.size() || !std::equal(mark.begin(), mark.end(), bytes.begin()))
        return decodeProject(bytes, error);
    return decodeWith(Reader(bytes.subspan(mark.size()), TextEncoding::Utf8), error);
}

std::optional<std::string> unsavableReason(const Project &project)
{
    const int count = project.pageCount();
    if (count < 1 || count > MaxPages)
        return fillIn(translate("ProjectFile", "the project has %1 pages; a project has 1 to %2"),
                      std::to_string(count), std::to_string(MaxPages));
    const auto tooLong = [](const std::string &text) {
        return utf8ToWindows1252(text).size() > static_cast<std::size_t>(MaxStoredTextLength);
    };
    for (int n = 1; n <= count; ++n) {
        for (int t = 0; t < StoredTextCount; ++t) {
            if (tooLong(project.page(n).texts[static_cast<std::size_t>(t)]))
                return pageContext(n) +
                       fillIn(translate("ProjectFile", "%1 is longer than %2 characters"),
                              translate("ProjectFile", TextNames[static_cast<std::size_t>(t)]),
                              std::to_string(MaxStoredTextLength));
        }
    }
    if (tooLong(project.trailerText))
        return fillIn(translate("ProjectFile", "the trailer is longer than %1 characters"),
                      std::to_string(MaxStoredTextLength));
    return std::nullopt;
}

std::string saveFailureMessage(std::string_view fileName, int errorNumber,
                               std::string_view description)
{
    return failureMessage(translate("ProjectFile", "Unable to save project to filename: %1"),
                          fileName, errorNumber, description);
}

std::string openFailureMessage(std::string_view fileName, int errorNumber,
                               std::string_view description)
{
    return failureMessage(translate("ProjectFile", "Unable to open project to filename: %1"),
                          fileName, errorNumber, description);
}

std::string saveFailureMessage(std::string_view fileName, int errorNumber)
{
    return saveFailureMessage(fileName, errorNumber, platformDescription(errorNumber));
}

std::string openFailureMessage(std::string_view fileName, int errorNumber)
{
    return openFailureMessage(fileName, errorNumber, platformDescription(errorNumber));
}

bool saveProjectFile(const std::string &path, const Project &project, std::string *error,
                     const std::string &oldCopyFolder)
{
    const auto failed = [&](int errorNumber, std::string_view description) {
        if (error)
            *error = saveFailureMessage(path, errorNumber, description);
        return false;
    };
    if (const std::optional<std::string> reason = unsavableReason(project)) {
        const bool countWrong = project.pageCount() < 1 || project.pageCount() > MaxPages;
        return failed(countWrong ? EINVAL : EOVERFLOW, asSentence(*reason));
    }
    const std::vector<std::uint8_t> bytes = encodeProject(project);
    if (const std::optional<FileError> failure =
            replaceFileContents(path, bytes, {}, oldCopyFolder))
        return failed(failure->number, failure->description);
    return true;
}

std::optional<Project> openProjectFile(const std::string &path, std::string *error)
{
    const auto failed = [&](int errorNumber, std::string_view description) {
        if (error)
            *error = openFailureMessage(path, errorNumber, description);
        return std::nullopt;
    };
    // Nothing past the largest project the program can write is ever needed: a reader stops
    // after the trailer, so a huge file chosen by mistake costs no more than that.
    ReadFailure failure;
    const std::optional<std::string> content =
        readRegularFile(path, MaxProjectBytes, BeyondLimit::Ignore, failure);
    if (!content)
        return failed(failure.errorNumber, failure.description);
    const std::span bytes(reinterpret_cast<const std::uint8_t *>(content->data()), content->size());

    std::string why;
    std::optional<Project> project = decodeProject(bytes, &why);
    if (!project)
        return failed(EINVAL, asSentence(why));
    return project;
}

} // namespace lumidex

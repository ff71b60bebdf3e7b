#include "projectjson.h"

#include "1-state/numbertext.h"
#include "json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <string_view>

namespace lumidex::cli {
namespace {

constexpr std::string_view NaNText = "NaN";
constexpr std::string_view InfinityText = "Infinity";
constexpr std::string_view MinusInfinityText = "-Infinity";

std::string floatJson(float value)
{
    if (std::isnan(value))
        return jsonString(NaNText);
    if (std::isinf(value))
        return jsonString(value > 0 ? InfinityText : MinusInfinityText);
    return formatRoundTrip(value);
}

std::string pageJson(const PageRecord &page)
{
    std::string texts = "[";
    for (int t = 0; t < StoredTextCount; ++t) {
        if (t > 0)
            texts += ",";
        texts += jsonString(page.texts[static_cast<std::size_t>(t)]);
    }
    texts += "]";
    JsonObject o;
    o.add("texts", texts)
        .add("screenWidth", floatJson(page.screenWidth))
        .add("aspectRatio", floatJson(page.aspectRatio))
        .add("projectorCode", std::to_string(page.projectorCode))
        .add("screenPosition", std::to_string(page.screenPosition))
        .add("placementAngle", floatJson(page.placementAngle))
        .add("measureUnits", std::to_string(page.measureUnits))
        .add("heightUnit", std::to_string(page.heightUnit))
        .add("widthUnit", std::to_string(page.widthUnit))
        .add("diagonalUnit", std::to_string(page.diagonalUnit))
        .add("inputSignal", std::to_string(page.inputSignal))
        .add("throwPoint", std::to_string(page.throwPoint));
    return o.str();
}

// Reads the fields of a document, naming the first thing wrong by its place ("pages[2].texts").
class FieldReader
{
public:
    explicit FieldReader(std::string *error) : m_error(error) {}

    bool fail(const std::string &path, const std::string &what)
    {
        if (m_error)
            *m_error = path + ": " + what;
        return false;
    }

    // An object with exactly these keys.
    bool object(const JsonValue &v, const std::string &path,
                std::initializer_list<std::string_view> keys)
    {
        if (v.kind != JsonValue::Kind::Object)
            return fail(path, "expected an object");
        for (const std::string &key : v.keys) {
            if (std::find(keys.begin(), keys.end(), key) == keys.end())
                return fail(path, "unknown key " + jsonString(key));
        }
        for (std::string_view key : keys) {
            if (!v.member(key))
                return fail(path, "missing key " + jsonString(key));
        }
        return true;
    }

    bool int16(const JsonValue &v, const std::string &path, std::int16_t &out)
    {
        if (v.kind != JsonValue::Kind::Number || v.text.find_first_of(".eE") != std::string::npos)
            return fail(path, "expected a whole number");
        int n = 0;
        const char *end = v.text.data() + v.text.size();
        const auto [ptr, ec] = std::from_chars(v.text.data(), end, n);
        if (ec != std::errc() || ptr != end || n < std::numeric_limits<std::int16_t>::min() ||
            n > std::numeric_limits<std::int16_t>::max())
            return fail(path, v.text + " is outside -32768 to 32767");
        out = static_cast<std::int16_t>(n);
        return true;
    }

    bool float32(const JsonValue &v, const std::string &path, float &out)
    {
        if (v.kind == JsonValue::Kind::String) {
            if (v.text == NaNText)
                out = std::numeric_limits<float>::quiet_NaN();
            else if (v.text == InfinityText)
                out = std::numeric_limits<float>::infinity();
            else if (v.text == MinusInfinityText)
                out = -std::numeric_limits<float>::infinity();
            else
                return fail(path, "expected a number");
            return true;
        }
        if (v.kind != JsonValue::Kind::Number)
            return fail(path, "expected a number");
        const char *end = v.text.data() + v.text.size();
        const auto [ptr, ec] = std::from_chars(v.text.data(), end, out);
        if (ec != std::errc() || ptr != end)
            return fail(path, v.text + " is outside the range of a 32-bit float");
        return true;
    }

    // A text the file can hold: every character must have a Windows-1252 byte.
    bool text(const JsonValue &v, const std::string &path, std::string &out)
    {
        if (v.kind != JsonValue::Kind::String)
            return fail(path, "expected a string");
        const std::string &s = v.text; // valid UTF-8: the reader checked it
        for (std::size_t pos = 0; pos < s.size();) {
            const auto lead = static_cast<unsigned char>(s[pos]);
            const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            const std::string_view character = std::string_view(s).substr(pos, length);
            if (lead >= 0x80 && windows1252ToUtf8(utf8ToWindows1252(character)) != character) {
                char32_t c = lead & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
                for (std::size_t i = 1; i < character.size(); ++i)
                    c = (c << 6) | (static_cast<unsigned char>(character[i]) & 0x3F);
                char code[16];
                std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
                return fail(path, "character " + std::string(code) +
                                      " has no Windows-1252 byte and cannot be stored");
            }
            pos += length;
        }
        out = s;
        return true;
    }

private:
    std::string *m_error;
};

bool readPage(FieldReader &in, const JsonValue &v, const std::string &path, PageRecord &page)
{
    if (!in.object(v, path,
                   {"texts", "screenWidth", "aspectRatio", "projectorCode", "screenPosition",
                    "placementAngle", "measureUnits", "heightUnit", "widthUnit", "diagonalUnit",
                    "inputSignal", "throwPoint"}))
        return false;
    const JsonValue &texts = *v.member("texts");
    if (texts.kind != JsonValue::Kind::Array ||
        texts.items.size() != static_cast<std::size_t>(StoredTextCount))
        return in.fail(path + ".texts",
                       "expected an array of " + std::to_string(StoredTextCount) + " strings");
    for (std::size_t t = 0; t < texts.items.size(); ++t) {
        if (!in.text(texts.items[t], path + ".texts[" + std::to_string(t) + "]", page.texts[t]))
            return false;
    }
    const auto f = [&](std::string_view key, float &out) {
        return in.float32(*v.member(key), path + "." + std::string(key), out);
    };
    const auto i = [&](std::string_view key, std::int16_t &out) {
        return in.int16(*v.member(key), path + "." + std::string(key), out);
    };
    return f("screenWidth", page.screenWidth) && f("aspectRatio", page.aspectRatio) &&
           i("projectorCode", page.projectorCode) && i("screenPosition", page.screenPosition) &&
           f("placementAngle", page.placementAngle) && i("measureUnits", page.measureUnits) &&
           i("heightUnit", page.heightUnit) && i("widthUnit", page.widthUnit) &&
           i("diagonalUnit", page.diagonalUnit) && i("inputSignal", page.inputSignal) &&
           i("throwPoint", page.throwPoint);
}

} // namespace

std::string projectToJson(const Project &project)
{
    std::string pages = "[";
    for (int n = 1; n <= project.pageCount(); ++n) {
        if (n > 1)
            pages += ",";
        pages += pageJson(project.page(n));
    }
    pages += "]";
    JsonObject o;
    o.add("pageCount", std::to_string(project.pageCount()))
        .addString("trailer", project.trailerText)
        .add("pages", pages);
    return o.str();
}

std::optional<Project> projectFromJson(const JsonValue &document, std::string *error)
{
    FieldReader in(error);
    if (!in.object(document, "document", {"pageCount", "trailer", "pages"}))
        return std::nullopt;
    std::int16_t pageCount = 0;
    if (!in.int16(*document.member("pageCount"), "pageCount", pageCount))
        return std::nullopt;
    const JsonValue &pages = *document.member("pages");
    if (pages.kind != JsonValue::Kind::Array) {
        in.fail("pages", "expected an array");
        return std::nullopt;
    }
    if (pages.items.empty() || pages.items.size() > static_cast<std::size_t>(MaxPages)) {
        in.fail("pages", "a project has 1 to " + std::to_string(MaxPages) + " pages, not " +
                             std::to_string(pages.items.size()));
        return std::nullopt;
    }
    if (pageCount != static_cast<int>(pages.items.size())) {
        in.fail("pageCount", std::to_string(pageCount) + " does not match the " +
                                 std::to_string(pages.items.size()) + " pages given");
        return std::nullopt;
    }

    Project project;
    project.setPageCount(pageCount);
    for (int n = 1; n <= pageCount; ++n) {
        if (!readPage(in, pages.items[static_cast<std::size_t>(n - 1)],
                      "pages[" + std::to_string(n - 1) + "]", project.page(n)))
            return std::nullopt;
    }
    if (!in.text(*document.member("trailer"), "trailer", project.trailerText))
        return std::nullopt;

    // Whatever the program itself would refuse to open is refused here, in its own words.
    std::string why;
    if (!decodeProject(encodeProject(project), &why)) {
        if (error)
            *error = why;
        return std::nullopt;
    }
    return project;
}

} // namespace lumidex::cli

#pragma once

// JSON for the command-line tool, through the nlohmann JSON library: the output's objects, and a
// strict reader for the documents it takes in (RFC 8259: no comments, no trailing commas, UTF-8
// only, and no duplicate keys).
//
// Numbers are written by the caller (formatRoundTrip for the 32-bit values) rather than by the
// library, which would print 80 as 80.0, minus zero as -0.0 and a float with the digits of a
// double; scripts and the acceptance checks read the numbers as the tool has always written them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumidex::cli {

// `text` as a JSON string, quoted and escaped.
std::string jsonString(std::string_view text);

// An object written key by key in the order given; values are JSON text.
class JsonObject
{
public:
    JsonObject &add(std::string_view key, std::string_view rawValue);
    JsonObject &addString(std::string_view key, std::string_view value);
    JsonObject &addFloat(std::string_view key, float value);
    std::string str() const { return "{" + m_body + "}"; }

private:
    std::string m_body;
};

// One value of a document that was read. A number keeps its text as written, so that the
// caller converts it to the type it needs with a single rounding.
struct JsonValue
{
    enum class Kind
    {
        Null,
        Boolean,
        Number,
        String,
        Array,
        Object
    };

    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;              // a string's UTF-8 contents, or a number as written
    std::vector<std::string> keys; // an object's keys, in document order
    std::vector<JsonValue> items;  // an array's elements, or the values of an object's keys

    // The value of an object's key, or nullptr.
    const JsonValue *member(std::string_view key) const;
};

// Objects and arrays deeper than this are refused rather than read.
inline constexpr int MaxJsonDepth = 128;

// Reads a whole document (one value, white space around it; a leading UTF-8 byte order mark is
// skipped). On malformed input returns nothing and `error` says where and what: the line and
// column for a syntax error ("line 3, column 14: syntax error while parsing object - ..."),
// columns counting bytes from 1, or the place in the document for a duplicate key
// ("pages[0]: duplicate key \"texts\"").
std::optional<JsonValue> parseJson(std::string_view document, std::string *error);

} // namespace lumidex::cli

#pragma once

// A minimal JSON writer for the command-line tool's output, and a strict reader for the
// documents it takes in (RFC 8259: no comments, no trailing commas, no duplicate keys, UTF-8
// only).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumidex::cli {

std::string jsonString(std::string_view text);

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
// skipped). On malformed input returns nothing and `error` says where and what, as
// "line 3, column 14: expected ',' or '}'" (columns count bytes from 1).
std::optional<JsonValue> parseJson(std::string_view document, std::string *error);

} // namespace lumidex::cli

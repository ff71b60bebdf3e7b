#include "json.h"

#include "geometry/numbertext.h"
#include "project/projectfile.h"

#include <cstdio>
#include <functional>
#include <set>
#include <utility>

namespace lumidex::cli {

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

JsonObject &JsonObject::add(std::string_view key, std::string_view rawValue)
{
    if (!m_body.empty())
        m_body += ",";
    m_body += jsonString(key) + ":" + std::string(rawValue);
    return *this;
}

JsonObject &JsonObject::addString(std::string_view key, std::string_view value)
{
    return add(key, jsonString(value));
}

JsonObject &JsonObject::addFloat(std::string_view key, float value)
{
    return add(key, formatRoundTrip(value));
}

} // namespace lumidex::cli

namespace lumidex::cli {
namespace {

class Parser
{
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    std::optional<JsonValue> document(std::string *error)
    {
        if (m_text.starts_with("\xEF\xBB\xBF"))
            m_pos = 3;
        JsonValue root;
        skipSpace();
        if (value(root, 0)) {
            skipSpace();
            if (m_pos == m_text.size())
                return root;
            fail("unexpected text after the document");
        }
        if (error)
            *error = where() + ": " + m_error;
        return std::nullopt;
    }

private:
    bool fail(std::string what)
    {
        m_error = std::move(what);
        return false;
    }

    // The line and column of the current position, for the message.
    std::string where() const
    {
        std::size_t line = 1;
        std::size_t column = 1;
        for (std::size_t i = 0; i < m_pos && i < m_text.size(); ++i) {
            if (m_text[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        return "line " + std::to_string(line) + ", column " + std::to_string(column);
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }

    void skipSpace()
    {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++m_pos;
    }

    bool literal(std::string_view word)
    {
        if (m_text.substr(m_pos, word.size()) != word)
            return fail("unknown word; expected a value");
        m_pos += word.size();
        return true;
    }

    bool value(JsonValue &out, int depth)
    {
        if (atEnd())
            return fail("the document ends where a value was expected");
        switch (peek()) {
        case '{':
            return object(out, depth + 1);
        case '[':
            return array(out, depth + 1);
        case '"':
            out.kind = JsonValue::Kind::String;
            return string(out.text);
        case 't':
            out.kind = JsonValue::Kind::Boolean;
            out.boolean = true;
            return literal("true");
        case 'f':
            out.kind = JsonValue::Kind::Boolean;
            out.boolean = false;
            return literal("false");
        case 'n':
            out.kind = JsonValue::Kind::Null;
            return literal("null");
        default:
            if (peek() == '-' || (peek() >= '0' && peek() <= '9'))
                return number(out);
            return fail("expected a value");
        }
    }

    bool object(JsonValue &out, int depth)
    {
        if (depth > MaxJsonDepth)
            return fail("objects and arrays are nested too deeply");
        out.kind = JsonValue::Kind::Object;
        ++m_pos; // '{'
        skipSpace();
        if (peek() == '}') {
            ++m_pos;
            return true;
        }
        std::set<std::string, std::less<>> seen;
        for (;;) {
            if (peek() != '"')
                return fail("expected a key in double quotes");
            const std::size_t keyStart = m_pos;
            std::string key;
            if (!string(key))
                return false;
            if (!seen.insert(key).second) {
                m_pos = keyStart;
                return fail("duplicate key " + jsonString(key));
            }
            skipSpace();
            if (peek() != ':')
                return fail("expected ':' after the key");
            ++m_pos;
            skipSpace();
            out.keys.push_back(std::move(key));
            out.items.emplace_back();
            if (!value(out.items.back(), depth))
                return false;
            skipSpace();
            if (peek() == '}') {
                ++m_pos;
                return true;
            }
            if (peek() != ',')
                return fail("expected ',' or '}'");
            ++m_pos;
            skipSpace();
        }
    }

    bool array(JsonValue &out, int depth)
    {
        if (depth > MaxJsonDepth)
            return fail("objects and arrays are nested too deeply");
        out.kind = JsonValue::Kind::Array;
        ++m_pos; // '['
        skipSpace();
        if (peek() == ']') {
            ++m_pos;
            return true;
        }
        for (;;) {
            out.items.emplace_back();
            if (!value(out.items.back(), depth))
                return false;
            skipSpace();
            if (peek() == ']') {
                ++m_pos;
                return true;
            }
            if (peek() != ',')
                return fail("expected ',' or ']'");
            ++m_pos;
            skipSpace();
        }
    }

    bool digits()
    {
        if (atEnd() || peek() < '0' || peek() > '9')
            return fail("expected a digit");
        while (!atEnd() && peek() >= '0' && peek() <= '9')
            ++m_pos;
        return true;
    }

    // -? (0 | [1-9][0-9]*) (. [0-9]+)? ([eE] [+-]? [0-9]+)?
    bool number(JsonValue &out)
    {
        const std::size_t start = m_pos;
        if (peek() == '-')
            ++m_pos;
        if (peek() == '0') {
            ++m_pos;
            if (peek() >= '0' && peek() <= '9')
                return fail("a number cannot have a leading zero");
        } else if (!digits()) {
            return false;
        }
        if (peek() == '.') {
            ++m_pos;
            if (!digits())
                return false;
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_pos;
            if (peek() == '+' || peek() == '-')
                ++m_pos;
            if (!digits())
                return false;
        }
        out.kind = JsonValue::Kind::Number;
        out.text = std::string(m_text.substr(start, m_pos - start));
        return true;
    }

    std::optional<unsigned> hex4()
    {
        if (m_text.size() - m_pos < 4)
            return std::nullopt;
        unsigned v = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_pos + static_cast<std::size_t>(i)];
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                v |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                v |= static_cast<unsigned>(c - 'A' + 10);
            else
                return std::nullopt;
        }
        m_pos += 4;
        return v;
    }

    // After "\u": one escaped character, a surrogate pair taken together.
    bool unicodeEscape(std::string &out)
    {
        const std::optional<unsigned> first = hex4();
        if (!first)
            return fail("\\u must be followed by four hexadecimal digits");
        char32_t c = *first;
        if (c >= 0xDC00 && c <= 0xDFFF)
            return fail("\\u escape is a low surrogate without a high surrogate before it");
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (m_text.substr(m_pos, 2) != "\\u")
                return fail("\\u escape is a high surrogate without a low surrogate after it");
            m_pos += 2;
            const std::optional<unsigned> second = hex4();
            if (!second)
                return fail("\\u must be followed by four hexadecimal digits");
            if (*second < 0xDC00 || *second > 0xDFFF)
                return fail("\\u escape is a high surrogate without a low surrogate after it");
            c = 0x10000 + ((c - 0xD800) << 10) + (*second - 0xDC00);
        }
        appendUtf8(out, c);
        return true;
    }

    // One UTF-8 character as it stands in the document, checked and copied.
    bool utf8Character(std::string &out)
    {
        std::size_t next = m_pos;
        if (!nextUtf8(m_text, next))
            return fail("malformed UTF-8");
        out.append(m_text.substr(m_pos, next - m_pos));
        m_pos = next;
        return true;
    }

    bool string(std::string &out)
    {
        ++m_pos; // '"'
        for (;;) {
            if (atEnd())
                return fail("the document ends inside a string");
            const auto c = static_cast<unsigned char>(m_text[m_pos]);
            if (c == '"') {
                ++m_pos;
                return true;
            }
            if (c < 0x20)
                return fail("a control character must be escaped inside a string");
            if (c >= 0x80) {
                if (!utf8Character(out))
                    return false;
                continue;
            }
            if (c != '\\') {
                out += static_cast<char>(c);
                ++m_pos;
                continue;
            }
            ++m_pos;
            if (atEnd())
                return fail("the document ends inside a string");
            const char escaped = m_text[m_pos++];
            switch (escaped) {
            case '"':
            case '\\':
            case '/':
                out += escaped;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u':
                if (!unicodeEscape(out))
                    return false;
                break;
            default:
                --m_pos;
                return fail("unknown escape in a string");
            }
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::string m_error;
};

} // namespace

const JsonValue *JsonValue::member(std::string_view key) const
{
    if (kind != Kind::Object)
        return nullptr;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == key)
            return &items[i];
    }
    return nullptr;
}

std::optional<JsonValue> parseJson(std::string_view document, std::string *error)
{
    return Parser(document).document(error);
}

} // namespace lumidex::cli

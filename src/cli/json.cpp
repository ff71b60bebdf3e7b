#include "json.h"

#include "1-state/numbertext.h"
#include "7-project/projectfile.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <set>
#include <utility>

namespace lumidex::cli {

std::string jsonString(std::string_view text)
{
    // Bytes that are no UTF-8 (none of the program's texts has them) become U+FFFD rather than
    // stopping the output half way.
    return nlohmann::json(std::string(text))
        .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
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

namespace {

using Json = nlohmann::json;

// Builds the document from the library's reading events, keeping each number's text and
// refusing what the library lets through: a key given twice in one object (the library would
// keep the last one silently) and nesting deeper than MaxJsonDepth.
class DocumentBuilder : public nlohmann::json_sax<Json>
{
public:
    explicit DocumentBuilder(std::string_view document) : m_document(document) {}

    JsonValue &root() { return m_root; }
    const std::string &error() const { return m_error; }

    bool null() override { return place(JsonValue{}); }

    bool boolean(bool value) override
    {
        JsonValue v;
        v.kind = JsonValue::Kind::Boolean;
        v.boolean = value;
        return place(std::move(v));
    }

    // Whole numbers arrive without their text, but a number written with a minus sign always
    // arrives here and one without it as unsigned: the text is the value's digits, and minus
    // zero (an angle may be stored as one) keeps its sign.
    bool number_integer(number_integer_t value) override
    {
        return number(value == 0 ? "-0" : std::to_string(value));
    }
    bool number_unsigned(number_unsigned_t value) override { return number(std::to_string(value)); }
    bool number_float(number_float_t, const string_t &text) override { return number(text); }

    bool string(string_t &value) override
    {
        JsonValue v;
        v.kind = JsonValue::Kind::String;
        v.text = std::move(value);
        return place(std::move(v));
    }

    bool binary(binary_t &) override { return false; } // JSON text has none

    bool start_object(std::size_t) override { return open(JsonValue::Kind::Object); }
    bool start_array(std::size_t) override { return open(JsonValue::Kind::Array); }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }

    bool key(string_t &name) override
    {
        Frame &frame = m_open.back();
        if (!frame.keys.insert(name).second)
            return fail(where() + ": duplicate key " + jsonString(name));
        frame.value->keys.push_back(std::move(name));
        return true;
    }

    bool parse_error(std::size_t position, const std::string &,
                     const nlohmann::detail::exception &e) override
    {
        return fail(lineAndColumn(position) + ": " + libraryMessage(e.what()));
    }

private:
    struct Frame
    {
        JsonValue *value;
        std::set<std::string, std::less<>> keys; // an object's keys so far
    };

    bool fail(std::string what)
    {
        m_error = std::move(what);
        return false;
    }

    // Where the next value goes: the root, the next array element, or the value of the key
    // just read. Containers only grow while no child of theirs is open, so the pointers to the
    // open ones stay valid.
    JsonValue &slot()
    {
        if (m_open.empty())
            return m_root;
        return m_open.back().value->items.emplace_back();
    }

    bool place(JsonValue value)
    {
        slot() = std::move(value);
        return true;
    }

    bool number(std::string text)
    {
        JsonValue v;
        v.kind = JsonValue::Kind::Number;
        v.text = std::move(text);
        return place(std::move(v));
    }

    bool open(JsonValue::Kind kind)
    {
        if (m_open.size() >= static_cast<std::size_t>(MaxJsonDepth))
            return fail("objects and arrays are nested more than " + std::to_string(MaxJsonDepth) +
                        " deep");
        JsonValue &value = slot();
        value.kind = kind;
        m_open.push_back(Frame{&value, {}});
        return true;
    }

    bool close()
    {
        m_open.pop_back();
        return true;
    }

    // The open object's place in the document, as the project reader names places:
    // "document", "pages[2]".
    std::string where() const
    {
        std::string path;
        for (std::size_t i = 1; i < m_open.size(); ++i) {
            const JsonValue &parent = *m_open[i - 1].value;
            if (parent.kind == JsonValue::Kind::Array)
                path += "[" + std::to_string(parent.items.size() - 1) + "]";
            else
                path += (path.empty() ? "" : ".") + parent.keys.back();
        }
        return path.empty() ? "document" : path;
    }

    // The library counts the bytes it has read, the one it stopped at included.
    std::string lineAndColumn(std::size_t position) const
    {
        const std::string_view read = m_document.substr(0, std::min(position, m_document.size()));
        const auto lines = std::count(read.begin(), read.end(), '\n');
        const std::size_t lineStart =
            read.rfind('\n') == std::string_view::npos ? 0 : read.rfind('\n') + 1;
        const std::size_t column = position - lineStart;
        return "line " + std::to_string(lines + 1) + ", column " +
               std::to_string(std::max<std::size_t>(column, 1));
    }

    // The library's message without its exception id and its own place: "[json.exception.
    // parse_error.101] parse error at line 1, column 5: syntax error ..." gives "syntax error
    // ...". Bytes of the document it quotes that are no UTF-8 are shown as "?", so that the
    // message stays readable on any terminal.
    static std::string libraryMessage(std::string_view what)
    {
        if (what.starts_with("[json.exception.") && what.find("] ") != std::string_view::npos)
            what.remove_prefix(what.find("] ") + 2);
        if (what.starts_with("parse error") && what.find(": ") != std::string_view::npos)
            what.remove_prefix(what.find(": ") + 2);
        std::string message;
        for (std::size_t pos = 0; pos < what.size();) {
            std::size_t next = pos;
            if (nextUtf8(what, next)) {
                message += what.substr(pos, next - pos);
                pos = next;
            } else {
                message += '?';
                ++pos;
            }
        }
        return message;
    }

    std::string_view m_document;
    JsonValue m_root;
    std::vector<Frame> m_open;
    std::string m_error;
};

} // namespace

std::optional<JsonValue> parseJson(std::string_view document, std::string *error)
{
    DocumentBuilder builder(document);
    // Strict: a whole document and nothing after it, comments refused.
    const bool read = Json::sax_parse(document.begin(), document.end(), &builder,
                                      Json::input_format_t::json, true, false);
    if (!read) {
        if (error)
            *error = builder.error().empty() ? "not a JSON document" : builder.error();
        return std::nullopt;
    }
    return std::move(builder.root());
}

} // namespace lumidex::cli

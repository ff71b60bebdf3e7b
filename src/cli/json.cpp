#include "json.h"

#include "geometry/numbertext.h"

#include <cstdio>

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

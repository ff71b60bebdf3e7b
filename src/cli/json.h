#pragma once

// A minimal JSON writer for the command-line tool's output.

#include <string>
#include <string_view>

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

} // namespace lumidex::cli

#include "1-state/translation.h"

#include <atomic>

namespace lumidex {

namespace {

std::atomic<TranslateFunction> g_translate{nullptr};

} // namespace

void setTranslateFunction(TranslateFunction function)
{
    g_translate.store(function);
}

std::string translate(const char *context, std::string_view sourceText)
{
    const TranslateFunction function = g_translate.load();
    if (!function || sourceText.empty())
        return std::string(sourceText);
    // The look-up takes a terminated text; a caption from a table is a view of one.
    const std::string source(sourceText);
    return function(context, source.c_str());
}

std::string fillIn(std::string text, std::string_view value)
{
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, value);
    return text;
}

std::string fillIn(std::string text, std::string_view first, std::string_view second)
{
    // Both places are found before either is filled, so that a value holding "%2" stays as it
    // is.
    const auto a = text.find("%1");
    const auto b = text.find("%2");
    if (a != std::string::npos && b != std::string::npos) {
        if (a < b) {
            text.replace(b, 2, second);
            text.replace(a, 2, first);
        } else {
            text.replace(a, 2, first);
            text.replace(b, 2, second);
        }
    }
    return text;
}

} // namespace lumidex

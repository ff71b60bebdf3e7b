#include "6-installation/titleblock.h"

#include <cstdio>

namespace lumidex {

std::string projectDateText(std::chrono::year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u-%02u-%04d", static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(date.year()));
    return text;
}

} // namespace lumidex

#pragma once

// The title block of the installation sheet: the texts the installer types around the drawing,
// by their place in a page's texts.

#include <array>
#include <chrono>
#include <string>
#include <string_view>

namespace lumidex {

enum class PageText
{
    Author = 0,     // title block "By:"
    Date = 1,       // title block date, month-day-year
    Title = 2,      // title block title
    WidthText = 3,  // the installation window's horizontal size field, as typed
    HeightText = 4, // the installation window's vertical size field, as typed
    ApprovedBy = 5, // "Approved by:" (24 characters at most)
    Approval2 = 6,  // the unlabelled field beside it (24 characters at most)
    Notes = 7,      // "Notes:"
    Revision = 8,   // "Revision:" (10 characters at most)
    Spare = 9       // never filled and never written to the file
};

inline constexpr int PageTextCount = 10;
using PageTexts = std::array<std::string, PageTextCount>;

// The texts the installer edits in the title block (the size fields belong to the screen).
inline constexpr std::array<PageText, 7> TitleBlockTexts{
    PageText::Author,    PageText::Date,  PageText::Title,   PageText::ApprovedBy,
    PageText::Approval2, PageText::Notes, PageText::Revision};

// The defaults of a new project.
inline constexpr std::string_view NewProjectAuthor = " Author";
inline constexpr std::string_view NewProjectTitle = "                   Enter title here";

// The title block's date form: two-digit month and day, four-digit year ("12-08-2026").
std::string projectDateText(std::chrono::year_month_day date);

} // namespace lumidex

#pragma once

// A project is the installation window's work kept as pages: each page holds one complete
// installation and the title-block texts its sheet prints. This module keeps the page table in
// memory and writes and reads the project file (.lmx). The file has no header: an int16 page
// count, each page's nine texts and eleven numbers, then one trailing text, all little-endian,
// texts as an int16 character count and one Windows-1252 byte per character.

#include "6-installation/titleblock.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

inline constexpr int StoredTextCount = 9; // the spare text stays in memory
inline constexpr int MaxPages = 99;
// A text's count is an int16, so a text longer than this cannot be saved.
inline constexpr int MaxStoredTextLength = 32767;

// The note of a page added by page navigation.
inline constexpr std::string_view NewPageNotes = " New Page";

// Mounting position as a page stores it: the window's position index, or 4 when a custom
// placement angle is in force (placementAngle is then that angle).
inline constexpr std::int16_t CustomAnglePosition = 4;

// One page: the installation window's state in the order the page table keeps it. The file
// writes the four unit fields in another order (see encodeProject); this order is the memory
// one. Texts are UTF-8 here and Windows-1252 in the file.
struct PageRecord
{
    PageTexts texts;
    float screenWidth = 0.0f;        // inches
    float aspectRatio = 0.0f;        // width / height
    std::int16_t projectorCode = 0;  // see projectorCodeOf()
    std::int16_t screenPosition = 0; // 0 top, 1 centre, 2 bottom, 3 special, 4 custom angle
    float placementAngle = 0.0f;     // degrees, the shared throw angle
    std::int16_t widthUnit = 0;      // Unit numbers: 0 inches, 1 feet, 2 millimetres
    std::int16_t heightUnit = 0;
    std::int16_t diagonalUnit = 0;
    std::int16_t measureUnits = 0;   // the installation window's display units
    std::int16_t inputSignal = 0;    // 1-based entry of the input-signal list
    std::int16_t throwPoint = 0;     // 0 front of lens, 1 standard installation hole
    std::int16_t sxgaAspectMode = 0; // per page in memory only; a reopened page reads 0

    std::string &text(PageText which) { return texts[static_cast<std::size_t>(which)]; }
    const std::string &text(PageText which) const { return texts[static_cast<std::size_t>(which)]; }
    bool operator==(const PageRecord &) const = default;
};

// The page table. Pages are numbered from 1 as the window counts them, so pages[n] is page n
// and pages[0] is a slot that is never used, never written and comes back empty.
struct Project
{
    std::vector<PageRecord> pages;
    // Carried at the end of the file. Nothing in the program edits it: a project opened and
    // saved again writes the trailer it was read with, and the New command carries over the
    // trailer of the last project opened (newProject() leaves that to the command).
    std::string trailerText;

    int pageCount() const { return pages.empty() ? 0 : static_cast<int>(pages.size()) - 1; }
    // Makes pages 1..count (existing pages kept, new ones empty).
    void setPageCount(int count)
    {
        pages.resize(static_cast<std::size_t>(count < 0 ? 0 : count) + 1);
    }
    PageRecord &page(int number) { return pages.at(static_cast<std::size_t>(number)); }
    const PageRecord &page(int number) const { return pages.at(static_cast<std::size_t>(number)); }
    bool operator==(const Project &) const = default;
};

// A fresh project of one page as New leaves it: " Author", `today`, the title prompt, empty
// approval and notes, and the installation the program starts with (a CR-7300 at the top of an
// 80 x 60 inch 4:3 screen, all units inches). New keeps the window's revision and size texts
// and the trailer; the command copies those over itself.
Project newProject(const std::string &today);

// Windows-1252 <-> UTF-8. Every byte 00-FF reads as one character and writes back as the same
// byte; the five bytes Windows-1252 leaves unassigned (81, 8D, 8F, 90, 9D) read as the C1
// controls of the same number. A character with no Windows-1252 byte, or a malformed UTF-8
// byte, is written as "?".
std::string utf8ToWindows1252(std::string_view utf8);
// One character from the UTF-8 text at `pos`, advancing past it; nothing for a malformed
// sequence (stray continuation byte, cut-off or overlong sequence, surrogate, beyond U+10FFFF).
std::optional<char32_t> nextUtf8(std::string_view s, std::size_t &pos);
// Appends one character as UTF-8.
void appendUtf8(std::string &out, char32_t c);
std::string windows1252ToUtf8(std::string_view bytes);

// The file bytes of a project. Pages 1..pageCount() are written; the spare text and
// sxgaAspectMode are not. A text longer than MaxStoredTextLength bytes is cut to that length
// here; saveProjectFile() refuses such a project instead of writing it.
std::vector<std::uint8_t> encodeProject(const Project &project);

// The program's own copy of a project with unsaved changes (kept while it runs, offered back
// after a crash) keeps every character the installer typed: it is the project file's layout
// with UTF-8 texts and 32-bit text counts, behind a mark of its own. A copy without the mark,
// as an earlier version kept it, reads as a project file.
std::vector<std::uint8_t> encodeRecoveryCopy(const Project &project);
std::optional<Project> decodeRecoveryCopy(std::span<const std::uint8_t> bytes,
                                          std::string *error = nullptr);

// Reads a project into a fresh page table. A file that is not a whole, sensible project is
// refused and `error` (when given) says what was wrong: a negative or overlong text count, a
// file ending early, a page count outside 1..99, a projector code naming no projector, a unit
// outside 0-2, a position outside 0-4, a throw point outside 0-1. Bytes after the trailer are
// ignored.
std::optional<Project> decodeProject(std::span<const std::uint8_t> bytes,
                                     std::string *error = nullptr);

// Why a project cannot be saved (a page count outside 1..99, a text too long for its count),
// or nothing when it can.
std::optional<std::string> unsavableReason(const Project &project);

// The warning shown when a project cannot be saved or opened: three lines separated by a lone
// carriage return: what failed with the path, "Error code: " and the error number, then the
// error's description.
std::string saveFailureMessage(std::string_view fileName, int errorNumber,
                               std::string_view description);
std::string openFailureMessage(std::string_view fileName, int errorNumber,
                               std::string_view description);
// The same with the platform's own description of `errorNumber`.
std::string saveFailureMessage(std::string_view fileName, int errorNumber);
std::string openFailureMessage(std::string_view fileName, int errorNumber);

// Writes the project to `path` without ever losing the file already there (see
// replaceFileContents): the disk holds the old file or the whole new one, the file keeps its
// permissions and group, a link keeps pointing at it. A file the user may not write is not
// replaced (error 13, Permission denied); one in a folder the user may not write is rewritten
// where it is. On failure `error` receives the save failure message (platform error number and
// description; EOVERFLOW or EINVAL with the reason for a project that cannot be saved).
// With `oldCopyFolder`, a file rewritten in place keeps its old bytes there until the new ones
// are whole (see replaceFileContents).
bool saveProjectFile(const std::string &path, const Project &project, std::string *error,
                     const std::string &oldCopyFolder = {});

// Reads the project at `path`. On failure `error` receives the open failure message: the
// platform's error for a file that cannot be read, EISDIR for a folder, EINVAL with what was
// wrong for a pipe, socket or device (refused without waiting on it) or for a file whose
// content is not a project.
std::optional<Project> openProjectFile(const std::string &path, std::string *error);

} // namespace lumidex

#pragma once

// The focus records of the CR-7300 and CR-7400 series and the small table routines that read
// them. These two series have no closed throw formula: their throw distance is looked up in
// tables measured on the lenses, one set by throw angle and one set by screen diagonal, and
// interpolated linearly between the measured points.

#include "1-state/translation.h"

#include <string_view>
#include <vector>

namespace lumidex {

// What the installer is told when a size or angle lies outside the measured points.
inline constexpr std::string_view DataOutOfRangeMessage =
    LUMIDEX_TRANSLATE_NOOP("Recalculation", "The data is out of range");

// Where a value falls in a table: between entries `index` and `index + 1`, at fraction `t`
// of the way from the first to the second, so that Interpolate on the same table with the
// same index and fraction gives the value back.
struct TablePosition
{
    float t = 0.0f;
    int index = 0;
    // The value was outside the table (or not a number) and has been set to the table's first
    // entry; the caller shows DataOutOfRangeMessage.
    bool outOfRange = false;
};

// (table[i + 1] - table[i]) * t + table[i]. An index past either end is pulled back onto the
// table's last interval, a single-entry table gives that entry and an empty table gives 0, so
// a bad index never reads outside the measured points.
float Interpolate(const std::vector<float> &table, float t, int i);

// Finds the interval of `table` that holds `value`. The table may rise or fall (throw angles
// are tabulated from steep to flat); which way is decided by its first two entries. The first
// interval that holds the value wins, ends included, so a value equal to an inner entry is
// placed at the end (t = 1) of the interval before it. The last entry itself is placed at the
// end of the last interval.
//
// A value outside the table, or not a number, is set to the table's first entry and reported
// as out of range with index 0 and t = 0. A table too short to have an interval never
// crashes: with one entry only that entry is in range (t = 0); an empty table leaves the value
// alone and reports it out of range. Two equal neighbours give t = 0 instead of a division by
// zero.
TablePosition LocateInTable(float &value, const std::vector<float> &table);

// Reads a list of numbers separated by "," into `table` (index 0 first) and returns its last
// index. Each piece is read as its leading number, so an empty piece is 0. The piece after the
// last comma is the final entry; a text without any comma gives no entries and returns -1.
int ParseNumberList(std::string_view text, std::vector<float> &table);

// The measured focus data of one series. The four angle tables run in parallel, indexed by
// throw angle; the three size tables run in parallel with `diagonals` (screen diagonals,
// inches).
struct FocusRecord
{
    float defaultAngle = 0.0f;      // throw angle (degrees) unless the mounting position says other
    float minDiagonal = 0.0f;       // smallest tabulated screen diagonal, inches
    float maxDiagonal = 0.0f;       // largest tabulated screen diagonal, inches
    float minFocusAngle = 0.0f;     // smallest focus angle (degrees) the lens can reach
    float maxFocusAngle = 0.0f;     // largest focus angle (degrees) the lens can reach
    std::vector<float> angleTable;  // throw angles (degrees), falling
    std::vector<float> angleTable2; // lens angle offset (degrees) by throw angle
    std::vector<float> factorTable1; // offset factor by throw angle
    std::vector<float> factorTable2; // length factor by throw angle
    std::vector<float> diagonals;    // screen diagonals (inches), rising
    std::vector<float> sizeTableA;   // focus lever by diagonal
    std::vector<float> sizeTableB;   // lens distance (millimetres) by diagonal
    std::vector<float> sizeTableC;   // lens offset (millimetres) by diagonal
};

// Both focus records, built once at start-up. Record 1's defaultAngle (15.2 degrees) is also
// the throw angle a new installation starts with.
struct FocusTables
{
    FocusRecord cr7300;
    FocusRecord cr7400;

    // Record 1 is the CR-7300, record 2 the CR-7400 (and CR-7400H); any other number gives
    // record 1.
    const FocusRecord &record(int n) const { return n == 2 ? cr7400 : cr7300; }
};

FocusTables BuildFocusTables();

} // namespace lumidex

#include "4-crt/focustables.h"

#include "1-state/numbertext.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <span>

namespace lumidex {
namespace {

// The measured data of one series as written down from the lens measurements.
struct RecordData
{
    float defaultAngle;
    float minDiagonal;
    float maxDiagonal;
    float minFocusAngle;
    float maxFocusAngle;
    std::span<const float> angleTable;
    std::span<const float> angleTable2;
    std::span<const float> factorTable1;
    std::span<const float> factorTable2;
    std::string_view diagonalList;
    std::span<const float> sizeTableA;
    std::span<const float> sizeTableB;
    std::span<const float> sizeTableC;
};

// CR-7300: 21 throw angles, 10 diagonals. The size tables carry an eleventh point one step
// beyond 300 inches (about 350) that no diagonal reaches.
constexpr std::array<float, 21> cr7300Angles{30, 25, 20, 15.206f, 14, 13, 12, 11, 10, 9, 8,
                                             7,  6,  5,  4,       3,  2,  1,  0,  -1, -2};
constexpr std::array<float, 21> cr7300Angles2{
    27.388f, 22.39f, 17.39f, 12.6f,  11.601f, 10.77f, 9.93f,   9.101f,  8.274f,  7.437f, 6.619f,
    5.79f,   4.966f, 3.986f, 2.985f, 1.986f,  0.986f, -0.015f, -1.017f, -2.017f, -3.017f};
constexpr std::array<float, 21> cr7300Factors1{
    1.19039f, 1.1149f, 1.0518f, 1.0f,   0.916f, 0.848f, 0.784f, 0.717f, 0.649f, 0.586f, 0.517f,
    0.451f,   0.385f,  0.377f,  0.377f, 0.379f, 0.38f,  0.38f,  0.385f, 0.387f, 0.388f};
constexpr std::array<float, 21> cr7300Factors2{
    1.06588f, 1.0454f, 1.02294f, 1,       1,       1,       1,
    1,        1,       1,        1,       1,       1,       1, // 1.0 from index 3 to 13
    1.0008f,  1.0067f, 1.0117f,  1.0167f, 1.0225f, 1.0267f, 1.0296f};
constexpr std::string_view cr7300Diagonals = "60,70,90,100,120,150,180,200,250,300";
constexpr std::array<float, 11> cr7300SizeA{11.75f, 13.65f, 17.5f,  19.42f, 23.25f, 29.04f,
                                            34.82f, 38.65f, 48.28f, 57.96f, 67.62f};
constexpr std::array<float, 11> cr7300SizeB{1708.7f, 1968.1f, 2493.7f, 2755.8f, 3278.7f, 4070.3f,
                                            4860.5f, 5384.1f, 6700.7f, 8024.1f, 9344.7f};
constexpr std::array<float, 11> cr7300SizeC{77.3f,   90.17f, 115.9f,  128.77f, 154.5f, 192.92f,
                                            231.33f, 257.6f, 321.69f, 385.0f,  449.5f};

// CR-7400 and CR-7400H: 19 throw angles, 9 diagonals.
constexpr std::array<float, 19> cr7400Angles{24, 20, 15, 13.54f, 12, 11, 10, 9,  8, 7,
                                             6,  5,  4,  3,      2,  1,  0,  -1, -2};
constexpr std::array<float, 19> cr7400Angles2{
    22.96f, 18.9601f, 13.963f, 12.5f,  10.963f, 9.963f,  8.964f,  7.962f,  6.963f, 5.965f,
    4.963f, 3.965f,   2.963f,  1.962f, 0.963f,  -0.038f, -1.036f, -2.036f, -3.037f};
constexpr std::array<float, 19> cr7400Factors1{
    1.11437f, 1.06554f, 1.01173f, 1.0f,   0.993f, 0.989f, 0.985f, 0.984f, 0.98f, 0.977f,
    0.977f,   0.973f,   0.973f,   0.973f, 0.972f, 0.972f, 0.977f, 0.982f, 0.988f};
constexpr std::array<float, 19> cr7400Factors2{
    1.04538f, 1.02868f, 1.00653f, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, // 1.0 from index 3 to 15
    1.00689f, 1.01162f, 1.01635f};
constexpr std::string_view cr7400Diagonals = "60,70,80,100,120,150,180,200,250";
constexpr std::array<float, 9> cr7400SizeA{13.17f, 15.29f, 17.44f, 21.71f, 25.97f,
                                           32.55f, 39.1f,  43.5f,  54.4f};
constexpr std::array<float, 9> cr7400SizeB{1948.0f, 2231.4f, 2518.8f, 3089.6f, 3657.9f,
                                           4531.8f, 5401.7f, 5986.1f, 7433.7f};
constexpr std::array<float, 9> cr7400SizeC{34.49f, 40.0f,   45.72f,  56.92f, 68.17f,
                                           85.39f, 102.39f, 112.76f, 142.42f};

constexpr RecordData cr7300Data{15.2f,          60.0f,           300.0f,        -2.5f,
                                0.5f,           cr7300Angles,    cr7300Angles2, cr7300Factors1,
                                cr7300Factors2, cr7300Diagonals, cr7300SizeA,   cr7300SizeB,
                                cr7300SizeC};
constexpr RecordData cr7400Data{13.5f,          60.0f,           250.0f,        -1.3f,
                                0.7f,           cr7400Angles,    cr7400Angles2, cr7400Factors1,
                                cr7400Factors2, cr7400Diagonals, cr7400SizeA,   cr7400SizeB,
                                cr7400SizeC};

std::vector<float> tableOf(std::span<const float> values)
{
    return {values.begin(), values.end()};
}

FocusRecord recordFrom(const RecordData &data)
{
    FocusRecord r;
    r.defaultAngle = data.defaultAngle;
    r.minDiagonal = data.minDiagonal;
    r.maxDiagonal = data.maxDiagonal;
    r.minFocusAngle = data.minFocusAngle;
    r.maxFocusAngle = data.maxFocusAngle;
    r.angleTable = tableOf(data.angleTable);
    r.angleTable2 = tableOf(data.angleTable2);
    r.factorTable1 = tableOf(data.factorTable1);
    r.factorTable2 = tableOf(data.factorTable2);
    ParseNumberList(data.diagonalList, r.diagonals);
    r.sizeTableA = tableOf(data.sizeTableA);
    r.sizeTableB = tableOf(data.sizeTableB);
    r.sizeTableC = tableOf(data.sizeTableC);
    return r;
}

} // namespace

float Interpolate(const std::vector<float> &table, float t, int i)
{
    if (table.empty())
        return 0.0f;
    if (table.size() == 1)
        return table.front();
    const int lastInterval = static_cast<int>(table.size()) - 2;
    const std::size_t at =
        static_cast<std::size_t>(i < 0 ? 0 : (i > lastInterval ? lastInterval : i));
    const double from = table[at];
    const double to = table[at + 1];
    return toSingle((to - from) * t + from);
}

TablePosition LocateInTable(float &value, const std::vector<float> &table)
{
    if (table.empty())
        return {0.0f, 0, true};

    const auto outOfRange = [&] {
        value = table.front();
        return TablePosition{0.0f, 0, true};
    };
    if (std::isnan(value))
        return outOfRange();
    if (table.size() == 1)
        return value == table.front() ? TablePosition{} : outOfRange();

    const std::size_t last = table.size() - 1;
    const bool rising = table[0] < table[1];
    // Whether a lies before b in the table's direction (a * d < b * d with d = +1 or -1).
    const auto before = [rising](float a, float b) { return rising ? a < b : b < a; };

    if (before(value, table[0]) || before(table[last], value))
        return outOfRange();
    if (value == table[last])
        return {1.0f, static_cast<int>(last) - 1, false};

    for (std::size_t i = 0; i < last; ++i) {
        const float from = table[i];
        const float to = table[i + 1];
        if (before(value, from) || before(to, value))
            continue;
        // Two equal neighbours hold only their own value: it lies at the start of the interval.
        const double span = static_cast<double>(to) - from;
        const double t = span == 0.0 ? 0.0 : (static_cast<double>(value) - from) / span;
        if (!(t >= 0.0 && t <= 1.0))
            continue; // an unmeasured (not-a-number or infinite) entry
        return {static_cast<float>(t), static_cast<int>(i), false};
    }
    // Only a table with unmeasured entries leaves a value between its ends outside every
    // interval.
    return outOfRange();
}

int ParseNumberList(std::string_view text, std::vector<float> &table)
{
    table.clear();
    if (text.find(',') == std::string_view::npos)
        return -1;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view piece = text.substr(start, comma - start);
        table.push_back(toSingle(leadingNumber(piece)));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return static_cast<int>(table.size()) - 1;
}

FocusTables BuildFocusTables()
{
    return {recordFrom(cr7300Data), recordFrom(cr7400Data)};
}

} // namespace lumidex

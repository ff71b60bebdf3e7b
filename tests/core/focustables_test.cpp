#include "4-crt/focustables.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

using namespace lumidex;

namespace {

const FocusTables &tables()
{
    static const FocusTables built = BuildFocusTables();
    return built;
}

enum class Knots
{
    Diagonals,
    Angles
};

const std::vector<float> &knotsOf(int record, Knots knots)
{
    const FocusRecord &r = tables().record(record);
    return knots == Knots::Diagonals ? r.diagonals : r.angleTable;
}

struct LocateCase
{
    const char *name;
    int record;
    Knots knots;
    float value;
    bool outOfRange;
    int index;
    float t;
    float valueAfter;
};

class LocateInFocusRecord : public testing::TestWithParam<LocateCase>
{};

// Interpolating back at the found place must give the value again; a value outside the
// measured points is set to the first one.
TEST_P(LocateInFocusRecord, FindsIntervalAndFraction)
{
    const LocateCase &c = GetParam();
    const std::vector<float> &knots = knotsOf(c.record, c.knots);
    float value = c.value;
    const TablePosition p = LocateInTable(value, knots);
    EXPECT_EQ(p.outOfRange, c.outOfRange);
    EXPECT_EQ(p.index, c.index);
    EXPECT_NEAR(p.t, c.t, 1e-5);
    EXPECT_FLOAT_EQ(value, c.valueAfter);
    EXPECT_NEAR(Interpolate(knots, p.t, p.index), value, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Records, LocateInFocusRecord,
    testing::Values(
        LocateCase{"diagonal75", 1, Knots::Diagonals, 75, false, 1, 0.25f, 75},
        LocateCase{"firstDiagonal", 1, Knots::Diagonals, 60, false, 0, 0, 60},
        LocateCase{"innerDiagonalEndsEarlierInterval", 1, Knots::Diagonals, 70, false, 0, 1, 70},
        LocateCase{"lastDiagonal", 1, Knots::Diagonals, 300, false, 8, 1, 300},
        LocateCase{"belowSmallest", 1, Knots::Diagonals, 50, true, 0, 0, 60},
        LocateCase{"aboveLargest", 1, Knots::Diagonals, 300.5f, true, 0, 0, 60},
        LocateCase{"cr7400LastDiagonal", 2, Knots::Diagonals, 250, false, 7, 1, 250},
        LocateCase{"cr7400AboveLargest", 2, Knots::Diagonals, 251, true, 0, 0, 60},
        LocateCase{"angleOnKnotEndsEarlierInterval", 1, Knots::Angles, 15.206f, false, 2, 1,
                   15.206f},
        LocateCase{"angleHalfway", 1, Knots::Angles, 14.603f, false, 3, 0.5f, 14.603f},
        LocateCase{"defaultAngle", 1, Knots::Angles, 15.2f, false, 3, 0.0049751f, 15.2f},
        LocateCase{"centreAngle", 1, Knots::Angles, 0, false, 17, 1, 0},
        LocateCase{"flattestAngle", 1, Knots::Angles, -2, false, 19, 1, -2},
        LocateCase{"angleSteeperThanTable", 1, Knots::Angles, 31, true, 0, 0, 30},
        LocateCase{"angleFlatterThanTable", 1, Knots::Angles, -2.5f, true, 0, 0, 30},
        LocateCase{"cr7400DefaultAngle", 2, Knots::Angles, 13.5f, false, 3, 0.025974f, 13.5f},
        LocateCase{"cr7400AngleSteeperThanTable", 2, Knots::Angles, 25, true, 0, 0, 24}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Interpolate, SizeTableAtLocatedDiagonal)
{
    const FocusRecord &r = tables().record(1);
    float diagonal = 75;
    const TablePosition p = LocateInTable(diagonal, r.diagonals);
    EXPECT_FLOAT_EQ(Interpolate(r.sizeTableC, p.t, p.index), 96.6025f);
}

struct DegenerateCase
{
    const char *name;
    std::vector<float> table;
    float value;
    bool outOfRange;
    float valueAfter;
};

class LocateInDegenerateTable : public testing::TestWithParam<DegenerateCase>
{};

// Short, flat or damaged tables must give a usable place, never a crash or a NaN.
TEST_P(LocateInDegenerateTable, GivesUsablePlace)
{
    const DegenerateCase &c = GetParam();
    float value = c.value;
    const TablePosition p = LocateInTable(value, c.table);
    EXPECT_EQ(p.outOfRange, c.outOfRange);
    EXPECT_FALSE(std::isnan(p.t));
    EXPECT_GE(p.t, 0.0f);
    EXPECT_LE(p.t, 1.0f);
    EXPECT_GE(p.index, 0);
    EXPECT_LE(p.index, std::max(0, static_cast<int>(c.table.size()) - 2));
    EXPECT_FLOAT_EQ(value, c.valueAfter);
    EXPECT_FALSE(std::isnan(Interpolate(c.table, p.t, p.index)));
}

const float notANumber = std::numeric_limits<float>::quiet_NaN();
const float infinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Tables, LocateInDegenerateTable,
    testing::Values(DegenerateCase{"emptyLeavesValue", {}, 5, true, 5},
                    DegenerateCase{"singleEntryItself", {3}, 3, false, 3},
                    DegenerateCase{"singleEntryOther", {3}, 4, true, 3},
                    DegenerateCase{"equalPair", {2, 2}, 2, false, 2},
                    DegenerateCase{"flatStart", {5, 5, 0}, 5, false, 5},
                    DegenerateCase{"allEqual", {4, 4, 4}, 4, false, 4},
                    DegenerateCase{"notANumberValue", {1, 2, 3}, notANumber, true, 1},
                    DegenerateCase{
                        "widestFloats",
                        {-std::numeric_limits<float>::max(), std::numeric_limits<float>::max()},
                        0,
                        false,
                        0},
                    DegenerateCase{"notANumberEntry", {0, 1, notANumber, 3}, 2, true, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Interpolate, IndexPastTheEndsStaysOnTable)
{
    const std::vector<float> table{10, 20, 40};
    EXPECT_FLOAT_EQ(Interpolate(table, 0.5f, 5), 30.0f);
    EXPECT_FLOAT_EQ(Interpolate(table, 0.5f, -1), 15.0f);
    EXPECT_FLOAT_EQ(Interpolate({7}, 0.5f, 0), 7.0f);
    EXPECT_FLOAT_EQ(Interpolate({}, 0.5f, 0), 0.0f);
}

struct ParseCase
{
    const char *name;
    const char *text;
    std::vector<float> expected;
};

class ParseNumbers : public testing::TestWithParam<ParseCase>
{};

TEST_P(ParseNumbers, ReadsEachPieceAsItsLeadingNumber)
{
    const ParseCase &c = GetParam();
    std::vector<float> table{99, 98, 97, 96, 95}; // whatever was there before goes
    const int last = ParseNumberList(c.text, table);
    EXPECT_EQ(last, static_cast<int>(c.expected.size()) - 1);
    EXPECT_EQ(table, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumbers,
    testing::Values(ParseCase{"noCommaGivesNothing", "60", {}},
                    ParseCase{"emptyGivesNothing", "", {}}, ParseCase{"twoPieces", "1,2", {1, 2}},
                    ParseCase{"pieceAfterLastCommaCounts", "60,70,90", {60, 70, 90}},
                    ParseCase{"trailingCommaAddsZero", "1,2,", {1, 2, 0}},
                    ParseCase{"emptyMiddleIsZero", "1,,3", {1, 0, 3}},
                    ParseCase{"leadingNumberOfEachPiece", " 12/5,7.5in", {12, 7.5f}},
                    ParseCase{"signsAndExponents", "-1.5,2e2", {-1.5f, 200}},
                    ParseCase{"tooLargeIsInfinite", "1e300,1", {infinity, 1}}),
    [](const auto &info) { return std::string(info.param.name); });

struct RecordShape
{
    const char *name;
    int record;
    std::size_t angles;
    std::size_t diagonals;
    std::size_t sizes;
    float defaultAngle;
    int lastUnitLengthFactor; // factorTable2 is 1.0 from index 3 up to here
};

class FocusRecordShape : public testing::TestWithParam<RecordShape>
{};

// The parallel tables must line up: a missing or doubled entry shifts every lookup after it.
TEST_P(FocusRecordShape, ParallelTablesLineUp)
{
    const RecordShape &c = GetParam();
    const FocusRecord &r = tables().record(c.record);
    EXPECT_EQ(r.angleTable.size(), c.angles);
    EXPECT_EQ(r.angleTable2.size(), c.angles);
    EXPECT_EQ(r.factorTable1.size(), c.angles);
    EXPECT_EQ(r.factorTable2.size(), c.angles);
    EXPECT_EQ(r.diagonals.size(), c.diagonals);
    EXPECT_EQ(r.sizeTableA.size(), c.sizes);
    EXPECT_EQ(r.sizeTableB.size(), c.sizes);
    EXPECT_EQ(r.sizeTableC.size(), c.sizes);
    EXPECT_FLOAT_EQ(r.diagonals.front(), r.minDiagonal);
    EXPECT_FLOAT_EQ(r.diagonals.back(), r.maxDiagonal);
    EXPECT_FLOAT_EQ(r.defaultAngle, c.defaultAngle);
}

// The default angle's knot is where both factors are exactly 1; the flat run of length factors
// ends where the text says.
TEST_P(FocusRecordShape, FactorsAroundTheDefaultAngle)
{
    const RecordShape &c = GetParam();
    const FocusRecord &r = tables().record(c.record);
    ASSERT_EQ(r.factorTable2.size(), c.angles);
    EXPECT_NEAR(r.angleTable[3], c.defaultAngle, 0.05f);
    EXPECT_EQ(r.factorTable1[3], 1.0f);
    for (int i = 0; i < static_cast<int>(c.angles); ++i) {
        const bool unit = i >= 3 && i <= c.lastUnitLengthFactor;
        EXPECT_EQ(r.factorTable2[i] == 1.0f, unit) << i;
    }
}

// Lookups need strictly falling angles and strictly rising diagonals and size values.
TEST_P(FocusRecordShape, KnotsAreStrictlyOrdered)
{
    const FocusRecord &r = tables().record(GetParam().record);
    for (std::size_t i = 1; i < r.angleTable.size(); ++i) {
        EXPECT_LT(r.angleTable[i], r.angleTable[i - 1]) << i;
        EXPECT_LT(r.angleTable2[i], r.angleTable2[i - 1]) << i;
    }
    for (const auto *table : {&r.diagonals, &r.sizeTableA, &r.sizeTableB, &r.sizeTableC})
        for (std::size_t i = 1; i < table->size(); ++i)
            EXPECT_GT((*table)[i], (*table)[i - 1]) << i;
}

INSTANTIATE_TEST_SUITE_P(Records, FocusRecordShape,
                         testing::Values(RecordShape{"cr7300", 1, 21, 10, 11, 15.2f, 13},
                                         RecordShape{"cr7400", 2, 19, 9, 9, 13.5f, 15}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

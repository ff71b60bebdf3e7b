#include "3-catalogue/catalogue.h"
#include "7-project/projectfile.h"

#include <bit>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <new>
#include <sys/resource.h>

using namespace lumidex;
namespace fs = std::filesystem;

// The largest single allocation made while `watching` is set: a damaged count must be refused
// before the reader asks for memory on its word.
namespace {
bool watching = false;
std::size_t largestRequest = 0;
} // namespace

void *operator new(std::size_t size)
{
    if (watching)
        largestRequest = std::max(largestRequest, size);
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
// The pair is replaced together, so free() does match; the compiler cannot see that once the
// calls are inlined.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void *p) noexcept
{
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}
// Every other form takes the same path, so that no allocation is paired with another
// library's release (the sanitizers check the pairs).
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    if (watching)
        largestRequest = std::max(largestRequest, size);
    return std::malloc(size ? size : 1);
}
void operator delete(void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}
void *operator new[](std::size_t size)
{
    return ::operator new(size);
}
void *operator new[](std::size_t size, const std::nothrow_t &tag) noexcept
{
    return ::operator new(size, tag);
}
void operator delete[](void *p) noexcept
{
    std::free(p);
}
void operator delete[](void *p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}
#pragma GCC diagnostic pop

namespace {

using Bytes = std::vector<std::uint8_t>;

Project onePage()
{
    Project p;
    p.setPageCount(1);
    p.page(1).projectorCode = 1;
    return p;
}

// Three pages with every field set, texts in Windows-1252 and a trailer.
Project fullProject()
{
    Project p = newProject("12-08-2026");
    p.setPageCount(3);
    p.page(2) = p.page(1);
    p.page(2).text(PageText::Notes) = std::string(NewPageNotes) + " caf\u00e9 \u20ac5\rsecond line";
    p.page(3).projectorCode = 67;
    p.page(3).screenPosition = CustomAnglePosition;
    p.page(3).placementAngle = -7.5f;
    p.page(3).measureUnits = 2;
    p.page(3).heightUnit = 1;
    p.page(3).inputSignal = 2;
    p.page(3).throwPoint = 1;
    p.trailerText = "Lumidex project \u00a9";
    return p;
}

void put16(Bytes &b, std::size_t at, std::int16_t v)
{
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(v) >> 8);
}

Bytes readAll(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// One page with empty texts and trailer is 50 bytes: count, 9 x 2 text counts, 28 bytes of
// numbers, trailer count.
TEST(ProjectLayout, NumbersInFileOrderLittleEndian)
{
    EXPECT_EQ(encodeProject(onePage()).size(), 50u);
    Project p = onePage();
    PageRecord &r = p.page(1);
    r.screenWidth = 80.0f;
    r.aspectRatio = 4.0f / 3.0f;
    r.projectorCode = 41; // LX-510 lens 0
    r.screenPosition = 3;
    r.placementAngle = -1.0f;
    r.widthUnit = 1;
    r.heightUnit = r.measureUnits = 2;
    r.inputSignal = -1;
    r.throwPoint = 1;
    const Bytes b = encodeProject(p);
    ASSERT_EQ(b.size(), 50u);
    EXPECT_EQ(b[0] | b[1] << 8, 1);
    const Bytes numbers(b.begin() + 20, b.begin() + 48);
    // width 80, aspect 3FAAAAAB, code 41, position 3, angle -1, then measure, height, width,
    // diagonal units, input signal, throw point.
    const Bytes expected{0x00, 0x00, 0xA0, 0x42, 0xAB, 0xAA, 0xAA, 0x3F, 41, 0,
                         3,    0,    0x00, 0x00, 0x80, 0xBF, 2,    0,    2,  0,
                         1,    0,    0,    0,    0xFF, 0xFF, 1,    0};
    EXPECT_EQ(numbers, expected);
}

struct TextCase
{
    const char *name;
    std::string utf8;
    std::string stored; // the Windows-1252 bytes
};

class ProjectText : public testing::TestWithParam<TextCase>
{};

// A text costs its Windows-1252 length plus the two count bytes, and reads back as UTF-8.
TEST_P(ProjectText, TakesCountPlusTwoBytes)
{
    const TextCase &c = GetParam();
    Project p = onePage();
    p.page(1).text(PageText::Notes) = c.utf8;
    const Bytes b = encodeProject(p);
    ASSERT_EQ(b.size(), 50 + c.stored.size());
    const std::size_t at = 2 + 7 * 2; // count of the notes text
    EXPECT_EQ(b[at] | (b[at + 1] << 8), static_cast<int>(c.stored.size()));
    EXPECT_EQ(std::string(b.begin() + at + 2, b.begin() + at + 2 + c.stored.size()), c.stored);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(c.stored)), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ProjectText,
    testing::Values(TextCase{"empty", "", ""}, TextCase{"carriageReturnIsOneByte", "a\rb", "a\rb"},
                    TextCase{"eAcute", "caf\u00e9", "caf\xE9"}, TextCase{"euro", "\u20ac", "\x80"},
                    TextCase{"unassignedBytes", "\u0081\u008d\u008f\u0090\u009d",
                             "\x81\x8D\x8F\x90\x9D"},
                    TextCase{"yDiaeresis9F", "\u0178", "\x9F"},
                    TextCase{"omegaHasNoByte", "\u03a9m", "?m"},
                    TextCase{"controlU0080HasNoByte", "\u0080", "?"},
                    TextCase{"emojiIsOneQuestionMark", "\U0001F600", "?"},
                    TextCase{"strayByteIsQuestionMark", "a\xC3", "a?"}),
    [](const auto &info) { return std::string(info.param.name); });

// Bytes after the trailer are ignored; the spare text and the SXGA mode never reach the file.
TEST(ProjectRoundTrip, EveryByteValueAndTrailerComeBackUnchanged)
{
    Project p = fullProject();
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    p.page(3).text(PageText::Title) = windows1252ToUtf8(all);
    const Bytes first = encodeProject(p);
    Bytes padded = first;
    padded.insert(padded.end(), {0xFF, 0xFF, 0x12});
    const std::optional<Project> back = decodeProject(padded);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, p);
    EXPECT_EQ(encodeProject(*back), first);

    p.page(2).text(PageText::Spare) = "spare";
    p.page(2).sxgaAspectMode = 1;
    EXPECT_EQ(encodeProject(p), first);
}

TEST(ProjectRoundTrip, NewProjectDefaults)
{
    EXPECT_EQ(projectDateText(std::chrono::year{2026} / 12 / 8), "12-08-2026");
    const Project p = newProject("12-08-2026");
    ASSERT_EQ(p.pageCount(), 1);
    const PageRecord &r = p.page(1);
    EXPECT_EQ(r.text(PageText::Title), std::string(19, ' ') + "Enter title here");
    EXPECT_EQ(selectionFromProjectorCode(r.projectorCode), Selection::crt(Series::CR7300));
    EXPECT_EQ(std::bit_cast<std::uint32_t>(r.aspectRatio), 0x3FAAAAABu);
    EXPECT_EQ(r.screenWidth, 80.0f);
    EXPECT_TRUE(decodeProject(encodeProject(p)));
}

struct PatchCase
{
    const char *name;
    std::size_t offset; // in a one-page file with empty texts and trailer
    std::int16_t value;
    bool accepted;
};

class ProjectDecodePatch : public testing::TestWithParam<PatchCase>
{};

TEST_P(ProjectDecodePatch, RefusesOnlyValuesOutsideTheirRange)
{
    const PatchCase &c = GetParam();
    Bytes b = encodeProject(onePage());
    put16(b, c.offset, c.value);
    std::string error;
    EXPECT_EQ(decodeProject(b, &error).has_value(), c.accepted) << error;
    EXPECT_EQ(error.empty(), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ProjectDecodePatch,
    testing::Values(
        PatchCase{"pageCountZero", 0, 0, false}, PatchCase{"pageCountNegative", 0, -3, false},
        PatchCase{"textCountMinusOne", 2, -1, false}, PatchCase{"textCountPastEnd", 2, 40, false},
        PatchCase{"trailerCountMinusOne", 48, -1, false},
        PatchCase{"projectorCode5Unassigned", 28, 5, false},
        PatchCase{"projectorCode68", 28, 68, false}, PatchCase{"projectorCode67", 28, 67, true},
        PatchCase{"projectorCode0", 28, 0, true}, PatchCase{"positionNegative", 30, -1, false},
        PatchCase{"position5", 30, 5, false}, PatchCase{"position4", 30, 4, true},
        PatchCase{"measureUnits3", 36, 3, false}, PatchCase{"heightUnitNegative", 38, -1, false},
        PatchCase{"widthUnit3", 40, 3, false}, PatchCase{"diagonalUnit3", 42, 3, false},
        PatchCase{"diagonalUnit2", 42, 2, true}, PatchCase{"inputSignalNegative", 44, -1, true},
        PatchCase{"throwPoint2", 46, 2, false}, PatchCase{"throwPointNegative", 46, -1, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ProjectDecode, NinetyNinePagesButNotAHundred)
{
    Project p = onePage();
    p.setPageCount(MaxPages);
    for (int n = 2; n <= MaxPages; ++n)
        p.page(n) = p.page(1);
    EXPECT_TRUE(decodeProject(encodeProject(p)));
    p.setPageCount(MaxPages + 1);
    p.page(MaxPages + 1) = p.page(1);
    EXPECT_FALSE(decodeProject(encodeProject(p)));
    std::string error;
    EXPECT_FALSE(saveProjectFile("/nonexistent-never-written.lmx", p, &error));
    EXPECT_NE(error.find("\rError code: " + std::to_string(EINVAL) + "\r"), std::string::npos);
}

TEST(ProjectDecode, HugeCountInShortFileRefusedBeforeAllocating)
{
    Bytes b(40, 0);
    put16(b, 0, 1);
    put16(b, 2, 30000);
    largestRequest = 0;
    watching = true;
    const bool accepted = decodeProject(b).has_value();
    watching = false;
    EXPECT_FALSE(accepted);
    EXPECT_LT(largestRequest, 1000u);
}

TEST(ProjectDecode, EveryTruncationIsRefused)
{
    const Bytes whole = encodeProject(fullProject());
    for (std::size_t n = 0; n < whole.size(); ++n) {
        std::string error;
        EXPECT_FALSE(decodeProject(std::span(whole.data(), n), &error)) << n;
        EXPECT_FALSE(error.empty()) << n;
    }
}

class ProjectFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("lumidex-project-" +
               std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / "room.lmx").string();
    }
    void TearDown() override { fs::remove_all(dir); }
    std::size_t filesInDir() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }

    fs::path dir;
    std::string path;
};

TEST_F(ProjectFiles, ShorterSecondSaveLeavesNoStaleBytes)
{
    std::string error;
    ASSERT_TRUE(saveProjectFile(path, fullProject(), &error)) << error;
    const Project shorter = onePage();
    ASSERT_TRUE(saveProjectFile(path, shorter, &error)) << error;
    EXPECT_EQ(readAll(path), encodeProject(shorter));
    EXPECT_EQ(filesInDir(), 1u);
    EXPECT_EQ(openProjectFile(path, &error), shorter);
}

TEST_F(ProjectFiles, FailedWriteKeepsTheOldFile)
{
    ASSERT_TRUE(saveProjectFile(path, onePage(), nullptr));
    const Bytes before = readAll(path);
    // A file size limit below the new content makes the write itself fail, even for root.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    std::string error;
    const bool saved = saveProjectFile(path, fullProject(), &error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(filesInDir(), 1u);
    EXPECT_EQ(error, "Unable to save project to filename: " + path +
                         "\rError code: " + std::to_string(EFBIG) + "\r" + std::strerror(EFBIG));
}

TEST_F(ProjectFiles, TextTooLongForItsCountIsNotSaved)
{
    ASSERT_TRUE(saveProjectFile(path, onePage(), nullptr));
    Project p = onePage();
    // The limit counts file bytes: 32767 two-byte UTF-8 characters still fit.
    for (int i = 0; i < MaxStoredTextLength; ++i)
        p.page(1).text(PageText::Notes) += "\u00e9";
    EXPECT_TRUE(saveProjectFile(path, p, nullptr));
    p.page(1).text(PageText::Notes) += "x";
    std::string error;
    EXPECT_FALSE(saveProjectFile(path, p, &error));
    EXPECT_NE(error.find("\rError code: " + std::to_string(EOVERFLOW) + "\r"), std::string::npos);
    EXPECT_EQ(readAll(path).size(), 50u + MaxStoredTextLength);
}

TEST_F(ProjectFiles, SaveOntoAFolderFailsAndLeavesNothingBehind)
{
    fs::create_directory(path);
    fs::create_directory(fs::path(path) / "inside");
    std::string error;
    EXPECT_FALSE(saveProjectFile(path, onePage(), &error));
    EXPECT_EQ(error.rfind("Unable to save project to filename: " + path + "\r", 0), 0u);
    EXPECT_TRUE(fs::is_directory(fs::path(path) / "inside"));
    EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(ProjectFiles, OpenFailuresGiveTheThreeLineMessage)
{
    std::string error;
    EXPECT_FALSE(openProjectFile(path, &error));
    EXPECT_EQ(error, "Unable to open project to filename: " + path +
                         "\rError code: " + std::to_string(ENOENT) + "\r" + std::strerror(ENOENT));

    Bytes b = encodeProject(onePage());
    put16(b, 2, -1);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(b.data()), static_cast<std::streamsize>(b.size()));
    EXPECT_FALSE(openProjectFile(path, &error));
    EXPECT_EQ(error.rfind("Unable to open project to filename: " + path +
                              "\rError code: " + std::to_string(EINVAL) + "\r",
                          0),
              0u);
}

} // namespace

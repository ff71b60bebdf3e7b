#include "7-project/filereplace.h"
#include "7-project/projectfile.h"
#include "filetrouble.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lumidex;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Stat = struct stat;
using M = SaveMethod;

struct PlanCase
{
    const char *name;
    SaveTarget target; // exists, regular, directory, file error, folder error
    SavePlan plan;
};

class SavePlanning : public testing::TestWithParam<PlanCase>
{};

TEST_P(SavePlanning, FollowsTheUsersRights)
{
    const SavePlan plan = planSave(GetParam().target);
    EXPECT_EQ(plan.method, GetParam().plan.method);
    EXPECT_EQ(plan.errorNumber, GetParam().plan.errorNumber);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, SavePlanning,
    testing::Values(
        PlanCase{"newFile", {false, false, false, 0, 0}, {M::Replace, 0}},
        PlanCase{"newInReadOnlyFolder", {false, false, false, 0, EACCES}, {M::Refuse, EACCES}},
        PlanCase{"writable", {true, true, false, 0, 0}, {M::Replace, 0}},
        PlanCase{"writableInReadOnlyFolder", {true, true, false, 0, EACCES}, {M::InPlace, 0}},
        PlanCase{"readOnly", {true, true, false, EACCES, 0}, {M::Refuse, EACCES}},
        PlanCase{"readOnlyFileSystem", {true, true, false, EROFS, EROFS}, {M::Refuse, EROFS}},
        PlanCase{"directory", {true, false, true, 0, 0}, {M::Refuse, EISDIR}},
        PlanCase{"pipeOrDevice", {true, false, false, 0, 0}, {M::Refuse, EINVAL}}),
    [](const auto &info) { return std::string(info.param.name); });

Bytes readAll(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

const Bytes OldBytes(50, 0x11);
const Bytes NewBytes(70000, 0x22);

void writeOld(const fs::path &path, fs::perms mode)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(OldBytes.data()), std::streamsize(OldBytes.size()));
    fs::permissions(path, mode);
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

class FileReplaceTest : public testing::Test
{
public:
    void SetUp() override
    {
        std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(test.begin(), test.end(), '/', '-');
        dir = fs::temp_directory_path() /
              ("lumidex-replace-" + std::to_string(::getpid()) + "-" + test);
        fs::create_directories(dir);
        path = dir / "room.lmx";
    }
    void TearDown() override
    {
        disk.reset();
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto &e : fs::directory_iterator(dir))
            found.push_back(e.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }

    fs::path dir;
    fs::path path;
    std::unique_ptr<fakes::SmallDisk> disk;
};

enum class Outcome
{
    Replaced,  // a new file holds the new bytes
    Rewritten, // the same file holds the new bytes
    Kept,      // the old file, untouched
};

struct MatrixCase
{
    const char *name;
    // Prepares dir and path; the hooks stand in for a user where the tests run as root.
    // Gives why the case cannot run here, or nothing.
    std::function<std::string(FileReplaceTest &, FileReplaceHooks &)> prepare;
    Outcome outcome;
    int errorNumber = 0;
    rlim_t sizeLimit = RLIM_INFINITY; // a write past it fails as on a full disk
};

class SaveMatrix : public FileReplaceTest, public testing::WithParamInterface<MatrixCase>
{};

TEST_P(SaveMatrix, OldFileIntactOrNewFileComplete)
{
    FileReplaceHooks hooks;
    if (const std::string skip = GetParam().prepare(*this, hooks); !skip.empty())
        GTEST_SKIP() << skip;
    Stat before{};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    const std::vector<std::string> namesBefore = names();
    const bool link = fs::is_symlink(path);

    std::optional<FileError> error;
    {
        const fakes::FileSizeLimit limit(GetParam().sizeLimit);
        error = replaceFileContents(path.string(), NewBytes, hooks);
    }

    Stat after{};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(names(), namesBefore) << "a file left behind or taken away";
    EXPECT_EQ(fs::is_symlink(path), link);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    if (GetParam().outcome == Outcome::Kept) {
        ASSERT_TRUE(error);
        EXPECT_EQ(error->number, GetParam().errorNumber) << error->description;
        EXPECT_EQ(after.st_ino, before.st_ino);
        if (S_ISREG(after.st_mode)) {
            EXPECT_EQ(readAll(path), OldBytes);
        }
        return;
    }
    ASSERT_FALSE(error) << error->description;
    EXPECT_EQ(readAll(path), NewBytes);
    EXPECT_EQ(after.st_ino == before.st_ino, GetParam().outcome == Outcome::Rewritten);
}

using P = fs::perms;
constexpr P ReadOnly = P::owner_read | P::group_read | P::others_read;
constexpr P Usual = P::owner_read | P::owner_write | P::group_read | P::others_read;

INSTANTIATE_TEST_SUITE_P(
    Targets, SaveMatrix,
    testing::Values(
        // Unusual bits, and as root someone else's file: the replacement keeps them.
        MatrixCase{"keepsModeOwnerAndGroup",
                   [](auto &t, auto &) {
                       writeOld(t.path, P::owner_read | P::owner_write | P::others_read);
                       if (runningAsRoot() && ::chown(t.path.c_str(), 65534, 65534) != 0)
                           return std::string("cannot give the file to another user");
                       return std::string();
                   },
                   Outcome::Replaced},
        MatrixCase{"readOnlyFile",
                   [](auto &t, auto &hooks) {
                       if (runningAsRoot())
                           hooks.fileWriteError = EACCES; // root may write it; a user may not
                       writeOld(t.path, ReadOnly);
                       return std::string();
                   },
                   Outcome::Kept, EACCES},
        MatrixCase{"readOnlyFolder",
                   [](auto &t, auto &hooks) {
                       if (runningAsRoot())
                           hooks.folderWriteError = EACCES;
                       writeOld(t.path, Usual);
                       fs::permissions(t.dir, P::owner_read | P::owner_exec);
                       return std::string();
                   },
                   Outcome::Rewritten},
        // In place the space is taken first: a disk too small leaves the old text whole.
        MatrixCase{"fullDiskInPlace",
                   [](auto &t, auto &hooks) {
                       hooks.folderWriteError = EACCES;
                       writeOld(t.path, Usual);
                       return std::string();
                   },
                   Outcome::Kept, EFBIG, 4096},
        MatrixCase{"fullDisk",
                   [](auto &t, auto &) {
                       t.disk = std::make_unique<fakes::SmallDisk>(t.dir.string(), "16k");
                       if (!t.disk->mounted())
                           return std::string("no small file system can be mounted here");
                       writeOld(t.path, Usual);
                       return std::string();
                   },
                   Outcome::Kept, ENOSPC},
        // The file the link points at is replaced; the link stays.
        MatrixCase{"symlink",
                   [](auto &t, auto &) {
                       fs::create_directory(t.dir / "real");
                       writeOld(t.dir / "real" / "room.lmx", Usual);
                       fs::create_symlink("real/room.lmx", t.path);
                       return std::string();
                   },
                   Outcome::Replaced},
        MatrixCase{"directoryInTheWay",
                   [](auto &t, auto &) {
                       fs::create_directories(t.path / "inside");
                       return std::string();
                   },
                   Outcome::Kept, EISDIR},
        MatrixCase{"pipe",
                   [](auto &t, auto &) {
                       ::mkfifo(t.path.c_str(), 0644);
                       return std::string();
                   },
                   Outcome::Kept, EINVAL}),
    [](const auto &info) { return std::string(info.param.name); });

// The message a user sees; root may write any file, so only a user can see it.
TEST_F(FileReplaceTest, ReadOnlyProjectIsRefusedWithThePermissionMessage)
{
    if (runningAsRoot())
        GTEST_SKIP() << "root may write a read-only file";
    writeOld(path, ReadOnly);
    std::string error;
    EXPECT_FALSE(saveProjectFile(path.string(), newProject("12-08-2026"), &error));
    EXPECT_EQ(error, "Unable to save project to filename: " + path.string() +
                         "\rError code: 13\rPermission denied");
    EXPECT_EQ(readAll(path), OldBytes);
}

// A killed save leaves its temporary; the next save of the project takes it away and nothing
// else: not another project's, not a look-alike name, not a link, not one a running save
// holds, not another user's.
TEST_F(FileReplaceTest, NextSaveRemovesWhatAKilledSaveLeft)
{
    writeOld(path, Usual);
    FileReplaceHooks killed;
    killed.stopAfterBytes = NewBytes.size() / 2;
    ASSERT_TRUE(replaceFileContents(path.string(), NewBytes, killed));
    EXPECT_EQ(readAll(path), OldBytes);
    const std::vector<std::string> left = names();
    ASSERT_EQ(left.size(), 2u);
    EXPECT_TRUE(isTemporaryOf(left[0], "room.lmx")) << left[0];
    EXPECT_EQ(fs::file_size(dir / left[0]), NewBytes.size() / 2);

    std::vector<std::string> kept{
        ".other.lmx.~lumidex-0000abcd.tmp", ".room.lmx.~lumidex-0000ABCD.tmp",
        ".room.lmx.~lumidex-0000abc.tmp",   ".room.lmx.~lumidex-0000abcd.tmp.bak",
        "room.lmx.~lumidex-0000abcd.tmp",   ".room.lmx.~lumidex-11111111.tmp",
        ".room.lmx.~lumidex-22222222.tmp", // held by a save at work
    };
    for (const std::string &name : kept)
        writeOld(dir / name, Usual);
    fs::remove(dir / kept[5]);
    fs::create_symlink("room.lmx", dir / kept[5]);
    const int running = ::open((dir / kept[6]).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);
    if (runningAsRoot()) {
        kept.push_back(".room.lmx.~lumidex-33333333.tmp");
        writeOld(dir / kept.back(), Usual);
        ASSERT_EQ(::chown((dir / kept.back()).c_str(), 65534, 65534), 0);
    }

    EXPECT_FALSE(replaceFileContents(path.string(), NewBytes));
    ::close(running);
    kept.push_back("room.lmx");
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(names(), kept);
    EXPECT_EQ(readAll(path), NewBytes);
}

// A temporary holds the whole project before it takes the file's place: it starts no more
// readable than the file (or, for a new file, than the user's mask allows), so that a private
// project cannot be read from a save at work or from what a killed one left.
struct TemporaryModeCase
{
    const char *name;
    std::optional<fs::perms> target; // none: a new file
    mode_t umask;
    mode_t mostOpen; // the temporary has no permission bit outside these
};

class TemporaryMode : public FileReplaceTest, public testing::WithParamInterface<TemporaryModeCase>
{};

TEST_P(TemporaryMode, NeverWiderThanTheTarget)
{
    const TemporaryModeCase &c = GetParam();
    if (c.target)
        writeOld(path, *c.target);
    const mode_t oldMask = ::umask(c.umask);
    FileReplaceHooks killed;
    killed.stopAfterBytes = 10;
    (void)replaceFileContents(path.string(), NewBytes, killed);
    std::vector<std::string> left = names();
    std::erase(left, "room.lmx");
    ASSERT_EQ(left.size(), 1u);
    Stat temporary{};
    ASSERT_EQ(::stat((dir / left[0]).c_str(), &temporary), 0);
    EXPECT_EQ(temporary.st_mode & 0777 & ~c.mostOpen, 0u) << std::oct << (temporary.st_mode & 0777);
    const bool failed = replaceFileContents(path.string(), NewBytes).has_value();
    ::umask(oldMask);
    ASSERT_FALSE(failed);
    Stat saved{};
    ASSERT_EQ(::stat(path.c_str(), &saved), 0);
    if (c.target)
        EXPECT_EQ(saved.st_mode & 0777, mode_t(*c.target));
    else
        EXPECT_EQ(saved.st_mode & 0777, 0666 & ~c.umask);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TemporaryMode,
    testing::Values(TemporaryModeCase{"privateFile", fs::perms(0600), 022, 0600},
                    TemporaryModeCase{"sharedFile", fs::perms(0644), 022, 0600},
                    TemporaryModeCase{"newFilePrivateMask", std::nullopt, 077, 0600},
                    TemporaryModeCase{"newFileUsualMask", std::nullopt, 022, 0644}),
    [](const auto &info) { return std::string(info.param.name); });

// A file in a folder the user may not write is rewritten in place. Its old bytes are kept in
// the program's own folder until the new ones are whole, so that a save stopped half-way never
// loses both: before, 8 of 12 projects killed during such a save no longer opened.
struct InPlaceCase
{
    const char *name;
    std::optional<std::size_t> stopAfterBytes; // a save killed after this many bytes
    bool copyLeft;
};

class InPlaceRewrite : public FileReplaceTest, public testing::WithParamInterface<InPlaceCase>
{};

TEST_P(InPlaceRewrite, KeepsTheOldBytesUntilTheNewAreWhole)
{
    writeOld(path, Usual);
    FileReplaceHooks hooks;
    hooks.folderWriteError = EACCES;
    hooks.stopAfterBytes = GetParam().stopAfterBytes;
    const fs::path copies = dir / "copies";
    const std::optional<FileError> error =
        replaceFileContents(path.string(), NewBytes, hooks, copies.string());
    EXPECT_EQ(error.has_value(), GetParam().copyLeft);
    const std::string stem = oldFileCopyStem(path.string());
    EXPECT_EQ(fs::exists(copies / (stem + ".lmx")), GetParam().copyLeft);
    if (GetParam().copyLeft) {
        EXPECT_EQ(readAll(copies / (stem + ".lmx")), OldBytes);
        std::ifstream name(copies / (stem + "-of.txt"));
        std::string named;
        std::getline(name, named);
        EXPECT_EQ(named, path.string());
        EXPECT_EQ(fs::status(copies).permissions() & (P::group_all | P::others_all), P::none);
    } else {
        EXPECT_EQ(readAll(path), NewBytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Saves, InPlaceRewrite,
                         testing::Values(InPlaceCase{"whole", std::nullopt, false},
                                         InPlaceCase{"killedHalfWay", 30000, true},
                                         InPlaceCase{"killedBeforeTheFirstByte", 0, true}),
                         [](const auto &info) { return std::string(info.param.name); });

// The same with a real save killed at moments spread over its work: the file holds the old or
// the new bytes whole, or the old bytes wait in the program's folder.
TEST_F(FileReplaceTest, KilledInPlaceSaveLeavesOldOrNewOrTheOldKept)
{
    const Bytes before(6 << 20, 0x11);
    const Bytes after(8 << 20, 0x22);
    const fs::path copies = dir / "copies";
    const fs::path copy = copies / (oldFileCopyStem(path.string()) + ".lmx");
    for (int kill = 0; kill < 10; ++kill) {
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char *>(before.data()), std::streamsize(before.size()));
        fs::remove_all(copies);
        const pid_t saver = ::fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            FileReplaceHooks inPlace;
            inPlace.folderWriteError = EACCES;
            (void)replaceFileContents(path.string(), after, inPlace, copies.string());
            ::_exit(0);
        }
        ::usleep(useconds_t(kill * 3000));
        ::kill(saver, SIGKILL);
        int status = 0;
        ::waitpid(saver, &status, 0);
        const Bytes found = readAll(path);
        const bool whole = found == before || found == after;
        EXPECT_TRUE(whole || (fs::exists(copy) && readAll(copy) == before))
            << "killed after " << kill * 3 << " ms: neither file whole nor the old one kept";
    }
}

} // namespace

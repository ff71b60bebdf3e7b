#include "project/filereplace.h"
#include "project/projectfile.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace lumidex;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Stat = struct stat;

struct PlanCase
{
    const char *name;
    SaveTarget target;
    SaveMethod method;
    int errorNumber;
};

class SavePlanning : public testing::TestWithParam<PlanCase>
{};

TEST_P(SavePlanning, FollowsTheUsersRights)
{
    const SavePlan plan = planSave(GetParam().target);
    EXPECT_EQ(plan.method, GetParam().method);
    EXPECT_EQ(plan.errorNumber, GetParam().errorNumber);
}

// exists, regular, directory, file write error, folder write error
INSTANTIATE_TEST_SUITE_P(
    Targets, SavePlanning,
    testing::Values(
        PlanCase{"newFile", {false, false, false, 0, 0}, SaveMethod::Replace, 0},
        PlanCase{"newFileInReadOnlyFolder",
                 {false, false, false, 0, EACCES},
                 SaveMethod::Refuse,
                 EACCES},
        PlanCase{
            "newFileInMissingFolder", {false, false, false, 0, ENOENT}, SaveMethod::Refuse, ENOENT},
        PlanCase{"writableFile", {true, true, false, 0, 0}, SaveMethod::Replace, 0},
        PlanCase{
            "writableFileInReadOnlyFolder", {true, true, false, 0, EACCES}, SaveMethod::InPlace, 0},
        PlanCase{"readOnlyFile", {true, true, false, EACCES, 0}, SaveMethod::Refuse, EACCES},
        PlanCase{"readOnlyFileInReadOnlyFolder",
                 {true, true, false, EACCES, EACCES},
                 SaveMethod::Refuse,
                 EACCES},
        PlanCase{
            "readOnlyFileSystem", {true, true, false, EROFS, EROFS}, SaveMethod::Refuse, EROFS},
        PlanCase{"directory", {true, false, true, 0, 0}, SaveMethod::Refuse, EISDIR},
        PlanCase{"pipeOrDevice", {true, false, false, 0, 0}, SaveMethod::Refuse, EINVAL}),
    [](const auto &info) { return std::string(info.param.name); });

Bytes readAll(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const fs::path &path, const Bytes &bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
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
        cleanUp();
        fs::create_directories(dir);
        path = dir / "room.lmx";
    }
    void TearDown() override
    {
        if (mounted)
            ::umount(dir.c_str());
        cleanUp();
    }
    void cleanUp()
    {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
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
    bool mounted = false;
};

const Bytes OldBytes(50, 0x11);
const Bytes NewBytes(70000, 0x22);

enum class Outcome
{
    Replaced,  // a new file holds the new bytes
    Rewritten, // the same file holds the new bytes
    Kept,      // the old file, untouched
};

struct MatrixCase
{
    const char *name;
    // Prepares dir and the old file at path; may set hooks (for the user root stands in for).
    // Gives why the case cannot run here, or nothing.
    std::function<std::string(FileReplaceTest &, FileReplaceHooks &)> prepare;
    Outcome outcome;
    int errorNumber = 0;
    rlim_t sizeLimit = RLIM_INFINITY;
};

class SaveMatrix : public FileReplaceTest, public testing::WithParamInterface<MatrixCase>
{};

// Limits the size of any file this process writes, so that a write fails as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit small = m_old;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_old{};
    void (*m_handler)(int);
};

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
        const FileSizeLimit limit(GetParam().sizeLimit);
        error = replaceFileContents(path.string(), NewBytes, hooks);
    }

    Stat after{};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(names(), namesBefore) << "a file left behind or taken away";
    EXPECT_EQ(fs::is_symlink(path), link);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    switch (GetParam().outcome) {
    case Outcome::Kept:
        ASSERT_TRUE(error);
        EXPECT_EQ(error->number, GetParam().errorNumber);
        if (error->number == EACCES) {
            EXPECT_EQ(error->description, "Permission denied");
        }
        if (S_ISREG(after.st_mode)) {
            EXPECT_EQ(readAll(path), OldBytes);
        }
        EXPECT_EQ(after.st_ino, before.st_ino);
        break;
    case Outcome::Replaced:
    case Outcome::Rewritten:
        ASSERT_FALSE(error) << error->description;
        EXPECT_EQ(readAll(path), NewBytes);
        EXPECT_EQ(after.st_ino == before.st_ino, GetParam().outcome == Outcome::Rewritten);
        break;
    }
}

std::string oldFile(const fs::path &at, fs::perms mode)
{
    writeAll(at, OldBytes);
    fs::permissions(at, mode);
    return {};
}

using P = fs::perms;
constexpr P ReadOnly = P::owner_read | P::group_read | P::others_read;
constexpr P Usual = P::owner_read | P::owner_write | P::group_read | P::others_read;
constexpr P ReadOnlyFolder = P::owner_read | P::owner_exec | P::group_read | P::group_exec;

INSTANTIATE_TEST_SUITE_P(
    Targets, SaveMatrix,
    testing::Values(
        MatrixCase{"writableFile", [](auto &t, auto &) { return oldFile(t.path, Usual); },
                   Outcome::Replaced},
        // Unusual bits, and as root someone else's file: the replacement keeps them.
        MatrixCase{"keepsModeOwnerAndGroup",
                   [](auto &t, auto &) {
                       oldFile(t.path, P::owner_read | P::owner_write | P::others_read);
                       if (runningAsRoot() && ::chown(t.path.c_str(), 65534, 65534) != 0)
                           return std::string("cannot give the file to another user");
                       return std::string();
                   },
                   Outcome::Replaced},
        MatrixCase{"readOnlyFile",
                   [](auto &t, auto &hooks) {
                       if (runningAsRoot())
                           hooks.fileWriteError = EACCES; // root may write it; a user may not
                       return oldFile(t.path, ReadOnly);
                   },
                   Outcome::Kept, EACCES},
        MatrixCase{"readOnlyFolder",
                   [](auto &t, auto &hooks) {
                       if (runningAsRoot())
                           hooks.folderWriteError = EACCES;
                       oldFile(t.path, Usual);
                       fs::permissions(t.dir, ReadOnlyFolder);
                       return std::string();
                   },
                   Outcome::Rewritten},
        // In place the space is taken first: a disk too small leaves the old text whole.
        MatrixCase{"fullDiskInPlace",
                   [](auto &t, auto &hooks) {
                       hooks.folderWriteError = EACCES;
                       return oldFile(t.path, Usual);
                   },
                   Outcome::Kept, EFBIG, 4096},
        MatrixCase{"fullDisk",
                   [](auto &t, auto &) {
                       if (::mount("tmpfs", t.dir.c_str(), "tmpfs", 0, "size=16k") != 0)
                           return "no small file system can be mounted here: " +
                                  std::string(std::strerror(errno));
                       t.mounted = true;
                       return oldFile(t.path, Usual);
                   },
                   Outcome::Kept, ENOSPC},
        MatrixCase{"writeFails", [](auto &t, auto &) { return oldFile(t.path, Usual); },
                   Outcome::Kept, EFBIG, 4096},
        // The file the link points at is replaced; the link stays.
        MatrixCase{"symlink",
                   [](auto &t, auto &) {
                       fs::create_directory(t.dir / "real");
                       oldFile(t.dir / "real" / "room.lmx", Usual);
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
    oldFile(path, ReadOnly);
    std::string error;
    EXPECT_FALSE(saveProjectFile(path.string(), newProject("12-08-2026"), &error));
    EXPECT_EQ(error, "Unable to save project to filename: " + path.string() +
                         "\rError code: 13\rPermission denied");
    EXPECT_EQ(readAll(path), OldBytes);
}

// A killed save leaves its temporary; the next save of the project takes it away, and nothing
// else: not another project's, not a name that only looks like one, not a link, not one a
// running save holds, not another user's.
TEST_F(FileReplaceTest, NextSaveRemovesWhatAKilledSaveLeft)
{
    oldFile(path, Usual);
    FileReplaceHooks killed;
    killed.stopAfterBytes = NewBytes.size() / 2;
    ASSERT_TRUE(replaceFileContents(path.string(), NewBytes, killed));
    EXPECT_EQ(readAll(path), OldBytes);
    std::vector<std::string> left = names();
    ASSERT_EQ(left.size(), 2u);
    const std::string stale = left[0] == "room.lmx" ? left[1] : left[0];
    EXPECT_TRUE(isTemporaryOf(stale, "room.lmx")) << stale;
    EXPECT_EQ(fs::file_size(dir / stale), NewBytes.size() / 2);

    std::vector<std::string> kept{
        ".other.lmx.~lumidex-0000abcd.tmp", ".room.lmx.~lumidex-0000ABCD.tmp",
        ".room.lmx.~lumidex-0000abc.tmp",   ".room.lmx.~lumidex-0000abcd.tmp.bak",
        "room.lmx.~lumidex-0000abcd.tmp",   ".room.lmx.~lumidex-11111111.tmp",
        ".room.lmx.~lumidex-22222222.tmp"};
    for (std::size_t i = 0; i + 2 < kept.size(); ++i)
        writeAll(dir / kept[i], OldBytes);
    fs::create_symlink("room.lmx", dir / kept[kept.size() - 2]);
    writeAll(dir / kept.back(), OldBytes);
    const int running = ::open((dir / kept.back()).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);
    if (runningAsRoot()) {
        kept.push_back(".room.lmx.~lumidex-33333333.tmp");
        writeAll(dir / kept.back(), OldBytes);
        ASSERT_EQ(::chown((dir / kept.back()).c_str(), 65534, 65534), 0);
    }

    EXPECT_FALSE(replaceFileContents(path.string(), NewBytes));
    ::close(running);
    kept.push_back("room.lmx");
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(names(), kept);
    EXPECT_EQ(readAll(path), NewBytes);
}

} // namespace

#include "7-project/filereading.h"
#include "7-project/projectfile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace lumidex;
namespace fs = std::filesystem;

namespace {

struct ReadCase
{
    const char *name;
    std::function<void(const fs::path &)> make;
    std::size_t limit;
    BeyondLimit beyond;
    int errorNumber; // 0: read
    std::string content;
};

void writeFile(const fs::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class ReadRegularFile : public testing::TestWithParam<ReadCase>
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("lumidex-read-" + std::string(GetParam().name));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

// Each refusal comes back at once (a pipe with no writer must not hold the reader) with the
// open failure message the window shows.
TEST_P(ReadRegularFile, RefusesWhatIsNotAnOrdinaryFileOrTooLarge)
{
    const ReadCase &c = GetParam();
    const fs::path path = dir / "x.lmx";
    c.make(path);
    ReadFailure failure;
    const std::optional<std::string> bytes =
        readRegularFile(path.string(), c.limit, c.beyond, failure);
    if (c.errorNumber == 0) {
        ASSERT_TRUE(bytes) << failure.description;
        EXPECT_EQ(*bytes, c.content);
        return;
    }
    EXPECT_FALSE(bytes);
    EXPECT_EQ(failure.errorNumber, c.errorNumber);
    EXPECT_NE(failure.description.find(c.content), std::string::npos) << failure.description;

    std::string error;
    EXPECT_FALSE(openProjectFile(path.string(), &error));
    // A project reader ignores what lies past the largest project file.
    if (c.errorNumber != EFBIG) {
        EXPECT_EQ(error, "Unable to open project to filename: " + path.string() + "\rError code: " +
                             std::to_string(c.errorNumber) + "\r" + failure.description);
    }
}

const auto fifo = [](const fs::path &p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); };
const auto socketFile = [](const fs::path &p) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, p.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
};
const auto linkTo = [](const char *target) {
    return [target](const fs::path &p) { fs::create_symlink(target, p); };
};
const auto folder = [](const fs::path &p) { fs::create_directory(p); };
const auto bytes = [](std::string content) {
    return [content](const fs::path &p) { writeFile(p, content); };
};
constexpr std::size_t Plenty = 1 << 20;

INSTANTIATE_TEST_SUITE_P(
    Files, ReadRegularFile,
    testing::Values(
        ReadCase{"namedPipe", fifo, Plenty, BeyondLimit::Ignore, EINVAL, "a named pipe"},
        ReadCase{"socket", socketFile, Plenty, BeyondLimit::Ignore, EINVAL, "a socket"},
        ReadCase{"devZero", linkTo("/dev/zero"), Plenty, BeyondLimit::Refuse, EINVAL, "a device"},
        ReadCase{"devUrandom", linkTo("/dev/urandom"), Plenty, BeyondLimit::Ignore, EINVAL,
                 "a device"},
        ReadCase{"folder", folder, Plenty, BeyondLimit::Ignore, EISDIR, ""},
        ReadCase{"linkToOrdinaryFileIsRead",
                 [](const fs::path &p) {
                     writeFile(p.parent_path() / "real", "abc");
                     fs::create_symlink("real", p);
                 },
                 Plenty, BeyondLimit::Refuse, 0, "abc"},
        ReadCase{"justFits", bytes("0123456789"), 10, BeyondLimit::Refuse, 0, "0123456789"},
        ReadCase{"oneByteTooManyRefused", bytes("0123456789A"), 10, BeyondLimit::Refuse, EFBIG, ""},
        ReadCase{"oneByteTooManyCut", bytes("0123456789A"), 10, BeyondLimit::Ignore, 0,
                 "0123456789"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

#include "7-project/filereading.h"

#include "1-state/translation.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#if __has_include(<fcntl.h>) && __has_include(<sys/stat.h>) && __has_include(<unistd.h>)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define LUMIDEX_HAVE_POSIX_FILES 1
#else
#include <cstdio>
#include <filesystem>
#endif

namespace lumidex {
namespace {

std::nullopt_t fail(ReadFailure &failure, int errorNumber, std::string description = {})
{
    failure.errorNumber = errorNumber;
    failure.description =
        description.empty() ? std::system_category().message(errorNumber) : std::move(description);
    return std::nullopt;
}

#ifdef LUMIDEX_HAVE_POSIX_FILES

// Nothing but an ordinary file is read: a pipe or a device would make the reader wait or
// never reach an end.
std::optional<ReadFailure> notOrdinary(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return ReadFailure{EISDIR, std::system_category().message(EISDIR)};
    const char *text =
        S_ISFIFO(mode)
            ? LUMIDEX_TRANSLATE_NOOP("FileReading", "It is a named pipe, not an ordinary file")
        : S_ISSOCK(mode)
            ? LUMIDEX_TRANSLATE_NOOP("FileReading", "It is a socket, not an ordinary file")
        : S_ISCHR(mode) || S_ISBLK(mode)
            ? LUMIDEX_TRANSLATE_NOOP("FileReading", "It is a device, not an ordinary file")
            : LUMIDEX_TRANSLATE_NOOP("FileReading", "It is a special file, not an ordinary file");
    return ReadFailure{EINVAL, translate("FileReading", text)};
}

#endif

} // namespace

std::optional<std::string> readRegularFile(const std::string &path, std::size_t limit,
                                           BeyondLimit beyond, ReadFailure &failure)
{
    // One byte past the limit tells a file that is too large from one that just fits.
    const std::size_t wanted = beyond == BeyondLimit::Refuse ? limit + 1 : limit;
    std::string bytes;
#ifdef LUMIDEX_HAVE_POSIX_FILES
    struct stat info
    {};
    if (::stat(path.c_str(), &info) != 0)
        return fail(failure, errno ? errno : EIO);
    if (std::optional<ReadFailure> refused = notOrdinary(info.st_mode))
        return fail(failure, refused->errorNumber, refused->description);
    // The file may have been swapped for a pipe since: opening without waiting and checking
    // the opened file again means a pipe with no writer cannot hold the program even here.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(failure, errno ? errno : EIO);
    const auto closeAndFail = [&](int errorNumber, std::string description = {}) {
        ::close(fd);
        return fail(failure, errorNumber, std::move(description));
    };
    if (::fstat(fd, &info) != 0)
        return closeAndFail(errno ? errno : EIO);
    if (std::optional<ReadFailure> refused = notOrdinary(info.st_mode))
        return closeAndFail(refused->errorNumber, refused->description);
    const auto size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    if (beyond == BeyondLimit::Refuse && size > limit)
        return closeAndFail(EFBIG);

    bytes.reserve(std::min(size, wanted));
    char chunk[65536];
    while (bytes.size() < wanted) {
        const ssize_t got = ::read(fd, chunk, std::min(sizeof chunk, wanted - bytes.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return closeAndFail(errno ? errno : EIO);
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
#else
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec)
        return fail(failure, ec.value());
    if (fs::is_directory(status))
        return fail(failure, EISDIR);
    if (!fs::is_regular_file(status))
        return fail(failure, EINVAL, translate("FileReading", "It is not an ordinary file"));
    if (beyond == BeyondLimit::Refuse && fs::file_size(path, ec) > limit && !ec)
        return fail(failure, EFBIG);
    errno = 0;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return fail(failure, errno ? errno : EIO);
    char chunk[65536];
    while (bytes.size() < wanted) {
        const std::size_t got =
            std::fread(chunk, 1, std::min(sizeof chunk, wanted - bytes.size()), file);
        bytes.append(chunk, got);
        if (got == 0)
            break;
    }
    const bool readError = std::ferror(file) != 0;
    std::fclose(file);
    if (readError)
        return fail(failure, EIO);
#endif
    if (bytes.size() > limit)
        return fail(failure, EFBIG);
    return bytes;
}

} // namespace lumidex

#include "7-project/filereplace.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace lumidex {
namespace {

namespace fs = std::filesystem;
using Stat = struct stat;

constexpr std::string_view TemporaryMark = ".~lumidex-";
constexpr std::string_view TemporaryEnd = ".tmp";
constexpr std::size_t TemporaryDigits = 8;
// Keeps the temporary's name within the 255 bytes a folder entry may have.
constexpr std::size_t TemporaryNameBytes = 200;

FileError errorOf(int number)
{
    return {number, std::system_category().message(number)};
}

std::string_view temporaryStem(std::string_view fileName)
{
    return fileName.substr(0, TemporaryNameBytes);
}

// Closes fd and gives the first failure's error number (`earlier` when there was one).
int closeKeepingError(int fd, int earlier)
{
    if (::close(fd) != 0 && earlier == 0)
        return errno;
    return earlier;
}

int writeAllAt(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, off_t(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        done += std::size_t(n);
    }
    return 0;
}

// The user's right to write `path`, judged with the effective ids as the kernel judges the
// open itself (root passes, a read-only file system does not).
int writeAccessError(const fs::path &path, int mode)
{
    return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0 ? 0 : errno;
}

fs::path folderOf(const fs::path &target)
{
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// Saving through a link writes the file it points at (also one that is not there yet) and
// leaves the link as it is. A loop of links is left for the save to fail on.
fs::path followLinks(fs::path path)
{
    std::error_code ec;
    for (int depth = 0; depth < 40 && fs::is_symlink(path, ec); ++depth) {
        const fs::path to = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = to.is_absolute() ? to : folderOf(path) / to;
    }
    return path;
}

// The folder's new entries reach the disk with the file's contents.
void syncFolder(const fs::path &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The whole content of the open file fd of `size` bytes; errno on failure.
int readAll(int fd, off_t size, std::string &bytes)
{
    bytes.resize(std::size_t(size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, bytes.size() - done, off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    bytes.resize(done);
    return 0;
}

// The program's own folder for old-file copies, private to the user; errno when it cannot be.
int privateFolder(const fs::path &folder)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return ec.value();
    return ::chmod(folder.c_str(), S_IRWXU) == 0 ? 0 : errno;
}

// Writes `bytes` to `path` (in the private folder) as the user's alone.
int writePrivately(const fs::path &path, std::span<const std::uint8_t> bytes)
{
    const std::optional<FileError> failed = replaceFileContents(path.string(), bytes);
    if (failed)
        return failed->number;
    return ::chmod(path.c_str(), S_IRUSR | S_IWUSR) == 0 ? 0 : errno;
}

// The old bytes of a file about to be rewritten in place, kept until the rewrite is whole.
class OldFileCopy
{
public:
    OldFileCopy(const std::string &folder, const fs::path &target)
    {
        if (folder.empty())
            return;
        const std::string stem = oldFileCopyStem(target.string());
        m_copy = fs::path(folder) / (stem + ".lmx");
        m_name = fs::path(folder) / (stem + "-of.txt");
    }

    // Keeps `old`; errno when it could not be kept whole.
    int keep(const std::string &old, const fs::path &target)
    {
        if (m_copy.empty())
            return 0;
        if (const int error = privateFolder(m_copy.parent_path()))
            return error;
        const std::string name = target.string() + '\n';
        // The name first: a copy is never found beside the name of another file.
        if (const int error = writePrivately(
                m_name,
                std::span(reinterpret_cast<const std::uint8_t *>(name.data()), name.size())))
            return error;
        return writePrivately(
            m_copy, std::span(reinterpret_cast<const std::uint8_t *>(old.data()), old.size()));
    }

    void remove()
    {
        if (m_copy.empty())
            return;
        ::unlink(m_copy.c_str());
        ::unlink(m_name.c_str());
    }

    bool wanted() const { return !m_copy.empty(); }

private:
    fs::path m_copy;
    fs::path m_name;
};

// A folder that takes no new files: the file is rewritten where it is. The space the new
// contents need is reserved before a byte of the old is overwritten, so a full disk leaves
// the old file whole; the file is cut to its new length only after the whole text is in. The
// old bytes are kept aside first (see replaceFileContents), so that a save killed half-way
// loses nothing, and put back when a write fails half-way.
std::optional<FileError> rewriteInPlace(const fs::path &target, std::span<const std::uint8_t> bytes,
                                        const std::string &oldCopyFolder,
                                        const FileReplaceHooks &hooks)
{
    OldFileCopy copy(oldCopyFolder, target);
    const int fd = ::open(target.c_str(), (copy.wanted() ? O_RDWR : O_WRONLY) | O_CLOEXEC);
    if (fd < 0)
        return errorOf(errno);
    Stat old{};
    if (::fstat(fd, &old) != 0)
        return errorOf(closeKeepingError(fd, errno));
    std::string oldBytes;
    if (copy.wanted()) {
        int error = readAll(fd, old.st_size, oldBytes);
        if (error == 0)
            error = copy.keep(oldBytes, target);
        if (error != 0) {
            copy.remove();
            return errorOf(closeKeepingError(fd, error));
        }
    }
    if (off_t(bytes.size()) > old.st_size) {
        const int reserved = ::posix_fallocate(fd, 0, off_t(bytes.size()));
        if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
            // A failed reservation may have lengthened the file; give it its old length back.
            // Best effort: the reservation's own error is the one reported.
            if (::ftruncate(fd, old.st_size) != 0) {
            }
            copy.remove();
            return errorOf(closeKeepingError(fd, reserved));
        }
    }
    if (hooks.stopAfterBytes) {
        (void)writeAllAt(fd, bytes.first(std::min(*hooks.stopAfterBytes, bytes.size())));
        ::close(fd);
        return errorOf(EINTR);
    }
    int error = writeAllAt(fd, bytes);
    if (error == 0 && ::ftruncate(fd, off_t(bytes.size())) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (error != 0 && copy.wanted()) {
        // The old bytes go back where they were; the copy stays until they are there.
        const std::span back(reinterpret_cast<const std::uint8_t *>(oldBytes.data()),
                             oldBytes.size());
        if (writeAllAt(fd, back) == 0 && ::ftruncate(fd, old.st_size) == 0 && ::fsync(fd) == 0)
            copy.remove();
        return errorOf(closeKeepingError(fd, error));
    }
    error = closeKeepingError(fd, error);
    if (error != 0)
        return errorOf(error);
    copy.remove();
    return std::nullopt;
}

// A new, locked temporary beside the target; -1 with errorNumber set when none can be made.
// It is never readable by more users than the target: a file's replacement starts with the
// owner's permission bits alone (the group may still be another until the file's own group is
// put on it), a new file with what the user's file mode creation mask allows.
int createTemporary(const fs::path &target, const Stat *old, fs::path &created, int &errorNumber)
{
    const mode_t mode = old ? (old->st_mode & S_IRWXU) | S_IRUSR | S_IWUSR : 0666;
    static thread_local std::mt19937 random{std::random_device{}()};
    const std::string stem = "." + std::string(temporaryStem(target.filename().string()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        char digits[TemporaryDigits + 1];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(random()));
        created = folderOf(target) /
                  (stem + std::string(TemporaryMark) + digits + std::string(TemporaryEnd));
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            // Held until the temporary is closed, so that no other save takes it for the
            // leftover of a killed one.
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        errorNumber = errno;
        if (errorNumber != EEXIST)
            return -1;
    }
    return -1;
}

// The old file's owner, group and permission bits go to its replacement. The owner and group
// are kept where the user may set them (root for both; others for a group they belong to); the
// permission bits always, after the owner, since a change of owner clears the set-id bits.
int keepAttributes(int fd, const Stat &old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, uid_t(-1), old.st_gid) != 0) {
        // Neither owner nor group may be kept: the replacement is the user's own.
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

// Takes away the temporaries that killed saves of the target left: only regular files of the
// user's own, with the temporaries' name, that no running save holds locked.
void removeStaleTemporaries(const fs::path &target)
{
    const std::string fileName = target.filename().string();
    std::error_code ec;
    fs::directory_iterator entries(folderOf(target), fs::directory_options::skip_permission_denied,
                                   ec);
    if (ec)
        return;
    for (const fs::directory_entry &entry : entries) {
        if (!isTemporaryOf(entry.path().filename().string(), fileName))
            continue;
        const fs::path &path = entry.path();
        Stat seen{};
        if (::lstat(path.c_str(), &seen) != 0 || !S_ISREG(seen.st_mode) ||
            seen.st_uid != ::geteuid())
            continue;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        Stat opened{};
        // The same file as looked at, and no save at work on it.
        if (::fstat(fd, &opened) == 0 && opened.st_dev == seen.st_dev &&
            opened.st_ino == seen.st_ino && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
        ::close(fd);
    }
}

std::optional<FileError> replaceThroughTemporary(const fs::path &target, const Stat *old,
                                                 std::span<const std::uint8_t> bytes,
                                                 const FileReplaceHooks &hooks)
{
    fs::path temporary;
    int error = 0;
    const int fd = createTemporary(target, old, temporary, error);
    if (fd < 0)
        return errorOf(error ? error : EIO);
    if (hooks.stopAfterBytes) {
        (void)writeAllAt(fd, bytes.first(std::min(*hooks.stopAfterBytes, bytes.size())));
        ::close(fd);
        return errorOf(EINTR);
    }
    error = writeAllAt(fd, bytes);
    if (error == 0 && old)
        error = keepAttributes(fd, *old);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    error = closeKeepingError(fd, error);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return errorOf(error);
    }
    syncFolder(folderOf(target));
    removeStaleTemporaries(target);
    return std::nullopt;
}

} // namespace

SavePlan planSave(const SaveTarget &target)
{
    if (!target.exists) {
        if (target.folderWriteError != 0)
            return {SaveMethod::Refuse, target.folderWriteError};
        return {SaveMethod::Replace, 0};
    }
    if (target.directory)
        return {SaveMethod::Refuse, EISDIR};
    // A pipe, a device or a socket takes no file: writing one would hang or reach the device,
    // and renaming over it would take it away.
    if (!target.regularFile)
        return {SaveMethod::Refuse, EINVAL};
    if (target.fileWriteError != 0)
        return {SaveMethod::Refuse, target.fileWriteError};
    if (target.folderWriteError != 0)
        return {SaveMethod::InPlace, 0};
    return {SaveMethod::Replace, 0};
}

std::string oldFileCopyStem(const std::string &path)
{
    // FNV-1a of the path: one name per file, short and made of safe characters.
    std::uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : path) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return std::string(OldFileCopyPrefix) + digits;
}

std::optional<FileStamp> fileStampOf(const std::string &path)
{
    Stat found{};
    if (::stat(path.c_str(), &found) != 0)
        return std::nullopt;
    return FileStamp{std::uint64_t(found.st_dev), std::uint64_t(found.st_ino),
                     std::int64_t(found.st_size),
                     std::int64_t(found.st_mtim.tv_sec) * 1'000'000'000 + found.st_mtim.tv_nsec};
}

bool isTemporaryOf(std::string_view name, std::string_view fileName)
{
    const std::string_view stem = temporaryStem(fileName);
    const std::size_t length =
        1 + stem.size() + TemporaryMark.size() + TemporaryDigits + TemporaryEnd.size();
    if (name.size() != length || name[0] != '.' || name.substr(1, stem.size()) != stem)
        return false;
    name.remove_prefix(1 + stem.size());
    if (!name.starts_with(TemporaryMark) || !name.ends_with(TemporaryEnd))
        return false;
    for (char c : name.substr(TemporaryMark.size(), TemporaryDigits)) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

std::optional<FileError> replaceFileContents(const std::string &path,
                                             std::span<const std::uint8_t> bytes,
                                             const FileReplaceHooks &hooks,
                                             const std::string &oldCopyFolder)
{
    const fs::path target = followLinks(path);
    SaveTarget found;
    Stat old{};
    if (::stat(target.c_str(), &old) == 0) {
        found.exists = true;
        found.regularFile = S_ISREG(old.st_mode);
        found.directory = S_ISDIR(old.st_mode);
        found.fileWriteError = hooks.fileWriteError.value_or(writeAccessError(target, W_OK));
    } else if (errno != ENOENT) {
        return errorOf(errno);
    }
    found.folderWriteError =
        hooks.folderWriteError.value_or(writeAccessError(folderOf(target), W_OK | X_OK));

    const SavePlan plan = planSave(found);
    switch (plan.method) {
    case SaveMethod::Refuse:
        if (found.exists && !found.regularFile && !found.directory)
            return FileError{plan.errorNumber, "It is not a regular file"};
        return errorOf(plan.errorNumber);
    case SaveMethod::InPlace:
        return rewriteInPlace(target, bytes, oldCopyFolder, hooks);
    case SaveMethod::Replace:
        break;
    }
    return replaceThroughTemporary(target, found.exists ? &old : nullptr, bytes, hooks);
}

} // namespace lumidex

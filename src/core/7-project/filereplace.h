#pragma once

// Putting new contents into a file on disk so that the disk holds either the old file or the
// whole new one, never a mixture, and the file keeps what the user set on it: its permission
// bits, its group (and owner, where the user may set them), and the link that points at it.
//
// Normally the new contents go to a temporary file beside the target, are flushed to the disk
// and renamed over the target in one step. The temporary is named
//     .NAME.~lumidex-XXXXXXXX.tmp
// where NAME is the target's file name (its first 200 bytes) and XXXXXXXX eight lowercase hex
// digits, and it is locked while it is written. A save that was killed leaves such a file;
// the next successful save of the same target removes every one of them that is a regular file
// of the user's own and that no running save holds locked.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace lumidex {

// How a save goes about the file at its path.
enum class SaveMethod
{
    Replace, // a temporary beside the target, renamed over it
    InPlace, // the folder takes no new files, the file itself may be written: rewrite it
    Refuse,  // the file may not be written, or is not a file
};

// What a save finds at its path (after following links), for the user who saves.
struct SaveTarget
{
    bool exists = false;
    bool regularFile = false;
    bool directory = false;
    int fileWriteError = 0;   // 0 when the user may write the file, else why not
    int folderWriteError = 0; // 0 when the user may add and rename files in its folder
};

struct SavePlan
{
    SaveMethod method = SaveMethod::Replace;
    int errorNumber = 0; // why a save is refused
};

SavePlan planSave(const SaveTarget &target);

struct FileError
{
    int number = 0;          // the platform error number
    std::string description; // the platform's description, or what was wrong
};

// Seams for the tests: they let a test run as a user who may not write the file or its folder
// even where the real user (root) may, and stop a save half-way as if it had been killed.
struct FileReplaceHooks
{
    std::optional<int> fileWriteError;   // in place of the user's own permission on the file
    std::optional<int> folderWriteError; // and on its folder
    // Stops a save after this many bytes of the temporary (or, rewriting in place, of the file
    // itself), leaving behind what a killed save leaves; the save then fails with EINTR.
    std::optional<std::size_t> stopAfterBytes;
};

// Puts `bytes` into the file at `path` as described above; nothing on success.
//
// A file rewritten in place has, for a moment, neither its old contents nor the whole new ones.
// With `oldCopyFolder` (the program's own data folder) its old bytes are first kept there, the
// user's alone, as an old-file copy (see oldFileCopyStem), and taken away once the new contents
// are whole; a save that fails part way puts the old bytes back. A save that is killed leaves
// the copy, for the next start to offer back. Without a place for the copy the file is
// rewritten all the same.
std::optional<FileError> replaceFileContents(const std::string &path,
                                             std::span<const std::uint8_t> bytes,
                                             const FileReplaceHooks &hooks = {},
                                             const std::string &oldCopyFolder = {});

// The old bytes of a file rewritten in place are kept in the copy folder as STEM.lmx, with the
// path of the file in STEM-of.txt; STEM starts with OldFileCopyPrefix and is the same for every
// save of the same path.
inline constexpr std::string_view OldFileCopyPrefix = "saving-";
std::string oldFileCopyStem(const std::string &path);

// Which file a path names (after following links) and which contents it had: another program
// that saved over it, or changed it in place, gives it another stamp.
struct FileStamp
{
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp &) const = default;
};

// Nothing when there is no file at `path`.
std::optional<FileStamp> fileStampOf(const std::string &path);

// Whether `name` is one of the temporaries a save of the file named `fileName` makes.
bool isTemporaryOf(std::string_view name, std::string_view fileName);

} // namespace lumidex

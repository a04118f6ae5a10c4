#pragma once
// Reading and writing whole files safely: a read never blocks on a pipe or device and never throws (a read
// error is an outcome), and a write replaces its file only once all of it is on the disk, so a failure
// leaves the old file as it was. Plain C++ over the platform's calls; shared by the engine and the programs.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform
{

/// Why a file could not be read.
enum class ReadFault {
    None,
    Missing, // nothing of that name (or a path that cannot be looked up)
    NotAFile, // a folder, a pipe, a device or a socket: never opened for reading
    TooLarge, // more bytes than the caller takes
    Unreadable, // no permission, or a read error (failing media, a network file system)
};

struct FileBytes {
    std::optional<std::string> bytes;
    ReadFault fault = ReadFault::None; // why `bytes` is empty
};

/// Who a file belongs to, which decides how it is opened and replaced.
enum class FileOwner {
    User, // a file the user chose: a link is followed, a replaced file keeps its permissions
    Program, // an exchange or scratch file: a link in its place is never followed, files are created 0600, and
             // a replaced file is whole for its reader but not forced to the disk (it is read back at once)
};

/// The whole of a regular file, at most `maxBytes` of it. Opening never waits on a pipe or a device.
FileBytes readWholeFile(const std::filesystem::path &path, std::size_t maxBytes, FileOwner owner);

/// Writes `bytes` to a new file beside `path` and renames it over `path` once everything was written (and, for
/// a user's file, flushed to the disk). False, with any old file untouched and no temporary file left, when that failed or
/// when `path` names something that is not a regular file.
bool replaceFile(const std::filesystem::path &path, std::string_view bytes, FileOwner owner);

} // namespace platform

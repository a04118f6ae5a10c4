#include "platform/files.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform
{
namespace
{

namespace fs = std::filesystem;

/// Read in steps of this size, so a file whose stated size is wrong (0 in /proc) is still read whole.
constexpr std::size_t readStep = 64u * 1024u;

/// A name beside `target` that no other writer uses: the target's name, the process and a counter.
fs::path temporaryBeside(const fs::path &target, unsigned attempt)
{
    static std::atomic<unsigned> counter { 0 };
#ifdef _WIN32
    const auto process = static_cast<unsigned long>(::_getpid());
#else
    const auto process = static_cast<unsigned long>(::getpid());
#endif
    fs::path name = target;
    name += ".kovalin-" + std::to_string(process) + "-" + std::to_string(counter++) + "-" + std::to_string(attempt);
    return name;
}

#ifdef _WIN32

FileBytes readWhole(const fs::path &path, std::size_t maxBytes, FileOwner)
{
    std::error_code error;
    const auto status = fs::status(path, error);
    if (error || !fs::exists(status)) {
        return { std::nullopt, ReadFault::Missing };
    }
    if (!fs::is_regular_file(status)) {
        return { std::nullopt, ReadFault::NotAFile };
    }
    const int fd = ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        return { std::nullopt, ReadFault::Unreadable };
    }
    std::string bytes;
    char buffer[readStep];
    for (;;) {
        const int got = ::_read(fd, buffer, static_cast<unsigned>(sizeof buffer));
        if (got < 0) {
            ::_close(fd);
            return { std::nullopt, ReadFault::Unreadable };
        }
        if (got == 0) {
            break;
        }
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
            ::_close(fd);
            return { std::nullopt, ReadFault::TooLarge };
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::_close(fd);
    return { std::move(bytes), ReadFault::None };
}

int createTemporary(const fs::path &name, FileOwner)
{
    return ::_wopen(name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const unsigned step = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30));
        const int put = ::_write(fd, bytes.data(), step);
        if (put <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

bool syncFile(int fd)
{
    return ::_commit(fd) == 0;
}

bool closeFile(int fd)
{
    return ::_close(fd) == 0;
}

bool isReplaceable(const fs::path &target, FileOwner owner)
{
    std::error_code error;
    const auto status = owner == FileOwner::Program ? fs::symlink_status(target, error) : fs::status(target, error);
    return !fs::exists(status) || fs::is_regular_file(status);
}

void keepPermissions(int, const fs::path &) { }

void syncFolderOf(const fs::path &) { }

#else

ReadFault faultOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
        return ReadFault::Missing;
    case ELOOP: // a link where a program file must be: never followed
    case ENXIO: // a device or socket without anything behind it
        return ReadFault::NotAFile;
    default:
        return ReadFault::Unreadable;
    }
}

bool isRegular(int fd, struct stat &st)
{
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

/// Reads `fd` to its end; false on a read error. Stops once more than `maxBytes` were read, or at the size
/// the file stated once a read came short of what was asked (no further call to learn of the end).
bool readAll(int fd, std::string &bytes, std::size_t maxBytes, std::size_t statedSize)
{
    for (;;) {
        const std::size_t have = bytes.size();
        const std::size_t step = std::min(readStep, maxBytes + 1 - have);
        bytes.resize(have + step);
        const ssize_t got = ::read(fd, bytes.data() + have, step);
        if (got < 0) {
            bytes.resize(have);
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.resize(have + static_cast<std::size_t>(got));
        const bool shortOfStatedEnd = static_cast<std::size_t>(got) < step && bytes.size() == statedSize;
        if (got == 0 || bytes.size() > maxBytes || shortOfStatedEnd) {
            return true;
        }
    }
}

FileBytes readWhole(const fs::path &path, std::size_t maxBytes, FileOwner owner)
{
    // O_NONBLOCK: a pipe without a writer would otherwise hold open() for ever. A pipe or device is refused
    // by what the opened file is, so a name swapped after a check cannot slip one in.
    const int nofollow = owner == FileOwner::Program ? O_NOFOLLOW : 0;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | nofollow);
    if (fd < 0) {
        return { std::nullopt, faultOf(errno) };
    }
    struct stat st {
    };
    if (!isRegular(fd, st)) {
        ::close(fd);
        return { std::nullopt, ReadFault::NotAFile };
    }
    if (st.st_size > 0 && static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return { std::nullopt, ReadFault::TooLarge };
    }
    // O_NONBLOCK stays: it changes nothing on a regular file.
    std::string bytes;
    bytes.reserve(std::min<std::size_t>(static_cast<std::size_t>(st.st_size), maxBytes) + 1);
    const bool read = readAll(fd, bytes, maxBytes, static_cast<std::size_t>(st.st_size));
    ::close(fd);
    if (!read) {
        return { std::nullopt, ReadFault::Unreadable };
    }
    if (bytes.size() > maxBytes) {
        return { std::nullopt, ReadFault::TooLarge };
    }
    return { std::move(bytes), ReadFault::None };
}

int createTemporary(const fs::path &name, FileOwner owner)
{
    // A user's new file gets the usual permissions (0666 less the umask); a program file stays private.
    const mode_t mode = owner == FileOwner::Program ? 0600 : 0666;
    return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

bool syncFile(int fd)
{
    return ::fsync(fd) == 0;
}

bool closeFile(int fd)
{
    return ::close(fd) == 0;
}

/// Something that is not a regular file (a folder, a pipe, a device) is never replaced by a file, nor is a
/// link left in a program file's place (somebody else's doing).
bool isReplaceable(const fs::path &target, FileOwner owner)
{
    struct stat st {
    };
    const int found = owner == FileOwner::Program ? ::lstat(target.c_str(), &st) : ::stat(target.c_str(), &st);
    if (found != 0) {
        return errno == ENOENT;
    }
    return S_ISREG(st.st_mode);
}

/// A replaced user file keeps its permissions (as an editor's save does).
void keepPermissions(int fd, const fs::path &target)
{
    struct stat st {
    };
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        ::fchmod(fd, st.st_mode & 07777);
    }
}

/// The rename itself is on the disk only once the folder is: asked for, its failure is not the save's.
void syncFolderOf(const fs::path &target)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

#endif

/// The file a user's save goes to: through a link to what it names, as an editor saves.
fs::path saveTarget(const fs::path &path, FileOwner owner)
{
    std::error_code error;
    if (owner == FileOwner::User && fs::is_symlink(fs::symlink_status(path, error))) {
        const fs::path resolved = fs::canonical(path, error);
        if (!error) {
            return resolved;
        }
    }
    return path;
}

} // namespace

FileBytes readWholeFile(const fs::path &path, std::size_t maxBytes, FileOwner owner)
{
    return readWhole(path, maxBytes, owner);
}

bool replaceFile(const fs::path &path, std::string_view bytes, FileOwner owner)
{
    const fs::path target = saveTarget(path, owner);
    if (!isReplaceable(target, owner)) {
        return false;
    }
    fs::path temporary;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryBeside(target, attempt);
        fd = createTemporary(temporary, owner);
        if (fd < 0 && errno != EEXIST) {
            return false;
        }
    }
    if (fd < 0) {
        return false;
    }
    if (owner == FileOwner::User) {
        keepPermissions(fd, target);
    }
    // A user's file is on the disk before it replaces the old one. A program's file is read back at once
    // and means nothing after a restart: the rename alone keeps it whole for its reader.
    const bool written = writeAll(fd, bytes) && (owner == FileOwner::Program || syncFile(fd));
    const bool closed = closeFile(fd);
    std::error_code error;
    if (written && closed) {
        fs::rename(temporary, target, error);
        if (!error) {
            if (owner == FileOwner::User) {
                syncFolderOf(target);
            }
            return true;
        }
    }
    fs::remove(temporary, error);
    return false;
}

} // namespace platform

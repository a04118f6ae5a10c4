#include "platform/exchange_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform
{
namespace
{

constexpr const char *requestName = "TEMP_ZERO.DAT";
constexpr const char *answerName = "TEMP_ZERO.OUT";

ExchangeFiles filesIn(const std::filesystem::path &dir)
{
    return { dir / requestName, dir / answerName };
}

void explain(std::string *why, std::string text)
{
    if (why) {
        *why = std::move(text);
    }
}

#ifdef _WIN32

std::optional<std::filesystem::path> privateDirectory(std::string *)
{
    return std::filesystem::path("C:\\");
}

#else

bool isDirectory(const char *path)
{
    struct stat st {
    };
    return ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

// Creates dir 0700 if absent, then accepts it only when it is a real directory (not a link) of ours.
bool makePrivate(const std::filesystem::path &dir, uid_t uid, std::string *why)
{
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
        explain(why, "cannot create " + dir.string());
        return false;
    }
    struct stat st {
    };
    if (::lstat(dir.c_str(), &st) != 0) {
        explain(why, "cannot inspect " + dir.string());
        return false;
    }
    if (S_ISLNK(st.st_mode) || !S_ISDIR(st.st_mode)) {
        explain(why, dir.string() + " is not a directory of its own (a link or a file)");
        return false;
    }
    if (st.st_uid != uid) {
        explain(why, dir.string() + " belongs to another user");
        return false;
    }
    if ((st.st_mode & 077) != 0 && ::chmod(dir.c_str(), 0700) != 0) {
        explain(why, "cannot make " + dir.string() + " private");
        return false;
    }
    return true;
}

std::optional<std::filesystem::path> privateDirectory(std::string *why)
{
    const uid_t uid = ::geteuid();
    std::filesystem::path dir;
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime && isDirectory(runtime)) {
        dir = std::filesystem::path(runtime) / "kovalin";
    } else if (isDirectory("/dev/shm")) {
        dir = "/dev/shm/kovalin-" + std::to_string(uid);
    } else {
        dir = "/tmp/kovalin-" + std::to_string(uid);
    }
    if (!makePrivate(dir, uid, why)) {
        return std::nullopt;
    }
    return dir;
}

#endif

} // namespace

std::optional<ExchangeFiles> exchangeFiles(std::string *why)
{
    if (const char *chosen = std::getenv(exchangeDirVariable); chosen && *chosen) {
        std::error_code error;
        std::filesystem::create_directories(chosen, error);
        if (!std::filesystem::is_directory(chosen, error)) {
            explain(why, std::string(chosen) + " is not a directory");
            return std::nullopt;
        }
        return filesIn(chosen);
    }
    if (auto dir = privateDirectory(why)) {
        return filesIn(*dir);
    }
    return std::nullopt;
}

#ifdef _WIN32

std::FILE *openExchangeFile(const std::filesystem::path &path, FileMode mode)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return nullptr;
    }
    return _wfopen(path.c_str(), mode == FileMode::Read ? L"rb" : L"wb");
}

bool readExchangeFile(const std::filesystem::path &path, std::string &text, std::size_t limit)
{
    std::FILE *file = openExchangeFile(path, FileMode::Read);
    if (!file) {
        return false;
    }
    const std::size_t base = text.size();
    char buffer[8192];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0 && text.size() - base <= limit) {
        text.append(buffer, got);
    }
    const bool ok = !std::ferror(file) && text.size() - base <= limit;
    std::fclose(file);
    return ok;
}

bool writeExchangeFile(const std::filesystem::path &path, std::string_view text)
{
    std::FILE *file = openExchangeFile(path, FileMode::Write);
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

#else

namespace
{

// O_NONBLOCK: a pipe in the file's place would hold open() for ever (for reading until a writer comes, for
// writing until a reader does). What is opened must then be a regular file (on which O_NONBLOCK changes
// nothing), and only a regular file is truncated. Returns the descriptor and the file's size, or -1.
int openRegular(const std::filesystem::path &path, FileMode mode, off_t &size)
{
    const int flags = mode == FileMode::Read ? O_RDONLY : O_WRONLY | O_CREAT;
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd < 0) {
        return -1;
    }
    struct stat st {
    };
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (!regular || (mode == FileMode::Write && st.st_size != 0 && ::ftruncate(fd, 0) != 0)) {
        ::close(fd);
        return -1;
    }
    size = mode == FileMode::Write ? 0 : st.st_size;
    return fd;
}

} // namespace

std::FILE *openExchangeFile(const std::filesystem::path &path, FileMode mode)
{
    off_t size = 0;
    const int fd = openRegular(path, mode, size);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE *file = ::fdopen(fd, mode == FileMode::Read ? "rb" : "wb");
    if (!file) {
        ::close(fd);
    }
    return file;
}

// Raw reads and writes of the whole text: an exchange costs a handful of system calls, not a buffered
// stream's dozen (the solve itself takes well under a millisecond).
bool readExchangeFile(const std::filesystem::path &path, std::string &text, std::size_t limit)
{
    off_t size = 0;
    const int fd = openRegular(path, FileMode::Read, size);
    if (fd < 0) {
        return false;
    }
    // One read of the size seen plus one byte normally meets the end at once; a file that grew meanwhile is
    // read on until it ends or passes the limit.
    std::size_t chunk = static_cast<std::size_t>(std::clamp<off_t>(size, 0, static_cast<off_t>(limit))) + 1;
    const std::size_t base = text.size();
    bool ok = true;
    while (true) {
        const std::size_t start = text.size();
        text.resize(start + chunk);
        const ssize_t got = ::read(fd, text.data() + start, chunk);
        text.resize(start + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0 || text.size() - base > limit) {
            ok = got == 0 && text.size() - base <= limit;
            break;
        }
        if (static_cast<std::size_t>(got) < chunk) {
            break; // a short read of a regular file is its end
        }
        chunk = 8192;
    }
    ::close(fd);
    return ok;
}

bool writeExchangeFile(const std::filesystem::path &path, std::string_view text)
{
    off_t size = 0;
    const int fd = openRegular(path, FileMode::Write, size);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    while (!text.empty()) {
        const ssize_t put = ::write(fd, text.data(), text.size());
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            ok = false;
            break;
        }
        text.remove_prefix(static_cast<std::size_t>(put));
    }
    return ::close(fd) == 0 && ok;
}

#endif

} // namespace platform

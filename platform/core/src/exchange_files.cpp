#include "platform/exchange_files.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>

#ifndef _WIN32
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
    struct stat st {
    };
    // Looked at first: it is there on every call but the first.
    const bool present = ::lstat(dir.c_str(), &st) == 0;
    if (!present && ::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
        explain(why, "cannot create " + dir.string());
        return false;
    }
    if (!present && ::lstat(dir.c_str(), &st) != 0) {
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
        if (!std::filesystem::is_directory(chosen, error)) {
            std::filesystem::create_directories(chosen, error);
            if (!std::filesystem::is_directory(chosen, error)) {
                explain(why, std::string(chosen) + " is not a directory");
                return std::nullopt;
            }
        }
        return filesIn(chosen);
    }
    if (auto dir = privateDirectory(why)) {
        return filesIn(*dir);
    }
    return std::nullopt;
}

} // namespace platform

#pragma once
// Where the solver and the engine library exchange their request and answer files.
// Shared by both sides so they always agree; plain C++ (the engine links no Qt).

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform
{

struct ExchangeFiles {
    std::filesystem::path request; // TEMP_ZERO.DAT, written by the solver, read by the engine
    std::filesystem::path answer; // TEMP_ZERO.OUT, written by the engine, read by the solver
};

/// Name of the environment variable that overrides the exchange directory (tests and tools use it).
inline constexpr const char *exchangeDirVariable = "KOVALIN_EXCHANGE_DIR";

/// The exchange files: in $KOVALIN_EXCHANGE_DIR when set, otherwise in a private per-user directory
/// (memory-backed where there is one), created 0700. Empty when no safe directory can be had; `why`
/// then says what was refused.
std::optional<ExchangeFiles> exchangeFiles(std::string *why = nullptr);

enum class FileMode { Read, Write };

/// Opens an exchange file without following a symbolic link in its last component and without waiting on a
/// pipe or device of that name: anything but a regular file is refused. A new file is created 0600 and an
/// existing one truncated. Returns nullptr on failure.
std::FILE *openExchangeFile(const std::filesystem::path &path, FileMode mode);

/// Appends the whole exchange file to `text`, opened as openExchangeFile opens it. False when it cannot be
/// opened or read, or holds more than `limit` bytes.
bool readExchangeFile(const std::filesystem::path &path, std::string &text, std::size_t limit);

/// Makes `text` the whole content of an exchange file, opened as openExchangeFile opens it.
bool writeExchangeFile(const std::filesystem::path &path, std::string_view text);

} // namespace platform

#include "frontend/core/copy_text.h"

#include "platform/exchange_files.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace frontend::core
{
namespace
{

bool writeAll(const std::filesystem::path &path, const std::string &bytes)
{
    std::FILE *file = platform::openExchangeFile(path, platform::FileMode::Write);
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::optional<std::string> readAll(const std::filesystem::path &path, std::size_t size)
{
    std::FILE *file = platform::openExchangeFile(path, platform::FileMode::Read);
    if (!file) {
        return std::nullopt;
    }
    std::string text(size, '\0');
    const std::size_t got = std::fread(text.data(), 1, text.size(), file);
    std::fclose(file);
    if (got != size) {
        return std::nullopt;
    }
    return text;
}

} // namespace

std::vector<std::string> CopyLines(const std::string &equation, const std::vector<std::string> &roots)
{
    std::vector<std::string> lines { equation, "", "x = . . ." };
    lines.insert(lines.end(), roots.begin(), roots.end());
    return lines;
}

std::optional<std::string> CopyThroughScratch(const std::vector<std::string> &lines)
{
    std::string bytes;
    for (const std::string &line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    const std::filesystem::path scratch(copyScratchName);
    if (!writeAll(scratch, bytes)) {
        return std::nullopt;
    }
    auto text = readAll(scratch, bytes.size());
    std::error_code ignored;
    std::filesystem::remove(scratch, ignored);
    return text;
}

} // namespace frontend::core

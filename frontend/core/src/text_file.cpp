#include "frontend/core/text_file.h"

#include "frontend/core/number_text.h"
#include "platform/exchange_files.h"

#include <array>
#include <cstdio>
#include <iterator>
#include <system_error>

namespace frontend::core
{
namespace
{

constexpr std::array<char, 3> byteOrderMark { '\xEF', '\xBB', '\xBF' };

std::optional<LoadProblem> problemWith(const std::filesystem::path &path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        return LoadProblem::Missing;
    }
    // Directories, devices and pipes would block or never end.
    if (!std::filesystem::is_regular_file(status)) {
        return LoadProblem::NotAFile;
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        return LoadProblem::Unreadable;
    }
    if (size > maxEquationFileBytes) {
        return LoadProblem::TooLarge;
    }
    return std::nullopt;
}

} // namespace

std::filesystem::path pathFromUtf8(const std::string &path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

LoadedText loadFileText(const std::filesystem::path &path)
{
    if (const auto problem = problemWith(path)) {
        return { std::nullopt, *problem };
    }
    std::ifstream stream(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    if (!stream.is_open() || stream.bad()) {
        return { std::nullopt, LoadProblem::Unreadable };
    }
    return { std::move(text), LoadProblem::Unreadable };
}

LineReader::LineReader(const std::filesystem::path &path)
{
    if (problemWith(path)) {
        return;
    }
    m_stream.open(path, std::ios::binary);
    m_open = m_stream.is_open();
    // Editors that save UTF-8 may begin the file with a byte-order mark; it belongs to no line.
    if (m_open) {
        std::array<char, 3> start {};
        m_stream.read(start.data(), start.size());
        if (!m_stream || start != byteOrderMark) {
            m_stream.clear();
            m_stream.seekg(0);
        }
    }
}

std::optional<std::string> LineReader::next()
{
    if (!m_open || m_failed) {
        return std::nullopt;
    }
    std::string line;
    int c = 0;
    bool any = false;
    while ((c = m_stream.get()) != std::char_traits<char>::eof()) {
        any = true;
        if (c == '\n') {
            break;
        }
        if (line.size() >= maxLineLength) {
            m_failed = true;
            return std::nullopt;
        }
        line.push_back(static_cast<char>(c));
    }
    if (m_stream.bad()) {
        m_failed = true;
        return std::nullopt;
    }
    if (!any) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

std::string cutAtBlank(std::string_view line)
{
    const std::string trimmed = trim(line);
    return trimmed.substr(0, trimmed.find_first_of(" \t"));
}

std::optional<std::vector<std::string>> readValueLines(LineReader &reader, std::size_t count)
{
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < count; ++k) {
        const auto line = reader.next();
        if (!line) {
            return std::nullopt;
        }
        std::string cut = cutAtBlank(*line);
        if (cut.empty()) {
            break;
        }
        lines.push_back(std::move(cut));
    }
    return lines;
}

std::string joinCrLf(const std::vector<std::string> &lines)
{
    std::string bytes;
    for (const std::string &line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

bool writePrivateFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::FILE *file = platform::openExchangeFile(path, platform::FileMode::Write);
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::optional<std::string> readPrivateFile(const std::filesystem::path &path, std::size_t maxBytes)
{
    std::FILE *file = platform::openExchangeFile(path, platform::FileMode::Read);
    if (!file) {
        return std::nullopt;
    }
    std::string text(maxBytes, '\0');
    const std::size_t got = std::fread(text.data(), 1, text.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return std::nullopt;
    }
    text.resize(got);
    return text;
}

bool writeLines(const std::filesystem::path &path, const std::vector<std::string> &lines)
{
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream << joinCrLf(lines);
    stream.close();
    return !stream.fail();
}

} // namespace frontend::core

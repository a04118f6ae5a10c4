#include "frontend/core/text_file.h"

#include "frontend/core/number_text.h"
#include "platform/files.h"

namespace frontend::core
{
namespace
{

LoadProblem problemOf(platform::ReadFault fault)
{
    switch (fault) {
    case platform::ReadFault::Missing:
        return LoadProblem::Missing;
    case platform::ReadFault::NotAFile:
        return LoadProblem::NotAFile;
    case platform::ReadFault::TooLarge:
        return LoadProblem::TooLarge;
    case platform::ReadFault::None:
    case platform::ReadFault::Unreadable:
        break;
    }
    return LoadProblem::Unreadable;
}

} // namespace

std::filesystem::path pathFromUtf8(const std::string &path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

LoadedText loadFileText(const std::filesystem::path &path)
{
    platform::FileBytes read =
        platform::readWholeFile(path, static_cast<std::size_t>(maxEquationFileBytes), platform::FileOwner::User);
    return { std::move(read.bytes), problemOf(read.fault) };
}

std::string_view withoutByteOrderMark(std::string_view text)
{
    return text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
}

LineReader::LineReader(std::string_view text)
    : m_rest(withoutByteOrderMark(text))
{
}

std::optional<std::string> LineReader::next()
{
    if (m_failed || m_rest.empty()) {
        return std::nullopt;
    }
    const std::size_t end = m_rest.find('\n');
    std::string_view line = m_rest.substr(0, end);
    m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.size() > maxLineLength) {
        m_failed = true;
        return std::nullopt;
    }
    return std::string(line);
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
    return platform::replaceFile(path, bytes, platform::FileOwner::Program);
}

std::optional<std::string> readPrivateFile(const std::filesystem::path &path, std::size_t maxBytes)
{
    return platform::readWholeFile(path, maxBytes, platform::FileOwner::Program).bytes;
}

bool writeLines(const std::filesystem::path &path, const std::vector<std::string> &lines)
{
    return platform::replaceFile(path, joinCrLf(lines), platform::FileOwner::User);
}

} // namespace frontend::core

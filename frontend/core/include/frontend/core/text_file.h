#pragma once
// Plain text files of the solver: loaded whole for display, read line by line for checking, written
// with CR LF line ends. Both CR LF and LF are accepted when reading.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace frontend::core
{

/// Larger files are not equation files; refusing them keeps a wrong choice from filling the memory.
inline constexpr std::uintmax_t maxEquationFileBytes = 16u * 1024u * 1024u;
/// Longer lines are not coefficient lines (a comment of this size is taken as a damaged file).
inline constexpr std::size_t maxLineLength = 64u * 1024u;

enum class LoadProblem { Missing, NotAFile, TooLarge, Unreadable };

struct LoadedText {
    std::optional<std::string> text;
    LoadProblem problem = LoadProblem::Unreadable; // why `text` is empty
};

/// A path held as UTF-8 text (as the state keeps it), in the file system's own form.
std::filesystem::path pathFromUtf8(const std::string &path);

/// The whole file as bytes, or why it could not be had.
LoadedText loadFileText(const std::filesystem::path &path);

/// Reads a text file line by line, without the line ends.
class LineReader
{
public:
    explicit LineReader(const std::filesystem::path &path);
    /// The next line; nothing at the end of the file or on a read error (see failed()).
    std::optional<std::string> next();
    /// A read error or an over-long line was met.
    bool failed() const { return m_failed; }

private:
    std::ifstream m_stream;
    bool m_open = false;
    bool m_failed = false;
};

/// Reads up to `count` value lines, each trimmed and cut at its first blank; an empty line ends them
/// early. Nothing on a read error, the end of the file before the lines included.
std::optional<std::vector<std::string>> readValueLines(LineReader &reader, std::size_t count);

/// The line trimmed of blanks and cut at its first blank or tab (what follows is a comment).
std::string cutAtBlank(std::string_view line);

/// The lines joined, each ended by CR LF.
std::string joinCrLf(const std::vector<std::string> &lines);

/// Writes an exchange or scratch file: created 0600 (an existing one truncated), never through a link left
/// in its place; false when it could not be written completely.
bool writePrivateFile(const std::filesystem::path &path, const std::string &bytes);
/// Reads up to `maxBytes` of such a file; nothing when it cannot be opened or read.
std::optional<std::string> readPrivateFile(const std::filesystem::path &path, std::size_t maxBytes);

/// Writes the lines, each ended by CR LF; false when the file could not be written completely.
bool writeLines(const std::filesystem::path &path, const std::vector<std::string> &lines);

} // namespace frontend::core

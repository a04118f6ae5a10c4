#pragma once
// Plain text files of the solver: loaded whole for display, read line by line for checking, written
// with CR LF line ends. Both CR LF and LF are accepted when reading.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace frontend::core
{

/// Larger files are not equation files (one of the largest degree with a comment on every line is a few
/// kilobytes). Refusing them keeps a wrong choice from freezing the window: the file view shows a file of
/// this size, in its worst shape (a line per byte pair), in well under a second (bench/file_view_bench).
inline constexpr std::uintmax_t maxEquationFileBytes = 128u * 1024u;
/// Longer lines are not coefficient lines (a comment of this size is taken as a damaged file).
inline constexpr std::size_t maxLineLength = 64u * 1024u;

enum class LoadProblem { Missing, NotAFile, TooLarge, Unreadable };

struct LoadedText {
    std::optional<std::string> text;
    LoadProblem problem = LoadProblem::Unreadable; // why `text` is empty
};

/// A path held as UTF-8 text (as the state keeps it), in the file system's own form.
std::filesystem::path pathFromUtf8(const std::string &path);

/// The whole file as bytes, or why it could not be had: a read error is an outcome, never an exception,
/// and a pipe or device is refused without waiting on it.
LoadedText loadFileText(const std::filesystem::path &path);

/// The text less a UTF-8 byte-order mark at its start (editors that save UTF-8 may write one; it belongs to
/// no line).
std::string_view withoutByteOrderMark(std::string_view text);

/// Reads a file's text line by line, without the line ends.
class LineReader
{
public:
    /// Over the text, less a byte-order mark at its start.
    explicit LineReader(std::string_view text);
    /// The next line; nothing at the end of the text or after an over-long line (see failed()).
    std::optional<std::string> next();
    /// An over-long line was met.
    bool failed() const { return m_failed; }

private:
    std::string_view m_rest;
    bool m_failed = false;
};

/// Reads up to `count` value lines, each trimmed and cut at its first blank; an empty line ends them
/// early. Nothing on a read error, the end of the file before the lines included.
std::optional<std::vector<std::string>> readValueLines(LineReader &reader, std::size_t count);

/// The line trimmed of blanks and cut at its first blank or tab (what follows is a comment).
std::string cutAtBlank(std::string_view line);

/// The lines joined, each ended by CR LF.
std::string joinCrLf(const std::vector<std::string> &lines);

/// Writes an exchange or scratch file: created 0600, never through a link left in its place, and put in
/// place only once it was written completely; false when that failed.
bool writePrivateFile(const std::filesystem::path &path, const std::string &bytes);
/// Reads up to `maxBytes` of such a file; nothing when it cannot be read, is larger, or is not a regular file.
std::optional<std::string> readPrivateFile(const std::filesystem::path &path, std::size_t maxBytes);

/// Saves the lines, each ended by CR LF, through a temporary file renamed over `path` once everything was
/// written and flushed; false, with any old file untouched, when the file could not be written completely.
bool writeLines(const std::filesystem::path &path, const std::vector<std::string> &lines);

} // namespace frontend::core

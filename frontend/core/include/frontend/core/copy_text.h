#pragma once
// The text the results windows copy: the equation, an empty line, "x = . . ." and the roots, joined
// through a scratch file in the current directory, each line ended by CR LF.

#include <optional>
#include <string>
#include <vector>

namespace frontend::core
{

/// The scratch file's name, in the current directory.
inline constexpr const char *copyScratchName = "CopyTemp.tmp";

/// The lines to copy: the equation, an empty line, "x = . . .", then every root entry in order.
std::vector<std::string> CopyLines(const std::string &equation, const std::vector<std::string> &roots);

/// Writes the lines to the scratch file, reads its whole text back and deletes it. Nothing when the file
/// cannot be created (or read back); it never follows a link left in its place.
std::optional<std::string> CopyThroughScratch(const std::vector<std::string> &lines);
/// The same for a text already joined (each line ended by CR LF), such as a long table built in one piece.
std::optional<std::string> CopyTextThroughScratch(const std::string &bytes);

} // namespace frontend::core

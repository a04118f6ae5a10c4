#pragma once
// Roots files: line 1 the number of roots n, line 2 the leading coefficient, then the n roots, each a
// real number or "re,im"; whatever follows a blank or tab on a line is a comment.

#include "frontend/core/equation.h"
#include "frontend/core/notice.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace frontend::core
{

inline constexpr int maxRoots = 100;

struct RootsFile {
    std::string degreeLine; // the number of roots as written
    int count = 0;
    std::vector<std::string> lines; // 0: the leading coefficient, 1..n: the roots (trimmed and cut)
    ComplexValue leading;
    std::vector<ComplexValue> roots; // root k at position k - 1
};

struct RootsFileRead {
    bool RootsFileError = false;
    bool ConversionFailed = false;
    Notices notices;
    bool markRootsFile = false;
    RootsFile file;
};

/// Checks value line `i` (0 the leading coefficient, else root i) and stores its value; false when a
/// part does not read as a number.
bool CheckRootsFileValues(RootsFile &file, int i, RootsFileRead &read);
/// Reads and checks the roots file at `path`; every bad line is told about on its own. A file that cannot be
/// read (missing, not a regular file, too large, a read error) is the roots-file read error.
RootsFileRead ReadRootsFile(const std::filesystem::path &path);
/// Checks a roots file's whole text as ReadRootsFile does once it has read it.
RootsFileRead readRootsText(std::string_view text);

} // namespace frontend::core

#pragma once
// Coefficient files: line 1 the degree, then one coefficient per line from the leading one down to the
// constant term ("re,im" for a complex one); whatever follows a blank or tab on a line is a comment.

#include "frontend/core/equation.h"
#include "frontend/core/notice.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace frontend::core
{

inline constexpr int maxRealDegree = 100;
inline constexpr int maxComplexDegree = 50;

/// A coefficient file as last read.
struct CoefficientFile {
    std::string degreeLine; // the degree as written (cut at its first blank), for captions and requests
    int degree = 0;
    FileKind kind = FileKind::Real;
    std::vector<std::string> lines; // by power: each line trimmed and cut
    CoefficientTexts texts; // by power; complex lines split into their parts
    std::vector<ComplexValue> values; // by power, as the check read them (all of them when it passed)
};

/// The outcome of a file check. `markFile` asks for the file view to be marked as faulty.
struct FileCheck {
    bool FileError = false;
    bool ConversionFailed = false;
    Notices notices;
    bool markFile = false;
};

struct CoefficientFileRead : FileCheck {
    std::optional<std::string> viewText; // the file's text for the view, when it could be loaded
    CoefficientFile file;
};

/// A degree line's value when it is a positive whole number; nothing otherwise.
std::optional<double> parseDegreeLine(std::string_view cutLine);
/// True when the text holds a comma anywhere: the file then has complex coefficients.
bool hasComma(std::string_view text);
/// Splits "re,im" at its first comma into trimmed parts; without a comma the imaginary part is "0".
std::pair<std::string, std::string> SplitComplexLine(std::string_view line);

/// Checks the lines of a read file: their count, the leading coefficient, then every lower one
/// (an empty imaginary part becomes "0"). Stops at the first fault.
FileCheck CheckFileValues(CoefficientFile &file);
/// Reads the file at `path` afresh, reloads its text for the view and checks it. A file that cannot be read
/// (missing, not a regular file, too large, a read error) is the general file error, with no text for the view.
CoefficientFileRead ReadCoefficientFile(const std::filesystem::path &path);
/// Checks a coefficient file's whole text as ReadCoefficientFile does once it has read it; the text is kept
/// for the view.
CoefficientFileRead readCoefficientText(std::string text);

/// The first line of a saved equation: the degree, a tab and its comment.
std::string savedDegreeLine(int degree);
/// The lines of a saved equation: the degree with its comment, then each coefficient text (blanks
/// removed, so the reader's cut at the first blank keeps all of it) followed by a tab and its power.
std::vector<std::string> coefficientFileLines(const CoefficientTexts &texts);

} // namespace frontend::core

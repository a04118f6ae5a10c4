#pragma once
// kovalin-roots: the roots of coefficient files (or of standard input, "-"), or of coefficients given with -c,
// with the accuracy of each root. Exit status 0 when every root was found and verified, 1 when some root was not
// found or could not be verified, 2 when an input (or the command line) was bad or the results could not be
// written; the other inputs of a batch are still solved.

#include <iosfwd>
#include <string>
#include <vector>

namespace cli
{

enum ExitStatus : int { AllVerified = 0, SomeUnverified = 1, BadInput = 2 };

/// Runs the program with its arguments (the program's name not included), reading "-" from `in`, printing
/// results to `out` and one line per bad input (and, when asked, the engine's warnings) to `err`.
int RunRoots(const std::vector<std::string> &arguments, std::istream &in, std::ostream &out, std::ostream &err);

} // namespace cli

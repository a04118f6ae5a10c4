#pragma once
// Answer lines as a list-directed WRITE gives them: a leading blank, then the values separated by blanks.

#include <string>

namespace engine
{

/// The shortest text that reads back as exactly `value`, with an exponent written "E", sign, digits
/// (1E-05, 2.5E+300). Positive infinity is "Infinity"; a zero of either sign is "0".
std::string answerValue(double value);

/// Appends one answer line holding the given values.
void appendAnswerLine(std::string &answer, std::initializer_list<double> values);

} // namespace engine

#include "answer_writer.h"

#include <charconv>
#include <cmath>

namespace engine
{

std::string answerValue(double value)
{
    if (std::isinf(value)) {
        return value > 0 ? "Infinity" : "-Infinity";
    }
    if (std::isnan(value)) {
        return "NaN";
    }
    if (value == 0.0) {
        return "0"; // a root has no sign of zero worth showing
    }
    char text[40];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    std::string result(text, end);
    if (const auto e = result.find('e'); e != std::string::npos) {
        result[e] = 'E';
    }
    return result;
}

void appendAnswerLine(std::string &answer, std::initializer_list<double> values)
{
    for (const double value : values) {
        answer += ' ';
        answer += answerValue(value);
    }
    answer += '\n';
}

} // namespace engine

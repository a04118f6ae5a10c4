// libFuzzer target: a coefficient file's text, read and checked as the solver does before every action. A
// file that passes the check must give a whole equation of finite values within the degree limits, from which
// a solve request can be written, and a file saved from it must read back as the same equation.
//   Input: the file's bytes.

#include "frontend/core/coefficient_file.h"
#include "frontend/core/engine_exchange.h"
#include "frontend/core/equation.h"
#include "frontend/core/text_file.h"
#include "fuzz_checks.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

using namespace frontend::core;
using frontend::fuzz::require;

namespace
{

bool sameValue(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

void checkPassed(const CoefficientFileRead &read)
{
    const CoefficientFile &file = read.file;
    const int limit = file.kind == FileKind::Complex ? maxComplexDegree : maxRealDegree;
    require(file.degree >= 1 && file.degree <= limit, "a file that passes has a degree within the limits");
    require(file.values.size() == static_cast<std::size_t>(file.degree) + 1, "every coefficient has a value");
    require(file.texts.degree() == file.degree, "every coefficient has a text");
    for (const ComplexValue &value : file.values) {
        require(std::isfinite(value.re) && std::isfinite(value.im), "a coefficient that passes is finite");
    }
    const Equation equation = makeEquation(file.degreeLine, file.texts, file.values);
    require(frontend::fuzz::namesNoNonFinite(equation.text), "the equation text names no value that is not one");
    require(solveRequestLines(equation).has_value(), "a request can be written for a file that passes");

    // Saved as the main window saves an equation, it reads back as the same one.
    const CoefficientFileRead again = readCoefficientText(joinCrLf(coefficientFileLines(file.texts)));
    require(!again.FileError && !again.ConversionFailed, "a saved equation reads back without error");
    require(again.file.kind == file.kind && again.file.degree == file.degree, "a saved equation keeps its kind");
    for (std::size_t i = 0; i < file.values.size(); ++i) {
        require(sameValue(again.file.values[i].re, file.values[i].re)
                && sameValue(again.file.values[i].im, file.values[i].im),
            "a saved equation keeps its values");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const CoefficientFileRead read = readCoefficientText(std::string(reinterpret_cast<const char *>(data), size));
    require(read.FileError || read.ConversionFailed || read.notices.empty(), "a check that passed told nothing");
    require(!read.FileError || !read.notices.empty(), "every file error has its message");
    if (!read.FileError && !read.ConversionFailed) {
        checkPassed(read);
    }
    return 0;
}

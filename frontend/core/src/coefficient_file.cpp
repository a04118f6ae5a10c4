#include "frontend/core/coefficient_file.h"

#include "frontend/core/number_text.h"
#include "frontend/core/text_file.h"

#include <algorithm>
#include <cmath>

namespace frontend::core
{
namespace
{

CoefficientFileRead generalError(CoefficientFileRead read)
{
    read.FileError = true;
    read.notices.push_back(Notice::FileGeneral);
    read.markFile = true;
    return read;
}

/// Reads one coefficient text, noting what the reader reports for a file.
NumberValue readFileText(const std::string &text, FileCheck &check)
{
    const ReadOutcome read = ReadNumber(text);
    if (read.ConversionFailed) {
        check.notices.push_back(Notice::DivisionByZero);
        check.ConversionFailed = true;
    }
    if (read.conversionError) {
        check.markFile = true;
    }
    return read.value;
}

void failCheck(FileCheck &check, Notice notice, bool mark)
{
    check.FileError = true;
    check.notices.push_back(notice);
    check.markFile = check.markFile || mark;
}

bool leadingPasses(CoefficientFile &file, FileCheck &check)
{
    const auto n = static_cast<std::size_t>(file.degree);
    const NumberValue re = readFileText(file.texts.re[n], check);
    if (!file.texts.complex) {
        if (re.isFailed() || re.readsAsZero()) {
            failCheck(check, re.isFailed() ? Notice::FileLeadingNotNumeric : Notice::FileLeadingZero, false);
            return false;
        }
        file.values[n].re = re.toDouble();
        return true;
    }
    const NumberValue im = readFileText(file.texts.im[n], check);
    if (re.isFailed() || im.isFailed()) {
        failCheck(check, Notice::FileComplexLeadingNotNumeric, false);
        return false;
    }
    if (re.readsAsZero() && im.readsAsZero()) {
        failCheck(check, Notice::FileComplexLeadingZero, false);
        return false;
    }
    file.values[n] = { re.toDouble(), im.toDouble() };
    return true;
}

/// Reads a lower coefficient's part (an empty one is "0") into `value`; false when it is not numeric.
bool lowerTextPasses(std::string &text, double &value, FileCheck &check)
{
    if (text.empty()) {
        text = "0";
    }
    const NumberValue read = readFileText(text, check);
    if (!read.isNumeric()) {
        failCheck(check, Notice::FileCoefficientInput, true);
        return false;
    }
    value = read.toDouble();
    return true;
}

/// Reads the n + 1 coefficient lines; an empty line ends them early (the count check reports it),
/// the end of the file before them is a read error.
bool readCoefficientLines(LineReader &reader, CoefficientFile &file)
{
    const auto count = static_cast<std::size_t>(file.degree) + 1;
    auto lines = readValueLines(reader, count);
    if (!lines) {
        return false;
    }
    // Read leading first; held by power, the missing ones empty.
    lines->resize(count);
    file.lines.assign(lines->rbegin(), lines->rend());
    return true;
}

void splitLines(CoefficientFile &file)
{
    if (file.kind == FileKind::Real) {
        file.texts = CoefficientTexts::real(file.lines);
        return;
    }
    std::vector<std::string> re;
    std::vector<std::string> im;
    for (const std::string &line : file.lines) {
        auto [a, b] = line.empty() ? std::pair<std::string, std::string>() : SplitComplexLine(line);
        re.push_back(std::move(a));
        im.push_back(std::move(b));
    }
    file.texts = CoefficientTexts::complexPairs(std::move(re), std::move(im));
}

std::string withoutBlanks(std::string text)
{
    text.erase(std::remove_if(text.begin(),
                   text.end(),
                   [](char c) {
                       return c == ' ' || c == '\t';
                   }),
        text.end());
    return text;
}

} // namespace

std::optional<double> parseDegreeLine(std::string_view cutLine)
{
    const auto value = textToDouble(cutLine);
    if (!value || !(*value > 0.0) || std::floor(*value) != *value) {
        return std::nullopt;
    }
    return value;
}

bool hasComma(std::string_view text)
{
    return text.find(',') != std::string_view::npos;
}

std::pair<std::string, std::string> SplitComplexLine(std::string_view line)
{
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        return { trim(line), "0" };
    }
    return { trim(line.substr(0, comma)), trim(line.substr(comma + 1)) };
}

FileCheck CheckFileValues(CoefficientFile &file)
{
    FileCheck check;
    const int n = file.degree;
    const auto present = std::find_if(file.lines.rbegin(), file.lines.rend(), [](const std::string &line) {
        return line.empty();
    });
    if (n < 0 || static_cast<int>(present - file.lines.rbegin()) < n + 1) {
        failCheck(check, Notice::FileCount, true);
        return check;
    }
    file.values.assign(static_cast<std::size_t>(n) + 1, {});
    if (!leadingPasses(file, check)) {
        return check;
    }
    for (int i = n - 1; i >= 0; --i) {
        const auto power = static_cast<std::size_t>(i);
        ComplexValue &value = file.values[power];
        if (!lowerTextPasses(file.texts.re[power], value.re, check)) {
            return check;
        }
        if (file.texts.complex && !lowerTextPasses(file.texts.im[power], value.im, check)) {
            return check;
        }
    }
    return check;
}

CoefficientFileRead ReadCoefficientFile(const std::filesystem::path &path)
{
    LoadedText loaded = loadFileText(path);
    if (!loaded.text) {
        return generalError(CoefficientFileRead());
    }
    return readCoefficientText(std::move(*loaded.text));
}

CoefficientFileRead readCoefficientText(std::string text)
{
    CoefficientFileRead read;
    read.viewText = std::move(text);
    LineReader reader(*read.viewText);
    const auto first = reader.next();
    if (!first) {
        return generalError(std::move(read));
    }
    read.file.degreeLine = cutAtBlank(*first);
    const auto degree = parseDegreeLine(read.file.degreeLine);
    if (!degree) {
        failCheck(read, Notice::FileDegree, true);
        return read;
    }
    const bool complex = hasComma(*read.viewText);
    if (*degree > (complex ? maxComplexDegree : maxRealDegree)) {
        return generalError(std::move(read));
    }
    read.file.degree = static_cast<int>(*degree);
    read.file.kind = complex ? FileKind::Complex : FileKind::Real;
    if (!readCoefficientLines(reader, read.file)) {
        return generalError(std::move(read));
    }
    splitLines(read.file);
    const FileCheck check = CheckFileValues(read.file);
    read.FileError = check.FileError;
    read.ConversionFailed = check.ConversionFailed;
    read.notices = check.notices;
    read.markFile = check.markFile;
    return read;
}

std::string savedDegreeLine(int degree)
{
    return std::to_string(degree) + "\tdegree of equation";
}

std::vector<std::string> coefficientFileLines(const CoefficientTexts &texts)
{
    std::vector<std::string> lines { savedDegreeLine(texts.degree()) };
    for (int i = texts.degree(); i >= 0; --i) {
        const auto power = static_cast<std::size_t>(i);
        std::string line = withoutBlanks(texts.re[power]);
        if (texts.complex) {
            line += "," + withoutBlanks(texts.im[power]);
        }
        line += i > 0 ? "\t* x^" + std::to_string(i) + " +" : std::string("\t= 0");
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace frontend::core

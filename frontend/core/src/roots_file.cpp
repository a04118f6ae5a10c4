#include "frontend/core/roots_file.h"

#include "frontend/core/coefficient_file.h"
#include "frontend/core/number_text.h"
#include "frontend/core/text_file.h"

namespace frontend::core
{
namespace
{

RootsFileRead failWith(RootsFileRead read, Notice notice)
{
    read.RootsFileError = true;
    read.notices.push_back(notice);
    read.markRootsFile = true;
    return read;
}

std::optional<double> readPart(const std::string &text, RootsFileRead &read)
{
    const ReadOutcome outcome = ReadNumber(text);
    if (outcome.ConversionFailed) {
        read.notices.push_back(Notice::DivisionByZero);
        read.ConversionFailed = true;
    }
    if (outcome.value.isFailed()) {
        return std::nullopt;
    }
    return outcome.value.toDouble();
}

/// Reads the value lines 0..n; stops early at an empty line. False on a read error (the end of the
/// file before the lines were all there included).
bool readValueLines(LineReader &reader, RootsFile &file)
{
    file.lines.clear();
    for (int i = 0; i <= file.count; ++i) {
        const auto line = reader.next();
        if (!line) {
            return false;
        }
        std::string cut = CutAtBlank(*line);
        if (cut.empty()) {
            break;
        }
        file.lines.push_back(std::move(cut));
    }
    return true;
}

} // namespace

bool CheckRootsFileValues(RootsFile &file, int i, RootsFileRead &read)
{
    const auto [reText, imText] = SplitComplexLine(file.lines[static_cast<std::size_t>(i)]);
    const auto re = readPart(reText, read);
    const auto im = readPart(imText, read);
    if (!re || !im) {
        read.RootsFileError = true;
        read.notices.push_back(Notice::RootsFileValue);
        read.markRootsFile = true;
        return false;
    }
    const ComplexValue value { *re, *im };
    if (i == 0) {
        file.leading = value;
    } else {
        file.roots[static_cast<std::size_t>(i - 1)] = value;
    }
    return true;
}

RootsFileRead ReadRootsFile(const std::filesystem::path &path)
{
    RootsFileRead read;
    LineReader reader(path);
    const auto first = reader.next();
    if (!first) {
        return failWith(std::move(read), Notice::RootsFileRead);
    }
    read.file.degreeLine = CutAtBlank(*first);
    const auto count = ParseDegreeLine(read.file.degreeLine);
    if (!count) {
        return failWith(std::move(read), Notice::RootsFileDegree);
    }
    if (*count > maxRoots) {
        return failWith(std::move(read), Notice::RootsFileRead);
    }
    read.file.count = static_cast<int>(*count);
    read.file.roots.assign(static_cast<std::size_t>(read.file.count), ComplexValue {});
    if (!readValueLines(reader, read.file)) {
        return failWith(std::move(read), Notice::RootsFileRead);
    }
    for (int i = 0; i < static_cast<int>(read.file.lines.size()); ++i) {
        CheckRootsFileValues(read.file, i, read);
    }
    // Lines missing after an empty one are told about once, not once per missing root.
    if (static_cast<int>(read.file.lines.size()) < read.file.count + 1) {
        return failWith(std::move(read), Notice::RootsFileValue);
    }
    return read;
}

} // namespace frontend::core

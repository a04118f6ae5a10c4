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
    const LoadedText loaded = loadFileText(path);
    if (!loaded.text) {
        return failWith(RootsFileRead(), Notice::RootsFileRead);
    }
    return readRootsText(*loaded.text);
}

RootsFileRead readRootsText(std::string_view text)
{
    RootsFileRead read;
    LineReader reader(text);
    const auto first = reader.next();
    if (!first) {
        return failWith(std::move(read), Notice::RootsFileRead);
    }
    read.file.degreeLine = cutAtBlank(*first);
    const auto count = parseDegreeLine(read.file.degreeLine);
    if (!count) {
        return failWith(std::move(read), Notice::RootsFileDegree);
    }
    if (*count > maxRoots) {
        return failWith(std::move(read), Notice::RootsFileRead);
    }
    read.file.count = static_cast<int>(*count);
    read.file.roots.assign(static_cast<std::size_t>(read.file.count), ComplexValue {});
    auto lines = readValueLines(reader, static_cast<std::size_t>(read.file.count) + 1);
    if (!lines) {
        return failWith(std::move(read), Notice::RootsFileRead);
    }
    read.file.lines = std::move(*lines);
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

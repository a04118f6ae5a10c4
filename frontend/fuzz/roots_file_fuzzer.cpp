// libFuzzer target: a roots file's text, read and checked as the equation creator does, then multiplied out
// and laid out as the created-equation window shows and saves it. A file that passes must give finite roots
// and leading coefficient within the limits; the created equation shows no value that is not a number, and
// its saved file reads back as a coefficient file with the same coefficients (to the 15 digits it keeps).
//   Input: byte 0 picks the decimals shown (1 to 15), the rest is the file's bytes.

#include "frontend/core/coefficient_file.h"
#include "frontend/core/creator.h"
#include "frontend/core/roots_file.h"
#include "frontend/core/text_file.h"
#include "fuzz_checks.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace frontend::core;
using frontend::fuzz::require;

namespace
{

bool near(double saved, double exact)
{
    return std::fabs(saved - exact) <= std::fabs(exact) * 1e-14;
}

void checkCreated(const RootsFile &file, std::size_t decimals)
{
    const CreatorRoots roots = FileCreatorRoots(file);
    require(roots.roots.size() == file.roots.size(), "every root is listed");
    for (const std::string &entry : roots.entries) {
        require(frontend::fuzz::namesNoNonFinite(entry), "a listed root is a number");
    }
    const auto created = ShowCreatedEquation(file.leading, roots, decimals);
    const auto coefficients = ExpandRoots(file.leading, file.roots);
    require(created.has_value() == coefficients.has_value(), "the created equation is shown when it expands");
    if (!created) {
        return;
    }
    require(frontend::fuzz::namesNoNonFinite(created->equationText), "the created equation shows numbers only");
    for (const std::string &line : created->listEntries) {
        require(frontend::fuzz::namesNoNonFinite(line), "every listed term shows numbers only");
    }
    const ComplexValue leading = coefficients->back();
    if (leading.re == 0.0 && leading.im == 0.0) {
        return; // a zero leading coefficient: the saved file is refused as the reader's rules say
    }
    const std::string saved = joinCrLf(CreatedFileLines(*created));
    if (hasComma(saved) && file.count > maxComplexDegree) {
        // A complex equation of degree 51 to 100 can be created and saved, but the reader takes complex files up
        // to degree 50 only: that round trip cannot close, so it is not checked here.
        return;
    }
    const CoefficientFileRead again = readCoefficientText(saved);
    require(!again.FileError && !again.ConversionFailed, "a saved created equation reads back");
    require(again.file.degree == file.count, "a saved created equation keeps its degree");
    for (std::size_t i = 0; i < coefficients->size(); ++i) {
        require(near(again.file.values[i].re, (*coefficients)[i].re), "a saved coefficient keeps its value");
        require(again.file.kind == FileKind::Real || near(again.file.values[i].im, (*coefficients)[i].im),
            "a saved coefficient keeps its imaginary part");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1) {
        return 0;
    }
    const std::size_t decimals = 1 + data[0] % 15;
    const RootsFileRead read = readRootsText(std::string_view(reinterpret_cast<const char *>(data) + 1, size - 1));
    require(!read.RootsFileError || !read.notices.empty(), "every roots-file error has its message");
    if (read.RootsFileError || read.ConversionFailed) {
        return 0;
    }
    const RootsFile &file = read.file;
    require(file.count >= 1 && file.count <= maxRoots, "a file that passes has a count within the limits");
    require(file.roots.size() == static_cast<std::size_t>(file.count), "every root has a value");
    require(std::isfinite(file.leading.re) && std::isfinite(file.leading.im), "the leading coefficient is finite");
    for (const ComplexValue &root : file.roots) {
        require(std::isfinite(root.re) && std::isfinite(root.im), "a root that passes is finite");
    }
    checkCreated(file, decimals);
    return 0;
}

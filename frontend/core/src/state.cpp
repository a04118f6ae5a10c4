#include "frontend/core/state.h"

#include "frontend/core/number_text.h"
#include "frontend/core/text_file.h"

namespace frontend::core
{

void GraphSettings::resetSwitches()
{
    GraphTicks = true;
    GraphGrid = false;
    GraphDer1 = false;
    GraphDer2 = false;
    GraphInt = false;
}

void ForgetGraphParameters(KovalinState &state)
{
    state.graph.GraphRemembered = false;
}

const CoefficientTexts &KovalinState::coefficients() const
{
    return CoefType == CoefKind::File ? file.texts : boxes;
}

bool KovalinState::isComplex() const
{
    return CoefType == CoefKind::Complex || (CoefType == CoefKind::File && FileCoefType == FileKind::Complex);
}

void StartProgramEntry(KovalinState &state, CoefKind kind, int degree, std::size_t decimals)
{
    state.CoefType = kind;
    state.Degree = degree;
    state.BoxDegree = degree;
    state.FromFile = false;
    state.PrecisionPattern = MakePrecisionPattern(decimals);
    state.boxes = kind == CoefKind::Complex
        ? CoefficientTexts::complexPairs(std::vector<std::string>(static_cast<std::size_t>(degree) + 1), {})
        : CoefficientTexts::real(std::vector<std::string>(static_cast<std::size_t>(degree) + 1));
}

void StartFileEntry(KovalinState &state, const std::string &path, std::string_view viewText)
{
    state.CoefType = CoefKind::File;
    state.FilePath = path;
    state.FromFile = true;
    // Decided afresh for every file, so a real file opened after a complex one is not refused.
    state.FileCoefType = HasComma(viewText) ? FileKind::Complex : FileKind::Real;
}

bool ComplexGateRefuses(const KovalinState &state)
{
    return state.isComplex();
}

namespace
{

EquationCheck checkBoxes(KovalinState &state, const CoefficientTexts &boxTexts)
{
    EntryCheck entry = CheckNumericValues(boxTexts);
    EquationCheck check;
    check.passed = !entry.EntryError && !entry.ConversionFailed;
    check.notices = std::move(entry.notices);
    check.focus = entry.focus;
    check.filledWithZero = std::move(entry.filledWithZero);
    check.boxTexts = entry.texts;
    state.boxes = std::move(entry.texts);
    if (check.passed) {
        state.EquationText = BuildEquationText(state.boxes);
        check.equationText = state.EquationText;
    }
    return check;
}

EquationCheck checkFile(KovalinState &state)
{
    CoefficientFileRead read = ReadCoefficientFile(PathFromUtf8(state.FilePath));
    EquationCheck check;
    check.passed = !read.FileError && !read.ConversionFailed;
    check.notices = std::move(read.notices);
    check.markFile = read.markFile;
    check.viewText = std::move(read.viewText);
    if (read.file.degree > 0) {
        state.Degree = read.file.degree;
        state.FileCoefType = read.file.kind;
    }
    state.file = std::move(read.file);
    if (check.passed) {
        state.FileEquationText = BuildEquationText(state.file.texts);
        check.equationText = state.FileEquationText;
    }
    return check;
}

} // namespace

EquationCheck CheckEquation(KovalinState &state, const CoefficientTexts &boxTexts)
{
    if (state.CoefType == CoefKind::File) {
        return checkFile(state);
    }
    return checkBoxes(state, boxTexts);
}

ActionRule RuleFor(Action action)
{
    switch (action) {
    case Action::Solve:
        return { false, true, "0 = " };
    case Action::Create:
        return { false, false, "" };
    case Action::Evaluate:
        return { false, true, "" };
    case Action::Table:
        return { false, true, "y = " };
    case Action::Graph:
        return { true, true, "y = " };
    case Action::Calculus:
        return { true, true, "f(x) = " };
    case Action::Length:
        break;
    }
    return { true, true, "y = " };
}

} // namespace frontend::core

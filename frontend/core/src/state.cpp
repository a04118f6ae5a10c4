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

std::optional<std::vector<double>> knownRealRoots(const KovalinState &state, const Equation &equation)
{
    if (!state.lastRealRoots || state.lastRealRoots->coefficients.size() != equation.values.size()) {
        return std::nullopt;
    }
    for (std::size_t k = 0; k < equation.values.size(); ++k) {
        const ComplexValue &a = state.lastRealRoots->coefficients[k];
        const ComplexValue &b = equation.values[k];
        if (a.re != b.re || a.im != b.im) {
            return std::nullopt;
        }
    }
    return state.lastRealRoots->real;
}

void forgetGraphParameters(KovalinState &state)
{
    state.graph.GraphRemembered = false;
}

bool KovalinState::isComplex() const
{
    return CoefType == CoefKind::Complex || (CoefType == CoefKind::File && FileCoefType == FileKind::Complex);
}

void startProgramEntry(KovalinState &state, CoefKind kind, int degree, std::size_t decimals)
{
    state.CoefType = kind;
    state.Degree = degree;
    state.BoxDegree = degree;
    state.FromFile = false;
    state.PrecisionPattern = makePrecisionPattern(decimals);
    std::vector<std::string> empty(static_cast<std::size_t>(degree) + 1);
    state.equation = makeEquation(std::to_string(degree),
        kind == CoefKind::Complex ? CoefficientTexts::complexPairs(empty, {}) : CoefficientTexts::real(empty),
        {});
}

void startFileEntry(KovalinState &state, const std::string &path, std::string_view viewText)
{
    state.CoefType = CoefKind::File;
    state.FilePath = path;
    state.FromFile = true;
    state.equation = {};
    // Decided afresh for every file, so a real file opened after a complex one is not refused.
    state.FileCoefType = hasComma(viewText) ? FileKind::Complex : FileKind::Real;
}

bool complexGateRefuses(const KovalinState &state)
{
    return state.isComplex();
}

namespace
{

EquationCheck checkBoxes(KovalinState &state, CoefficientTexts boxTexts)
{
    EntryCheck entry = CheckNumericValues(std::move(boxTexts));
    EquationCheck check;
    check.notices = std::move(entry.notices);
    check.focus = entry.focus;
    check.filledWithZero = std::move(entry.filledWithZero);
    if (!entry.EntryError && !entry.ConversionFailed) {
        check.equation = makeEquation(std::to_string(state.Degree), std::move(entry.texts), std::move(entry.values));
    }
    return check;
}

EquationCheck checkFile(KovalinState &state, bool complexGate)
{
    CoefficientFileRead read = ReadCoefficientFile(pathFromUtf8(state.FilePath));
    EquationCheck check;
    check.viewText = std::move(read.viewText);
    if (check.viewText) {
        state.FileCoefType = hasComma(*check.viewText) ? FileKind::Complex : FileKind::Real;
    }
    if (read.file.degree > 0) {
        state.Degree = read.file.degree;
    }
    // The gate judges the file as just read (a file that could not be read keeps the kind last seen).
    if (complexGate && state.FileCoefType == FileKind::Complex) {
        check.complexRefused = true;
        return check;
    }
    check.notices = std::move(read.notices);
    check.markFile = read.markFile;
    if (!read.FileError && !read.ConversionFailed) {
        CoefficientFile &file = read.file;
        check.equation = makeEquation(std::move(file.degreeLine), std::move(file.texts), std::move(file.values));
    }
    return check;
}

} // namespace

EquationCheck checkEquation(KovalinState &state, CoefficientTexts boxTexts, bool complexGate)
{
    if (state.CoefType == CoefKind::Complex && complexGate) {
        EquationCheck refused;
        refused.complexRefused = true;
        return refused;
    }
    EquationCheck check =
        state.CoefType == CoefKind::File ? checkFile(state, complexGate) : checkBoxes(state, std::move(boxTexts));
    if (check.equation) {
        state.equation = *check.equation;
    }
    return check;
}

ActionRule ruleFor(Action action)
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

std::string actionText(Action action, const Equation &equation)
{
    return std::string(ruleFor(action).prefix) + equation.text;
}

} // namespace frontend::core

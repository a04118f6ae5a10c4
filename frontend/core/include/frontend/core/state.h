#pragma once
// The solver's shared state for one run: the current equation and what every window reads of it. One
// object, owned by the application and handed to the windows that need it.

#include "frontend/core/coefficient_file.h"
#include "frontend/core/equation.h"
#include "frontend/core/notice.h"
#include "frontend/core/number_text.h"
#include "frontend/core/roots_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace frontend::core
{

/// The texts of the graph parameters' boxes and the quality bar's value; these are also the defaults.
struct GraphParameterTexts {
    std::string xMin = "-100";
    std::string xMax = "100";
    std::string yMin = "-100";
    std::string yMax = "100";
    int quality = 100;
    std::string tickFreq = "5";
    std::string gridFreq = "10";

    friend bool operator==(const GraphParameterTexts &, const GraphParameterTexts &) = default;
};

/// The graph settings, kept for the whole run.
struct GraphSettings {
    double GraphXMin = 0.0;
    double GraphXMax = 0.0;
    double GraphYMin = 0.0;
    double GraphYMax = 0.0;
    int GraphQuality = 100;
    bool GraphTicks = true;
    bool GraphGrid = false;
    bool GraphDer1 = false;
    bool GraphDer2 = false;
    bool GraphInt = false;
    bool axisNumbers = false; // numbers along the axes and the real roots marked; kept for the run
    double GraphTickFreq = 5.0;
    double GraphGridFreq = 10.0;
    bool GraphRemembered = false;
    bool GraphZoomed = false;
    GraphParameterTexts remembered; // the texts of the last accepted parameters

    /// The switches' values each time the main window is loaded.
    void resetSwitches();
};

/// What the equation creator is asked to build from (filled by the new-equation dialog).
struct CreatorRequest {
    bool Creating = false; // the new-equation dialog's create branch is under way
    bool fromFile = false;
    int CreateDegree = 0;
    ComplexValue LeadingCoef;
    std::string leadingTextA; // as typed, for the roots frame's caption
    std::string leadingTextB;
    std::string RootsFilePath;
    std::optional<std::string> viewText; // the roots file's text for the creator's view
    RootsFileRead roots; // the roots file as read (RootsFileError, ConversionFailed, values)
};

/// The real roots a solve found, with the coefficients of the equation it solved.
struct LastRealRoots {
    std::vector<ComplexValue> coefficients;
    std::vector<double> real;
};

struct KovalinState {
    CoefKind CoefType = CoefKind::Real;
    FileKind FileCoefType = FileKind::Real;
    int Degree = 0;
    int BoxDegree = 0;
    std::string PrecisionPattern = makePrecisionPattern(15);
    std::string FilePath;
    bool FromFile = false;
    Equation equation; // the current equation as its last check passed (empty boxes before any)
    bool NewRequested = false;
    bool NewConfirmed = false;
    GraphSettings graph;
    CreatorRequest creator;
    std::optional<LastRealRoots> lastRealRoots; // the last solve that gave roots

    std::size_t decimals() const { return PrecisionPattern.size(); }
    /// True for complex coefficients, typed or in the chosen file (judged before any check).
    bool isComplex() const;
};

/// The real roots of `equation` when a solve of the same coefficients gave them in this run.
std::optional<std::vector<double>> knownRealRoots(const KovalinState &state, const Equation &equation);

/// A new equation was confirmed for solving: its first graph starts again from the default parameters.
void forgetGraphParameters(KovalinState &state);

/// Entry in the program's boxes: the kind, degree and precision chosen in the new-equation dialog.
void startProgramEntry(KovalinState &state, CoefKind kind, int degree, std::size_t decimals);
/// The equation is the coefficient file at `path`, whose text is `viewText`.
void startFileEntry(KovalinState &state, const std::string &path, std::string_view viewText);

/// True when a real-only tool must refuse the current equation as last known (before any re-reading).
bool complexGateRefuses(const KovalinState &state);

/// The outcome of the check every action on the equation runs first: the equation when it passed, else
/// what to tell and the box to correct.
struct EquationCheck {
    std::optional<Equation> equation;
    Notices notices;
    std::optional<BoxRef> focus;
    std::vector<BoxRef> filledWithZero;
    bool markFile = false;
    std::optional<std::string> viewText; // the reloaded file text
    bool complexRefused = false; // the complex gate refused the equation; nothing else is to be told
};

/// Checks the typed boxes (their texts given) or re-reads the file, reading every coefficient once. When it
/// passes, the state keeps the equation as the current one. With `complexGate`, complex coefficients are
/// refused: typed ones before any check, a file's as the file reads now, since it may have changed on disk
/// since it was opened.
EquationCheck checkEquation(KovalinState &state, CoefficientTexts boxTexts, bool complexGate = false);

/// Actions started from the main window that use the current equation.
enum class Action { Solve, Create, Evaluate, Table, Graph, Calculus, Length };

struct ActionRule {
    bool complexGate; // refused for complex coefficients
    bool equationCheck; // the equation must pass its check first
    std::string_view prefix; // put before the equation text in the target window
};

ActionRule ruleFor(Action action);

/// The text the action's window shows: its prefix and the equation's one-line text.
std::string actionText(Action action, const Equation &equation);

} // namespace frontend::core

#pragma once
// The current equation of a run (the solver's shared module state), its one-line text, the check
// every action runs first and the complex gate of the real-only tools.

#include "frontend/core/notice.h"

#include <optional>
#include <string>
#include <vector>

namespace frontend::core
{

/// Where the current equation comes from: real boxes ("R"), complex boxes ("C") or a file ("F").
enum class CoefKind { Real, Complex, File };
/// The coefficient type found in a file ("R" or "C").
enum class FileKind { Real, Complex };

/// Coefficient texts of one equation, indexed by the power of x (the last one is the leading one).
/// Real equations leave `im` empty.
struct CoefficientTexts {
    bool complex = false;
    std::vector<std::string> re;
    std::vector<std::string> im;

    int degree() const { return static_cast<int>(re.size()) - 1; }
    static CoefficientTexts real(std::vector<std::string> re);
    static CoefficientTexts complexPairs(std::vector<std::string> re, std::vector<std::string> im);
};

/// One-line text of an equation from its trimmed texts: (1)*x^2 + (-3)*x^1 + (2), or for complex
/// coefficients [(1)+(2)i]*x^1 + [(0)+(-1)i].
std::string BuildEquationText(const CoefficientTexts &texts);

/// A coefficient box of the main window (which array and which power), or a root box of the creator's
/// roots window (CRA real part, CRB imaginary part; the index is the root's number from 1).
struct BoxRef {
    enum class Array { CR, CCA, CCB, CRA, CRB };
    Array array = Array::CR;
    int index = 0;

    friend bool operator==(const BoxRef &, const BoxRef &) = default;
};

/// A complex number as a pair of doubles.
struct ComplexValue {
    double re = 0.0;
    double im = 0.0;
};

/// The outcome of checking the typed coefficients.
struct EntryCheck {
    bool EntryError = false;
    bool ConversionFailed = false;
    Notices notices; // in the order they are to be shown
    std::optional<BoxRef> focus; // the box the user must correct
    std::vector<BoxRef> filledWithZero; // empty lower boxes that now read "0"
    CoefficientTexts texts; // the texts after filling
    std::vector<ComplexValue> values; // by power, as the check read them (all of them when it passed)
};

/// Checks typed coefficients: the leading one must be a number other than "0"; empty lower boxes
/// become "0"; every lower box must be numeric. Stops at the first fault.
EntryCheck CheckNumericValues(CoefficientTexts texts);

/// Checks the roots typed in the creator (root k's parts at index k - 1 of `roots`): empty parts become "0",
/// every part must be numeric. Stops at the first fault.
EntryCheck CheckNumericValuesCreate(CoefficientTexts roots);

/// The current equation once its check passed: read once, then handed to every action as it is.
struct Equation {
    int degree = 0;
    std::string degreeText; // the degree as the results caption names it (a file's degree line as written)
    CoefficientTexts texts; // by power, as typed or written (empty lower ones filled with "0")
    std::vector<ComplexValue> values; // by power, as the check read them
    std::string text; // the one-line text: (1)*x^2 + (-3)*x^1 + (2)

    /// The kind: complex coefficients (typed or in a file) or real ones.
    bool isComplex() const { return texts.complex; }
};

/// The equation of checked texts and the values the check read from them.
Equation makeEquation(std::string degreeText, CoefficientTexts texts, std::vector<ComplexValue> values);

} // namespace frontend::core

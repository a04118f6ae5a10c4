#include "frontend/messages.h"

#include <QCoreApplication>
#include <QStringList>

namespace frontend::msg
{
namespace
{

using platform::Message;
using platform::MessageButtons;
using platform::MessageIcon;

QString tr(const char *text)
{
    return QCoreApplication::translate("Kovalin", text);
}

QString lines(std::initializer_list<const char *> pieces)
{
    QStringList out;
    for (const char *piece : pieces) {
        out.append(tr(piece));
    }
    return out.join(QLatin1Char('\n'));
}

Message ok(const QString &text, const char *title, MessageIcon icon)
{
    return { text, tr(title), icon, MessageButtons::Ok };
}

Message question(const char *text, const char *title)
{
    return { tr(text), tr(title), MessageIcon::Question, MessageButtons::YesNo };
}

/// The common input-error layout: the first two lines name what is wrong, then the three forms.
QString inputError(const char *first, const char *second)
{
    return lines({ first,
        second,
        "",
        "There are three valid numerical input formats:",
        "\t- Decimal (123.45678)",
        "\t- Fractional (123/456.78)",
        "\t- Exponential (12.345678E-5)" });
}

const char *const coefficientsFirstLine = "There is an input error in the coefficients of the current equation.";
const char *const enteredDataLine = "Please verify that all of the data entered is numerical.";
const char *const leadingNotNumeric =
    "There must be a numerical value given to the coefficient of the highest power of 'x'.";
const char *const leadingZero = "There must be a value given to the coefficient of the highest power of 'x'.";
const char *const complexLeadingNotNumeric =
    "There must be a numerical value given to the complex coefficient of the highest power of 'x'.";
const char *const complexLeadingZero =
    "There must be a value given to the complex coefficient of the highest power of 'x'.";
const char *const degreeNotWhole = "The degree of the equation must be a positive whole number.";

Message inputErrorMessage(const char *text)
{
    return ok(tr(text), "Input Error", MessageIcon::Exclamation);
}

Message fileInputErrorMessage(const char *text)
{
    return ok(tr(text), "File Input Error", MessageIcon::Exclamation);
}

Message coefficientFileError()
{
    return ok(lines({ "An error has been found in the input file.",
                  "The first line must contain the degree of the equation to solve.",
                  "The following lines must contain the coefficients of the powers of 'x' in descending order, "
                  "each on a new line.",
                  "The real and imaginary parts of complex coefficients must be separated by a comma.",
                  "There must be no spaces in the file.",
                  "Please verify it and try again." }),
        "Input File Error",
        MessageIcon::Critical);
}

/// A save that failed is told, so the user does not take the file for written.
Message notSaved(const QString &path, const char *title)
{
    return ok(tr("The equation could not be saved to the file:") + QLatin1Char('\n') + path + QLatin1Char('\n')
            + tr("Please choose another file or folder."),
        title,
        MessageIcon::Exclamation);
}

Message rootsFileError(bool withLeadingLine)
{
    QStringList out { tr("An error has been found in the input file."),
        tr("The first line must contain the degree of the equation to create (no higher than 100).") };
    if (withLeadingLine) {
        out.append(tr("The second must contain the equation's leading coefficient with the real and complex parts "
                      "separated by a comma."));
    }
    out.append(tr("The following lines must contain the roots of the equation, each on a new line."));
    out.append(tr("The real and imaginary parts of complex roots must be separated by a comma."));
    out.append(tr("There must be no spaces in the file."));
    out.append(tr("Please verify it and try again."));
    return ok(out.join(QLatin1Char('\n')), "Input File Error", MessageIcon::Critical);
}

} // namespace

Message forNotice(core::Notice notice)
{
    using core::Notice;
    switch (notice) {
    case Notice::DivisionByZero:
        return divisionByZero();
    case Notice::LeadingNotNumeric:
        return inputErrorMessage(leadingNotNumeric);
    case Notice::LeadingZero:
        return inputErrorMessage(leadingZero);
    case Notice::ComplexLeadingNotNumeric:
        return inputErrorMessage(complexLeadingNotNumeric);
    case Notice::ComplexLeadingZero:
        return inputErrorMessage(complexLeadingZero);
    case Notice::CoefficientInput:
        return ok(inputError(coefficientsFirstLine, enteredDataLine), "Input Error", MessageIcon::Exclamation);
    case Notice::RootsInput:
        return ok(inputError("There is an input error in the roots of the equation to create.", enteredDataLine),
            "Input Error",
            MessageIcon::Exclamation);
    case Notice::FileDegree:
    case Notice::RootsFileDegree:
        return fileInputErrorMessage(degreeNotWhole);
    case Notice::FileCount:
        return fileInputErrorMessage(
            "The number of coefficients in the file does not match the degree of the equation.");
    case Notice::FileLeadingNotNumeric:
        return fileInputErrorMessage(leadingNotNumeric);
    case Notice::FileLeadingZero:
        return fileInputErrorMessage(leadingZero);
    case Notice::FileComplexLeadingNotNumeric:
        return fileInputErrorMessage(complexLeadingNotNumeric);
    case Notice::FileComplexLeadingZero:
        return fileInputErrorMessage(complexLeadingZero);
    case Notice::FileCoefficientInput:
        return ok(inputError(coefficientsFirstLine, "Please verify that all of the file's data is numerical."),
            "File Input Error",
            MessageIcon::Exclamation);
    case Notice::FileGeneral:
        return coefficientFileError();
    case Notice::RootsFileValue:
        return rootsFileError(false);
    case Notice::RootsFileRead:
        break;
    }
    return rootsFileError(true);
}

Message inputErrorFor(const char *firstLine)
{
    return ok(inputError(firstLine, enteredDataLine), "Input Error", MessageIcon::Exclamation);
}

Message divisionByZero()
{
    return ok(tr("There has been a division by zero."), "Division by Zero", MessageIcon::Critical);
}

Message complexCoefficients()
{
    return ok(tr("This utility cannot be accessed if complex coefficients are used in the function."),
        "Error - Complex Coefficients",
        MessageIcon::Information);
}

Message unexpectedError()
{
    return ok(tr("An unexpected error has occured."), "Unexpected Error", MessageIcon::Critical);
}

QString inputTooLarge()
{
    return tr("Error: Input Too Large");
}

Message unableToSolve()
{
    return ok(lines({ "Kovalin was unable to solve the given 50th order polynomial equation.",
                  "An internal error has occured." }),
        "Unable to Solve Equation",
        MessageIcon::Critical);
}

Message copyScratchFailed(const QString &what, const QString &title, const QString &folder)
{
    const QString text = tr("%1 could not be copied, because the scratch file \"CopyTemp.tmp\" could not be "
                            "created in the folder:")
                             .arg(what)
        + QLatin1Char('\n') + folder + QLatin1Char('\n') + tr("Please start Kovalin from a folder you may write to.");
    return { text, title, MessageIcon::Exclamation, MessageButtons::Ok };
}

Message copyScratchFailed(const QString &folder)
{
    return copyScratchFailed(tr("The equation and its roots"), tr("Copy Equation and Roots"), folder);
}

Message creatorOverflow()
{
    return ok(lines({ "The input provided generated an overflow.", "Please provide smaller input values." }),
        "Input Error - Overflow",
        MessageIcon::Critical);
}

Message confirmCloseCreator()
{
    return { lines({ "Are you sure you want to close the Equation Creator?", "The current data will be cleared." }),
        tr("Close Equation Creator"),
        MessageIcon::Question,
        MessageButtons::YesNo };
}

Message saveCreatedFailed(const QString &path)
{
    return notSaved(path, "Save Created Equation");
}

Message confirmClear()
{
    return question("Are you sure you want to clear the current coefficients?", "Clear Coefficients");
}

Message confirmExit()
{
    return question("Are you sure you want to clear the current coefficients and exit the program?", "Exit Kovalin");
}

Message confirmNew()
{
    return question(
        "Are you sure you want to clear the current coefficients and create a new equation?", "New Equation");
}

Message confirmOpen()
{
    return question(
        "Are you sure you want to clear the current coefficients and open a new equation?", "Open Equation");
}

Message fileUnusable(const QString &path, core::LoadProblem problem)
{
    const char *why = "It could not be read.";
    switch (problem) {
    case core::LoadProblem::Missing:
        why = "It does not exist (any more).";
        break;
    case core::LoadProblem::NotAFile:
        why = "It is not a plain file.";
        break;
    case core::LoadProblem::TooLarge:
        why = "It is too large to be an equation file.";
        break;
    case core::LoadProblem::Unreadable:
        break;
    }
    return ok(tr("The selected file could not be opened:") + QLatin1Char('\n') + path + QLatin1Char('\n') + tr(why),
        "File Error",
        MessageIcon::Exclamation);
}

Message saveFailed(const QString &path)
{
    return notSaved(path, "Save Equation Coefficients");
}

Message coefficientsFileInstructions()
{
    return ok(tr("The first line of the file must contain the degree of the equation. The following lines must "
                 "contain the coefficients of the equation in descending order of the powers of 'x' (a, b, c, etc.), "
                 "each on a new line. These coefficients may be entered in either decimal (123.456), fractional "
                 "(12.3/456.78), or exponential form (12.345E-5). If a coeffcient is a complex number, on the line "
                 "first enter its real part, a comma, and then its imaginary part. No spaces are allowed in the "
                 "file. If a coefficient is equal to zero, then a zero must be entered on the line. The file must "
                 "be in plain text format. The maximum degree for an equation with only real coefficients is 100. "
                 "However, if there is one or more complex coefficients, then the maximum degree of the equation is "
                 "50. Refer to '\\Help\\Sample.txt' for a sample input file."),
        "Coefficients File Instructions",
        MessageIcon::Information);
}

Message rootsFileInstructions()
{
    return ok(tr("The first line of the file must contain the degree of the equation to create. The second line "
                 "must contain the equation's leading coefficient with the real and complex parts separated by a "
                 "comma. The following lines must contain the roots of the equation. These may be entered in either "
                 "decimal (123.456), fractional (12.3/456.78), or exponential form (12.345E-5). If a root is a "
                 "complex number, on the line first enter its real part, a comma, and then its imaginary part. No "
                 "spaces are allowed in the file. If a root is equal to zero, then a zero must be entered on the "
                 "line. The file must be in plain text format. The maximum number of roots that can be entered is "
                 "100. Refer to '\\Help\\Sample2.txt' for a sample input file."),
        "Instructions for File Containing Roots",
        MessageIcon::Information);
}

Message selectDegree()
{
    return ok(
        tr("You must select the degree of the equation before continuing."), "Input Error", MessageIcon::Critical);
}

Message selectEquationFile()
{
    return ok(tr("You must select the text file containing the equation to solve before continuing."),
        "Input Error",
        MessageIcon::Critical);
}

Message selectNumberOfRoots()
{
    return ok(
        tr("You must select the number of roots to enter before continuing."), "Input Error", MessageIcon::Critical);
}

Message selectRootsFile()
{
    return ok(tr("You must select the text file containing the roots of the equation to solve before continuing."),
        "Input Error",
        MessageIcon::Critical);
}

Message leadingCoefficientNotNumeric()
{
    return ok(tr("There must be a numerical value given to the leading coefficient of the highest power of 'x'."),
        "Input Error",
        MessageIcon::None);
}

Message leadingCoefficientZero()
{
    return ok(tr("There must be a value given to the leading coefficient of the highest power of 'x'."),
        "Input Error",
        MessageIcon::Exclamation);
}

namespace
{

platform::FileDialogRequest dialog(const char *title, bool confirmOverwrite)
{
    return { tr(title), textFileFilter(), QString(), confirmOverwrite };
}

} // namespace

QString textFileFilter()
{
    // Text files, then everything. "*.*" would hide files without an extension outside Windows.
#ifdef Q_OS_WIN
    return tr("Text Files (*.txt)") + QStringLiteral(";;") + tr("All Files (*.*)");
#else
    return tr("Text Files (*.txt)") + QStringLiteral(";;") + tr("All Files (*)");
#endif
}

platform::FileDialogRequest openCoefficientsFile()
{
    return dialog("Open File Containing Coefficients For Input", false);
}

platform::FileDialogRequest openRootsFile()
{
    return dialog("Open File Containing Roots For Input", false);
}

platform::FileDialogRequest saveCoefficientsFile()
{
    return dialog("Save Equation Coefficients", true);
}

platform::FileDialogRequest saveCreatedFile()
{
    return dialog("Save Created Equation", true);
}

} // namespace frontend::msg

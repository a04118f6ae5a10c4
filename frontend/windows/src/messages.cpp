#include "frontend/messages.h"

#include "frontend/kit/messages.h"
#include "platform/dialog_folders.h"

namespace frontend::msg
{
namespace
{

using platform::Message;
using platform::MessageButtons;
using platform::MessageIcon;

Message question(const char *text, const char *title)
{
    return { tr(text), tr(title), MessageIcon::Question, MessageButtons::YesNo };
}

/// A save that failed is told, so the user does not take the file for written.
Message notSaved(const QString &path, const char *title)
{
    return ok(Kovalin::tr("The equation could not be saved to the file:") + QLatin1Char('\n') + path + QLatin1Char('\n')
            + Kovalin::tr("Please choose another file or folder."),
        title,
        MessageIcon::Exclamation);
}

} // namespace

Message complexCoefficients()
{
    return ok(Kovalin::tr("This utility cannot be accessed if complex coefficients are used in the function."),
        QT_TRANSLATE_NOOP("Kovalin", "Error - Complex Coefficients"),
        MessageIcon::Information);
}

Message unableToSolve()
{
    return ok(
        lines({ QT_TRANSLATE_NOOP("Kovalin", "Kovalin was unable to solve the given 50th order polynomial equation."),
            QT_TRANSLATE_NOOP("Kovalin", "An internal error has occured.") }),
        QT_TRANSLATE_NOOP("Kovalin", "Unable to Solve Equation"),
        MessageIcon::Critical);
}

Message rootsNotSaved(const QString &path)
{
    return ok(Kovalin::tr("The roots could not be saved to the file:") + QLatin1Char('\n') + path + QLatin1Char('\n')
            + Kovalin::tr("Please choose another file or folder."),
        QT_TRANSLATE_NOOP("Kovalin", "Save Roots"),
        MessageIcon::Exclamation);
}

Message pictureNotSaved(const QString &path)
{
    return ok(Kovalin::tr("The picture could not be saved to the file:") + QLatin1Char('\n') + path + QLatin1Char('\n')
            + Kovalin::tr("Please choose another file or folder."),
        QT_TRANSLATE_NOOP("Kovalin", "Save Picture of Roots"),
        MessageIcon::Exclamation);
}

Message confirmCloseCreator()
{
    return { lines({ QT_TRANSLATE_NOOP("Kovalin", "Are you sure you want to close the Equation Creator?"),
                 QT_TRANSLATE_NOOP("Kovalin", "The current data will be cleared.") }),
        Kovalin::tr("Close Equation Creator"),
        MessageIcon::Question,
        MessageButtons::YesNo };
}

Message saveCreatedFailed(const QString &path)
{
    return notSaved(path, QT_TRANSLATE_NOOP("Kovalin", "Save Created Equation"));
}

Message confirmClear()
{
    return question(QT_TRANSLATE_NOOP("Kovalin", "Are you sure you want to clear the current coefficients?"),
        QT_TRANSLATE_NOOP("Kovalin", "Clear Coefficients"));
}

Message confirmExit()
{
    return question(
        QT_TRANSLATE_NOOP("Kovalin", "Are you sure you want to clear the current coefficients and exit the program?"),
        QT_TRANSLATE_NOOP("Kovalin", "Exit Kovalin"));
}

Message confirmNew()
{
    return question(QT_TRANSLATE_NOOP("Kovalin",
                        "Are you sure you want to clear the current coefficients and create a new equation?"),
        QT_TRANSLATE_NOOP("Kovalin", "New Equation"));
}

Message confirmOpen()
{
    return question(QT_TRANSLATE_NOOP(
                        "Kovalin", "Are you sure you want to clear the current coefficients and open a new equation?"),
        QT_TRANSLATE_NOOP("Kovalin", "Open Equation"));
}

Message fileUnusable(const QString &path, core::LoadProblem problem)
{
    QString why = Kovalin::tr("It could not be read.");
    switch (problem) {
    case core::LoadProblem::Missing:
        why = Kovalin::tr("It does not exist (any more).");
        break;
    case core::LoadProblem::NotAFile:
        why = Kovalin::tr("It is not a plain file.");
        break;
    case core::LoadProblem::TooLarge:
        why = Kovalin::tr("It is too large to be an equation file (more than %1 KiB).")
                  .arg(static_cast<qulonglong>(core::maxEquationFileBytes / 1024u));
        break;
    case core::LoadProblem::Unreadable:
        break;
    }
    return ok(
        Kovalin::tr("The selected file could not be opened:") + QLatin1Char('\n') + path + QLatin1Char('\n') + why,
        QT_TRANSLATE_NOOP("Kovalin", "File Error"),
        MessageIcon::Exclamation);
}

Message saveFailed(const QString &path)
{
    return notSaved(path, QT_TRANSLATE_NOOP("Kovalin", "Save Equation Coefficients"));
}

Message coefficientsFileInstructions()
{
    return ok(Kovalin::tr(
                  "The first line of the file must contain the degree of the equation. The following lines must "
                  "contain the coefficients of the equation in descending order of the powers of 'x' (a, b, c, etc.), "
                  "each on a new line. These coefficients may be entered in either decimal (123.456), fractional "
                  "(12.3/456.78), or exponential form (12.345E-5). If a coeffcient is a complex number, on the line "
                  "first enter its real part, a comma, and then its imaginary part. No spaces are allowed in the "
                  "file. If a coefficient is equal to zero, then a zero must be entered on the line. The file must "
                  "be in plain text format. The maximum degree for an equation with only real coefficients is 100. "
                  "However, if there is one or more complex coefficients, then the maximum degree of the equation is "
                  "50. Refer to '%1' for a sample input file.")
                  .arg(platform::samplePath(QStringLiteral("Sample.txt"))),
        QT_TRANSLATE_NOOP("Kovalin", "Coefficients File Instructions"),
        MessageIcon::Information);
}

Message rootsFileInstructions()
{
    return ok(
        Kovalin::tr("The first line of the file must contain the degree of the equation to create. The second line "
                    "must contain the equation's leading coefficient with the real and complex parts separated by a "
                    "comma. The following lines must contain the roots of the equation. These may be entered in either "
                    "decimal (123.456), fractional (12.3/456.78), or exponential form (12.345E-5). If a root is a "
                    "complex number, on the line first enter its real part, a comma, and then its imaginary part. No "
                    "spaces are allowed in the file. If a root is equal to zero, then a zero must be entered on the "
                    "line. The file must be in plain text format. The maximum number of roots that can be entered is "
                    "100. Refer to '%1' for a sample input file.")
            .arg(platform::samplePath(QStringLiteral("Sample2.txt"))),
        QT_TRANSLATE_NOOP("Kovalin", "Instructions for File Containing Roots"),
        MessageIcon::Information);
}

Message selectDegree()
{
    return ok(Kovalin::tr("You must select the degree of the equation before continuing."),
        QT_TRANSLATE_NOOP("Kovalin", "Input Error"),
        MessageIcon::Critical);
}

Message selectEquationFile()
{
    return ok(Kovalin::tr("You must select the text file containing the equation to solve before continuing."),
        QT_TRANSLATE_NOOP("Kovalin", "Input Error"),
        MessageIcon::Critical);
}

Message selectNumberOfRoots()
{
    return ok(Kovalin::tr("You must select the number of roots to enter before continuing."),
        QT_TRANSLATE_NOOP("Kovalin", "Input Error"),
        MessageIcon::Critical);
}

Message selectRootsFile()
{
    return ok(
        Kovalin::tr("You must select the text file containing the roots of the equation to solve before continuing."),
        QT_TRANSLATE_NOOP("Kovalin", "Input Error"),
        MessageIcon::Critical);
}

Message leadingCoefficientNotNumeric()
{
    return ok(
        Kovalin::tr("There must be a numerical value given to the leading coefficient of the highest power of 'x'."),
        QT_TRANSLATE_NOOP("Kovalin", "Input Error"),
        MessageIcon::None);
}

Message leadingCoefficientZero()
{
    return ok(Kovalin::tr("There must be a value given to the leading coefficient of the highest power of 'x'."),
        QT_TRANSLATE_NOOP("Kovalin", "Input Error"),
        MessageIcon::Exclamation);
}

namespace
{

platform::FileDialogRequest openDialog(const char *title)
{
    return { tr(title), textFileFilter(), QString(), false, QString() };
}

} // namespace

platform::FileDialogRequest openCoefficientsFile()
{
    return openDialog(QT_TRANSLATE_NOOP("Kovalin", "Open File Containing Coefficients For Input"));
}

platform::FileDialogRequest openRootsFile()
{
    return openDialog(QT_TRANSLATE_NOOP("Kovalin", "Open File Containing Roots For Input"));
}

platform::FileDialogRequest saveCoefficientsFile()
{
    return saveTextFile(Kovalin::tr("Save Equation Coefficients"));
}

platform::FileDialogRequest saveCreatedFile()
{
    return saveTextFile(Kovalin::tr("Save Created Equation"));
}

platform::FileDialogRequest saveRootsCsv()
{
    return { Kovalin::tr("Save Roots"),
        Kovalin::tr("CSV Files") + QStringLiteral(" (*.csv);;") + Kovalin::tr("All Files") + QStringLiteral(" (*.*)"),
        QStringLiteral("roots.csv"),
        true,
        QStringLiteral("csv") };
}

} // namespace frontend::msg

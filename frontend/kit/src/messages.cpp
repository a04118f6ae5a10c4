#include "frontend/kit/messages.h"

#include <QCoreApplication>
#include <QStringList>

namespace frontend::msg
{
namespace
{

using platform::Message;
using platform::MessageButtons;
using platform::MessageIcon;

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

Message unexpectedError()
{
    return ok(tr("An unexpected error has occured."), "Unexpected Error", MessageIcon::Critical);
}

QString inputTooLarge()
{
    return tr("Error: Input Too Large");
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

Message overflow()
{
    return ok(lines({ "The input provided generated an overflow.", "Please provide smaller input values." }),
        "Input Error - Overflow",
        MessageIcon::Critical);
}

QString textFileFilter()
{
    // Text files, then everything. "*.*" would hide files without an extension outside Windows.
#ifdef Q_OS_WIN
    return tr("Text Files (*.txt)") + QStringLiteral(";;") + tr("All Files (*.*)");
#else
    return tr("Text Files (*.txt)") + QStringLiteral(";;") + tr("All Files (*)");
#endif
}

platform::FileDialogRequest saveTextFile(const QString &title)
{
    return { title, textFileFilter(), QString(), true, QStringLiteral("txt") };
}

} // namespace frontend::msg

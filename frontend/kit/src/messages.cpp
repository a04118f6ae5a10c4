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
        QT_TRANSLATE_NOOP("Kovalin", "There are three valid numerical input formats:"),
        QT_TRANSLATE_NOOP("Kovalin", "\t- Decimal (123.45678)"),
        QT_TRANSLATE_NOOP("Kovalin", "\t- Fractional (123/456.78)"),
        QT_TRANSLATE_NOOP("Kovalin", "\t- Exponential (12.345678E-5)") });
}

const char *const coefficientsFirstLine =
    QT_TRANSLATE_NOOP("Kovalin", "There is an input error in the coefficients of the current equation.");
const char *const enteredDataLine =
    QT_TRANSLATE_NOOP("Kovalin", "Please verify that all of the data entered is numerical.");
const char *const leadingNotNumeric = QT_TRANSLATE_NOOP(
    "Kovalin", "There must be a numerical value given to the coefficient of the highest power of 'x'.");
const char *const leadingZero =
    QT_TRANSLATE_NOOP("Kovalin", "There must be a value given to the coefficient of the highest power of 'x'.");
const char *const complexLeadingNotNumeric = QT_TRANSLATE_NOOP(
    "Kovalin", "There must be a numerical value given to the complex coefficient of the highest power of 'x'.");
const char *const complexLeadingZero =
    QT_TRANSLATE_NOOP("Kovalin", "There must be a value given to the complex coefficient of the highest power of 'x'.");
const char *const degreeNotWhole =
    QT_TRANSLATE_NOOP("Kovalin", "The degree of the equation must be a positive whole number.");

Message inputErrorMessage(const char *text)
{
    return ok(tr(text), QT_TRANSLATE_NOOP("Kovalin", "Input Error"), MessageIcon::Exclamation);
}

Message fileInputErrorMessage(const char *text)
{
    return ok(tr(text), QT_TRANSLATE_NOOP("Kovalin", "File Input Error"), MessageIcon::Exclamation);
}

Message coefficientFileError()
{
    return ok(lines({ QT_TRANSLATE_NOOP("Kovalin", "An error has been found in the input file."),
                  QT_TRANSLATE_NOOP("Kovalin", "The first line must contain the degree of the equation to solve."),
                  QT_TRANSLATE_NOOP("Kovalin",
                      "The following lines must contain the coefficients of the powers of 'x' in descending order, "
                      "each on a new line."),
                  QT_TRANSLATE_NOOP(
                      "Kovalin", "The real and imaginary parts of complex coefficients must be separated by a comma."),
                  QT_TRANSLATE_NOOP("Kovalin", "There must be no spaces in the file."),
                  QT_TRANSLATE_NOOP("Kovalin", "Please verify it and try again.") }),
        QT_TRANSLATE_NOOP("Kovalin", "Input File Error"),
        MessageIcon::Critical);
}

Message rootsFileError(bool withLeadingLine)
{
    QStringList out { Kovalin::tr("An error has been found in the input file."),
        Kovalin::tr("The first line must contain the degree of the equation to create (no higher than 100).") };
    if (withLeadingLine) {
        out.append(
            Kovalin::tr("The second must contain the equation's leading coefficient with the real and complex parts "
                        "separated by a comma."));
    }
    out.append(Kovalin::tr("The following lines must contain the roots of the equation, each on a new line."));
    out.append(Kovalin::tr("The real and imaginary parts of complex roots must be separated by a comma."));
    out.append(Kovalin::tr("There must be no spaces in the file."));
    out.append(Kovalin::tr("Please verify it and try again."));
    return ok(out.join(QLatin1Char('\n')), QT_TRANSLATE_NOOP("Kovalin", "Input File Error"), MessageIcon::Critical);
}

} // namespace

QString tr(const char *text)
{
    return Kovalin::tr(text);
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
        return ok(inputError(coefficientsFirstLine, enteredDataLine),
            QT_TRANSLATE_NOOP("Kovalin", "Input Error"),
            MessageIcon::Exclamation);
    case Notice::RootsInput:
        return ok(
            inputError(QT_TRANSLATE_NOOP("Kovalin", "There is an input error in the roots of the equation to create."),
                enteredDataLine),
            QT_TRANSLATE_NOOP("Kovalin", "Input Error"),
            MessageIcon::Exclamation);
    case Notice::FileDegree:
    case Notice::RootsFileDegree:
        return fileInputErrorMessage(degreeNotWhole);
    case Notice::FileCount:
        return fileInputErrorMessage(QT_TRANSLATE_NOOP(
            "Kovalin", "The number of coefficients in the file does not match the degree of the equation."));
    case Notice::FileLeadingNotNumeric:
        return fileInputErrorMessage(leadingNotNumeric);
    case Notice::FileLeadingZero:
        return fileInputErrorMessage(leadingZero);
    case Notice::FileComplexLeadingNotNumeric:
        return fileInputErrorMessage(complexLeadingNotNumeric);
    case Notice::FileComplexLeadingZero:
        return fileInputErrorMessage(complexLeadingZero);
    case Notice::FileCoefficientInput:
        return ok(inputError(coefficientsFirstLine,
                      QT_TRANSLATE_NOOP("Kovalin", "Please verify that all of the file's data is numerical.")),
            QT_TRANSLATE_NOOP("Kovalin", "File Input Error"),
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
    return ok(
        inputError(firstLine, enteredDataLine), QT_TRANSLATE_NOOP("Kovalin", "Input Error"), MessageIcon::Exclamation);
}

Message divisionByZero()
{
    return ok(Kovalin::tr("There has been a division by zero."),
        QT_TRANSLATE_NOOP("Kovalin", "Division by Zero"),
        MessageIcon::Critical);
}

Message unexpectedError()
{
    return ok(Kovalin::tr("An unexpected error has occured."),
        QT_TRANSLATE_NOOP("Kovalin", "Unexpected Error"),
        MessageIcon::Critical);
}

QString inputTooLarge()
{
    return Kovalin::tr("Error: Input Too Large");
}

Message copyScratchFailed(const QString &what, const QString &title, const QString &folder)
{
    const QString text = Kovalin::tr("%1 could not be copied, because the scratch file \"CopyTemp.tmp\" could not be "
                                     "created in the folder:")
                             .arg(what)
        + QLatin1Char('\n') + folder + QLatin1Char('\n')
        + Kovalin::tr("Please start Kovalin from a folder you may write to.");
    return { text, title, MessageIcon::Exclamation, MessageButtons::Ok };
}

Message copyScratchFailed(const QString &folder)
{
    return copyScratchFailed(Kovalin::tr("The equation and its roots"), Kovalin::tr("Copy Equation and Roots"), folder);
}

Message overflow()
{
    return ok(lines({ QT_TRANSLATE_NOOP("Kovalin", "The input provided generated an overflow."),
                  QT_TRANSLATE_NOOP("Kovalin", "Please provide smaller input values.") }),
        QT_TRANSLATE_NOOP("Kovalin", "Input Error - Overflow"),
        MessageIcon::Critical);
}

QString textFileFilter()
{
    // Text files, then everything. "*.*" would hide files without an extension outside Windows.
#ifdef Q_OS_WIN
    return Kovalin::tr("Text Files (*.txt)") + QStringLiteral(";;") + Kovalin::tr("All Files (*.*)");
#else
    return Kovalin::tr("Text Files (*.txt)") + QStringLiteral(";;") + Kovalin::tr("All Files (*)");
#endif
}

platform::FileDialogRequest saveTextFile(const QString &title)
{
    return { title, textFileFilter(), QString(), true, QStringLiteral("txt") };
}

} // namespace frontend::msg

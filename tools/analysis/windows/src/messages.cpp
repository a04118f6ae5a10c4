#include "tools/analysis/messages.h"

#include "frontend/kit/messages.h"

namespace tools::analysis::msg
{
namespace
{

using frontend::msg::Kovalin;
using frontend::msg::tr;
using platform::Message;
using platform::MessageButtons;
using platform::MessageIcon;

Message exclamation(const char *text)
{
    return { tr(text), Kovalin::tr("Input Error"), MessageIcon::Exclamation, MessageButtons::Ok };
}

Message critical(const char *text)
{
    return { tr(text), Kovalin::tr("Input Error"), MessageIcon::Critical, MessageButtons::Ok };
}

} // namespace

Message evaluateInputError()
{
    return frontend::msg::inputErrorFor(QT_TRANSLATE_NOOP(
        "Kovalin", "There is an input error in the given value of 'x' for which to evaluate the polynomial."));
}

Message tableWholeNumbers()
{
    return exclamation(QT_TRANSLATE_NOOP("Kovalin", "The 'x' values under this selection must be whole numbers."));
}

Message tableLastNotGreater()
{
    return exclamation(
        QT_TRANSLATE_NOOP("Kovalin", "The value of the last 'x' value must be greater than the value of the first."));
}

Message tableInputError()
{
    return frontend::msg::inputErrorFor(
        QT_TRANSLATE_NOOP("Kovalin", "There is an input error in the information used to create the table of values."));
}

Message tableTotalNotPositive()
{
    return exclamation(QT_TRANSLATE_NOOP("Kovalin", "The total number of 'x' values must be a positive integer."));
}

Message tableZeroInterval()
{
    return exclamation(QT_TRANSLATE_NOOP("Kovalin", "The interval between 'x' values must not be zero."));
}

Message tableTooManyValues()
{
    return exclamation(QT_TRANSLATE_NOOP("Kovalin", "A table of values can hold no more than 10,000,000 'x' values."));
}

Message diffInputError()
{
    return frontend::msg::inputErrorFor(
        QT_TRANSLATE_NOOP("Kovalin", "There is an input error in the given 'x' value."));
}

Message integInputError()
{
    return frontend::msg::inputErrorFor(
        QT_TRANSLATE_NOOP("Kovalin", "There is an input error in the given 'x' values."));
}

Message integFirstMissing()
{
    return critical(QT_TRANSLATE_NOOP("Kovalin", "A value must be given to the first 'x' value."));
}

Message integSecondMissing()
{
    return critical(QT_TRANSLATE_NOOP("Kovalin", "A value must be given to the second 'x' value."));
}

Message integSecondNotGreater()
{
    return critical(
        QT_TRANSLATE_NOOP("Kovalin", "The value of the second 'x' value must be greater than the value of the first."));
}

Message integSameValues()
{
    return critical(QT_TRANSLATE_NOOP("Kovalin", "Two different 'x' values must be chosen."));
}

platform::FileDialogRequest saveDerivative()
{
    return frontend::msg::saveTextFile(Kovalin::tr("Save Derivative of Function"));
}

platform::FileDialogRequest saveIntegral()
{
    return frontend::msg::saveTextFile(Kovalin::tr("Save Integral of Function"));
}

platform::FileDialogRequest saveTable()
{
    return { Kovalin::tr("Save Table of Values"), Kovalin::tr("CSV Files (*.csv)"), QStringLiteral("table.csv"), true };
}

Message tableNotSaved(const QString &path)
{
    return { Kovalin::tr("The table could not be saved to the file:") + QLatin1Char('\n') + path + QLatin1Char('\n')
            + Kovalin::tr("Please choose another file or folder."),
        Kovalin::tr("File Error"),
        MessageIcon::Exclamation,
        MessageButtons::Ok };
}

Message saveFailed(const QString &path)
{
    return { Kovalin::tr("The function could not be saved to the file:") + QLatin1Char('\n') + path + QLatin1Char('\n')
            + Kovalin::tr("Please choose another file or folder."),
        Kovalin::tr("File Error"),
        MessageIcon::Exclamation,
        MessageButtons::Ok };
}

Message lengthInputError()
{
    return frontend::msg::inputErrorFor(
        QT_TRANSLATE_NOOP("Kovalin", "There is an input error in the given x-coordinates."));
}

Message lengthSecondNotGreater()
{
    return critical(QT_TRANSLATE_NOOP(
        "Kovalin", "The value of the second x-coordinate must be greater than the value of the first."));
}

Message lengthSameValues()
{
    return critical(QT_TRANSLATE_NOOP("Kovalin", "Two different x-coordinate values must be chosen."));
}

Message tableCopyScratchFailed(const QString &folder)
{
    return frontend::msg::copyScratchFailed(
        Kovalin::tr("The table of values"), Kovalin::tr("Copy Table of Values"), folder);
}

} // namespace tools::analysis::msg

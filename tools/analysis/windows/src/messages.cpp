#include "tools/analysis/messages.h"

#include "frontend/kit/messages.h"

namespace tools::analysis::msg
{
namespace
{

using frontend::msg::tr;
using platform::Message;
using platform::MessageButtons;
using platform::MessageIcon;

Message exclamation(const char *text)
{
    return { tr(text), tr("Input Error"), MessageIcon::Exclamation, MessageButtons::Ok };
}

Message critical(const char *text)
{
    return { tr(text), tr("Input Error"), MessageIcon::Critical, MessageButtons::Ok };
}

} // namespace

Message evaluateInputError()
{
    return frontend::msg::inputErrorFor(
        "There is an input error in the given value of 'x' for which to evaluate the polynomial.");
}

Message tableWholeNumbers()
{
    return exclamation("The 'x' values under this selection must be whole numbers.");
}

Message tableLastNotGreater()
{
    return exclamation("The value of the last 'x' value must be greater than the value of the first.");
}

Message tableInputError()
{
    return frontend::msg::inputErrorFor(
        "There is an input error in the information used to create the table of values.");
}

Message tableTotalNotPositive()
{
    return exclamation("The total number of 'x' values must be a positive integer.");
}

Message tableZeroInterval()
{
    return exclamation("The interval between 'x' values must not be zero.");
}

Message tableTooManyValues()
{
    return exclamation("A table of values can hold no more than 10,000,000 'x' values.");
}

Message diffInputError()
{
    return frontend::msg::inputErrorFor("There is an input error in the given 'x' value.");
}

Message integInputError()
{
    return frontend::msg::inputErrorFor("There is an input error in the given 'x' values.");
}

Message integFirstMissing()
{
    return critical("A value must be given to the first 'x' value.");
}

Message integSecondMissing()
{
    return critical("A value must be given to the second 'x' value.");
}

Message integSecondNotGreater()
{
    return critical("The value of the second 'x' value must be greater than the value of the first.");
}

Message integSameValues()
{
    return critical("Two different 'x' values must be chosen.");
}

platform::FileDialogRequest saveDerivative()
{
    return { tr("Save Derivative of Function"), frontend::msg::textFileFilter(), QString(), true };
}

platform::FileDialogRequest saveIntegral()
{
    return { tr("Save Integral of Function"), frontend::msg::textFileFilter(), QString(), true };
}

platform::FileDialogRequest saveTable()
{
    return { tr("Save Table of Values"), tr("CSV Files (*.csv)"), QStringLiteral("table.csv"), true };
}

Message tableNotSaved(const QString &path)
{
    return { tr("The table could not be saved to the file:") + QLatin1Char('\n') + path + QLatin1Char('\n')
            + tr("Please choose another file or folder."),
        tr("File Error"),
        MessageIcon::Exclamation,
        MessageButtons::Ok };
}

Message saveFailed(const QString &path)
{
    return { tr("The function could not be saved to the file:") + QLatin1Char('\n') + path + QLatin1Char('\n')
            + tr("Please choose another file or folder."),
        tr("File Error"),
        MessageIcon::Exclamation,
        MessageButtons::Ok };
}

Message lengthInputError()
{
    return frontend::msg::inputErrorFor("There is an input error in the given x-coordinates.");
}

Message lengthSecondNotGreater()
{
    return critical("The value of the second x-coordinate must be greater than the value of the first.");
}

Message lengthSameValues()
{
    return critical("Two different x-coordinate values must be chosen.");
}

Message tableCopyScratchFailed(const QString &folder)
{
    return frontend::msg::copyScratchFailed(tr("The table of values"), tr("Copy Table of Values"), folder);
}

} // namespace tools::analysis::msg

#include "quartic/texts.h"

#include "cubic/texts.h"

#include <QCoreApplication>

namespace quartic::texts
{
namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("Hovanta", text);
}

} // namespace

QString WindowTitle()
{
    return tr("Hovanta - Quartic Equation Solver");
}

QString EnterPrompt()
{
    return tr("Enter the fourth-order (quartic) equation in the general form of ax^4 + bx^3 + cx^2 + dx + e = 0 :");
}

QString XPlusAroundExponent()
{
    return tr("x  +");
}

QString Exponent()
{
    return QStringLiteral("4");
}

QString Caption(cubic::Nature nature)
{
    switch (nature) {
    case cubic::Nature::FourRealRoots:
        return tr("(Four real roots)");
    case cubic::Nature::FourComplexRoots:
        return tr("(Four complex roots)");
    case cubic::Nature::TwoRealTwoComplexRoots:
        return tr("(Two real roots; two conjugate complex roots)");
    case cubic::Nature::TwoComplexTwoRealRoots:
        return tr("(Two conjugate complex roots; two real roots)");
    default:
        return cubic::texts::Caption(nature); // degree three and below
    }
}

platform::Message InputError()
{
    return { tr("An error has occured during the computations.\n"
                "You have most likely entered invalid data (i.e. non-numerical characters or an invalid "
                "equation).\n"
                "Please fix your mistake(s)."),
        tr("Input Error"),
        platform::MessageIcon::Critical,
        platform::MessageButtons::Ok };
}

} // namespace quartic::texts

#include "quartic/texts.h"

#include "cubic/texts.h"

#include <QCoreApplication>

namespace quartic::texts
{
namespace
{

/// The quartic solver's translation context: lupdate files `Hovanta::tr("...")` under it, where a bare tr() would
/// land under this namespace's name, which no lookup uses.
class Hovanta
{
    Q_DECLARE_TR_FUNCTIONS(Hovanta)
};

} // namespace

QString WindowTitle()
{
    return Hovanta::tr("Hovanta - Quartic Equation Solver");
}

QString EnterPrompt()
{
    return Hovanta::tr(
        "Enter the fourth-order (quartic) equation in the general form of ax^4 + bx^3 + cx^2 + dx + e = 0 :");
}

QString XPlusAroundExponent()
{
    return Hovanta::tr("x  +");
}

QString Exponent()
{
    return QStringLiteral("4");
}

QString Caption(cubic::Nature nature)
{
    switch (nature) {
    case cubic::Nature::FourRealRoots:
        return Hovanta::tr("(Four real roots)");
    case cubic::Nature::FourComplexRoots:
        return Hovanta::tr("(Four complex roots)");
    case cubic::Nature::TwoRealTwoComplexRoots:
        return Hovanta::tr("(Two real roots; two conjugate complex roots)");
    case cubic::Nature::TwoComplexTwoRealRoots:
        return Hovanta::tr("(Two conjugate complex roots; two real roots)");
    default:
        return cubic::texts::Caption(nature); // degree three and below
    }
}

platform::Message InputError()
{
    return { Hovanta::tr("An error has occured during the computations.\n"
                         "You have most likely entered invalid data (i.e. non-numerical characters or an invalid "
                         "equation).\n"
                         "Please fix your mistake(s)."),
        Hovanta::tr("Input Error"),
        platform::MessageIcon::Critical,
        platform::MessageButtons::Ok };
}

} // namespace quartic::texts

#include "cubic/texts.h"

#include <QCoreApplication>

namespace cubic::texts
{
namespace
{

/// The cubic solver's translation context: lupdate files `Dunmora::tr("...")` under it, where a bare tr() would
/// land under this namespace's name, which no lookup uses.
class Dunmora
{
    Q_DECLARE_TR_FUNCTIONS(Dunmora)
};

} // namespace

QString WindowTitle()
{
    return Dunmora::tr("Dunmora - Cubic Equation Solver");
}

QString EquationEntry()
{
    return Dunmora::tr("Equation Entry");
}

QString EnterPrompt()
{
    return Dunmora::tr("Enter the third-order (cubic) equation in the general form of ax³ + bx² + cx + d = 0 :");
}

QString XCubedPlus()
{
    return Dunmora::tr("x³ +");
}

QString XSquaredPlus()
{
    return Dunmora::tr("x² +");
}

QString XPlus()
{
    return Dunmora::tr("x +");
}

QString EqualsZero()
{
    return Dunmora::tr("= 0");
}

QString CoefficientForms()
{
    return Dunmora::tr("Coefficients may be entered in either decimal (1.23), fractional (1/2.3), or exponential form "
                       "(1.2E-3).");
}

QString Roots()
{
    return Dunmora::tr("Roots");
}

QString XEquals()
{
    return Dunmora::tr("x = ");
}

QString StartCaption()
{
    return Dunmora::tr("Enter an equation and click &Solve to find its roots");
}

QString FixCaption()
{
    return Dunmora::tr("Fix the equation and click &Solve to find its roots");
}

QString Caption(Nature nature)
{
    switch (nature) {
    case Nature::OneRealRoot:
        return Dunmora::tr("(One real root)");
    case Nature::TwoRealRoots:
        return Dunmora::tr("(Two real roots)");
    case Nature::TwoDifferentRealRoots:
        return Dunmora::tr("(Two different real roots)");
    case Nature::TwoEqualRealRoots:
        return Dunmora::tr("(Two equal real roots)");
    case Nature::TwoConjugateComplexRoots:
        return Dunmora::tr("(Two conjugate complex roots)");
    case Nature::ThreeRealRoots:
        return Dunmora::tr("(Three real roots)");
    case Nature::OneRealTwoComplexRoots:
        return Dunmora::tr("(One real root; two conjugate complex roots)");
    case Nature::FourRealRoots:
    case Nature::FourComplexRoots:
    case Nature::TwoRealTwoComplexRoots:
    case Nature::TwoComplexTwoRealRoots:
        break; // only the quartic solver has four roots
    }
    return {};
}

QString Solve()
{
    return Dunmora::tr("&Solve");
}

QString SolveTip()
{
    return Dunmora::tr("Solve Equation");
}

QString Copy()
{
    return Dunmora::tr("Copy");
}

QString CopyTip()
{
    return Dunmora::tr("Copy Equation and Roots to Clipboard");
}

QString Clear()
{
    return Dunmora::tr("Clear");
}

QString ClearTip()
{
    return Dunmora::tr("Clear Equation and Roots");
}

QString About()
{
    return Dunmora::tr("About");
}

QStringList AboutLines()
{
    return { Dunmora::tr("Kovalin Software"),
        Dunmora::tr("Closed-form solvers for polynomial equations"),
        Dunmora::tr("Questions and ideas:") };
}

QString SupportAddress()
{
    return QStringLiteral("support@kovalin.example");
}

QString EmailTip()
{
    return Dunmora::tr("E-mail Author");
}

platform::Message DivisionByZero()
{
    return { Dunmora::tr("There has been a division by zero."),
        Dunmora::tr("Division by Zero"),
        platform::MessageIcon::Critical,
        platform::MessageButtons::Ok };
}

platform::Message InputError()
{
    return { Dunmora::tr("An error has occured during the computations.\n"
                         "You have most likely entered invalid characters (i.e. non-numeric characters or an invalid "
                         "equation).\n"
                         "Please fix your mistake(s)."),
        Dunmora::tr("Input Error"),
        platform::MessageIcon::Critical,
        platform::MessageButtons::Ok };
}

platform::Message ClearQuestion()
{
    return { Dunmora::tr("Are you sure you want to clear the current equation and solutions?"),
        Dunmora::tr("Clear Equation?"),
        platform::MessageIcon::Question,
        platform::MessageButtons::YesNo };
}

platform::Message Copied()
{
    return { Dunmora::tr("The last equation solved and its roots were copied to the Clipboard.\n"
                         "You may paste this text into any Windows application."),
        Dunmora::tr("Equation Copied to Clipboard"),
        platform::MessageIcon::Information,
        platform::MessageButtons::Ok };
}

} // namespace cubic::texts

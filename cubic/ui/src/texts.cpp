#include "cubic/texts.h"

#include <QCoreApplication>

namespace cubic::texts
{
namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("Dunmora", text);
}

} // namespace

QString WindowTitle()
{
    return tr("Dunmora - Cubic Equation Solver");
}

QString EquationEntry()
{
    return tr("Equation Entry");
}

QString EnterPrompt()
{
    return tr("Enter the third-order (cubic) equation in the general form of ax³ + bx² + cx + d = 0 :");
}

QString XCubedPlus()
{
    return tr("x³ +");
}

QString XSquaredPlus()
{
    return tr("x² +");
}

QString XPlus()
{
    return tr("x +");
}

QString EqualsZero()
{
    return tr("= 0");
}

QString CoefficientForms()
{
    return tr("Coefficients may be entered in either decimal (1.23), fractional (1/2.3), or exponential form "
              "(1.2E-3).");
}

QString Roots()
{
    return tr("Roots");
}

QString XEquals()
{
    return tr("x = ");
}

QString StartCaption()
{
    return tr("Enter an equation and click &Solve to find its roots");
}

QString FixCaption()
{
    return tr("Fix the equation and click &Solve to find its roots");
}

QString Caption(Nature nature)
{
    switch (nature) {
    case Nature::OneRealRoot:
        return tr("(One real root)");
    case Nature::TwoRealRoots:
        return tr("(Two real roots)");
    case Nature::TwoDifferentRealRoots:
        return tr("(Two different real roots)");
    case Nature::TwoEqualRealRoots:
        return tr("(Two equal real roots)");
    case Nature::TwoConjugateComplexRoots:
        return tr("(Two conjugate complex roots)");
    case Nature::ThreeRealRoots:
        return tr("(Three real roots)");
    case Nature::OneRealTwoComplexRoots:
        return tr("(One real root; two conjugate complex roots)");
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
    return tr("&Solve");
}

QString SolveTip()
{
    return tr("Solve Equation");
}

QString Copy()
{
    return tr("Copy");
}

QString CopyTip()
{
    return tr("Copy Equation and Roots to Clipboard");
}

QString Clear()
{
    return tr("Clear");
}

QString ClearTip()
{
    return tr("Clear Equation and Roots");
}

QString About()
{
    return tr("About");
}

QStringList AboutLines()
{
    return { tr("Kovalin Software"), tr("Closed-form solvers for polynomial equations"), tr("Questions and ideas:") };
}

QString SupportAddress()
{
    return QStringLiteral("support@kovalin.example");
}

QString EmailTip()
{
    return tr("E-mail Author");
}

platform::Message DivisionByZero()
{
    return { tr("There has been a division by zero."),
        tr("Division by Zero"),
        platform::MessageIcon::Critical,
        platform::MessageButtons::Ok };
}

platform::Message InputError()
{
    return { tr("An error has occured during the computations.\n"
                "You have most likely entered invalid characters (i.e. non-numeric characters or an invalid "
                "equation).\n"
                "Please fix your mistake(s)."),
        tr("Input Error"),
        platform::MessageIcon::Critical,
        platform::MessageButtons::Ok };
}

platform::Message ClearQuestion()
{
    return { tr("Are you sure you want to clear the current equation and solutions?"),
        tr("Clear Equation?"),
        platform::MessageIcon::Question,
        platform::MessageButtons::YesNo };
}

platform::Message Copied()
{
    return { tr("The last equation solved and its roots were copied to the Clipboard.\n"
                "You may paste this text into any Windows application."),
        tr("Equation Copied to Clipboard"),
        platform::MessageIcon::Information,
        platform::MessageButtons::Ok };
}

} // namespace cubic::texts

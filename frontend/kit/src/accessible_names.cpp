#include "frontend/kit/accessible_names.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>

namespace frontend::names
{

QString coefficient(int power)
{
    return QCoreApplication::translate("Kovalin", "Coefficient of x^%1").arg(power);
}

QString coefficientRealPart(int power)
{
    return QCoreApplication::translate("Kovalin", "Real part of the coefficient of x^%1").arg(power);
}

QString coefficientImaginaryPart(int power)
{
    return QCoreApplication::translate("Kovalin", "Imaginary part of the coefficient of x^%1").arg(power);
}

QString root(int number)
{
    return QCoreApplication::translate("Kovalin", "Root %1").arg(number);
}

QString rootRealPart(int number)
{
    return QCoreApplication::translate("Kovalin", "Real part of root %1").arg(number);
}

QString rootImaginaryPart(int number)
{
    return QCoreApplication::translate("Kovalin", "Imaginary part of root %1").arg(number);
}

void nameAfter(QWidget *control, const QLabel *caption)
{
    QString name = caption->text().trimmed();
    name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    if (name.endsWith(u':') || name.endsWith(u'=')) {
        name.chop(1);
    }
    control->setAccessibleName(name.trimmed());
}

} // namespace frontend::names

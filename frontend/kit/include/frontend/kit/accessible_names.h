#pragma once
// The names a screen reader says for the boxes of the suite's rows: coefficients by their power of x, roots by
// their number. Translated in the suite's context "Kovalin".

#include <QString>

class QLabel;
class QWidget;

namespace frontend::names
{

/// "Coefficient of x^2".
QString coefficient(int power);
/// "Real part of the coefficient of x^3".
QString coefficientRealPart(int power);
/// "Imaginary part of the coefficient of x^3".
QString coefficientImaginaryPart(int power);
/// "Root 2".
QString root(int number);
/// "Real part of root 2".
QString rootRealPart(int number);
/// "Imaginary part of root 2".
QString rootImaginaryPart(int number);

/// Names `control` after the caption shown before it, without its access key and closing colon or equals sign.
void nameAfter(QWidget *control, const QLabel *caption);

} // namespace frontend::names

#pragma once
// Shared pieces of the analysis tools' window tests: the current equation as the main window leaves it
// after its check, clicks and look-ups, and the exact texts of the common messages.

#include "frontend/core/state.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QPushButton>

#include <string>
#include <vector>

namespace analysis_test
{

using frontend::core::CoefficientTexts;

/// The state after the main window checked typed coefficients (power order: constant first).
inline void setReal(frontend::core::KovalinState &state, std::vector<std::string> texts, std::size_t decimals = 15)
{
    frontend::core::StartProgramEntry(
        state, frontend::core::CoefKind::Real, static_cast<int>(texts.size()) - 1, decimals);
    state.boxes = CoefficientTexts::real(std::move(texts));
}

inline void setComplex(frontend::core::KovalinState &state, std::vector<std::string> re, std::vector<std::string> im)
{
    frontend::core::StartProgramEntry(state, frontend::core::CoefKind::Complex, static_cast<int>(re.size()) - 1, 15);
    state.boxes = CoefficientTexts::complexPairs(std::move(re), std::move(im));
}

inline QLineEdit *box(const QObject *window, const char *name)
{
    return child<QLineEdit>(window, QLatin1String(name));
}

inline QString text(const QObject *window, const char *name)
{
    return box(window, name)->text();
}

inline void click(const QObject *window, const char *name)
{
    QPushButton *button = child<QPushButton>(window, QLatin1String(name));
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

/// The common input-error text with its own first line.
inline QString inputError(const QString &first)
{
    return first
        + QStringLiteral("\nPlease verify that all of the data entered is numerical.\n\n"
                         "There are three valid numerical input formats:\n"
                         "\t- Decimal (123.45678)\n"
                         "\t- Fractional (123/456.78)\n"
                         "\t- Exponential (12.345678E-5)");
}

inline const QString divisionByZero = QStringLiteral("There has been a division by zero.");
inline const QString overflow =
    QStringLiteral("The input provided generated an overflow.\nPlease provide smaller input values.");

} // namespace analysis_test

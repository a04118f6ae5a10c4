#pragma once
// Helpers for the solver window tests: the texts both solvers share, and how a test reads what a row
// and the caption show.

#include "platform/message_service.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QWidget>

#include <initializer_list>

namespace window_checks
{

inline QStringList list(std::initializer_list<const char *> items)
{
    QStringList texts;
    for (const char *item : items) {
        texts.append(QString::fromUtf8(item));
    }
    return texts;
}

inline const platform::Message kDivisionByZero { QStringLiteral("There has been a division by zero."),
    QStringLiteral("Division by Zero"),
    platform::MessageIcon::Critical,
    platform::MessageButtons::Ok };
inline const platform::Message kClearQuestion {
    QStringLiteral("Are you sure you want to clear the current equation and solutions?"),
    QStringLiteral("Clear Equation?"),
    platform::MessageIcon::Question,
    platform::MessageButtons::YesNo
};
inline const platform::Message kCopied { QStringLiteral(
                                             "The last equation solved and its roots were copied to the Clipboard.\n"
                                             "You may paste this text into any Windows application."),
    QStringLiteral("Equation Copied to Clipboard"),
    platform::MessageIcon::Information,
    platform::MessageButtons::Ok };

inline const QColor kBlue(0, 0, 255);
inline const QColor kRed(255, 0, 0);

/// The colour of both labels of root row `row` (1-based), or an invalid colour when they differ.
inline QColor rowColour(const QWidget &window, int row)
{
    const QString index = QString::number(row);
    const QColor x = window.findChild<QLabel *>(QStringLiteral("lblX") + index)->palette().color(QPalette::WindowText);
    const QColor small =
        window.findChild<QLabel *>(QStringLiteral("Label") + index)->palette().color(QPalette::WindowText);
    return x == small ? x : QColor();
}

inline QColor neutral(const QWidget &window)
{
    return window.palette().color(QPalette::ButtonText);
}

/// The caption as the text writes it: the underlined access key marked with "&" again.
inline QString caption(const QWidget &window)
{
    QTextDocument document;
    document.setHtml(window.findChild<QLabel *>(QStringLiteral("lblDiscriminant"))->text());
    QString shown;
    for (auto fragment = document.begin().begin(); !fragment.atEnd(); ++fragment) {
        const QTextFragment part = fragment.fragment();
        shown += part.charFormat().fontUnderline() ? QLatin1Char('&') + part.text() : part.text();
    }
    return shown;
}

} // namespace window_checks

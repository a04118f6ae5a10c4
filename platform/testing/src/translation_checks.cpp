#include "platform/testing/translation_checks.h"

#include "platform/testing/dialog_checks.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QWidget>

namespace platform::testing
{
namespace
{

void check(QStringList &out, const QString &what, const QString &text)
{
    // An e-mail address is the same in every language.
    const bool address = text.contains(QLatin1Char('@')) && !text.contains(QLatin1Char(' '));
    if (hasWords(text) && !address && !text.startsWith(pseudoMark)) {
        out.append(what + QStringLiteral(": ") + text);
    }
}

/// A label's text as it shows (rich text without its markup).
QString shownText(const QLabel *label)
{
    return Qt::mightBeRichText(label->text()) ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                              : label->text();
}

} // namespace

PseudoTranslation::PseudoTranslation()
{
    if (!copyTestCatalogue(m_folder.filePath(QStringLiteral("kovalin_de.qm")))) {
        qFatal("cannot copy the test catalogue");
    }
    m_translations =
        std::make_unique<Translations>(QLocale(QLocale::German, QLocale::Germany), QStringList { folder() });
}

bool copyTestCatalogue(const QString &path)
{
    QFile::remove(path);
    return QFile::copy(QStringLiteral(KOVALIN_TEST_CATALOGUE), path);
}

bool hasWords(const QString &text)
{
    static const QRegularExpression words(QStringLiteral("\\p{L}{2}"));
    return words.match(text).hasMatch();
}

QStringList untranslatedTexts(const QWidget *window)
{
    QStringList out;
    check(out, QStringLiteral("window title"), window->windowTitle());
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (const QWidget *control : controls) {
        if (!control->isVisibleTo(window)) {
            continue;
        }
        check(out, describe(control) + QStringLiteral(" tip"), control->toolTip());
        if (const auto *label = qobject_cast<const QLabel *>(control)) {
            check(out, describe(control), shownText(label));
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
            check(out, describe(control), button->text());
        } else if (const auto *frame = qobject_cast<const QGroupBox *>(control)) {
            check(out, describe(control), frame->title());
        } else if (const auto *menuBar = qobject_cast<const QMenuBar *>(control)) {
            for (const QAction *menu : menuBar->actions()) {
                check(out, QStringLiteral("menu"), menu->text());
            }
        }
    }
    for (const QMenu *menu : window->findChildren<QMenu *>()) {
        for (const QAction *item : menu->actions()) {
            if (!item->isSeparator()) {
                check(out, QStringLiteral("menu item ") + item->objectName(), item->text());
            }
        }
    }
    return out;
}

} // namespace platform::testing

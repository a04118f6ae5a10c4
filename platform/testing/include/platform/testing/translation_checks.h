#pragma once
// Windows seen in another language: the test catalogue (every text of the translation template behind a
// mark) loaded the way the programs load a translation, and the visible texts it did not reach.

#include "platform/translations.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QWidget;

namespace platform::testing
{

/// What the test catalogue puts before every text.
inline const QString pseudoMark = QStringLiteral("\u00bb");

/// The test catalogue installed as the German translation (kovalin_de.qm in a folder of its own) while it
/// lives, loaded for a German user through platform::Translations.
class PseudoTranslation
{
public:
    PseudoTranslation();
    /// The folder holding kovalin_de.qm.
    QString folder() const { return m_folder.path(); }
    const Translations &translations() const { return *m_translations; }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<Translations> m_translations;
};

/// Copies the test catalogue to `path`.
bool copyTestCatalogue(const QString &path);

/// Whether `text` holds words (two letters in a row): numbers, signs and blanks need no translation.
bool hasWords(const QString &text);

/// The visible texts of `window` with words that do not begin with the mark, each named: its title, the
/// texts and tips of labels, buttons, frames, menus and their items. Texts the user typed or the program
/// computed (boxes, lists) are not texts of the program, nor is an e-mail address.
QStringList untranslatedTexts(const QWidget *window);

} // namespace platform::testing

#pragma once
// The programs' texts in the user's language: the suite's catalogue kovalin_<language>.qm from the first
// standard folder that has one, and Qt's own (the buttons of its dialogs) from Qt's folder. English is the
// texts' own language, so for it nothing is loaded.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

namespace platform
{

class Translations
{
public:
    /// Loads the catalogues for `locale` and installs them in the application until this object goes.
    explicit Translations(const QLocale &locale, const QStringList &folders = standardFolders());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    /// Beside the program ("translations"), then the installation's share/kovalin/translations, then the
    /// user's and the system's data folders (kovalin/translations).
    static QStringList standardFolders();
    /// The suite's catalogue that was loaded; empty when the texts stay English.
    QString catalogue() const { return m_catalogue; }

private:
    std::vector<std::unique_ptr<QTranslator>> m_installed;
    QString m_catalogue;
};

} // namespace platform

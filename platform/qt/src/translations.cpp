#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>

namespace platform
{

Translations::Translations(const QLocale &locale, const QStringList &folders)
{
    // The user's first language decides: an English speaker who also reads German keeps the texts' own.
    const QStringList languages = locale.uiLanguages();
    const QLocale::Language first = languages.isEmpty() ? QLocale::C : QLocale(languages.first()).language();
    if (first == QLocale::English || first == QLocale::C) {
        return;
    }
    for (const QString &folder : folders) {
        auto suite = std::make_unique<QTranslator>();
        if (suite->load(locale, QStringLiteral("kovalin"), QStringLiteral("_"), folder)) {
            m_catalogue = suite->filePath();
            m_installed.push_back(std::move(suite));
            break;
        }
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale,
            QStringLiteral("qtbase"),
            QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        m_installed.push_back(std::move(qt));
    }
    for (const auto &translator : m_installed) {
        QCoreApplication::installTranslator(translator.get());
    }
}

Translations::~Translations()
{
    for (const auto &translator : m_installed) {
        QCoreApplication::removeTranslator(translator.get());
    }
}

QStringList Translations::standardFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    QStringList folders { program + QStringLiteral("/translations"),
        QDir::cleanPath(program + QStringLiteral("/../share/kovalin/translations")) };
    folders += QStandardPaths::locateAll(
        QStandardPaths::GenericDataLocation, QStringLiteral("kovalin/translations"), QStandardPaths::LocateDirectory);
    folders.removeDuplicates();
    return folders;
}

} // namespace platform

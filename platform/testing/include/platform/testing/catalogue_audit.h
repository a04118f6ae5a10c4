#pragma once
// Checks, in every window test, that each text the windows look up can be translated: the test catalogue
// (made from the translation template) must hold it under the context it is looked up in. The texts stay
// English, so the tests' expectations do not change.

#include <QSet>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace platform::testing
{

class CatalogueAudit : public QTranslator
{
public:
    /// `catalogue` is the pseudo-translation of the template; `log`, when not empty, is a file every
    /// look-up is added to ("context<TAB>text" lines) for counting texts by context.
    explicit CatalogueAudit(const QString &catalogue, const QString &log = QString());

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation, int n) const override;

    /// The look-ups the catalogue lacks, as "context: text".
    QStringList missing() const;

private:
    QTranslator m_catalogue;
    QString m_log;
    mutable QSet<QString> m_missing;
};

} // namespace platform::testing

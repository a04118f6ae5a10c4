#include "platform/testing/catalogue_audit.h"

#include <QFile>

#include <algorithm>

namespace platform::testing
{
namespace
{

/// Qt's own texts (its dialogs, shortcuts, edit menus) are looked up under its class names.
bool isQtContext(const char *context)
{
    return context[0] == 'Q' && context[1] >= 'A' && context[1] <= 'Z';
}

} // namespace

CatalogueAudit::CatalogueAudit(const QString &catalogue, const QString &log)
    : m_log(log)
{
    if (!m_catalogue.load(catalogue)) {
        qFatal("cannot load the test catalogue %s", qPrintable(catalogue));
    }
}

QString CatalogueAudit::translate(const char *context, const char *sourceText, const char *disambiguation, int n) const
{
    if (context == nullptr || sourceText == nullptr || *sourceText == '\0' || isQtContext(context)) {
        return QString();
    }
    const QString entry = QString::fromUtf8(context) + QLatin1Char('\t') + QString::fromUtf8(sourceText);
    if (m_catalogue.translate(context, sourceText, disambiguation, n).isEmpty()) {
        m_missing.insert(entry);
    }
    if (!m_log.isEmpty()) {
        QFile file(m_log);
        if (file.open(QIODevice::Append | QIODevice::Text)) {
            file.write(entry.toUtf8().replace('\n', "\\n") + '\n');
        }
    }
    return QString();
}

QStringList CatalogueAudit::missing() const
{
    QStringList out(m_missing.begin(), m_missing.end());
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace platform::testing

#include "platform/engine_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace platform
{
namespace
{

const QString engineName = QStringLiteral("VX_KOVALIN");

} // namespace

bool QtEngineLibrary::call()
{
    if (!m_entry) {
        // Next to the program (a build tree), where an installation puts it, then the normal search.
        const QDir programs(QCoreApplication::applicationDirPath());
        const QStringList candidates { programs.filePath(engineName),
            programs.filePath(QStringLiteral(KOVALIN_ENGINE_FROM_PROGRAMS "/") + engineName),
            engineName };
        for (const QString &candidate : candidates) {
            m_library.setFileName(candidate);
            if (m_library.load()) {
                break;
            }
        }
        m_entry = reinterpret_cast<Entry>(m_library.resolve("VX_KOVALIN"));
        if (!m_entry) {
            return false;
        }
    }
    m_entry();
    return true;
}

} // namespace platform

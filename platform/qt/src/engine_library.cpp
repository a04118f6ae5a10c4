#include "platform/engine_library.h"

#include <QCoreApplication>
#include <QDir>

namespace platform
{
namespace
{

const QString engineName = QStringLiteral("VX_KOVALIN");

} // namespace

bool QtEngineLibrary::call()
{
    if (!m_entry) {
        m_library.setFileName(QDir(QCoreApplication::applicationDirPath()).filePath(engineName));
        if (!m_library.load()) {
            m_library.setFileName(engineName);
            m_library.load();
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

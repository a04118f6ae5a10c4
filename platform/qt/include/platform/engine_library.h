#pragma once
// The numerical engine is a shared library loaded by name at first use and called with no arguments.

#include <QLibrary>

namespace platform
{

class EngineLibrary
{
public:
    virtual ~EngineLibrary() = default;
    /// Loads the library if needed and calls its export; false when the library or export is missing.
    virtual bool call() = 0;
};

/// Finds VX_KOVALIN next to the program first, then through the normal library search.
class QtEngineLibrary final : public EngineLibrary
{
public:
    bool call() override;

private:
    using Entry = int (*)();
    Entry m_entry = nullptr;
    QLibrary m_library;
};

} // namespace platform

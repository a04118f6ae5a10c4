// The shared library's one exported symbol.
#include "engine/entry.h"

extern "C" std::int32_t VX_KOVALIN(void)
{
    engine::serveExchange();
    return 0;
}

#include "core/app/font_warm_up.h"

#ifndef _WIN32
#include <fontconfig/fontconfig.h>
#endif

namespace pixador {

// Qt's font database asks for the same process-wide configuration later and finds it loaded.
// Windows has no font configuration to load: the system keeps its fonts ready.
#ifdef _WIN32
FontWarmUp::FontWarmUp() = default;
#else
FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}
#endif

FontWarmUp::~FontWarmUp() { Wait(); }

void FontWarmUp::Wait()
{
    if (thread_.joinable()) thread_.join();
}

}  // namespace pixador

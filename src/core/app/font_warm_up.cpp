#include "core/app/font_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace pixador {

// Qt's font database asks for the same process-wide configuration later and finds it loaded.
FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp() { Wait(); }

void FontWarmUp::Wait()
{
    if (thread_.joinable()) thread_.join();
}

}  // namespace pixador

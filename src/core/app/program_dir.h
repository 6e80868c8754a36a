#pragma once

#include <string>

namespace pixador {

// The folder for the INI files: the executable's, or the per-user configuration folder when the
// executable's folder is not writable or the program is installed (a shared tree is no place
// for one user's settings, even when root runs it). Chosen once at start-up.
std::string ChooseProgramDir();

}  // namespace pixador

#pragma once
// The folders the program finds by asking the system. Paths are UTF-8.

#include <string>

namespace pixador {

// The folder of the running executable; "." when the system cannot say.
std::string ExecutableDir();

// The per-user settings folder, which need not exist yet: %APPDATA%\Pixador on Windows,
// $XDG_CONFIG_HOME/Pixador or ~/.config/Pixador elsewhere. Empty when no such base is known.
std::string UserSettingsDir();

}  // namespace pixador

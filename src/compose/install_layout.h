#pragma once
// Where the files that ship with the editor are found: beside the executable (the build tree, a
// copied folder), or in an installed tree, relative to the executable so any prefix works.

#include <string>

namespace pixador {

struct InstallLayout {
    std::string pluginDir;  // holds plugrun and filters/
    std::string manualDir;  // holds the manual
    // Installed into a shared tree: per-user settings never go beside the executable there.
    bool installed = false;
};

// The folders under a prefix, relative to the executable's bin/ folder.
inline constexpr const char* kInstalledPluginDir = "../lib/pixador";
inline constexpr const char* kInstalledManualDir = "../share/doc/pixador";

// plugrun beside the executable wins; otherwise the installed plug-in folder when it exists;
// otherwise the executable's folder, so what is missing is reported there.
InstallLayout FindInstallLayout(const std::string& executableDir);

}  // namespace pixador

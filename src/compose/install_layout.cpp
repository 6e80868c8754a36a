#include "compose/install_layout.h"

#include <filesystem>

#include "compose/plugin_host.h"

namespace pixador {

InstallLayout FindInstallLayout(const std::string& executableDir)
{
    namespace fs = std::filesystem;
    const fs::path exe(executableDir);
    std::error_code ec;
    if (fs::exists(exe / PlugRunFileName(), ec)) return {executableDir, executableDir, false};
    const fs::path plugins = (exe / kInstalledPluginDir).lexically_normal();
    if (!fs::is_directory(plugins, ec)) return {executableDir, executableDir, false};
    const fs::path manual = (exe / kInstalledManualDir).lexically_normal();
    return {plugins.string(), manual.string(), true};
}

}  // namespace pixador

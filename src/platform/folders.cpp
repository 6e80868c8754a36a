#include "platform/folders.h"

#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

#include "platform/utf8_path.h"

namespace pixador {

namespace fs = std::filesystem;

#ifdef _WIN32

std::string ExecutableDir()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return ".";
        if (n < buffer.size()) {
            buffer.resize(n);
            return Utf8OfPath(fs::path(buffer).parent_path());
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string UserSettingsDir()
{
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (!appData || !*appData) return {};
    return Utf8OfPath(fs::path(appData) / L"Pixador");
}

#else

std::string ExecutableDir()
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : Utf8OfPath(self.parent_path());
}

std::string UserSettingsDir()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return Utf8OfPath(fs::path(xdg) / "Pixador");
    if (const char* home = std::getenv("HOME"); home && *home) return Utf8OfPath(fs::path(home) / ".config" / "Pixador");
    return {};
}

#endif

}  // namespace pixador

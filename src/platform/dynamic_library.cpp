#include "platform/dynamic_library.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace pixador {

#ifdef _WIN32

const char* PlugRunFileName() { return "plugrun.dll"; }
const char* PluginFileSuffix() { return ".dll"; }

void* OpenLibrary(const std::string& path)
{
    // No "cannot find the file" box from the system: a missing library is the caller's message.
    DWORD old = 0;
    const bool quiet = SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old);
    HMODULE lib = LoadLibraryA(path.c_str());
    if (quiet) SetThreadErrorMode(old, nullptr);
    return reinterpret_cast<void*>(lib);
}

void* FindSymbol(void* library, const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(void* library) { FreeLibrary(static_cast<HMODULE>(library)); }

#else

#ifdef __APPLE__
const char* PlugRunFileName() { return "libplugrun.dylib"; }
const char* PluginFileSuffix() { return ".dylib"; }
#else
const char* PlugRunFileName() { return "libplugrun.so"; }
const char* PluginFileSuffix() { return ".so"; }
#endif

void* OpenLibrary(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }
void* FindSymbol(void* library, const char* name) { return dlsym(library, name); }
void CloseLibrary(void* library) { dlclose(library); }

#endif

}  // namespace pixador

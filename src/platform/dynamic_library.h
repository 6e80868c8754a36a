#pragma once
// Shared libraries loaded at run time: dlopen here, LoadLibraryA on Windows.

#include <string>

namespace pixador {

// The file names the platform gives plugrun and the plug-ins.
const char* PlugRunFileName();
const char* PluginFileSuffix();

// A handle, or null when the file does not load. Each library is loaded with its own symbols
// kept to itself, so one plug-in's copy of filterlib never stands in for another's.
void* OpenLibrary(const std::string& path);
// The exported symbol's address, or null.
void* FindSymbol(void* library, const char* name);
void CloseLibrary(void* library);

}  // namespace pixador

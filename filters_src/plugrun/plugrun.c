#define PLUGRUN_BUILDING
#include "plugrun.h"

#include <string.h>

#ifdef _WIN32
#include <windows.h>
typedef HMODULE LibHandle;
static LibHandle OpenLib(const char* path) { return LoadLibraryA(path); }
static void* FindEntry(LibHandle lib, const char* name) { return (void*)GetProcAddress(lib, name); }
static void CloseLib(LibHandle lib) { FreeLibrary(lib); }

/* Nothing to set up or tear down on any notification. */
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}
#else
#include <dlfcn.h>
typedef void* LibHandle;
/* RTLD_LOCAL: each plug-in's own copy of filterlib must not stand in for another's. */
static LibHandle OpenLib(const char* path) { return dlopen(path, RTLD_NOW | RTLD_LOCAL); }
static void* FindEntry(LibHandle lib, const char* name) { return dlsym(lib, name); }
static void CloseLib(LibHandle lib) { dlclose(lib); }
#endif

/* dlsym answers an object pointer; on every platform we build for it converts to a function
 * pointer of the same size. */
#define ENTRY_AS(type, entry) ((type)(entry))

int PXD_CALL filter_getname(const char* path, char* name)
{
    LibHandle lib;
    void* entry;
    if (!path) return 0;
    lib = OpenLib(path);
    if (!lib) return 0;
    entry = FindEntry(lib, "getname");
    if (!entry) {
        CloseLib(lib);
        return 0;
    }
    ENTRY_AS(PxdGetNameEntry, entry)(name);
    CloseLib(lib);
    return 1;
}

int PXD_CALL filter_conf(const char* path, FilterArea* area, FilterParams* params)
{
    LibHandle lib;
    void* entry;
    if (!path) return 0;
    lib = OpenLib(path);
    if (!lib) return 0;
    entry = FindEntry(lib, "config");
    if (!entry) {
        CloseLib(lib);
        return 0;
    }
    ENTRY_AS(PxdConfigEntry, entry)(area, params);
    CloseLib(lib);
    return 1;
}

int PXD_CALL filter_apply(const char* path, unsigned char* cells, FilterArea* area, FilterParams* params)
{
    LibHandle lib;
    void* entry;
    FilterParams copy;
    int16_t result;
    if (!path || !params) return 0;
    lib = OpenLib(path);
    if (!lib) return 0;
    entry = FindEntry(lib, "filter");
    if (!entry) {
        CloseLib(lib);
        return 0;
    }
    memcpy(&copy, params, sizeof copy);
    result = ENTRY_AS(PxdFilterEntry, entry)(cells, area, copy);
    CloseLib(lib);
    return (int)result;
}

void PXD_CALL cstructrst(FilterParams* params)
{
    int i;
    if (!params) return;
    params->totals = 0;
    params->totall = 0;
    for (i = 0; i < PXD_MAX_ENTRIES; ++i) {
        params->lpara[i].totalops = 0;
        params->lpara[i].llabel[0] = '\0';
    }
}

/* The slot of index i, or -1 when the record has no such slot. */
static int Slot(int i)
{
    const int16_t narrowed = (int16_t)i;
    return narrowed >= 0 && narrowed < PXD_MAX_ENTRIES ? narrowed : -1;
}

/* Copies at most 15 characters and always ends in a NUL, whatever the source holds. */
static void CopyText(char* to, const char* from)
{
    size_t n = 0;
    if (!to) return;
    if (from)
        while (n < PXD_TEXT_SIZE - 1 && from[n] != '\0') ++n;
    if (n) memcpy(to, from, n);
    to[n] = '\0';
}

int16_t PXD_CALL get_totals(const FilterParams* params)
{
    return params ? params->totals : 0;
}

int16_t PXD_CALL get_totall(const FilterParams* params)
{
    return params ? params->totall : 0;
}

int PXD_CALL get_slabel(const FilterParams* params, int i, char* buffer)
{
    const int s = Slot(i);
    CopyText(buffer, params && s >= 0 ? params->slabel[s] : NULL);
    return 0;
}

int PXD_CALL get_string(const FilterParams* params, int i, char* buffer)
{
    const int s = Slot(i);
    CopyText(buffer, params && s >= 0 ? params->strings[s] : NULL);
    return 0;
}

int PXD_CALL set_string(FilterParams* params, int i, const char* text)
{
    const int s = Slot(i);
    if (params && s >= 0) CopyText(params->strings[s], text);
    return 0;
}

int PXD_CALL get_llabel(const FilterParams* params, int i, char* buffer)
{
    const int s = Slot(i);
    CopyText(buffer, params && s >= 0 ? params->lpara[s].llabel : NULL);
    return 0;
}

int16_t PXD_CALL get_totalops(const FilterParams* params, int i)
{
    const int s = Slot(i);
    return params && s >= 0 ? params->lpara[s].totalops : 0;
}

int16_t PXD_CALL get_selected(const FilterParams* params, int i)
{
    const int s = Slot(i);
    return params && s >= 0 ? params->lpara[s].selected : 0;
}

int PXD_CALL set_selected(FilterParams* params, int i, int value)
{
    const int s = Slot(i);
    if (params && s >= 0) params->lpara[s].selected = (int16_t)value;
    return 0;
}

int PXD_CALL get_option(const FilterParams* params, int i, int j, char* buffer)
{
    const int s = Slot(i);
    const int o = Slot(j);
    CopyText(buffer, params && s >= 0 && o >= 0 ? params->lpara[s].options[o] : NULL);
    return 0;
}

/* The exports' types as hosts bind them, with the calling convention spelled out here rather
 * than taken from PXD_CALL: a change to the macro or a declaration breaks the build, not a
 * caller's stack. */
#if defined(_WIN32) && !defined(_WIN64)
#define ABI_CALL __attribute__((stdcall))
#else
#define ABI_CALL
#endif
#define CHECK_EXPORT(fn, type) PXD_STATIC_ASSERT(_Generic(&fn, type: 1, default: 0), #fn " keeps its binary interface")
CHECK_EXPORT(filter_getname, int(ABI_CALL*)(const char*, char*));
CHECK_EXPORT(filter_conf, int(ABI_CALL*)(const char*, FilterArea*, FilterParams*));
CHECK_EXPORT(filter_apply, int(ABI_CALL*)(const char*, unsigned char*, FilterArea*, FilterParams*));
CHECK_EXPORT(cstructrst, void(ABI_CALL*)(FilterParams*));
CHECK_EXPORT(get_totals, int16_t(ABI_CALL*)(const FilterParams*));
CHECK_EXPORT(get_totall, int16_t(ABI_CALL*)(const FilterParams*));
CHECK_EXPORT(get_slabel, int(ABI_CALL*)(const FilterParams*, int, char*));
CHECK_EXPORT(get_string, int(ABI_CALL*)(const FilterParams*, int, char*));
CHECK_EXPORT(set_string, int(ABI_CALL*)(FilterParams*, int, const char*));
CHECK_EXPORT(get_llabel, int(ABI_CALL*)(const FilterParams*, int, char*));
CHECK_EXPORT(get_totalops, int16_t(ABI_CALL*)(const FilterParams*, int));
CHECK_EXPORT(get_selected, int16_t(ABI_CALL*)(const FilterParams*, int));
CHECK_EXPORT(set_selected, int(ABI_CALL*)(FilterParams*, int, int));
CHECK_EXPORT(get_option, int(ABI_CALL*)(const FilterParams*, int, int, char*));
/* What the plug-ins' entry points are called through: the standard convention there too. */
PXD_STATIC_ASSERT(_Generic((PxdFilterEntry)0, int16_t(ABI_CALL*)(unsigned char*, FilterArea*, FilterParams): 1,
                           default: 0),
                  "filter entry keeps its binary interface");
PXD_STATIC_ASSERT(_Generic((PxdConfigEntry)0, void(ABI_CALL*)(FilterArea*, FilterParams*): 1, default: 0),
                  "config entry keeps its binary interface");
PXD_STATIC_ASSERT(_Generic((PxdGetNameEntry)0, void(ABI_CALL*)(char*): 1, default: 0),
                  "getname entry keeps its binary interface");

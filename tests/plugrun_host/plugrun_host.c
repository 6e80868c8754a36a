/* A host as small as a plug-in author's: loads plugrun from the folder given, binds its 14
 * exports by their plain names, and runs the checkerboard sample from filters/ through it.
 * Plain C with the system's own loader calls, so it shows what any other host would see.
 * Exit status 0 when every step answered as expected. */
#include <stdio.h>
#include <string.h>

#include "plugrun.h"

#ifdef _WIN32
#include <windows.h>
typedef HMODULE Library;
static Library Open(const char* path) { return LoadLibraryA(path); }
static void* Find(Library lib, const char* name) { return (void*)GetProcAddress(lib, name); }
static void Close(Library lib) { FreeLibrary(lib); }
static const char* const kPlugRun = "plugrun.dll";
static const char* const kChecker = "filters\\checker.dll";
static const char kSeparator = '\\';
#else
#include <dlfcn.h>
typedef void* Library;
static Library Open(const char* path) { return dlopen(path, RTLD_NOW | RTLD_LOCAL); }
static void* Find(Library lib, const char* name) { return dlsym(lib, name); }
static void Close(Library lib) { dlclose(lib); }
static const char* const kPlugRun = "libplugrun.so";
static const char* const kChecker = "filters/checker.so";
static const char kSeparator = '/';
#endif

static const char* const kExports[] = {"filter_getname", "filter_conf",  "filter_apply", "cstructrst",
                                       "get_totals",     "get_totall",   "get_slabel",   "get_string",
                                       "set_string",     "get_llabel",   "get_totalops", "get_selected",
                                       "set_selected",   "get_option"};
enum { kExportCount = sizeof kExports / sizeof kExports[0] };

static int passed = 0, failed = 0;

static void Check(int ok, const char* what)
{
    printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    if (ok) ++passed;
    else ++failed;
}

int main(int argc, char** argv)
{
    char plugrunPath[1024], checkerPath[1024], name[256] = "", text[16] = "";
    void* entries[kExportCount];
    FilterArea area = {8, 2, 0, 0, 7, 1};
    static FilterParams params;
    unsigned char cells[PXD_CELL_COUNT];
    Library lib;
    int i, x, found = 0;

    if (argc != 2) {
        fprintf(stderr, "usage: plugrun_host PROGRAM_FOLDER\n");
        return 2;
    }
    snprintf(plugrunPath, sizeof plugrunPath, "%s%c%s", argv[1], kSeparator, kPlugRun);
    snprintf(checkerPath, sizeof checkerPath, "%s%c%s", argv[1], kSeparator, kChecker);
    lib = Open(plugrunPath);
    Check(lib != NULL, "plugrun loads");
    if (!lib) return 1;
    for (i = 0; i < kExportCount; ++i) {
        entries[i] = Find(lib, kExports[i]);
        if (entries[i]) ++found;
        else printf("missing export: %s\n", kExports[i]);
    }
    Check(found == kExportCount, "all 14 exports found by their plain names");
    if (found != kExportCount) return 1;

    Check(((int(PXD_CALL*)(const char*, char*))entries[0])(checkerPath, name) == 1 && strcmp(name, "Checkerboard") == 0,
          "filter_getname names the checkerboard");
    ((void(PXD_CALL*)(FilterParams*))entries[3])(&params);
    Check(((int(PXD_CALL*)(const char*, FilterArea*, FilterParams*))entries[1])(checkerPath, &area, &params) == 1,
          "filter_conf declares the parameters");
    Check(((int16_t(PXD_CALL*)(const FilterParams*))entries[4])(&params) == 2 &&
              ((int16_t(PXD_CALL*)(const FilterParams*))entries[5])(&params) == 2,
          "two text and two list parameters");
    ((int(PXD_CALL*)(FilterParams*, int, const char*))entries[8])(&params, 0, "2");
    ((int(PXD_CALL*)(const FilterParams*, int, char*))entries[7])(&params, 0, text);
    Check(strcmp(text, "2") == 0, "set_string and get_string: the cell width is now 2");

    /* White sprite, cells of 2 x 1 from black (3) and white (0): row 0 is 3 3 0 0 3 3 0 0. */
    memset(cells, 0, sizeof cells);
    Check(((int(PXD_CALL*)(const char*, unsigned char*, FilterArea*, FilterParams*))entries[2])(checkerPath, cells,
                                                                                              &area, &params) == 1,
          "filter_apply answers the filter's 1");
    for (x = 0; x < 8; ++x) {
        const int level = 2 * cells[x] + cells[2 * 8 + x];
        const int below = 2 * cells[8 + x] + cells[3 * 8 + x];
        if (level != ((x / 2) % 2 ? 0 : 3) || below != ((x / 2) % 2 ? 3 : 0)) {
            printf("pixel %d: levels %d and %d\n", x, level, below);
            ++found;
        }
    }
    Check(found == kExportCount, "the cells hold the checkerboard");
    Close(lib);
    printf("plugrun host: %d passed, %d failed\n", passed, failed);
    return failed ? 1 : 0;
}

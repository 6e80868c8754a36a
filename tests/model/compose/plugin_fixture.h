#pragma once
// The real plugrun and plug-ins from the build's program folder, and a program folder of a
// test's own that links to them.

#include <filesystem>
#include <string>

#include "compose/plugin_host.h"
#include "core/text_helpers.h"
#include "support/temp_dir.h"

namespace pixador::testing {

inline std::string BinDir()
{
    return PIXADOR_BIN_DIR;
}

// Tests name libraries "x.so"; the files carry the platform's suffix ("x.dll" on Windows).
inline std::string Lib(const std::string& name)
{
    if (!name.ends_with(".so")) return name;
    return name.substr(0, name.size() - 3) + PluginFileSuffix();
}

inline std::string TestPlugin(const std::string& name)
{
    return BinDir() + "/test_filters/" + Lib(name);
}

inline std::string SamplePlugin(const std::string& name)
{
    return BinDir() + "/filters/" + Lib(name);
}

// A link where the platform makes them for anyone, a copy on Windows.
inline void LinkOrCopy(const std::string& from, const std::string& to)
{
#ifdef _WIN32
    std::filesystem::copy_file(from, to);
#else
    std::filesystem::create_symlink(from, to);
#endif
}

// A program folder holding plugrun and a filters/ folder of chosen plug-ins.
struct ProgramFolder {
    ProgramFolder()
    {
        LinkOrCopy(BinDir() + "/" + PlugRunFileName(), dir.File(PlugRunFileName()));
        std::filesystem::create_directory(dir.File("filters"));
    }
    void Add(const std::string& plugin, const std::string& as)
    {
        LinkOrCopy(plugin, Filter(as));
    }
    std::string Filter(const std::string& name) const { return JoinPath(dir.File("filters"), Lib(name)); }

    TempDir dir;
};

}  // namespace pixador::testing

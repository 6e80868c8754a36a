#pragma once
// The real plugrun and plug-ins from the build's program folder, and a program folder of a
// test's own that links to them.

#include <filesystem>
#include <string>

#include "compose/plugin_host.h"
#include "support/temp_dir.h"

namespace pixador::testing {

inline std::string BinDir()
{
    return PIXADOR_BIN_DIR;
}

inline std::string TestPlugin(const std::string& name)
{
    return BinDir() + "/test_filters/" + name;
}

inline std::string SamplePlugin(const std::string& name)
{
    return BinDir() + "/filters/" + name;
}

// A program folder holding plugrun and a filters/ folder of chosen plug-ins.
struct ProgramFolder {
    ProgramFolder()
    {
        std::filesystem::create_symlink(BinDir() + "/" + PlugRunFileName(), dir.File(PlugRunFileName()));
        std::filesystem::create_directory(dir.File("filters"));
    }
    void Add(const std::string& plugin, const std::string& as)
    {
        std::filesystem::create_symlink(plugin, dir.File("filters/" + as));
    }
    std::string Filter(const std::string& name) const { return dir.File("filters/" + name); }

    TempDir dir;
};

}  // namespace pixador::testing

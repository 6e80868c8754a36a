#pragma once
// Compiles a C program with the host compiler and runs it, for checks that generated source
// means what the editor thinks it means.

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "support/temp_dir.h"

namespace pixador::testing {

inline bool HostCCompilerAvailable()
{
    return std::system("command -v cc >/dev/null 2>&1") == 0;
}

// Writes source as main.c in dir (with extraFiles already there), compiles it with
// cc -std=gnu99 -I dir, runs it and returns what it printed; empty when compiling or running
// failed (the compiler's messages are kept in dir/cc.log).
inline std::optional<std::string> CompileAndRun(const TempDir& dir, const std::string& source)
{
    const std::string src = dir.File("main.c");
    const std::string exe = dir.File("main.out");
    const std::string log = dir.File("cc.log");
    TempDir::Write(src, source);
    const std::string compile = "cc -std=gnu99 -w -I'" + dir.str() + "' -o '" + exe + "' '" + src + "' >'" + log + "' 2>&1";
    if (std::system(compile.c_str()) != 0) return std::nullopt;
    std::FILE* run = popen(("'" + exe + "'").c_str(), "r");
    if (!run) return std::nullopt;
    std::string out;
    char buf[4096];
    std::size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, run)) > 0) out.append(buf, got);
    if (pclose(run) != 0) return std::nullopt;
    return out;
}

}  // namespace pixador::testing

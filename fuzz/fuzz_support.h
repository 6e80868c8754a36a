#pragma once
// What every fuzz target shares: the fuzzer's bytes as a file, and a check that stops the run
// the way a sanitizer finding does.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "support/temp_dir.h"

namespace pixador::fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The readers of files take a path: the input goes to one file in a folder of this process,
// removed at exit.
inline std::string AsFile(std::string_view bytes, const std::string& name = "input")
{
    static const testing::TempDir dir;
    const std::string path = dir.File(name);
    testing::TempDir::Write(path, std::string(bytes));
    return path;
}

// A broken property is a finding like a crash: libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                             \
    do {                                                                             \
        if (!(cond)) {                                                               \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                            \
        }                                                                            \
    } while (0)

}  // namespace pixador::fuzz

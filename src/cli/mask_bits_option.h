#pragma once
// --mask-bits transparent|opaque, which sheet and pack both take with defaults of their own.

#include <optional>
#include <string>

#include "cli/args.h"
#include "compose/transparency.h"

namespace pixador::cli {

// The polarity the option names, byDefault without it; empty with error set for another word.
std::optional<MaskBits> MaskBitsOption(const ParsedArgs& args, MaskBits byDefault, std::string& error);

}  // namespace pixador::cli

#pragma once

#include <string>
#include <vector>

namespace pixador::cli {

extern const char* const kPackHelp;
int RunPack(const std::vector<std::string>& words);

}  // namespace pixador::cli

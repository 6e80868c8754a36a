#pragma once

#include <string>
#include <vector>

namespace pixador::cli {

extern const char* const kInfoHelp;
int RunInfo(const std::vector<std::string>& words);

}  // namespace pixador::cli

#pragma once

#include <string>
#include <vector>

namespace pixador::cli {

extern const char* const kSheetHelp;
int RunSheet(const std::vector<std::string>& words);

}  // namespace pixador::cli

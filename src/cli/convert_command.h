#pragma once

#include <string>
#include <vector>

namespace pixador::cli {

extern const char* const kConvertHelp;
int RunConvert(const std::vector<std::string>& words);

}  // namespace pixador::cli

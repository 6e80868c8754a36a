#pragma once

#include <string>
#include <vector>

namespace pixador::cli {

extern const char* const kImportCHelp;
int RunImportC(const std::vector<std::string>& words);

}  // namespace pixador::cli

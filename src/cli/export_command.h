#pragma once

#include <string>
#include <vector>

namespace pixador::cli {

class Session;

extern const char* const kExportHelp;
int RunExport(const std::vector<std::string>& words);

enum class CodeKind { C, CArrayOnly, Asm, Ascii };

// The text the editor writes for the state's sprite; empty with the generator's message
// reported against file when it refuses. afterArray (C only) follows the sprite array.
std::string ExportText(Session& session, CodeKind kind, const std::string& file, const std::string& afterArray = {});

}  // namespace pixador::cli

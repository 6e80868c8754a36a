#pragma once
// "QAccess.ini": one path a line, oldest first.

#include <string>

namespace pixador {

struct EditorState;

// Empties the list, then adds every line; a missing file is written anew.
void ReadQuickAccess(EditorState& state, const std::string& path);
bool WriteQuickAccess(EditorState& state, const std::string& path);

}  // namespace pixador

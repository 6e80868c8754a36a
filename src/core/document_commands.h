#pragma once
// The document commands of the File menu that other commands run too.

#include <string>

namespace pixador {

struct EditorState;

// The system dialogs with the editor's titles, starting in lastDir (or the program folder).
// A chosen path is trimmed of blanks and NULs and its folder becomes lastDir; cancel gives "".
std::string ShowOpenDialog(EditorState& state, const std::string& description, const std::string& pattern);
std::string ShowSaveDialog(EditorState& state, const std::string& description, const std::string& pattern);

// Save As when the sprite has no file yet, otherwise save over its file.
void SaveBttn_Click(EditorState& state);
void SaveAsBttn_Click(EditorState& state);

}  // namespace pixador

#pragma once
// The document commands of the File menu that other commands run too.

#include <functional>
#include <string>
#include <vector>

namespace pixador {

struct EditorState;
struct QuickAccessList;

// The system dialogs with the editor's titles, starting in lastDir (or the program folder).
// A chosen path is trimmed of blanks and NULs and its folder becomes lastDir; cancel gives "".
std::string ShowOpenDialog(EditorState& state, const std::string& description, const std::string& pattern);
std::string ShowSaveDialog(EditorState& state, const std::string& description, const std::string& pattern);

// Save As when the sprite has no file yet, otherwise save over its file.
void SaveBttn_Click(EditorState& state);
void SaveAsBttn_Click(EditorState& state);

// After the irreversible-change question, openNewSpriteDialog shows the size dialog in its
// new-sprite mode (applying it is the dialog's business).
void NewBttn_Click(EditorState& state, const std::function<void()>& openNewSpriteDialog);
// Offers to save unsaved work, asks for a sprite file and loads it; the quick-access menu and
// its file are brought up to date either way.
void LoadBttn_Click(EditorState& state);
// Reloads the current file, losing the changes since it was last saved or loaded.
void RestoreBttn_Click(EditorState& state);

// Quick-access item index (0..8); an empty entry does nothing.
void QA_Click(EditorState& state, int index);
void ClearQABttn_Click(EditorState& state);
// The nine captions: "&" + number + " " + the entry's file name.
void RefreshQuickAccessMenu(EditorState& state);
std::string QuickAccessCaption(const EditorState& state, int index);

// Files dropped on the main window: only the last one counts, and only a ".pxd" in any case.
bool IsSpriteFileDrop(const std::vector<std::string>& files);
void MDIForm_OLEDragDrop(EditorState& state, const std::vector<std::string>& files);

// Closing the main window: offers to save, asks whether to quit, and writes the window
// arrangement (whatever the answer). True when the close goes ahead. The window stores its
// positions in state.windowLayout first.
bool MDIForm_QueryUnload(EditorState& state);

// Opens "Pixador.chm" from the program folder or the folder the manual ships in (beside the
// executable, or the installed documentation folder), or failing that the manual page shipped
// there; reports when neither opens.
void HelpBttn_Click(EditorState& state, const std::string& manualDir);
inline constexpr const char* kHelpFile = "Pixador.chm";
inline constexpr const char* kManualFile = "manual.html";


}  // namespace pixador

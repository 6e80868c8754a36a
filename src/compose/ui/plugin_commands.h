#pragma once
// Sprite > Filters > Plug-Ins, hooked into the main window.

class QMainWindow;

namespace pixador {

struct EditorState;

// Connects and enables PlugInsMenu, found by objectName in main's menu bar. plugrun and the
// plug-ins are looked for in the executable's folder.
void ConnectPlugInCommands(QMainWindow& main, EditorState& state);

}  // namespace pixador

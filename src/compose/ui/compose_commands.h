#pragma once
// The commands that combine the sprite with other sprite files (File > Merge, Sprite > Mask),
// hooked into the main window.

class QMainWindow;

namespace pixador {

struct EditorState;

// Connects and enables MergeSprite and MaskMenu, found by objectName in main's menu bar. Call
// once the menu bar exists.
void ConnectComposeCommands(QMainWindow& main, EditorState& state);

}  // namespace pixador

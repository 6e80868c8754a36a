#pragma once
// The code output and C import commands of the File menu, hooked into the main window.

class QMainWindow;

namespace pixador {

struct EditorState;

// Connects and enables Generate, ExportCode, ExportASMBttn, ExportASCII and ImportFromC,
// found by objectName in main's menu bar. Call once the menu bar exists.
void ConnectCodeCommands(QMainWindow& main, EditorState& state);

}  // namespace pixador

#pragma once
// The whole-sprite commands of the Edit and Sprite menus (clear, fill, flips, turns, shifts,
// crop, filters) and their three dialogs, hooked into the main window.

class QMainWindow;
class QMdiArea;

namespace pixador {

struct EditorState;

// Connects ClearBttn, FillAll, HorizFlip, VertFlip, RotateRightBttn, RotateLeftBttn, the four
// shifts, CustomShift, CropBttn, BrightnesPlusBttn, BrightnesMinusBttn, ForceBWBttn,
// NoiseFilterBttn, WavesBttn and BlurBttn, found by objectName in main's menu bar, and enables
// them all but CropBttn, which follows the selection. Dialogs open as children of area.
void ConnectSpriteCommands(QMainWindow& main, QMdiArea& area, EditorState& state);

}  // namespace pixador

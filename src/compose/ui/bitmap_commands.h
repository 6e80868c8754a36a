#pragma once
// File > Import > From Bitmap, hooked into the main window.

#include <string>

class QMainWindow;

namespace pixador {

struct EditorState;
struct DecodedPicture;

// Connects and enables ImportBMP, found by objectName in main's menu bar.
void ConnectBitmapCommands(QMainWindow& main, EditorState& state);

// Decodes a PNG (or any picture Qt reads) for the bitmap import; false when Qt cannot.
bool DecodePictureWithQt(const std::string& path, DecodedPicture& picture);

}  // namespace pixador

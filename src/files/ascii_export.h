#pragma once
// The sprite as a plain text picture, one character per pixel.

#include <string>

namespace pixador {

struct EditorState;

// The picture's bytes: each row's characters (doubled with ASCIIWidthx2), then CR LF. Pixels
// outside an active selection read as white.
std::string AsciiPicture(const EditorState& state);

// File > Export > As Plain ASCII: asks for a file, then writes it.
void ExportASCII_Click(EditorState& state);
// Writes the picture under exactly the chosen name. A failed write leaves any older file as
// it was and reports the failure.
void WriteAsciiFile(EditorState& state, const std::string& path);

}  // namespace pixador

#include "files/ascii_export.h"

#include "core/document_commands.h"
#include "core/editor_state.h"
#include "core/prompts.h"
#include "core/sprite.h"
#include "files/file_io.h"

namespace pixador {

std::string AsciiPicture(const EditorState& state)
{
    const SpriteImage& s = state.sprite;
    const Preferences& prefs = state.preferences;
    const int repeat = prefs.ASCIIWidthx2 ? 2 : 1;
    std::string out;
    out.reserve(static_cast<std::size_t>(s.height) * (s.width * repeat + 2));
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) out.append(repeat, prefs.ASCIIcolors[GetPixel(state, x, y) & 3]);
        out += "\r\n";
    }
    return out;
}

void ExportASCII_Click(EditorState& state)
{
    WriteAsciiFile(state, ShowSaveDialog(state, "Plain ASCII file (*.txt)", "*.txt"));
}

void WriteAsciiFile(EditorState& state, const std::string& path)
{
    if (path.empty()) return;
    if (!ConfirmOverwrite(state, path)) return;
    if (!WriteFileAtomically(path, AsciiPicture(state))) ShowErrorMessage(state, "Error writing " + path + "!!");
}

}  // namespace pixador

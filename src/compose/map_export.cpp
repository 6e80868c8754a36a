#include "compose/map_export.h"

#include "compose/gray_mapping.h"
#include "core/document_commands.h"
#include "core/prompts.h"
#include "core/text_helpers.h"
#include "files/code_generator.h"
#include "files/file_io.h"

namespace pixador {

std::string DefaultMapPath()
{
    return JoinPath(".", "CBitMap.c");
}

std::string MapExportText(const BitmapImage& image, int left, int top, int width, int height, int brightness)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    const int bw = (width + 7) / 8 * 8;
    const LevelTable levels = LevelsForBrightness(brightness);
    // Generated C ends its lines like the code generator does.
    const std::string lb = kCodeLineBreak;
    std::string out;
    out += "unsigned short h = " + std::to_string(height) + ";" + lb;
    out += "unsigned short w = " + std::to_string(width) + ";" + lb;
    out += "unsigned short bw = " + std::to_string(bw) + ";" + lb;
    for (int layer = 0; layer < 2; ++layer) {
        out += "unsigned char CBitMap_layer" + std::to_string(layer) + "[]={" + lb;
        for (int y = 0; y < height; ++y) {
            const int py = top + y;
            out += '\t';
            for (int byte = 0; byte < bw / 8; ++byte) {
                unsigned value = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const int px = left + byte * 8 + bit;
                    unsigned on = 0;
                    if (px >= 0 && px < image.width && py >= 0 && py < image.height) {
                        const DarkLight planes = GrayToPlanes(levels[image.Gray(px, py)]);
                        on = layer == 0 ? planes.dark : planes.light;
                    }
                    value = (value << 1) | on;
                }
                if (byte > 0) out += ", ";
                out += "0x";
                out += kHex[value >> 4];
                out += kHex[value & 15];
            }
            if (y < height - 1) out += ", ";
            out += lb;
        }
        out += "\t};" + lb + lb;
    }
    return out;
}

std::optional<std::string> MBrowseFile_Click(EditorState& state)
{
    std::string path = ShowSaveDialog(state, "C Source files (*.c, *.h)", "*.c;*.h");
    if (path.empty()) return std::nullopt;
    const std::string_view end = std::string_view(path).substr(path.size() < 2 ? 0 : path.size() - 2);
    if (end != ".c" && end != ".h") path += ".c";
    return path;
}

bool MExportBttn_Click(EditorState& state, const std::string& path, const std::string& text)
{
    if (WriteFileAtomically(path, text)) return true;
    ShowErrorMessage(state, "Error writing " + path + "!!");
    return false;
}

}  // namespace pixador

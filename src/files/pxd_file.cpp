#include "files/pxd_file.h"

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/prompts.h"
#include "core/sprite.h"
#include "core/text_helpers.h"
#include "core/whole_sprite.h"
#include "files/recovery.h"

namespace pixador {

void ShowSpriteLoadFailure(EditorState& state, const std::string& path)
{
    ShowErrorMessage(state, "Error while reading " + path + "." + kMessageLineBreak +
                                "The file may Not exist or to be corrupted!!");
}

std::string EncodeSprite(const EditorState& state)
{
    const SpriteImage& s = state.sprite;
    if (s.width < 8 || s.width % 8 != 0 || s.width / 8 > 255 || s.height < 1 || s.height > 255) return {};
    std::string bytes;
    bytes.reserve(2 + 2 * (s.width / 8) * s.height);
    bytes += static_cast<char>(s.width / 8);
    bytes += static_cast<char>(s.height);
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; x += 8) {
            for (int plane = 0; plane < 2; ++plane) {
                unsigned byte = 0;
                for (int i = 0; i < 8; ++i)
                    if (GetPlaneBit(s.cells, s.width, s.height, x + i, y, plane)) byte |= 0x80u >> i;
                bytes += static_cast<char>(byte);
            }
        }
    }
    return bytes;
}

void SaveSprite(EditorState& state, const std::string& chosen)
{
    if (chosen.empty()) return;
    std::string path = chosen;
    if (!EndsWithNoCase(path, ".pxd")) path += ".pxd";

    const std::string bytes = EncodeSprite(state);
    if (bytes.empty()) {
        ShowErrorMessage(state, "Error writing " + path + "!!");
        return;
    }
    if (!ConfirmOverwrite(state, path)) return;
    if (!WriteFileAtomically(path, bytes)) {
        ShowErrorMessage(state, "Error writing " + path + "!!");
        return;
    }
    state.fileName = path;
    state.view->SetCaption(std::string(kBanner) + path);
    state.saved = true;
    if (state.recovery) state.recovery->Remove();
}

SpriteHeader ReadSpriteHeader(ByteSource& file)
{
    std::uint8_t columns = 0;
    std::uint8_t rows = 0;
    SpriteHeader header;
    header.complete = file.Next(columns) && file.Next(rows);
    header.width = static_cast<std::int16_t>(8 * columns);
    header.height = rows;
    return header;
}

bool ReadSpritePlanes(ByteSource& file, int width, int height, PlaneBuffer& buffer)
{
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x <= width - 1; x += 8) {
            for (int plane = 0; plane < 2; ++plane) {
                std::uint8_t b = 0;
                if (!file.Next(b)) return false;
                for (int i = 0; i < 8; ++i) {
                    if (x + i < buffer.width() && y < buffer.height() && plane < buffer.planes())
                        buffer.at(plane, x + i, y) = (b >> (7 - i)) & 1;
                }
            }
        }
    }
    return true;
}

std::optional<PlaneBuffer> ReadSpriteFile(const std::string& path, SpriteFileFault* fault)
{
    SpriteFileFault ignored;
    SpriteFileFault& why = fault ? *fault : ignored;
    why = {};
    const std::optional<std::string> bytes = ReadFileBytes(path, kMaxSpriteFileBytes);
    if (!bytes) {
        why.kind = SpriteFileFault::Unreadable;
        return std::nullopt;
    }
    ByteSource file(*bytes);
    const SpriteHeader header = ReadSpriteHeader(file);
    why.header = header;
    if (!header.complete) {
        why.kind = SpriteFileFault::NoHeader;
        return std::nullopt;
    }
    if (!SizeFitsCells(header.width, header.height)) {
        why.kind = SpriteFileFault::BadSize;
        return std::nullopt;
    }
    PlaneBuffer planes(2, header.width, header.height);
    if (!ReadSpritePlanes(file, header.width, header.height, planes)) {
        why.kind = SpriteFileFault::Truncated;
        why.fileBytes = bytes->size();
        return std::nullopt;
    }
    return planes;
}

void LoadSprite(EditorState& state, const std::string& path)
{
    if (path.empty()) return;
    std::optional<PlaneBuffer> planes;
    if (FileExists(path)) planes = ReadSpriteFile(path);
    if (!planes) {
        ShowSpriteLoadFailure(state, path);
        return;
    }
    // Every load empties the histories, even at the same size.
    ResizeSprite(state, planes->width(), planes->height());
    SetSpriteFromPlanes(state, *planes);
    state.saved = true;
    state.fileName = path;
    state.view->SetCaption(std::string(kBanner) + path);
    if (!IsInQuickAccess(state.quickAccess, path)) AddQuickAccess(state.quickAccess, path);
    RedrawCanvas(state);
}

}  // namespace pixador

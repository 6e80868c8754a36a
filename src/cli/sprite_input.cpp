#include "cli/sprite_input.h"

#include "core/editor_state.h"
#include "core/whole_sprite.h"
#include "cli/session.h"
#include "files/file_io.h"
#include "files/pxd_file.h"

namespace pixador::cli {

std::string SizeText(int width, int height)
{
    return std::to_string(width) + "x" + std::to_string(height);
}

namespace {

std::string FaultText(const SpriteFileFault& fault)
{
    const int w = fault.header.width;
    const int h = fault.header.height;
    switch (fault.kind) {
    case SpriteFileFault::NoHeader: return "not a sprite file: shorter than its 2-byte header";
    case SpriteFileFault::BadSize:
        return "not a sprite file: its header gives the size " + SizeText(w, h) + ", which the editor cannot hold";
    case SpriteFileFault::Truncated:
        return "truncated: its header announces " + SizeText(w, h) + " in " + std::to_string(SpriteFileBytes(w, h)) +
               " bytes, the file has " + std::to_string(fault.fileBytes);
    case SpriteFileFault::Unreadable:
    case SpriteFileFault::None: break;
    }
    return "cannot read the file";
}

}  // namespace

std::optional<PlaneBuffer> ReadSpriteFrame(const std::string& path, std::string& reason)
{
    SpriteFileFault fault;
    std::optional<PlaneBuffer> planes = ReadSpriteFile(path, &fault);
    if (!planes) reason = fault.kind == SpriteFileFault::Unreadable ? UnreadableText(path) : FaultText(fault);
    return planes;
}

bool LoadSpriteFile(EditorState& state, const std::string& path, std::string& reason)
{
    const std::optional<PlaneBuffer> planes = ReadSpriteFrame(path, reason);
    if (!planes) return false;
    ResizeSprite(state, planes->width(), planes->height());
    SetSpriteFromPlanes(state, *planes);
    return true;
}

}  // namespace pixador::cli

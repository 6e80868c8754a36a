#pragma once
// The mask panel: the sprite combined with a second sprite file of the same size, plane by
// plane, through one of six logical operations per plane.

#include <array>
#include <cstdint>
#include <string>

#include "core/sprite.h"

namespace pixador {

struct EditorState;

enum MaskOp : std::int16_t { kMaskNot = 0, kMaskAnd = 1, kMaskOr = 2, kMaskXor = 3, kMaskImp = 4, kMaskEqv = 5 };
inline constexpr int kMaskOpCount = 6;

// The result bit (0 or 1) of operation code for sprite bit s and mask bit m.
std::uint8_t ApplyMaskOp(int code, int s, int m);

// The option captions by code: "NOT", "AND*", ...
const char* MaskOpCaption(int code);

// The rules of "Pixador Mask Panel"; the window shows these fields and forwards its events.
class MaskPanel {
public:
    // Opening: an empty mask of the sprite's size, NOT on both planes, the result computed.
    explicit MaskPanel(const EditorState& state);

    // An option of the dark (plane 0) or light (plane 1) frame was chosen.
    void ChooseOp(const EditorState& state, int plane, int code);
    void ComputeMask(const EditorState& state);
    // Reads a mask file of the sprite's size; a wrong size or an unreadable file keeps the mask
    // in force and says so (false). An empty path does nothing.
    bool LoadMask(EditorState& state, const std::string& path);
    void BrowseMaskBttn_Click(EditorState& state);
    // The path box lost the focus with text typed into it. Afterwards MaskFile holds what the
    // box should show: the file of the mask in force, or "". False when the text was refused.
    bool MaskFile_LostFocus(EditorState& state, const std::string& text);
    // Applies the result as one undoable step; true when the panel should close.
    bool OkBttn_Click(EditorState& state);

    std::array<std::int16_t, 2> MaskOps{kMaskNot, kMaskNot};
    PlaneBuffer MaskPlanes;
    PlaneBuffer MaskResult;
    std::string MaskFile;

private:
    // The panel is not modal: a sprite resized behind it leaves a mask that no longer fits.
    void FollowSpriteSize(const EditorState& state);
};

}  // namespace pixador

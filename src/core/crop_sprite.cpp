#include "core/crop_sprite.h"

#include "canvas/clipboard.h"
#include "core/editor_state.h"
#include "core/prompts.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

// A width the sprite can take; an empty selection cannot become a sprite either.
bool Croppable(int width, int height)
{
    return (width == 8 || width == 16 || width == 32) && SizeFitsCells(width, height);
}

}  // namespace

void CropBttn_Click(EditorState& state)
{
    if (!state.selection.active) return;
    CopySelectionToClipboard(state);
    const InternalClipboard& clip = state.clipboard;
    if (!Croppable(clip.width, clip.height)) {
        ShowErrorMessage(state, kCropWidthMessage);
        return;
    }
    if (!ConfirmIrreversible(state)) return;

    const int w = clip.width;
    const int h = clip.height;
    ResizeSprite(state, w, h);
    SpriteImage& s = state.sprite;
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            for (int p = 0; p < 2; ++p) SetPlaneBit(s.cells, w, h, x, y, p, GetPlaneBit(clip.cells, w, h, x, y, p));
    RedrawCanvas(state);
}

}  // namespace pixador


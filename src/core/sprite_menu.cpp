#include "core/sprite_menu.h"

#include "core/blur_filter.h"
#include "core/flip_sprite.h"
#include "core/history.h"
#include "core/prompts.h"
#include "core/rotate_sprite.h"
#include "core/shift_sprite.h"
#include "core/tone_filters.h"
#include "core/whole_sprite.h"

namespace pixador {

void ClearBttn_Click(EditorState& state)
{
    PushUndo(state);
    FillSprite(state, 0);
}

void FillAll_Click(EditorState& state)
{
    PushUndo(state);
    FillSprite(state, 1);
}

void HorizFlip_Click(EditorState& state) { FlipHorizontal(state); }

void VertFlip_Click(EditorState& state) { FlipVertical(state); }

void RotateRightBttn_Click(EditorState& state)
{
    if (ConfirmIrreversible(state)) RotateClockwise(state);
}

void RotateLeftBttn_Click(EditorState& state)
{
    if (ConfirmIrreversible(state)) RotateCounterClockwise(state);
}

void ShiftUp_Click(EditorState& state) { ShiftSprite(state, 0, -1); }

void ShiftDown_Click(EditorState& state) { ShiftSprite(state, 0, 1); }

void ShiftRight_Click(EditorState& state) { ShiftSprite(state, 1, 0); }

void ShiftLeft_Click(EditorState& state) { ShiftSprite(state, -1, 0); }

void BrightnesPlusBttn_Click(EditorState& state)
{
    PushUndo(state);
    AdjustLevels(state, 1);
}

void BrightnesMinusBttn_Click(EditorState& state)
{
    PushUndo(state);
    AdjustLevels(state, -1);
}

void ForceBWBttn_Click(EditorState& state) { ForceBlackWhite(state); }

void BlurBttn_Click(EditorState& state)
{
    PushUndo(state);
    BlurSprite(state);
}

}  // namespace pixador

#pragma once
// The whole-sprite commands of the Edit and Sprite menus: clear, fill, flips, quarter turns,
// one-pixel shifts and the filters without a dialog. Same-size changes are one undo step each;
// the turns ask first, since they empty the histories.

namespace pixador {

struct EditorState;

void ClearBttn_Click(EditorState& state);
void FillAll_Click(EditorState& state);
void HorizFlip_Click(EditorState& state);
void VertFlip_Click(EditorState& state);
void RotateRightBttn_Click(EditorState& state);
void RotateLeftBttn_Click(EditorState& state);
void ShiftUp_Click(EditorState& state);
void ShiftDown_Click(EditorState& state);
void ShiftRight_Click(EditorState& state);
void ShiftLeft_Click(EditorState& state);
void BrightnesPlusBttn_Click(EditorState& state);
void BrightnesMinusBttn_Click(EditorState& state);
void ForceBWBttn_Click(EditorState& state);
void BlurBttn_Click(EditorState& state);

}  // namespace pixador

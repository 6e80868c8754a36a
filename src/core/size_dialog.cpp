#include "core/size_dialog.h"

#include <algorithm>

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/numbers.h"
#include "core/prompts.h"
#include "core/scaling.h"
#include "core/text_helpers.h"
#include "core/whole_sprite.h"

namespace pixador {

std::string SizeDialogCaption(SizeMode mode)
{
    return mode == SizeMode::NewSprite ? "New Sprite" : "Resize";
}

int WidthEntryFor(int spriteWidth)
{
    switch (spriteWidth) {
    case 8: return 0;
    case 16: return 1;
    case 32: return 2;
    default: return -1;
    }
}

std::optional<std::string> HeightBox_Change(std::string_view typed)
{
    // A one-line box: pasted line breaks go first.
    const std::string text = DropLineBreaks(typed);
    const double v = LeadingNumber(text);
    if (v < 1) return std::string("1");
    if (v > 256) return std::string("256");
    if (text.size() != typed.size()) return text;
    return std::nullopt;
}

bool ApplyResize_Click(EditorState& state, SizeMode mode, int widthEntry, std::string_view heightText)
{
    if (widthEntry < 0 || widthEntry > 2) return false;
    const int width = 8 << widthEntry;
    // The box corrects itself while typing; this guards text set any other way, and keeps
    // every size inside the cell buffer (32 x 256 at most).
    const int height = std::clamp(ReadTypedInt(heightText), 1, 256);
    switch (mode) {
    case SizeMode::NewSprite:
        state.fileName.clear();
        state.view->SetCaption(kBanner);
        FillSprite(state, 0);
        ResizeSprite(state, width, height);
        RefreshCanvasLayout(state);
        break;
    case SizeMode::Canvas:
        if (ConfirmIrreversible(state)) {
            ResizeSprite(state, width, height);
            RefreshCanvasLayout(state);
        }
        break;
    case SizeMode::Scale:
        if (ConfirmIrreversible(state)) {
            ScaleSprite(state, width, height);
            RefreshCanvasLayout(state);
        }
        break;
    }
    return true;
}

}  // namespace pixador

#include "files/conf_guards.h"

#include <algorithm>

#include "canvas/color_sets.h"
#include "core/editor_state.h"
#include "core/numbers.h"
#include "core/text_helpers.h"

namespace pixador {

namespace {

// Typed numbers are kept inside the ranges the preferences file would give them, so a value
// typed here can never reach the generators or the start-up sprite out of range.
std::int16_t TypedInRange(const std::string& text, int lo, int hi)
{
    return static_cast<std::int16_t>(std::clamp(ReadTypedInt(text), lo, hi));
}

}  // namespace

std::optional<GuardedText> OneLineBox_Change(std::string_view text, int caret)
{
    if (!HasLineBreak(text)) return std::nullopt;
    const std::size_t before = std::min(text.size(), static_cast<std::size_t>(std::max(caret, 0)));
    GuardedText out{DropLineBreaks(text), 0};
    out.caret = static_cast<int>(DropLineBreaks(text.substr(0, before)).size());
    return out;
}

std::optional<std::string> DefH_Change(std::string_view typed)
{
    const std::string text = DropLineBreaks(typed);
    const double v = LeadingNumber(text);
    if (v <= 0 && text != "0") return std::string("0");
    if (v > 256) return std::string("256");
    if (text.size() != typed.size()) return text;
    return std::nullopt;
}

std::optional<std::string> ePerLine_Change(std::string_view typed)
{
    const std::string text = DropLineBreaks(typed);
    if (LeadingNumber(text) < 1 && text != "1") return std::string("1");
    if (text.size() != typed.size()) return text;
    return std::nullopt;
}

std::optional<GuardedText> SpriteName_Change(std::string_view text, int caret)
{
    const std::optional<GuardedText> oneLine = OneLineBox_Change(text, caret);
    GuardedText out = oneLine ? *oneLine : GuardedText{std::string(text), caret};
    bool changed = oneLine.has_value();
    // The box's own change event would run once per blank; the loop does the same at once.
    for (char& c : out.text) {
        if (c == ' ') {
            c = '_';
            changed = true;
        }
    }
    if (!out.text.empty() && out.text[0] >= '0' && out.text[0] <= '9') {
        const std::string word = DigitName(out.text[0] - '0') + "_";
        out.text.replace(0, 1, word);
        out.caret += static_cast<int>(word.size()) - 1;
        changed = true;
    }
    if (!changed) return std::nullopt;
    out.caret = std::clamp(out.caret, 0, static_cast<int>(out.text.size()));
    return out;
}

ConfControls ControlsFromPreferences(const EditorState& state)
{
    const Preferences& p = state.preferences;
    ConfControls c;
    c.defWEntry = p.DefaultWidth == 32 ? 2 : std::clamp(p.DefaultWidth / 8 - 1, 0, 2);
    c.defH = std::to_string(p.DefaultHeight);
    c.useLcd = p.LCDColorSet;
    c.alwaysGray = p.MonochromeWarning == 2;
    c.alwaysBW = p.MonochromeWarning == 1;
    c.alwaysPromptBW = p.MonochromeWarning == 0;
    c.promptClear = p.PromptForErasure;
    c.doubleWidth = p.ASCIIWidthx2;
    for (std::size_t i = 0; i < 4; ++i) c.asciiBoxes[i] = std::string(1, p.ASCIIcolors[i]);
    c.copyToClipboard = p.CopytoClipboard;
    c.spriteName = p.SpriteName;
    c.sampleCall = p.SampleCall;
    c.encodeMethod = p.SpriteEncodeMethod;
    c.indentBox = std::to_string(p.IndentChars);
    c.useSpace = p.IndentType;
    c.ePerLine = std::to_string(p.ItemsPerLine);
    c.explicitDim = p.ExplicitDimensions;
    c.layerOrder = p.LayersArrangement;
    c.graphLib = p.GraphLib;
    c.incDefines = p.IncludeDefines;
    return c;
}

void ApplyConfig(EditorState& state, const ConfControls& c)
{
    Preferences& p = state.preferences;
    p.DefaultWidth = static_cast<std::int16_t>(8 << std::clamp(c.defWEntry, 0, 2));
    p.DefaultHeight = TypedInRange(c.defH, 1, 256);
    p.LCDColorSet = c.useLcd;
    p.MonochromeWarning = c.alwaysPromptBW ? 0 : c.alwaysBW ? 1 : 2;
    p.PromptForErasure = c.promptClear;
    p.ASCIIWidthx2 = c.doubleWidth;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string box = DropLineBreaks(c.asciiBoxes[i]);
        p.ASCIIcolors[i] = box.empty() ? ' ' : box[0];
    }
    p.CopytoClipboard = c.copyToClipboard;
    p.SpriteName = DropLineBreaks(c.spriteName);
    p.SampleCall = c.sampleCall;
    p.SpriteEncodeMethod = static_cast<std::int16_t>(std::clamp(c.encodeMethod, 0, 2));
    p.IndentChars = TypedInRange(c.indentBox, 0, 99);
    p.IndentType = c.useSpace;
    p.ItemsPerLine = TypedInRange(c.ePerLine, 1, 99);
    p.ExplicitDimensions = c.explicitDim;
    p.LayersArrangement = static_cast<std::int16_t>(std::clamp(c.layerOrder, 0, 3));
    p.GraphLib = c.graphLib;
    p.IncludeDefines = c.incDefines;
    state.lcdColors = c.useLcd;
    ApplyColorSet(state);
}

}  // namespace pixador

#pragma once
// The preferences dialog's rules: guards on typed text, and reading its controls back.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pixador {

struct EditorState;

// A text box's new content and caret after a guard changed it.
struct GuardedText {
    std::string text;
    int caret = 0;
};

// The guard of every one-line box in every dialog: carriage returns and line feeds typed or
// pasted are dropped, the caret (a byte offset into text) staying after the same character.
// Nothing when the text holds none. The guards below apply it first.
std::optional<GuardedText> OneLineBox_Change(std::string_view text, int caret);

// "0" for 0 or less, "256" above 256; nothing when the text stands.
std::optional<std::string> DefH_Change(std::string_view text);
// "1" below 1; nothing when the text stands.
std::optional<std::string> ePerLine_Change(std::string_view text);
// Keeps the name a C identifier: every blank becomes "_" with the caret kept, and a leading
// digit becomes its English word and "_", the caret moving right by what was inserted.
std::optional<GuardedText> SpriteName_Change(std::string_view text, int caret);

// The dialog's controls as texts, states and indexes.
struct ConfControls {
    int defWEntry = 0;         // DefW: 0 "8", 1 "16", 2 "32"
    std::string defH;          // DefH
    bool useLcd = true;        // UseLCD
    bool alwaysGray = false;   // AlwaysGray
    bool alwaysBW = false;     // AlwaysBW
    bool alwaysPromptBW = true;  // AlwaysPromptBW
    bool promptClear = true;   // PromptClear
    bool doubleWidth = false;  // DoubleWidthBttn
    std::array<std::string, 4> asciiBoxes{" ", ".", "%", "#"};
    bool copyToClipboard = false;
    std::string spriteName = "sprite";
    bool sampleCall = true;
    int encodeMethod = 0;      // EncodeMethod entry
    std::string indentBox = "2";
    bool useSpace = true;      // UseSpace (UseTab otherwise)
    std::string ePerLine = "4";
    bool explicitDim = true;
    int layerOrder = 1;        // LayerOrder index
    bool graphLib = false;
    bool incDefines = true;
};

// The controls filled from the preferences (Form_Load).
ConfControls ControlsFromPreferences(const EditorState& state);
// Copies the controls into the preferences and the colour-set switch, then applies the colours.
void ApplyConfig(EditorState& state, const ConfControls& controls);

}  // namespace pixador

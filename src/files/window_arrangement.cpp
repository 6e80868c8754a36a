#include "files/window_arrangement.h"

#include "core/editor_state.h"
#include "core/numbers.h"
#include "core/prompts.h"
#include "core/text_helpers.h"
#include "files/ini_text.h"

namespace pixador {

namespace {

struct LayoutKey {
    const char* text;  // as written; the reader compares it lower-cased
    std::int16_t WindowLayout::*field;
};

constexpr LayoutKey kLayoutKeys[] = {
    {"Main_Left=", &WindowLayout::mainLeft},       {"Main_Top=", &WindowLayout::mainTop},
    {"Main_Width=", &WindowLayout::mainWidth},     {"Main_Height=", &WindowLayout::mainHeight},
    {"DA_Left=", &WindowLayout::canvasLeft},       {"DA_Top=", &WindowLayout::canvasTop},
    {"DA_Width=", &WindowLayout::canvasWidth},     {"DA_Height=", &WindowLayout::canvasHeight},
    {"Zoom_Left=", &WindowLayout::zoomLeft},       {"Zoom_Top=", &WindowLayout::zoomTop},
    {"ToolB_Left=", &WindowLayout::toolBoxLeft},   {"ToolB_Top=", &WindowLayout::toolBoxTop},
    {"ColorB_Left=", &WindowLayout::colorLeft},    {"ColorB_Top=", &WindowLayout::colorTop},
    {"PSizeB_Left=", &WindowLayout::penSizeLeft},  {"PSizeB_Top=", &WindowLayout::penSizeTop},
};

// The written key text without its "=", lower-cased, is what the reader looks for.
bool KeyMatches(const std::string& key, std::string_view text)
{
    return key == ToLowerAscii(text.substr(0, text.size() - 1));
}

}  // namespace

void ReadWindowArrangement(EditorState& state, const std::string& path)
{
    WindowLayout read = state.windowLayout;
    bool ok = false;
    if (const std::optional<std::vector<std::string>> lines = ReadIniLines(path)) {
        ok = !lines->empty();
        for (const std::string& line : *lines) {
            const std::optional<IniEntry> entry = ParseIniLine(line);
            if (!entry) continue;
            const LayoutKey* known = nullptr;
            for (const LayoutKey& k : kLayoutKeys)
                if (KeyMatches(entry->key, k.text)) known = &k;
            const bool winState = entry->key == "win_state";
            if (!known && !winState) continue;
            const std::optional<int> n = ReadInt16(entry->value);
            if (!n) {
                ok = false;
                break;
            }
            if (known) read.*(known->field) = static_cast<std::int16_t>(*n);
            else read.maximised = *n != 0;
        }
    }
    read.stored = true;
    state.windowLayout = ok ? read : WindowLayout{};
}

bool WriteWindowArrangement(EditorState& state, const std::string& path)
{
    std::vector<std::string> lines;
    for (const LayoutKey& k : kLayoutKeys) lines.push_back(k.text + FormatIniNumber(state.windowLayout.*(k.field)));
    lines.emplace_back(state.windowLayout.maximised ? "Win_State= 1" : "Win_State=0");
    if (WriteIniLines(path, lines)) return true;
    ShowErrorMessage(state, "Error while trying to save windows arrangement to" + path +
                                "! Check if file is copy protected or the disk is full.");
    return false;
}

}  // namespace pixador

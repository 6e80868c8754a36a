#include "files/preferences.h"

#include <algorithm>

#include "core/editor_state.h"
#include "core/numbers.h"
#include "core/prompts.h"
#include "core/text_helpers.h"
#include "files/ini_text.h"

namespace pixador {

namespace {

std::int16_t Clamp16(int value, int lo, int hi)
{
    return static_cast<std::int16_t>(std::clamp(value, lo, hi));
}

struct NumericKey {
    const char* key;
    void (*set)(Preferences&, int);
};

std::int16_t To16(int n)
{
    return static_cast<std::int16_t>(n);
}

constexpr NumericKey kNumericKeys[] = {
    {"lcdcolorset", [](Preferences& p, int n) { p.LCDColorSet = n != 0; }},
    {"promptforerasure", [](Preferences& p, int n) { p.PromptForErasure = n != 0; }},
    {"monochromewarning", [](Preferences& p, int n) { p.MonochromeWarning = To16(n); }},
    {"indenttype", [](Preferences& p, int n) { p.IndentType = n != 0; }},
    {"indentchars", [](Preferences& p, int n) { p.IndentChars = To16(n); }},
    {"samplecall", [](Preferences& p, int n) { p.SampleCall = n != 0; }},
    {"copytoclipboard", [](Preferences& p, int n) { p.CopytoClipboard = n != 0; }},
    {"spriteencodemethod", [](Preferences& p, int n) { p.SpriteEncodeMethod = To16(n); }},
    {"explicitdimensions", [](Preferences& p, int n) { p.ExplicitDimensions = n != 0; }},
    {"layersarrangement", [](Preferences& p, int n) { p.LayersArrangement = To16(n); }},
    {"itemsperline", [](Preferences& p, int n) { p.ItemsPerLine = To16(n); }},
    {"asciiwidthx2", [](Preferences& p, int n) { p.ASCIIWidthx2 = n != 0; }},
    {"graphlib", [](Preferences& p, int n) { p.GraphLib = n != 0; }},
    {"includedefines", [](Preferences& p, int n) { p.IncludeDefines = n != 0; }},
    {"defaultwidth", [](Preferences& p, int n) { p.DefaultWidth = To16(n); }},
    {"defaultheight", [](Preferences& p, int n) { p.DefaultHeight = To16(n); }},
};

const NumericKey* FindNumericKey(const std::string& key)
{
    for (const NumericKey& k : kNumericKeys)
        if (key == k.key) return &k;
    return nullptr;
}

void ClampPreferences(Preferences& p)
{
    p.SpriteEncodeMethod = Clamp16(p.SpriteEncodeMethod, 0, 2);
    p.IndentChars = Clamp16(p.IndentChars, 0, 99);
    p.ItemsPerLine = Clamp16(p.ItemsPerLine, 1, 99);
    p.MonochromeWarning = Clamp16(p.MonochromeWarning, 0, 2);
    p.LayersArrangement = Clamp16(p.LayersArrangement, 0, 3);
    if (p.DefaultWidth != 8 && p.DefaultWidth != 16 && p.DefaultWidth != 32) p.DefaultWidth = 8;
    p.DefaultHeight = Clamp16(p.DefaultHeight, 1, 256);
}

// Reads the lines into p; false on the first number outside 16 bits.
bool ParsePreferences(const std::vector<std::string>& lines, Preferences& p)
{
    for (const std::string& line : lines) {
        const std::optional<IniEntry> entry = ParseIniLine(line);
        if (!entry) continue;
        if (entry->key == "spritename") {
            p.SpriteName = TrimBlanks(entry->value);
        } else if (entry->key == "asciicolors") {
            for (std::size_t i = 0; i < 4; ++i) p.ASCIIcolors[i] = i < entry->value.size() ? entry->value[i] : ' ';
        } else {
            const NumericKey* known = FindNumericKey(entry->key);
            if (!known) continue;
            const std::optional<int> n = ReadInt16(entry->value);
            if (!n) return false;
            known->set(p, *n);
        }
    }
    ClampPreferences(p);
    return true;
}

std::string Flag(bool b)
{
    return FormatIniNumber(b ? 1 : 0);
}

// A line break in one of the four slots would split the line; a blank keeps the others in
// their places.
std::string AsciiColorsText(const Preferences& p)
{
    std::string text(p.ASCIIcolors.begin(), p.ASCIIcolors.end());
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

}  // namespace

PreferencesRead ReadPreferencesFile(const std::string& path, Preferences& prefs)
{
    const std::optional<std::vector<std::string>> lines = ReadIniLines(path);
    if (!lines) return PreferencesRead::Unreadable;
    Preferences read = prefs;
    if (lines->empty() || !ParsePreferences(*lines, read)) return PreferencesRead::Invalid;
    prefs = read;
    return PreferencesRead::Read;
}

void ReadPreferences(EditorState& state, const std::string& path)
{
    if (ReadPreferencesFile(path, state.preferences) == PreferencesRead::Read) return;
    const bool widthx2 = state.preferences.ASCIIWidthx2;
    state.preferences = Preferences{};
    state.preferences.ASCIIWidthx2 = widthx2;
    WritePreferences(state, path);
}

bool WritePreferences(EditorState& state, const std::string& path)
{
    const Preferences& p = state.preferences;
    const std::vector<std::string> lines{
        "LCDColorSet=" + Flag(p.LCDColorSet),
        "PromptForErasure=" + Flag(p.PromptForErasure),
        "MonochromeWarning=" + FormatIniNumber(p.MonochromeWarning),
        "IndentType=" + Flag(p.IndentType),
        "IndentChars=" + FormatIniNumber(p.IndentChars),
        "SampleCall=" + Flag(p.SampleCall),
        "CopytoClipboard=" + Flag(p.CopytoClipboard),
        "SpriteName=" + p.SpriteName,
        "SpriteEncodeMethod=" + FormatIniNumber(p.SpriteEncodeMethod),
        "ExplicitDimensions=" + Flag(p.ExplicitDimensions),
        "LayersArrangement=" + FormatIniNumber(p.LayersArrangement),
        "ItemsPerLine=" + FormatIniNumber(p.ItemsPerLine),
        "ASCIIWidthx2=" + Flag(p.ASCIIWidthx2),
        "ASCIIcolors=" + AsciiColorsText(p),
        "GraphLib=" + Flag(p.GraphLib),
        "IncludeDefines=" + Flag(p.IncludeDefines),
        "DefaultWidth=" + FormatIniNumber(p.DefaultWidth),
        "DefaultHeight=" + FormatIniNumber(p.DefaultHeight),
    };
    if (WriteIniLines(path, lines)) return true;
    ShowErrorMessage(state, "Error while trying to save preferences to" + path +
                                "! Check if file is copy protected or the disk is full.");
    return false;
}

}  // namespace pixador

#pragma once
// The user preferences and "Pixador.ini".

#include <array>
#include <cstdint>
#include <string>

namespace pixador {

struct EditorState;

struct Preferences {
    bool LCDColorSet = true;
    bool PromptForErasure = true;
    std::int16_t MonochromeWarning = 0;  // 0 ask, 1 always black and white, 2 always gray
    bool IndentType = true;              // true: blanks, false: tabs
    std::int16_t IndentChars = 2;
    bool SampleCall = true;
    bool CopytoClipboard = false;
    std::string SpriteName = "sprite";
    std::int16_t SpriteEncodeMethod = 0;  // 0 hexadecimal, 1 decimal, 2 base two
    bool ExplicitDimensions = true;
    std::int16_t LayersArrangement = 1;  // 0 light-dark, 1 dark-light, 2 and 3 interlaced
    std::int16_t ItemsPerLine = 4;
    bool ASCIIWidthx2 = false;
    std::array<char, 4> ASCIIcolors{' ', '.', '%', '#'};
    bool GraphLib = false;
    bool IncludeDefines = true;
    std::int16_t DefaultWidth = 8;
    std::int16_t DefaultHeight = 8;
};

enum class PreferencesRead { Read, Unreadable, Invalid };
// Reads the file's keys over prefs, which stays as it was unless the whole file reads (an empty
// file or a number outside 16 bits is Invalid). Touches nothing else.
PreferencesRead ReadPreferencesFile(const std::string& path, Preferences& prefs);

// Fills state.preferences from the file; on any failure takes the defaults and rewrites the file.
void ReadPreferences(EditorState& state, const std::string& path);
// Writes the 18 lines; reports a failure through the view. True when written.
bool WritePreferences(EditorState& state, const std::string& path);

}  // namespace pixador

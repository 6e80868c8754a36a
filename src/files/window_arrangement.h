#pragma once
// Window positions in twips and "PxdWinPos.ini".

#include <cstdint>
#include <string>

namespace pixador {

struct EditorState;

struct WindowLayout {
    std::int16_t mainLeft = 100;
    std::int16_t mainTop = -100;
    std::int16_t mainWidth = 10000;
    std::int16_t mainHeight = 9400;
    std::int16_t canvasLeft = 2000;
    std::int16_t canvasTop = 1000;
    std::int16_t canvasWidth = 4000;
    std::int16_t canvasHeight = 4000;
    std::int16_t zoomLeft = 200;
    std::int16_t zoomTop = 200;
    std::int16_t toolBoxLeft = 1250;
    std::int16_t toolBoxTop = 1000;
    std::int16_t colorLeft = 200;
    std::int16_t colorTop = 2000;
    std::int16_t penSizeLeft = 200;
    std::int16_t penSizeTop = 1300;
    bool maximised = false;
    // True when these positions came from the file: the user's own arrangement, placed as is.
    bool stored = false;
};

// Fills state.windowLayout; on any failure every value takes its default.
void ReadWindowArrangement(EditorState& state, const std::string& path);
bool WriteWindowArrangement(EditorState& state, const std::string& path);

}  // namespace pixador

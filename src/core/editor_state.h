#pragma once
// The one program-wide editor state, created at start-up and handed by reference.

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "canvas/canvas_stroke.h"
#include "core/quick_access.h"
#include "core/sprite.h"
#include "files/preferences.h"
#include "files/window_arrangement.h"

namespace pixador {

class EditorView;
class RecoveryCopy;

// Screen colours of levels 0..3, each 0x00BBGGRR.
using LcdColorSet = std::array<std::uint32_t, 4>;

// Both planes of every pixel at the sprite's size when it was taken.
using Snapshot = std::vector<std::uint8_t>;

constexpr int kHistoryLimit = 30;

struct InternalClipboard {
    bool full = false;
    std::int16_t width = 0;
    std::int16_t height = 0;
    CellBuffer cells{};
};

struct ViewWindow {
    std::int16_t x0 = 0;
    std::int16_t y0 = 0;
    std::int16_t x1 = 0;
    std::int16_t y1 = 0;
};

struct FrameMetrics {
    std::int16_t frameWidth = 0;
    std::int16_t frameHeight = 0;
    std::int16_t captionHeight = 0;
};

struct EditorState {
    explicit EditorState(EditorView& v) : view(&v) {}

    EditorView* view;

    SpriteImage sprite;
    SelectionArea selection;
    LcdColorSet colorSet{0xFFFFFF, 0xCCCCCC, 0xAAAAAA, 0x000000};
    bool lcdColors = true;
    std::int16_t tool = 0;
    std::int16_t zoom = 24;
    GrayLevel primaryColor = kBlack;
    GrayLevel secondaryColor = kWhite;
    std::int16_t penSize = 1;
    bool saved = true;
    std::string fileName;
    std::string lastDir;
    // The folder of the three INI files, chosen once at start-up.
    std::string programDir;
    // The copy of unsaved work this editor keeps, when it keeps one.
    RecoveryCopy* recovery = nullptr;

    // Oldest first; counts mirror the sizes and never exceed kHistoryLimit.
    std::int16_t undoCount = 0;
    std::int16_t redoCount = 0;
    std::deque<Snapshot> undoStack;
    std::deque<Snapshot> redoStack;

    CanvasStroke stroke;
    InternalClipboard clipboard;
    ViewWindow viewWindow;
    Preferences preferences;
    WindowLayout windowLayout;
    QuickAccessList quickAccess;
    FrameMetrics frameMetrics;
    std::array<std::uint8_t, 91> sineTable{};
    std::array<std::uint8_t, 91> cosineTable{};
};

}  // namespace pixador

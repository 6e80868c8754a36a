#pragma once
// The sprite: two bit planes in one fixed cell buffer, and pixel access through the active area.

#include <array>
#include <cstdint>
#include <vector>

namespace pixador {

struct EditorState;

constexpr int kCellCount = 16384;

// Cell (plane, x, y) lives at (plane * H + y) * W + x; plane 0 is dark, plane 1 light.
using CellBuffer = std::array<std::uint8_t, kCellCount>;

// 0 white, 1 light gray, 2 dark gray, 3 black: level = 2 * dark + light.
using GrayLevel = int;

constexpr GrayLevel kWhite = 0;
constexpr GrayLevel kLightGray = 1;
constexpr GrayLevel kDarkGray = 2;
constexpr GrayLevel kBlack = 3;

struct SpriteImage {
    std::int16_t width = 0;
    std::int16_t height = 0;
    CellBuffer cells{};
};

// True when a sprite of this size fits the cell buffer (both planes).
bool SizeFitsCells(int width, int height);

// The hand-over form of a whole sprite: (plane 0..1, x, y), plane 0 dark, cells 0 or 1.
class PlaneBuffer {
public:
    PlaneBuffer() = default;
    PlaneBuffer(int planes, int width, int height);

    int planes() const { return planes_; }
    int width() const { return width_; }
    int height() const { return height_; }

    std::uint8_t& at(int plane, int x, int y) { return cells_[Index(plane, x, y)]; }
    std::uint8_t at(int plane, int x, int y) const { return cells_[Index(plane, x, y)]; }

private:
    std::size_t Index(int plane, int x, int y) const
    {
        return (static_cast<std::size_t>(plane) * height_ + y) * width_ + x;
    }

    int planes_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> cells_;
};

struct SelectionArea {
    bool active = false;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
};

struct DarkLight {
    std::uint8_t dark = 0;
    std::uint8_t light = 0;
};

struct AreaBounds {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// Raw cell access; callers keep x, y inside the given size.
inline std::uint8_t GetPlaneBit(const CellBuffer& cells, int w, int h, int x, int y, int plane)
{
    return cells[(plane * h + y) * w + x];
}

inline void SetPlaneBit(CellBuffer& cells, int w, int h, int x, int y, int plane, std::uint8_t value)
{
    cells[(plane * h + y) * w + x] = value;
}

// Level 0..3 split into its two bits (2 * dark + light); any other value is white. Inline: the
// filters call it once per pixel.
inline DarkLight GrayToPlanes(GrayLevel level)
{
    if (level < kWhite || level > kBlack) return {0, 0};
    return {static_cast<std::uint8_t>(level >> 1), static_cast<std::uint8_t>(level & 1)};
}

std::uint32_t PlanesToColor(const EditorState& state, int dark, int light);
std::uint32_t LevelToColor(const EditorState& state, GrayLevel level);

// The selection when one is active, otherwise the whole sprite.
AreaBounds ActiveArea(const EditorState& state);
bool InActiveArea(const EditorState& state, int x, int y);
// The active area clipped to the sprite: exactly the pixels GetPixel reads and SetPixel writes.
// Empty when x1 > x2 or y1 > y2.
AreaBounds WritableArea(const EditorState& state);

// Row y of a plane, for passes that work a row of cells at a time.
inline std::uint8_t* RowOfPlane(SpriteImage& s, int plane, int y)
{
    return s.cells.data() + (plane * s.height + y) * s.width;
}
inline const std::uint8_t* RowOfPlane(const SpriteImage& s, int plane, int y)
{
    return s.cells.data() + (plane * s.height + y) * s.width;
}

// Safe for any coordinates: outside the active area reads 0 and writes nothing.
GrayLevel GetPixel(const EditorState& state, int x, int y);
void SetPixel(EditorState& state, int x, int y, GrayLevel level);
int DarkBitInArea(const EditorState& state, int x, int y);

}  // namespace pixador

#include "compose/frame_packing.h"

#include <gtest/gtest.h>

#include <random>

namespace pixador {
namespace {

PlaneBuffer RandomFrame(int width, int height, std::mt19937& random, bool gray)
{
    PlaneBuffer p(2, width, height);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            const unsigned level = random() % 4;
            p.at(0, x, y) = static_cast<std::uint8_t>(gray ? level >> 1 : level & 1);
            p.at(1, x, y) = static_cast<std::uint8_t>(gray ? level & 1 : level & 1);
        }
    return p;
}

// Bit x of an item, counted from the left.
int Bit(std::uint32_t item, int bits, int x)
{
    return static_cast<int>((item >> (bits - 1 - x)) & 1u);
}

// Frame f as the layout lays it out, read back pixel by pixel: (dark, light, opaque).
struct Pixel {
    int dark, light, opaque;
    bool operator==(const Pixel&) const = default;
};

Pixel Decode(const PackedFrames& p, int f, int x, int y)
{
    const std::uint32_t* frame = &p.items[static_cast<std::size_t>(f) * p.itemsPerFrame];
    const int b = p.elementBits;
    const bool transparentBits = p.options.maskBits == MaskBits::Transparent;
    const auto opaque = [&](std::uint32_t item) { return Bit(item, b, x) ^ (transparentBits ? 1 : 0); };
    const std::uint32_t maskRow = p.mask.empty() ? 0 : p.mask[static_cast<std::size_t>(f) * p.height + y];
    switch (p.options.layout) {
    case FrameLayout::Planes: {
        if (p.options.blackAndWhite) return {Bit(frame[y], b, x), Bit(frame[y], b, x), opaque(maskRow)};
        const int first = Bit(frame[y], b, x);
        const int second = Bit(frame[p.height + y], b, x);
        return p.options.lightFirst ? Pixel{second, first, opaque(maskRow)} : Pixel{first, second, opaque(maskRow)};
    }
    case FrameLayout::Interlaced: return {Bit(frame[2 * y + 1], b, x), Bit(frame[2 * y], b, x), opaque(maskRow)};
    case FrameLayout::InterlacedMask:
        return {Bit(frame[3 * y + 2], b, x), Bit(frame[3 * y + 1], b, x), opaque(frame[3 * y])};
    }
    return {};
}

TEST(FramePacking, EveryLayoutDecodesToTheFramesAndTheirMasks)
{
    std::mt19937 random(27);
    int variant = 0;
    for (const int width : {8, 16, 24, 32}) {
        for (const FrameLayout layout : {FrameLayout::Planes, FrameLayout::Interlaced, FrameLayout::InterlacedMask}) {
            for (const bool mirror : {false, true}) {
                ++variant;
                PackOptions options;
                options.layout = layout;
                options.lightFirst = variant % 2 == 0;
                options.blackAndWhite = layout == FrameLayout::Planes && variant % 3 == 0;
                options.maskBits = variant % 4 < 2 ? MaskBits::Transparent : MaskBits::Opaque;
                const int height = 1 + variant % 5;
                const int count = 1 + variant % 3;
                FrameSet set;
                for (int f = 0; f < count; ++f) {
                    set.frames.push_back(RandomFrame(width, height, random, !options.blackAndWhite));
                    MaskRows mask(height);
                    for (std::uint32_t& row : mask) row = static_cast<std::uint32_t>(random()) >> (32 - width);
                    set.masks.push_back(mask);
                }
                const FrameSet given = set;
                if (mirror) AddMirroredFrames(set);
                const PackedFrames p = PackFrames(set, options);
                const std::string where = std::to_string(width) + " wide, layout " +
                                          std::to_string(static_cast<int>(layout)) + ", variant " +
                                          std::to_string(variant);
                ASSERT_EQ(p.count, mirror ? 2 * count : count) << where;
                EXPECT_EQ(p.mirroredFrom, mirror ? count : -1) << where;
                EXPECT_EQ(p.elementBits, width == 24 ? 32 : width) << where;
                ASSERT_EQ(p.items.size(), static_cast<std::size_t>(p.count) * p.itemsPerFrame) << where;
                for (int f = 0; f < p.count; ++f) {
                    const PlaneBuffer& frame = given.frames[f % count];
                    for (int y = 0; y < height; ++y) {
                        for (int x = 0; x < p.elementBits; ++x) {
                            // Mirrored frames read their source from the right.
                            const int sx = f < count ? x : width - 1 - x;
                            // A pixel the mask leaves transparent is white.
                            const int shown = x < width ? Bit(given.masks[f % count][y], width, sx) : 0;
                            const Pixel expected = shown ? Pixel{frame.at(0, sx, y), frame.at(1, sx, y), 1}
                                                         : Pixel{0, 0, 0};
                            ASSERT_EQ(Decode(p, f, x, y), expected) << where << " frame " << f << " " << x << "," << y;
                        }
                    }
                }
            }
        }
    }
    // Frames without masks mirror to frames without masks.
    FrameSet bare;
    bare.frames.push_back(RandomFrame(8, 2, random, true));
    AddMirroredFrames(bare);
    EXPECT_EQ(bare.frames.size(), 2u);
    EXPECT_TRUE(bare.masks.empty());
}

}  // namespace
}  // namespace pixador

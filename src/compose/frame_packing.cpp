#include "compose/frame_packing.h"

#include "compose/sprite_sheet.h"
#include "files/code_generator.h"

namespace pixador {

namespace {

constexpr int kDark = 0;
constexpr int kLight = 1;

PlaneBuffer Mirrored(const PlaneBuffer& frame)
{
    PlaneBuffer out(frame.planes(), frame.width(), frame.height());
    for (int p = 0; p < frame.planes(); ++p)
        for (int x = 0; x < frame.width(); ++x)
            for (int y = 0; y < frame.height(); ++y) out.at(p, frame.width() - 1 - x, y) = frame.at(p, x, y);
    return out;
}

MaskRows Mirrored(const MaskRows& mask, int width)
{
    MaskRows out(mask.size());
    for (std::size_t y = 0; y < mask.size(); ++y)
        for (int x = 0; x < width; ++x) out[y] |= ((mask[y] >> x) & 1u) << (width - 1 - x);
    return out;
}

}  // namespace

void AddMirroredFrames(FrameSet& set)
{
    const std::size_t count = set.frames.size();
    set.mirroredFrom = static_cast<int>(count);
    for (std::size_t i = 0; i < count; ++i) {
        set.frames.push_back(Mirrored(set.frames[i]));
        if (i < set.masks.size()) set.masks.push_back(Mirrored(set.masks[i], set.frames[i].width()));
    }
}

PackedFrames PackFrames(const FrameSet& set, const PackOptions& options)
{
    PackedFrames out;
    out.options = options;
    out.count = static_cast<int>(set.frames.size());
    out.mirroredFrom = set.mirroredFrom;
    if (set.frames.empty()) return out;
    const int w = set.frames[0].width();
    const int h = set.frames[0].height();
    const int bits = ElementBits(w);
    out.width = w;
    out.height = h;
    out.elementBits = bits;
    const bool masked = set.masks.size() == set.frames.size();
    const int perRow = options.layout == FrameLayout::InterlacedMask ? 3
                       : options.blackAndWhite && options.layout == FrameLayout::Planes ? 1
                                                                                       : 2;
    out.itemsPerFrame = perRow * h;
    out.items.reserve(static_cast<std::size_t>(out.itemsPerFrame) * set.frames.size());
    if (masked && options.layout != FrameLayout::InterlacedMask)
        out.mask.reserve(static_cast<std::size_t>(h) * set.frames.size());

    for (std::size_t f = 0; f < set.frames.size(); ++f) {
        const PlaneBuffer& frame = set.frames[f];
        // The routines OR the sprite after the mask: a pixel the mask leaves transparent is
        // written white, so what is drawn is what the mask shows.
        const auto row = [&](int plane, int y) {
            const std::uint32_t shown = masked ? MaskItem(set.masks[f][y], w, bits, MaskBits::Opaque) : ~0u;
            return (PlaneRowBits(frame, plane, y) << (bits - w)) & shown;
        };
        const auto maskItem = [&](int y) {
            return MaskItem(masked ? set.masks[f][y] : 0, w, bits, options.maskBits);
        };
        switch (options.layout) {
        case FrameLayout::Planes: {
            const int first = options.lightFirst ? kLight : kDark;
            for (int y = 0; y < h; ++y) out.items.push_back(row(first, y));
            if (perRow == 2)
                for (int y = 0; y < h; ++y) out.items.push_back(row(1 - first, y));
            break;
        }
        case FrameLayout::Interlaced:
            for (int y = 0; y < h; ++y) {
                out.items.push_back(row(kLight, y));
                out.items.push_back(row(kDark, y));
            }
            break;
        case FrameLayout::InterlacedMask:
            for (int y = 0; y < h; ++y) {
                out.items.push_back(maskItem(y));
                out.items.push_back(row(kLight, y));
                out.items.push_back(row(kDark, y));
            }
            break;
        }
        if (masked && options.layout != FrameLayout::InterlacedMask)
            for (int y = 0; y < h; ++y) out.mask.push_back(maskItem(y));
    }
    return out;
}

}  // namespace pixador

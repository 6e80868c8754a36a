#include "compose/transparency.h"

#include "compose/sprite_sheet.h"

namespace pixador {

namespace {

bool IsWhite(const PlaneBuffer& s, int x, int y)
{
    return s.at(0, x, y) == 0 && s.at(1, x, y) == 0;
}

// Rows of the pixels for which opaque (x, y) holds.
template <typename Rule>
MaskRows RowsWhere(const PlaneBuffer& s, Rule opaque)
{
    MaskRows rows(static_cast<std::size_t>(s.height()));
    for (int y = 0; y < s.height(); ++y) {
        std::uint32_t row = 0;
        for (int x = 0; x < s.width(); ++x) row = (row << 1) | (opaque(x, y) ? 1u : 0u);
        rows[y] = row;
    }
    return rows;
}

}  // namespace

MaskRows OutlineMask(const PlaneBuffer& s)
{
    const int w = s.width();
    const int h = s.height();
    const std::uint32_t all = w >= 32 ? ~0u : (1u << w) - 1;
    const std::uint32_t sides = (1u << (w - 1)) | 1u;
    // Rows of bits, a whole row at a time: white pixels, and those reached from the edge.
    MaskRows white(static_cast<std::size_t>(h));
    MaskRows outside(static_cast<std::size_t>(h));
    std::vector<int> pending;
    pending.reserve(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        white[y] = ~(PlaneRowBits(s, 0, y) | PlaneRowBits(s, 1, y)) & all;
        outside[y] = white[y] & (y == 0 || y == h - 1 ? all : sides);
        pending.push_back(y);
    }
    // Through white pixels to the left and the right.
    const auto spread = [](std::uint32_t reached, std::uint32_t open) {
        for (std::uint32_t before = 0; before != reached;) {
            before = reached;
            reached = (reached | (reached << 1) | (reached >> 1)) & open;
        }
        return reached;
    };
    while (!pending.empty()) {
        const int y = pending.back();
        pending.pop_back();
        outside[y] = spread(outside[y], white[y]);
        for (const int n : {y - 1, y + 1}) {
            if (n < 0 || n >= h) continue;
            const std::uint32_t grown = outside[n] | (outside[y] & white[n]);
            if (grown == outside[n]) continue;
            outside[n] = grown;
            pending.push_back(n);
        }
    }
    for (std::uint32_t& row : outside) row = ~row & all;
    return outside;
}

MaskRows WhiteMask(const PlaneBuffer& s)
{
    return RowsWhere(s, [&](int x, int y) { return !IsWhite(s, x, y); });
}

MaskRows DrawnMask(const PlaneBuffer& m)
{
    return RowsWhere(m, [&](int x, int y) { return m.at(0, x, y) != 0 && m.at(1, x, y) != 0; });
}

std::uint32_t MaskItem(std::uint32_t opaqueRow, int width, int elementBits, MaskBits bits)
{
    const std::uint64_t all = (std::uint64_t{1} << elementBits) - 1;
    const std::uint64_t opaque = (std::uint64_t{opaqueRow} << (elementBits - width)) & all;
    return static_cast<std::uint32_t>(bits == MaskBits::Opaque ? opaque : ~opaque & all);
}

}  // namespace pixador

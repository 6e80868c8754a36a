#include "compose/transparency.h"

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
    std::vector<std::uint8_t> outside(static_cast<std::size_t>(w) * h);
    std::vector<int> pending;
    pending.reserve(static_cast<std::size_t>(2 * (w + h)));
    const auto reach = [&](int x, int y) {
        const std::size_t i = static_cast<std::size_t>(y) * w + x;
        if (outside[i] || !IsWhite(s, x, y)) return;
        outside[i] = 1;
        pending.push_back(static_cast<int>(i));
    };
    for (int x = 0; x < w; ++x) {
        reach(x, 0);
        reach(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        reach(0, y);
        reach(w - 1, y);
    }
    while (!pending.empty()) {
        const int i = pending.back();
        pending.pop_back();
        const int x = i % w;
        const int y = i / w;
        if (x > 0) reach(x - 1, y);
        if (x + 1 < w) reach(x + 1, y);
        if (y > 0) reach(x, y - 1);
        if (y + 1 < h) reach(x, y + 1);
    }
    return RowsWhere(s, [&](int x, int y) { return outside[static_cast<std::size_t>(y) * w + x] == 0; });
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

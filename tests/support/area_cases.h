#pragma once
// Sprites and active areas for checking a pass that works rows of cells against the pixel rule
// it replaces: odd sizes, no selection, selections inside, on an edge, reaching past the sprite
// on either side, of one pixel, and wholly outside it.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/sprite.h"
#include "support/state_fixture.h"

namespace pixador::testing {

struct AreaCase {
    int width;
    int height;
    SelectionArea selection;

    std::string Name() const
    {
        return std::to_string(width) + "x" + std::to_string(height) + " selection " +
               (selection.active ? std::to_string(selection.x) + "," + std::to_string(selection.y) + " " +
                                       std::to_string(selection.width) + "x" + std::to_string(selection.height)
                                 : "none");
    }
};

inline std::vector<AreaCase> AreaCases()
{
    std::vector<AreaCase> cases;
    for (const auto& [w, h] : {std::pair{1, 1}, {8, 1}, {1, 9}, {8, 8}, {13, 7}, {32, 40}}) {
        const auto in = [](int v) { return static_cast<std::int16_t>(v); };
        for (const SelectionArea s : {SelectionArea{}, SelectionArea{true, 1, 1, in(w - 2), in(h - 2)},
                                      SelectionArea{true, 0, in(h / 2), in(w), in(h - h / 2)},
                                      SelectionArea{true, -3, -2, 6, 5}, SelectionArea{true, in(w / 2), 1, 40, 50},
                                      SelectionArea{true, in(w / 3), in(h / 3), 1, 1},
                                      SelectionArea{true, in(w + 1), 0, 4, 4}}) {
            if (s.active && (s.width < 1 || s.height < 1)) continue;
            cases.push_back({w, h, s});
        }
    }
    return cases;
}

// Every level, in blobs as well as single pixels: a few bits of a cheap hash per pixel.
inline void Speckle(StateFixture& f, unsigned seed, int levels = 4)
{
    const SelectionArea keep = f.state.selection;
    f.state.selection.active = false;
    for (int y = 0; y < f.state.sprite.height; ++y) {
        for (int x = 0; x < f.state.sprite.width; ++x) {
            const unsigned hash = (static_cast<unsigned>(x / 2 * 73856093) ^ static_cast<unsigned>(y * 19349663) ^ seed) * 2654435761u;
            SetPixel(f.state, x, y, static_cast<int>((hash >> 28) % static_cast<unsigned>(levels)));
        }
    }
    f.state.selection = keep;
}

// For every case, the pass and its pixel rule run on the same speckled sprite and selection
// and must leave the same levels.
template <typename Pass, typename Rule>
void ExpectPassMatchesRule(unsigned seed, Pass pass, Rule rule, const std::string& what = "")
{
    for (const AreaCase& c : AreaCases()) {
        StateFixture fast(c.width, c.height);
        StateFixture plain(c.width, c.height);
        for (StateFixture* f : {&fast, &plain}) {
            Speckle(*f, seed);
            f->state.selection = c.selection;
        }
        pass(fast.state);
        rule(plain.state);
        EXPECT_EQ(fast.Levels(), plain.Levels()) << c.Name() << what;
    }
}

}  // namespace pixador::testing

#include "core/sprite_menu.h"

#include <gtest/gtest.h>

#include "core/noise_dialog.h"
#include "core/shift_dialog.h"
#include "core/waves_dialog.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

// Every filter reads and writes through the active area: outside the selection nothing moves.
TEST(SpriteMenu, EveryFilterStaysInsideTheSelection)
{
    struct Case { const char* name; void (*run)(EditorState&); };
    const Case cases[] = {
        {"lighten", BrightnesPlusBttn_Click},
        {"darken", BrightnesMinusBttn_Click},
        {"white and black", ForceBWBttn_Click},
        {"blur", BlurBttn_Click},
        {"noise", [](EditorState& s) { NoiseApplyBttn_Click(s, 100); }},
        {"waves x", [](EditorState& s) { WavesApplyBttn_Click(s, 0, 0, "360", "3"); }},
        {"waves y", [](EditorState& s) { WavesApplyBttn_Click(s, 1, 1, "360", "3"); }},
    };
    for (const Case& c : cases) {
        StateFixture f(16, 16);
        f.Scribble(7);
        StateFixture ref(16, 16);
        ref.Scribble(7);
        f.state.selection = {true, 4, 5, 6, 7};
        c.run(f.state);
        bool changedInside = false;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const bool inside = InActiveArea(f.state, x, y);
                if (!inside) {
                    ASSERT_EQ(f.Row(y)[x], ref.Row(y)[x]) << c.name << " at " << x << "," << y;
                }
                changedInside |= inside && f.Row(y)[x] != ref.Row(y)[x];
            }
        }
        EXPECT_TRUE(changedInside) << c.name;
        EXPECT_EQ(f.state.undoCount, 1) << c.name;
    }
}

// A same-size command works on the sprite's two planes alone: the cells past them stay as they
// were (on the tallest sprite they lie past the buffer's end).
TEST(SpriteMenu, EveryWholeSpriteCommandLeavesTheCellsPastThePlanes)
{
    struct Case { const char* name; void (*run)(EditorState&); };
    const Case cases[] = {
        {"clear", ClearBttn_Click}, {"fill", FillAll_Click}, {"flip h", HorizFlip_Click}, {"flip v", VertFlip_Click},
        {"up", ShiftUp_Click}, {"down", ShiftDown_Click}, {"right", ShiftRight_Click}, {"left", ShiftLeft_Click},
        {"shift 3,-2", [](EditorState& s) { OkShift_Click(s, "3", "-2"); }},
        {"lighten", BrightnesPlusBttn_Click}, {"darken", BrightnesMinusBttn_Click},
        {"white and black", ForceBWBttn_Click}, {"blur", BlurBttn_Click},
        {"noise", [](EditorState& s) { NoiseApplyBttn_Click(s, 100); }},
        {"waves x", [](EditorState& s) { WavesApplyBttn_Click(s, 0, 0, "360", "3"); }},
        {"waves y", [](EditorState& s) { WavesApplyBttn_Click(s, 1, 1, "360", "3"); }},
    };
    constexpr std::size_t kPlanes = 2 * 16 * 16;
    for (const Case& c : cases) {
        StateFixture f(16, 16);
        f.Scribble(5);
        CellBuffer& cells = f.state.sprite.cells;
        for (std::size_t i = kPlanes; i < cells.size(); ++i) cells[i] = i % 3 == 0;
        c.run(f.state);
        for (std::size_t i = kPlanes; i < cells.size(); ++i) ASSERT_EQ(cells[i], i % 3 == 0) << c.name << " cell " << i;
    }
}

}  // namespace
}  // namespace pixador

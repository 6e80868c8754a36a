#pragma once
// An editor state over a recording view, with a sprite of a given size.

#include "core/editor_state.h"
#include "core/whole_sprite.h"
#include "support/fake_editor_view.h"

namespace pixador::testing {

struct StateFixture {
    explicit StateFixture(int width = 8, int height = 8) : state(view)
    {
        ResizeSprite(state, width, height);
    }
    // The state points at this fixture's view.
    StateFixture(const StateFixture&) = delete;
    StateFixture& operator=(const StateFixture&) = delete;

    // Levels of a row, left to right, read straight from the planes.
    std::vector<int> Row(int y) const
    {
        std::vector<int> levels;
        const SpriteImage& s = state.sprite;
        for (int x = 0; x < s.width; ++x)
            levels.push_back(2 * GetPlaneBit(s.cells, s.width, s.height, x, y, 0) +
                             GetPlaneBit(s.cells, s.width, s.height, x, y, 1));
        return levels;
    }
    // Every row's levels, top first: [y][x].
    std::vector<std::vector<int>> Levels() const
    {
        std::vector<std::vector<int>> rows;
        for (int y = 0; y < state.sprite.height; ++y) rows.push_back(Row(y));
        return rows;
    }

    // Fills every pixel with a level depending on its position and a seed.
    void Scribble(int seed)
    {
        const SelectionArea keep = state.selection;
        state.selection.active = false;
        for (int x = 0; x < state.sprite.width; ++x)
            for (int y = 0; y < state.sprite.height; ++y) SetPixel(state, x, y, (x * 7 + y * 3 + seed) % 4);
        state.selection = keep;
    }

    FakeEditorView view;
    EditorState state;
};

}  // namespace pixador::testing

#include "core/history.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

// A drawing action: one snapshot, then one changed pixel that identifies the step.
void Draw(StateFixture& f, int step)
{
    PushUndo(f.state);
    f.state.selection.active = false;
    SetPixel(f.state, step % 8, (step / 8) % 8, 1 + step % 3);
}

std::vector<std::uint8_t> Cells(const StateFixture& f)
{
    const SpriteImage& s = f.state.sprite;
    return {s.cells.begin(), s.cells.begin() + 2 * s.width * s.height};
}

TEST(History, UndoAndRedoWalkBackAndForthThroughTheSteps)
{
    StateFixture f(8, 8);
    std::vector<std::vector<std::uint8_t>> images{Cells(f)};
    for (int step = 0; step < 5; ++step) {
        Draw(f, step);
        images.push_back(Cells(f));
    }
    EXPECT_TRUE(f.view.IsEnabled("UndoBttn"));
    EXPECT_FALSE(f.view.IsEnabled("RedoBttn"));

    for (int back = 4; back >= 0; --back) {
        UndoBttn_Click(f.state);
        EXPECT_EQ(Cells(f), images[back]) << back;
        EXPECT_TRUE(f.view.IsEnabled("RedoBttn"));
    }
    EXPECT_FALSE(f.view.IsEnabled("UndoBttn"));
    EXPECT_EQ(f.state.redoCount, 5);

    for (int fwd = 1; fwd <= 5; ++fwd) {
        RedoBttn_Click(f.state);
        EXPECT_EQ(Cells(f), images[fwd]) << fwd;
        EXPECT_TRUE(f.view.IsEnabled("UndoBttn"));
    }
    EXPECT_FALSE(f.view.IsEnabled("RedoBttn"));
    EXPECT_EQ(f.state.undoCount, 5);
    EXPECT_GE(f.view.redraws, 10);
}

TEST(History, OnlyTheLastThirtyStepsCanBeUndone)
{
    StateFixture f(8, 8);
    std::vector<std::vector<std::uint8_t>> images{Cells(f)};
    for (int step = 0; step < 35; ++step) {
        Draw(f, step);
        images.push_back(Cells(f));
    }
    EXPECT_EQ(f.state.undoCount, 30);
    int undone = 0;
    while (f.view.IsEnabled("UndoBttn")) {
        UndoStep(f.state);
        ++undone;
    }
    EXPECT_EQ(undone, 30);
    EXPECT_EQ(Cells(f), images[5]) << "the oldest five snapshots were dropped";
    UndoStep(f.state);  // not reachable through the menu; must not change anything
    EXPECT_EQ(Cells(f), images[5]);
    EXPECT_EQ(f.state.redoCount, 30);
}

TEST(History, DrawingAfterUndoForgetsTheRedoSteps)
{
    StateFixture f(8, 8);
    for (int step = 0; step < 5; ++step) Draw(f, step);
    for (int i = 0; i < 3; ++i) UndoStep(f.state);
    EXPECT_EQ(f.state.redoCount, 3);
    Draw(f, 40);
    EXPECT_EQ(f.state.redoCount, 0);
    EXPECT_FALSE(f.view.IsEnabled("RedoBttn"));
    const auto now = Cells(f);
    RedoStep(f.state);
    EXPECT_EQ(Cells(f), now);
}

TEST(History, RoundTripsNeverGrowEitherHistoryBeyondThirty)
{
    StateFixture f(32, 256);
    for (int step = 0; step < 30; ++step) Draw(f, step);
    const auto top = Cells(f);
    for (int i = 0; i < 31; ++i) {
        UndoStep(f.state);
        RedoStep(f.state);
        ASSERT_LE(f.state.undoCount, 30);
        ASSERT_LE(f.state.redoCount, 30);
        ASSERT_EQ(f.state.undoStack.size(), static_cast<std::size_t>(f.state.undoCount));
        ASSERT_EQ(f.state.redoStack.size(), static_cast<std::size_t>(f.state.redoCount));
    }
    EXPECT_EQ(Cells(f), top);
    EXPECT_TRUE(f.view.IsEnabled("UndoBttn"));

    for (int i = 0; i < 30; ++i) UndoStep(f.state);
    EXPECT_EQ(f.state.redoCount, 30);
    EXPECT_FALSE(f.view.IsEnabled("UndoBttn"));
}

TEST(History, ImportAtSameSizeIsUndoneTogetherWithThePreviousStep)
{
    StateFixture f(8, 8);
    const auto start = Cells(f);
    Draw(f, 1);
    PlaneBuffer imported(2, 8, 8);
    imported.at(0, 2, 2) = 1;
    SetSpriteFromPlanes(f.state, imported);  // no snapshot of its own
    UndoStep(f.state);
    EXPECT_EQ(Cells(f), start);
}

}  // namespace
}  // namespace pixador

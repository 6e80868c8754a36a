#include "core/history.h"

#include <algorithm>

#include "core/editor_state.h"
#include "core/editor_view.h"

namespace pixador {

namespace {

std::size_t SnapshotSize(const SpriteImage& s)
{
    return 2 * static_cast<std::size_t>(s.width) * s.height;
}

// Appends to a history, dropping its oldest snapshot when it already holds the limit. The
// dropped buffer is reused so a full history does not allocate.
Snapshot& AppendSlot(std::deque<Snapshot>& stack, std::int16_t& count, std::size_t size)
{
    Snapshot recycled;
    if (count >= kHistoryLimit) {
        recycled = std::move(stack.front());
        stack.pop_front();
    } else {
        ++count;
    }
    recycled.resize(size);
    stack.push_back(std::move(recycled));
    return stack.back();
}

void TakeSnapshot(const SpriteImage& s, Snapshot& into)
{
    std::copy_n(s.cells.begin(), into.size(), into.begin());
}

void RestoreSnapshot(SpriteImage& s, const Snapshot& from)
{
    std::copy_n(from.begin(), std::min(from.size(), SnapshotSize(s)), s.cells.begin());
}

}  // namespace

void PushUndo(EditorState& state)
{
    TakeSnapshot(state.sprite, AppendSlot(state.undoStack, state.undoCount, SnapshotSize(state.sprite)));
    state.view->EnableCommand("UndoBttn", true);
    state.redoStack.clear();
    state.redoCount = 0;
    state.view->EnableCommand("RedoBttn", false);
}

void UndoStep(EditorState& state)
{
    if (state.undoCount < 1) return;
    Snapshot newest = std::move(state.undoStack.back());
    state.undoStack.pop_back();
    --state.undoCount;
    TakeSnapshot(state.sprite, AppendSlot(state.redoStack, state.redoCount, SnapshotSize(state.sprite)));
    RestoreSnapshot(state.sprite, newest);
    state.view->EnableCommand("RedoBttn", true);
    if (state.undoCount == 0) state.view->EnableCommand("UndoBttn", false);
}

void RedoStep(EditorState& state)
{
    if (state.redoCount < 1) return;
    Snapshot newest = std::move(state.redoStack.back());
    state.redoStack.pop_back();
    --state.redoCount;
    // The current sprite becomes the newest undo snapshot; the rest of the redo history stays.
    TakeSnapshot(state.sprite, AppendSlot(state.undoStack, state.undoCount, SnapshotSize(state.sprite)));
    state.view->EnableCommand("UndoBttn", true);
    RestoreSnapshot(state.sprite, newest);
    state.view->EnableCommand("RedoBttn", state.redoCount >= 1);
}

void UndoBttn_Click(EditorState& state)
{
    UndoStep(state);
    state.view->RedrawCanvas();
}

void RedoBttn_Click(EditorState& state)
{
    RedoStep(state);
    state.view->RedrawCanvas();
}

void ClearHistories(EditorState& state)
{
    state.undoStack.clear();
    state.redoStack.clear();
    state.undoCount = 0;
    state.redoCount = 0;
    state.view->EnableCommand("UndoBttn", false);
    state.view->EnableCommand("RedoBttn", false);
}

}  // namespace pixador

#pragma once
// Merge: the sprite and a second sprite file of the same width stacked into one taller sprite,
// one above the other or row by row interlaced.

#include <cstdint>
#include <string>

#include "core/sprite.h"

namespace pixador {

struct EditorState;

enum MergeMode : std::int16_t {
    kCurrentThenFile = 0,
    kFileThenCurrent = 1,
    kInterlacedFileFirst = 2,
    kInterlacedCurrentFirst = 3,
};
inline constexpr int kMergeModeCount = 4;
// The merged sprite must still fit the model.
inline constexpr int kMaxMergedHeight = 256;

// "Current -> File", "File -> Current", "Interlaced File -> Current", "Interlaced Current -> File".
const char* MergeModeCaption(int mode);

struct MergeRow {
    bool fromFile = false;
    int row = 0;
};
// Where output row r comes from, for a sprite of height H and a file of height h. The
// interlaced modes assume h == H.
MergeRow MergeRowSource(int mode, int H, int h, int r);

// The rules of the "Merge" dialog; the window shows these fields and forwards its events.
class MergePanel {
public:
    // Reads the file and computes the first result; false (after saying why, unless the path
    // is empty) when the dialog should close. A failed load keeps the panel as it was.
    bool LoadMSprite(EditorState& state, const std::string& path);
    void MergeMode_Click(EditorState& state, int index);
    void ComputeMerge(const EditorState& state);
    // Makes the result the sprite; true when the dialog should close.
    bool OkBttn_Click(EditorState& state);

    std::int16_t MergeModeValue = kCurrentThenFile;
    bool interlacedEnabled = true;
    PlaneBuffer MergeSource;  // the file's planes; its height is h
    PlaneBuffer MergeResult;

private:
    // The width and height-sum rules against the sprite as it is now, with their messages.
    bool SizeAccepted(EditorState& state, int width, int height);
    // Interlacing needs equal heights; a chosen interlaced mode falls back to the first one.
    void FollowHeight(EditorState& state, int height);
};

// File > Merge: asks before the irreversible change, then for a file, and loads it into panel.
// True when the dialog should be shown.
bool MergeSprite_Click(EditorState& state, MergePanel& panel);

}  // namespace pixador

#include "compose/merge.h"

#include <algorithm>
#include <optional>

#include "core/document_commands.h"
#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/prompts.h"
#include "core/whole_sprite.h"
#include "files/file_io.h"
#include "files/pxd_file.h"

namespace pixador {

namespace {

constexpr const char* kCaptions[kMergeModeCount] = {"Current -> File", "File -> Current",
                                                     "Interlaced File -> Current", "Interlaced Current -> File"};

bool IsInterlaced(int mode)
{
    return mode == kInterlacedFileFirst || mode == kInterlacedCurrentFirst;
}

}  // namespace

const char* MergeModeCaption(int mode)
{
    return mode >= 0 && mode < kMergeModeCount ? kCaptions[mode] : "";
}

MergeRow MergeRowSource(int mode, int H, int h, int r)
{
    switch (mode) {
    case kFileThenCurrent: return r < h ? MergeRow{true, r} : MergeRow{false, r - h};
    case kInterlacedFileFirst: return {r % 2 == 0, r / 2};
    case kInterlacedCurrentFirst: return {r % 2 == 1, r / 2};
    default: return r < H ? MergeRow{false, r} : MergeRow{true, r - H};
    }
}

bool MergePanel::SizeAccepted(EditorState& state, int width, int height)
{
    const SpriteImage& s = state.sprite;
    if (width != s.width) {
        ShowErrorMessage(state, "Sprite MUST Have same width as your current drawing!");
        return false;
    }
    if (s.height + height > kMaxMergedHeight) {
        ShowErrorMessage(state, "The sum of your drawing and this sprite heights must not exceed 256 pixels!");
        return false;
    }
    return true;
}

void MergePanel::FollowHeight(EditorState& state, int height)
{
    interlacedEnabled = height == state.sprite.height;
    if (!interlacedEnabled && IsInterlaced(MergeModeValue)) {
        state.view->ShowMessage({kWarningTitle, "Interlaced mode isn't available for Sprites with missmatching height!",
                                 MessageIcon::Critical, MessageButtons::Ok});
        MergeModeValue = kCurrentThenFile;
    }
}

bool MergePanel::LoadMSprite(EditorState& state, const std::string& path)
{
    if (path.empty()) return false;
    const auto failed = [&state, &path] {
        ShowErrorMessage(state, "Error while reading " + path + "!!");
        return false;
    };
    const std::optional<std::string> bytes = ReadFileBytes(path, kMaxSpriteFileBytes);
    if (!bytes) return failed();
    ByteSource file(*bytes);
    const SpriteHeader header = ReadSpriteHeader(file);
    if (!header.complete) return failed();
    if (!SizeAccepted(state, header.width, header.height)) return false;
    // A file without rows holds no sprite; one that ends early is not merged half-read.
    PlaneBuffer source(2, header.width, header.height);
    if (header.height < 1 || !ReadSpritePlanes(file, header.width, header.height, source)) return failed();
    FollowHeight(state, header.height);
    MergeSource = std::move(source);
    ComputeMerge(state);
    return true;
}

void MergePanel::MergeMode_Click(EditorState& state, int index)
{
    if (index < 0 || index >= kMergeModeCount) return;
    if (IsInterlaced(index) && !interlacedEnabled) return;
    MergeModeValue = static_cast<std::int16_t>(index);
    ComputeMerge(state);
}

void MergePanel::ComputeMerge(const EditorState& state)
{
    const SpriteImage& s = state.sprite;
    const int W = s.width;
    const int H = s.height;
    const int h = MergeSource.height();
    // Only what the size rules accepted can be stacked; the callers check them first.
    if (MergeSource.width() != W || H + h > kMaxMergedHeight || (IsInterlaced(MergeModeValue) && h != H)) return;
    MergeResult = PlaneBuffer(2, W, H + h);
    for (int r = 0; r < H + h; ++r) {
        const MergeRow from = MergeRowSource(MergeModeValue, H, h, r);
        // Whole rows: each plane's row is contiguous in both buffers.
        for (int p = 0; p < 2; ++p) {
            const std::uint8_t* row = from.fromFile ? &MergeSource.at(p, 0, from.row) : &s.cells[(p * H + from.row) * W];
            std::copy_n(row, W, &MergeResult.at(p, 0, r));
        }
    }
}

bool MergePanel::OkBttn_Click(EditorState& state)
{
    // The dialog does not block the editor: check the sprite as it is now.
    const std::int16_t chosen = MergeModeValue;
    if (!SizeAccepted(state, MergeSource.width(), MergeSource.height())) return true;
    FollowHeight(state, MergeSource.height());
    ComputeMerge(state);
    // The arrangement had to change: let the user see the new result first.
    if (MergeModeValue != chosen) return false;
    SetSpriteFromPlanes(state, MergeResult);
    return true;
}

bool MergeSprite_Click(EditorState& state, MergePanel& panel)
{
    if (!ConfirmIrreversible(state)) return false;
    return panel.LoadMSprite(state, ShowOpenDialog(state, kPxdDescription, kPxdPattern));
}

}  // namespace pixador

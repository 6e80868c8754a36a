#include "compose/mask.h"

#include <optional>

#include "core/editor_state.h"
#include "core/document_commands.h"
#include "core/editor_view.h"
#include "core/history.h"
#include "core/prompts.h"
#include "core/whole_sprite.h"
#include "files/file_io.h"
#include "files/pxd_file.h"

namespace pixador {

namespace {

// Result bits indexed [code][s * 2 + m].
constexpr std::uint8_t kTruth[kMaskOpCount][4] = {
    {1, 1, 0, 0},  // NOT: the mask is ignored
    {0, 0, 0, 1},  // AND
    {0, 1, 1, 1},  // OR
    {0, 1, 1, 0},  // XOR
    {1, 1, 0, 1},  // IMP
    {1, 0, 0, 1},  // EQV
};

constexpr const char* kCaptions[kMaskOpCount] = {"NOT", "AND*", "OR*", "XOR*", "IMP*", "EQV*"};

}  // namespace

std::uint8_t ApplyMaskOp(int code, int s, int m)
{
    if (code < 0 || code >= kMaskOpCount) code = kMaskNot;
    return kTruth[code][(s ? 2 : 0) | (m ? 1 : 0)];
}

const char* MaskOpCaption(int code)
{
    return code >= 0 && code < kMaskOpCount ? kCaptions[code] : "";
}

MaskPanel::MaskPanel(const EditorState& state)
{
    FollowSpriteSize(state);
    ChooseOp(state, 0, kMaskNot);
    ChooseOp(state, 1, kMaskNot);
}

void MaskPanel::FollowSpriteSize(const EditorState& state)
{
    const SpriteImage& s = state.sprite;
    if (MaskPlanes.planes() == 2 && MaskPlanes.width() == s.width && MaskPlanes.height() == s.height) return;
    MaskPlanes = PlaneBuffer(2, s.width, s.height);
    MaskFile.clear();
}

void MaskPanel::ChooseOp(const EditorState& state, int plane, int code)
{
    if (plane < 0 || plane > 1 || code < 0 || code >= kMaskOpCount) return;
    MaskOps[plane] = static_cast<std::int16_t>(code);
    ComputeMask(state);
}

void MaskPanel::ComputeMask(const EditorState& state)
{
    FollowSpriteSize(state);
    const SpriteImage& s = state.sprite;
    MaskResult = PlaneBuffer(2, s.width, s.height);
    // The selection plays no part: the whole sprite is combined. Every pixel is independent,
    // so rows are walked in memory order through local pointers (byte stores alias anything).
    const int W = s.width;
    const int H = s.height;
    for (int p = 0; p < 2; ++p) {
        const int code = MaskOps[p] >= 0 && MaskOps[p] < kMaskOpCount ? MaskOps[p] : int{kMaskNot};
        const std::uint8_t* truth = kTruth[code];
        for (int y = 0; y < H; ++y) {
            const std::uint8_t* sprite = &s.cells[(p * H + y) * W];
            const std::uint8_t* mask = &MaskPlanes.at(p, 0, y);
            std::uint8_t* out = &MaskResult.at(p, 0, y);
            for (int x = 0; x < W; ++x) out[x] = truth[(sprite[x] & 1) << 1 | (mask[x] & 1)];
        }
    }
}

bool MaskPanel::LoadMask(EditorState& state, const std::string& path)
{
    if (path.empty()) return false;
    FollowSpriteSize(state);
    const auto failed = [&state] {
        ShowErrorMessage(state, "An error has occured while loading Mask Sprite!");
        return false;
    };
    const std::optional<std::string> bytes = ReadFileBytes(path, kMaxSpriteFileBytes);
    if (!bytes) return failed();
    ByteSource file(*bytes);
    const SpriteHeader header = ReadSpriteHeader(file);
    if (!header.complete) return failed();
    const SpriteImage& s = state.sprite;
    if (header.width != s.width || header.height != s.height) {
        state.view->ShowMessage({kWarningTitle, "Mask Sprite MUST have the same size as your current drawing!",
                                 MessageIcon::None, MessageButtons::Ok});
        return false;
    }
    // Read whole before anything is replaced: a short file keeps the mask in force.
    PlaneBuffer planes(2, s.width, s.height);
    if (!ReadSpritePlanes(file, s.width, s.height, planes)) return failed();
    MaskPlanes = std::move(planes);
    MaskFile = path;
    ComputeMask(state);
    return true;
}

void MaskPanel::BrowseMaskBttn_Click(EditorState& state)
{
    LoadMask(state, ShowOpenDialog(state, kPxdDescription, kPxdPattern));
}

bool MaskPanel::MaskFile_LostFocus(EditorState& state, const std::string& text)
{
    if (text.empty()) {
        MaskFile.clear();
        return true;
    }
    if (!FileExists(text)) {
        ShowErrorMessage(state, "Filename doesn't exist!!");
        MaskFile.clear();
        return false;
    }
    return LoadMask(state, text);
}

bool MaskPanel::OkBttn_Click(EditorState& state)
{
    const bool bothNot = MaskOps[0] == kMaskNot && MaskOps[1] == kMaskNot;
    // A sprite resized behind the panel drops its mask; the check below then asks for one.
    FollowSpriteSize(state);
    if (!bothNot && MaskFile.empty()) {
        ShowErrorMessage(state, "File Is needed to apply mask!");
        return false;
    }
    // Drawn since the last preview: combine what the sprite holds now.
    ComputeMask(state);
    PushUndo(state);
    SetSpriteFromPlanes(state, MaskResult);
    state.saved = false;
    return true;
}

}  // namespace pixador

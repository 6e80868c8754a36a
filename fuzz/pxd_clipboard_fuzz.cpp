// Edit > Paste PXD Data: any text on the system clipboard, then the paste tool laying what it
// read onto the sprite at the corners and outside them.
#include "canvas/clipboard.h"
#include "canvas/stroke_cell.h"
#include "core/editor_state.h"
#include "fuzz_support.h"
#include "support/state_fixture.h"

using namespace pixador;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    testing::StateFixture f(32, 256);
    f.view.clipboardText = std::string(fuzz::Bytes(data, size));
    PXDPasteBttn_Click(f.state);
    const InternalClipboard& clip = f.state.clipboard;
    if (!clip.full) return 0;
    FUZZ_CHECK(2L * clip.width * clip.height <= kCellCount);
    for (const Cell at : {Cell{0, 0}, Cell{-5, -7}, Cell{31, 255}, Cell{-clip.width, 3}}) PasteClipboardAt(f.state, at);

    // What was read is copied out again as the same text.
    f.state.selection = {true, 0, 0, clip.width, clip.height};
    f.state.sprite.cells.fill(0);
    PasteClipboardAt(f.state, Cell{0, 0});
    if (clip.width >= 1 && clip.height >= 1 && clip.width <= 32) {
        const std::string text = BuildPxdText(f.state);
        const std::optional<InternalClipboard> again = ParsePxdText(text);
        FUZZ_CHECK(again && again->width == clip.width && again->height == clip.height && again->cells == clip.cells);
    }
    return 0;
}

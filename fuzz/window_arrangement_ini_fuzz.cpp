// "PxdWinPos.ini" read at start-up: any text gives an arrangement that is written and read back
// unchanged.
#include "core/editor_state.h"
#include "files/window_arrangement.h"
#include "fuzz_support.h"
#include "support/state_fixture.h"

using namespace pixador;

namespace {

bool Same(const WindowLayout& a, const WindowLayout& b)
{
    return a.mainLeft == b.mainLeft && a.mainTop == b.mainTop && a.mainWidth == b.mainWidth &&
           a.mainHeight == b.mainHeight && a.canvasLeft == b.canvasLeft && a.canvasTop == b.canvasTop &&
           a.canvasWidth == b.canvasWidth && a.canvasHeight == b.canvasHeight && a.zoomLeft == b.zoomLeft &&
           a.zoomTop == b.zoomTop && a.toolBoxLeft == b.toolBoxLeft && a.toolBoxTop == b.toolBoxTop &&
           a.colorLeft == b.colorLeft && a.colorTop == b.colorTop && a.penSizeLeft == b.penSizeLeft &&
           a.penSizeTop == b.penSizeTop && a.maximised == b.maximised;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::AsFile(fuzz::Bytes(data, size), "PxdWinPos.ini");
    testing::StateFixture f;
    ReadWindowArrangement(f.state, path);
    const WindowLayout read = f.state.windowLayout;
    FUZZ_CHECK(WriteWindowArrangement(f.state, path));
    f.state.windowLayout = WindowLayout{};
    ReadWindowArrangement(f.state, path);
    FUZZ_CHECK(Same(read, f.state.windowLayout));
    return 0;
}

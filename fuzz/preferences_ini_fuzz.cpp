// "Pixador.ini" read at start-up: whatever it holds, the preferences stay in their ranges and
// survive being written and read again.
#include "core/editor_state.h"
#include "files/preferences.h"
#include "fuzz_support.h"
#include "support/state_fixture.h"

using namespace pixador;

namespace {

bool Same(const Preferences& a, const Preferences& b)
{
    return a.LCDColorSet == b.LCDColorSet && a.PromptForErasure == b.PromptForErasure &&
           a.MonochromeWarning == b.MonochromeWarning && a.IndentType == b.IndentType &&
           a.IndentChars == b.IndentChars && a.SampleCall == b.SampleCall && a.CopytoClipboard == b.CopytoClipboard &&
           a.SpriteName == b.SpriteName && a.SpriteEncodeMethod == b.SpriteEncodeMethod &&
           a.ExplicitDimensions == b.ExplicitDimensions && a.LayersArrangement == b.LayersArrangement &&
           a.ItemsPerLine == b.ItemsPerLine && a.ASCIIWidthx2 == b.ASCIIWidthx2 && a.ASCIIcolors == b.ASCIIcolors &&
           a.GraphLib == b.GraphLib && a.IncludeDefines == b.IncludeDefines && a.DefaultWidth == b.DefaultWidth &&
           a.DefaultHeight == b.DefaultHeight;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::AsFile(fuzz::Bytes(data, size), "Pixador.ini");
    testing::StateFixture f;
    ReadPreferences(f.state, path);
    const Preferences& p = f.state.preferences;
    FUZZ_CHECK(p.DefaultWidth == 8 || p.DefaultWidth == 16 || p.DefaultWidth == 32);
    FUZZ_CHECK(p.DefaultHeight >= 1 && p.DefaultHeight <= 256);
    FUZZ_CHECK(p.ItemsPerLine >= 1 && p.IndentChars >= 0 && p.SpriteEncodeMethod >= 0 && p.SpriteEncodeMethod <= 2);

    const Preferences read = p;
    FUZZ_CHECK(WritePreferences(f.state, path));
    f.state.preferences = Preferences{};
    ReadPreferences(f.state, path);
    FUZZ_CHECK(Same(read, f.state.preferences));
    return 0;
}

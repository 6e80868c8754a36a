// File > Import > From C Source: the scanner over a whole file, then the import dialog decoding
// each array found in every way it offers and making it the sprite.
#include <algorithm>

#include "files/c_import.h"
#include "fuzz_support.h"
#include "support/state_fixture.h"

using namespace pixador;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::AsFile(fuzz::Bytes(data, size), "source.c");
    testing::StateFixture f;
    std::vector<FoundArray> found;
    if (!ScanCSourceFile(f.state, path, found)) return 0;
    FUZZ_CHECK(!found.empty());

    ImportCPanel panel(found);
    // The first arrays are enough: each is decoded the same way.
    const int arrays = std::min<int>(static_cast<int>(found.size()), 4);
    for (int a = 0; a < arrays; ++a) {
        panel.ArrayList_Click(a);
        panel.ParseGrayscale_Click(false);
        FUZZ_CHECK(panel.buffer.planes() == 2 && panel.buffer.height() >= 1 && panel.buffer.height() <= 256);
        panel.OkBttn_Click(f.state);
        panel.ParseGrayscale_Click(true);
        const int entries = static_cast<int>(panel.spriteCounts.size());
        // The smallest, the largest and one between of the sprite counts offered.
        for (const int entry : {0, entries / 2, entries - 1}) {
            panel.NSprites_Click(entry);
            panel.LDMode_Click();
            panel.DLMode_Click();
            panel.OkBttn_Click(f.state);
        }
    }
    return 0;
}

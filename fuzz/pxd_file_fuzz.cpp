// The sprite file: loaded as File > Open does, and by the mask and merge dialogs' reader.
#include "core/editor_state.h"
#include "files/pxd_file.h"
#include "fuzz_support.h"
#include "support/state_fixture.h"

using namespace pixador;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::string path = fuzz::AsFile(bytes, "sprite.pxd");
    testing::StateFixture f(16, 16);
    f.state.saved = false;
    LoadSprite(f.state, path);
    const std::optional<PlaneBuffer> planes = ReadSpriteFile(path);
    FUZZ_CHECK(planes.has_value() == f.state.saved);
    if (!planes) return 0;
    // A file that loads writes back as the same bytes, less whatever followed the planes.
    const std::string written = EncodeSprite(f.state);
    FUZZ_CHECK(!written.empty() && written == bytes.substr(0, written.size()));
    return 0;
}

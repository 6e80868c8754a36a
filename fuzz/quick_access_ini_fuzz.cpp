// "QAccess.ini" read at start-up into the File menu: the list comes back the same after being
// written, and every entry makes a caption.
#include "core/document_commands.h"
#include "core/editor_state.h"
#include "files/quick_access_file.h"
#include "fuzz_support.h"
#include "support/state_fixture.h"

using namespace pixador;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::AsFile(fuzz::Bytes(data, size), "QAccess.ini");
    testing::StateFixture f;
    ReadQuickAccess(f.state, path);
    const QuickAccessList read = f.state.quickAccess;
    FUZZ_CHECK(read.count >= 0 && read.count <= kQuickAccessSize);
    RefreshQuickAccessMenu(f.state);
    FUZZ_CHECK(WriteQuickAccess(f.state, path));
    ReadQuickAccess(f.state, path);
    FUZZ_CHECK(f.state.quickAccess.count == read.count && f.state.quickAccess.entries == read.entries);
    return 0;
}

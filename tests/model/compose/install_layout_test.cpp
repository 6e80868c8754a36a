#include "compose/install_layout.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "compose/plugin_host.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// Each row lays out a tree under a prefix and says where the editor in prefix/bin looks.
TEST(InstallLayout, PlugInsBesideTheProgramFirstThenTheInstalledTree)
{
    struct Row {
        const char* what;
        bool plugrunBeside;
        bool installedTree;
        bool expectInstalled;
    };
    const Row rows[] = {
        {"build tree or copied folder", true, false, false},
        {"installed under a prefix", false, true, true},
        {"both: the copy beside the program wins", true, true, false},
        {"neither: problems are reported beside the program", false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempDir prefix;
        const fs::path bin = fs::path(prefix.str()) / "bin";
        fs::create_directories(bin);
        if (row.plugrunBeside) TempDir::Write((bin / PlugRunFileName()).string(), "");
        if (row.installedTree) fs::create_directories(fs::path(prefix.str()) / "lib/pixador/filters");

        const InstallLayout layout = FindInstallLayout(bin.string());
        EXPECT_EQ(layout.installed, row.expectInstalled);
        if (row.expectInstalled) {
            EXPECT_EQ(layout.pluginDir, (fs::path(prefix.str()) / "lib" / "pixador").string());
            EXPECT_EQ(layout.manualDir, (fs::path(prefix.str()) / "share" / "doc" / "pixador").string());
        } else {
            EXPECT_EQ(layout.pluginDir, bin.string());
            EXPECT_EQ(layout.manualDir, bin.string());
        }
    }
}

}  // namespace
}  // namespace pixador

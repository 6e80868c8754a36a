#include "files/file_io.h"

#include <filesystem>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

constexpr fs::perms kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;

TEST(WriteFileAtomically, ReadOnlyTargetIsRefusedAndLeftAsItWas)
{
    TempDir dir;
    const std::string path = dir.File("locked.ini");
    TempDir::Write(path, "old");
    fs::permissions(path, kReadOnly);
    // Mode bits decide, so the refusal holds for root too.
    EXPECT_FALSE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(TempDir::Read(path), "old");
    EXPECT_EQ(fs::status(path).permissions(), kReadOnly);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.str()), fs::directory_iterator()), 1) << "no temporary left";
}

TEST(WriteFileAtomically, SymbolicLinkIsWrittenThroughAndStaysALink)
{
    TempDir dir;
    fs::create_directory(dir.File("real"));
    const std::string target = dir.File("real/sprite.c");
    TempDir::Write(target, "old");
    fs::create_symlink("real/sprite.c", dir.File("link.c"));
    fs::create_symlink("link.c", dir.File("chain.c"));
    fs::create_symlink("real/fresh.c", dir.File("dangling.c"));

    ASSERT_TRUE(WriteFileAtomically(dir.File("chain.c"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.File("chain.c")));
    EXPECT_TRUE(fs::is_symlink(dir.File("link.c")));
    EXPECT_EQ(TempDir::Read(target), "new");
    ASSERT_TRUE(WriteFileAtomically(dir.File("dangling.c"), "made"));
    EXPECT_TRUE(fs::is_symlink(dir.File("dangling.c")));
    EXPECT_EQ(TempDir::Read(dir.File("real/fresh.c")), "made");

    fs::create_symlink("loop.c", dir.File("loop.c"));
    EXPECT_FALSE(WriteFileAtomically(dir.File("loop.c"), "x"));
}

TEST(WriteFileAtomically, ReplacementKeepsThePermissionBits)
{
    TempDir dir;
    for (const fs::perms mode : {fs::perms::owner_read | fs::perms::owner_write,
                                 fs::perms::owner_all | fs::perms::group_read | fs::perms::others_write}) {
        const std::string path = dir.File("kept");
        TempDir::Write(path, "old");
        fs::permissions(path, mode);
        ASSERT_TRUE(WriteFileAtomically(path, "new"));
        EXPECT_EQ(TempDir::Read(path), "new");
        EXPECT_EQ(fs::status(path).permissions(), mode);
    }
#ifndef _WIN32
    // Run as root, the user's file stays the user's.
    if (::geteuid() == 0) {
        const std::string path = dir.File("owned");
        TempDir::Write(path, "old");
        ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
        ASSERT_TRUE(WriteFileAtomically(path, "new"));
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
    }
#endif
}

// Few files flush one by one, many through one flush of the file system: both paths land
// every accepted file and leave no temporary behind, and a refused target stays as it was.
TEST(AtomicFileBatch, LandsEveryAcceptedFileAndNothingElse)
{
    for (const int count : {2, 12}) {
        TempDir dir;
        const std::string locked = dir.File("locked");
        TempDir::Write(locked, "old");
        std::filesystem::permissions(locked, kReadOnly);
        TempDir::Write(dir.File("f0"), "previous");
        {
            AtomicFileBatch batch;
            EXPECT_FALSE(batch.Stage(locked, "new"));
            for (int i = 0; i < count; ++i)
                EXPECT_TRUE(batch.Stage(dir.File("f" + std::to_string(i)), "x" + std::to_string(i)));
            EXPECT_EQ(TempDir::Read(dir.File("f0")), "previous") << "nothing replaced before Commit";
            EXPECT_TRUE(batch.Commit().empty());
        }
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(TempDir::Read(dir.File("f" + std::to_string(i))), "x" + std::to_string(i));
        EXPECT_EQ(TempDir::Read(locked), "old");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.str()), std::filesystem::directory_iterator()),
                  count + 1);
    }
    // Dropped without Commit: the temporaries go, the old file stays.
    TempDir dir;
    TempDir::Write(dir.File("kept"), "old");
    {
        AtomicFileBatch batch;
        EXPECT_TRUE(batch.Stage(dir.File("kept"), "new"));
    }
    EXPECT_EQ(TempDir::Read(dir.File("kept")), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.str()), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace pixador

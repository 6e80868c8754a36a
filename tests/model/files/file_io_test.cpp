#include "files/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace pixador {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(FileIo, ReplacingKeepsPermissionsWritesThroughLinksAndRefusesReadOnlyFiles)
{
    TempDir dir;
    const std::string plain = dir.File("plain.txt");
    TempDir::Write(plain, "old");
    fs::permissions(plain, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    ASSERT_TRUE(WriteFileAtomically(plain, "new"));
    EXPECT_EQ(TempDir::Read(plain), "new");
    EXPECT_EQ(fs::status(plain).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);

    const std::string link = dir.File("link.txt");
    fs::create_symlink(plain, link);
    ASSERT_TRUE(WriteFileAtomically(link, "through"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(TempDir::Read(plain), "through");

    fs::permissions(plain, fs::perms::owner_read);
    EXPECT_FALSE(WriteFileAtomically(plain, "refused"));
    EXPECT_EQ(TempDir::Read(plain), "through");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.str()), fs::directory_iterator()), 2) << "no temporary left";
}

}  // namespace
}  // namespace pixador

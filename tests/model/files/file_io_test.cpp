#include "files/file_io.h"

#include <filesystem>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <thread>
#else
#include <windows.h>
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
    EXPECT_EQ(WriteFileAtomically(path, "new").error, "Permission denied");
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
    EXPECT_EQ(WriteFileAtomically(dir.File("loop.c"), "x").error, "Too many levels of symbolic links");
    EXPECT_EQ(WriteFileAtomically(dir.File("real"), "x").error, "Is a directory");
    EXPECT_TRUE(fs::is_directory(dir.File("real")));
    EXPECT_EQ(WriteFileAtomically(dir.File("nodir/sub/x.c"), "x").error, "No such file or directory");
}

#ifndef _WIN32
// What is not a regular file is written straight into and stays what it was. The devices are
// made here with the numbers of the null device, the full device and of no device at all, never the
// system's own entries: a fault would replace those for the whole machine.
TEST(WriteFileAtomically, SpecialFilesAreWrittenIntoNeverReplaced)
{
    TempDir dir;
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = TempDir::Read(fifo); });
    const WriteResult toFifo = WriteFileAtomically(fifo, "through the pipe");
    reader.join();
    EXPECT_TRUE(toFifo) << toFifo.error;
    EXPECT_EQ(received, "through the pipe");
    // A pipe whose reader has gone fails with the reason, and the program lives on. Its
    // descriptor has two digits, one a 9.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    ASSERT_EQ(::fcntl(59, F_GETFD), -1) << "descriptor 59 is free";
    ASSERT_EQ(::dup2(ends[1], 59), 59);
    ::close(ends[1]);
    EXPECT_EQ(WriteFileAtomically("/dev/fd/59", "x").error, "Broken pipe");
    ::close(59);
    // Such a descriptor is written where it stands, by either name: a file opened for appending
    // keeps its start.
    const std::string log = dir.File("log");
    TempDir::Write(log, "abc");
    const int appending = ::open(log.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    ASSERT_EQ(::dup2(appending, 59), 59);
    ::close(appending);
    EXPECT_TRUE(WriteFileAtomically("/proc/self/fd/59", "x"));
    ::close(59);
    EXPECT_EQ(TempDir::Read(log), "abcx");

    const bool devices = ::mknod(dir.File("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 &&
                         ::mknod(dir.File("full").c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0 &&
                         ::mknod(dir.File("gone").c_str(), S_IFCHR | 0666, makedev(0, 0)) == 0;
    if (!devices) GTEST_SKIP() << "device rows need the right to make devices (root)";
    fs::create_symlink("null", dir.File("link"));
    struct Row {
        const char* path;
        const char* error;
    };
    const Row rows[] = {{"null", ""}, {"link", ""}, {"full", "No space left on device"},
                        {"gone", "No such device or address"}};
    for (const Row& row : rows) {
        const std::string path = dir.File(row.path);
        EXPECT_EQ(WriteFileAtomically(path, "int x;\n").error, row.error) << row.path;
        AtomicFileBatch batch;
        EXPECT_EQ(batch.Stage(path, "int y;\n").error, row.error) << row.path;
        EXPECT_TRUE(batch.Commit().empty());
        EXPECT_TRUE(fs::is_character_file(path)) << row.path;
    }
    EXPECT_TRUE(fs::is_symlink(dir.File("link")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.str()), fs::directory_iterator()), 6) << "no temporary left";
}
#endif

#ifdef _WIN32
// Windows' devices are written into wherever they are named, never replaced; a replaced file
// keeps the attributes the user gave it.
TEST(WriteFileAtomically, WindowsDevicesAreWrittenIntoAndReplacementsKeepAttributes)
{
    TempDir dir;
    for (const std::string& device : {std::string("NUL"), dir.File("NUL")}) {
        EXPECT_TRUE(WriteFileAtomically(device, "int x;\n")) << device;
        AtomicFileBatch batch;
        EXPECT_TRUE(batch.Stage(device, "int y;\n")) << device;
        EXPECT_TRUE(batch.Commit().empty());
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.str()), fs::directory_iterator()), 0) << "no temporary left";

    const fs::path hidden = dir.File("hidden.c");
    TempDir::Write(hidden.string(), "old");
    ASSERT_TRUE(SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(WriteFileAtomically(hidden.string(), "new"));
    EXPECT_EQ(TempDir::Read(hidden.string()), "new");
    EXPECT_NE(GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}
#endif

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
            EXPECT_EQ(batch.Stage(locked, "new").error, "Permission denied");
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

#include "files/bmp_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/conventions.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

TEST(BmpExport, PathBoxAndFormatRules)
{
    const std::string shot = std::string(".") + kPathSeparator + "screenshot.bmp";
    EXPECT_EQ(DefaultScreenshotPath(), shot);
    struct Row {
        const char* typed;
        std::optional<std::string> fixed;
    };
    for (const Row& r : {Row{"", shot}, {"  \t ", shot}, {"a", std::nullopt},
                         {" a.bmp ", std::nullopt}})
        EXPECT_EQ(BMPExportFile_Change(r.typed), r.fixed) << "[" << r.typed << "]";
    EXPECT_EQ(ExportFormatFor("shot.PNG"), PictureFormat::Png);
    EXPECT_EQ(ExportFormatFor("shot.bmp"), PictureFormat::Bmp);
    EXPECT_EQ(ExportFormatFor("shot"), PictureFormat::Bmp) << "no extension is added or needed";

    StateFixture f;
    f.view.savePaths = {"/x/pic.png"};
    EXPECT_EQ(BrowseBttn_Click(f.state), "/x/pic.png");
    EXPECT_EQ(BrowseBttn_Click(f.state), "") << "cancel";
}

TEST(BmpExport, OverwriteQuestionAndFailuresKeepTheOldFile)
{
    TempDir dir;
    StateFixture f;
    std::vector<PictureFormat> asked;
    std::optional<std::string> picture = std::string("PICTURE");
    const PictureEncoder encode = [&](PictureFormat format) {
        asked.push_back(format);
        return picture;
    };
    const std::string path = dir.File("shot.bmp");
    EXPECT_TRUE(OkExport_Click(f.state, path, encode));
    EXPECT_EQ(TempDir::Read(path), "PICTURE");
    EXPECT_TRUE(f.view.messages.empty()) << "no question for a new file";

    picture = "SECOND";
    f.view.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(OkExport_Click(f.state, path, encode)) << "No keeps the dialog open";
    EXPECT_EQ(TempDir::Read(path), "PICTURE");
    EXPECT_EQ(f.view.LastMessage(), "File " + path + " already Exists. Overwrite?");
    EXPECT_TRUE(OkExport_Click(f.state, path, encode));
    EXPECT_EQ(TempDir::Read(path), "SECOND");

    struct Failure {
        const char* name;
        std::string path;
        bool encodes;
    };
    const std::string readOnly = dir.File("locked.bmp");
    TempDir::Write(readOnly, "OLD");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    for (const Failure& fail : {Failure{"missing folder", dir.File("none/shot.bmp"), true},
                                Failure{"read-only file", readOnly, true}, Failure{"nothing to encode", path, false}}) {
        picture = fail.encodes ? std::optional<std::string>("THIRD") : std::nullopt;
        f.view.answers = {MessageAnswer::Yes};
        EXPECT_FALSE(OkExport_Click(f.state, fail.path, encode)) << fail.name;
        EXPECT_EQ(f.view.LastMessage(), "Error writing " + fail.path + "!!") << fail.name;
        EXPECT_EQ(f.view.messages.back().icon, MessageIcon::Critical) << fail.name;
    }
    EXPECT_EQ(TempDir::Read(readOnly), "OLD");
    EXPECT_EQ(TempDir::Read(path), "SECOND");
    EXPECT_EQ(asked.front(), PictureFormat::Bmp);
    OkExport_Click(f.state, dir.File("shot.png"), encode);
    EXPECT_EQ(asked.back(), PictureFormat::Png);
}

}  // namespace
}  // namespace pixador

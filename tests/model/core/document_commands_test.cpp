#include "core/document_commands.h"

#include <gtest/gtest.h>

#include "core/prompts.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

const std::string kSprite("\x01\x02\x33\x55\xFF\xFF", 6);

TEST(DocumentCommands, QuickAccessCaptionsNameTheFilesAndATenthDropsTheOldest)
{
    TempDir dir;
    StateFixture f;
    f.state.programDir = dir.str();
    f.state.preferences.PromptForErasure = false;
    for (int i = 1; i <= 10; ++i) {
        const std::string path = dir.File("s" + std::to_string(i) + ".pxd");
        TempDir::Write(path, kSprite);
        f.view.openPaths = {path};
        LoadBttn_Click(f.state);
    }
    EXPECT_EQ(f.state.quickAccess.entries[0], dir.File("s2.pxd"));
    EXPECT_EQ(f.state.quickAccess.entries[8], dir.File("s10.pxd"));
    EXPECT_EQ(QuickAccessCaption(f.state, 8), "&9 s10.pxd");
    EXPECT_EQ(TempDir::Read(dir.File("QAccess.ini")).substr(0, dir.File("s2.pxd").size()), dir.File("s2.pxd"));

    // Reloading a listed file leaves the list as it is.
    f.view.openPaths = {dir.File("s5.pxd")};
    LoadBttn_Click(f.state);
    EXPECT_EQ(f.state.quickAccess.entries[8], dir.File("s10.pxd"));

    // Cancelled dialog: nothing loads, nothing is asked.
    f.state.saved = true;
    f.view.messages.clear();
    LoadBttn_Click(f.state);
    EXPECT_TRUE(f.view.messages.empty());

    // Out of range and empty items do nothing.
    ClearQABttn_Click(f.state);
    QA_Click(f.state, 0);
    QA_Click(f.state, 12);
    QA_Click(f.state, -1);
    EXPECT_TRUE(f.view.messages.empty());
    EXPECT_EQ(QuickAccessCaption(f.state, 3), "&4 ");
}

TEST(DocumentCommands, QuickAccessWithUnsavedSpriteMayAskToSaveTwice)
{
    TempDir dir;
    StateFixture f;
    f.state.programDir = dir.str();
    TempDir::Write(dir.File("q.pxd"), kSprite);
    AddQuickAccess(f.state.quickAccess, dir.File("q.pxd"));
    f.state.saved = false;
    // Continue, do not save, then the second offer: do not save either.
    f.view.answers = {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::No};
    QA_Click(f.state, 0);
    EXPECT_EQ(f.view.messages.size(), 3u);
    EXPECT_EQ(f.state.fileName, dir.File("q.pxd"));
    EXPECT_TRUE(f.state.saved);

    // Refusing the question keeps the sprite.
    f.state.saved = false;
    f.state.fileName = "kept";
    f.view.answers = {MessageAnswer::No};
    QA_Click(f.state, 0);
    EXPECT_EQ(f.state.fileName, "kept");
}

TEST(DocumentCommands, NewAsksBeforeOpeningTheSizeDialog)
{
    StateFixture f;
    int opened = 0;
    f.view.answers = {MessageAnswer::No};
    NewBttn_Click(f.state, [&] { ++opened; });
    EXPECT_EQ(opened, 0);
    f.view.answers = {MessageAnswer::Yes};
    NewBttn_Click(f.state, [&] { ++opened; });
    EXPECT_EQ(opened, 1);
}

TEST(DocumentCommands, HelpFallsBackToTheManualThenReportsFailure)
{
    TempDir exe;
    StateFixture f;
    f.state.programDir = exe.str();
    HelpBttn_Click(f.state, exe.str());
    EXPECT_EQ(f.view.LastMessage(), "Error while trying to load help file!");
    EXPECT_TRUE(f.view.openedDocuments.empty()) << "missing files are not handed to the shell";

    TempDir::Write(exe.File("manual.html"), "<html></html>");
    f.view.messages.clear();
    HelpBttn_Click(f.state, exe.str());
    ASSERT_EQ(f.view.openedDocuments.size(), 1u);
    EXPECT_EQ(f.view.openedDocuments[0], exe.File("manual.html"));
    EXPECT_TRUE(f.view.messages.empty());

    TempDir::Write(exe.File("Pixador.chm"), "chm");
    HelpBttn_Click(f.state, exe.str());
    EXPECT_EQ(f.view.openedDocuments.back(), exe.File("Pixador.chm"));

    f.view.openDocumentSucceeds = false;
    HelpBttn_Click(f.state, exe.str());
    EXPECT_EQ(f.view.LastMessage(), "Error while trying to load help file!");

    // A compiled help file beside the manual, not the program, is found too.
    TempDir share;
    TempDir::Write(share.File("Pixador.chm"), "chm");
    f.state.programDir = share.File("bin");
    f.view.openDocumentSucceeds = true;
    HelpBttn_Click(f.state, share.str());
    EXPECT_EQ(f.view.openedDocuments.back(), share.File("Pixador.chm"));
}

TEST(DocumentCommands, DropsAndQuitFollowTheRules)
{
    EXPECT_FALSE(IsSpriteFileDrop({}));
    EXPECT_FALSE(IsSpriteFileDrop({"a.pxd", "b.txt"}));
    EXPECT_TRUE(IsSpriteFileDrop({"b.txt", "A.PxD"}));
    EXPECT_FALSE(IsSpriteFileDrop({"pxd"}));

    TempDir dir;
    StateFixture f;
    f.state.programDir = dir.str();
    f.view.answers = {MessageAnswer::No};
    EXPECT_FALSE(MDIForm_QueryUnload(f.state));
    EXPECT_TRUE(std::filesystem::exists(dir.File("PxdWinPos.ini")));
    f.view.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(MDIForm_QueryUnload(f.state));
}

}  // namespace
}  // namespace pixador

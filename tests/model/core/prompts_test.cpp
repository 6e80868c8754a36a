#include "core/prompts.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

const char* kIrreversible =
    "The Following operation will make irreversible changes in your current drawing.\r\nDo you want to continue?";
const char* kSaveChanges = "your Sprite have changed since the last time you saved it.\r\nDo you want to save it now?";

TEST(Prompts, ConfirmIrreversibleAsksAndOffersToSaveAnUnsavedSprite)
{
    StateFixture f;
    f.state.preferences.PromptForErasure = false;
    f.state.saved = false;
    EXPECT_TRUE(ConfirmIrreversible(f.state));
    EXPECT_TRUE(f.view.messages.empty()) << "with the preference off nothing is asked";

    f.state.preferences.PromptForErasure = true;
    f.view.answers = {MessageAnswer::No};
    EXPECT_FALSE(ConfirmIrreversible(f.state));
    ASSERT_EQ(f.view.messages.size(), 1u);
    EXPECT_EQ(f.view.messages[0].text, kIrreversible);
    EXPECT_EQ(f.view.messages[0].title, "Warning!!");
    EXPECT_EQ(f.view.messages[0].buttons, MessageButtons::YesNo);

    // Yes, then No to saving: the caller goes on without a save dialog.
    f.view.answers = {MessageAnswer::Yes, MessageAnswer::No};
    EXPECT_TRUE(ConfirmIrreversible(f.state));
    ASSERT_EQ(f.view.messages.size(), 3u);
    EXPECT_EQ(f.view.messages[2].text, kSaveChanges);
    EXPECT_TRUE(f.view.saveRequests.empty());

    // A saved sprite is not offered for saving.
    f.state.saved = true;
    f.view.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(ConfirmIrreversible(f.state));
    EXPECT_EQ(f.view.messages.size(), 4u);
}

TEST(Prompts, AskSaveChangesYesSavesThroughTheSaveCommand)
{
    TempDir dir;
    StateFixture f;
    f.state.saved = false;
    f.view.answers = {MessageAnswer::Yes};
    f.view.savePaths = {dir.File("drawn")};
    AskSaveChanges(f.state);
    ASSERT_EQ(f.view.saveRequests.size(), 1u) << "never saved: Save runs Save As";
    EXPECT_EQ(f.view.saveRequests[0].title, ".:Pixador :. Save File");
    EXPECT_EQ(f.state.fileName, dir.File("drawn.pxd"));
    EXPECT_TRUE(f.state.saved);
}

TEST(Prompts, ConfirmOverwriteKeepsTheFileUntilItIsReplaced)
{
    TempDir dir;
    StateFixture f;
    const std::string path = dir.File("old.pxd");
    EXPECT_TRUE(ConfirmOverwrite(f.state, path));
    EXPECT_TRUE(f.view.messages.empty());

    TempDir::Write(path, "old");
    f.view.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(ConfirmOverwrite(f.state, path));
    EXPECT_EQ(f.view.LastMessage(), "File " + path + " already Exists. Overwrite?");
    EXPECT_TRUE(ConfirmOverwrite(f.state, path));
    EXPECT_EQ(TempDir::Read(path), "old");
}

}  // namespace
}  // namespace pixador

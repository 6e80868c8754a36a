#include "files/recovery.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

#include "core/document_commands.h"
#include "core/prompts.h"
#include "core/startup.h"
#include "core/text_helpers.h"
#include "files/pxd_file.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

// Slots whose editors still run; taking one makes it this editor's.
struct FakeOwners : SlotOwners {
    std::set<std::string> running;
    bool Take(const std::string& slot) override { return running.insert(slot).second; }
    void Release(const std::string& slot) override { running.erase(slot); }
};

struct NoWindows : StartupWindows {
    void HideCanvasWindow() override {}
    void PlaceWindows(const WindowLayout&) override {}
    void ShowCanvasWindow() override {}
    void SizeCanvasWindow(const WindowLayout&) override {}
};

// An editor with a recovery copy in dir/recovery.
struct Editor {
    explicit Editor(const TempDir& dir) : folder(dir.File(kRecoveryFolder)), copy(folder, owners)
    {
        f.state.programDir = dir.str();
        f.state.recovery = &copy;
    }
    std::string File(const std::string& name) const { return JoinPath(folder, name); }
    std::set<std::string> Files() const
    {
        std::set<std::string> names;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(folder, ec)) names.insert(e.path().filename().string());
        return names;
    }

    StateFixture f;
    std::string folder;
    FakeOwners owners;
    RecoveryCopy copy;
};

TEST(Recovery, CopyFollowsUnsavedWorkAndGoesWhenItIsSavedOrGivenUp)
{
    struct Row {
        const char* name;
        std::vector<MessageAnswer> answers;
        std::function<void(EditorState&)> end;
        bool copyLeft;
    };
    const auto quit = [](bool expected) {
        return [expected](EditorState& s) { EXPECT_EQ(MDIForm_QueryUnload(s), expected); };
    };
    const MessageAnswer Yes = MessageAnswer::Yes, No = MessageAnswer::No;
    const std::vector<Row> rows = {
        {"Save over the file", {Yes}, [](EditorState& s) { SaveBttn_Click(s); }, false},
        {"quit, saving first", {Yes, Yes, Yes}, quit(true), false},
        {"No to saving, then quit", {No, Yes}, quit(true), false},
        {"No to saving, then stay", {No, No}, quit(false), false},
        {"Yes to saving, overwrite refused, stay", {Yes, No, No}, quit(false), true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        Editor e(dir);
        EditorState& s = e.f.state;
        s.fileName = dir.File("ship.pxd");
        TempDir::Write(s.fileName, std::string("\x01\x08", 2) + std::string(16, '\0'));

        // A drag in progress is not copied; its release is.
        s.saved = false;
        e.f.Scribble(1);
        s.stroke.pressActive = true;
        e.copy.Keep(s);
        EXPECT_EQ(e.copy.CopyPath(), "");
        s.stroke.pressActive = false;
        e.copy.Keep(s);
        ASSERT_NE(e.copy.CopyPath(), "");
        EXPECT_EQ(TempDir::Read(e.copy.CopyPath()), EncodeSprite(s));
        const std::string note = e.copy.CopyPath().substr(0, e.copy.CopyPath().size() - 4) + ".txt";
        EXPECT_EQ(TempDir::Read(note), "written=2004-05-01 12:34:56\nsource=" + s.fileName);

        // A later change is copied under its own time.
        e.f.Scribble(2);
        e.f.view.clock.second = 58;
        e.copy.Keep(s);
        EXPECT_EQ(TempDir::Read(e.copy.CopyPath()), EncodeSprite(s));
        EXPECT_EQ(DecodeRecoveryNote(TempDir::Read(note))->written, "2004-05-01 12:34:58");

        const std::string copy = e.copy.CopyPath();
        e.f.view.answers.assign(row.answers.begin(), row.answers.end());
        row.end(s);
        EXPECT_EQ(std::filesystem::exists(copy), row.copyLeft);
        EXPECT_EQ(std::filesystem::exists(note), row.copyLeft);
    }
}

TEST(Recovery, StartOffersCopiesOfEditorsThatAreGone)
{
    // An 8 x 2 sprite: row 0 holds levels 0, 1, 2, 3, 0, 1, 2, 3; row 1 is black.
    const std::string sprite("\x01\x02\x33\x55\xFF\xFF", 6);
    const std::vector<std::vector<int>> levels = {{0, 1, 2, 3, 0, 1, 2, 3}, std::vector<int>(8, 3)};
    const std::string named = "written=2026-12-09 03:47:04\nsource=/home/u/ship.pxd";
    struct Row {
        const char* name;
        bool ownerRuns;
        std::string pxd;
        std::string note;
        std::vector<MessageAnswer> answers;
        bool commandLine;
        // What the start shows, in order: "?" the recovery question, "!" an error, "s" the offer
        // to save before the command line's file.
        std::string prompts;
        bool restored;
        bool setAside;
    };
    const MessageAnswer Yes = MessageAnswer::Yes, No = MessageAnswer::No;
    const std::vector<Row> rows = {
        {"owner still runs", true, sprite, named, {}, false, "", false, false},
        {"owner gone, Yes", false, sprite, named, {Yes}, false, "?", true, false},
        {"owner gone, No", false, sprite, named, {No}, false, "?", false, true},
        {"never saved, Yes", false, sprite, "written=2026-12-09 03:47:04\nsource=", {Yes}, false, "?", true, false},
        {"Yes, then the command line's file", false, sprite, named, {Yes, No}, true, "?s", false, false},
        {"short copy", false, sprite.substr(0, 4), named, {}, false, "!", false, true},
        {"note missing", false, sprite, "", {}, false, "!", false, true},
        {"note garbled", false, sprite, "source=x", {}, false, "!", false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        Editor e(dir);
        std::filesystem::create_directories(e.folder);
        TempDir::Write(e.File("0dead.pxd"), row.pxd);
        if (!row.note.empty()) TempDir::Write(e.File("0dead.txt"), row.note);
        TempDir::Write(e.File("previous.pxd"), "older");
        TempDir::Write(e.File("previous.txt"), "older");
        if (row.ownerRuns) e.owners.running.insert("0dead");
        const std::string opened = dir.File("opened.pxd");
        TempDir::Write(opened, std::string("\x01\x01\x00\x00", 4));
        e.f.view.answers.assign(row.answers.begin(), row.answers.end());
        NoWindows windows;
        MDIForm_Load(e.f.state, {}, row.commandLine ? opened : "", windows);

        std::string prompts;
        for (const MessageRequest& m : e.f.view.messages)
            prompts += m.icon == MessageIcon::Critical ? "!" : m.text.starts_with("The editor ended") ? "?" : "s";
        EXPECT_EQ(prompts, row.prompts);
        if (row.prompts.starts_with("?")) {
            EXPECT_EQ(e.f.view.messages[0].title, "Warning!!");
            EXPECT_EQ(e.f.view.messages[0].buttons, MessageButtons::YesNo);
            EXPECT_EQ(e.f.view.messages[0].text, RecoveryQuestion(*DecodeRecoveryNote(row.note)));
        }
        if (row.prompts == "!") {
            EXPECT_NE(e.f.view.messages[0].text.find(e.File("0dead.pxd")), std::string::npos);
        }
        if (row.restored) {
            EXPECT_EQ(e.f.Levels(), levels);
            EXPECT_FALSE(e.f.state.saved);
            EXPECT_EQ(e.f.state.fileName, DecodeRecoveryNote(row.note)->source);
            EXPECT_EQ(e.f.view.caption, kBanner + e.f.state.fileName);
            // The restored work is this editor's copy now.
            EXPECT_EQ(TempDir::Read(e.copy.CopyPath()), sprite);
        } else if (!row.ownerRuns) {
            EXPECT_TRUE(e.f.state.saved);
            EXPECT_EQ(e.f.state.fileName, row.commandLine ? opened : "");
        }
        EXPECT_EQ(TempDir::Read(e.File("previous.pxd")), row.setAside ? row.pxd : "older");
        EXPECT_EQ(e.Files().contains("previous.txt"), !row.setAside || !row.note.empty());
        EXPECT_EQ(e.Files().contains("0dead.pxd"), row.ownerRuns);
    }
}

TEST(Recovery, NewestCopyIsOfferedFirstAndTheRestWait)
{
    TempDir dir;
    Editor e(dir);
    std::filesystem::create_directories(e.folder);
    const std::string sprite("\x01\x01\x80\x00", 4);
    TempDir::Write(e.File("a.pxd"), sprite);
    TempDir::Write(e.File("a.txt"), "written=2026-01-01 10:00:00\nsource=/old.pxd");
    TempDir::Write(e.File("b.pxd"), sprite);
    TempDir::Write(e.File("b.txt"), "written=2026-01-02 09:00:00\nsource=/new.pxd");
    TempDir::Write(e.File("c.lock"), "");  // an editor that died with nothing unsaved
    e.f.view.answers = {MessageAnswer::Yes};
    e.copy.Offer(e.f.state);
    ASSERT_EQ(e.f.view.messages.size(), 1u);
    EXPECT_EQ(e.f.state.fileName, "/new.pxd");
    EXPECT_TRUE(e.Files().contains("a.pxd"));
    EXPECT_FALSE(e.Files().contains("b.pxd"));
    EXPECT_FALSE(e.owners.running.contains("a")) << "left for the next start";
    EXPECT_FALSE(e.owners.running.contains("c"));
}

TEST(Recovery, LockFileIsHeldUntilItsOwnerLetsGo)
{
    TempDir dir;
    const std::string path = dir.File("slot.lock");
    {
        std::optional<ProcessLock> held = ProcessLock::Take(path);
        ASSERT_TRUE(held);
        EXPECT_FALSE(ProcessLock::Take(path)) << "a second owner while the first runs";
        EXPECT_TRUE(std::filesystem::exists(path));
    }
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(ProcessLock::Take(path));

    SlotLocks slots(dir.str());
    EXPECT_TRUE(slots.Take("x"));
    EXPECT_FALSE(slots.Take("x"));
    slots.Release("x");
    EXPECT_TRUE(slots.Take("x"));
}

}  // namespace
}  // namespace pixador

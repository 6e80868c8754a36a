#include "files/recovery.h"

#include <gtest/gtest.h>

#include <deque>
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

using testing::TempDir;
constexpr MessageAnswer Yes = MessageAnswer::Yes, No = MessageAnswer::No;

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

struct Editor {
    explicit Editor(const TempDir& dir) : folder(dir.File(kRecoveryFolder)), copy(folder, owners)
    {
        f.state.programDir = dir.str();
        f.state.recovery = &copy;
        std::filesystem::create_directories(folder);
    }
    std::string File(const std::string& name) const { return JoinPath(folder, name); }
    bool Has(const std::string& name) const { return std::filesystem::exists(File(name)); }

    testing::StateFixture f;
    std::string folder;
    FakeOwners owners;
    RecoveryCopy copy;
};

TEST(Recovery, CopyFollowsUnsavedWorkAndGoesWhenItIsSavedOrGivenUp)
{
    const auto quit = [](bool expected) {
        return [expected](EditorState& s) { EXPECT_EQ(MDIForm_QueryUnload(s), expected); };
    };
    struct Row {
        const char* name;
        std::deque<MessageAnswer> answers;
        std::function<void(EditorState&)> end;
        bool copyLeft;
    } rows[] = {
        {"Save", {Yes}, [](EditorState& s) { SaveBttn_Click(s); }, false},
        {"quit, saving first", {Yes, Yes, Yes}, quit(true), false},
        {"No to saving, then quit", {No, Yes}, quit(true), false},
        {"No to saving, then stay", {No, No}, quit(false), false},
        {"overwrite refused, stay", {Yes, No, No}, quit(false), true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        Editor e(dir);
        EditorState& s = e.f.state;
        s.fileName = dir.File("ship.pxd");
        TempDir::Write(s.fileName, "old");
        s.saved = false;
        e.f.Scribble(1);
        s.stroke.pressActive = true;
        e.copy.Keep(s);
        EXPECT_EQ(e.copy.CopyPath(), "") << "written during a drag";
        s.stroke.pressActive = false;
        e.copy.Keep(s);
        const std::string copy = e.copy.CopyPath(), note = copy.substr(0, copy.size() - 4) + ".txt";
        EXPECT_EQ(TempDir::Read(note), "written=2004-05-01 12:34:56\nsource=" + s.fileName);
        e.f.Scribble(2);
        e.f.view.clock.second = 58;
        e.copy.Keep(s);
        EXPECT_EQ(TempDir::Read(copy), EncodeSprite(s));
        EXPECT_EQ(DecodeRecoveryNote(TempDir::Read(note))->written, "2004-05-01 12:34:58");

        e.f.view.answers = row.answers;
        row.end(s);
        EXPECT_EQ(std::filesystem::exists(copy), row.copyLeft);
        EXPECT_EQ(std::filesystem::exists(note), row.copyLeft);
    }
}

TEST(Recovery, StartOffersCopiesOfEditorsThatAreGone)
{
    // 8 x 2: row 0 holds the levels 0, 1, 2, 3, 0, 1, 2, 3; row 1 is black.
    const std::string sprite("\x01\x02\x33\x55\xFF\xFF", 6);
    const std::string named = "written=2026-12-09 03:47:04\nsource=/home/u/ship.pxd";
    // prompts: "?" the question, "!" an error, "s" the offer to save before the command line's file.
    struct Row {
        const char* name;
        bool ownerRuns;
        std::string pxd, note;
        std::deque<MessageAnswer> answers;
        bool older, commandLine;
        std::string prompts, fileName;
        bool setAside, olderLeft;
    } rows[] = {
        {"owner still runs", true, sprite, named, {}, false, false, "", "", false, false},
        {"Yes", false, sprite, named, {Yes}, false, false, "?", "/home/u/ship.pxd", false, false},
        {"No", false, sprite, named, {No}, false, false, "?", "", true, false},
        {"never saved, Yes", false, sprite, "written=2026-12-09 03:47:04\nsource=", {Yes}, false, false, "?", "", false, false},
        {"newer first, the older waits", false, sprite, named, {Yes}, true, false, "?", "/home/u/ship.pxd", false, true},
        {"No to the newer, Yes to the older", false, sprite, named, {No, Yes}, true, false, "??", "/old.pxd", true, false},
        {"Yes, then the command line", false, sprite, named, {Yes, No}, false, true, "?s", "opened", false, false},
        {"short copy", false, sprite.substr(0, 4), named, {}, false, false, "!", "", true, false},
        {"note missing", false, sprite, "", {}, false, false, "!", "", true, false},
        {"note garbled", false, sprite, "source=x", {}, false, false, "!", "", true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        Editor e(dir);
        TempDir::Write(e.File("0dead.pxd"), row.pxd);
        if (!row.note.empty()) TempDir::Write(e.File("0dead.txt"), row.note);
        if (row.older) TempDir::Write(e.File("1old.pxd"), sprite);
        if (row.older) TempDir::Write(e.File("1old.txt"), "written=2026-12-08 23:00:00\nsource=/old.pxd");
        TempDir::Write(e.File("previous.pxd"), "older");
        if (row.ownerRuns) e.owners.running.insert("0dead");
        TempDir::Write(dir.File("opened"), std::string("\x01\x01\x00\x00", 4));
        e.f.view.answers = row.answers;
        NoWindows windows;
        MDIForm_Load(e.f.state, {}, row.commandLine ? dir.File("opened") : "", windows);

        std::string prompts;
        for (const MessageRequest& m : e.f.view.messages)
            prompts += m.icon == MessageIcon::Critical ? '!' : m.text.starts_with("The editor ended") ? '?' : 's';
        EXPECT_EQ(prompts, row.prompts);
        if (prompts == "!") { EXPECT_NE(e.f.view.LastMessage().find(e.File("0dead.pxd")), std::string::npos); }
        if (prompts[0] == '?') { EXPECT_EQ(e.f.view.messages[0].text, RecoveryQuestion(*DecodeRecoveryNote(row.note))); }
        const bool restored = !row.commandLine && !row.answers.empty() && row.answers.back() == Yes;
        EXPECT_EQ(e.f.state.saved, !restored);
        EXPECT_EQ(FileNameOf(e.f.state.fileName), FileNameOf(row.fileName));
        if (restored) {
            EXPECT_EQ(EncodeSprite(e.f.state), sprite);
            EXPECT_EQ(TempDir::Read(e.copy.CopyPath()), sprite) << "the work is this editor's copy now";
        }
        EXPECT_EQ(TempDir::Read(e.File("previous.pxd")), row.setAside ? row.pxd : "older");
        EXPECT_EQ(e.Has("0dead.pxd"), row.ownerRuns);
        EXPECT_EQ(e.Has("1old.pxd"), row.olderLeft);
    }
}

TEST(Recovery, LockFileIsHeldUntilItsOwnerLetsGo)
{
    TempDir dir;
    SlotLocks slots(dir.str());
    EXPECT_TRUE(slots.Take("x"));
    EXPECT_FALSE(slots.Take("x"));
    EXPECT_FALSE(ProcessLock::Take(dir.File("x.lock"))) << "a second owner while the first runs";
    slots.Release("x");
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.lock")));
    EXPECT_TRUE(ProcessLock::Take(dir.File("x.lock")));
    const std::optional<ProcessLock> other = ProcessLock::Take(dir.File("y.lock"));
    ASSERT_TRUE(other);
    EXPECT_FALSE(slots.Take("y")) << "a slot another editor holds";
}

}  // namespace
}  // namespace pixador

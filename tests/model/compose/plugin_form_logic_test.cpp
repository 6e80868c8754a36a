#include "compose/plugin_form_logic.h"

#include <gtest/gtest.h>

#include "core/history.h"
#include "model/files/host_c_compiler.h"
#include "core/prompts.h"
#include "model/compose/plugin_fixture.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::ProgramFolder;
using testing::SamplePlugin;
using testing::TestPlugin;
using Strings = std::vector<std::string>;

// filters/ holds a text file named like a library, a sample, the probe and two incomplete ones.
struct Dialog : testing::StateFixture {
    Dialog() : StateFixture(8, 8)
    {
        testing::TempDir::Write(folder.Filter("a_notes.so"), "not a library");
        folder.Add(SamplePlugin("outline.so"), "outline.so");
        folder.Add(TestPlugin("probe.so"), "probe.so");
        folder.Add(TestPlugin("probe_bare.so"), "probe_bare.so");
        folder.Add(TestPlugin("probe_nameless.so"), "probe_nameless.so");
        form.Form_Load();
        view.redraws = 0;
    }
    void SelectProbe(const char* result = "1")
    {
        form.PlugInList_Click(1);
        form.SParaVal_Change(result);
    }

    ProgramFolder folder;
    PlugRunLibrary plugrun{folder.dir.str()};
    PlugInFormLogic form{state, plugrun, folder.dir.str()};
};

TEST(PlugInForm, LoadListsAnsweringPlugInsAndShowsTheFirstOnesParameters)
{
    Dialog d;
    EXPECT_EQ(d.form.plugInList, (Strings{"Outline", "Probe", "Bare probe"}));
    EXPECT_EQ(d.form.PluginPaths, (Strings{d.folder.Filter("outline.so"), d.folder.Filter("probe.so"),
                                           d.folder.Filter("probe_bare.so")}));
    EXPECT_EQ(d.form.tabCaptions, (Strings{"Plugin", "Configuration"}));
    EXPECT_EQ(d.form.plugInRow, 0);
    EXPECT_EQ(d.form.sParaList, Strings{"Width"});
    EXPECT_EQ(d.form.sParaVal, "1");
    EXPECT_EQ(d.form.lParaList, (Strings{"Colour", "Touching"}));
    EXPECT_EQ(d.form.lParaOptions, (Strings{"White", "Light gray", "Dark gray", "Black"}));
    EXPECT_EQ(d.form.lParaOption, 3);
    EXPECT_TRUE(d.view.messages.empty());

    // Without a configuration entry the lists empty and the frames stay as they were.
    d.form.PlugInList_Click(2);
    EXPECT_TRUE(d.form.sParaList.empty() && d.form.lParaList.empty() && d.form.lParaOptions.empty());
    EXPECT_TRUE(d.form.spFrameVisible && d.form.lpFrameVisible);
}

TEST(PlugInForm, EditsReachTheRecordUntilAnotherSelectionResetsIt)
{
    Dialog d;
    d.SelectProbe("7");
    d.form.SParaVal_Change("");  // an emptied box keeps the last value
    d.form.SParaList_Click(1);
    d.form.SParaList_Click(0);
    EXPECT_EQ(d.form.sParaVal, "7");
    d.form.SParaVal_Change("4\r\n2");
    EXPECT_EQ(d.form.sParaVal, "42");
    d.form.SParaList_Click(1);
    d.form.SParaVal_Change("a text longer than a field");
    d.form.SParaList_Click(1);
    EXPECT_EQ(d.form.sParaVal, "a text longer t");

    d.form.LParaOptions_Click(2);
    d.form.LParaList_Click(0);
    EXPECT_EQ(d.form.lParaOption, 2);
    EXPECT_EQ(d.form.CurrentParams.lpara[0].selected, 2);

    d.form.PlugInList_Click(1);
    EXPECT_EQ(d.form.sParaVal, "1");
    EXPECT_EQ(d.form.lParaOption, 1);
}

TEST(PlugInForm, ApplyChangesTheSelectionAsOneUndoableStep)
{
    Dialog d;
    d.Scribble(1);
    const SpriteImage before = d.state.sprite;
    d.state.selection = {true, 2, 3, 3, 4};
    d.SelectProbe();
    EXPECT_TRUE(d.form.ApplyFilter_Click());
    EXPECT_EQ(GetPixel(d.state, 2, 3), kBlack);
    EXPECT_EQ(GetPixel(d.state, 4, 6), kBlack);
    EXPECT_EQ(d.state.undoCount, 1);
    EXPECT_EQ(d.view.redraws, 1);
    EXPECT_TRUE(d.state.saved);
    UndoStep(d.state);
    EXPECT_EQ(d.state.sprite.cells, before.cells);
}

TEST(PlugInForm, FailedApplyLeavesSpriteAddsAnUndoStepAndKeepsTheDialogOpen)
{
    struct Row {
        int plugin;
        const char* value;
    };
    for (const Row& r : {Row{1, "0"}, Row{1, "2"}, Row{1, "-1"}, Row{0, "0"}, Row{0, "abc"}}) {
        Dialog d;
        d.Scribble(2);
        const SpriteImage before = d.state.sprite;
        d.form.PlugInList_Click(r.plugin);
        d.form.SParaVal_Change(r.value);
        EXPECT_FALSE(d.form.ApplyFilter_Click());
        EXPECT_EQ(d.state.sprite.cells, before.cells) << r.value;
        EXPECT_EQ(d.state.undoCount, 1);
        EXPECT_EQ(d.view.redraws, 0);
        ASSERT_EQ(d.view.messages.size(), 1u);
        EXPECT_EQ(d.view.messages[0].text, "Error while trying to apply " + d.form.PluginPaths[r.plugin] + " plug-in!!");
        EXPECT_EQ(d.view.messages[0].title, kErrorTitle);
        EXPECT_EQ(d.view.messages[0].icon, MessageIcon::Critical);
    }
}

TEST(PlugInForm, NothingToApplyWithoutPlugInsOrPlugrun)
{
    ProgramFolder empty;
    testing::StateFixture f;
    PlugRunLibrary plugrun(empty.dir.str());
    PlugInFormLogic form(f.state, plugrun, empty.dir.str());
    form.Form_Load();
    EXPECT_TRUE(form.plugInList.empty());
    EXPECT_FALSE(form.ApplyFilter_Click());
    EXPECT_EQ(f.state.undoCount, 0);
    EXPECT_TRUE(f.view.messages.empty());

    testing::TempDir bare;  // no plugrun beside the program
    PlugRunLibrary missing(bare.str());
    PlugInFormLogic orphan(f.state, missing, bare.str());
    orphan.Form_Load();
    EXPECT_TRUE(orphan.plugInList.empty());
    ASSERT_EQ(f.view.messages.size(), 1u);
    EXPECT_EQ(f.view.messages[0].text, "Error while trying to load " + bare.File(PlugRunFileName()) +
                                           "!!\r\nPlug-ins cannot run without it.");
}

// The authors' README: its example, built with its one command, is listed and works.
TEST(PlugInForm, ReadmeExampleBuiltByHandIsListedAndApplies)
{
    if (!testing::HostCCompilerAvailable()) GTEST_SKIP() << "no host C compiler";
    const std::string readme = testing::TempDir::Read(std::string(PIXADOR_SOURCE_DIR) + "/filters_src/filterlib/README.md");
    const auto block = [&](const std::string& fence) {
        const std::size_t start = readme.find(fence + "\n") + fence.size() + 1;
        return readme.substr(start, readme.find("```", start) - start);
    };
    std::string command = block("```sh");
    const std::string target = "/path/to/pixador/filters/invert.so";
    ProgramFolder folder;
    command.replace(command.find(target), target.size(), folder.Filter("invert.so"));
    testing::TempDir work;
    testing::TempDir::Write(work.File("invert.c"), block("```c"));
    ASSERT_EQ(std::system(("cd '" + work.str() + "' && PXD='" PIXADOR_SOURCE_DIR "/filters_src'; " + command).c_str()), 0);

    testing::StateFixture f(8, 1);
    SetPixel(f.state, 0, 0, kLightGray);
    PlugRunLibrary plugrun(folder.dir.str());
    PlugInFormLogic form(f.state, plugrun, folder.dir.str());
    form.Form_Load();
    EXPECT_EQ(form.plugInList, Strings{"Invert"});
    form.SParaVal_Change("2");
    EXPECT_TRUE(form.ApplyFilter_Click());
    EXPECT_EQ(f.Row(0), (std::vector<int>{2, 0, 3, 0, 3, 0, 3, 0}));
}

}  // namespace
}  // namespace pixador

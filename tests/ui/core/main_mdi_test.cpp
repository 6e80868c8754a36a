#include "core/app/main_mdi.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <fstream>

#include <gtest/gtest.h>

#include "core/app/qt_editor_view.h"
#include "core/editor_state.h"
#include "core/prompts.h"
#include "support/temp_dir.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::MainWindowFixture;
using testing::TempDir;

const std::string kSprite8x2("\x01\x02\x33\x55\xFF\xFF", 6);

// One line per menu entry: submenus and items as "name|caption|key|checked", separators "-".
void Walk(const QMenu& menu, std::vector<std::string>& out, const std::string& indent)
{
    for (QAction* a : menu.actions()) {
        if (a->isSeparator()) {
            out.push_back(indent + "-");
        } else if (a->menu()) {
            out.push_back(indent + a->menu()->objectName().toStdString() + "|" + a->text().toStdString());
            Walk(*a->menu(), out, indent + "  ");
        } else {
            out.push_back(indent + a->objectName().toStdString() + "|" + a->text().toStdString() + "|" +
                          a->shortcut().toString().toStdString() + "|" + (a->isChecked() ? "checked" : ""));
        }
    }
}

TEST(MainWindow, MenuBarHoldsEveryItemInOrderWithCaptionsKeysAndChecks)
{
    MainWindowFixture f("", false);
    std::vector<std::string> lines;
    for (QAction* top : f.window->menuBar()->actions()) {
        lines.push_back(top->menu()->objectName().toStdString() + "|" + top->text().toStdString());
        Walk(*top->menu(), lines, "  ");
    }
    std::vector<std::string> expected{"QuickAccessMenu|="};
    for (int i = 1; i <= 9; ++i)
        expected.push_back("  QA|&" + std::to_string(i) + "|Ctrl+F" + std::to_string(i) + "|");
    const std::vector<std::string> rest{
        "  -", "  ClearQABttn|&Clear||",
        "FileMenu|&File", "  NewBttn|&New|Ctrl+N|", "  LoadBttn|&Open|Ctrl+O|", "  -",
        "  MergeSprite|&Merge|Shift+Ins|", "  -", "  SaveAsBttn|Save &As|Ctrl+A|", "  SaveBttn|&Save|Ctrl+S|", "  -",
        "  RestoreBttn|&Restore ...||", "  -", "  ImportMenu|&Import", "    ImportBMP|From &Bitmap|Ctrl+I|",
        "    ImportFromC|From &C Source|Ctrl+U|", "  ExportMenu|&Export", "    ExportBMP|As &Bitmap|Ctrl+B|",
        "    ExportCode|As &C source|Ctrl+E|", "    ExportASMBttn|As A&SM  Data Array|Ctrl+W|",
        "    ExportASCII|As Plain &ASCII|Ctrl+K|", "  -", "  Generate|&Generate|Ctrl+G|", "  -",
        "  QuitMenu|&Quit|Ctrl+Q|",
        "EditMenu|&Edit", "  UndoBttn|&Undo|Ctrl+Z|", "  RedoBttn|&Redo|Shift+F1|", "  -",
        "  ClearBttn|Clear &All|Shift+Del|", "  FillAll|&Fill All|Ctrl+F|", "  -", "  SelectAll|&Select All|Ctrl+P|",
        "  CopyBttn|&Copy|Ctrl+C|", "  PasteBttn|&Paste|Ctrl+V|", "  CutBttn|C&ut|Ctrl+X|",
        "  ClipDABttn|Copy to C&lipboard|Ctrl+D|", "  -", "  PXDCopyBttn|&Export PXD Data||",
        "  PXDPasteBttn|&Import PXD Data||", "  -", "  CropBttn|C&rop|Ctrl+Y|",
        "SpriteMenu|&Sprite", "  FiltersMenu|&Filters", "    BrightnesPlusBttn|&Lighten||",
        "    BrightnesMinusBttn|&Darken||", "    -", "    ForceBWBttn|White and &Black||", "    -",
        "    NoiseFilterBttn|&Noise||", "    WavesBttn|&Waves||", "    -", "    BlurBttn|B&lur||", "    -",
        "    PlugInsMenu|&Plug-Ins||", "  -", "  FlipMenu|&Flip", "    HorizFlip|&Horizontally|Ctrl+H|",
        "    VertFlip|&Vertically|Ctrl+T|", "  RotateMenu|&Rotate", "    RotateRightBttn|90\u00BA &CW||",
        "    RotateLeftBttn|90\u00BA CC&W||", "  ShiftMenu|&Shift", "    ShiftUp|&Up|F3|", "    ShiftDown|&Down|F4|",
        "    ShiftRight|&Right|F5|", "    ShiftLeft|&Left|F6|", "    -", "    CustomShift|&Custom...||", "  -",
        "  MaskMenu|&Mask|Ctrl+M|", "  -", "  ResizeBttn|Resize||", "  ResizeCanvasBttn|Resi&ze Canvas|Ctrl+R|",
        "OptionMenu|&Options", "  LCDColors|&LCD Grayscale|F8|checked", "  -", "  ConfPanel|&Configuration Panel|F9|",
        "ViewMenu|&View", "  PreviewsMenu|&Previews", "    NewPreviewBttn|&New...|F11|",
        "    DelLastPreviewBttn|&Destroy last...|F12|", "  -", "  GridOn|&Grid||checked", "  -",
        "  ShowZoom|&Zoom window||checked", "  ShowColors|&Color Palette||checked", "  ShowToolbox|&Toolbox||checked",
        "  ViewPSizeB|&Pen size box||checked",
        "HelpMenu|&Help", "  HelpBttn|&Index|F1|", "  -", "  AboutBttn|&About||",
    };
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(lines, expected);

    for (const char* ready : {"NewBttn", "LoadBttn", "MergeSprite", "SaveBttn", "SaveAsBttn", "RestoreBttn", "QuitMenu",
                              "MaskMenu", "HelpBttn", "ClearBttn", "HorizFlip", "ImportBMP", "ExportBMP"})
        EXPECT_TRUE(f.Action(ready)->isEnabled()) << ready;
}

bool ImagePlugInsLoaded()
{
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.find("/imageformats/") != std::string::npos) return true;
    return false;
}

// What once made the editor's start-up a quarter slower than an empty window's: style sheets, and
// a picture read through QImageReader before the window is first shown (its first use loads every
// image-format plug-in).
TEST(MainWindow, StartUpUsesNoStyleSheetAndReadsNoPictureThroughImagePlugIns)
{
    if (ImagePlugInsLoaded()) GTEST_SKIP() << "an earlier test in this process read a picture";
    MainWindowFixture f;
    EXPECT_FALSE(ImagePlugInsLoaded());
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    for (const QWidget* w : f.window->findChildren<QWidget*>())
        EXPECT_TRUE(w->styleSheet().isEmpty()) << w->objectName().toStdString();
}

TEST(MainWindow, FirstStartWritesDefaultFilesAndClosingAsksThenWritesArrangement)
{
    MainWindowFixture f;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window.get()));
    EXPECT_EQ(f.Title(), QString(kBanner));
    EXPECT_EQ(f.state.sprite.width, 8);
    EXPECT_EQ(f.state.sprite.height, 8);
    EXPECT_TRUE(f.state.lcdColors);
    EXPECT_EQ(f.state.sineTable[30], 128);
    EXPECT_FALSE(f.Action("UndoBttn")->isEnabled());
    const std::string ini = TempDir::Read(f.dir.File("Pixador.ini"));
    EXPECT_EQ(ini.substr(0, 16), "LCDColorSet= 1\r\n");
    EXPECT_EQ(std::count(ini.begin(), ini.end(), '\n'), 18);
    EXPECT_EQ(TempDir::Read(f.dir.File("QAccess.ini")), "");
    EXPECT_FALSE(std::filesystem::exists(f.dir.File("PxdWinPos.ini")));
    EXPECT_EQ(f.Action("QA")->text(), QString("&1 "));

    // No: the editor keeps running, but the arrangement is written already.
    f.prompter.answers = {MessageAnswer::No};
    EXPECT_FALSE(f.window->close());
    EXPECT_TRUE(f.window->isVisible());
    ASSERT_EQ(f.prompter.messages.size(), 1u);
    EXPECT_EQ(f.prompter.messages[0].text, "Are you sure you want to quit?");
    EXPECT_EQ(f.prompter.messages[0].title, kBanner);
    const std::string layout = TempDir::Read(f.dir.File("PxdWinPos.ini"));
    EXPECT_EQ(layout.substr(0, 10), "Main_Left=");
    EXPECT_NE(layout.find("\r\nWin_State=0\r\n"), std::string::npos);

    // An unsaved sprite is offered for saving first; then Yes quits.
    f.state.saved = false;
    f.prompter.messages.clear();
    f.prompter.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_TRUE(f.window->close());
    ASSERT_EQ(f.prompter.messages.size(), 2u);
    EXPECT_EQ(f.prompter.messages[0].text.substr(0, 26), "your Sprite have changed s");
}

TEST(MainWindow, StartUpReadsPreferencesAndLoadsTheCommandLineFile)
{
    TempDir files;
    const std::string sprite = files.File("my ship.pxd");
    TempDir::Write(sprite, kSprite8x2);
    {
        MainWindowFixture f("", false);
        TempDir::Write(f.dir.File("Pixador.ini"), "DefaultWidth= 16\r\nDefaultHeight= 5\r\nLCDColorSet= 0\r\n");
        TempDir::Write(f.dir.File("QAccess.ini"), files.File("a.pxd") + "\r\n");
        f.Load("\"" + sprite + "\"");
        EXPECT_EQ(f.state.sprite.width, 8);
        EXPECT_EQ(f.state.sprite.height, 2);
        EXPECT_EQ(f.Title().toStdString(), std::string(kBanner) + sprite);
        EXPECT_FALSE(f.state.lcdColors);
        EXPECT_FALSE(f.Action("LCDColors")->isChecked());
        EXPECT_EQ(f.Action("QA")->text(), QString("&1 a.pxd"));
        EXPECT_TRUE(f.prompter.messages.empty());
    }
    {
        MainWindowFixture f("", false);
        TempDir::Write(f.dir.File("Pixador.ini"), "DefaultWidth= 16\r\nDefaultHeight= 5\r\n");
        f.Load(sprite);  // unquoted, with a blank inside
        EXPECT_EQ(f.state.fileName, sprite);
    }
    {
        MainWindowFixture f("", false);
        TempDir::Write(f.dir.File("Pixador.ini"), "DefaultWidth= 16\r\nDefaultHeight= 5\r\n");
        const std::string missing = files.File("nowhere.pxd");
        f.Load("\"" + missing);  // a quote only at the start is part of the path
        ASSERT_EQ(f.prompter.messages.size(), 1u);
        EXPECT_EQ(f.prompter.messages[0].text,
                  "Error while reading \"" + missing + ".\r\nThe file may Not exist or to be corrupted!!");
        EXPECT_TRUE(f.prompter.ownerShownAtLastMessage) << "the error shows over the main window";
        EXPECT_EQ(f.state.sprite.width, 16);
        EXPECT_EQ(f.state.sprite.height, 5);
        EXPECT_EQ(f.Title(), QString(kBanner));
    }
}

TEST(MainWindow, SaveOpenRestoreAndQuickAccessThroughTheMenu)
{
    MainWindowFixture f;
    const std::string path = f.dir.File("drawn");

    // Save on a never-saved sprite runs Save As; cancelling saves nothing.
    f.state.saved = false;
    f.Trigger("SaveBttn");
    EXPECT_EQ(f.prompter.saveRequests.size(), 1u);
    EXPECT_FALSE(f.state.saved);
    f.prompter.savePaths = {path};
    f.Trigger("SaveBttn");
    EXPECT_TRUE(f.state.saved);
    EXPECT_EQ(f.Title().toStdString(), std::string(kBanner) + path + ".pxd");
    EXPECT_EQ(f.prompter.saveRequests[1].title, ".:Pixador :. Save File");
    EXPECT_EQ(f.prompter.saveRequests[1].initialFolder, f.dir.str()) << "lastDir empty: the program folder";

    // Plain Save over the file asks the overwrite question; No keeps the state.
    f.state.saved = false;
    f.prompter.answers = {MessageAnswer::No};
    f.Trigger("SaveBttn");
    EXPECT_FALSE(f.state.saved);

    // Restore, answered No then Yes.
    SetPixel(f.state, 0, 0, kBlack);
    f.prompter.messages.clear();
    f.prompter.answers = {MessageAnswer::No};
    f.Trigger("RestoreBttn");
    EXPECT_EQ(GetPixel(f.state, 0, 0), kBlack);
    f.prompter.answers = {MessageAnswer::Yes, MessageAnswer::No};  // continue; do not save
    f.Trigger("RestoreBttn");
    EXPECT_EQ(GetPixel(f.state, 0, 0), kWhite);
    EXPECT_TRUE(f.state.saved);

    // Open another file; it lands in the quick-access menu and file.
    const std::string other = f.dir.File("other.pxd");
    TempDir::Write(other, kSprite8x2);
    f.prompter.messages.clear();
    f.prompter.openPaths = {other};
    f.Trigger("LoadBttn");
    EXPECT_TRUE(f.prompter.messages.empty()) << "a saved sprite is not offered for saving";
    EXPECT_EQ(f.state.sprite.height, 2);
    EXPECT_EQ(f.prompter.openRequests.back().title, ".:Pixador :. Open File");
    EXPECT_EQ(TempDir::Read(f.dir.File("QAccess.ini")), path + ".pxd\r\n" + other + "\r\n");
    const QList<QAction*> qa = f.window->findChildren<QAction*>("QA");
    ASSERT_EQ(qa.size(), 9);
    EXPECT_EQ(qa[1]->text(), QString("&2 other.pxd"));

    // Quick access item 1 loads the first file; an empty item does nothing.
    f.prompter.answers = {MessageAnswer::Yes};
    qa[0]->trigger();
    EXPECT_EQ(f.state.fileName, path + ".pxd");
    EXPECT_EQ(f.state.sprite.height, 8);
    f.prompter.messages.clear();
    qa[5]->trigger();
    EXPECT_TRUE(f.prompter.messages.empty());

    f.Trigger("ClearQABttn");
    EXPECT_EQ(qa[0]->text(), QString("&1 "));
    EXPECT_EQ(TempDir::Read(f.dir.File("QAccess.ini")), "");

    // Restore without a file.
    f.state.fileName.clear();
    f.Trigger("RestoreBttn");
    EXPECT_EQ(f.prompter.messages.back().text, "The file hasn't been saved before!");
}

TEST(MainWindow, DroppedFilesLoadOnlyWhenTheLastIsASpriteFile)
{
    MainWindowFixture f;
    f.state.preferences.PromptForErasure = false;
    const std::string sprite = f.dir.File("DROP.PXD");
    TempDir::Write(sprite, kSprite8x2);
    TempDir::Write(f.dir.File("notes.txt"), "hello");
    const auto drop = [&](const std::vector<std::string>& names) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& n : names) urls << QUrl::fromLocalFile(QString::fromStdString(n));
        data.setUrls(urls);
        f.window->DropData(data);
    };
    drop({sprite, f.dir.File("notes.txt")});
    EXPECT_EQ(f.state.sprite.height, 8) << "the last file is not a sprite";
    drop({});
    EXPECT_EQ(f.state.sprite.height, 8);
    TempDir::Write(f.dir.File("broken.pxd"), "\x01");
    drop({f.dir.File("broken.pxd")});
    EXPECT_EQ(f.state.sprite.height, 8) << "a failed load changes nothing";
    drop({f.dir.File("notes.txt"), sprite});
    EXPECT_EQ(f.state.sprite.height, 2) << "capital extension loads";
    EXPECT_EQ(f.state.fileName, sprite);
}

TEST(MainWindow, AboutWindowShowsItsLabels)
{
    MainWindowFixture f;
    f.Trigger("AboutBttn");
    QWidget* about = f.window->findChild<QWidget*>("AboutForm");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QString("About Pixador"));
    EXPECT_EQ(about->findChild<QLabel*>("VerLbl")->text(), QString("v1.55uF"));
    EXPECT_EQ(about->findChild<QLabel*>("DateLbl")->text(), QString("05/01/2004"));
}

}  // namespace
}  // namespace pixador

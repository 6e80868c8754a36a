#include "files/ui/code_commands.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include "core/app/qt_editor_view.h"
#include "core/editor_state.h"
#include "core/sprite.h"
#include "core/whole_sprite.h"
#include "files/ui/code_form.h"
#include "files/ui/import_c.h"
#include "model/files/host_c_compiler.h"
#include "ui/activation.h"
#include "ui/main_window_fixture.h"
#include "ui/scripted_prompter.h"
#include "support/line_breaks.h"
#include "support/temp_dir.h"
#include "core/ui/planes_preview.h"

namespace pixador {
namespace {

using testing::ScriptedPrompter;
using testing::TempDir;

// A stand-in for the main window: the five menu items, an MDI area and a status bar.
struct Harness {
    Harness() : state(view)
    {
        main.setCentralWidget(area);
        main.statusBar()->showMessage("Ready");
        QMenu* file = main.menuBar()->addMenu("&File");
        for (const char* name : {"Generate", "ExportCode", "ExportASMBttn", "ExportASCII", "ImportFromC"}) {
            QAction* a = file->addAction(name);
            a->setObjectName(name);
            a->setEnabled(false);
        }
        view.Attach(&main);
        view.SetPrompter(&prompter);
        ResizeSprite(state, 8, 2);
        ConnectCodeCommands(main, state);
        main.resize(900, 700);
        main.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    void Trigger(const char* name) { main.findChild<QAction*>(name)->trigger(); }
    template <typename W>
    W* Find(const char* name) const
    {
        return main.findChild<W*>(name);
    }

    QMainWindow main;
    QMdiArea* area = new QMdiArea;
    QtEditorView view;
    ScriptedPrompter prompter;
    EditorState state;
};

// A check box answers clicks on its box and caption only.
void ClickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void DrawWorkedExample(EditorState& state)
{
    for (int x = 0; x < 8; ++x) {
        SetPixel(state, x, 0, x % 4);
        SetPixel(state, x, 1, kBlack);
    }
}

TEST(CodeCommandsWindow, ConnectingEnablesTheFiveCommands)
{
    Harness h;
    for (const char* name : {"Generate", "ExportCode", "ExportASMBttn", "ExportASCII", "ImportFromC"})
        EXPECT_TRUE(h.Find<QAction>(name)->isEnabled()) << name;
}

TEST(CodeCommandsWindow, GenerateShowsTheCodeWindowAndFillsTheClipboard)
{
    Harness h;
    DrawWorkedExample(h.state);
    h.state.preferences.CopytoClipboard = true;
    QApplication::clipboard()->clear();
    h.Trigger("Generate");

    auto* form = h.Find<CodeForm>("CodeForm");
    ASSERT_NE(form, nullptr);
    auto* box = h.Find<QPlainTextEdit>("CodeBox");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(form->parentWidget()->windowTitle(), "Code");
    EXPECT_TRUE(box->toPlainText().startsWith("  unsigned char sprite[4] = {\n    0x33,0xFF,0x55,0xFF\n  };"));
    EXPECT_TRUE(box->toPlainText().endsWith("&sprite[2],GrayGetPlane (LIGHT_PLANE),SPRT_XOR);"));
    // The clipboard holds the platform's line breaks; the box shows them as "\n".
    EXPECT_EQ(testing::AsLf(QApplication::clipboard()->text().toStdString()), box->toPlainText().toStdString());

    // The box follows the window, less its frame.
    QWidget* window = form->parentWidget();
    window->resize(500, 400);
    QApplication::processEvents();
    EXPECT_LT(box->width(), 500);
    EXPECT_GT(box->width(), 450);
    EXPECT_LT(box->height(), 400);
    EXPECT_GT(box->height(), 330);

    // A second Generate reuses the window and only replaces the text.
    h.state.preferences.SpriteEncodeMethod = 1;
    h.Trigger("Generate");
    EXPECT_EQ(h.main.findChildren<CodeForm*>().size(), 1);
    EXPECT_TRUE(box->toPlainText().contains("51,255,85,255"));
}

TEST(CodeCommandsWindow, ClipboardTextOfAGraySpriteCompilesToItsPlanes)
{
    if (!testing::HostCCompilerAvailable()) GTEST_SKIP() << "no host C compiler";
    Harness h;
    ResizeSprite(h.state, 16, 3);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 3; ++y) SetPixel(h.state, x, y, (x + 2 * y) % 4);
    h.state.preferences.CopytoClipboard = true;
    h.state.preferences.SampleCall = false;
    h.Trigger("Generate");
    const std::string pasted = QApplication::clipboard()->text().toStdString();

    std::string program = "#include <stdio.h>\n" + pasted +
                          "\nint main(void){ unsigned i; for (i = 0; i < sizeof sprite / sizeof sprite[0]; ++i) "
                          "printf(\"%u \", (unsigned)sprite[i]); return 0; }\n";
    TempDir dir;
    const std::optional<std::string> out = testing::CompileAndRun(dir, program);
    ASSERT_TRUE(out) << TempDir::Read(dir.File("cc.log"));
    std::string expected;
    const SpriteImage& s = h.state.sprite;
    for (int plane = 0; plane < 2; ++plane) {
        for (int y = 0; y < 3; ++y) {
            unsigned v = 0;
            for (int x = 0; x < 16; ++x) v = v * 2 + GetPlaneBit(s.cells, 16, 3, x, y, plane);
            expected += std::to_string(v);
            expected += ' ';
        }
    }
    EXPECT_EQ(*out, expected);
}

TEST(CodeCommandsWindow, ExportDialogsWriteTheirFiles)
{
    TempDir dir;
    Harness h;
    DrawWorkedExample(h.state);
    h.prompter.savePaths = {dir.File("demo"), dir.File("arr"), dir.File("pic.txt"), ""};
    h.Trigger("ExportCode");
    h.Trigger("ExportASMBttn");
    h.Trigger("ExportASCII");
    h.Trigger("ExportCode");  // cancelled
    EXPECT_EQ(TempDir::Read(dir.File("demo.c")).substr(0, 2), "/*");
    EXPECT_NE(testing::AsLf(TempDir::Read(dir.File("arr.asm"))).find("sprite:\n    dc.b $33\n"), std::string::npos);
    EXPECT_EQ(TempDir::Read(dir.File("pic.txt")), " .%# .%#\r\n########\r\n");
    ASSERT_EQ(h.prompter.saveRequests.size(), 4u);
    EXPECT_EQ(h.prompter.saveRequests[1].description, "ASM Source Files (*.s, *.asm, *.h)");
    EXPECT_TRUE(h.prompter.messages.empty());
}

TEST(CodeCommandsWindow, ImportPanelPreviewsAndImportsTheChosenArray)
{
    TempDir dir;
    Harness h;
    h.state.preferences.PromptForErasure = false;
    TempDir::Write(dir.File("two.c"),
                   "unsigned char first[5] = {0x01,0x02,0x03,0x04,0x05};\n"
                   "unsigned short pair[4] = {\n  0xFF00,0x00FF,\n  0xF0F0,0x0F0F\n};\n");
    h.prompter.openPaths = {dir.File("two.c")};
    h.Trigger("ImportFromC");
    EXPECT_EQ(h.main.statusBar()->currentMessage(), "Ready");

    auto* panel = h.Find<ImportC>("ImportC");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentWidget()->windowTitle(), "C Import Panel");
    QApplication::processEvents();
    EXPECT_TRUE(panel->isVisible());
    auto* list = h.Find<QListWidget>("ArrayList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "first");
    EXPECT_EQ(list->item(1)->text(), "pair");
    auto* gray = h.Find<QCheckBox>("ParseGrayscale");
    EXPECT_FALSE(gray->isChecked());
    EXPECT_FALSE(h.Find<QGroupBox>("GAOFrame")->isEnabled());
    EXPECT_FALSE(h.Find<QComboBox>("NSprites")->isEnabled());
    EXPECT_TRUE(h.Find<QRadioButton>("DLMode")->isChecked());

    // Pressing Import with nothing chosen does nothing.
    QTest::mouseClick(h.Find<QPushButton>("OkBttn"), Qt::LeftButton);
    EXPECT_EQ(h.state.sprite.width, 8);
    EXPECT_NE(h.Find<ImportC>("ImportC"), nullptr);

    list->setCurrentRow(1);
    ClickBox(gray);
    EXPECT_TRUE(gray->isChecked());
    auto* nSprites = h.Find<QComboBox>("NSprites");
    EXPECT_TRUE(nSprites->isEnabled());
    ASSERT_EQ(nSprites->count(), 2);
    EXPECT_EQ(nSprites->itemText(1), "2");
    EXPECT_EQ(nSprites->currentIndex(), 0);
    auto* preview = h.Find<PlanesPreview>("CImpPrev");
    EXPECT_EQ(preview->size(), QSize(16, 2));
    // Dark plane 0xFF00 over light 0xF0F0: black, dark gray, light gray, white in the row.
    const QImage& img = preview->image();
    for (int level = 0; level < 4; ++level) {
        const std::uint32_t c = LevelToColor(h.state, 3 - level);
        EXPECT_EQ(img.pixel(4 * level, 0), qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF)) << level;
    }

    QTest::mouseClick(h.Find<QPushButton>("OkBttn"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(h.state.sprite.width, 16);
    EXPECT_EQ(h.state.sprite.height, 2);
    EXPECT_EQ(GetPixel(h.state, 0, 0), kBlack);
    EXPECT_EQ(GetPixel(h.state, 4, 0), kDarkGray);
    EXPECT_EQ(GetPixel(h.state, 8, 0), kLightGray);
    EXPECT_EQ(GetPixel(h.state, 12, 0), kWhite);
    QTest::qWait(10);
    EXPECT_EQ(h.Find<ImportC>("ImportC"), nullptr);
}

TEST(CodeCommandsWindow, FailedScanShowsItsMessageAndNoPanel)
{
    TempDir dir;
    Harness h;
    h.state.preferences.PromptForErasure = false;
    TempDir::Write(dir.File("none.c"), "int main(void) { return 0; }\n");
    h.prompter.openPaths = {dir.File("none.c")};
    h.Trigger("ImportFromC");
    ASSERT_EQ(h.prompter.messages.size(), 1u);
    EXPECT_EQ(h.prompter.messages[0].text, "No arrays were found!");
    EXPECT_EQ(h.Find<ImportC>("ImportC"), nullptr);
    EXPECT_EQ(h.main.statusBar()->currentMessage(), "Ready");
}

// Generate shows the code but leaves the keyboard where it was: the menu's keys still act on the
// sprite, and the code box takes its own text keys only once the user clicks into it.
TEST(CodeCommandsWindow, MenuKeysKeepActingOnTheSpriteAfterGenerate)
{
    struct Row {
        const char* focusBefore;  // DrawArea, or "" for the main window itself
        bool asked;               // Generate asked a question first, in a box of its own
        Qt::Key key;
        bool undone;
        size_t saveDialogs;
    };
    const Row rows[] = {
        {"DrawArea", false, Qt::Key_Z, true, 0},
        {"", false, Qt::Key_Z, true, 0},
        {"DrawArea", true, Qt::Key_Z, true, 0},
        {"DrawArea", false, Qt::Key_A, false, 1},
        {"", true, Qt::Key_A, false, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.focusBefore) + (row.asked ? " asked" : "") + " Ctrl+" + char(row.key));
        testing::MainWindowFixture f;
        testing::Activate(f.window.get());
        if (*row.focusBefore) f.window->findChild<QWidget*>(row.focusBefore)->setFocus();
        else f.window->setFocus();
        SetPixel(f.state, 0, 0, row.asked ? kBlack : kDarkGray);  // black and white asks
        f.Trigger("ShiftRight");
        f.prompter.takesActivation = true;
        f.Trigger("Generate");
        testing::Settle();
        ASSERT_EQ(f.prompter.messages.size(), row.asked ? 1u : 0u);
        ASSERT_NE(f.window->findChild<CodeForm*>("CodeForm"), nullptr);
        QWidget* keys = QApplication::focusWidget();
        ASSERT_NE(keys, nullptr) << "the keys reach no window";
        QTest::keyClick(keys, row.key, Qt::ControlModifier);
        EXPECT_EQ(GetPixel(f.state, 0, 0), row.undone ? (row.asked ? kBlack : kDarkGray) : kWhite);
        EXPECT_EQ(f.prompter.saveRequests.size(), row.saveDialogs);
    }

    // In the code box, Ctrl+A and Ctrl+C select and copy the text and leave the sprite alone.
    testing::MainWindowFixture f;
    testing::Activate(f.window.get());
    f.Trigger("Generate");
    auto* box = f.window->findChild<QPlainTextEdit*>("CodeBox");
    ASSERT_NE(box, nullptr);
    QApplication::clipboard()->clear();
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(QApplication::focusWidget(), box);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), box->toPlainText());
    EXPECT_TRUE(f.prompter.saveRequests.empty());
}

}  // namespace
}  // namespace pixador

#include "compose/ui/compose_commands.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "core/ui/planes_preview.h"
#include "core/history.h"
#include "core/whole_sprite.h"
#include "ui/activation.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::Settle;

using testing::MainWindowFixture;
using testing::TempDir;

// The level a preview pixel shows, by the canvas colours.
int PreviewLevel(const EditorState& state, const QWidget* form, const char* name, int x, int y)
{
    const QRgb shown = form->findChild<const PlanesPreview*>(name)->image().pixel(x, y);
    for (int level = 0; level < 4; ++level) {
        const std::uint32_t c = LevelToColor(state, level);
        if (qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF) == shown) return level;
    }
    return -1;
}

// An 8-wide sprite file whose rows are given as (dark byte, light byte).
std::string WriteSprite(const TempDir& dir, const char* name, std::vector<std::pair<int, int>> rows)
{
    std::string bytes{1, static_cast<char>(rows.size())};
    for (auto [dark, light] : rows) bytes += {static_cast<char>(dark), static_cast<char>(light)};
    const std::string path = dir.File(name);
    TempDir::Write(path, bytes);
    return path;
}

QRadioButton* Option(QWidget* form, const char* frame, const char* name)
{
    return form->findChild<QGroupBox*>(frame)->findChild<QRadioButton*>(name);
}

// On the round mark, which every style takes as a click: beside a short caption the middle of
// a stretched button is not.
void ClickIndicator(QRadioButton* option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

QRadioButton* Mode(QWidget* form, int index)
{
    for (QRadioButton* r : form->findChildren<QRadioButton*>("MergeMode"))
        if (r->property("index").toInt() == index) return r;
    return nullptr;
}

void PressKey(MainWindowFixture& f, QWidget* target, Qt::Key key)
{
    testing::Activate(f.window.get());
    target->setFocus();
    QTest::keyClick(target, key);
    Settle();
}

TEST(ComposeWindow, MaskPanelPreviewsLoadsATypedFileAndAppliesOnEnter)
{
    MainWindowFixture f;
    ResizeSprite(f.state, 8, 2);
    SetPixel(f.state, 0, 0, kBlack);
    const std::string mask = WriteSprite(f.dir, "mask.pxd", {{0x40, 0x40}, {0x00, 0x00}});

    f.Trigger("MaskMenu");
    QWidget* form = f.window->findChild<QWidget*>("maskform");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->parentWidget()->windowTitle(), QString("Pixador Mask Panel"));
    EXPECT_TRUE(Option(form, "DLFrame", "NOTMask")->isChecked());
    EXPECT_TRUE(Option(form, "LLFrame", "NOTMask")->isChecked());
    EXPECT_EQ(PreviewLevel(f.state, form, "MaskedPreview", 0, 0), kWhite) << "inverted";

    // AND without a file is refused and the panel stays.
    ClickIndicator(Option(form, "DLFrame", "ANDMask"));
    QTest::mouseClick(form->findChild<QPushButton*>("OkBttn"), Qt::LeftButton);
    Settle();
    EXPECT_EQ(f.prompter.LastMessage(), "File Is needed to apply mask!");
    ASSERT_EQ(f.window->findChild<QWidget*>("maskform"), form);

    // A typed path is loaded when the focus moves on.
    auto* box = form->findChild<QLineEdit*>("MaskFile");
    testing::Activate(f.window.get());
    box->setFocus();
    QTest::keyClicks(box, QString::fromStdString(mask));
    form->findChild<QPushButton*>("BrowseMaskBttn")->setFocus();
    Settle();
    EXPECT_EQ(form->findChild<QLineEdit*>("MaskFile")->text().toStdString(), mask);
    // Dark: s AND m; light: NOT s. Pixel 1 has s = 0 and m = 1 in both planes.
    EXPECT_EQ(PreviewLevel(f.state, form, "MaskedPreview", 0, 0), kWhite);
    EXPECT_EQ(PreviewLevel(f.state, form, "MaskedPreview", 1, 0), kLightGray);

    PressKey(f, box, Qt::Key_Return);
    EXPECT_EQ(f.window->findChild<QWidget*>("maskform"), nullptr);
    EXPECT_EQ(GetPixel(f.state, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(f.state, 7, 0), kLightGray);
    EXPECT_TRUE(f.Action("UndoBttn")->isEnabled());
    EXPECT_FALSE(f.state.saved);

    // Escape closes without a change.
    f.Trigger("MaskMenu");
    form = f.window->findChild<QWidget*>("maskform");
    ASSERT_NE(form, nullptr);
    PressKey(f, Option(form, "LLFrame", "XORMask"), Qt::Key_Escape);
    EXPECT_EQ(f.window->findChild<QWidget*>("maskform"), nullptr);
    EXPECT_EQ(GetPixel(f.state, 7, 0), kLightGray);
}

TEST(ComposeWindow, MergeDialogOffersTheArrangementsTheHeightsAllow)
{
    MainWindowFixture f;
    f.state.preferences.PromptForErasure = false;
    ResizeSprite(f.state, 8, 2);
    SetPixel(f.state, 0, 0, kBlack);
    PushUndo(f.state);
    const std::string tall = WriteSprite(f.dir, "tall.pxd", {{0x80, 0x00}, {0x00, 0x00}, {0x00, 0x80}});

    f.prompter.openPaths = {tall};
    f.Trigger("MergeSprite");
    QWidget* form = f.window->findChild<QWidget*>("MergeForm");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->parentWidget()->windowTitle(), QString("Merge"));
    EXPECT_TRUE(Mode(form, 0)->isChecked());
    EXPECT_FALSE(Mode(form, 2)->isEnabled());
    EXPECT_FALSE(Mode(form, 3)->isEnabled());
    EXPECT_EQ(form->findChild<QWidget*>("PreviewMerged")->size(), QSize(8, 5));
    EXPECT_EQ(PreviewLevel(f.state, form, "PreviewMerged", 0, 2), kDarkGray);

    QTest::mouseClick(Mode(form, 1), Qt::LeftButton);
    EXPECT_EQ(PreviewLevel(f.state, form, "PreviewMerged", 0, 0), kDarkGray);
    QTest::mouseClick(form->findChild<QPushButton*>("OkBttn"), Qt::LeftButton);
    Settle();
    EXPECT_EQ(f.window->findChild<QWidget*>("MergeForm"), nullptr);
    ASSERT_EQ(f.state.sprite.height, 5);
    EXPECT_EQ(GetPixel(f.state, 0, 2), kLightGray);
    EXPECT_EQ(GetPixel(f.state, 0, 3), kBlack);
    EXPECT_FALSE(f.Action("UndoBttn")->isEnabled());

    // Equal heights allow interlacing; Enter applies it.
    const std::string same = WriteSprite(f.dir, "same.pxd", std::vector<std::pair<int, int>>(5, {0x00, 0x80}));
    f.prompter.openPaths = {same};
    f.Trigger("MergeSprite");
    form = f.window->findChild<QWidget*>("MergeForm");
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(Mode(form, 2)->isEnabled());
    QTest::mouseClick(Mode(form, 2), Qt::LeftButton);
    PressKey(f, Mode(form, 2), Qt::Key_Return);
    ASSERT_EQ(f.state.sprite.height, 10);
    EXPECT_EQ(GetPixel(f.state, 0, 0), kLightGray);
    EXPECT_EQ(GetPixel(f.state, 0, 1), kDarkGray);

    // A cancelled file dialog opens nothing and says nothing.
    const std::size_t asked = f.prompter.messages.size();
    f.Trigger("MergeSprite");
    EXPECT_EQ(f.window->findChild<QWidget*>("MergeForm"), nullptr);
    EXPECT_EQ(f.prompter.messages.size(), asked);
}

}  // namespace
}  // namespace pixador

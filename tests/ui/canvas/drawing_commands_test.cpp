#include "canvas/ui/drawing_commands.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "canvas/ui/preview_form.h"
#include "core/sprite.h"
#include "core/ui/screen_color.h"
#include "core/whole_sprite.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::MainWindowFixture;

// A colour swatch shows its colour inside a one-pixel black frame.
QString Swatch(QWidget* swatch)
{
    const QImage image = swatch->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2).name() + " in " + image.pixelColor(0, 0).name();
}

QMdiSubWindow* SubWindowTitled(const MainWindowFixture& f, const QString& title)
{
    for (QMdiSubWindow* sub : f.window->MdiArea()->subWindowList())
        if (sub->windowTitle() == title) return sub;
    return nullptr;
}

TEST(ToolWindows, ButtonsListsAndSwatchesDriveTheEditorState)
{
    MainWindowFixture f;
    // Tool buttons set the tool; Move and Paste wait for a selection and a clipboard.
    for (auto [name, code] : std::vector<std::pair<const char*, int>>{
             {"FloodMode", 1}, {"ReplaceMode", 2}, {"LineMode", 3}, {"RectMode", 4}, {"CircleMode", 5},
             {"SelectMode", 6}, {"PlotMode", 0}}) {
        f.Trigger(name);
        EXPECT_EQ(f.state.tool, code) << name;
    }
    EXPECT_FALSE(f.Action("MoveMode")->isEnabled());
    EXPECT_FALSE(f.Action("PasteMode")->isEnabled());
    f.Trigger("SelectAll");
    EXPECT_TRUE(f.state.selection.active);
    EXPECT_TRUE(f.Action("MoveMode")->isEnabled());
    EXPECT_TRUE(f.Action("CropBttn")->isEnabled());
    f.window->MdiArea()->setActiveSubWindow(SubWindowTitled(f, "Sprite"));  // Copy works on the canvas
    f.Trigger("CopyBttn");
    EXPECT_TRUE(f.state.clipboard.full);
    EXPECT_TRUE(f.Action("PasteMode")->isEnabled());

    auto* zoom = f.window->findChild<QWidget*>("zoomform")->findChild<QComboBox*>();
    ASSERT_NE(zoom, nullptr);
    zoom->setCurrentIndex(9);
    emit zoom->activated(9);
    EXPECT_EQ(f.state.zoom, 10);
    EXPECT_FALSE(f.state.selection.active) << "a zoom change drops the selection";

    auto* pens = f.window->findChild<QWidget*>("PenSizeBox")->findChild<QComboBox*>();
    ASSERT_NE(pens, nullptr);
    pens->setCurrentIndex(pens->count() - 1);
    emit pens->activated(pens->count() - 1);
    EXPECT_EQ(f.state.penSize, 15);

    // The level swatches follow the colour set; a click on one picks a mouse colour.
    const QList<QWidget*> levels = f.window->findChild<QWidget*>("ColorTool")->findChildren<QWidget*>("ColorBttn");
    ASSERT_EQ(levels.size(), 4);
    for (const bool lcd : {false, true}) {
        f.state.lcdColors = lcd;
        RedrawCanvas(f.state);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(Swatch(levels[i]), ToQColor(LevelToColor(f.state, i)).name() + " in #000000");
    }
    QTest::mouseClick(levels[2], Qt::LeftButton);
    QTest::mouseClick(levels[1], Qt::RightButton);
    EXPECT_EQ(Swatch(f.window->findChild<QWidget*>("Color1")), ToQColor(LevelToColor(f.state, 2)).name() + " in #000000");
    EXPECT_EQ(Swatch(f.window->findChild<QWidget*>("Color2")), ToQColor(LevelToColor(f.state, 1)).name() + " in #000000");
}

TEST(ToolWindows, ViewMenuShowsAndHidesEachToolWindow)
{
    MainWindowFixture f;
    QMdiSubWindow* tools = SubWindowTitled(f, "Tools");
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(tools->isVisible());
    f.Trigger("ShowToolbox");
    EXPECT_FALSE(tools->isVisible());
    EXPECT_FALSE(f.Action("ShowToolbox")->isChecked());
    f.Trigger("ShowToolbox");
    EXPECT_TRUE(tools->isVisible());
    EXPECT_TRUE(f.Action("ShowToolbox")->isChecked());
}

TEST(Previews, FollowEveryPaintAndCloseSoundly)
{
    MainWindowFixture f;
    f.Trigger("NewPreviewBttn");
    f.Trigger("NewPreviewBttn");
    QList<PreviewForm*> previews = f.window->findChildren<PreviewForm*>();
    ASSERT_EQ(previews.size(), 2);

    SetPixel(f.state, 3, 2, kBlack);
    PaintPixel(f.state, 3, 2);
    for (PreviewForm* p : previews) {
        const QImage image = p->grab().toImage();
        ASSERT_FALSE(image.isNull());
        // Somewhere in the preview a black square now shows.
        bool black = false;
        for (int y = 0; y < image.height() && !black; ++y)
            for (int x = 0; x < image.width() && !black; ++x) black = image.pixelColor(x, y) == Qt::black;
        EXPECT_TRUE(black);
    }

    // The first preview closed with its own close control, then the last destroyed: no crash,
    // and painting goes on reaching what is left.
    SubWindowTitled(f, previews[0]->windowTitle())->close();
    f.Trigger("DelLastPreviewBttn");
    QCoreApplication::processEvents();
    SetPixel(f.state, 0, 0, kBlack);
    PaintPixel(f.state, 0, 0);
    RedrawCanvas(f.state);
    f.Trigger("DelLastPreviewBttn");
    f.Trigger("DelLastPreviewBttn");
    QCoreApplication::processEvents();
    RedrawCanvas(f.state);
}

}  // namespace
}  // namespace pixador

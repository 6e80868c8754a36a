#include "canvas/ui/color_tool.h"

#include <QTest>

#include <gtest/gtest.h>

#include "core/sprite.h"
#include "core/ui/screen_color.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::MainWindowFixture;

// A swatch is its colour inside a one-pixel black frame.
void ExpectSwatch(QWidget* swatch, std::uint32_t bgr, const char* what)
{
    const QImage image = swatch->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), ToQColor(bgr)) << what;
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black)) << what;
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(Qt::black)) << what;
}

TEST(ColorTool, SwatchesShowTheLevelsAndTheMouseColours)
{
    MainWindowFixture f;
    auto* tool = f.window->findChild<ColorTool*>("ColorTool");
    ASSERT_NE(tool, nullptr);
    const QList<QWidget*> levels = tool->findChildren<QWidget*>("ColorBttn");
    ASSERT_EQ(levels.size(), 4);
    for (const bool lcd : {false, true}) {
        f.state.lcdColors = lcd;
        tool->Redraw();
        for (int i = 0; i < 4; ++i) ExpectSwatch(levels[i], LevelToColor(f.state, i), "level");
    }
    QTest::mouseClick(levels[2], Qt::LeftButton);
    QTest::mouseClick(levels[1], Qt::RightButton);
    ExpectSwatch(tool->findChild<QWidget*>("Color1"), LevelToColor(f.state, 2), "primary");
    ExpectSwatch(tool->findChild<QWidget*>("Color2"), LevelToColor(f.state, 1), "secondary");
}

}  // namespace
}  // namespace pixador

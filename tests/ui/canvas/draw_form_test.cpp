#include "canvas/ui/draw_form.h"

#include <QAction>
#include <QComboBox>
#include <QMdiArea>
#include <QWheelEvent>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "canvas/canvas_layout.h"
#include "canvas/color_sets.h"
#include "canvas/ui/preview_form.h"
#include "core/history.h"
#include "core/whole_sprite.h"
#include "core/ui/screen_color.h"
#include "support/fake_editor_view.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::MainWindowFixture;

TEST(Canvas, PaintsLcdColoursWithGridAndFollowsTheRealMouse)
{
    MainWindowFixture f;
    DrawArea* area = f.window->findChild<DrawArea*>("DrawArea");
    ASSERT_NE(area, nullptr);
    ASSERT_EQ(f.state.zoom, 24);
    ASSERT_EQ(area->Picture().width(), 8 * 24) << "an 8x8 sprite fits the canvas window whole";
    // Inside the first cell: LCD white; its border: the black grid.
    EXPECT_EQ(area->Picture().pixelColor(10, 10), QColor(160, 180, 140));
    EXPECT_EQ(area->Picture().pixelColor(0, 10), QColor(0, 0, 0));

    f.Trigger("NewPreviewBttn");
    // A press and drag with the pencil across row 1.
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(24 * 2 + 5, 24 + 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(24 * 5 + 5, 24 + 5), area->mapToGlobal(QPointF(24 * 5 + 5, 24 + 5)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(area, &move);
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(24 * 5 + 5, 24 + 5));
    EXPECT_EQ(GetPixel(f.state, 2, 1), kBlack);
    EXPECT_EQ(GetPixel(f.state, 5, 1), kBlack);
    EXPECT_EQ(GetPixel(f.state, 3, 1), kWhite) << "stamps are not joined";
    EXPECT_FALSE(f.state.saved);
    EXPECT_EQ(f.state.undoCount, 1);
    EXPECT_EQ(area->Picture().pixelColor(24 * 2 + 10, 24 + 10), QColor(0, 0, 0));
    EXPECT_EQ(area->toolTip(), QString("5, 1"));

    // The preview shows the stroke too.
    PreviewForm* preview = f.window->findChild<PreviewForm*>();
    ASSERT_NE(preview, nullptr);
    const QImage shown = preview->grab().toImage();
    int black = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) black += shown.pixelColor(x, y) == Qt::black;
    EXPECT_GT(black, 0);

    // The second button draws white; Undo returns the stroke.
    UndoBttn_Click(f.state);
    EXPECT_EQ(GetPixel(f.state, 2, 1), kWhite);

    // Grid off and normal colours.
    f.Trigger("GridOn");
    f.Trigger("LCDColors");
    EXPECT_FALSE(f.state.lcdColors);
    EXPECT_EQ(area->Picture().pixelColor(0, 10), QColor(255, 255, 255));
}

TEST(Canvas, ZoomBelowFourHasNoGridAndLargeSpritesScroll)
{
    MainWindowFixture f;
    DrawArea* area = f.window->findChild<DrawArea*>("DrawArea");
    f.state.zoom = 3;
    RefreshCanvasLayout(f.state);
    EXPECT_EQ(area->Picture().pixelColor(0, 0), QColor(160, 180, 140));
    f.state.zoom = 24;
    ResizeSprite(f.state, 32, 256);
    EXPECT_LT(f.state.viewWindow.y1 - f.state.viewWindow.y0, 256) << "the canvas shows part of the sprite";
    QScrollBar* v = f.window->findChild<QScrollBar*>("DAVScroll");
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisibleTo(f.window.get()));
    v->setValue(v->maximum());
    EXPECT_EQ(f.state.viewWindow.y1, 256);
}

void Wheel(QWidget* w, int notches, Qt::KeyboardModifiers modifiers, bool sideways = false)
{
    const QPoint delta = sideways ? QPoint(notches * 120, 0) : QPoint(0, notches * 120);
    QWheelEvent e(QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)), QPoint(), delta, Qt::NoButton, modifiers,
                  Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
}

TEST(Canvas, CtrlWheelAndZoomKeysStepTheZoomListAndTheWheelScrolls)
{
    MainWindowFixture f;
    QWidget* area = f.window->findChild<DrawForm*>();
    auto* zoomList = f.window->findChild<QComboBox*>("ZoomFactor");
    ASSERT_EQ(f.state.zoom, 24);
    Wheel(area, 2, Qt::ControlModifier);
    EXPECT_EQ(f.state.zoom, 26);
    EXPECT_EQ(zoomList->currentIndex(), 25);
    Wheel(area, -30, Qt::ControlModifier);
    EXPECT_EQ(f.state.zoom, 1) << "kept inside the list";
    f.window->findChild<QAction*>("ZoomInKey")->trigger();
    EXPECT_EQ(f.state.zoom, 2);
    f.window->findChild<QAction*>("ZoomOutKey")->trigger();
    EXPECT_EQ(f.state.zoom, 1);

    f.Trigger("NewBttn");  // untouched sprite: no question, the size dialog
    f.state.zoom = 24;
    ResizeSprite(f.state, 32, 256);
    auto* v = f.window->findChild<QScrollBar*>("DAVScroll");
    auto* h = f.window->findChild<QScrollBar*>("DAHScroll");
    const int top = v->value();
    Wheel(area, -1, Qt::NoModifier);
    EXPECT_GT(v->value(), top) << "wheel down scrolls down";
    if (h->isVisible()) {
        const int left = h->value();
        Wheel(area, -1, Qt::ShiftModifier);
        EXPECT_GT(h->value(), left) << "Shift+wheel scrolls sideways";
    }
    EXPECT_EQ(f.state.zoom, 24);
}

// The whole picture against the painting rule pixel by pixel: the background, and each visible
// cell a zoom x zoom square in its level's colour with, when the grid shows, a black outline.
TEST(Canvas, RedrawPaintsEveryCanvasPixelAsTheSquareRuleSays)
{
    struct Case { int width, height, zoom; bool grid; QSize window; int scrollX, scrollY; };
    for (const Case c : {Case{32, 256, 24, true, {1000, 800}, 3, 100}, Case{32, 256, 3, true, {300, 500}, 0, 40},
                         Case{13, 7, 5, false, {400, 300}, 0, 0}, Case{8, 8, 7, true, {90, 70}, 2, 3},
                         Case{8, 8, 4, true, {500, 500}, 0, 0}}) {
        testing::FakeEditorView view;
        EditorState state(view);
        ApplyColorSet(state);
        view.CheckCommand("GridOn", c.grid);
        DrawForm form(state);
        form.resize(c.window);
        state.zoom = static_cast<std::int16_t>(c.zoom);
        ResizeSprite(state, c.width, c.height);
        for (int x = 0; x < c.width; ++x)
            for (int y = 0; y < c.height; ++y) SetPixel(state, x, y, (x * 5 + y * 3 + x * y) % 4);
        form.Form_Resize();
        ScrollCanvas(state, c.scrollX, c.scrollY);
        form.Redraw();

        const QImage picture = form.Picture();
        const ViewWindow& v = state.viewWindow;
        const int z = c.zoom;
        int wrong = 0;
        for (int py = 0; py < picture.height(); ++py) {
            for (int px = 0; px < picture.width(); ++px) {
                const int x = v.x0 + px / z;
                const int y = v.y0 + py / z;
                QRgb expect = ToRgb(state.colorSet[0]);
                if (x < std::min<int>(v.x1, c.width) && y < std::min<int>(v.y1, c.height)) {
                    const bool outline = px % z == 0 || px % z == z - 1 || py % z == 0 || py % z == z - 1;
                    expect = GridShown(state) && outline ? qRgb(0, 0, 0) : ToRgb(LevelToColor(state, GetPixel(state, x, y)));
                }
                wrong += picture.pixel(px, py) != expect;
            }
        }
        EXPECT_GT(picture.width() * picture.height(), 0);
        EXPECT_EQ(wrong, 0) << c.width << "x" << c.height << " zoom " << z << " scrolled to " << v.x0 << "," << v.y0;
    }
}

}  // namespace
}  // namespace pixador

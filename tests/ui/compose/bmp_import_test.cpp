#include "compose/ui/bmp_import.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

#include "compose/gray_mapping.h"
#include "compose/map_export.h"
#include "support/outside_pictures.h"
#include "ui/activation.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::Settle;

using testing::MainWindowFixture;
using testing::MakeOutsidePicture;
using testing::OutsidePixels;

// Imports path through File > Import > From Bitmap; the capture dialog, or null.
BMPImport* Import(MainWindowFixture& f, const std::string& path)
{
    f.state.preferences.PromptForErasure = false;
    f.prompter.openPaths = {path};
    f.Trigger("ImportBMP");
    Settle();
    return f.window->findChild<BMPImport*>("BMPImport");
}

template <typename W>
W* Child(QWidget* d, const char* name)
{
    W* w = d->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

int GrayDifference(const PictureBox* box, const OutsidePixels& truth)
{
    int worst = 0;
    for (int y = 0; y < truth.height; ++y)
        for (int x = 0; x < truth.width; ++x)
            worst = std::max(worst, std::abs(qRed(box->image().pixel(x, y)) - truth.At(x, y)));
    return worst;
}

TEST(BitmapImportWindow, CapturesAnOutsideBitmapWithBrightnessAndOk)
{
    MainWindowFixture f;
    const std::string path = f.dir.File("art.bmp");
    const auto truth = MakeOutsidePicture("rle", 40, 30, path);
    ASSERT_TRUE(truth);
    BMPImport* d = Import(f, path);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->parentWidget()->windowTitle(), QString(".:: Pixador ::. Bitmap Capture"));

    EXPECT_EQ(GrayDifference(Child<PictureBox>(d, "BMPPreview"), *truth), 0) << "the picture in its palette's gray";
    auto* hBox = Child<QLineEdit>(d, "HBox");
    hBox->selectAll();
    QTest::keyClicks(hBox, "12");
    EXPECT_EQ(Child<QScrollBar>(d, "AreaYStart")->maximum(), 18);
    Child<QScrollBar>(d, "AreaYStart")->setValue(5);
    Child<QScrollBar>(d, "AreaXStart")->setValue(3);
    EXPECT_EQ(Child<QLabel>(d, "origin")->text(), QString("3,5"));
    EXPECT_EQ(Child<QLabel>(d, "endlbl")->text(), QString("35,17"));

    // Box and bar keep in step; the preview follows.
    auto* brightBox = Child<QLineEdit>(d, "BrightBox");
    auto* bar = Child<QScrollBar>(d, "BrightnessBar");
    brightBox->selectAll();
    QTest::keyClicks(brightBox, "150");
    EXPECT_EQ(brightBox->text(), QString("100"));
    EXPECT_EQ(bar->value(), 100);
    EXPECT_EQ(Child<PictureBox>(d, "CapturePreview")->image().size(), QSize(32, 12));
    bar->setValue(-20);
    EXPECT_EQ(brightBox->text(), QString("-20"));

    // Enter presses Ok: the sprite is the capture, its size and four levels.
    testing::Activate(f.window.get());
    hBox->setFocus();
    QTest::keyClick(hBox, Qt::Key_Return);
    Settle();
    EXPECT_EQ(f.window->findChild<BMPImport*>("BMPImport"), nullptr);
    ASSERT_EQ(f.state.sprite.width, 32);
    ASSERT_EQ(f.state.sprite.height, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(GetPixel(f.state, x, y), GrayToLevel(AdjustBrightness(truth->At(3 + x, 5 + y), -20))) << x << "," << y;
}

TEST(BitmapImportWindow, PngOfAnyKindAndTheMapToolExport)
{
    MainWindowFixture f;
    struct Row {
        const char* kind;
        int tolerance;  // 16-bit gray is Qt's to reduce to 8 bits
    };
    for (const Row r : {Row{"palette", 0}, {"gray16", 1}, {"rgba", 0}}) {
        const std::string path = f.dir.File(std::string(r.kind) + ".png");
        const auto truth = MakeOutsidePicture(r.kind, 20, 10, path);
        ASSERT_TRUE(truth) << r.kind;
        BMPImport* d = Import(f, path);
        ASSERT_NE(d, nullptr) << r.kind;
        EXPECT_LE(GrayDifference(Child<PictureBox>(d, "BMPPreview"), *truth), r.tolerance) << r.kind;
        EXPECT_EQ(Child<QComboBox>(d, "WBox")->currentText(), QString("16")) << "20 wide steps down";
    }
    BMPImport* d = f.window->findChild<BMPImport*>("BMPImport");
    ASSERT_EQ(f.window->findChildren<BMPImport*>().size(), 1) << "a new import replaces the open dialog";

    // The map tool: shown by its box, its rectangle moved and sized with the mouse.
    auto* rect = Child<QWidget>(d, "MSRect");
    EXPECT_FALSE(rect->isVisible());
    Child<QCheckBox>(d, "MapExport")->click();
    EXPECT_TRUE(Child<QGroupBox>(d, "MFrame")->isVisible());
    EXPECT_TRUE(rect->isVisible());
    auto* picture = Child<PictureBox>(d, "BMPPreview");
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(2, 3));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(2, 3));
    EXPECT_EQ(rect->geometry(), QRect(2, 3, 18, 7));
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(20, 10));
    QMouseEvent drag(QEvent::MouseMove, QPointF(10, 8), picture->mapToGlobal(QPointF(10, 8)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &drag);
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(10, 8));
    EXPECT_EQ(rect->geometry(), QRect(2, 3, 8, 5));
    EXPECT_EQ(Child<QLabel>(d, "MapOriginLabel")->text() + Child<QLabel>(d, "MapWidthLabel")->text() +
                  Child<QLabel>(d, "MapHeightLabel")->text(),
              QString("2,385"));

    f.prompter.savePaths = {f.dir.File("map")};
    Child<QPushButton>(d, "MBrowseFile")->click();
    EXPECT_EQ(Child<QLabel>(d, "MapPath")->text(), QString::fromStdString(f.dir.File("map.c")));
    Child<QPushButton>(d, "MExportBttn")->click();
    const std::string written = testing::TempDir::Read(f.dir.File("map.c"));
    EXPECT_EQ(written, MapExportText(d->capture().image(), 2, 3, 8, 5, 0));

    // Escape cancels: the sprite stays as it was.
    testing::Activate(f.window.get());
    Child<QLineEdit>(d, "HBox")->setFocus();
    QTest::keyClick(Child<QLineEdit>(d, "HBox"), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(f.window->findChild<BMPImport*>("BMPImport"), nullptr);
    EXPECT_EQ(f.state.sprite.width, 8);
}

// The brightness bar reaches from the width box down to the bottom of the capture preview, so
// its 201 steps can be aimed with the mouse even for a bitmap a few rows high.
TEST(BitmapImportWindow, BrightnessBarIsAsTallAsTheControlsBesideIt)
{
    MainWindowFixture f;
    for (int rows : {4, 10, 120}) {
        const std::string path = f.dir.File(std::to_string(rows) + "rows.png");
        ASSERT_TRUE(MakeOutsidePicture("palette", 20, rows, path));
        BMPImport* d = Import(f, path);
        ASSERT_NE(d, nullptr);
        QApplication::processEvents();
        const auto in = [d](const char* name) {
            QWidget* w = Child<QWidget>(d, name);
            return QRect(w->mapTo(d, QPoint(0, 0)), w->size());
        };
        const QRect bar = in("BrightnessBar");
        EXPECT_LE(bar.top(), in("WBox").top()) << rows;
        EXPECT_GE(bar.bottom(), std::max(in("BrightBox").bottom(), in("CapturePreview").bottom())) << rows;
    }
}

TEST(BitmapImportWindow, UnreadableFileShowsTheErrorAndNoDialog)
{
    MainWindowFixture f;
    const std::string path = f.dir.File("fake.png");
    testing::TempDir::Write(path, std::string("\x89PNG\r\n\x1A\n", 8) + "garbage");
    EXPECT_EQ(Import(f, path), nullptr);
    EXPECT_EQ(f.prompter.LastMessage(), "Error while reading " + path +
                                            "\r\n!! Make sure the file exists and it's a valid 256 colors Bitmap File!.");
}

}  // namespace
}  // namespace pixador

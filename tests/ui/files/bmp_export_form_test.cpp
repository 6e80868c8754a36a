#include "files/ui/bmp_export_form.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "core/sprite.h"
#include "core/whole_sprite.h"
#include "platform/conventions.h"
#include "support/outside_pictures.h"
#include "ui/activation.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

QString DefaultShot() { return QString(".") + QChar(kPathSeparator) + "screenshot.bmp"; }

using testing::Settle;

using testing::MainWindowFixture;
using testing::ReadWithPillow;
using testing::TempDir;

BMPExport* OpenExport(MainWindowFixture& f)
{
    f.Trigger("ExportBMP");
    Settle();
    return f.window->findChild<BMPExport*>("BMPExport");
}

void Export(BMPExport* d, const std::string& path)
{
    auto* box = d->findChild<QLineEdit*>("BMPExportFile");
    box->selectAll();
    QTest::keyClicks(box, QString::fromStdString(path));
    d->findChild<QPushButton*>("OkExport")->click();
    Settle();
}

void SetZoom(MainWindowFixture& f, int entry)
{
    auto* zoom = f.window->findChild<QWidget*>("zoomform")->findChild<QComboBox*>();
    zoom->setCurrentIndex(entry);
    emit zoom->activated(entry);
    Settle();
}

// The file as Pillow reads it, compared pixel by pixel with the canvas picture.
void ExpectFileShowsCanvas(MainWindowFixture& f, const std::string& path)
{
    const QImage canvas = f.view.CanvasPicture();
    const auto read = ReadWithPillow(path);
    ASSERT_TRUE(read) << path;
    ASSERT_EQ(read->width, canvas.width());
    ASSERT_EQ(read->height, canvas.height());
    int wrong = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb c = canvas.pixel(x, y);
            wrong += read->At(x, y, 0) != qRed(c) || read->At(x, y, 1) != qGreen(c) || read->At(x, y, 2) != qBlue(c);
        }
    EXPECT_EQ(wrong, 0) << path;
}

TEST(BitmapExportWindow, WritesTheCanvasAsShownAndAsksBeforeReplacing)
{
    MainWindowFixture f;
    for (int x = 0; x < 8; ++x) SetPixel(f.state, x, x, x % 4);
    SetZoom(f, 3);
    BMPExport* d = OpenExport(f);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->parentWidget()->windowTitle(), QString(".:: Pixador ::. Bitmap Export"));
    auto* box = d->findChild<QLineEdit*>("BMPExportFile");
    EXPECT_EQ(box->text(), DefaultShot());
    box->setText("mine.bmp");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text(), DefaultShot()) << "a cleared box restores the default";
    const std::string bad = f.dir.File("no/folder/shot.bmp");
    Export(d, bad);
    EXPECT_EQ(f.prompter.LastMessage(), "Error writing " + bad + "!!");

    const std::string path = f.dir.File("shot");
    Export(d, path);
    EXPECT_EQ(f.window->findChild<BMPExport*>("BMPExport"), nullptr) << "closed once written";
    ExpectFileShowsCanvas(f, path);
    // An uncompressed 24-bit bitmap, rows bottom-up.
    const std::string bytes = TempDir::Read(path);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);
    EXPECT_EQ(bytes[30], 0);
    EXPECT_EQ(static_cast<unsigned char>(bytes[25]) & 0x80, 0);
    const int smallWidth = f.view.CanvasPicture().width();

    // The same path again: No keeps the dialog and the file; Yes writes the new picture.
    SetZoom(f, 7);
    EXPECT_GT(f.view.CanvasPicture().width(), smallWidth);
    f.Trigger("GridOn");
    d = OpenExport(f);
    f.prompter.answers = {MessageAnswer::No};
    Export(d, path);
    EXPECT_EQ(f.prompter.LastMessage(), "File " + path + " already Exists. Overwrite?");
    ASSERT_NE(f.window->findChild<BMPExport*>("BMPExport"), nullptr);
    EXPECT_EQ(TempDir::Read(path), bytes);
    f.prompter.answers = {MessageAnswer::Yes};
    d->findChild<QPushButton*>("OkExport")->click();
    Settle();
    ExpectFileShowsCanvas(f, path);

    // A PNG path gets a PNG.
    d = OpenExport(f);
    Export(d, f.dir.File("shot.png"));
    EXPECT_EQ(TempDir::Read(f.dir.File("shot.png")).substr(1, 3), "PNG");
    ExpectFileShowsCanvas(f, f.dir.File("shot.png"));
}

TEST(BitmapExportWindow, CancelledBrowseRestoresTheDefaultAndEscapeCancels)
{
    MainWindowFixture f;
    BMPExport* d = OpenExport(f);
    ASSERT_NE(d, nullptr);
    f.prompter.savePaths = {""};
    auto* box = d->findChild<QLineEdit*>("BMPExportFile");
    box->setText("x.bmp");
    d->findChild<QPushButton*>("BrowseBttn")->click();
    EXPECT_EQ(box->text(), DefaultShot());

    testing::Activate(f.window.get());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(f.window->findChild<BMPExport*>("BMPExport"), nullptr);
}

}  // namespace
}  // namespace pixador

#include "core/app/resize_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "core/history.h"
#include "core/prompts.h"
#include "core/whole_sprite.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::MainWindowFixture;

QWidget* OpenDialog(MainWindowFixture& f)
{
    QWidget* d = f.window->findChild<QWidget*>("ResizeDialog");
    EXPECT_NE(d, nullptr);
    return d;
}

void ApplySize(QWidget* d, int widthEntry, const QString& height)
{
    d->findChild<QComboBox*>("widthbox")->setCurrentIndex(widthEntry);
    QLineEdit* h = d->findChild<QLineEdit*>("HeightBox");
    h->clear();
    QTest::keyClicks(h, height);
    QTest::mouseClick(d->findChild<QPushButton*>("ApplyResize"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(SizeDialog, NewSpriteResizeCanvasAndScaleThroughTheRealWidgets)
{
    MainWindowFixture f;
    f.state.fileName = "old.pxd";
    SetPixel(f.state, 0, 0, kBlack);
    PushUndo(f.state);

    // New: asked first, then the dialog titled "New Sprite" makes a white, untitled sprite.
    f.prompter.answers = {MessageAnswer::Yes, MessageAnswer::No};
    f.state.saved = true;
    f.Trigger("NewBttn");
    QWidget* d = OpenDialog(f);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), QString("New Sprite"));
    EXPECT_EQ(d->findChild<QComboBox*>("widthbox")->currentText(), QString("8"));
    EXPECT_EQ(d->findChild<QLineEdit*>("HeightBox")->text(), QString("8"));
    ApplySize(d, 1, "12");
    EXPECT_EQ(f.state.sprite.width, 16);
    EXPECT_EQ(f.state.sprite.height, 12);
    EXPECT_EQ(GetPixel(f.state, 0, 0), kWhite);
    EXPECT_EQ(f.state.fileName, "");
    EXPECT_EQ(f.Title(), QString(kBanner));
    EXPECT_EQ(f.state.undoCount, 0);
    EXPECT_EQ(f.window->findChild<QWidget*>("ResizeDialog"), nullptr) << "closed after Apply";

    // Resize Canvas keeps the top-left pixels; typed heights correct themselves.
    SetPixel(f.state, 1, 1, kDarkGray);
    f.prompter.answers = {MessageAnswer::Yes};
    f.Trigger("ResizeCanvasBttn");
    d = OpenDialog(f);
    QLineEdit* h = d->findChild<QLineEdit*>("HeightBox");
    h->clear();
    QTest::keyClicks(h, "999");
    EXPECT_EQ(h->text(), QString("256"));
    ApplySize(d, 2, "300");
    EXPECT_EQ(f.state.sprite.width, 32);
    EXPECT_EQ(f.state.sprite.height, 256) << "the largest sprite the buffer holds";
    EXPECT_EQ(GetPixel(f.state, 1, 1), kDarkGray);

    // Refusing the question changes nothing but still closes the dialog.
    f.prompter.answers = {MessageAnswer::No};
    f.Trigger("ResizeBttn");
    ApplySize(OpenDialog(f), 0, "4");
    EXPECT_EQ(f.state.sprite.width, 32);
    EXPECT_EQ(f.window->findChild<QWidget*>("ResizeDialog"), nullptr);

    // Resize scales: a dark gray block halves into a smaller dark gray block.
    ResizeSprite(f.state, 16, 16);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y) SetPixel(f.state, x, y, kDarkGray);
    f.prompter.answers = {MessageAnswer::Yes};
    f.Trigger("ResizeBttn");
    ApplySize(OpenDialog(f), 0, "8");
    EXPECT_EQ(f.state.sprite.width, 8);
    EXPECT_EQ(f.state.sprite.height, 8);
    EXPECT_EQ(GetPixel(f.state, 1, 1), kDarkGray);
    EXPECT_EQ(GetPixel(f.state, 6, 6), kWhite);

    // Cancel changes nothing.
    f.Trigger("ResizeCanvasBttn");
    d = OpenDialog(f);
    d->findChild<QComboBox*>("widthbox")->setCurrentIndex(2);
    QTest::mouseClick(d->findChild<QPushButton*>("CancelResize"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.state.sprite.width, 8);
}

}  // namespace
}  // namespace pixador

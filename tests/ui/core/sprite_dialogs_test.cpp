#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "core/shift_dialog.h"
#include "core/waves_dialog.h"
#include "core/whole_sprite.h"
#include "ui/activation.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::Settle;

using testing::MainWindowFixture;

QWidget* Open(MainWindowFixture& f, const char* action, const char* form)
{
    f.Trigger(action);
    QWidget* d = f.window->findChild<QWidget*>(form);
    EXPECT_NE(d, nullptr) << form;
    return d;
}

// Replaces the text the way a user does: select all, then type.
void Type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void Press(QWidget* d, const char* button)
{
    QTest::mouseClick(d->findChild<QPushButton*>(button), Qt::LeftButton);
    Settle();
}

bool Closed(MainWindowFixture& f, const char* form) { return f.window->findChild<QWidget*>(form) == nullptr; }

// Each command is hooked to its own handler: one undo step, or a new size for the turns.
TEST(SpriteDialogs, MenuCommandsRunOnTheSprite)
{
    MainWindowFixture f;
    f.state.preferences.PromptForErasure = false;
    for (const char* name : {"ClearBttn", "FillAll", "HorizFlip", "VertFlip", "ShiftUp", "ShiftDown", "ShiftRight",
                             "ShiftLeft", "BrightnesPlusBttn", "BrightnesMinusBttn", "ForceBWBttn", "BlurBttn"}) {
        const int before = f.state.undoCount;
        f.Trigger(name);
        EXPECT_EQ(f.state.undoCount, before + 1) << name;
    }
    ResizeSprite(f.state, 16, 10);
    f.Trigger("RotateRightBttn");
    EXPECT_EQ(f.state.sprite.height, 16);
    f.Trigger("SelectAll");
    f.state.selection.width = 8;
    f.Trigger("CropBttn");
    EXPECT_EQ(f.state.sprite.width, 8);
    EXPECT_FALSE(f.Action("CropBttn")->isEnabled()) << "no selection left";
}

TEST(SpriteDialogs, ShiftFormResetsTooLargeAmountsAndShiftsOnEnter)
{
    MainWindowFixture f;
    ResizeSprite(f.state, 16, 8);
    SetPixel(f.state, 4, 4, kBlack);
    QWidget* d = Open(f, "CustomShift", "ShiftForm");
    ASSERT_NE(d, nullptr);
    auto* x = d->findChild<QLineEdit*>("XShift");
    auto* y = d->findChild<QLineEdit*>("YShift");
    EXPECT_EQ(x->text(), QString("0"));

    Type(x, "17");
    EXPECT_EQ(x->text(), QString("0"));
    EXPECT_EQ(f.prompter.LastMessage(), kShiftWidthMessage);
    Type(y, "9");
    EXPECT_EQ(y->text(), QString("0"));
    EXPECT_EQ(f.prompter.LastMessage(), kShiftHeightMessage);

    Type(x, "3");
    Type(y, "-2.5");  // rounds to -2
    testing::Activate(f.window.get());
    y->setFocus();
    QTest::keyClick(y, Qt::Key_Return);
    Settle();
    EXPECT_TRUE(Closed(f, "ShiftForm"));
    EXPECT_EQ(GetPixel(f.state, 7, 2), kBlack);
    EXPECT_EQ(GetPixel(f.state, 4, 4), kWhite);
    EXPECT_EQ(f.state.undoCount, 1);

    d = Open(f, "CustomShift", "ShiftForm");
    Type(d->findChild<QLineEdit*>("XShift"), "16");
    testing::Activate(f.window.get());
    QTest::keyClick(d->findChild<QLineEdit*>("XShift"), Qt::Key_Escape);
    Settle();
    EXPECT_TRUE(Closed(f, "ShiftForm"));
    EXPECT_EQ(GetPixel(f.state, 7, 2), kBlack) << "Cancel shifts nothing";
}

TEST(SpriteDialogs, NoiseFormKeepsBoxAndBarInStepAndApplies)
{
    MainWindowFixture f;
    ResizeSprite(f.state, 16, 16);
    QWidget* d = Open(f, "NoiseFilterBttn", "NoiseForm");
    ASSERT_NE(d, nullptr);
    auto* box = d->findChild<QLineEdit*>("NoiseBox");
    auto* bar = d->findChild<QScrollBar*>("NoisePercentage");
    EXPECT_EQ(box->text(), QString("25"));
    EXPECT_EQ(bar->value(), 25);

    Type(box, "250");
    EXPECT_EQ(box->text(), QString("100"));
    EXPECT_EQ(bar->value(), 100);
    box->selectAll();
    box->insert("-5");  // pasted
    EXPECT_EQ(box->text(), QString("0"));
    EXPECT_EQ(bar->value(), 0);
    bar->setValue(60);
    EXPECT_EQ(box->text(), QString("60"));

    Press(d, "ApplyBttn");
    EXPECT_TRUE(Closed(f, "NoiseForm"));
    int dark = 0;
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) dark += GetPixel(f.state, x, y) != kWhite;
    EXPECT_GT(dark, 40);
    f.Trigger("UndoBttn");
    EXPECT_EQ(GetPixel(f.state, 0, 0) + GetPixel(f.state, 15, 15), 0);
}

TEST(SpriteDialogs, WavesFormRefusesNumbersItCannotUseAndAppliesTheRest)
{
    MainWindowFixture f;
    ResizeSprite(f.state, 16, 23);
    SetPixel(f.state, 3, 5, kBlack);
    QWidget* d = Open(f, "WavesBttn", "WavesForm");
    ASSERT_NE(d, nullptr);
    auto* magnitude = d->findChild<QLineEdit*>("MagnitudeBox");
    EXPECT_EQ(magnitude->text(), QString("2")) << "an eighth of the height, rounded down";
    EXPECT_EQ(d->findChild<QComboBox*>("AxisBox")->currentText(), QString("X"));
    EXPECT_EQ(d->findChild<QComboBox*>("WaveTypeBox")->currentText(), QString("Sine"));
    EXPECT_EQ(d->findChild<QLineEdit*>("FMaxValBox")->text(), QString("360"));

    Type(magnitude, "99999");
    Press(d, "ApplyBttn");
    EXPECT_EQ(f.prompter.LastMessage(), kWavesNumberMessage);
    EXPECT_FALSE(Closed(f, "WavesForm")) << "stays open for correcting";
    EXPECT_EQ(GetPixel(f.state, 3, 5), kBlack);
    EXPECT_EQ(f.state.undoCount, 0);

    Type(magnitude, "2.5");  // rounds to 2
    Press(d, "ApplyBttn");
    EXPECT_TRUE(Closed(f, "WavesForm"));
    EXPECT_EQ(GetPixel(f.state, 3, 3), kBlack) << "the column at 90 degrees moves up by 2";
    EXPECT_EQ(GetPixel(f.state, 3, 5), kWhite);
    EXPECT_EQ(f.state.undoCount, 1);
}

}  // namespace
}  // namespace pixador

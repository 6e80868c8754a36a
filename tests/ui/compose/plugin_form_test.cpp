#include "compose/ui/plugin_form.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include "core/history.h"
#include "core/whole_sprite.h"
#include "ui/activation.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::MainWindowFixture;

TEST(PlugInFormWindow, PicksASamplePlugInSetsAParameterAppliesWithEnterAndUndoes)
{
    MainWindowFixture f;
    ResizeSprite(f.state, 8, 2);
    SetPixel(f.state, 5, 1, kDarkGray);
    const SpriteImage before = f.state.sprite;

    f.Trigger("PlugInsMenu");
    auto* form = f.window->findChild<PlugInForm*>("PlugInForm");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), ".:: Pixador Filter Plug-ins ::.");
    auto* list = form->findChild<QListWidget*>("PlugInList");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(1)->text(), "Checkerboard");
    EXPECT_EQ(list->currentRow(), 0);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    auto* tab = form->findChild<QTabBar*>("PlugInMethodTab");
    EXPECT_EQ(tab->tabText(1), "Configuration");
    QTest::mouseClick(tab, Qt::LeftButton, {}, tab->tabRect(1).center());
    auto* spFrame = form->findChild<QGroupBox*>("SPFrame");
    EXPECT_TRUE(spFrame->isVisible());
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(form->findChild<QComboBox*>("SParaList")->currentText(), "Cell width");
    EXPECT_EQ(form->findChild<QComboBox*>("LParaOptions")->currentText(), "Black");

    auto* value = form->findChild<QLineEdit*>("SParaVal");
    EXPECT_EQ(value->text(), "1");
    // Clicking the selected plug-in again brings its defaults back.
    QTest::keyClicks(value, "5");
    QTest::mouseClick(tab, Qt::LeftButton, {}, tab->tabRect(0).center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QTest::mouseClick(tab, Qt::LeftButton, {}, tab->tabRect(1).center());
    EXPECT_EQ(value->text(), "1");
    testing::Activate(f.window.get());
    value->setFocus();
    value->selectAll();
    QTest::keyClicks(value, "2");
    QTest::keyClick(value, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(f.window->findChild<PlugInForm*>("PlugInForm"), nullptr) << "closed after applying";
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(GetPixel(f.state, x, 0), x / 2 % 2 ? kWhite : kBlack) << x;
        EXPECT_EQ(GetPixel(f.state, x, 1), x / 2 % 2 ? kBlack : kWhite) << x;
    }
    f.Trigger("UndoBttn");
    EXPECT_EQ(f.state.sprite.cells, before.cells);

    // Escape cancels without touching the sprite.
    f.Trigger("PlugInsMenu");
    form = f.window->findChild<PlugInForm*>("PlugInForm");
    ASSERT_NE(form, nullptr);
    testing::Activate(f.window.get());
    form->findChild<QListWidget*>("PlugInList")->setFocus();
    QTest::keyClick(form->findChild<QListWidget*>("PlugInList"), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.window->findChild<PlugInForm*>("PlugInForm"), nullptr);
    EXPECT_EQ(f.state.sprite.cells, before.cells);
}

}  // namespace
}  // namespace pixador

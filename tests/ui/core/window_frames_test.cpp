// The main window and its children as a user sees them: whole pictures, readable captions,
// a resting status text, stable dialog sizes and the user's own window arrangement.

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include "canvas/ui/preview_form.h"
#include "core/prompts.h"
#include "core/ui/twips.h"
#include "core/whole_sprite.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::MainWindowFixture;
using testing::TempDir;

QMdiSubWindow* SubOf(QWidget* content) { return qobject_cast<QMdiSubWindow*>(content->parentWidget()); }

// The sub-window's content area holds the whole content, and the content the whole picture.
void ExpectWholePicture(PreviewForm* form, const char* when)
{
    SCOPED_TRACE(when);
    QMdiSubWindow* sub = SubOf(form);
    ASSERT_NE(sub, nullptr);
    const QWidget* picture = form->findChild<QWidget*>("Preview");
    const QRect shown = sub->contentsRect();
    EXPECT_GE(shown.width(), picture->geometry().right() + 1);
    EXPECT_GE(shown.height(), picture->geometry().bottom() + 1);
    EXPECT_EQ(picture->size(), QSize(form->zoom() * 8 > 0 ? form->image().size() : QSize()));
    EXPECT_GE(sub->width(), QFontMetrics(sub->font()).horizontalAdvance(sub->windowTitle())) << "caption readable";
    EXPECT_FALSE(sub->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(WindowFrames, PreviewShowsItsWholePictureAtEveryZoomAndAfterNew)
{
    MainWindowFixture f;
    f.Trigger("NewPreviewBttn");
    auto* form = f.window->findChild<PreviewForm*>();
    ASSERT_NE(form, nullptr);
    auto* zoom = form->findChild<QComboBox*>("ZoomB");
    for (int index : {0, 3, 9, zoom->count() - 1}) {
        zoom->setCurrentIndex(index);
        form->ZoomB_Click();
        ExpectWholePicture(form, qPrintable(QString("zoom entry %1").arg(index)));
    }
    ResizeSprite(f.state, 32, 40);
    ExpectWholePicture(form, "after 32x40");
}

TEST(WindowFrames, ReadyStaysWhenMenusShowTheirTipsAndTheTitleIgnoresMaximisedChildren)
{
    MainWindowFixture f;
    auto* status = f.window->statusBar()->findChild<QLabel*>("StatusText");
    ASSERT_NE(status, nullptr);
    // Hovering a menu item shows its (empty) tip as a temporary message.
    f.window->statusBar()->showMessage("");
    f.window->statusBar()->clearMessage();
    EXPECT_EQ(status->text(), QString("Ready"));
    EXPECT_TRUE(status->isVisible());

    QMdiSubWindow* canvas = nullptr;
    for (QMdiSubWindow* sub : f.window->MdiArea()->subWindowList())
        if (sub->windowTitle() == "Sprite") canvas = sub;
    ASSERT_NE(canvas, nullptr);
    canvas->showMaximized();
    QCoreApplication::processEvents();
    EXPECT_EQ(f.Title(), QString(kBanner));
    canvas->showNormal();
    EXPECT_EQ(f.Title(), QString(kBanner));
}

TEST(WindowFrames, PreferencesDialogKeepsItsSizeOnEveryPage)
{
    MainWindowFixture f;
    f.window->resize(1000, 900);
    f.Trigger("ConfPanel");
    QWidget* conf = f.window->findChild<QWidget*>("Conf");
    ASSERT_NE(conf, nullptr);
    QMdiSubWindow* sub = SubOf(conf);
    const QSize size = sub->size();
    auto* pages = conf->findChild<QTabBar*>("ConfPages");
    for (int page : {1, 0, 1}) {
        pages->setCurrentIndex(page);
        QCoreApplication::processEvents();
        EXPECT_EQ(sub->size(), size) << "page " << page;
    }
    EXPECT_LT(size.height(), 900);
    // Every control of the larger page fits.
    EXPECT_GE(conf->height(), conf->minimumSizeHint().height());
}

TEST(WindowFrames, StoredArrangementIsPlacedExactlyAndSurvivesARestart)
{
    MainWindowFixture first("", false);
    // Overlapping tool windows, as a user may arrange them.
    TempDir::Write(first.dir.File("PxdWinPos.ini"),
                   "Main_Left=0\r\nMain_Top=0\r\nMain_Width=15000\r\nMain_Height=12000\r\nDA_Left=600\r\n"
                   "DA_Top=600\r\nDA_Width=4000\r\nDA_Height=4000\r\nZoom_Left=300\r\nZoom_Top=300\r\n"
                   "ToolB_Left=450\r\nToolB_Top=450\r\nColorB_Left=600\r\nColorB_Top=750\r\n"
                   "PSizeB_Left=900\r\nPSizeB_Top=900\r\nWin_State=0\r\n");
    first.Load("");
    const Twips t = TwipsFor(first.window.get());
    const auto at = [&](const char* title) {
        for (QMdiSubWindow* sub : first.window->MdiArea()->subWindowList())
            if (sub->windowTitle() == title) return sub->pos();
        return QPoint(-1, -1);
    };
    EXPECT_EQ(at("Zoom"), QPoint(t.ToPixelsX(300), t.ToPixelsY(300)));
    EXPECT_EQ(at("Tools"), QPoint(t.ToPixelsX(450), t.ToPixelsY(450)));
    EXPECT_EQ(at("Color"), QPoint(t.ToPixelsX(600), t.ToPixelsY(750)));
    EXPECT_EQ(at("Pen Size"), QPoint(t.ToPixelsX(900), t.ToPixelsY(900)));
    EXPECT_EQ(at("Sprite"), QPoint(t.ToPixelsX(600), t.ToPixelsY(600)));

    // Quitting writes the same places back.
    first.prompter.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(first.window->close());
    const std::string layout = TempDir::Read(first.dir.File("PxdWinPos.ini"));
    EXPECT_NE(layout.find("ToolB_Left= 450\r\nToolB_Top= 450\r\n"), std::string::npos) << layout;
    EXPECT_NE(layout.find("DA_Left= 600\r\nDA_Top= 600\r\n"), std::string::npos);
}

}  // namespace
}  // namespace pixador

// The main window and its children as a user sees them: whole pictures, readable captions,
// a resting status text, stable dialog sizes and the user's own window arrangement.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include "canvas/ui/preview_form.h"
#include "core/app/qt_editor_view.h"
#include "core/prompts.h"
#include "core/ui/twips.h"
#include "core/whole_sprite.h"
#include "support/outside_pictures.h"
#include "ui/activation.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::MainWindowFixture;
using testing::Settle;
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

    // Tool windows are as small as their controls allow and show their whole caption.
    for (const char* title : {"Zoom", "Tools", "Color", "Pen Size"}) {
        QMdiSubWindow* tool = nullptr;
        for (QMdiSubWindow* sub : f.window->MdiArea()->subWindowList())
            if (sub->windowTitle() == title) tool = sub;
        ASSERT_NE(tool, nullptr) << title;
        EXPECT_LE(tool->height(), tool->widget()->sizeHint().height() + 60) << title;
        EXPECT_LE(tool->width(), std::max(tool->widget()->sizeHint().width(), 200) + 40) << title;
        EXPECT_GE(tool->width(), QFontMetrics(tool->font()).horizontalAdvance(title)) << title;
    }
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

    // The program's own icon, on the main window and its children alike.
    const QImage icon = f.window->windowIcon().pixmap(16, 16).toImage();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixelColor(0, 0), QColor(0x55, 0x55, 0x55)) << "the frame of the drawn icon";
    EXPECT_EQ(canvas->windowIcon().pixmap(16, 16).toImage(), icon);
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

// The dialog shows each description once and still filters by every pattern.
TEST(WindowFrames, FileDialogsShowEachFilterOnceAndFilterByItsPatterns)
{
    struct Row {
        const char* description;
        const char* pattern;
        QStringList shown;  // files of a folder the dialog lists
    };
    const Row rows[] = {
        {"ASM Source Files (*.s, *.asm, *.h)", "*.s;*.asm;*.h", {"a.asm", "b.s", "c.h"}},
        {"Pixador Files (*.pxd)", "*.pxd", {"d.pxd"}},
    };
    TempDir dir;
    for (const char* name : {"a.asm", "b.s", "c.h", "d.pxd", "e.txt"}) TempDir::Write(dir.File(name), "x");
    for (const Row& row : rows) {
        FileDialogRequest r;
        r.description = row.description;
        r.pattern = row.pattern;
        QFileDialog dialog(nullptr, "t", QString::fromStdString(dir.str()), FileDialogFilter(r));
        dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
        auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(types->currentText(), QString(row.description));
        // What the dialog lists once its folder is read.
        auto* list = dialog.findChild<QListView*>("listView");
        ASSERT_NE(list, nullptr);
        QStringList listed;
        const bool listedAll = QTest::qWaitFor([&] {
            listed.clear();
            const QModelIndex root = list->rootIndex();
            for (int i = 0; i < list->model()->rowCount(root); ++i)
                listed << list->model()->index(i, 0, root).data().toString();
            listed.sort();
            return listed == row.shown;
        }, 5000);
        EXPECT_TRUE(listedAll) << listed.join(", ").toStdString();
    }
}

}  // namespace
}  // namespace pixador

namespace pixador {
namespace {

// Every dialog opens at the top-left of the document area, whatever the tool windows leave free,
// at the same place the next time, and with the keyboard focus where typing goes first.
TEST(WindowFrames, EveryDialogOpensAtTheTopLeftWithTheFocusInItsFirstInput)
{
    struct Row {
        const char* action;
        const char* dialog;
        const char* firstInput;
        // Writes the file the command opens; its path, or "" when it opens none.
        std::string (*file)(const TempDir&);
    };
    const auto none = [](const TempDir&) { return std::string(); };
    const Row rows[] = {
        {"ResizeCanvasBttn", "ResizeDialog", "widthbox", none},
        {"CustomShift", "ShiftForm", "XShift", none},
        {"NoiseFilterBttn", "NoiseForm", "NoiseBox", none},
        {"WavesBttn", "WavesForm", "MagnitudeBox", none},
        {"ConfPanel", "Conf", "DefW", none},
        {"AboutBttn", "AboutForm", "OkAbout", none},
        {"MaskMenu", "maskform", "MaskFile", none},
        {"ExportBMP", "BMPExport", "BMPExportFile", none},
        {"PlugInsMenu", "PlugInForm", "PlugInList", none},
        {"MergeSprite", "MergeForm", "MergeMode",
         [](const TempDir& d) {
             TempDir::Write(d.File("m.pxd"), std::string{1, 1, 0, 0});
             return d.File("m.pxd");
         }},
        {"ImportFromC", "ImportC", "ArrayList",
         [](const TempDir& d) {
             TempDir::Write(d.File("s.c"), "unsigned char s[2] = {0x01,0x02};\n");
             return d.File("s.c");
         }},
        {"ImportBMP", "BMPImport", "WBox",
         [](const TempDir& d) {
             testing::MakeOutsidePicture("palette", 20, 10, d.File("b.png"));
             return d.File("b.png");
         }},
    };
    MainWindowFixture f;
    f.state.preferences.PromptForErasure = false;
    // Tool windows moved away from the top-left leave the most room elsewhere.
    f.window->resize(1000, 800);
    for (QMdiSubWindow* sub : f.window->MdiArea()->subWindowList()) sub->move(sub->pos() + QPoint(300, 0));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dialog);
        QPoint first;
        for (int time = 0; time < 2; ++time) {
            testing::Activate(f.window.get());
            const std::string path = row.file(f.dir);
            if (!path.empty()) f.prompter.openPaths = {path};
            f.Trigger(row.action);
            Settle();
            QWidget* d = f.window->findChild<QWidget*>(row.dialog);
            ASSERT_NE(d, nullptr);
            QMdiSubWindow* sub = SubOf(d);
            ASSERT_NE(sub, nullptr);
            EXPECT_EQ(sub->pos(), QPoint(0, 0)) << "time " << time;
            QWidget* focus = QApplication::focusWidget();
            EXPECT_EQ(focus ? focus->objectName().toStdString() : "", row.firstInput) << "time " << time;
            sub->close();
            Settle();
        }
    }
}

}  // namespace
}  // namespace pixador

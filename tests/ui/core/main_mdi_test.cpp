#include "core/app/main_mdi.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

#include "core/app/qt_editor_view.h"
#include "core/editor_state.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::TempDir;

TEST(MainWindow, FirstStartWritesDefaultFilesAndClosingWritesArrangement)
{
    TempDir dir;
    QtEditorView view;
    EditorState state(view);
    state.programDir = dir.str();
    {
        MainMDI window(state);
        view.Attach(&window);
        window.MDIForm_Load("");
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(window.windowTitle(), QString(".:: Pixador Sprite Editor for TIGCC ::. "));
        EXPECT_EQ(state.sprite.width, 8);
        EXPECT_EQ(state.sprite.height, 8);

        const std::string ini = TempDir::Read(dir.File("Pixador.ini"));
        EXPECT_EQ(ini.substr(0, 16), "LCDColorSet= 1\r\n");
        EXPECT_NE(ini.find("DefaultHeight= 8\r\n"), std::string::npos);
        EXPECT_TRUE(QFile::exists(QString::fromStdString(dir.File("QAccess.ini"))));
        EXPECT_EQ(TempDir::Read(dir.File("QAccess.ini")), "");
        EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.File("PxdWinPos.ini"))));

        window.close();
    }
    const std::string layout = TempDir::Read(dir.File("PxdWinPos.ini"));
    EXPECT_EQ(layout.substr(0, 10), "Main_Left=");
    EXPECT_NE(layout.find("\r\nWin_State="), std::string::npos);
}

}  // namespace
}  // namespace pixador

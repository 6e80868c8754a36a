#include "core/ui/dialog_keys.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/activation.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::Settle;

using testing::MainWindowFixture;

// Enter presses the default button and Escape presses Cancel in each dialog; both close it.
TEST(DialogKeys, EnterPressesTheDefaultButtonAndEscapeCancels)
{
    struct Row {
        const char* action;
        const char* dialog;
        Qt::Key key;
        int expectedHeight;  // the sprite's height afterwards
    };
    const Row rows[] = {
        {"ResizeCanvasBttn", "ResizeDialog", Qt::Key_Return, 12},
        {"ResizeCanvasBttn", "ResizeDialog", Qt::Key_Enter, 12},
        {"ResizeCanvasBttn", "ResizeDialog", Qt::Key_Escape, 8},
        {"ConfPanel", "Conf", Qt::Key_Return, 8},
        {"ConfPanel", "Conf", Qt::Key_Escape, 8},
        {"AboutBttn", "AboutForm", Qt::Key_Escape, 8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.dialog) + " key " + std::to_string(row.key));
        MainWindowFixture f;
        f.prompter.answers = {MessageAnswer::Yes};  // the resize's "cannot be undone" question
        f.Trigger(row.action);
        QWidget* d = f.window->findChild<QWidget*>(row.dialog);
        ASSERT_NE(d, nullptr);
        // The key goes where the user's focus would be: the box just typed in, or the first
        // control that takes the focus.
        QWidget* target = d;
        for (QWidget* w : d->findChildren<QWidget*>())
            if (w->focusPolicy() & Qt::TabFocus) {
                target = w;
                break;
            }
        if (auto* h = d->findChild<QLineEdit*>("HeightBox")) {
            h->setText("12");
            target = h;
        }
        testing::Activate(f.window.get());
        target->setFocus();
        QTest::keyClick(target, row.key);
        Settle();
        EXPECT_EQ(f.state.sprite.height, row.expectedHeight);
        QWidget* still = f.window->findChild<QWidget*>(row.dialog);
        EXPECT_TRUE(still == nullptr || !still->isVisible()) << "dialog closed";
    }
}

TEST(DialogKeys, OneLineBoxDropsPastedLineBreaks)
{
    QLineEdit box;
    KeepOneLine(box);
    box.setText("ab");
    box.setCursorPosition(1);
    box.insert("x\r\ny\n");
    EXPECT_EQ(box.text(), QString("axyb"));
    EXPECT_EQ(box.cursorPosition(), 3);
}

}  // namespace
}  // namespace pixador

#pragma once
// Window activation for window tests, through the window system as a click would do it, so a
// test sees the focus rules Qt applies to the active window.

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

namespace pixador::testing {

inline void Activate(QWidget* window)
{
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << "the window system did not activate the window";
}

// What a modal box leaves behind when it closes: it took the activation, and now no window
// has it.
inline void LeaveNoWindowActive()
{
    QWidget box;
    box.show();
    Activate(&box);
}

}  // namespace pixador::testing

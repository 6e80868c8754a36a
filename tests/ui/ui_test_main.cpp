// Window tests run offscreen unless the environment picks a real display.
#include <QApplication>

#include <gtest/gtest.h>

#include "core/ui/deferred_icon_style.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program's own style, so every window is tested as it is shown.
    QApplication::setStyle(new pixador::DeferredIconStyle);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

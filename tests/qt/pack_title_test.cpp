#include <gtest/gtest.h>

#include "harness.h"

using qt_testing::Harness;

// A pack being played is named in every window's title after the window's own
// caption: the game window and the menu it goes back to.
TEST(PackTitle, EveryWindowNamesThePack) {
    Harness h;
    qt_testing::addShowcaseStage(h, 1);
    h.start();
    h.windows().nameWindowsAfter(QStringLiteral("Tower of Pools"));
    h.clickAt("Menu", h.centreOf("Menu", "Command1"));  // Start
    ASSERT_NE(h.window("MainWindow"), nullptr);
    EXPECT_EQ(h.window("MainWindow")->windowTitle(), " Lumora — Tower of Pools");
    h.clickAt("MainWindow", h.centreOf("MainWindow", "Command3"));  // Exit
    ASSERT_NE(h.window("Menu"), nullptr);
    EXPECT_EQ(h.window("Menu")->windowTitle(), " Menu — Tower of Pools");
}

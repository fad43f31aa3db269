#include <gtest/gtest.h>

#include <filesystem>

#include "harness.h"

using qt_testing::Harness;

// A stage file that cannot be read stops the program: its message reaches the
// player, the program ends with status 1, every window goes, and the save
// file is left as it was.
TEST(ProgramEnd, BadStageEndsWithItsMessage) {
    Harness h;
    h.setSave("3\r\n");
    h.temp().write("mmap3.bkm", "KKK\r\n");  // two lines short, and no answer file
    h.start();
    h.clickAt("Menu", h.centreOf("Menu", "Command2"));
    ASSERT_EQ(h.exitCode, 1);
    ASSERT_EQ(h.errors.size(), 1u);
    EXPECT_TRUE(h.errors[0].contains("mmap3.bkm")) << h.errors[0].toStdString();
    EXPECT_EQ(h.window("Menu"), nullptr);
    EXPECT_EQ(h.window("MainWindow"), nullptr);
    EXPECT_EQ(h.temp().read("save.bkm"), "3\r\n");
    EXPECT_EQ(h.windows().clock().armedDelay(), std::nullopt);
}

// A save that cannot be made is shown while the menu opens, not fatal; one
// that fails as the last window closes is shown before the program goes.
TEST(ProgramEnd, AnUnwritableSaveIsShownAndPlayGoesOn) {
    testing_support::TempFolder other;
    other.write("blocker", "");
    Harness h(15.0f, other.path() + "/blocker/lumora");
    h.start();
    EXPECT_FALSE(h.exitCode);
    ASSERT_NE(h.window("Menu"), nullptr);
    ASSERT_EQ(h.told.size(), 1u);
    EXPECT_TRUE(h.told[0].startsWith(QString::fromStdString(
        "save.bkm: cannot write " + other.path() + "/blocker/lumora/save.bkm (")))
        << h.told[0].toStdString();
    EXPECT_TRUE(h.errors.empty());
    h.windows().closeRequested(*h.game().program().find("Menu"));
    EXPECT_EQ(h.exitCode, 0);
}

TEST(ProgramEnd, ASaveFailingAsTheLastWindowClosesIsShownBeforeTheEnd) {
    Harness h;
    qt_testing::openFloorStage(h, "1");
    // A folder where the save should be: it cannot be replaced, even by root.
    h.temp().remove("save.bkm");
    std::filesystem::create_directory(h.temp().path() + "/save.bkm");
    h.windows().closeRequested(*h.game().program().find("MainWindow"));
    EXPECT_EQ(h.exitCode, 0);
    EXPECT_TRUE(h.told.empty());
    ASSERT_EQ(h.errors.size(), 1u);
    EXPECT_TRUE(h.errors[0].contains(QString::fromStdString(h.temp().path() + "/save.bkm")))
        << h.errors[0].toStdString();
}

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

// A program folder that does not exist: the first save file cannot be made,
// and the program ends before any window opens.
TEST(ProgramEnd, UnwritableFolderEndsAtStart) {
    Harness h(15.0f,
              (std::filesystem::path(testing_support::TempFolder().path()) / "gone").string());
    h.start();
    EXPECT_EQ(h.exitCode, 1);
    ASSERT_EQ(h.errors.size(), 1u);
    EXPECT_FALSE(h.errors[0].isEmpty());
    EXPECT_EQ(h.window("Menu"), nullptr);
    EXPECT_TRUE(h.windows().finished());
    EXPECT_EQ(h.windows().exitCode(), 1);
}

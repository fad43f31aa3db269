#include "game/save_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/fixture.h"

using testing_support::TempFolder;

TEST(SaveFolder, PlayerDataFolderFollowsXdgDataHome) {
    const struct {
        const char* xdg;
        const char* home;
        const char* expected;
    } cases[] = {
        {"/x/data", "/home/p", "/x/data/lumora"},
        {"/x/data/", "/home/p", "/x/data/lumora"},
        {"", "/home/p", "/home/p/.local/share/lumora"},
        // Relative values are invalid: never a folder under wherever the game started.
        {"data", "/home/p", "/home/p/.local/share/lumora"},
        {"data", "", ""},
        {"", "home/p", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(game::playerDataFolder(c.xdg, c.home), c.expected)
            << "XDG_DATA_HOME=" << c.xdg << " HOME=" << c.home;
}

TEST(SaveFolder, TheSaveStaysInItsOwnFolderOnlyWhenThatCanBeWritten) {
    TempFolder own;
    TempFolder xdg;
    own.write("blocker", "");  // a file: no folder can be made beneath it, not even by root
    const std::string player = xdg.path() + "/lumora";

    EXPECT_EQ(game::chooseSaveFolder(own.path(), xdg.path(), "/nowhere"), own.path());
    EXPECT_TRUE(own.files() == std::vector<std::string>{"blocker"}) << "the probe left a file";
    EXPECT_EQ(game::chooseSaveFolder(own.path() + "/blocker/bin", xdg.path(), "/h"), player);
    EXPECT_EQ(game::chooseSaveFolder(own.path() + "/missing", xdg.path(), "/h"), player);
    EXPECT_EQ(game::chooseSaveFolder("", xdg.path(), "/h"), player);  // installed
    EXPECT_EQ(game::chooseSaveFolder("", "", "/h"), "/h/.local/share/lumora");

    // Permission bits stop everyone but root.
    if (geteuid() != 0) {
        ASSERT_EQ(chmod(own.path().c_str(), 0555), 0);
        EXPECT_EQ(game::chooseSaveFolder(own.path(), xdg.path(), "/h"), player);
        chmod(own.path().c_str(), 0755);
    }
}

TEST(SaveFolder, MakingTheFolderCreatesEveryMissingLevelPrivateOrNamesTheSave) {
    TempFolder base;
    const std::string deep = base.path() + "/data/lumora/";
    EXPECT_FALSE(game::makeSaveFolder(deep));
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    struct stat st {};
    ASSERT_EQ(stat((base.path() + "/data").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_FALSE(game::makeSaveFolder(deep));  // there already

    base.write("file", "");
    auto e = game::makeSaveFolder(base.path() + "/file/lumora");
    ASSERT_TRUE(e);
    EXPECT_EQ(
        e->message.rfind("save.bkm: cannot write " + base.path() + "/file/lumora/save.bkm (", 0),
        0u)
        << e->message;
}

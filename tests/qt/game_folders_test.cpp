#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "game/save_folder.h"
#include "support/fixture.h"

using testing_support::TempFolder;

// Each layout the game can be started from, built in a temporary folder.
TEST(GameFolders, StagesAndSaveAreFoundForEveryLayout) {
    TempFolder root;
    TempFolder xdg;
    const std::string player = xdg.path() + "/lumora";

    // Run from its own folder: everything beside the executable.
    root.write("mmap1.bkm", "");
    game::GameFolders own = game::findGameFolders(root.path(), "../share/lumora", xdg.path(), "/h");
    EXPECT_EQ(own.stages, root.path());
    EXPECT_EQ(own.save, root.path());

    // Installed: the stages relative to bin/, the save in the player's folder.
    std::filesystem::create_directories(root.path() + "/prefix/bin");
    std::filesystem::create_directories(root.path() + "/prefix/share/lumora");
    root.write("prefix/share/lumora/mmap1.bkm", "");
    game::GameFolders installed =
        game::findGameFolders(root.path() + "/prefix/bin", "../share/lumora", xdg.path(), "/h");
    EXPECT_EQ(installed.stages, root.path() + "/prefix/share/lumora");
    EXPECT_EQ(installed.save, player);
    EXPECT_EQ(game::findGameFolders(root.path() + "/prefix/bin", "../share/lumora", "", "/h").save,
              "/h/.local/share/lumora");

    // A one-folder install the player cannot write to (root can write anywhere).
    if (geteuid() != 0) {
        ASSERT_EQ(chmod(root.path().c_str(), 0555), 0);
        game::GameFolders locked =
            game::findGameFolders(root.path(), "../share/lumora", xdg.path(), "/h");
        chmod(root.path().c_str(), 0755);
        EXPECT_EQ(locked.stages, root.path());
        EXPECT_EQ(locked.save, player);
    }
}

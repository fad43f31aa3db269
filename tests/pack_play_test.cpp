#include "ui/pack_play.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/files.h"
#include "game/pack_file.h"
#include "game/replay_script.h"
#include "support/fixture.h"

using testing_support::TempFolder;
namespace fs = std::filesystem;

namespace {

constexpr const char* kPackName = "Tower of Pools";
constexpr int kGameSave = 5;  // the game's own save, which a pack must never touch

std::string textOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The first `stages` of the game's own, as one pack file's text.
std::string packText(int stages, const std::string& name) {
    auto own = game::openGameStages(LUMORA_STAGES_DIR);
    game::PackContents contents{std::get<game::Pack>(std::move(own)), {}};
    contents.pack.info.name = name;
    contents.pack.info.stageCount = stages;
    contents.pack.stages.resize(static_cast<std::size_t>(stages));
    contents.solutions.resize(static_cast<std::size_t>(stages));
    return game::writePackFileText(contents);
}

// Every file under the folder, by its path inside it.
std::vector<std::string> filesUnder(const std::string& folder) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (!entry.is_directory()) found.push_back(fs::relative(entry.path(), folder).string());
    std::sort(found.begin(), found.end());
    return found;
}

// Stage 1's stored solution as the window system sends it: each tap a press
// and a release, with the waits between; the menu's own clicks are left to
// the test.
void playStageOneSolution(forms::Program& program) {
    using Kind = game::ScriptStep::Kind;
    const auto script =
        game::readScript(textOf(fs::path(LUMORA_STAGES_DIR) / "solutions" / "stage1.replay"));
    for (const game::ScriptStep& s : script.steps) {
        if (s.kind == Kind::Wait) program.advance(s.number);
        if (s.kind != Kind::Tap) continue;
        const int k = static_cast<int>(s.number);
        program.mouseDown(ui::MainWindow::kName, "Tile", k, s.button);
        program.mouseUp(ui::MainWindow::kName, "Tile", k, s.button);
    }
}

// Game time passes until the menu comes back after the stage's outcome.
bool waitForMenu(ui::LumoraProgram& game) {
    for (int waited = 0; waited < 30000 && game.menu() == nullptr; waited += 100)
        game.program().advance(100);
    return game.menu() != nullptr;
}

}  // namespace

// The menu's Start, the stored solution's clicks and Stage Clear, on a pack
// given as one file: the next stage is saved in the pack's own save folder,
// back to the first after the pack's last, and the game's own save stays as
// it was.
TEST(PackPlay, APackFilePlaysWithASaveOfItsOwn) {
    struct Case {
        int stages;
        std::string name;
        int savedAfterClear;
        std::string title;
    };
    const std::vector<Case> cases = {
        {2, kPackName, 2, kPackName},
        {1, "", 1, "tower.lumora"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stages);
        TempFolder data, where;
        const std::string gameFolder = data.path() + "/lumora";
        fs::create_directories(gameFolder);
        ASSERT_FALSE(game::writeSaveFile(gameFolder, kGameSave));
        const std::string gameSave = textOf(fs::path(gameFolder) / game::kSaveFileName);
        where.write("tower.lumora", packText(c.stages, c.name));

        auto opened = ui::PackPlay::open(where.path() + "/tower.lumora", data.path(), "/nowhere");
        ASSERT_TRUE(std::holds_alternative<std::unique_ptr<ui::PackPlay>>(opened));
        ui::PackPlay& pack = *std::get<std::unique_ptr<ui::PackPlay>>(opened);
        EXPECT_EQ(pack.title(), c.title);
        {
            const game::ScopedFileIo files(pack.files());
            const auto game = pack.program(15.0f);
            game->start();
            game->program().click(ui::Menu::kName, "Command1");  // Start
            ASSERT_NE(game->gameWindow(), nullptr);
            playStageOneSolution(game->program());
            ASSERT_TRUE(waitForMenu(*game));
            game->program().click(ui::Menu::kName, "Command4");  // Stage Clear
            EXPECT_EQ(game->bas().intStageNo, c.savedAfterClear);
        }
        const auto saved = game::readSaveFile(pack.saveFolder());
        ASSERT_TRUE(std::holds_alternative<std::int32_t>(saved));
        EXPECT_EQ(std::get<std::int32_t>(saved), c.savedAfterClear);
        const std::string packSave =
            fs::relative(fs::path(pack.saveFolder()) / game::kSaveFileName, data.path()).string();
        EXPECT_TRUE(packSave.starts_with("lumora/packs/")) << packSave;
        std::vector<std::string> written = {"lumora/save.bkm", packSave};
        std::sort(written.begin(), written.end());
        EXPECT_EQ(filesUnder(data.path()), written);
        EXPECT_EQ(textOf(fs::path(gameFolder) / game::kSaveFileName), gameSave);
        EXPECT_EQ(where.files(), std::vector<std::string>{"tower.lumora"});
    }
}

// A path that does not open as a pack is named with its file and line, and
// nothing is written anywhere: no save folder, nothing beside the pack.
TEST(PackPlay, APathThatIsNoPackWritesNothing) {
    struct Case {
        const char* what;
        std::string path;  // inside the folder
        std::string bytes;
        std::string names;  // what the message must hold
    };
    const std::string pack = packText(2, kPackName);
    const std::vector<Case> cases = {
        {"missing", "gone.lumora", "", "gone.lumora"},
        {"another first line", "bad.lumora", "Lumora pack 2\n" + pack.substr(pack.find('\n') + 1),
         "bad.lumora line 1"},
        {"a stage short", "short.lumora", pack.substr(0, pack.find("[Stage 2]")),
         "short.lumora line"},
        {"a folder's broken pack.ini", "folder/pack.ini", "[Pack]\nName=P\nStages=abc\n",
         "pack.ini line 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder data, where;
        if (!c.bytes.empty()) {
            fs::create_directories((fs::path(where.path()) / c.path).parent_path());
            std::ofstream(fs::path(where.path()) / c.path, std::ios::binary) << c.bytes;
        }
        const fs::path opened = fs::path(where.path()) / fs::path(c.path);
        const std::string path = opened.filename() == game::kPackFileName
                                     ? opened.parent_path().string()
                                     : opened.string();
        const std::vector<std::string> before = filesUnder(where.path());

        auto result = ui::PackPlay::open(path, data.path(), "/nowhere");
        const auto* e = std::get_if<game::FileError>(&result);
        ASSERT_NE(e, nullptr);
        EXPECT_NE(e->message.find(c.names), std::string::npos) << e->message;
        EXPECT_TRUE(fs::is_empty(data.path()));
        EXPECT_EQ(filesUnder(where.path()), before);
    }
}

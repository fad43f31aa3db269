// A failing disk under every file operation the game does: each call that can
// fail is made to fail in turn, and the game must name the file, keep the save
// whole (the old one byte for byte or the new one complete) and leave no
// temporary file behind.

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <tuple>

#include "forms/program.h"
#include "game/files.h"
#include "game/pack.h"
#include "support/faulty_io.h"
#include "support/fixture.h"

using testing_support::FaultyIo;
using testing_support::Game;

namespace {

// Stage 1 is cleared by one block, stage 2 lost by it.
void addStages(Game& g) {
    g.addStage(1, testing_support::oneBlockStage(), "1", "10");
    g.addStage(2, testing_support::oneBlockStage(), "1", "1");
    g.addStage(3, testing_support::oneBlockStage(), "1", "10");
}

void loadThen(Game& g, int stage, bool decide) {
    g.load(stage);
    if (decide) {
        g.cast(6, 5);
        g.wait(9000);
    }
}

struct Operation {
    const char* name;
    bool ignoresSave;                   // a new game plays stage 1 whatever the save holds
    std::function<void(Game&)> before;  // brings the game to the moment
    std::function<void(Game&)> act;     // the operation the disk fails under
};

const Operation kOperations[] = {
    {"start-up, no save yet", false, [](Game& g) { g.folder().remove("save.bkm"); },
     [](Game& g) { g.start(); }},
    {"new game", true, [](Game& g) { g.start(); }, [](Game& g) { g.click("menu", "Command1"); }},
    {"Load", false, [](Game& g) { g.start(); }, [](Game& g) { g.click("menu", "Command2"); }},
    {"Stage Clear", false, [](Game& g) { loadThen(g, 1, true); },
     [](Game& g) { g.click("menu", "Command4"); }},
    {"Try Again after a loss", false, [](Game& g) { loadThen(g, 2, true); },
     [](Game& g) { g.click("menu", "Command5"); }},
    {"Try Again", false, [](Game& g) { loadThen(g, 3, false); },
     [](Game& g) { g.click("game", "Command1"); }},
    {"Exit to the menu", false, [](Game& g) { loadThen(g, 3, false); },
     [](Game& g) { g.click("game", "Command3"); }},
    {"closing the game window", false, [](Game& g) { loadThen(g, 3, false); },
     [](Game& g) { g.program().program().close(ui::MainWindow::kName); }},
    {"Stage Clear after a pack's last stage", false,
     [](Game& g) {
         g.makePack(3);
         loadThen(g, 3, true);
     },
     [](Game& g) { g.click("menu", "Command4"); }},
};

struct Outcome {
    std::string save;
    std::vector<std::string> files;
    std::string error;  // fatal
    std::vector<std::string> told;
    std::string windows;  // what is open, and the stage the game window shows
    std::vector<std::string> calls;
};

// Plays `op` in a folder of its own with the fault planted at call `failAt`
// (none for 0). The save holds a different spelling of its stage before the
// operation, so a rewrite shows.
Outcome run(const Operation& op, int failAt, std::string& saveBefore) {
    Game g;
    addStages(g);
    g.setSave("3\r\n");
    op.before(g);
    if (g.folder().exists("save.bkm")) {
        const std::string stage = g.folder().read("save.bkm");
        g.setSave("0" + stage);
    }
    saveBefore = g.folder().exists("save.bkm") ? g.folder().read("save.bkm") : "(none)";
    FaultyIo io(failAt);
    {
        game::ScopedFileIo failing(io);
        op.act(g);
    }
    forms::Program& p = g.program().program();
    Outcome out;
    out.save = g.folder().exists("save.bkm") ? g.folder().read("save.bkm") : "(none)";
    out.files = g.folder().files();
    out.error = p.fatalError().value_or("");
    out.told = p.takeMessages();
    if (!p.ended()) {
        out.windows = g.menuOpen() ? "menu" : "";
        if (g.gameOpen()) out.windows += "game at stage " + g.w().StageNo->Caption;
    }
    out.calls = io.calls();
    return out;
}

bool namesAFile(const std::string& message) {
    for (const char* head : {"save.bkm: ", "mmap", "amap"})
        if (message.rfind(head, 0) == 0) return true;
    return false;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(FaultWalk, EveryCallOfEveryFileOperation) {
    int points = 0;
    for (const Operation& op : kOperations) {
        std::string before;
        const Outcome clean = run(op, 0, before);
        ASSERT_EQ(clean.error, "") << op.name;
        ASSERT_EQ(clean.told, std::vector<std::string>{}) << op.name;
        ASSERT_FALSE(clean.calls.empty()) << op.name;
        for (int n = 1; n <= static_cast<int>(clean.calls.size()); ++n, ++points) {
            const Outcome o = run(op, n, before);
            const std::string& call = clean.calls[n - 1];
            const std::string where = std::string(op.name) + ", " + call + " fails";
            EXPECT_TRUE(o.save == before || o.save == clean.save)
                << where << ": the save holds \"" << o.save << "\"";
            // No temporary file, and a save only where there was one or the
            // new one is complete.
            std::vector<std::string> files = clean.files;
            if (o.save == "(none)") std::erase(files, std::string("save.bkm"));
            EXPECT_EQ(o.files, files) << where;

            if (contains(call, "save.bkm.new") || call == "flushFolder") {
                // A save that fails is told, with its path and the reason,
                // and play goes on as if it had not.
                EXPECT_EQ(o.error, "") << where;
                ASSERT_EQ(o.told.size(), 1u) << where;
                EXPECT_EQ(o.told[0].rfind("save.bkm: ", 0), 0u) << where << ": " << o.told[0];
                EXPECT_TRUE(contains(o.told[0], "/save.bkm") &&
                            contains(o.told[0], "Input/output error"))
                    << where << ": " << o.told[0];
                EXPECT_EQ(o.windows, clean.windows) << where;
            } else if (!o.error.empty()) {
                EXPECT_TRUE(namesAFile(o.error) && contains(o.error, "Input/output error"))
                    << where << ": " << o.error;
            } else {
                // Only a failed close after reading changes nothing at all, and
                // a new game that does without the save.
                EXPECT_TRUE(call.starts_with("close ") ||
                            (op.ignoresSave && call.ends_with(" save.bkm")))
                    << where << " went unnoticed";
                EXPECT_EQ(o.save, clean.save) << where;
                EXPECT_EQ(o.windows, clean.windows) << where;
            }
        }
    }
    std::cout << points << " fault points walked\n";
}

// Installed, the first start makes the player's save folder: a failure at any
// step is told, the menu opens, and nothing half made is left in the folder.
TEST(FaultWalk, FirstStartMakingTheSaveFolder) {
    auto startOnce = [](int failAt, const testing_support::TempFolder& home) {
        const std::string saves = home.path() + "/data/lumora";
        ui::LumoraProgram game(home.path(), saves, 15.0f);
        FaultyIo io(failAt);
        {
            game::ScopedFileIo failing(io);
            game.start();
        }
        EXPECT_FALSE(game.program().fatalError());
        EXPECT_NE(game.menu(), nullptr);
        std::vector<std::string> left;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(saves, ec))
            left.push_back(e.path().filename().string());
        return std::make_tuple(io.calls(), game.program().takeMessages(), left, saves);
    };
    testing_support::TempFolder clean;
    const auto [calls, told, left, saves] = startOnce(0, clean);
    ASSERT_TRUE(told.empty());
    ASSERT_EQ(left, std::vector<std::string>{"save.bkm"});
    ASSERT_EQ(calls.front(), "makeFolder data");
    for (int n = 1; n <= static_cast<int>(calls.size()); ++n) {
        testing_support::TempFolder home;
        const auto [c, t, l, s] = startOnce(n, home);
        const std::string where = calls[n - 1] + " fails";
        ASSERT_EQ(t.size(), 1u) << where;
        EXPECT_EQ(t[0].rfind("save.bkm: ", 0), 0u) << where << ": " << t[0];
        EXPECT_TRUE(contains(t[0], s + "/save.bkm") && contains(t[0], "Input/output error"))
            << where << ": " << t[0];
        if (!l.empty()) {
            EXPECT_EQ(l, std::vector<std::string>{"save.bkm"}) << where;
            EXPECT_EQ(home.read("data/lumora/save.bkm"), "1\r\n") << where;
        }
    }
}

// What a folder holds, file by file, for comparing one state with another.
using Files = std::map<std::string, std::string>;
Files filesIn(const std::string& folder) {
    Files out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
        std::ifstream in(e.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        out[e.path().filename().string()] = bytes.str();
    }
    return out;
}

game::Pack shippedPack(const char* name, int first, int count) {
    game::Pack pack{{name, "", "", count}, {}};
    for (int n = first; n < first + count; ++n) {
        auto desc = game::readStageFile(LUMORA_STAGES_DIR, game::stageFileName(n));
        EXPECT_FALSE(game::readAnswerFile(LUMORA_STAGES_DIR, game::answerFileName(n),
                                          std::get<game::StageDesc>(desc)));
        pack.stages.push_back(std::get<game::StageDesc>(desc));
    }
    return pack;
}

// A file system that cannot swap two folders in one step.
class NoExchangeIo : public FaultyIo {
public:
    using FaultyIo::FaultyIo;
    int exchange(const std::string&, const std::string&) override { return -EINVAL; }
};

struct SaveRun {
    std::vector<std::string> calls;
    std::optional<game::FileError> error;
    Files folder;                         // the pack's folder afterwards
    bool aside = false;                   // missing, and the old pack beside it
    std::vector<std::string> beside;      // what else its parent holds
    std::optional<game::FileError> next;  // a save after it, without faults
    Files folderAfterNext;
    std::vector<std::string> besideAfterNext;
};

std::vector<std::string> besidePack(const testing_support::TempFolder& root) {
    std::vector<std::string> names = root.files();
    std::erase(names, std::string("pack"));
    return names;
}

// Saves `newPack` over `oldPack` with the fault planted, then once more
// without one, as the workshop's next save would.
template <class Io>
SaveRun saveOver(const game::Pack& oldPack, const game::Pack& newPack, int failAt,
                 FaultyIo::Fault fault) {
    testing_support::TempFolder root;
    const std::string folder = root.path() + "/pack";
    EXPECT_FALSE(game::writePack(folder, oldPack));
    SaveRun r;
    {
        Io io(failAt, EIO, fault, true);
        game::ScopedFileIo failing(io);
        r.error = game::writePack(folder, newPack);
        r.calls = io.calls();
    }
    r.folder = filesIn(folder);
    r.beside = besidePack(root);
    r.aside = r.folder.empty() && !r.beside.empty();
    if (r.aside) r.folder = filesIn(root.path() + "/.pack.old");
    r.next = game::writePack(folder, newPack);
    r.folderAfterNext = filesIn(folder);
    r.besideAfterNext = besidePack(root);
    return r;
}

// Saving a pack of two stages over one of three, under a fault at every call
// (writes, flushes, renames, the swap, the clean-up), and under a kill at every
// call (that call and all after it fail): the folder reads back as the old pack
// or the new one, never a mix and never a stage past the count; a failure
// names what failed; and the next save puts the new pack in place with nothing
// left beside it. Where the folders cannot be swapped in one step, a kill
// between the two renames leaves the folder missing and the old pack whole
// beside it, as writePack says, and the next save mends that too.
TEST(FaultWalk, SavingAPackOverAnother) {
    const game::Pack oldPack = shippedPack("Old", 1, 3), newPack = shippedPack("New", 4, 2);
    testing_support::TempFolder oldRoot, newRoot;
    ASSERT_FALSE(game::writePack(oldRoot.path() + "/pack", oldPack));
    ASSERT_FALSE(game::writePack(newRoot.path() + "/pack", newPack));
    const Files oldFiles = filesIn(oldRoot.path() + "/pack");
    const Files newFiles = filesIn(newRoot.path() + "/pack");
    ASSERT_EQ(oldFiles.size(), 7u);
    ASSERT_EQ(newFiles.size(), 5u);

    using Fault = FaultyIo::Fault;
    const struct Walk {
        const char* name;
        std::function<SaveRun(int)> save;
        bool mayLeaveAside;
    } walks[] = {
        {"a fault", [&](int n) { return saveOver<FaultyIo>(oldPack, newPack, n, Fault::Once); },
         false},
        {"a kill",
         [&](int n) { return saveOver<FaultyIo>(oldPack, newPack, n, Fault::FromThenOn); }, false},
        {"a fault, no swap",
         [&](int n) { return saveOver<NoExchangeIo>(oldPack, newPack, n, Fault::Once); }, false},
        {"a kill, no swap",
         [&](int n) { return saveOver<NoExchangeIo>(oldPack, newPack, n, Fault::FromThenOn); },
         true},
    };
    int points = 0;
    for (const Walk& walk : walks) {
        const SaveRun clean = walk.save(0);
        ASSERT_FALSE(clean.error) << walk.name << ": " << clean.error->message;
        ASSERT_EQ(clean.folder, newFiles) << walk.name;
        ASSERT_EQ(clean.beside, std::vector<std::string>{}) << walk.name;
        for (int n = 1; n <= static_cast<int>(clean.calls.size()); ++n, ++points) {
            const SaveRun r = walk.save(n);
            const std::string where = std::string(walk.name) + " at " + clean.calls[n - 1];
            EXPECT_TRUE(r.folder == oldFiles || r.folder == newFiles) << where;
            if (r.aside) EXPECT_TRUE(walk.mayLeaveAside && r.folder == oldFiles) << where;
            if (r.error) {
                EXPECT_TRUE(namesAFile(r.error->message) ||
                            r.error->message.starts_with("pack.ini") ||
                            r.error->message.starts_with("pack folder: "))
                    << where << ": " << r.error->message;
                EXPECT_TRUE(contains(r.error->message, "Input/output error"))
                    << where << ": " << r.error->message;
            } else {
                EXPECT_EQ(r.folder, newFiles) << where << " went unnoticed";
            }
            EXPECT_FALSE(r.next) << where << ": " << r.next->message;
            EXPECT_EQ(r.folderAfterNext, newFiles) << where;
            EXPECT_EQ(r.besideAfterNext, std::vector<std::string>{}) << where;
        }
    }
    std::cout << points << " fault points walked\n";
}

// Opening a pack fails naming the file under a fault at any call but a close.
TEST(FaultWalk, OpeningAPack) {
    testing_support::TempFolder f;
    ASSERT_FALSE(game::writePack(f.path() + "/pack", shippedPack("P", 1, 2)));
    auto open = [&](int failAt) {
        FaultyIo reading(failAt);
        game::ScopedFileIo failing(reading);
        auto opened = game::openPack(f.path() + "/pack");
        const auto* e = std::get_if<game::FileError>(&opened);
        return std::make_pair(reading.calls(), e != nullptr ? e->message : std::string());
    };
    const auto [calls, error] = open(0);
    ASSERT_EQ(error, "");
    for (int n = 1; n <= static_cast<int>(calls.size()); ++n) {
        const std::string& call = calls[n - 1];
        const std::string e = open(n).second;
        if (call.starts_with("close "))
            EXPECT_EQ(e, "") << call;
        else
            EXPECT_TRUE(contains(e, "Input/output error")) << call << ": " << e;
    }
}

}  // namespace

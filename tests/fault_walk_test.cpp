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

std::map<std::string, std::string> filesIn(const std::string& folder) {
    std::map<std::string, std::string> out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
        std::ostringstream bytes;
        bytes << std::ifstream(e.path(), std::ios::binary).rdbuf();
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

// Saving a pack of two stages over one of three with a fault at each call
// (writes, flushes, renames, the swap, the clean-up) and with a kill there
// (that call and every one after it fail): the folder holds the old pack or
// the new one, file for file, never a mix nor a stage past the count; a
// failure names what failed; the next save puts the new pack in place with
// nothing left beside it. Without the swap, a kill between the two renames
// leaves the folder missing and the old pack whole beside it, as writePack
// says, and the next save mends that too.
TEST(FaultWalk, SavingAPackOverAnother) {
    const game::Pack oldPack = shippedPack("Old", 1, 3), newPack = shippedPack("New", 4, 2);
    testing_support::TempFolder model;
    ASSERT_FALSE(game::writePack(model.path() + "/old", oldPack));
    ASSERT_FALSE(game::writePack(model.path() + "/new", newPack));
    const auto oldFiles = filesIn(model.path() + "/old"), newFiles = filesIn(model.path() + "/new");
    int points = 0;
    for (const bool swaps : {true, false})
        for (const auto fault : {FaultyIo::Fault::Once, FaultyIo::Fault::FromThenOn}) {
            std::vector<std::string> calls;
            for (int n = 0; n == 0 || n <= static_cast<int>(calls.size()); ++n, ++points) {
                testing_support::TempFolder root;
                const std::string folder = root.path() + "/pack";
                ASSERT_FALSE(game::writePack(folder, oldPack));
                std::unique_ptr<FaultyIo> io =
                    swaps ? std::make_unique<FaultyIo>(n, EIO, fault, true)
                          : std::make_unique<NoExchangeIo>(n, EIO, fault, true);
                std::optional<game::FileError> e;
                {
                    game::ScopedFileIo failing(*io);
                    e = game::writePack(folder, newPack);
                }
                if (n == 0) calls = io->calls();
                const std::string where =
                    (swaps ? "" : "no swap, ") +
                    std::string(fault == FaultyIo::Fault::Once ? "fault" : "kill") + " at " +
                    (n == 0 ? "none" : calls[n - 1]);
                auto now = filesIn(folder);
                if (now.empty() && !swaps && fault == FaultyIo::Fault::FromThenOn) {
                    now = filesIn(root.path() + "/.pack.old");
                    EXPECT_EQ(now, oldFiles) << where;
                }
                EXPECT_TRUE(now == oldFiles || now == newFiles) << where;
                if (e)
                    EXPECT_TRUE(contains(e->message, "Input/output error") &&
                                (namesAFile(e->message) || e->message.starts_with("pack")))
                        << where << ": " << e->message;
                else
                    EXPECT_EQ(now, newFiles) << where << " went unnoticed";
                const auto next = game::writePack(folder, newPack);
                EXPECT_FALSE(next) << where << ": " << next->message;
                EXPECT_EQ(filesIn(folder), newFiles) << where;
                EXPECT_EQ(root.files(), std::vector<std::string>{"pack"}) << where;
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

namespace {

// Every call of the file layer, with the path below the root it works in.
class LoggedIo : public game::FileIo {
public:
    explicit LoggedIo(std::string root) : root_(std::move(root) + "/") {}
    const std::vector<std::string>& calls() const { return calls_; }

    int open(const std::string& path, int flags, unsigned mode) override {
        const int fd = FileIo::open(path, flags, mode);
        if (fd >= 0) names_[fd] = below(path);
        return log("open", path, fd);
    }
    long write(int fd, const char* buf, std::size_t size) override {
        calls_.push_back("write " + names_[fd]);
        return FileIo::write(fd, buf, size);
    }
    int flush(int fd) override {
        calls_.push_back("flush " + names_[fd]);
        return FileIo::flush(fd);
    }
    int close(int fd) override {
        calls_.push_back("close " + names_[fd]);
        return FileIo::close(fd);
    }
    int exchange(const std::string& a, const std::string& b) override {
        calls_.push_back("exchange " + below(a) + " " + below(b));
        return FileIo::exchange(a, b);
    }
    int rename(const std::string& a, const std::string& b) override {
        calls_.push_back("rename " + below(a) + " " + below(b));
        return FileIo::rename(a, b);
    }
    int flushFolder(const std::string& f) override {
        return log("flushFolder", f, FileIo::flushFolder(f));
    }
    int remove(const std::string& p) override { return log("remove", p, FileIo::remove(p)); }
    int removeFolder(const std::string& p) override {
        return log("removeFolder", p, FileIo::removeFolder(p));
    }

private:
    std::string below(const std::string& path) const {
        std::string p = path;
        while (p.size() > 1 && p.back() == '/') p.pop_back();
        if ((p + "/") == root_) return ".";
        return p.rfind(root_, 0) == 0 ? p.substr(root_.size()) : p;
    }
    int log(const char* what, const std::string& path, int r) {
        calls_.push_back(std::string(what) + " " + below(path));
        return r;
    }
    std::string root_;
    std::map<int, std::string> names_;
    std::vector<std::string> calls_;
};

}  // namespace

// A pack saved over another, solutions and all, in the order that lets a
// crash anywhere leave one pack whole: each file written, flushed and closed
// in the hidden folder, the solutions folder flushed once its files are, the
// hidden one once all are,
// the two swapped, the folder above flushed so the swap holds, and only then
// the old pack taken away.
TEST(FaultWalk, APackSaveFlushesEachFileAndFolderBeforeTheSwap) {
    const game::Pack oldPack = shippedPack("Old", 1, 3), newPack = shippedPack("New", 4, 2);
    testing_support::TempFolder root;
    const std::string folder = root.path() + "/pack";
    ASSERT_FALSE(game::writePack(folder, oldPack, {"# one\n", "# two\n", "# three\n"}));
    LoggedIo io(root.path());
    {
        game::ScopedFileIo logged(io);
        ASSERT_FALSE(game::writePack(folder, newPack, {"# four\n", "# five\n"}));
    }
    const std::vector<std::string>& calls = io.calls();
    auto first = [&](const std::string& call) {
        return std::find(calls.begin(), calls.end(), call) - calls.begin();
    };
    auto last = [&](const std::string& call) {
        const auto it = std::find(calls.rbegin(), calls.rend(), call);
        return it == calls.rend() ? -1 : calls.rend() - it - 1;
    };
    const auto none = static_cast<std::ptrdiff_t>(calls.size());
    const std::string saving = ".pack.saving";
    const auto swap = first("exchange " + saving + " pack");
    // Without the swap the save takes the two renames SavingAPackOverAnother walks.
    if (swap == none && first("rename pack .pack.old") < none)
        GTEST_SKIP() << "this file system cannot swap two folders";
    ASSERT_LT(swap, none) << testing::PrintToString(calls);
    const std::vector<std::string> written = {"pack.ini",
                                              "mmap1.bkm",
                                              "amap1.bkm",
                                              "mmap2.bkm",
                                              "amap2.bkm",
                                              "solutions/stage1.replay",
                                              "solutions/stage2.replay"};
    for (const std::string& name : written) {
        SCOPED_TRACE(name);
        const std::string file = saving + "/" + name;
        const auto wrote = last("write " + file), flushed = last("flush " + file),
                   closed = last("close " + file);
        EXPECT_GE(wrote, 0);
        EXPECT_LT(wrote, flushed);
        EXPECT_LT(flushed, closed);
        if (name.starts_with("solutions/")) {
            EXPECT_LT(closed, first("flushFolder " + saving + "/solutions"));
        }
        EXPECT_LT(closed, first("flushFolder " + saving));
    }
    EXPECT_LT(first("flushFolder " + saving + "/solutions"), first("flushFolder " + saving));
    EXPECT_LT(first("flushFolder " + saving), swap);
    const auto parentFlushed = first("flushFolder .");
    EXPECT_GT(parentFlushed, swap);
    // The old pack, swapped into the hidden folder, goes only once the swap holds.
    for (std::ptrdiff_t i = 0; i < none; ++i)
        if (calls[static_cast<std::size_t>(i)].rfind("remove", 0) == 0 && i > swap) {
            EXPECT_GT(i, parentFlushed) << calls[static_cast<std::size_t>(i)];
        }
    EXPECT_LT(last("removeFolder " + saving), none);
    EXPECT_GT(last("removeFolder " + saving), parentFlushed);
    EXPECT_EQ(root.files(), std::vector<std::string>{"pack"});
    auto saved = game::openPack(folder);
    ASSERT_TRUE(std::holds_alternative<game::Pack>(saved));
    EXPECT_EQ(std::get<game::Pack>(saved).info.name, "New");
}

#include "workshop/play_session.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QStandardPaths>
#include <filesystem>
#include <optional>

#include "game/files.h"
#include "game/pack_file.h"
#include "game/save_folder.h"
#include "qt/form_window.h"
#include "qt/picture_library.h"
#include "qt/window_manager.h"
#include "solver/proof.h"
#include "support/fixture.h"
#include "ui/main_window.h"
#include "workshop/editor_window.h"

using workshop::PlaySession;
using Outcome = PlaySession::Outcome;

namespace {

constexpr std::int64_t kStepMs = 50;
constexpr std::int64_t kLongestMs = 30'000;  // past any outcome's pictures
constexpr std::int64_t kShowLongestMs = 300'000;  // past a long solution's show

// The start on (5, 8) over a floor of walls: one block cast beside it meets
// the target of one, and the magic decides whether something is left.
game::StageDesc floorStage(int magic) {
    game::StageDesc s;
    for (int c = 1; c <= game::kBoardSide; ++c) s.set(c, game::kBoardSide, game::CellKind::Wall);
    s.startCol = 5;
    s.startRow = 8;
    s.target = 1;
    s.magic = static_cast<std::int16_t>(magic);
    return s;
}

std::vector<game::ScriptStep> shortestSolution(const game::StageDesc& stage) {
    solver::Options options;
    options.analyse = false;
    const auto proof = solver::prove(stage, options);
    const auto& verdict = std::get<solver::ProofResult>(proof).verdict;
    EXPECT_TRUE(verdict && verdict->solvable);
    return verdict ? verdict->plan.steps : std::vector<game::ScriptStep>{};
}

// Sets an environment variable for the test's length.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, QByteArray::fromStdString(value));
    }
    ~ScopedEnv() { had_ ? (void)qputenv(name_, old_) : (void)qunsetenv(name_); }

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

// The workshop with a session on the virtual clock: the game's ticks and the
// show's pauses both move only when the test moves `now`.
struct Workshop {
    Workshop()
        : data("XDG_DATA_HOME", dataFolder.path()),
          home("HOME", homeFolder.path()),
          builtInSave(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) /
                      "save.bkm"),
          builtInBefore(std::filesystem::exists(builtInSave)
                            ? std::optional(std::filesystem::last_write_time(builtInSave))
                            : std::nullopt) {
        QStandardPaths::setTestModeEnabled(true);
        window = std::make_unique<workshop::EditorWindow>(pictures);
        window->show();
        PlaySession::Timing timing;
        timing.elapsed = [this] { return now; };
        timing.after = [this](int ms, std::function<void()> then) {
            pending.push_back({now + ms, std::move(then)});
        };
        session = new PlaySession(window.get(), timing);
        QObject::connect(session, &PlaySession::finished, [this](Outcome o) { outcome = o; });
    }
    ~Workshop() {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Moves time on, `stepMs` at a time, until the session ends or nothing
    // more could happen.
    void runUntilEnd(std::int64_t stepMs = kStepMs) {
        for (std::int64_t t = 0; t < kLongestMs && !outcome; t += stepMs) {
            now += stepMs;
            for (std::size_t i = 0; i < pending.size(); ++i) {
                if (pending[i].first > now) continue;
                auto then = std::move(pending[i].second);
                pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(i));
                then();
                i = static_cast<std::size_t>(-1);  // a step may have queued the next
            }
            if (session->running()) session->windows()->clock().wake();
            QCoreApplication::processEvents();
        }
    }

    bool gameWindowsOpen() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (dynamic_cast<qtfront::FormWindow*>(w) != nullptr && w->isVisible()) return true;
        return false;
    }

    // Nothing of the player's, nor the game's own save beside the program.
    void expectNoSaveOutside() const {
        EXPECT_EQ(dataFolder.files(), std::vector<std::string>{});
        EXPECT_EQ(homeFolder.files(), std::vector<std::string>{});
        const bool there = std::filesystem::exists(builtInSave);
        EXPECT_EQ(there, builtInBefore.has_value());
        if (there && builtInBefore) {
            EXPECT_EQ(std::filesystem::last_write_time(builtInSave), *builtInBefore);
        }
    }

    testing_support::TempFolder dataFolder, homeFolder;
    ScopedEnv data, home;
    std::filesystem::path builtInSave;
    std::optional<std::filesystem::file_time_type> builtInBefore;
    qtfront::PictureLibrary pictures;
    std::unique_ptr<workshop::EditorWindow> window;
    PlaySession* session = nullptr;  // owned by the window
    std::int64_t now = 0;
    std::vector<std::pair<std::int64_t, std::function<void()>>> pending;
    std::optional<Outcome> outcome;
};

}  // namespace

// The shortest solution clicked through the real window clears the stage it
// was found for; the same clicks with one magic less spend the last of it.
// Either way the outcome reaches the workshop, which goes on with every game
// window gone, and nothing was saved outside the session's own folder.
TEST(PlaySession, ShowsTheSolutionAndReturnsTheOutcome) {
    const std::vector<game::ScriptStep> script = shortestSolution(floorStage(3));
    ASSERT_FALSE(script.empty());
    const struct {
        int magic;
        Outcome expected;
    } kCases[] = {{3, Outcome::Cleared}, {2, Outcome::Lost}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.magic);
        Workshop w;
        ASSERT_TRUE(w.session->showSolution(floorStage(c.magic), script));
        ASSERT_NE(w.session->windows()->widget(ui::MainWindow::kName), nullptr);
        w.runUntilEnd();
        EXPECT_EQ(w.outcome, c.expected);
        EXPECT_FALSE(w.session->running());
        EXPECT_FALSE(w.gameWindowsOpen());
        EXPECT_TRUE(w.window->isVisible());
        w.expectNoSaveOutside();
    }
}

// Closing the window ends the session as Closed, with the save the game
// window keeps as it closes written in the session's folder only.
TEST(PlaySession, ClosingTheGameWindowKeepsTheSaveInTheSession) {
    Workshop w;
    ASSERT_TRUE(w.session->play(floorStage(3)));
    const forms::Form* game = w.session->game()->gameWindow();
    ASSERT_NE(game, nullptr);
    w.session->windows()->closeRequested(*game);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.outcome, Outcome::Closed);
    EXPECT_FALSE(w.gameWindowsOpen());
    EXPECT_TRUE(std::filesystem::exists(w.session->folder() + "/save/save.bkm"));
    w.expectNoSaveOutside();
}

// A script the show cannot play is refused before any window opens.
TEST(PlaySession, ShowScriptsNameTheirBadLine) {
    const struct {
        const char* script;
        const char* problem;
    } kCases[] = {
        {"click menu Command2\ntap 82 1\n", "line 2: "},
        {"# a comment\nwait 100\njump 3\n", "line 3: unknown command \"jump\""},
        {"wait 100\nsave 3\n", "line 2: not a click"},
        {"wait 60001\n", "line 1: wait takes"},
        {"wait -5\n", "line 1: "},
    };
    for (const auto& c : kCases) {
        const auto parsed = workshop::parseShowScript(c.script);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.script;
        EXPECT_EQ(std::get<std::string>(parsed).rfind(c.problem, 0), 0u)
            << std::get<std::string>(parsed);
    }
}

// A pack plays from the menu with its save in the player's data folder for
// that pack, a pack folder or a pack file alike; the menu's Exit ends the
// session, not the workshop, and the pack is left as it was.
TEST(PlaySession, APackKeepsItsSaveInThePlayersDataFolder) {
    for (const bool asFile : {false, true}) {
        SCOPED_TRACE(asFile ? "a pack file" : "a pack folder");
        Workshop w;
        testing_support::TempFolder pack;
        testing_support::writePackIni(pack, 1);
        testing_support::writeStage(pack, 1, testing_support::oneBlockStage(), "1", "2");
        std::string path = pack.path();
        if (asFile) {
            auto read = game::openAnyPack(path);
            ASSERT_TRUE(std::holds_alternative<game::PackContents>(read));
            for (const std::string& name : pack.files()) pack.remove(name);
            path += "/one.lumora";
            ASSERT_FALSE(game::writePackFile(path, std::get<game::PackContents>(read)));
        }
        const std::vector<std::string> files = pack.files();
        ASSERT_TRUE(w.session->playPack(path, 1));
        ASSERT_NE(w.session->game()->menu(), nullptr);
        // The game finds the pack's stage where it reads its stages.
        const auto stage =
            game::readStageFile(w.session->game()->bas().AppFolder(), game::stageFileName(1));
        EXPECT_TRUE(std::holds_alternative<game::StageDesc>(stage));
        w.session->windows()->deliver(*w.session->game()->menu(),
                                      {qtfront::MouseDelivery::Kind::Click, "Command3"});
        QCoreApplication::processEvents();
        EXPECT_EQ(w.outcome, Outcome::Closed);
        EXPECT_FALSE(w.gameWindowsOpen());
        EXPECT_TRUE(w.window->isVisible());
        const auto save = game::packSaveFolder(path, w.dataFolder.path(), {});
        EXPECT_TRUE(std::filesystem::exists(std::get<std::string>(save) + "/save.bkm"));
        EXPECT_EQ(pack.files(), files);
    }
}

// The drawn stage's solution casts at the character as it falls past a cell,
// which is right only at one game time. The show's pauses end as late as the
// test's steps of time let them (a busy machine's timers), and the clicks
// still meet the board the solver planned for: the stage clears.
TEST(PlaySession, AShowClearsHoweverLateItsPausesEnd) {
    const auto read = game::readStageFile(LUMORA_TEST_DATA, "drawn_open.bkm");
    ASSERT_TRUE(std::holds_alternative<game::StageDesc>(read));
    const auto& stage = std::get<game::StageDesc>(read);
    solver::Options options;
    options.analyse = false;
    options.verdictOnly = true;
    const auto proof = solver::prove(stage, options);
    const auto& verdict = std::get<solver::ProofResult>(proof).verdict;
    ASSERT_TRUE(verdict && verdict->solvable);
    for (const std::int64_t lateMs : {kStepMs, std::int64_t{160}, std::int64_t{999}}) {
        SCOPED_TRACE(lateMs);
        Workshop w;
        ASSERT_TRUE(w.session->showSolution(stage, verdict->plan.steps));
        while (!w.outcome && w.now < kShowLongestMs) w.runUntilEnd(lateMs);
        EXPECT_EQ(w.outcome, Outcome::Cleared);
    }
}

// The solver against the game itself: on small random stages, an exhaustive
// search that drives the real game (every click at every moment that differs)
// must agree with the solver on whether a stage clears and on its least magic.
#include <array>
#include <random>
#include <tuple>
#include <unordered_set>

#include "solver/report.h"
#include "support/fixture.h"

using testing_support::Game;

namespace {

// The stages keep to a 3 by 3 room in columns 2-4 of rows 7-9, walled in, so
// the character cannot leave the board and the game's states stay few.
constexpr int kLeft = 2, kRight = 4, kTop = 7;

// One moment of a running game, enough to carry on from it exactly.
struct Moment {
    game::LumoraBas bas;
    float left = 0, top = 0;
    std::vector<forms::Timer::State> timers;
};

class Explorer {
public:
    Explorer(const std::vector<std::string>& rows, const std::string& target, int magic) {
        game_.play(rows, target, std::to_string(magic - 1));
    }

    // Whether some way of playing clears the stage; `limit` bounds the states.
    bool clears(std::size_t limit = 400'000) {
        std::vector<Moment> open{capture()};
        seen_.insert(key());
        while (!open.empty()) {
            const Moment m = std::move(open.back());
            open.pop_back();
            for (int action = 0; action < kActions; ++action) {
                restore(m);
                if (!act(action)) continue;
                if (game_.w().StageClearTimer->Enabled()) return true;
                if (game_.w().GameOverTimer->Enabled()) continue;
                if (!seen_.insert(key()).second) continue;
                open.push_back(capture());
            }
            if (seen_.size() > limit) throw std::runtime_error("too many game states");
        }
        return false;
    }
    std::size_t states() const { return seen_.size(); }

private:
    // Left clicks on each column, right clicks on each column of row 1 (they
    // only move the target of a walk under way), casts on the four
    // neighbours, and waiting for the next tick. Clicks between two ticks
    // only shift when later ticks fall; no rule reads that.
    static constexpr int kColumns = kRight + 1;
    static constexpr int kActions = 2 * kColumns + 4 + 1;

    bool walking() {
        auto& w = game_.w();
        return w.LeftWalkTimer->Enabled() || w.RightWalkTimer->Enabled();
    }

    bool act(int action) {
        auto& b = game_.bas();
        if (action < kColumns) {
            game_.walkTo(action + 1, 1);
        } else if (action < 2 * kColumns) {
            if (!walking()) return false;
            game_.cast(action - kColumns + 1, 1);
        } else if (action < 2 * kColumns + 4) {
            static constexpr int dc[4] = {0, 1, -1, 0}, dr[4] = {-1, 0, 0, 1};
            const int k = action - 2 * kColumns;
            const int c = b.PlayerCol + dc[k], r = b.PlayerRow + dr[k];
            if (c < 1 || c > 9 || r < 1 || r > 9) return false;
            game_.cast(c, r);
        } else {
            const auto next = game_.program().program().clock().nextDue();
            if (!next) return false;
            game_.wait(*next - game_.now());
        }
        return true;
    }

    std::array<forms::Timer*, 7> timers() {
        auto& w = game_.w();
        return {w.LeftWalkTimer, w.RightWalkTimer,  w.LeftJumpTimer, w.RightJumpTimer,
                w.FallTimer,     w.StageClearTimer, w.GameOverTimer};
    }
    Moment capture() {
        Moment m{game_.bas(), game_.sprite().Left, game_.sprite().Top, {}};
        for (forms::Timer* t : timers()) m.timers.push_back(t->state());
        return m;
    }
    void restore(const Moment& m) {
        game_.bas() = m.bas;
        game_.sprite().Left = m.left;
        game_.sprite().Top = m.top;
        std::size_t i = 0;
        for (forms::Timer* t : timers()) t->restore(m.timers[i++]);
    }
    // Everything the rules read before writing it: pictures and facing are
    // left out, the probes' results are read only right after the probe, and
    // the clicked cell matters only as a walk's target.
    std::string key() {
        const auto& b = game_.bas();
        std::string k;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                k.push_back(static_cast<char>(b.BlockGrid[c][r] | b.WaterGrid[c][r] << 1 |
                                              b.SandGrid[c][r] << 2));
        for (int v : {int(b.MagicCount), int(b.BlockCount), int(b.WaterCount),
                      int(b.intSucsessFrag), walking() ? int(b.ClickCol) : 0, int(b.PlayerCol),
                      int(b.PlayerRow), int(b.OnColumn), int(b.OnRow), int(b.LeftJumpPhase),
                      int(b.RightJumpPhase), int(game_.sprite().Left), int(game_.sprite().Top)})
            k.append(reinterpret_cast<const char*>(&v), sizeof v);
        for (forms::Timer* timer : timers()) {
            const auto s = timer->state();
            const int t[2] = {s.enabled ? s.interval : 0,
                              s.enabled ? static_cast<int>(s.dueIn) : 0};
            k.append(reinterpret_cast<const char*>(t), sizeof t);
        }
        return k;
    }

    Game game_;
    std::unordered_set<std::string> seen_;
};

std::vector<std::string> randomRoom(std::mt19937& rng) {
    std::vector<std::string> rows(9, "KKKKKKKKK");
    const char kinds[] = "....BBBWWSKK";
    constexpr char kEmpty = game::cellInfo(game::CellKind::Empty).letter;
    std::vector<std::pair<int, int>> starts;
    for (;;) {
        for (int r = kTop; r <= 9; ++r)
            for (int c = kLeft; c <= kRight; ++c)
                rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] =
                    kinds[rng() % 12];
        starts.clear();
        for (int r = kTop; r <= 9; ++r)
            for (int c = kLeft; c <= kRight; ++c)
                if (rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] ==
                        kEmpty &&
                    (r == 9 ||
                     rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c - 1)] != kEmpty))
                    starts.emplace_back(c, r);
        if (!starts.empty()) break;
    }
    const auto [c, r] = starts[rng() % starts.size()];
    rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] = game::kStartLetter;
    return rows;
}

}  // namespace

TEST(SolverAgainstTheGame, RoomsClearAndNeedTheSameLeastMagic) {
    constexpr int kCap = 6;  // least magic is compared up to here
    // The pool is in reach only while falling past it, once the floor is gone.
    std::vector<std::tuple<std::vector<std::string>, std::string, std::string>> rooms = {
        {{"KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKPKKKKKK",
          "KWBKKKKKK", "KK.KKKKKK"},
         "1",
         "3"}};
#ifdef LUMORA_SANITIZED
    constexpr std::size_t kRooms = 4;
#else
    constexpr std::size_t kRooms = 20;
#endif
    std::mt19937 rng(20261207);
    while (rooms.size() < kRooms) {
        const std::string target = std::to_string(1 + rng() % 3);
        auto rows = randomRoom(rng);
        rooms.emplace_back(std::move(rows), target, std::to_string(rng() % 4));
    }
    int solvable = 0;
    for (const auto& [rows, target, budget] : rooms) {
        game::MapLines lines{};
        for (std::size_t i = 0; i < 9; ++i) lines[i + 1] = rows[i];
        lines[10] = target;
        lines[11] = budget;
        const auto stage = std::get<solver::Stage>(solver::parseStage(lines, "room"));
        std::string shown;
        for (const auto& r : rows) shown += r.substr(kLeft - 1, kRight - kLeft + 1) + "/";
        SCOPED_TRACE("room " + shown + " target " + target + " budget " + budget);

        solver::Options options;
        options.magicCap = kCap;
        const solver::StageReport rep = solver::solveStage(stage, 1, options);
        ASSERT_LT(rep.leaves, 0);
        EXPECT_EQ(Explorer(rows, target, stage.magic).clears(), rep.solvable);
        if (rep.leastMagic == 0) {
            EXPECT_FALSE(Explorer(rows, target, kCap).clears());
            continue;
        }
        ++solvable;
        EXPECT_TRUE(Explorer(rows, target, rep.leastMagic).clears());
        if (rep.leastMagic > 1) {
            EXPECT_FALSE(Explorer(rows, target, rep.leastMagic - 1).clears());
        }
    }
    EXPECT_GE(solvable, static_cast<int>(kRooms) / 3);
}

#include "solver/search.h"

// The exact search: breadth first over casts, each state a key of the stage's
// changing cells (state_codec.h) kept once in the node store and its table
// (state_table.h), with the reductions that leave out states no play can
// clear from.

#include <algorithm>
#include <array>
#include <bit>
#include <memory>
#include <optional>

#include "game/rules.h"
#include "solver/board_cast.h"
#include "solver/moves.h"
#include "solver/regions.h"
#include "solver/state_codec.h"
#include "solver/state_table.h"

namespace solver {

namespace rules = game::rules;

namespace {

using namespace exact;

std::vector<Cast> pathTo(const NodeStore& nodes, std::uint32_t n) {
    std::vector<Cast> casts;
    for (NodeStore::Meta m = nodes.meta(n); m.parent != kNone; m = nodes.meta(m.parent))
        if (m.from >= 0) casts.push_back({m.from, m.target});
    return {casts.rbegin(), casts.rend()};
}

// The start magic a path needs when its casts change magic by `deltas` in turn.
int neededMagic(const std::vector<int>& deltas) {
    int sum = 0, lowest = 0;
    for (int d : deltas) lowest = std::min(lowest, sum += d);
    return std::max(rules::kLeastMagicLeft, rules::kLeastMagicLeft - lowest);
}

// A thousand states take well under a millisecond to expand: a cancel is seen
// that soon, and the count is published no more often, so that two threads
// do not fight over its cache line.
constexpr std::uint32_t kCheckEvery = 1024;

}  // namespace

// One breadth-first search: the queue of nodes doubles as the record of how
// each state was reached.
class Search {
public:
    Search(const Stage& stage, const SearchOptions& options)
        : stage_(stage),
          options_(options),
          codec_(stage, options.reduce),
          nodes_(codec_.words()),
          table_(nodes_, codec_.words(), options.control ? &options.control->cancel : nullptr),
          collect_(!options.stopAtClear && options.finalBoardCap > 0),
          budget_(options.memoryBudget) {}

    SearchResult run() {
        if (advance(options_.maxStates)) result_.ending.cutShort = true;
        return finish();
    }

    // Expands states in queue order until the table holds more than `upTo`:
    // true when it stopped there, false when the search is over (a clear, no
    // state left, its memory spent or a cancel). Stopped at `upTo`, the next
    // call goes on from the same place, so a search run in slices reaches
    // what one run at once reaches.
    bool advance(std::size_t upTo) {
        if (!started_) {
            started_ = true;
            enqueue(codec_.pack(stage_.start), kNone, options_.startMagic, -1, -1);
        }
        // A cancel that came between two slices is seen before the next.
        if (!carryOn()) return false;
        while (head_ < nodes_.size() && !stopped()) {
            if (head_ % kCheckEvery == 0 && !carryOn()) return false;
            expand(head_++);
            if (table_.size() > upTo) return true;
        }
        return false;
    }

    SearchResult finish() {
        if (table_.abandoned()) result_ = cancelled();
        result_.states = table_.size();
        result_.bytes = bytes();
        publishProgress();
        return std::move(result_);
    }

    std::size_t states() const { return table_.size(); }
    std::size_t bytes() const { return nodes_.bytes() + table_.bytes(); }
    void setMemoryBudget(std::size_t bytes) { budget_ = bytes; }

private:
    struct Counts {
        int blocks, water, sand;
    };
    // What every cast from one state shares.
    struct Expansion {
        std::uint32_t head;
        Key key;
        Board board;
        int magic;
        SolidMap solid;
        int blocks, water, sand;
    };

    bool stopped() const {
        return (result_.cleared && options_.stopAtClear) || table_.abandoned() ||
               result_.ending.outOfMemory;
    }

    // Publishes the count and reads the request to stop; a stopped search
    // claims nothing about what it did not reach.
    bool carryOn() {
        if (options_.control == nullptr) return true;
        publishProgress();
        if (!options_.control->cancel.load(std::memory_order_relaxed)) return true;
        result_ = cancelled();
        return false;
    }

    static SearchResult cancelled() {
        SearchResult r;
        r.ending.cancelled = true;
        return r;
    }

    void publishProgress() {
        if (options_.control == nullptr) return;
        options_.control->states.fetch_add(table_.size() - published_, std::memory_order_relaxed);
        published_ = table_.size();
    }

    Expansion expansionOf(std::uint32_t head, int magic) const {
        Key key{};
        std::copy_n(nodes_.key(head), codec_.words(), key.begin());
        const Board board = codec_.unpack(key.data());
        const Board::Counts n = board.counts();
        return {head, key, board, magic, SolidMap(stage_, board), n.block, n.water, n.sand};
    }

    // Searching for the fewest casts, a landing was expanded as soon as it
    // was made (see expandFall).
    bool expandedAlready(std::uint32_t n) const {
        if (!options_.fewestCasts) return false;
        const NodeStore::Meta m = nodes_.meta(n);
        return m.parent != kNone && m.from < 0;
    }

    void expand(std::uint32_t head) {
        const int magic = nodes_.meta(head).magic;
        if (magic == kOvertaken || expandedAlready(head)) return;
        const Expansion x = expansionOf(head, magic);
        if (x.board.falling())
            expandFall(x);
        else
            expandStanding(x);
    }

    // Every cell passed on the way down, then the landing without a cast.
    // For the fewest casts the landing is expanded at once, at its fall's
    // level: queued behind the next level, its casts would come a level
    // late, and the first clear would count casts and landings together
    // rather than casts.
    //
    // So a node's level is the number of its casts, and the state table only
    // ever compares visits of one state at the same level or a visit with
    // fewer casts expanded already: each cast changes one cell one step along
    // its kinds (empty and block in turn; sand or water, then empty and block
    // in turn), so how many casts a cell has taken, odd or even, is told by
    // what it holds, and every path to one board takes casts of one parity.
    // A visit a level later never meets one still waiting a level sooner,
    // and keeping only the richest visit of each level loses no solution.
    void expandFall(const Expansion& x) {
        const int land = landing(x.solid, x.board.player());
        for (int at = x.board.player(); at != land && !stopped(); at += 9) {
            const int c = columnOf(at), r = rowOf(at);
            if (r > 1) tryCast(x, at, at, at - 9);
            if (c < 9) tryCast(x, at, at, at + 1);
            if (c > 1) tryCast(x, at, at, at - 1);
        }
        if (lost(x, land, x.magic, {x.blocks, x.water, x.sand})) return;
        Key landed = x.key;
        codec_.setPlayer(landed, land, false);
        const std::uint32_t n = enqueue(landed, x.head, x.magic, -1, -1);
        if (n != kNone && options_.fewestCasts && !stopped())
            expandStanding(expansionOf(n, x.magic));
    }

    // Every cell in walking reach casts on each of its neighbours.
    void expandStanding(const Expansion& x) {
        const Reach reach = reachable(x.solid, x.board.player(), options_.allowed);
        result_.exits |= reach.exits;
        if (reach.leaves >= 0 && result_.leaves < 0) {
            result_.leaves = reach.leaves;
            result_.leavesBoard = x.board;
        }
        for (int i = 0; i < reach.size && !stopped(); ++i) {
            const int from = reach.order[static_cast<std::size_t>(i)];
            if (isOverTop(from))
                castFromOverTop(x, from);
            else
                castBeside(x, from, from);
        }
    }

    // The casts on every neighbour of `cell`, made from the place `from`.
    [[gnu::always_inline]] void castBeside(const Expansion& x, int from, int cell) {
        const int c = columnOf(cell), r = rowOf(cell);
        if (r > 1) tryCast(x, from, cell, cell - 9);
        if (c < 9) tryCast(x, from, cell, cell + 1);
        if (c > 1) tryCast(x, from, cell, cell - 1);
        if (r < 9) tryCast(x, from, cell, cell + 9);
    }

    // Over the top of a column, from its row 1. Few states go there, so this
    // stays out of the loop above.
    [[gnu::noinline]] void castFromOverTop(const Expansion& x, int from) {
        castBeside(x, from, cellOf(from));
    }

    // A wall changes nothing, but still runs the goal check.
    void castOnWall(const Expansion& x, int from, int target) {
        if (x.blocks != stage_.target) return;
        Board same = x.board;
        same.setPlayer(from);
        if (judge(stage_, same, x.magic, options_.earlyCountLoses) == Outcome::Cleared)
            finish(x.head, {from, target}, x.magic, same);
    }

    // Called for every neighbour of every place in reach: out of line, the
    // calls alone cost the table a twelfth more instructions. `cell` is the
    // cell the place `from` is taken for (cellOf).
    [[gnu::always_inline]] void tryCast(const Expansion& x, int from, int cell, int target) {
        if (stage_.wall[static_cast<std::size_t>(target)]) return castOnWall(x, from, target);
        // As castOn, but the board after it is built only for the goal check.
        const CellChange change = changeOf(stage_, x.board.kind(target), target);
        const unsigned move = change.move | directionMoves(from, target);
        if ((move & options_.allowed) != move) return;
        // Still falling after a cast on the way down, or falling now the floor
        // went, through the cell `from` is taken for.
        const bool falls = x.board.falling() || target == cell + 9;
        const int magic = x.magic + change.magic;
        const Counts after{x.blocks + change.blocks, x.water + change.water, x.sand + change.sand};
        if (game::outOfMagic(magic)) return;
        // The goal check looks further only when the count meets the target.
        if (after.blocks == stage_.target &&
            goalCheck(x, {from, target}, change.after, magic) != Outcome::Going)
            return;
        if (cannotClear(magic, after)) return;
        // The cast lands beside `from`, inside its region: what lies outside
        // is as on the board before it.
        if (lost(x, from, magic, after)) return;
        Key key = x.key;
        codec_.setCell(key, target, change.after);
        codec_.setPlayer(key, falls ? cell : from, falls);
        enqueue(key, x.head, magic, from, target);
    }

    // The board after the cast, judged; a clear is the solution. Kept out of
    // tryCast, which runs for every cast, as few casts meet the target. The
    // judgement reads the cells alone, and a final board is kept without the
    // character, so the character is left where it was.
    [[gnu::noinline]] Outcome goalCheck(const Expansion& x, const Cast& cast, CellKind after,
                                        int magic) {
        Board board = x.board;
        board.set(cast.target, after);
        const Outcome outcome = judge(stage_, board, magic, options_.earlyCountLoses);
        if (outcome == Outcome::Cleared) finish(x.head, cast, magic, board);
        return outcome;
    }

    // A state that cannot end with magic left, whatever comes after it, is
    // no way on (see mostGainLeft).
    bool cannotClear(int magic, const Counts& after) const {
        return game::outOfMagic(
            magic + mostGainLeft(stage_.target, after.blocks, after.water, after.sand));
    }

    // A state whose region (see Regions) leaves a pool, more blocks than the
    // target, two blocks side by side, or too little sand for the magic out
    // of reach for good: no clear can follow it, and none can follow any
    // state after it, whose region lies within this one, with those cells
    // unchanged and the magic bound no higher. So the states left out are
    // whole branches of lost states. Every state that can still clear was
    // reached only through states that can too, which are all kept, so they
    // come in the same order from the same parents with the same magic as
    // in the plain search: the same first solution, least magic, final
    // boards. One more condition keeps the ways off the board: a state is
    // left out only once the search has met every way off its region could
    // show, so the first walk off the board met is the plain search's too,
    // and no later way off is missed.
    bool lost(const Expansion& x, int cell, int magic, const Counts& after) {
        if (!options_.reduce || table_.size() < options_.lostFrom) return false;
        if (!regions_) regions_.emplace(stage_);
        const Regions::Region& region = regions_->of(cell);
        if (!region.any || (region.mayLeave & ~result_.exits) != 0) return false;
        const Beyond& out = beyondOf(x, cell, region);
        return lostBeyond(out, stage_.target, magic,
                          {.sand = after.sand, .block = after.blocks, .water = after.water});
    }

    // What lies beyond a cell's region on the board of one expansion: the
    // casts from one cell all ask, so the last answer is kept.
    struct LastBeyond {
        std::uint32_t head = kNone;
        int cell = -1;
        Beyond out;
    };
    const Beyond& beyondOf(const Expansion& x, int cell, const Regions::Region& region) {
        if (beyond_.head != x.head || beyond_.cell != cell)
            beyond_ = {x.head, cell, beyond(x.board, region, stage_.target)};
        return beyond_.out;
    }

    // Whether one more node, and the table's growth for a new state, stay
    // within the budget. The table frees its old slots before it takes the
    // new, so growing adds what it holds now.
    bool roomForNode(bool newState) const {
        std::size_t need = nodes_.bytes() + table_.bytes();
        if (nodes_.full()) need += nodes_.chunkBytes();
        if (newState && table_.full()) need += table_.growBytes();
        return need <= budget_ && nodes_.size() < kNone;
    }

    // Queues a state unless it was already reached with as much magic or
    // more; answers the new node, or kNone.
    std::uint32_t enqueue(const Key& key, std::uint32_t parent, int magic, int from, int target) {
        const std::uint64_t h = table_.hash(key.data());
        StateTable::Slot* slot = &table_.find(key.data(), h);
        const bool fresh = slot->node == kNone;
        if (!fresh && nodes_.meta(slot->node).magic >= magic) return kNone;
        // Memory is only taken when a chunk or the table's slots fill up.
        const bool takes = nodes_.full() || (fresh && table_.full());
        if (takes && !roomForNode(fresh)) {
            result_.ending.outOfMemory = true;
            return kNone;
        }
        if (fresh && table_.full()) {
            table_.grow();
            if (table_.abandoned()) return kNone;  // the table no longer knows every state
            slot = &table_.find(key.data(), h);
        }
        if (fresh)
            table_.added();
        else
            nodes_.setMagic(slot->node, kOvertaken);
        const auto n = static_cast<std::uint32_t>(nodes_.size());
        slot->node = n;
        nodes_.push(key, {parent, static_cast<std::int16_t>(magic), static_cast<std::int8_t>(from),
                          static_cast<std::int8_t>(target)});
        return n;
    }

    // A clear: the first one found is the solution; with boards collected,
    // every clear adds the board it ends on.
    void finish(std::uint32_t parent, const Cast& last, int magicLeft, const Board& end) {
        if (collect_) collectFinalBoard(end);
        if (result_.cleared) return;
        result_.cleared = true;
        result_.casts = pathTo(nodes_, parent);
        result_.casts.push_back(last);
        result_.magicLeft = magicLeft;
        result_.needs = neededMagic(magicDeltas(result_.casts));
    }

    void collectFinalBoard(const Board& end) {
        Board b = end;
        b.setPlayer(0);
        b.setFalling(false);
        auto& boards = result_.finalBoards;
        if (boards.size() < options_.finalBoardCap &&
            std::find(boards.begin(), boards.end(), b) == boards.end())
            boards.push_back(b);
    }

    std::vector<int> magicDeltas(const std::vector<Cast>& casts) const {
        std::vector<int> deltas;
        Board b = stage_.start;
        for (const Cast& c : casts) {
            const CastEffect e = castOn(stage_, b, c.from, c.target);
            deltas.push_back(e.magicDelta);
            b = e.board;
        }
        return deltas;
    }

    const Stage& stage_;
    const SearchOptions& options_;
    const Codec codec_;
    NodeStore nodes_;
    StateTable table_;
    const bool collect_;
    std::optional<Regions> regions_;  // worked out once the search is past lostFrom
    LastBeyond beyond_;
    SearchResult result_;
    std::size_t published_ = 0;  // states already added to the control's count
    std::size_t budget_;         // the bytes its states may take, as the options say or as shared
    std::uint32_t head_ = 0;     // the next node to expand
    bool started_ = false;
};

SearchResult search(const Stage& stage, const SearchOptions& options) {
    return Search(stage, options).run();
}

ExactSearch::ExactSearch(const Stage& stage, const SearchOptions& options)
    : options_(options), search_(std::make_unique<Search>(stage, options_)) {}
ExactSearch::~ExactSearch() = default;
bool ExactSearch::advance(std::size_t upTo) { return search_->advance(upTo); }
void ExactSearch::setMemoryBudget(std::size_t bytes) { search_->setMemoryBudget(bytes); }
std::size_t ExactSearch::states() const { return search_->states(); }
std::size_t ExactSearch::bytes() const { return search_->bytes(); }
SearchResult ExactSearch::finish() { return search_->finish(); }

}  // namespace solver

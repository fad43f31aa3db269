#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "solver/search.h"
#include "solver/stage.h"

namespace solver {

struct BestFirstOptions {
    int startMagic = 0;
    std::size_t maxStates = kBestFirstStates;
    SearchControl* control = nullptr;  // read for a cancel, as the exact search does
    // What its states may take, in bytes, about; at it the search stops.
    std::size_t memoryBudget = kMemoryBudget;
};

struct BestFirstResult {
    bool cleared = false;
    std::vector<Cast> casts;  // a clearing solution, not the shortest
    int needs = 0;            // the least starting magic it needs
    std::size_t states = 0;
    bool cancelled = false;
    bool outOfMemory = false;
};

// Looks for any clearing solution, nearest the goal first: the state with the
// fewest blocks off the target, pools left and blocks touching, and the
// fewest casts it takes to get at the pools and blocks out of reach (weighed
// well above the casts made so far), is expanded next, with the same moves as
// the exact search and the same rules for what is no way on: a state met
// again with no more magic, and one whose region shows no clear (regions.h).
// A standing state is its board and the cells in walking reach, not the one
// cell stood on. A few such searches, each weighing those differently (two
// of them putting first the states that show something no state as near the
// goal has shown), take turns within maxStates together. A clear it finds is
// a clear; a miss says nothing, unless one of them looked everywhere.
BestFirstResult bestFirst(const Stage& stage, const BestFirstOptions& options);

class Portfolio;

// The same searches run in slices, for a caller that lets another search
// take turns with them: advance(upTo) goes on until they have looked at more
// than upTo states together (true: they stopped there and can go on) or are
// over (false); result() says what they found so far.
class GoalSearch {
public:
    GoalSearch(const Stage& stage, const BestFirstOptions& options);
    ~GoalSearch();
    bool advance(std::size_t upTo);
    // What their states may take from now on, in bytes, about.
    void setMemoryBudget(std::size_t bytes);
    std::size_t bytes() const;
    BestFirstResult result() const;

private:
    const Stage& stage_;
    std::unique_ptr<Portfolio> portfolio_;
};

}  // namespace solver

// What a search says its states take, against what the allocator really
// gave it. The budget a maker sets is only kept if the figure a search goes
// by is never below what it holds; a program of its own, as it counts every
// allocation the process makes.
#include <gtest/gtest.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "solver/best_first.h"
#include "solver/search.h"
#include "support/drawn_undecided.h"

namespace {
std::atomic<std::size_t> gLive{0};  // bytes the allocator has handed out and not had back
}  // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) throw std::bad_alloc();
    gLive += malloc_usable_size(p);
    return p;
}
void operator delete(void* p) noexcept {
    if (p == nullptr) return;
    gLive -= malloc_usable_size(p);
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

constexpr std::size_t kLavish = std::size_t{1} << 40;
// What a search holds besides its states' memory, which its figure leaves
// out: the search itself, its codec, the board's regions.
constexpr std::size_t kBesideStates = 64 * 1024;
// The figures count the room a table or queue takes at its next growth, the
// old room and the new: up to three times what it holds between growths.
constexpr std::size_t kMostOverCount = 4;

struct Held {
    std::size_t said, held;
};

// Each search grown to a count of states in a fresh instance; what it said
// beside what it held, both from before it was made.
Held grownTo(std::size_t states, auto make) {
    const std::size_t before = gLive;
    auto search = make();
    search.advance(states);
    return {search.bytes(), gLive - before};
}

}  // namespace

TEST(SearchMemory, WhatASearchSaysItHoldsIsNoLessThanItHolds) {
    const solver::Stage stage = testing_support::drawnUndecided();
    solver::SearchOptions exactOptions{stage.magic};
    exactOptions.memoryBudget = kLavish;
    const solver::BestFirstOptions goalOptions{stage.magic, kLavish, nullptr, kLavish};
    auto exact = [&] { return solver::ExactSearch(stage, exactOptions); };
    auto goal = [&] { return solver::GoalSearch(stage, goalOptions); };
    struct Row {
        const char* name;
        Held held;
    };
    const Row rows[] = {
        {"the exact search at its start", grownTo(0, exact)},
        {"the exact search, a few states", grownTo(20'000, exact)},
        {"the exact search, many states", grownTo(300'000, exact)},
        {"the goal-directed search, a few states", grownTo(20'000, goal)},
        {"the goal-directed search, many states", grownTo(150'000, goal)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_GE(r.held.said + kBesideStates, r.held.held);
        EXPECT_LE(r.held.said, kMostOverCount * r.held.held);
    }
}

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "workshop/core/editing.h"
#include "workshop/core/proof_scheduler.h"

namespace {

using namespace std::chrono_literals;
constexpr auto kPatience = 20s;  // generous: only a broken scheduler waits this long

// Stands in for the solver. A stage's target names it; stages with a target
// of kBlocking or more are proven only until they are cancelled, and then
// still give a result when `finishCancelled`, as a proof that ended just as
// the edit came would. Every proof reports its verdict first.
struct FakeProver {
    static constexpr int kBlocking = 100;
    std::mutex m;
    std::condition_variable changed;
    std::vector<int> started;
    std::vector<std::string> delivered;  // "v<target>@<generation>" or "r<target>@<generation>"
    bool holdCancelled = false;          // a cancelled proof waits for the test to let go
    bool finishCancelled = false;
    bool gaveUp = false;

    std::optional<int> prove(const game::StageDesc& s, const std::atomic<bool>& cancel,
                             const std::function<void(const int&)>& verdict) {
        verdict(s.target);
        std::unique_lock lock(m);
        started.push_back(s.target);
        changed.notify_all();
        if (s.target < kBlocking) return s.target;
        // A real prover looks at the flag as it works; this one every millisecond.
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!cancel || holdCancelled) {
            if (std::chrono::steady_clock::now() > deadline) {
                gaveUp = true;
                return std::nullopt;
            }
            changed.wait_for(lock, 1ms);
        }
        return finishCancelled ? std::optional<int>(s.target) : std::nullopt;
    }

    void note(char what, std::uint64_t g, int target) {
        std::lock_guard lock(m);
        delivered.push_back(what + std::to_string(target) + "@" + std::to_string(g));
        changed.notify_all();
    }

    template <class Done>
    bool waitFor(Done done) {
        std::unique_lock lock(m);
        return changed.wait_for(lock, kPatience, done);
    }
};

using Scheduler = workshop::ProofScheduler<int>;

std::unique_ptr<Scheduler> schedulerFor(FakeProver& fake) {
    return std::make_unique<Scheduler>(
        [&fake](const game::StageDesc& s, workshop::ProofFlags& control,
                const Scheduler::ReportVerdict& verdict) {
            return fake.prove(s, control.cancel, verdict);
        },
        [&fake](std::uint64_t g, const int& v) { fake.note('v', g, v); },
        [&fake](std::uint64_t g, const int& r) { fake.note('r', g, r); });
}

game::StageDesc stage(int target) {
    game::StageDesc s = workshop::blankStage();
    s.target = static_cast<std::int16_t>(target);
    return s;
}

}  // namespace

TEST(WorkshopProof, AnEditCancelsTheRunningProofAndItsLateResultIsNeverShown) {
    FakeProver fake;
    fake.holdCancelled = true;
    fake.finishCancelled = true;
    auto scheduler = schedulerFor(fake);
    scheduler->submit(stage(FakeProver::kBlocking));
    ASSERT_TRUE(fake.waitFor([&] { return fake.started.size() == 1; }));
    // Three edits while the first proof is still winding down: only the last is proven.
    scheduler->submit(stage(1));
    scheduler->submit(stage(2));
    EXPECT_EQ(scheduler->submit(stage(3)), 4u);
    {
        std::lock_guard lock(fake.m);
        fake.holdCancelled = false;
        fake.changed.notify_all();
    }
    ASSERT_TRUE(
        fake.waitFor([&] { return !fake.delivered.empty() && fake.delivered.back() == "r3@4"; }));
    std::lock_guard lock(fake.m);
    EXPECT_EQ(fake.started, (std::vector<int>{FakeProver::kBlocking, 3}));
    EXPECT_EQ(fake.delivered, (std::vector<std::string>{"v100@1", "v3@4", "r3@4"}));
    EXPECT_FALSE(fake.gaveUp);
}

TEST(WorkshopProof, ResultsOfFinishedProofsArriveInOrder) {
    FakeProver fake;
    auto scheduler = schedulerFor(fake);
    std::uint64_t last = 0;
    for (int t = 1; t <= 20; ++t) last = scheduler->submit(stage(t));
    ASSERT_TRUE(fake.waitFor([&] {
        return !fake.delivered.empty() && fake.delivered.back() == "r20@" + std::to_string(last);
    }));
    std::lock_guard lock(fake.m);
    // Edits may come faster than proofs: some are skipped, none is late.
    int previous = 0;
    for (const std::string& d : fake.delivered) {
        const int target = std::stoi(d.substr(1));
        EXPECT_GE(target, previous) << d;
        previous = target;
    }
}

TEST(WorkshopProof, CancelledOrDestroyedWhileProvingItStopsAndDeliversNothing) {
    FakeProver fake;
    auto scheduler = schedulerFor(fake);
    scheduler->submit(stage(FakeProver::kBlocking));
    ASSERT_TRUE(fake.waitFor([&] { return fake.started.size() == 1; }));
    scheduler->cancel();
    scheduler->submit(stage(FakeProver::kBlocking + 1));
    ASSERT_TRUE(fake.waitFor([&] { return fake.started.size() == 2; }));
    {
        std::lock_guard lock(fake.m);
        fake.finishCancelled = true;  // its result comes too late to be shown
    }
    scheduler.reset();  // would wait for kPatience if the proof were not cancelled
    std::lock_guard lock(fake.m);
    EXPECT_FALSE(fake.gaveUp);
    EXPECT_EQ(fake.delivered, (std::vector<std::string>{"v100@1", "v101@3"}));
}

// Stop on a generator: the search ends, and what it tried is still told.
TEST(WorkshopProof, AnInterruptedProofStillDeliversWhatItReturns) {
    FakeProver fake;
    fake.finishCancelled = true;
    auto scheduler = schedulerFor(fake);
    const auto g = scheduler->submit(stage(FakeProver::kBlocking));
    ASSERT_TRUE(fake.waitFor([&] { return fake.started.size() == 1; }));
    scheduler->interrupt();
    const std::string result = "r100@" + std::to_string(g);
    ASSERT_TRUE(fake.waitFor(
        [&] { return !fake.delivered.empty() && fake.delivered.back() == result; }));
    std::lock_guard lock(fake.m);
    EXPECT_FALSE(fake.gaveUp);
}

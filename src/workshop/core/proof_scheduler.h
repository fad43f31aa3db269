#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "game/stage_desc.h"

namespace workshop {

// Proves the stage being edited on a worker thread of its own, one proof at a
// time. Every edit submits the new stage; that cancels the proof that is
// running, and stages submitted while one runs replace each other, so only
// the newest is proven next. Each submission gets a generation, and nothing
// is delivered for a generation older than the newest submitted: a result
// for a board already edited away never reaches the window.
//
// `Result` is what a whole proof gives, `Verdict` what a prover may report
// before it has finished (the answer first, the analysis after).
template <class Result, class Verdict = Result>
class ProofScheduler {
public:
    using Generation = std::uint64_t;
    using ReportVerdict = std::function<void(const Verdict&)>;
    // Returns nothing when it stopped because `cancel` was set. It should
    // look at `cancel` often, may count its work in `progress` and must not
    // throw (it would end the program on the worker thread).
    using Prover = std::function<std::optional<Result>(
        const game::StageDesc&, const std::atomic<bool>& cancel,
        std::atomic<std::uint64_t>& progress, const ReportVerdict& verdict)>;
    // Called on the worker thread, with the scheduler's lock held: they must
    // return quickly (hand the value to the window's thread) and must not call
    // back into the scheduler.
    using OnVerdict = std::function<void(Generation, const Verdict&)>;
    using OnResult = std::function<void(Generation, const Result&)>;

    ProofScheduler(Prover prover, OnVerdict onVerdict, OnResult onResult)
        : prover_(std::move(prover)),
          onVerdict_(std::move(onVerdict)),
          onResult_(std::move(onResult)),
          worker_([this] { run(); }) {}

    ~ProofScheduler() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            cancel_ = true;
        }
        wake_.notify_one();
        worker_.join();
    }

    ProofScheduler(const ProofScheduler&) = delete;
    ProofScheduler& operator=(const ProofScheduler&) = delete;

    // The stage as it now is; returns its generation.
    Generation submit(const game::StageDesc& stage) {
        Generation g;
        {
            std::lock_guard lock(mutex_);
            g = ++latest_;
            pending_ = stage;
            cancel_ = true;
        }
        wake_.notify_one();
        return g;
    }

    // Stops the running proof and drops the waiting one: nothing submitted so
    // far is delivered any more.
    void cancel() {
        std::lock_guard lock(mutex_);
        ++latest_;
        pending_.reset();
        cancel_ = true;
    }

    Generation latest() const {
        std::lock_guard lock(mutex_);
        return latest_;
    }

    // The work counted by the running proof, for a progress display.
    std::uint64_t progress() const { return progress_.load(std::memory_order_relaxed); }

private:
    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
            if (stopping_) return;
            const game::StageDesc stage = std::move(*pending_);
            pending_.reset();
            const Generation g = latest_;
            cancel_ = false;
            progress_ = 0;
            lock.unlock();
            const ReportVerdict verdict = [this, g](const Verdict& v) {
                std::lock_guard relock(mutex_);
                if (g == latest_ && !stopping_) onVerdict_(g, v);
            };
            std::optional<Result> result = prover_(stage, cancel_, progress_, verdict);
            lock.lock();
            if (result && g == latest_ && !stopping_) onResult_(g, *result);
        }
    }

    const Prover prover_;
    const OnVerdict onVerdict_;
    const OnResult onResult_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<game::StageDesc> pending_;  // waiting to be proven
    Generation latest_ = 0;                   // of the newest submission
    bool stopping_ = false;
    std::atomic<bool> cancel_{false};
    std::atomic<std::uint64_t> progress_{0};

    std::thread worker_;  // last: starts once everything above is made
};

}  // namespace workshop

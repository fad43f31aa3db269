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
// What the scheduler and a running proof share: the flag that stops it and
// the work it has counted. A prover with richer needs (the solver's own
// control, with its verdict callback) derives from it or brings its own type
// with these two members.
struct ProofFlags {
    std::atomic<bool> cancel{false};
    std::atomic<std::uint64_t> states{0};
};

// `Result` is what a whole proof gives, `Verdict` what a prover may report
// before it has finished (the answer first, the analysis after). `Input` is
// what is proven: the stage being edited, or a pack's stages one by one.
template <class Result, class Verdict = Result, class Control = ProofFlags,
          class Input = game::StageDesc>
class ProofScheduler {
public:
    using Generation = std::uint64_t;
    using ReportVerdict = std::function<void(const Verdict&)>;
    // May return nothing when it stopped because `control.cancel` was set. It
    // should look at the flag often, may count its work in `control.states`
    // and must not throw (it would end the program on the worker thread).
    using Prover = std::function<std::optional<Result>(const Input&, Control& control,
                                                       const ReportVerdict& verdict)>;
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
            control_.cancel = true;
        }
        wake_.notify_one();
        worker_.join();
    }

    ProofScheduler(const ProofScheduler&) = delete;
    ProofScheduler& operator=(const ProofScheduler&) = delete;

    // The stage as it now is; returns its generation.
    Generation submit(const Input& stage) {
        Generation g;
        {
            std::lock_guard lock(mutex_);
            g = ++latest_;
            pending_ = stage;
            control_.cancel = true;
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
        control_.cancel = true;
    }

    // Stops the running proof but keeps its generation: what the prover
    // returns on being stopped (the work it did so far) is still delivered.
    void interrupt() {
        std::lock_guard lock(mutex_);
        control_.cancel = true;
    }

    Generation latest() const {
        std::lock_guard lock(mutex_);
        return latest_;
    }

    // The work counted by the running proof, for a progress display.
    std::uint64_t progress() const { return control_.states.load(std::memory_order_relaxed); }
    // The running proof's own control, for a progress display of a richer
    // prover: only its atomic counters may be read.
    const Control& control() const { return control_; }

private:
    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
            if (stopping_) return;
            const Input stage = std::move(*pending_);
            pending_.reset();
            const Generation g = latest_;
            control_.cancel = false;
            control_.states = 0;
            lock.unlock();
            const ReportVerdict verdict = [this, g](const Verdict& v) {
                std::lock_guard relock(mutex_);
                if (g == latest_ && !stopping_) onVerdict_(g, v);
            };
            std::optional<Result> result = prover_(stage, control_, verdict);
            lock.lock();
            if (result && g == latest_ && !stopping_) onResult_(g, *result);
        }
    }

    const Prover prover_;
    const OnVerdict onVerdict_;
    const OnResult onResult_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Input> pending_;  // waiting to be proven
    Generation latest_ = 0;         // of the newest submission
    bool stopping_ = false;
    Control control_;  // of the proof running now

    std::thread worker_;  // last: starts once everything above is made
};

}  // namespace workshop

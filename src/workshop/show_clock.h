#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>

namespace workshop {

// The game's time during a show of a solution. A solution may cast at the
// character as it falls past a cell, so a click is right only at the game
// time the solver worked it out for. A pause of the show can end late (a busy
// machine, a search beside it) or a little early (a coarse timer), so the
// game's time runs in real time from each click but never past the next one:
// every click lands at exactly its own game time, whenever it arrives.
class ShowClock {
public:
    using Real = std::function<std::int64_t()>;
    explicit ShowClock(Real real) : real_(std::move(real)) {}

    // The game's milliseconds: real time since the last click, held at the
    // next click's time until it lands, and never going back.
    std::int64_t now() {
        std::int64_t t = real_() - lag_;
        if (holdAt_) t = std::min(t, *holdAt_);
        last_ = std::max(last_, t);
        return last_;
    }
    // The game's time stops at `time` until landAt() is told so.
    void holdAt(std::int64_t time) { holdAt_ = time; }
    // The click due at `time` lands now: the game's time is set to it.
    void landAt(std::int64_t time) {
        lag_ = real_() - time;
        last_ = std::max(last_, time);
        holdAt_.reset();
    }
    // Milliseconds of real time until the game reaches `time`.
    std::int64_t until(std::int64_t time) { return std::max<std::int64_t>(0, time - now()); }

private:
    Real real_;
    std::int64_t lag_ = 0;
    std::int64_t last_ = 0;
    std::optional<std::int64_t> holdAt_;
};

}  // namespace workshop

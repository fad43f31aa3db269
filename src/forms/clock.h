#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace forms {

class Clock;

// A timer control. Its tick handler runs on the clock's thread of events; see
// Clock for when ticks fall due.
class Timer {
public:
    Timer(std::string name, int interval);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    const std::string& name() const { return name_; }
    bool Enabled() const { return enabled_; }
    int Interval() const { return interval_; }
    // Enabling a running timer keeps its countdown; disabling drops the pending tick.
    void setEnabled(bool on);
    // A new interval restarts the countdown from now.
    void setInterval(int ms);
    std::optional<std::int64_t> due() const;

    // What the timer holds, its due time counted from now, so that a tool
    // exploring a game can branch it: capture, play on, put it back later in
    // the same program.
    struct State {
        bool enabled = false;
        int interval = 0;
        std::int64_t dueIn = 0;
    };
    State state() const;
    void restore(const State& s);

    std::function<void()> onTick;

private:
    friend class Clock;
    void schedule();

    std::string name_;
    int interval_;
    bool enabled_ = false;
    std::int64_t due_ = 0;
    Clock* clock_ = nullptr;
    int order_ = 0;
};

// The one virtual clock of the program, in milliseconds. Nothing here sleeps:
// tests and tools advance it by hand, the front end follows real time.
class Clock {
public:
    std::int64_t now() const { return now_; }

    // Timers attached later rank after earlier ones when their ticks fall due
    // at the same instant.
    void attach(Timer& timer);
    void detach(Timer& timer);

    std::optional<std::int64_t> nextDue() const;

    // Moves time to the earliest tick due at or before `limit`, reschedules that
    // timer one interval on and returns it; nullptr when none is due.
    Timer* popDue(std::int64_t limit);

    // Moves time forward without firing anything (after every due tick ran).
    void settle(std::int64_t t);

private:
    std::int64_t now_ = 0;
    int nextOrder_ = 0;
    std::vector<Timer*> timers_;
};

}  // namespace forms

#include "forms/clock.h"

#include <algorithm>

namespace forms {

Timer::Timer(std::string name, int interval) : name_(std::move(name)), interval_(interval) {}

Timer::~Timer() {
    if (clock_ != nullptr) clock_->detach(*this);
}

void Timer::schedule() {
    if (clock_ != nullptr) due_ = clock_->now() + interval_;
}

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on) schedule();
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    if (enabled_) schedule();
}

std::optional<std::int64_t> Timer::due() const {
    // An interval of 0 or less never ticks, as a stopped timer.
    if (!enabled_ || interval_ <= 0 || clock_ == nullptr) return std::nullopt;
    return due_;
}

Timer::State Timer::state() const {
    return {enabled_, interval_, clock_ != nullptr ? due_ - clock_->now() : 0};
}

void Timer::restore(const State& s) {
    enabled_ = s.enabled;
    interval_ = s.interval;
    due_ = (clock_ != nullptr ? clock_->now() : 0) + s.dueIn;
}

void Clock::attach(Timer& timer) {
    if (timer.clock_ == this) return;
    timer.clock_ = this;
    timer.order_ = nextOrder_++;
    timers_.push_back(&timer);
    if (timer.enabled_) timer.schedule();
}

void Clock::detach(Timer& timer) {
    std::erase(timers_, &timer);
    timer.clock_ = nullptr;
}

std::optional<std::int64_t> Clock::nextDue() const {
    std::optional<std::int64_t> best;
    for (const Timer* t : timers_) {
        auto d = t->due();
        if (d && (!best || *d < *best)) best = d;
    }
    return best;
}

Timer* Clock::popDue(std::int64_t limit) {
    Timer* best = nullptr;
    std::int64_t bestDue = 0;
    for (Timer* t : timers_) {
        auto d = t->due();
        if (!d || *d > limit) continue;
        if (best == nullptr || *d < bestDue || (*d == bestDue && t->order_ < best->order_)) {
            best = t;
            bestDue = *d;
        }
    }
    if (best == nullptr) return nullptr;
    now_ = std::max(now_, bestDue);
    best->due_ = now_ + best->interval_;
    return best;
}

void Clock::settle(std::int64_t t) { now_ = std::max(now_, t); }

}  // namespace forms

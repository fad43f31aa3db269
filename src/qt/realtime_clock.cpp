#include "qt/realtime_clock.h"

#include <algorithm>
#include <limits>

namespace qtfront {

ClockDriver::ClockDriver(forms::Program& program, Elapsed elapsed)
    : program_(program), elapsed_(std::move(elapsed)) {
    realTime_.start();
    wakeUp_.setSingleShot(true);
    wakeUp_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wakeUp_, &QTimer::timeout, [this] { wake(); });
}

std::int64_t ClockDriver::elapsed() const {
    return elapsed_ ? elapsed_() : static_cast<std::int64_t>(realTime_.elapsed());
}

void ClockDriver::catchUp() {
    if (!program_.ended()) program_.advanceTo(elapsed());
}

void ClockDriver::rearm() {
    std::optional<std::int64_t> due = program_.ended() ? std::nullopt : program_.clock().nextDue();
    if (!due) {
        wakeUp_.stop();
        return;
    }
    const std::int64_t wait =
        std::clamp<std::int64_t>(*due - elapsed(), 0, std::numeric_limits<int>::max());
    wakeUp_.start(static_cast<int>(wait));
}

std::optional<int> ClockDriver::armedDelay() const {
    if (!wakeUp_.isActive()) return std::nullopt;
    return wakeUp_.interval();
}

void ClockDriver::wake() {
    catchUp();
    if (onTicks) onTicks();
}

}  // namespace qtfront

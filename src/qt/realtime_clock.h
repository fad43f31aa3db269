#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

#include "forms/program.h"

namespace qtfront {

// Runs the program's virtual clock in real time: virtual milliseconds are the
// milliseconds since the front end started. One single-shot timer waits for
// the earliest tick due; with no game timer enabled nothing waits at all.
class ClockDriver {
public:
    // Where "now" comes from; tests hand in a clock of their own.
    using Elapsed = std::function<std::int64_t()>;

    explicit ClockDriver(forms::Program& program, Elapsed elapsed = {});
    ClockDriver(const ClockDriver&) = delete;
    ClockDriver& operator=(const ClockDriver&) = delete;

    std::int64_t elapsed() const;
    // Fires every tick due by now. Run before an input event, so a timer the
    // event enables counts from the right instant.
    void catchUp();
    // Points the wake-up at the earliest due tick, or stops it when none is due.
    void rearm();

    // What the wake-up does when it fires: catch up, then tell onTicks.
    void wake();
    std::function<void()> onTicks;

    // The wake-up, when one is armed: its delay in milliseconds as last set.
    std::optional<int> armedDelay() const;

private:
    forms::Program& program_;
    Elapsed elapsed_;
    QElapsedTimer realTime_;
    QTimer wakeUp_;
};

}  // namespace qtfront

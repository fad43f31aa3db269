#pragma once

// The rule book: what each cast costs or gives, how much magic a stage starts
// with, and how long walks, climbs and falls take. The tile rules and the game
// window's timers play by these numbers, and the solver, its plans and the
// generator count with the same ones, so a rule changed here changes the
// game and every proof of it together.

namespace game::rules {

// ---- Magic
// What a cast does to MagicCount, by what the cell held.
inline constexpr int kPlaceBlockCost = 2;  // an empty cell gets a block
inline constexpr int kRemoveBlockGain = 1;
inline constexpr int kClearWaterCost = 2;
inline constexpr int kSandGain = 8;
// MagicCount when play starts is line 11 of the stage file plus this.
inline constexpr int kStartMagicBonus = 1;
// A cast that leaves less than this ends the stage in a game over.
inline constexpr int kLeastMagicLeft = 1;

// ---- Movement
inline constexpr int kCellPixels = 48;
// The walk timer moves the sprite this far a tick; a fall drops it as far.
inline constexpr int kWalkStepPixels = 12;
inline constexpr int kFallStepPixels = 12;
inline constexpr int kWalkTickMs = 100;  // LeftWalkTimer and RightWalkTimer
inline constexpr int kFallTickMs = 100;  // FallTimer
// A climb's jump timer: two ticks on the spot, a crouch, two rises with a
// pause at the top, then the sideways steps, each tick at the interval it was
// given by the one before.
inline constexpr int kClimbStepMs = 100;
inline constexpr int kClimbCrouchMs = 300;
inline constexpr int kClimbRiseMs = 200;
inline constexpr int kClimbTopMs = 400;
inline constexpr int kClimbRisePixels = 24;
inline constexpr int kClimbSidePixels = 12;

// What follows from the numbers above.
inline constexpr int kWalkTicksPerCell = kCellPixels / kWalkStepPixels;
inline constexpr int kFallTicksPerCell = kCellPixels / kFallStepPixels;
inline constexpr int kFallMsPerCell = kFallTickMs * kFallTicksPerCell;
// From the climb's first tick being due to its last.
inline constexpr int kClimbMs =
    kClimbStepMs + kClimbStepMs + kClimbCrouchMs + kClimbRiseMs + kClimbTopMs + 3 * kClimbStepMs;

}  // namespace game::rules

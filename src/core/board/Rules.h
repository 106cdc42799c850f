// The numbers the rules of play are made of: the player's fire interval and ammunition, the
// guns' odds, the blink period and the wreck's countdown.
#pragma once

#include <cstdint>

namespace boltik::board {

// Cycles that must pass after the player's shot before the next one: the player fires only
// when fireDelay, counted up at the start of every cycle and reset by a shot, has reached it.
inline constexpr int16_t kFireInterval = 10;

// Shots one ammunition pickup adds to the ammunition counter.
inline constexpr int kShotsPerAmmo = 9;

// A gun fires in one of this many of its steps, by chance: when the host's random number in
// [0, 1) falls into the second of this many equal slices.
inline constexpr int kGunOdds = 15;

// Steps between two picture exchanges of a blinking object: of all capsules together (once
// every bolt is taken), and of each teleporter on its own.
inline constexpr int kBlinkPeriod = 10;

// The lives counter's caption when the program starts.
inline constexpr const char* kStartLives = "10";

// The level wreck's countdown: the wreck starts it at the number of cells it burns, every
// cycle adds kWreckCountdownStep, and the call of the main loop ends in the first cycle that
// finds it at kWreckCountdownEnd or more.
inline constexpr int32_t kWreckCountdownStep = 25;
inline constexpr int32_t kWreckCountdownEnd = 548;

}  // namespace boltik::board

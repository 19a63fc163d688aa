// The order in which the show goes through its entries, and how long each one stays.
#pragma once

#include <cstdint>
#include <string_view>

#include "saver/effects/random_source.h"
#include "saver/settings/saver_settings.h"

namespace pgw {

// Where the rotation stands between two changes of entry.
struct RotationState {
  int SequenceIndex = 0;  // the entry shown last in list order; -1: start again at entry 0
  int LastIndex = 0;      // the entry chosen last; random order never repeats it at once
};

// The first entry to show: in random order any but the last entry of the list, after
// re-seeding from the clock; in list order entry 0. Never below 0.
int ChooseFirstEntry(const SaverSettings& settings, RandomSource& random);

// The entry a rotation tick moves to, updating `state` as the tick does.
// Random order: a draw from 0 to PageCount - 2 that moves one on when it hits the entry
// shown last. List order: the next entry, wrapping at the first empty one.
// An empty chosen entry is replaced by entry 0, and an index outside the record reads as
// an empty entry.
int ChooseNextEntry(RotationState& state, const SaverSettings& settings, RandomSource& random);

// The entry actually shown for a chosen index: entry 0 where the chosen one is empty.
int EntryToShow(const SaverSettings& settings, int chosen);

// The interval of the rotation timer: the number `WithholdSeconds` begins with, times
// 1000, rounded to whole milliseconds; 0 (no rotation) for a text that does not begin
// with a number or gives no positive interval.
std::int64_t RotationIntervalMs(std::string_view withholdSeconds);

// The transition of a rotation tick for `effectCode`: the code to draw (a fresh random
// one from 8 to 21 for 7, after re-seeding), or -1 when the tick has no capture and no
// transition at all (codes outside 7 to 22).
std::int16_t TransitionForTick(std::int16_t effectCode, RandomSource& random);

}  // namespace pgw

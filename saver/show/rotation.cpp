#include "saver/show/rotation.h"

#include <cmath>
#include <limits>

#include "saver/effects/effect_plan.h"
#include "saver/settings/number_text.h"

namespace pgw {
namespace {

// floor((PageCount - 1) * r): 0 to PageCount - 2 for a list of two or more.
int RandomDraw(const SaverSettings& settings, RandomSource& random) {
  return static_cast<int>(std::floor((settings.PageCount - 1) * random.Uniform()));
}

}  // namespace

int ChooseFirstEntry(const SaverSettings& settings, RandomSource& random) {
  random.ReseedFromClock();
  int first = settings.RandomOrder ? RandomDraw(settings, random) : 0;
  return first < 0 ? 0 : first;
}

int EntryToShow(const SaverSettings& settings, int chosen) {
  return settings.Page(chosen).empty() ? 0 : chosen;
}

int ChooseNextEntry(RotationState& state, const SaverSettings& settings, RandomSource& random) {
  int shown = 0;
  int chosen = 0;
  if (settings.RandomOrder) {
    random.ReseedFromClock();
    chosen = RandomDraw(settings, random);
    if (chosen == state.LastIndex) ++chosen;
    shown = EntryToShow(settings, chosen);
  } else {
    ++state.SequenceIndex;
    if (settings.Page(state.SequenceIndex).empty()) state.SequenceIndex = 0;
    shown = EntryToShow(settings, state.SequenceIndex);
  }
  if (state.SequenceIndex == settings.PageCount - 1) state.SequenceIndex = -1;
  state.LastIndex = chosen;
  return shown;
}

std::int64_t RotationIntervalMs(std::string_view withholdSeconds) {
  const double ms = RoundHalfEven(LeadingNumber(withholdSeconds) * 1000);
  if (!(ms > 0)) return 0;
  constexpr double kLongest = static_cast<double>(std::numeric_limits<int>::max());
  return static_cast<std::int64_t>(ms < kLongest ? ms : kLongest);
}

std::int16_t TransitionForTick(std::int16_t effectCode, RandomSource& random) {
  if (effectCode == kRandomEffect) return PickRandomEffect(random);
  if (effectCode >= kFirstEffect && effectCode <= kNoEffect) return effectCode;
  return -1;
}

}  // namespace pgw

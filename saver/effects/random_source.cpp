#include "saver/effects/random_source.h"

#include <chrono>
#include <cmath>

namespace pgw {

ClockSeededRandom::ClockSeededRandom() {
  ReseedFromClock();
}

double ClockSeededRandom::Uniform() {
  return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

void ClockSeededRandom::ReseedFromClock() {
  engine_.seed(static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

std::int16_t PickRandomEffect(RandomSource& random) {
  random.ReseedFromClock();
  return static_cast<std::int16_t>(std::floor(14 * random.Uniform()) + 8);
}

}  // namespace pgw

#pragma once

#include <cstdint>
#include <random>

namespace pgw {

// Uniform random numbers for the effects: the mosaic's cells, the variant of the two
// circles and the random choice of an effect.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A number in [0, 1).
  virtual double Uniform() = 0;
  // Starts the sequence again from the clock.
  virtual void ReseedFromClock() = 0;
};

class ClockSeededRandom : public RandomSource {
 public:
  ClockSeededRandom();
  double Uniform() override;
  void ReseedFromClock() override;

 private:
  std::mt19937_64 engine_;
};

// The effect for "All (random)": one of the codes 8 to 21, each as likely, after
// re-seeding from the clock.
std::int16_t PickRandomEffect(RandomSource& random);

}  // namespace pgw

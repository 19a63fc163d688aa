// A random source for tests: hands out the numbers it was given, then repeats the last.
#pragma once

#include <deque>

#include "saver/effects/random_source.h"

namespace pgw::test {

class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::deque<double> numbers) : numbers_(std::move(numbers)) {}
  double Uniform() override {
    if (numbers_.size() > 1) {
      double next = numbers_.front();
      numbers_.pop_front();
      return next;
    }
    return numbers_.empty() ? 0.0 : numbers_.front();
  }
  void ReseedFromClock() override { ++reseeds; }
  void Add(double number, int times = 1) { numbers_.insert(numbers_.end(), times, number); }
  int reseeds = 0;

 private:
  std::deque<double> numbers_;
};

}  // namespace pgw::test

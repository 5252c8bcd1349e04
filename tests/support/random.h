// Uniform random numbers for the tests' random beams, from the generator's
// bits alone: the standard distributions may give other numbers with another
// library, and the beams must not change.
#pragma once

#include <cstdint>
#include <random>

class Random {
 public:
  explicit Random(std::uint32_t seed) : bits_(seed) {}
  double uniform() { return static_cast<double>(bits_()) / 4294967296.0; }
  double between(double low, double high) { return low + (high - low) * uniform(); }
  int whole(int low, int high) { return low + static_cast<int>(uniform() * (high - low + 1)); }
  bool chance(double probability) { return uniform() < probability; }

 private:
  std::mt19937 bits_;
};

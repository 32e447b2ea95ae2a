// The generator's own randomness: xoshiro256** seeded through splitmix64, and distributions
// built from +, -, * and / only, so a seed gives the same feed on every platform and
// compiler (the library is built without floating-point contraction).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace rv::jvfeed {

std::uint64_t splitmix64(std::uint64_t& state);

class Rng {
 public:
  explicit Rng(std::uint64_t seed);
  // An independent stream for a purpose, e.g. Rng::stream(seed, {date, venue, race, 3}).
  static Rng stream(std::uint64_t seed, std::initializer_list<std::uint64_t> path);

  std::uint64_t next();
  double uniform();           // [0, 1)
  int below(int n);           // [0, n)
  int range(int lo, int hi);  // [lo, hi]
  bool chance(double p);
  double normal();  // mean 0, deviation 1 (sum of twelve uniforms)
  template <typename T>
  const T& pick(const std::vector<T>& v) {
    return v[static_cast<std::size_t>(below(static_cast<int>(v.size())))];
  }
  // Index drawn with the given non-negative weights (their sum must be positive).
  int weighted(const std::vector<double>& weights);

 private:
  std::uint64_t s_[4];
};

// e^x from additions and multiplications only: a short series on x / 1024, squared ten
// times. Accurate to a few parts in a million over the range the model uses (|x| < 8).
double det_exp(double x);

}  // namespace rv::jvfeed

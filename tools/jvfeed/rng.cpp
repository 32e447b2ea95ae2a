#include "jvfeed/rng.h"

namespace rv::jvfeed {

std::uint64_t splitmix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

Rng::Rng(std::uint64_t seed) {
  for (auto& w : s_) w = splitmix64(seed);
}

Rng Rng::stream(std::uint64_t seed, std::initializer_list<std::uint64_t> path) {
  std::uint64_t h = seed;
  for (const std::uint64_t p : path) {
    std::uint64_t s = h ^ (p * 0xD1B54A32D192ED03ULL);
    h = splitmix64(s);
  }
  return Rng(h);
}

namespace {
std::uint64_t rotl(std::uint64_t x, int k) {
  return (x << k) | (x >> (64 - k));
}
}  // namespace

std::uint64_t Rng::next() {
  const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = rotl(s_[3], 45);
  return result;
}

double Rng::uniform() {
  return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

int Rng::below(int n) {
  if (n <= 1) return 0;
  const auto un = static_cast<std::uint64_t>(n);
  // Rejection keeps every value equally likely.
  const std::uint64_t limit = UINT64_MAX - UINT64_MAX % un;
  std::uint64_t x = next();
  while (x >= limit) x = next();
  return static_cast<int>(x % un);
}

int Rng::range(int lo, int hi) {
  return hi <= lo ? lo : lo + below(hi - lo + 1);
}

bool Rng::chance(double p) {
  return p > 0 && uniform() < p;
}

double Rng::normal() {
  double s = 0;
  for (int i = 0; i < 12; ++i) s += uniform();
  return s - 6.0;
}

int Rng::weighted(const std::vector<double>& weights) {
  double total = 0;
  for (const double w : weights) total += w;
  double x = uniform() * total;
  for (std::size_t i = 0; i < weights.size(); ++i) {
    if (x < weights[i]) return static_cast<int>(i);
    x -= weights[i];
  }
  // Rounding left x just past the end: the last index with weight.
  for (std::size_t i = weights.size(); i-- > 0;) {
    if (weights[i] > 0) return static_cast<int>(i);
  }
  return 0;
}

double det_exp(double x) {
  const double y = x / 1024.0;
  double e = 1.0 + y * (1.0 + y * (0.5 + y * (1.0 / 6.0 + y * (1.0 / 24.0))));
  for (int i = 0; i < 10; ++i) e *= e;
  return e;
}

}  // namespace rv::jvfeed

// The host's random source: scripted values first, then a seeded generator
// of our own (xoshiro128**), so that a seed gives the same sequence on every
// platform and compiler.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

namespace sim {

class Random {
 public:
  explicit Random(uint64_t seed = 1) { Seed(seed); }

  // Starts the generated sequence again from seed. Scripted values stay queued.
  void Seed(uint64_t seed);
  uint64_t seed() const { return seed_; }

  // Queues values that Next answers, in order, before the generator takes over.
  void Script(const std::vector<float>& values) { scripted_.insert(scripted_.end(), values.begin(), values.end()); }

  // The next value, uniform in [0, 1): a multiple of 2^-24.
  float Next() {
    if (!scripted_.empty()) return NextScripted();
    return static_cast<float>(NextBits() >> 8) * 0x1.0p-24f;
  }

 private:
  float NextScripted();
  uint32_t NextBits() {
    const uint32_t result = Rotl(state_[1] * 5, 7) * 9;
    const uint32_t t = state_[1] << 9;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 11);
    return result;
  }
  static uint32_t Rotl(uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

  uint64_t seed_ = 1;
  uint32_t state_[4] = {};
  std::deque<float> scripted_;
};

}  // namespace sim

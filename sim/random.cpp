#include "sim/random.h"

namespace sim {

void Random::Seed(uint64_t seed) {
  seed_ = seed;
  // splitmix64 spreads the seed over the whole state, which is never all zero.
  uint64_t x = seed;
  for (int i = 0; i < 4; i += 2) {
    x += 0x9E3779B97F4A7C15ull;
    uint64_t z = x;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    state_[i] = static_cast<uint32_t>(z);
    state_[i + 1] = static_cast<uint32_t>(z >> 32);
  }
}

float Random::NextScripted() {
  const float value = scripted_.front();
  scripted_.pop_front();
  return value;
}

}  // namespace sim

#include "paint/random_codes.h"

namespace tintara {
namespace {

constexpr std::uint32_t kMultiplier = 134775813u;

}  // namespace

std::int32_t RandomGenerator::Next(std::int32_t range) {
  seed_ = seed_ * kMultiplier + 1u;  // wraps modulo 2^32
  if (range <= 0) return 0;
  return static_cast<std::int32_t>((std::uint64_t{seed_} * static_cast<std::uint32_t>(range)) >>
                                   32);
}

std::int32_t DrawCode(RandomGenerator& generator, std::span<const std::int32_t> codes) {
  return codes[static_cast<std::size_t>(generator.Next(static_cast<std::int32_t>(codes.size())))];
}

}  // namespace tintara

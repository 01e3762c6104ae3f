#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tintara {

// Draws count 8-bit indices through a 256-entry table of 32-bit pixels: out[i] = table[in[i]].
// This is the whole per-pixel cost of a recolouring, so it picks the fastest way the processor
// offers; every way gives the same pixels.
void DrawIndices(const std::uint8_t* in, std::size_t count,
                 const std::array<std::uint32_t, 256>& table, std::uint32_t* out);

// The ways DrawIndices chooses from, for tests that compare them.
void DrawIndicesPortable(const std::uint8_t* in, std::size_t count,
                         const std::array<std::uint32_t, 256>& table, std::uint32_t* out);
bool CanDrawIndicesWithByteShuffles();
void DrawIndicesWithByteShuffles(const std::uint8_t* in, std::size_t count,
                                 const std::array<std::uint32_t, 256>& table, std::uint32_t* out);

}  // namespace tintara

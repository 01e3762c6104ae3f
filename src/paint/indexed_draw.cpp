#include "paint/indexed_draw.h"

#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace tintara {

using PixelTable = std::array<std::uint32_t, 256>;

// Eight indices come in one load; the table lookups and the stores are what remains, with no
// branch per pixel.
void DrawIndicesPortable(const std::uint8_t* in, std::size_t count, const PixelTable& table,
                         std::uint32_t* out) {
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    std::uint64_t eight;
    std::memcpy(&eight, in + i, sizeof eight);
#pragma GCC unroll 8
    for (unsigned k = 0; k < 8; ++k) out[i + k] = table[(eight >> (8 * k)) & 0xFF];
  }
  for (; i < count; ++i) out[i] = table[in[i]];
}

#if defined(__x86_64__)

// GCC 12's own byte-permute intrinsic trips its uninitialised-value warning; nothing here is.
#pragma GCC diagnostic push
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

bool CanDrawIndicesWithByteShuffles() {
  static const bool supported = __builtin_cpu_supports("avx512f") &&
                                __builtin_cpu_supports("avx512bw") &&
                                __builtin_cpu_supports("avx512vbmi");
  return supported;
}

// The table split into four byte planes (blue, green, red and the top byte), each 256 bytes held
// in four 64-byte registers. Two two-register byte shuffles and a blend on the index's top bit
// look up 64 pixels of one plane at once; interleaving the planes gives the pixels. The
// interleaving works within 128-bit lanes, so the indices are first put in the order that makes
// the pixels come out in sequence.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void DrawIndicesWithByteShuffles(
    const std::uint8_t* in, std::size_t count, const PixelTable& table, std::uint32_t* out) {
  alignas(64) std::uint8_t planes[4][256];
  for (std::size_t k = 0; k < 256; ++k) {
    for (std::size_t c = 0; c < 4; ++c) {
      planes[c][k] = static_cast<std::uint8_t>(table[k] >> (8 * c));
    }
  }
  __m512i quarters[4][4];
  for (std::size_t c = 0; c < 4; ++c) {
    for (std::size_t q = 0; q < 4; ++q) quarters[c][q] = _mm512_load_si512(planes[c] + 64 * q);
  }
  alignas(64) std::uint8_t order[64];
  for (unsigned lane = 0; lane < 4; ++lane) {
    for (unsigned quad = 0; quad < 4; ++quad) {
      for (unsigned j = 0; j < 4; ++j) {
        order[16 * lane + 4 * quad + j] = static_cast<std::uint8_t>(16 * quad + 4 * lane + j);
      }
    }
  }
  const __m512i reorder = _mm512_load_si512(order);

  std::size_t i = 0;
  for (; i + 64 <= count; i += 64) {
    const __m512i indices = _mm512_permutexvar_epi8(reorder, _mm512_loadu_si512(in + i));
    const __mmask64 upperHalf = _mm512_movepi8_mask(indices);
    __m512i plane[4];
    for (std::size_t c = 0; c < 4; ++c) {
      const __m512i low = _mm512_permutex2var_epi8(quarters[c][0], indices, quarters[c][1]);
      const __m512i high = _mm512_permutex2var_epi8(quarters[c][2], indices, quarters[c][3]);
      plane[c] = _mm512_mask_blend_epi8(upperHalf, low, high);
    }
    const __m512i blueGreenLow = _mm512_unpacklo_epi8(plane[0], plane[1]);
    const __m512i blueGreenHigh = _mm512_unpackhi_epi8(plane[0], plane[1]);
    const __m512i redTopLow = _mm512_unpacklo_epi8(plane[2], plane[3]);
    const __m512i redTopHigh = _mm512_unpackhi_epi8(plane[2], plane[3]);
    _mm512_storeu_si512(out + i, _mm512_unpacklo_epi16(blueGreenLow, redTopLow));
    _mm512_storeu_si512(out + i + 16, _mm512_unpackhi_epi16(blueGreenLow, redTopLow));
    _mm512_storeu_si512(out + i + 32, _mm512_unpacklo_epi16(blueGreenHigh, redTopHigh));
    _mm512_storeu_si512(out + i + 48, _mm512_unpackhi_epi16(blueGreenHigh, redTopHigh));
  }
  DrawIndicesPortable(in + i, count - i, table, out + i);
}

#pragma GCC diagnostic pop

#else

bool CanDrawIndicesWithByteShuffles() { return false; }

void DrawIndicesWithByteShuffles(const std::uint8_t* in, std::size_t count, const PixelTable& table,
                                 std::uint32_t* out) {
  DrawIndicesPortable(in, count, table, out);
}

#endif

void DrawIndices(const std::uint8_t* in, std::size_t count, const PixelTable& table,
                 std::uint32_t* out) {
  if (CanDrawIndicesWithByteShuffles()) {
    DrawIndicesWithByteShuffles(in, count, table, out);
  } else {
    DrawIndicesPortable(in, count, table, out);
  }
}

}  // namespace tintara

#include "paint/indexed_draw.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace tintara {
namespace {

using PixelTable = std::array<std::uint32_t, 256>;

constexpr struct {
  DrawKernel kernel;
  std::string_view name;
} kKernelNames[] = {
    {DrawKernel::kPortable, "portable"},
    {DrawKernel::kAvx2, "avx2"},
    {DrawKernel::kAvx512, "avx512"},
};

// Where index k of four loaded as one 32-bit word sits in it.
constexpr unsigned IndexShift(unsigned k) {
  return std::endian::native == std::endian::little ? 8 * k : 24 - 8 * k;
}

// Eight pixels a step, their indices in two 32-bit loads; the table lookups and the stores are
// what remains, with no branch per pixel. The loop is bound by how many instructions issue: from
// a 32-bit word the compiler takes the second index from a high-byte register and the fourth with
// a bare shift, which measured 3 to 5% faster on a Zen 4 than taking all eight from one 64-bit
// load.
void DrawPortable(const std::uint8_t* in, std::size_t count, const PixelTable& table,
                  std::uint32_t* out) {
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    std::uint32_t low;
    std::uint32_t high;
    std::memcpy(&low, in + i, sizeof low);
    std::memcpy(&high, in + i + 4, sizeof high);
#pragma GCC unroll 4
    for (unsigned k = 0; k < 4; ++k) out[i + k] = table[(low >> IndexShift(k)) & 0xFF];
#pragma GCC unroll 4
    for (unsigned k = 0; k < 4; ++k) out[i + 4 + k] = table[(high >> IndexShift(k)) & 0xFF];
  }
  for (; i < count; ++i) out[i] = table[in[i]];
}

#if defined(__x86_64__)

bool Supports(DrawKernel kernel) {
  switch (kernel) {
    case DrawKernel::kPortable:
      return true;
    case DrawKernel::kAvx2:
      return __builtin_cpu_supports("avx2");
    case DrawKernel::kAvx512:
      return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
             __builtin_cpu_supports("avx512vbmi");
  }
  return false;
}

// Draws through the portable loop until out is aligned to `bytes`, for streaming stores; returns
// how many pixels that took.
std::size_t AlignOutput(const std::uint8_t* in, std::size_t count, const PixelTable& table,
                        std::uint32_t* out, std::size_t bytes) {
  const std::size_t misalignment = reinterpret_cast<std::uintptr_t>(out) % bytes;
  const std::size_t head =
      std::min(count, misalignment == 0 ? 0 : (bytes - misalignment) / sizeof(std::uint32_t));
  DrawPortable(in, head, table, out);
  return head;
}

// Clears the upper halves of the vector registers a kernel used. GCC 12 leaves them dirty when a
// kernel ends in a call to the portable loop, and the caller's SSE code then ran slower: on a
// Zen 4, an AVX-512 edit of a skin took 0.5 us longer.
__attribute__((target("avx"))) void CleanUpperHalves() { _mm256_zeroupper(); }

// Eight pixels a gather: the indices widened to 32 bits address the table, which stays in the
// first-level cache, and one instruction loads all eight entries.
__attribute__((target("avx2"))) void DrawWithGathers(const std::uint8_t* in, std::size_t count,
                                                     const PixelTable& table, std::uint32_t* out) {
  const auto* entries = reinterpret_cast<const int*>(table.data());
  const bool stream = count > StreamingDrawAbovePixels();
  std::size_t i = stream ? AlignOutput(in, count, table, out, sizeof(__m256i)) : 0;
  for (; i + 32 <= count; i += 32) {
    __m256i pixels[4];
    for (std::size_t k = 0; k < 4; ++k) {
      const __m128i eight = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + i + 8 * k));
      pixels[k] = _mm256_i32gather_epi32(entries, _mm256_cvtepu8_epi32(eight), 4);
    }
    for (std::size_t k = 0; k < 4; ++k) {
      auto* at = reinterpret_cast<__m256i*>(out + i + 8 * k);
      if (stream) {
        _mm256_stream_si256(at, pixels[k]);
      } else {
        _mm256_storeu_si256(at, pixels[k]);
      }
    }
  }
  if (stream) _mm_sfence();
  CleanUpperHalves();
  DrawPortable(in + i, count - i, table, out + i);
}

// GCC 12's own byte-permute intrinsic trips its uninitialised-value warning; nothing here is.
#pragma GCC diagnostic push
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

// The table split into four byte planes (blue, green, red and the top byte), each 256 bytes held
// in four 64-byte registers. Two two-register byte shuffles and a blend on the index's top bit
// look up 64 pixels of one plane at once; interleaving the planes gives the pixels. The
// interleaving works within 128-bit lanes, so the indices are first put in the order that makes
// the pixels come out in sequence.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void DrawWithByteShuffles(
    const std::uint8_t* in, std::size_t count, const PixelTable& table, std::uint32_t* out) {
  const bool stream = count > StreamingDrawAbovePixels();
  std::size_t i = stream ? AlignOutput(in, count, table, out, sizeof(__m512i)) : 0;
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
    const __m512i pixels[4] = {_mm512_unpacklo_epi16(blueGreenLow, redTopLow),
                               _mm512_unpackhi_epi16(blueGreenLow, redTopLow),
                               _mm512_unpacklo_epi16(blueGreenHigh, redTopHigh),
                               _mm512_unpackhi_epi16(blueGreenHigh, redTopHigh)};
    for (std::size_t k = 0; k < 4; ++k) {
      if (stream) {
        _mm512_stream_si512(reinterpret_cast<__m512i*>(out + i + 16 * k), pixels[k]);
      } else {
        _mm512_storeu_si512(out + i + 16 * k, pixels[k]);
      }
    }
  }
  if (stream) _mm_sfence();
  CleanUpperHalves();
  DrawPortable(in + i, count - i, table, out + i);
}

#pragma GCC diagnostic pop

#else

bool Supports(DrawKernel kernel) { return kernel == DrawKernel::kPortable; }

void DrawWithGathers(const std::uint8_t* in, std::size_t count, const PixelTable& table,
                     std::uint32_t* out) {
  DrawPortable(in, count, table, out);
}

void DrawWithByteShuffles(const std::uint8_t* in, std::size_t count, const PixelTable& table,
                          std::uint32_t* out) {
  DrawPortable(in, count, table, out);
}

#endif

// The largest cache Linux describes for processor 0, in bytes; 0 when it describes none.
std::size_t LastLevelCacheBytes() {
  std::size_t largest = 0;
  for (int index = 0;; ++index) {
    std::ifstream size("/sys/devices/system/cpu/cpu0/cache/index" + std::to_string(index) +
                       "/size");
    std::size_t kibibytes = 0;
    char unit = '\0';
    if (!(size >> kibibytes >> unit)) return largest;
    if (unit == 'K') largest = std::max(largest, kibibytes << 10);
  }
}

// Times every kernel the processor runs on a picture that fits in the first-level cache and takes
// the fastest: gathers, for one, lose to the portable loop on AMD processors and win on Intel
// ones. The kernels take turns, and each counts its best round, so that an interruption or a
// change of clock speed spoils one round rather than one kernel. The portable loop wins ties.
DrawKernel FastestKernel() {
  constexpr std::size_t kPixels = 4096;
  constexpr int kRounds = 16;
  std::vector<std::uint8_t> in(kPixels);
  for (std::size_t i = 0; i < kPixels; ++i) in[i] = static_cast<std::uint8_t>(i * 97);
  PixelTable table;
  for (std::uint32_t k = 0; k < table.size(); ++k) table[k] = k * 0x01010101u;
  std::vector<std::uint32_t> out(kPixels);

  using Clock = std::chrono::steady_clock;
  const std::vector<DrawKernel> kernels = SupportedDrawKernels();
  std::vector<Clock::duration> best(kernels.size(), Clock::duration::max());
  for (int round = 0; round < kRounds; ++round) {
    for (std::size_t k = 0; k < kernels.size(); ++k) {
      const Clock::time_point start = Clock::now();
      DrawIndicesWith(kernels[k], in.data(), kPixels, table, out.data());
      // Keeps the compiler from dropping pixels that nothing reads.
      asm volatile("" : : "r"(out.data()) : "memory");
      best[k] = std::min(best[k], Clock::now() - start);
    }
  }
  return kernels[std::size_t(std::min_element(best.begin(), best.end()) - best.begin())];
}

std::atomic<DrawKernel>& Chosen() {
  static std::atomic<DrawKernel> chosen = [] {
    const char* wanted = std::getenv("TINTARA_KERNEL");
    return ChooseDrawKernel(wanted == nullptr ? "" : wanted);
  }();
  return chosen;
}

}  // namespace

std::vector<DrawKernel> SupportedDrawKernels() {
  std::vector<DrawKernel> kernels;
  for (const auto& entry : kKernelNames) {
    if (Supports(entry.kernel)) kernels.push_back(entry.kernel);
  }
  return kernels;
}

std::string_view DrawKernelName(DrawKernel kernel) {
  for (const auto& entry : kKernelNames) {
    if (entry.kernel == kernel) return entry.name;
  }
  return {};
}

std::optional<DrawKernel> DrawKernelNamed(std::string_view name) {
  for (const auto& entry : kKernelNames) {
    if (entry.name == name) return entry.kernel;
  }
  return std::nullopt;
}

// Ordinary stores first read every line they write. While the indices and the pixels fit in the
// last-level cache those reads hit it, and the picture is still there for the next draw, so
// streaming loses, by 2x at 8 MB of pixels on a Zen 4 with a 32 MB cache. Once they overflow it,
// the reads go to memory and streaming wins, by 1.6x at 64 MB there. The rule puts the crossover
// at 25.6 MB on that processor, where it measured between 26 and 28 MB while nothing else filled
// the cache (lower when something did). Without a cache size, the 32 MB of pixels measured as the
// crossover on an Intel Xeon.
std::size_t StreamingDrawAbovePixels() {
  static const std::size_t pixels = [] {
    const std::size_t cache = LastLevelCacheBytes();
    if (cache == 0) return (std::size_t{32} << 20) / sizeof(std::uint32_t);
    return cache / (sizeof(std::uint8_t) + sizeof(std::uint32_t));
  }();
  return pixels;
}

DrawKernel ChooseDrawKernel(std::string_view wanted) {
  const std::optional<DrawKernel> named = DrawKernelNamed(wanted);
  if (named && Supports(*named)) return *named;
  const DrawKernel fastest = FastestKernel();
  if (!wanted.empty()) {
    std::cerr << "tintara: TINTARA_KERNEL=" << wanted
              << (named ? " is not supported by this processor" : " is not a kernel")
              << "; drawing with " << DrawKernelName(fastest) << '\n';
  }
  return fastest;
}

DrawKernel CurrentDrawKernel() { return Chosen().load(std::memory_order_relaxed); }

bool UseDrawKernel(DrawKernel kernel) {
  if (!Supports(kernel)) return false;
  Chosen().store(kernel, std::memory_order_relaxed);
  return true;
}

void DrawIndicesWith(DrawKernel kernel, const std::uint8_t* in, std::size_t count,
                     const PixelTable& table, std::uint32_t* out) {
  switch (kernel) {
    case DrawKernel::kPortable:
      DrawPortable(in, count, table, out);
      return;
    case DrawKernel::kAvx2:
      DrawWithGathers(in, count, table, out);
      return;
    case DrawKernel::kAvx512:
      DrawWithByteShuffles(in, count, table, out);
      return;
  }
}

void DrawIndices(const std::uint8_t* in, std::size_t count, const PixelTable& table,
                 std::uint32_t* out) {
  DrawIndicesWith(CurrentDrawKernel(), in, count, table, out);
}

}  // namespace tintara

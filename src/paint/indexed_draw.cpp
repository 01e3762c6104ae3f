#include "paint/indexed_draw.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include <unistd.h>

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

// Gathers are microcoded on AMD processors, and on Intel ones whose microcode guards against
// Gather Data Sampling, which Intel says costs code with gathers in its hot path dearly; Linux
// reports that state.
bool GathersAreFast() {
  if (!__builtin_cpu_is("intel")) return false;
  std::ifstream report("/sys/devices/system/cpu/vulnerabilities/gather_data_sampling");
  std::string state;
  std::getline(report, state);
  return !state.starts_with("Mitigation") && !state.starts_with("Unknown");
}

// Intel describes a Xeon's last-level cache for the whole socket, whose cores share it over a mesh
// (260 MB to a virtual machine on a Sapphire Rapids host), and one core drawing gets far less of
// it: there whole edits of a 4096 x 4096 picture, 80 MB of indices and pixels, ran 2.4 to 2.8x as
// fast with streaming stores as with ordinary ones. So an Intel cache counts for 32 MB at most,
// which leaves their desktop processors' (up to 36 MB, shared over a ring) nearly whole. AMD
// describes the cache of one complex of cores.
std::size_t CacheOneCoreSees(std::size_t described) {
  constexpr std::size_t kLargestShared = std::size_t{32} << 20;
  return __builtin_cpu_is("intel") ? std::min(described, kLargestShared) : described;
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

bool GathersAreFast() { return false; }

std::size_t CacheOneCoreSees(std::size_t described) { return described; }

void DrawWithGathers(const std::uint8_t* in, std::size_t count, const PixelTable& table,
                     std::uint32_t* out) {
  DrawPortable(in, count, table, out);
}

void DrawWithByteShuffles(const std::uint8_t* in, std::size_t count, const PixelTable& table,
                          std::uint32_t* out) {
  DrawPortable(in, count, table, out);
}

#endif

// The largest cache the processor describes, in bytes; 0 when it describes none. The C library
// asks the processor itself, in some microseconds where reading Linux's description of the caches
// took 100 us, which every process of the command line paid before its first picture.
std::size_t LastLevelCacheBytes() {
  long largest = 0;
  for (const int level : {_SC_LEVEL2_CACHE_SIZE, _SC_LEVEL3_CACHE_SIZE, _SC_LEVEL4_CACHE_SIZE}) {
    largest = std::max(largest, sysconf(level));
  }
  return static_cast<std::size_t>(largest);
}

// The kernels this processor's features call for: the same on every run, and found without
// timing anything, which would cost a process of the command line more than painting a skin.
//
// Within the cache the lookups bound the speed. The byte shuffles look up 64 pixels in some 20
// instructions and win wherever they run. Gathers, eight pixels an instruction, beat the portable
// loop where they run in hardware, by 1.1 to 1.8x in five runs on a Sapphire Rapids Xeon; the
// microcoded ones of a Zen 4 lost to it by 1.3 to 1.4x.
//
// Beyond the cache, memory bounds the kernels that keep up with it. The vector kernels stream
// their stores, writing each line once where the portable loop's stores read it first: there the
// gathers beat it by 1.4 to 2.3x on the Xeon at 64 Mpixels, but on the Zen 4 they could not keep
// up and lost to it at 4096 x 4096 too. AVX-512 was the fastest there on both. So each size takes
// the same kernel on both processors.
DrawKernels KernelsForThisProcessor() {
  const DrawKernel kernel = Supports(DrawKernel::kAvx512) ? DrawKernel::kAvx512
                            : Supports(DrawKernel::kAvx2) && GathersAreFast()
                                ? DrawKernel::kAvx2
                                : DrawKernel::kPortable;
  return {kernel, kernel};
}

std::atomic<DrawKernels>& Chosen() {
  static_assert(std::atomic<DrawKernels>::is_always_lock_free);
  static std::atomic<DrawKernels> chosen = [] {
    const char* wanted = std::getenv("TINTARA_KERNEL");
    return ChooseDrawKernels(wanted == nullptr ? "" : wanted);
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
// crossover on an Intel Xeon. The cache is the part of it one core sees.
std::size_t StreamingDrawAbovePixels() {
  static const std::size_t pixels = [] {
    const std::size_t cache = CacheOneCoreSees(LastLevelCacheBytes());
    if (cache == 0) return (std::size_t{32} << 20) / sizeof(std::uint32_t);
    return cache / (sizeof(std::uint8_t) + sizeof(std::uint32_t));
  }();
  return pixels;
}

DrawKernels ChooseDrawKernels(std::string_view wanted) {
  const std::optional<DrawKernel> named = DrawKernelNamed(wanted);
  if (named && Supports(*named)) return {*named, *named};
  const DrawKernels own = KernelsForThisProcessor();
  if (!wanted.empty()) {
    std::cerr << "tintara: TINTARA_KERNEL=" << wanted
              << (named ? " is not supported by this processor" : " is not a kernel")
              << "; drawing with " << DrawKernelName(own.withinCache)
              << " within the last-level cache and " << DrawKernelName(own.beyondCache)
              << " beyond it\n";
  }
  return own;
}

DrawKernels CurrentDrawKernels() { return Chosen().load(std::memory_order_relaxed); }

bool UseDrawKernels(DrawKernels kernels) {
  if (!Supports(kernels.withinCache) || !Supports(kernels.beyondCache)) return false;
  Chosen().store(kernels, std::memory_order_relaxed);
  return true;
}

DrawKernel DrawKernelFor(std::size_t count) {
  const DrawKernels kernels = CurrentDrawKernels();
  return count > StreamingDrawAbovePixels() ? kernels.beyondCache : kernels.withinCache;
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
  DrawIndicesWith(DrawKernelFor(count), in, count, table, out);
}

}  // namespace tintara

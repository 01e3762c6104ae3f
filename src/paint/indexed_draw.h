#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tintara {

// The ways of drawing indices through a table, from the portable loop, which every processor
// runs and which is the reference, to the widest vector kernel.
enum class DrawKernel { kPortable, kAvx2, kAvx512 };

// The kernels this processor can run, the portable loop first and the widest last.
std::vector<DrawKernel> SupportedDrawKernels();

// "portable", "avx2", "avx512": the names TINTARA_KERNEL takes.
std::string_view DrawKernelName(DrawKernel kernel);
std::optional<DrawKernel> DrawKernelNamed(std::string_view name);

// The kernel for pictures whose indices and pixels fit in the last-level cache, where the lookups
// bound the speed, and the one for larger pictures, where memory does.
struct DrawKernels {
  DrawKernel withinCache;
  DrawKernel beyondCache;
  bool operator==(const DrawKernels&) const = default;
};

// The kernels for a value of TINTARA_KERNEL: the one it names, for every size, when the processor
// supports it; else the ones this processor's features call for, the same on every run and found
// without timing anything. A value that names no kernel the processor supports is
// reported on the standard error.
DrawKernels ChooseDrawKernels(std::string_view wanted);

// The kernels DrawIndices uses: chosen for TINTARA_KERNEL the first time a picture is drawn or
// this is asked, once for every thread, until UseDrawKernels changes them.
DrawKernels CurrentDrawKernels();

// Makes DrawIndices use the kernels, for tests and benchmarks; false, changing nothing, when the
// processor does not support one of them.
bool UseDrawKernels(DrawKernels kernels);

// The kernel DrawIndices draws count pixels with: one comparison with StreamingDrawAbovePixels.
DrawKernel DrawKernelFor(std::size_t count);

// Draws count 8-bit indices through a 256-entry table of 32-bit pixels: out[i] = table[in[i]].
// This is the whole per-pixel cost of a recolouring; every kernel gives the same pixels.
void DrawIndices(const std::uint8_t* in, std::size_t count,
                 const std::array<std::uint32_t, 256>& table, std::uint32_t* out);

// The same with the kernel given, which the processor must support.
void DrawIndicesWith(DrawKernel kernel, const std::uint8_t* in, std::size_t count,
                     const std::array<std::uint32_t, 256>& table, std::uint32_t* out);

// Pictures with more pixels than this are drawn with stores that bypass the caches: those whose
// indices and pixels together overflow the processor's last-level cache.
std::size_t StreamingDrawAbovePixels();

}  // namespace tintara

#include "paint/indexed_draw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string_view>
#include <vector>

namespace tintara {
namespace {

using PixelTable = std::array<std::uint32_t, 256>;

PixelTable RandomTable(std::mt19937& random) {
  PixelTable table;
  for (std::uint32_t& pixel : table) pixel = static_cast<std::uint32_t>(random());
  return table;
}

// A 16-colour bitmap's table: entries past its colours are black, as the session fills them.
PixelTable ShortTable(std::mt19937& random) {
  PixelTable table = RandomTable(random);
  std::fill(table.begin() + 16, table.end(), 0xFF000000u);
  return table;
}

std::vector<std::uint8_t> RandomIndices(std::mt19937& random, std::size_t count) {
  std::vector<std::uint8_t> indices(count);
  for (std::uint8_t& index : indices) index = static_cast<std::uint8_t>(random());
  return indices;
}

std::string KernelName(const testing::TestParamInfo<DrawKernel>& info) {
  return std::string(DrawKernelName(info.param));
}

class EveryKernel : public testing::TestWithParam<DrawKernel> {};

// Lengths around the 64-pixel and 32-pixel blocks and the 8-pixel steps, input and output at
// several alignments, with all four bytes of every entry distinct, so that a byte from the wrong
// plane, a pixel out of order or a write past the end shows.
TEST_P(EveryKernel, DrawsAsThePortableLoopDoes) {
  std::mt19937 random(7);
  const std::vector<std::uint8_t> storage = RandomIndices(random, 600);
  for (const PixelTable& table : {RandomTable(random), ShortTable(random)}) {
    for (std::size_t count : {0u, 1u, 7u, 8u, 31u, 32u, 33u, 63u, 64u, 65u, 127u, 200u, 513u}) {
      for (std::size_t offset : {0u, 1u, 3u, 17u}) {
        SCOPED_TRACE(testing::Message() << count << " pixels from " << offset);
        const std::uint8_t* in = storage.data() + offset;
        std::vector<std::uint32_t> expected(count + offset + 1, 0xDEADBEEF);
        std::vector<std::uint32_t> out = expected;
        DrawIndicesWith(DrawKernel::kPortable, in, count, table, expected.data() + offset);
        DrawIndicesWith(GetParam(), in, count, table, out.data() + offset);
        EXPECT_EQ(out, expected);
      }
    }
  }
}

// Large pictures take the streaming stores, which start at an aligned address.
TEST_P(EveryKernel, DrawsALargePictureToAnyAlignment) {
  std::mt19937 random(11);
  const PixelTable table = RandomTable(random);
  const std::size_t count = StreamingDrawAbovePixels() + 77;
  const std::vector<std::uint8_t> in = RandomIndices(random, count);
  std::vector<std::uint32_t> out(count + 2, 0xDEADBEEF);
  DrawIndicesWith(GetParam(), in.data(), count, table, out.data() + 1);
  EXPECT_EQ(out.front(), 0xDEADBEEF);
  EXPECT_EQ(out.back(), 0xDEADBEEF);
  std::size_t wrong = 0;
  for (std::size_t i = 0; i < count; ++i) wrong += out[i + 1] != table[in[i]];
  EXPECT_EQ(wrong, 0u);
}

INSTANTIATE_TEST_SUITE_P(Supported, EveryKernel, testing::ValuesIn(SupportedDrawKernels()),
                         KernelName);

// Unset, naming no kernel, or naming one this processor lacks, TINTARA_KERNEL leaves the choice
// to the processor's features, which must give each size a kernel the processor runs.
TEST(ChooseDrawKernels, PicksKernelsThisProcessorRuns) {
  const std::vector<DrawKernel> supported = SupportedDrawKernels();
  const auto runs = [&](DrawKernel kernel) {
    return std::find(supported.begin(), supported.end(), kernel) != supported.end();
  };
  for (const std::string_view wanted : {"", "avx", "portable", "avx2", "avx512"}) {
    const DrawKernels chosen = ChooseDrawKernels(wanted);
    EXPECT_TRUE(runs(chosen.withinCache)) << wanted;
    EXPECT_TRUE(runs(chosen.beyondCache)) << wanted;
  }
}

TEST(ChooseDrawKernels, TakesTheKernelTintaraKernelNamesForEverySize) {
  for (const DrawKernel kernel : SupportedDrawKernels()) {
    EXPECT_TRUE(ChooseDrawKernels(DrawKernelName(kernel)) == (DrawKernels{kernel, kernel}));
    EXPECT_EQ(DrawKernelNamed(DrawKernelName(kernel)), kernel);
  }
  EXPECT_EQ(DrawKernelNamed("avx"), std::nullopt);
}

// A picture as large as the cache holds takes the first kernel, one pixel more the second.
TEST(DrawIndices, TakesTheKernelOfThePicturesSize) {
  const DrawKernels before = CurrentDrawKernels();
  const std::vector<DrawKernel> supported = SupportedDrawKernels();
  const std::size_t threshold = StreamingDrawAbovePixels();
  for (const DrawKernels kernels : {DrawKernels{supported.front(), supported.back()},
                                    DrawKernels{supported.back(), supported.front()}}) {
    ASSERT_TRUE(UseDrawKernels(kernels));
    EXPECT_EQ(DrawKernelFor(threshold), kernels.withinCache);
    EXPECT_EQ(DrawKernelFor(threshold + 1), kernels.beyondCache);
  }
  UseDrawKernels(before);
}

}  // namespace
}  // namespace tintara

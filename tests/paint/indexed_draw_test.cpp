#include "paint/indexed_draw.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tintara {
namespace {

using PixelTable = std::array<std::uint32_t, 256>;

PixelTable RandomTable(std::mt19937& random) {
  PixelTable table;
  for (std::uint32_t& pixel : table) pixel = static_cast<std::uint32_t>(random());
  return table;
}

std::vector<std::uint32_t> Reference(const std::vector<std::uint8_t>& in, const PixelTable& table) {
  std::vector<std::uint32_t> out;
  for (std::uint8_t index : in) out.push_back(table[index]);
  return out;
}

// Lengths around the 64-pixel blocks and the 8-pixel steps, at every start alignment, with all
// four bytes of every entry distinct, so that a byte from the wrong plane or a pixel out of order
// shows.
TEST(DrawIndices, EveryWayGivesTheTablesPixelsInOrder) {
  std::mt19937 random(7);
  const PixelTable table = RandomTable(random);
  std::vector<std::uint8_t> storage(600);
  for (std::uint8_t& index : storage) index = static_cast<std::uint8_t>(random());
  for (std::size_t count : {0u, 1u, 7u, 8u, 63u, 64u, 65u, 127u, 128u, 200u, 513u}) {
    for (std::size_t offset : {0u, 1u, 3u, 17u}) {
      SCOPED_TRACE(testing::Message() << count << " pixels from " << offset);
      const std::vector<std::uint8_t> in(storage.begin() + offset,
                                         storage.begin() + offset + count);
      const std::vector<std::uint32_t> expected = Reference(in, table);
      std::vector<std::uint32_t> out(count + 1, 0xDEADBEEF);
      DrawIndicesPortable(in.data(), count, table, out.data());
      EXPECT_TRUE(std::equal(expected.begin(), expected.end(), out.begin()));
      EXPECT_EQ(out[count], 0xDEADBEEF);
      if (CanDrawIndicesWithByteShuffles()) {
        std::fill(out.begin(), out.end(), 0xDEADBEEF);
        DrawIndicesWithByteShuffles(in.data(), count, table, out.data());
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), out.begin()));
        EXPECT_EQ(out[count], 0xDEADBEEF);
      }
      std::fill(out.begin(), out.end(), 0xDEADBEEF);
      DrawIndices(in.data(), count, table, out.data());
      EXPECT_TRUE(std::equal(expected.begin(), expected.end(), out.begin()));
    }
  }
}

TEST(DrawIndices, EveryIndexReachesItsEntry) {
  std::mt19937 random(11);
  const PixelTable table = RandomTable(random);
  std::vector<std::uint8_t> in(256);
  for (std::size_t i = 0; i < in.size(); ++i) in[i] = static_cast<std::uint8_t>(255 - i);
  std::vector<std::uint32_t> out(in.size());
  DrawIndices(in.data(), in.size(), table, out.data());
  EXPECT_EQ(out, Reference(in, table));
}

}  // namespace
}  // namespace tintara

#include "paint/recolour.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

namespace tintara {
namespace {

// Positions where the old and new colours differ, in ascending order; the others replace a
// colour by itself and cannot change any entry.
struct Replacements {
  std::array<std::uint8_t, 256> positions{};
  std::size_t count = 0;
};

Replacements ChangingPositions(const ColourTable& oldColours, const ColourTable& newColours) {
  Replacements changes;
  for (std::size_t j = 0; j < oldColours.size(); ++j) {
    if (oldColours[j] != newColours[j]) changes.positions[changes.count++] = std::uint8_t(j);
  }
  return changes;
}

std::size_t ColourTableLength(const Bitmap& bitmap) {
  return std::size_t{1} << std::min(bitmap.bitsPerPixel, 8);
}

static_assert(std::endian::native == std::endian::little, "pixel pairs are stored low pixel first");

// Two pixels per 64-bit store halves the stores; the table loads are the remaining cost.
inline std::uint64_t PixelPair(const DisplayTable& table, std::uint8_t first, std::uint8_t second) {
  return std::uint64_t{table[first]} | (std::uint64_t{table[second]} << 32);
}

void DrawIndices(const std::uint8_t* indices, std::size_t count, const DisplayTable& table,
                 std::uint32_t* out) {
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    const std::uint64_t pairs[4] = {
        PixelPair(table, indices[i], indices[i + 1]),
        PixelPair(table, indices[i + 2], indices[i + 3]),
        PixelPair(table, indices[i + 4], indices[i + 5]),
        PixelPair(table, indices[i + 6], indices[i + 7]),
    };
    std::memcpy(out + i, pairs, sizeof pairs);
  }
  for (; i < count; ++i) out[i] = table[indices[i]];
}

}  // namespace

void WriteSlotColours(PaintModel& model) {
  for (const SlotRecord& record : model.slots) {
    if (record.located() && static_cast<std::size_t>(record.index) < model.mapped.size()) {
      model.mapped[static_cast<std::size_t>(record.index)] = record.colour;
    }
  }
}

DisplayTable MapColourTable(const Bitmap& bitmap, const ColourTable& oldColours,
                            const ColourTable& newColours) {
  DisplayTable table;
  table.fill(ToDisplayPixel(0));
  if (!bitmap.hasColourTable()) return table;

  const Replacements changes = ChangingPositions(oldColours, newColours);
  const std::size_t length = ColourTableLength(bitmap);
  for (std::size_t i = 0; i < length; ++i) {
    // Entries the file left out are black, and chain like any other.
    Colour colour = i < bitmap.colourTable.size() ? bitmap.colourTable[i].colour() : 0;
    for (std::size_t k = 0; k < changes.count; ++k) {
      const std::uint8_t j = changes.positions[k];
      if (colour == oldColours[j]) colour = newColours[j];
    }
    table[i] = ToDisplayPixel(colour);
  }
  return table;
}

void DrawThroughTable(const Bitmap& bitmap, const DisplayTable& table, std::uint32_t* out) {
  const std::size_t count = static_cast<std::size_t>(std::max(bitmap.width, 0)) *
                            static_cast<std::size_t>(std::max(bitmap.height, 0));
  if (bitmap.hasColourTable()) {
    const std::size_t drawn = std::min(count, bitmap.indices.size());
    DrawIndices(bitmap.indices.data(), drawn, table, out);
    std::fill(out + drawn, out + count, ToDisplayPixel(0));
  } else {
    const std::size_t copied = std::min(count, bitmap.pixels.size());
    std::copy_n(bitmap.pixels.data(), copied, out);
    std::fill(out + copied, out + count, ToDisplayPixel(0));
  }
}

}  // namespace tintara

#include "paint/recolour.h"

#include "paint/indexed_draw.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

namespace tintara {
namespace {

constexpr std::uint32_t kBlack = ToDisplayPixel(0);

// The positions j where the old and new colours differ, in ascending order; the others replace a
// colour by itself and cannot change any entry. Built without a branch per position; the slots
// change a few positions only, so blocks without a change are passed over whole.
struct Replacements {
  std::array<std::uint8_t, 256> positions;
  std::size_t count;
};

Replacements ChangingPositions(const ColourTable& oldColours, const ColourTable& newColours) {
  constexpr std::size_t kBlock = 16;
  static_assert(std::tuple_size_v<ColourTable> % kBlock == 0);
  Replacements changes;
  std::size_t count = 0;
  for (std::size_t start = 0; start < oldColours.size(); start += kBlock) {
    if (std::memcmp(&oldColours[start], &newColours[start], kBlock * sizeof(Colour)) == 0) {
      continue;
    }
    for (std::size_t j = start; j < start + kBlock; ++j) {
      changes.positions[count] = static_cast<std::uint8_t>(j);
      count += oldColours[j] != newColours[j];
    }
  }
  changes.count = count;
  return changes;
}

#if defined(__x86_64__)
#define TINTARA_WIDER_VECTORS __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define TINTARA_WIDER_VECTORS
#endif

// Each entry chains on its own, so taking one position j at a time over all entries gives the
// same result as taking all positions for one entry at a time, and vectorises; wider vectors,
// where the processor has them, take the dozen or so positions the slots change in a fraction of
// the time a small picture takes to draw.
TINTARA_WIDER_VECTORS void ChainReplacements(DisplayTable& table, const Replacements& changes,
                                             const ColourTable& oldColours,
                                             const ColourTable& newColours) {
  for (std::size_t k = 0; k < changes.count; ++k) {
    const std::uint32_t from = ToDisplayPixel(oldColours[changes.positions[k]]);
    const std::uint32_t to = ToDisplayPixel(newColours[changes.positions[k]]);
    for (std::uint32_t& pixel : table) pixel = pixel == from ? to : pixel;
  }
}

std::size_t ColourTableLength(const Bitmap& bitmap) {
  return std::size_t{1} << std::min(bitmap.bitsPerPixel, 8);
}

// A colour-table entry read as a little-endian word is 0x??RRGGBB, a display pixel but for its top
// byte.
static_assert(std::endian::native == std::endian::little);
static_assert(sizeof(ColourTableEntry) == sizeof(std::uint32_t));

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
  table.fill(kBlack);
  if (!bitmap.hasColourTable()) return table;

  // Entries the file left out are black, and chain like any other.
  const std::size_t length = ColourTableLength(bitmap);
  const std::size_t stored = std::min(length, bitmap.colourTable.size());
  if (stored > 0) {
    std::memcpy(table.data(), bitmap.colourTable.data(), stored * sizeof(std::uint32_t));
  }
  for (std::uint32_t& pixel : table) pixel |= kBlack;

  ChainReplacements(table, ChangingPositions(oldColours, newColours), oldColours, newColours);
  std::fill(table.begin() + std::ptrdiff_t(length), table.end(), kBlack);
  return table;
}

void DrawRowThroughTable(const Bitmap& bitmap, const DisplayTable& table, int y,
                         std::uint32_t* out) {
  const std::size_t width = static_cast<std::size_t>(std::max(bitmap.width, 0));
  const std::size_t start = width * static_cast<std::size_t>(std::max(y, 0));
  const std::size_t stored = bitmap.hasColourTable() ? bitmap.indices.size() : bitmap.pixels.size();
  // Pixels the file did not hold show black, as in the whole drawing.
  const std::size_t drawn = start < stored ? std::min(width, stored - start) : 0;
  if (drawn > 0 && bitmap.hasColourTable()) {
    DrawIndices(bitmap.indices.data() + start, drawn, table, out);
  } else if (drawn > 0) {
    std::copy_n(bitmap.pixels.data() + start, drawn, out);
  }
  std::fill(out + drawn, out + width, kBlack);
}

void DrawThroughTable(const Bitmap& bitmap, const DisplayTable& table, std::uint32_t* out) {
  const std::size_t count = static_cast<std::size_t>(std::max(bitmap.width, 0)) *
                            static_cast<std::size_t>(std::max(bitmap.height, 0));
  if (bitmap.hasColourTable()) {
    const std::size_t drawn = std::min(count, bitmap.indices.size());
    DrawIndices(bitmap.indices.data(), drawn, table, out);
    std::fill(out + drawn, out + count, kBlack);
  } else {
    const std::size_t copied = std::min(count, bitmap.pixels.size());
    std::copy_n(bitmap.pixels.data(), copied, out);
    std::fill(out + copied, out + count, kBlack);
  }
}

}  // namespace tintara

#include "paint/test_pictures.h"

#include <cstddef>
#include <cstdint>

#include "paint/slot_tables.h"
#include "platform/bmp_writer.h"
#include "platform/file_io.h"

namespace tintara {

std::vector<int> SlotRange(int first, int last) {
  std::vector<int> slots;
  for (int s = first; s <= last; ++s) slots.push_back(s);
  return slots;
}

Bitmap IndexedBitmap(int width, int height, std::vector<ColourTableEntry> table) {
  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.bitsPerPixel = 8;
  bitmap.indices.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::size_t i = 0; i < bitmap.indices.size(); ++i) {
    bitmap.indices[i] = static_cast<std::uint8_t>(i % table.size());
  }
  bitmap.colourTable = std::move(table);
  return bitmap;
}

std::vector<ColourTableEntry> TableWithSet1Markers(const std::vector<int>& slots) {
  std::vector<ColourTableEntry> table(256);
  for (std::size_t k = 0; k < table.size(); ++k) {
    // Green differs from red and blue, so that no entry is a grey marker such as 0x080808.
    const auto grey = static_cast<std::uint8_t>(k);
    table[k] = {grey, static_cast<std::uint8_t>(grey ^ 1), grey, 0};
  }
  for (int slot : slots) {
    table[static_cast<std::size_t>(16 + slot)] =
        TableEntry(kSlots[static_cast<std::size_t>(slot - 1)].set1Marker);
  }
  return table;
}

ColourTableEntry TableEntry(Colour colour) {
  return {BlueOf(colour), GreenOf(colour), RedOf(colour), 0};
}

bool WriteBmpFile(const std::string& path, const Bitmap& bitmap) {
  const std::vector<std::uint8_t> bytes = EncodeBmp(bitmap);
  return static_cast<bool>(WriteFileAtomically(path, bytes));
}

}  // namespace tintara

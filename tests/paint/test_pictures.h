#pragma once

#include <string>
#include <vector>

#include "platform/bitmap.h"

// Pictures for tests, free of Qt and of any test framework so that every test layer can share
// them.
namespace tintara {

// Slots first..last, for tables that carry those markers.
std::vector<int> SlotRange(int first, int last);

// An 8-bit bitmap of the given size whose colour table is `table` and whose pixels walk through
// it: pixel i (rows top first) shows colour-table position i modulo the table's size.
Bitmap IndexedBitmap(int width, int height, std::vector<ColourTableEntry> table);

// A colour table of 256 near-grey entries that match no marker, with the set 1 markers of the
// given slots (1-based) at positions 16 + slot.
std::vector<ColourTableEntry> TableWithSet1Markers(const std::vector<int>& slots);

// The colour-table entry of a colour, its fourth byte zero.
ColourTableEntry TableEntry(Colour colour);

// Writes the bitmap as a BMP file; false when the file could not be written.
bool WriteBmpFile(const std::string& path, const Bitmap& bitmap);

}  // namespace tintara

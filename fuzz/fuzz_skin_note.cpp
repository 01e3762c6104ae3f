// Reads the input as a skin note: one that reads must write back to the same text's meaning and
// read again to the same note, and restoring it on a picture keeps the picture self-consistent.
// A violated invariant aborts.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "invariant.h"
#include "paint/skin_note.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto note = tintara::ReadSkinNote(text);
  if (!note) return 0;
  Check(!note->loadedTable.empty() && note->loadedTable.size() <= 256,
        "a note's table has 1 to 256 entries");
  Check(tintara::ReadSkinNote(tintara::SkinNoteText(*note)) == note,
        "a note read back from its text is the same note");

  // A picture whose palette has the note's checksum takes the note's table.
  tintara::Bitmap bitmap;
  bitmap.width = bitmap.height = 1;
  bitmap.bitsPerPixel = 8;
  bitmap.indices = {0};
  bitmap.colourTable = {{0, 0, 0, 0}};
  const std::vector<tintara::ColourTableEntry> before = bitmap.colourTable;
  const bool matches = tintara::PaletteChecksum(before) == note->paletteChecksum;
  const auto codes = tintara::RestoreNotedSkin(bitmap, text);
  Check(bitmap.colourTable == (matches ? note->loadedTable : before),
        "the note's table is taken exactly when the checksum matches");
  Check(codes.has_value() == (matches && !note->codes.empty()),
        "the codes come back exactly when the table is taken and there are any");
  return 0;
}

#include "paint/slot_pick.h"

#include <array>
#include <cstddef>

namespace tintara {

std::optional<PickedPixel> PickSlot(const Document& document, int x, int y) {
  const PaintModel& model = document.model;
  const Bitmap& bitmap = *model.work;
  if (document.drawn == Drawn::Design || !bitmap.hasColourTable()) return std::nullopt;
  if (x < 0 || y < 0 || x >= bitmap.width || y >= bitmap.height) return std::nullopt;
  const std::size_t pixel = static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.width) +
                            static_cast<std::size_t>(x);
  if (pixel >= bitmap.indices.size()) return std::nullopt;
  PickedPixel picked{.entry = bitmap.indices[pixel]};
  // Entries the file left out are black, as recolouring takes them.
  const auto entry = static_cast<std::size_t>(picked.entry);
  picked.colour = entry < bitmap.colourTable.size() ? bitmap.colourTable[entry].colour() : 0;

  // The slot at each position, the first where slots share one.
  std::array<int, 256> slotAt{};
  for (int s = kSlotCount; s >= 1; --s) {
    const SlotRecord& record = model.slots[static_cast<std::size_t>(s - 1)];
    if (record.located() && record.index < 256) slotAt[static_cast<std::size_t>(record.index)] = s;
  }
  const ColourTable& painted = document.drawn == Drawn::Recoloured ? model.mapped : model.loaded;
  Colour colour = picked.colour;
  for (std::size_t j = 0; j < slotAt.size(); ++j) {
    if (colour != model.loaded[j]) continue;
    if (model.loaded[j] == painted[j] && slotAt[j] == 0) continue;  // changes nothing, no slot
    colour = painted[j];
    picked.slot = slotAt[j];
  }
  return picked;
}

}  // namespace tintara

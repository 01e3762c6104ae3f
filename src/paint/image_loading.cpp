#include "paint/image_loading.h"

#include <algorithm>
#include <cstddef>
#include <span>

namespace tintara {
namespace {

// Only an entry whose fourth byte is zero counts as a marker.
bool Matches(const ColourTableEntry& entry, Colour colour) {
  return entry.reserved == 0 && entry.colour() == colour;
}

std::int32_t HighestMatch(std::span<const ColourTableEntry> table, Colour colour) {
  for (std::size_t k = table.size(); k-- > 0;) {
    if (Matches(table[k], colour)) return static_cast<std::int32_t>(k);
  }
  return kNotLocated;
}

bool UsesMarkerSet2(const ColourTable& loaded) {
  return std::equal(kSet2Signature.begin(), kSet2Signature.end(),
                    loaded.begin() + kSet2SignatureFirstPosition);
}

}  // namespace

LoadOutcome AdoptLoadedBitmap(PaintModel& model, Bitmap bitmap) {
  model.work = std::make_shared<const Bitmap>(std::move(bitmap));
  if (!model.work->hasColourTable()) {
    for (SlotRecord& record : model.slots) record.index = kNotLocated;
    return LoadOutcome::NoColourTable;
  }

  const std::span<const ColourTableEntry> table = model.work->colourTable;
  for (std::size_t k = 0; k < table.size() && k < model.loaded.size(); ++k) {
    model.loaded[k] = model.mapped[k] = table[k].colour();
  }
  model.markerSet2 = UsesMarkerSet2(model.loaded);

  for (int r = 0; r < kSlotCount; ++r) {
    const SlotDefinition& slot = kSlots[static_cast<std::size_t>(r)];
    SlotRecord& record = model.slots[static_cast<std::size_t>(r)];
    record.code = model.markerSet2 ? slot.set2Code : slot.set1Code;
    record.colour = model.markerSet2 ? slot.set2Marker : slot.set1Marker;
    record.index = HighestMatch(table, record.colour);
    if (!record.located()) record.index = HighestMatch(table, slot.fallback);
  }
  return LoadOutcome::SlotsLocated;
}

}  // namespace tintara

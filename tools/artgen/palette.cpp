#include "palette.h"

#include "paint/slot_tables.h"

namespace tintara::artgen {

namespace {

ColourTableEntry EntryOf(Colour colour) {
  return {BlueOf(colour), GreenOf(colour), RedOf(colour), 0};
}

int SlotAt(int position) {
  for (int s = 1; s <= kSlotCount; ++s) {
    if (entry::Slot(s) == position) return s;
  }
  return 0;
}

}  // namespace

ArtworkPalette::ArtworkPalette(const std::array<Colour, 256>& colours) : entries_(256) {
  for (int i = 0; i < 256; ++i) Set(i, colours[static_cast<std::size_t>(i)]);
}

void ArtworkPalette::Set(int position, Colour colour) {
  entries_.at(static_cast<std::size_t>(position)) = EntryOf(colour);
}

ArtworkPalette SlotMarkedTable() {
  ArtworkPalette table;
  for (int s = 1; s <= kSlotCount; ++s) table.Set(entry::Slot(s), kSlots[s - 1].set1Marker);
  return table;
}

std::optional<std::string> FindMarkerMistake(const ArtworkPalette& table) {
  const std::vector<ColourTableEntry>& entries = table.entries();
  for (int position = 0; position < static_cast<int>(entries.size()); ++position) {
    const Colour colour = entries[static_cast<std::size_t>(position)].colour();
    const int slot = SlotAt(position);
    for (int s = 1; s <= kSlotCount; ++s) {
      const SlotDefinition& definition = kSlots[s - 1];
      const bool marker = colour == definition.set1Marker;
      if ((marker && s != slot) || colour == definition.fallback) {
        return "entry " + std::to_string(position) + " holds a colour of slot " + std::to_string(s);
      }
    }
    if (slot != 0 && colour != kSlots[slot - 1].set1Marker && colour != 0) {
      return "entry " + std::to_string(position) + " lacks the marker of slot " +
             std::to_string(slot);
    }
  }
  bool signature = true;
  for (int i = 0; i < 5; ++i) {
    const auto at = static_cast<std::size_t>(kSet2SignatureFirstPosition + i);
    signature = signature && entries[at].colour() == kSet2Signature[static_cast<std::size_t>(i)];
  }
  if (signature) return std::string("the table carries the marker set 2 signature");
  return std::nullopt;
}

}  // namespace tintara::artgen

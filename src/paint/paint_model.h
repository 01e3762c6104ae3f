#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "paint/slot_tables.h"
#include "platform/bitmap.h"

namespace tintara {

// One code slot: where the last load found it, its code, and the colour recolouring writes.
struct SlotRecord {
  std::int32_t index = 0;  // colour-table position, or -1 when the last load did not locate it
  std::int32_t code = 0;
  Colour colour = 0;

  bool located() const { return index >= 0; }
  friend bool operator==(const SlotRecord&, const SlotRecord&) = default;
};

inline constexpr std::int32_t kNotLocated = -1;

using ColourTable = std::array<Colour, 256>;
using SlotRecords = std::array<SlotRecord, kSlotCount>;

// The slots, colour tables and work bitmap of a document: what painting reads and writes.
struct PaintModel {
  SlotRecords slots{};
  ColourTable loaded{};  // the loaded bitmap's colours; written only by a load
  ColourTable mapped{};  // the colours recolouring writes; slot positions change on each edit
  // The bitmap as loaded. Painting never changes it, so copies of the model share it.
  std::shared_ptr<const Bitmap> work = std::make_shared<const Bitmap>();
  std::string lastCodes;
  bool markerSet2 = false;
  bool skinToggle = false;

  // The same bitmap, not one with the same pixels: models are compared to tell whether anything
  // changed, and a new load is a change.
  friend bool operator==(const PaintModel&, const PaintModel&) = default;
};

}  // namespace tintara

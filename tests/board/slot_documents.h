#pragma once

#include <initializer_list>
#include <utility>

#include "paint/document.h"
#include "paint/reference_palette.h"

namespace tintara {

// The document before any load, every slot shown, with the given slots hidden as a load that
// did not locate them leaves them, and the given slots given codes.
inline Document SlotDocument(std::initializer_list<int> hidden,
                             std::initializer_list<std::pair<int, int>> painted = {}) {
  Document document = StartingDocument();
  for (int slot : hidden) {
    document.model.slots[static_cast<std::size_t>(slot - 1)].index = kNotLocated;
  }
  for (const auto& [slot, code] : painted) {
    SlotRecord& record = document.model.slots[static_cast<std::size_t>(slot - 1)];
    record.code = code;
    record.colour = ReferenceColour(code);
  }
  return document;
}

}  // namespace tintara

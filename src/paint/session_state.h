#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "paint/bodies.h"
#include "paint/paint_model.h"

namespace tintara {

// Everything the user sees of a paint session but its pixels, which are drawn again from the
// work bitmap through the painted table. A copy shares the work bitmap instead of copying it, so
// keeping many states costs little.
struct SessionState {
  PaintModel model;
  // The table the picture was drawn through from the work bitmap; nothing while the design
  // picture shows.
  std::optional<std::array<std::uint32_t, 256>> painted;
  std::string codeText;  // the edit box
  std::string sizeText;
  std::array<std::string, kSlotCount> slotLabels;  // tokens as typed
  std::array<Colour, kSlotCount> slotFills;
  std::array<bool, kGroupCount> groupCaptionsShown{};  // group 4's is the pair "Buckle", "or Eyes"
  std::array<bool, kGroupCount> groupsEnabled{};
  int shownMarkerSet = 0;  // 1 or 2, or 0 before the first paintable bitmap
  int body = kStartUpBody;
  std::array<std::string, kBodyCount> bodyCaptions;
  std::string headFile;
  std::string gridFile;

  friend bool operator==(const SessionState&, const SessionState&) = default;
};

}  // namespace tintara

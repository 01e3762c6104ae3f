#pragma once

#include <array>
#include <optional>
#include <string>

#include "paint/bodies.h"
#include "paint/paint_model.h"
#include "paint/recolour.h"

namespace tintara {

using GroupChecks = std::array<bool, kGroupCount>;
// Slots the random codes leave as they are, indexed by slot - 1.
using SlotLocks = std::array<bool, kSlotCount>;

// How the picture is drawn from the document.
enum class Drawn {
  Design,      // nothing loaded yet: the program's design picture
  Unpainted,   // the work bitmap as loaded
  Recoloured,  // the work bitmap through the mapped colour table
};

// What the user paints and every operation changes, and nothing else: undo keeps documents. What
// the window shows (the picture, slot fills, captions, the size text, the marker set shown) is
// derived from it by the functions below; what the user edits in place and has not applied (the
// edit box's text, the group checks, the options) is the session's (`Session`).
struct Document {
  PaintModel model;  // slots, colour tables, the shared work bitmap, last codes, marker set
  Drawn drawn = Drawn::Design;
  std::array<std::string, kSlotCount> tokens;  // the slot labels: codes as typed ("007")
  // The code string an operation wrote, or took as typed when it stopped at a token: what undo
  // and redo put back in the edit box where no draft was typed over it.
  std::string codeText;
  // The group checks as the last command found them, with what it changed (Reload ticks them
  // all): what undo and redo put back of the checks a step changed.
  GroupChecks groups{};
  // Locked slots keep their codes through random rolls; a load keeps the locks.
  SlotLocks locks{};
  int body = kStartUpBody;
  std::array<std::string, kBodyCount> bodyCaptions;
  std::string headFile;
  std::string gridFile;

  friend bool operator==(const Document&, const Document&) = default;
};

// The document before anything is loaded: the design slot colours, "000" labels, the default
// code string, every group checked and the bodies' captions at start.
Document StartingDocument();

// Slots and groups count from 1.
inline const SlotRecord& Slot(const Document& document, int slot) {
  return document.model.slots[static_cast<std::size_t>(slot - 1)];
}
inline bool SlotShown(const Document& document, int slot) { return Slot(document, slot).located(); }
// A slot swatch shows the colour its slot writes.
inline Colour SlotFill(const Document& document, int slot) { return Slot(document, slot).colour; }
inline bool SlotLocked(const Document& document, int slot) {
  return document.locks[static_cast<std::size_t>(slot - 1)];
}
inline const std::string& SlotLabel(const Document& document, int slot) {
  return document.tokens[static_cast<std::size_t>(slot - 1)];
}
inline const std::string& BodyCaption(const Document& document, int body) {
  return document.bodyCaptions[static_cast<std::size_t>(body - 1)];
}

// A group's caption shows while any of its slots does; group 4's is the pair "Buckle", "or Eyes".
bool GroupCaptionShown(const Document& document, int group);
// The marker set of the picture shown: 1 or 2, or 0 while nothing paintable is loaded.
int ShownMarkerSet(const Document& document);
// "Bitmap is 55W x 144H"; empty while the design picture shows.
std::string SizeText(const Document& document);

// The table the work bitmap is drawn through: display pixels for its colour-table entries as
// painted. Nothing while the design picture shows.
std::optional<DisplayTable> PaintedTable(const Document& document);
// A skin can be saved once a picture is loaded, and its palette exported when it has one.
bool HasSkin(const Document& document);
bool HasPalette(const Document& document);

}  // namespace tintara

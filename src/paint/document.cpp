#include "paint/document.h"
#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {

Document StartingDocument() {
  Document document;
  for (int s = 1; s <= kSlotCount; ++s) {
    document.model.slots[static_cast<std::size_t>(s - 1)].colour =
        kSlotDesignColours[static_cast<std::size_t>(s - 1)];
  }
  document.tokens.fill("000");
  document.codeText = kDefaultCodeString;
  document.model.lastCodes = document.codeText;
  document.groups.fill(true);
  for (int body = 1; body <= kBodyCount; ++body) {
    document.bodyCaptions[static_cast<std::size_t>(body - 1)] =
        kBodies[static_cast<std::size_t>(body - 1)].caption;
  }
  document.headFile = kBodies[static_cast<std::size_t>(kHeadBody - 1)].file;
  document.gridFile = kBodies[static_cast<std::size_t>(kGridBody - 1)].file;
  return document;
}

bool GroupCaptionShown(const Document& document, int group) {
  for (int s = FirstSlotOfGroup(group); s <= LastSlotOfGroup(group); ++s) {
    if (SlotShown(document, s)) return true;
  }
  return false;
}

int ShownMarkerSet(const Document& document) {
  if (document.drawn == Drawn::Design || !document.model.work->hasColourTable()) return 0;
  return document.model.markerSet2 ? 2 : 1;
}

std::string SizeText(const Document& document) {
  if (document.drawn == Drawn::Design) return {};
  const Bitmap& work = *document.model.work;
  return Filled(Tr("Bitmap is %sW x %sH"),
                {std::to_string(work.width), std::to_string(work.height)});
}

std::optional<DisplayTable> PaintedTable(const Document& document) {
  const PaintModel& model = document.model;
  switch (document.drawn) {
    case Drawn::Design:
      return std::nullopt;
    case Drawn::Unpainted:
      return MapColourTable(*model.work, model.loaded, model.loaded);
    case Drawn::Recoloured:
      return MapColourTable(*model.work, model.loaded, model.mapped);
  }
  return std::nullopt;
}

bool HasSkin(const Document& document) { return document.drawn != Drawn::Design; }

bool HasPalette(const Document& document) {
  return HasSkin(document) && document.model.work->hasColourTable();
}

}  // namespace tintara

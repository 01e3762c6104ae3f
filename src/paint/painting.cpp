#include "paint/painting.h"

#include "paint/code_string.h"
#include "paint/image_loading.h"
#include "paint/reference_palette.h"
#include "paint/skin_note.h"
#include "platform/bmp_reader.h"
#include "platform/filled_text.h"
#include "platform/path_names.h"
#include "platform/png_reader.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {

void LoadBitmap(Document& document, Bitmap bitmap) {
  const LoadOutcome loaded = AdoptLoadedBitmap(document.model, std::move(bitmap));
  document.drawn = Drawn::Unpainted;
  if (loaded == LoadOutcome::SlotsLocated) {
    for (int s = 1; s <= kSlotCount; ++s) {
      document.tokens[static_cast<std::size_t>(s - 1)] = std::to_string(Slot(document, s).code);
    }
  }
  if (!SlotShown(document, kSlotCount)) document.groups[kGroupCount - 1] = false;
}

void ApplyCodes(Document& document) {
  WriteSlotColours(document.model);
  // With nothing loaded there is nothing to recolour: the design picture stays.
  if (document.drawn != Drawn::Design) document.drawn = Drawn::Recoloured;
  document.codeText = WriteCodeString(document.model.slots);
}

void AssignCode(Document& document, int slot, std::int32_t code, std::string label) {
  SlotRecord& record = document.model.slots[static_cast<std::size_t>(slot - 1)];
  record.code = code;
  record.colour = ReferenceColour(code);
  document.tokens[static_cast<std::size_t>(slot - 1)] = std::move(label);
}

AppliedCodeText ApplyCodeText(Document& document, std::string text) {
  const CodeStringReading reading = ReadCodeString(text);
  return ApplyCodeReading(document, std::move(text), reading);
}

AppliedCodeText ApplyCodeReading(Document& document, std::string text,
                                 const CodeStringReading& reading) {
  AppliedCodeText result;
  document.codeText = std::move(text);
  if (!document.codeText.empty()) {
    for (const SlotAssignment& assignment : reading.assignments) {
      AssignCode(document, assignment.slot, assignment.code, assignment.token);
    }
    if (reading.badToken) return {.problem = Problem{BadTokenMessage(*reading.badToken)}};
    ApplyCodes(document);
    result.applied = true;
  }
  RememberLastCodes(document.model.lastCodes, document.codeText);
  return result;
}

Colour SlotMarker(const Document& document, int slot) {
  const SlotRecord& record = Slot(document, slot);
  if (record.located()) return document.model.loaded[static_cast<std::size_t>(record.index)];
  const SlotDefinition& definition = kSlots[static_cast<std::size_t>(slot - 1)];
  return document.model.markerSet2 ? definition.set2Marker : definition.set1Marker;
}

namespace {

bool GroupChecked(const GroupChecks& groups, int slot) {
  return groups[static_cast<std::size_t>(kSlots[static_cast<std::size_t>(slot - 1)].group - 1)];
}

void RollFree(Document& document, const GroupChecks& groups, RandomGenerator& random,
              const RandomCodeSettings& settings) {
  for (int s = 1; s <= kSlotCount; ++s) {
    if (!GroupChecked(groups, s)) continue;
    const std::vector<std::int32_t> candidates =
        RollCandidates(kSlots[static_cast<std::size_t>(s - 1)].group, settings);
    if (candidates.empty()) continue;
    // A locked slot still draws, so that the other slots take the codes they would unlocked.
    const std::int32_t code = DrawCode(random, candidates);
    if (!SlotLocked(document, s)) AssignCode(document, s, code, std::to_string(code));
  }
}

void RollInHarmony(Document& document, const GroupChecks& groups, RandomGenerator& random,
                   const RandomCodeSettings& settings) {
  HarmonySlots slots{};
  for (int s = 1; s <= kSlotCount; ++s) {
    slots[static_cast<std::size_t>(s - 1)] = {GroupChecked(groups, s) && !SlotLocked(document, s),
                                              Slot(document, s).code, SlotMarker(document, s)};
  }
  const std::array<std::int32_t, kSlotCount> codes = HarmonyCodes(slots, settings, random);
  for (int s = 1; s <= kSlotCount; ++s) {
    const std::int32_t code = codes[static_cast<std::size_t>(s - 1)];
    if (slots[static_cast<std::size_t>(s - 1)].rolled) {
      AssignCode(document, s, code, std::to_string(code));
    }
  }
}

}  // namespace

void RollRandomCodes(Document& document, const GroupChecks& groups, RandomGenerator& random,
                     const RandomCodeSettings& settings) {
  if (settings.harmony == Harmony::Free) {
    RollFree(document, groups, random, settings);
  } else {
    RollInHarmony(document, groups, random, settings);
  }
  ApplyCodes(document);
}

Expected<BitmapToPaint> ReadBitmapToPaint(const std::string& path, const BitmapRequest& request) {
  const auto cannotOpen = [&](const Problem& why) {
    const std::string_view shown = request.shownPath.empty() ? FileNameOf(path) : request.shownPath;
    return Problem{Filled(Tr("Cannot open %s: %s"), {ShownText(shown), why.message}), path};
  };
  const Expected<bool> png = IsPngFile(path);
  if (!png) return cannotOpen(png.problem());
  if (!*png) {
    Expected<Bitmap> bmp = ReadBmpFile(path, request.limits);
    if (!bmp) return cannotOpen(bmp.problem());
    return BitmapToPaint{std::move(*bmp), std::nullopt};
  }
  Expected<PngReading> reading = ReadPngFile(path, kSkinNoteKeyword, request.limits);
  if (!reading) return cannotOpen(reading.problem());
  BitmapToPaint read{std::move(reading->bitmap), std::nullopt};
  if (reading->text) read.storedCodes = RestoreNotedSkin(read.bitmap, *reading->text);
  return read;
}

Document LoadedDocument(Bitmap bitmap, const std::optional<std::string>& storedCodes) {
  Document document = StartingDocument();
  LoadBitmap(document, std::move(bitmap));
  // Stored codes hold no bad token: they are applied all through.
  if (storedCodes) ApplyCodeText(document, *storedCodes);
  return document;
}

std::string PaintedCodeString(const Document& document) {
  return document.drawn == Drawn::Recoloured ? WriteCodeString(document.model.slots) : "";
}

Expected<Document> PaintedWithCodes(Document loaded, std::string codes) {
  if (std::optional<Problem> stop = ApplyCodeText(loaded, std::move(codes)).problem) return *stop;
  return loaded;
}

std::optional<DisplayTable> SimulatedPaintedTable(const Document& document, Vision vision) {
  std::optional<DisplayTable> table = PaintedTable(document);
  if (table && vision != Vision::Normal) table = SimulatedTable(vision, *table);
  return table;
}

bool DrawPaintedPicture(const Document& document, Picture& picture, Vision vision) {
  const std::optional<DisplayTable> table = SimulatedPaintedTable(document, vision);
  if (!table) return false;
  const Bitmap& work = *document.model.work;
  if (!picture.Resize(work.width, work.height)) return false;
  DrawThroughTable(work, *table, picture.pixels.data());
  return true;
}

}  // namespace tintara

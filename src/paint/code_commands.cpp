// The commands that give the slots their codes.
#include "paint/code_string.h"
#include "paint/commands.h"
#include "paint/group_shading.h"
#include "paint/painting.h"
#include "paint/reference_palette.h"
#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara::commands {
namespace {

constexpr std::string_view kConversionCodes =
    "239 240 241 242 243 244 245 246 247 248 249 250 251 252 253 254";

CommandResult Applying(Document& document, std::string text) {
  AppliedCodeText applied = tintara::ApplyCodeText(document, std::move(text));
  const bool stopped = applied.problem.has_value();
  return {.problem = std::move(applied.problem),
          .keepsChanges = stopped,
          .codesApplied = applied.applied,
          .wroteCodeText = true};
}

CommandResult Written() { return {.wroteCodeText = true}; }

// The drop itself: the last codes remembered, then the slot's code and colour.
void Drop(Document& document, int slot, std::int32_t code, Colour colour,
          const std::string& codeText) {
  RememberLastCodes(document.model.lastCodes, codeText);
  SlotRecord& record = document.model.slots[static_cast<std::size_t>(slot - 1)];
  record.code = code;
  record.colour = colour;
  document.tokens[static_cast<std::size_t>(slot - 1)] = std::to_string(code);
  ApplyCodes(document);
}

}  // namespace

Command ApplyCodeText(std::string text) {
  return {Tr("Apply Color Codes"),
          [text = std::move(text)](Document& document) { return Applying(document, text); }};
}

Command ApplyCodesFromPage(std::string codes) {
  return {Tr("Load Codes from Page"), [codes = std::move(codes)](Document& document) {
            if (const auto badToken = ReadCodeString(codes).badToken) {
              return CommandResult{
                  .problem = Problem{Filled(
                      Tr("The page's code string holds '%s', which is not a code"), {*badToken})}};
            }
            return Applying(document, codes);
          }};
}

Command ImportPalette(const std::string& paletteName, std::string codes) {
  return {Filled(Tr("Import Palette %s"), {paletteName}),
          [codes = std::move(codes)](Document& document) { return Applying(document, codes); }};
}

Command PasteColours(std::string codes) {
  return {Tr("Paste Colours"),
          [codes = std::move(codes)](Document& document) { return Applying(document, codes); }};
}

Command RestoreLastCodes() {
  return {Tr("Restore Last Codes"), [](Document& document) {
            if (document.model.lastCodes.empty()) return CommandResult{};
            return Applying(document, document.model.lastCodes);
          }};
}

Command DropSwatch(int slot, std::int32_t code, std::string codeText) {
  return {Filled(Tr("Drop on Slot %s"), {std::to_string(slot)}),
          [=, codeText = std::move(codeText)](Document& document) {
            Drop(document, slot, code, ReferenceColour(code), codeText);
            return Written();
          }};
}

Command DropSlot(int slot, int sourceSlot, std::string codeText) {
  return {Filled(Tr("Drop on Slot %s"), {std::to_string(slot)}),
          [=, codeText = std::move(codeText)](Document& document) {
            const SlotRecord source = Slot(document, sourceSlot);
            Drop(document, slot, source.code, source.colour, codeText);
            ApplyCodes(document);  // the end of the drag
            return Written();
          }};
}

Command EndSlotDrag(int sourceSlot) {
  return {Filled(Tr("Drag from Slot %s"), {std::to_string(sourceSlot)}), [](Document& document) {
            ApplyCodes(document);
            return Written();
          }};
}

Command RollRandomCodes(RandomGenerator& random, RandomCodeSettings settings) {
  std::string name =
      settings.drawFrom ? Filled(Tr("Gee! (from %s)"), {settings.drawFrom->name}) : Tr("Gee!");
  return {std::move(name), [&random, settings](Document& document) {
            tintara::RollRandomCodes(document, document.groups, random, settings);
            return Written();
          }};
}

Command ShadeGroupFromSlot(int slot, RandomCodeSettings settings) {
  return {ShadeStepName(slot),
          [slot, settings](Document& document) {
            if (std::optional<Problem> problem = ShadeGroup(document, slot, settings)) {
              return CommandResult{.problem = std::move(problem)};
            }
            return Written();
          },
          [slot](const Document& document) { return CanShadeGroupFrom(document, slot); }};
}

Command FixSlot(int slot, std::int32_t code) {
  return {Filled(Tr("Fix Slot %s"), {std::to_string(slot)}), [=](Document& document) {
            AssignCode(document, slot, code, std::to_string(code));
            ApplyCodes(document);
            return Written();
          }};
}

Command ToggleSlotLock(const Document& current, int slot) {
  const bool lock = !SlotLocked(current, slot);
  return {Filled(lock ? Tr("Lock Slot %s") : Tr("Unlock Slot %s"), {std::to_string(slot)}),
          [=](Document& document) {
            document.locks[static_cast<std::size_t>(slot - 1)] = lock;
            return CommandResult{};
          }};
}

Command ApplyNextSkinPreset(std::string codeText) {
  return {Tr("Skin Colors"),
          [codeText = std::move(codeText)](Document& document) {
            RememberLastCodes(document.model.lastCodes, codeText);
            const SkinPreset& preset = SkinPresetFor(document.model.skinToggle);
            for (int k = 0; k < kSkinPresetLength; ++k) {
              const std::int32_t code = preset[static_cast<std::size_t>(k)];
              AssignCode(document, kSkinPresetFirstSlot + k, code, std::to_string(code));
            }
            document.model.skinToggle = !document.model.skinToggle;
            ApplyCodes(document);
            return Written();
          },
          [](const Document& document) { return GroupCaptionShown(document, 2); }};
}

Command LoadThenApplyCodeText(Command load, std::string text) {
  Command both{load.name, {}, load.enabled};
  both.apply = [load = std::move(load.apply), text = std::move(text)](Document& document) {
    const CommandResult loaded = load(document);
    if (loaded.problem) return loaded;
    CommandResult applied = Applying(document, text);
    applied.loaded = loaded.loaded;
    return applied;
  };
  return both;
}

Command ConvertToMarkerSet2(std::string codeText) {
  return {Tr("Convert and Save"), [codeText = std::move(codeText)](Document& document) {
            CommandResult result = Applying(document, std::string(kConversionCodes));
            document.codeText = codeText;
            return result;
          }};
}

}  // namespace tintara::commands

#pragma once

#include <cstdint>
#include <string>

#include "paint/command.h"
#include "paint/document.h"
#include "paint/harmony.h"
#include "paint/random_codes.h"

namespace tintara {

struct GalleryEntry;

// Loads the selected body's bitmap at start-up: no step, no codes applied (a PNG skin's stored
// codes neither), and a file that cannot be read leaves the design picture without a word.
void LoadStartUpBody(Document& document, const std::string& programDirectory);

// What the user does, each made with its inputs. `codeText` is the edit box as it stands when
// the user acts, which the drops, the skin presets and the loads remember as the last codes.
namespace commands {

// What a load takes besides its file.
struct LoadInputs {
  std::string programDirectory;  // ends with a separator
  std::string codeText;
  bool applyColoursOnLoad = true;
};

// Which radio button a picked bitmap stands behind.
enum class PickedBitmap { Head, Grid };

// "Apply Color Codes" with the edit box's text.
Command ApplyCodeText(std::string text);
// "Load Codes from Page": applied as "Apply Color Codes" applies them, but whole or not at all.
Command ApplyCodesFromPage(std::string codes);
// Codes found for colours from outside, applied as "Apply Color Codes" applies them, locked slots
// too (locks hold against random rolls only): "Apply to Slots" of an imported palette, named
// "Import Palette NAME", and "Paste Colours".
Command ImportPalette(const std::string& paletteName, std::string codes);
Command PasteColours(std::string codes);
// "Restore last color codes": the last codes applied again, when there are any.
Command RestoreLastCodes();
// The board swatch of this code dropped on a slot (1..16): the slot takes the code and its
// reference colour.
Command DropSwatch(int slot, std::int32_t code, std::string codeText);
// A slot swatch dropped on a slot (or on itself): the slot takes the source's code and shown
// colour, and the drag ends with a recolouring.
Command DropSlot(int slot, int sourceSlot, std::string codeText);
// A drag from a slot swatch released anywhere else also ends with a recolouring.
Command EndSlotDrag(int sourceSlot);
// "Gee!": random codes for the slots of the groups checked that are not locked, in the settings'
// harmony mode; "Gee! (from Sunset)" when the settings draw among a palette's codes.
Command RollRandomCodes(RandomGenerator& random, RandomCodeSettings settings = {});
// "Shade Bottom from Slot 3": the slot's group shaded from it (see ShadeGroup), the settings'
// "Any Colour for Skin" deciding the skin group's codes. Available while the group shows another
// slot.
Command ShadeGroupFromSlot(int slot, RandomCodeSettings settings);
// "Fix Slot 2": the slot takes a code that makes it readable beside another (see
// FixSuggestions).
Command FixSlot(int slot, std::int32_t code);
// "Lock Slot 3" or "Unlock Slot 3" as the slot (1..16) stands in `current`: random codes leave a
// locked slot as it is.
Command ToggleSlotLock(const Document& current, int slot);
// The skin caption: slots 6..10 take the next of the two skin presets. Available while the
// caption shows.
Command ApplyNextSkinPreset(std::string codeText);
// "Reload": the selected body's bitmap unpainted, every group checked again, the default code
// string in the edit box, and the last codes applied again when the option says so.
//
// Every load first reads its file: one that cannot be read changes nothing, and the problem says
// which file and why ("Cannot open x.bmp: not a BMP file").
Command Reload(LoadInputs inputs);
// A body radio button (1..8) selected: reloads when the selection changes. Named for the button's
// caption in `current`.
Command SelectBody(const Document& current, int body, LoadInputs inputs);
// A catalogue entry: its radio button takes the file and the caption and is selected (which
// reloads when it was not), then reloads.
Command PickBitmap(PickedBitmap which, std::string file, std::string caption, LoadInputs inputs);
// "Load Other Bitmap": the grid button takes the path, and a caption made from its name.
Command LoadOtherBitmap(std::string path, LoadInputs inputs);
// The load, then the text applied as "Apply Color Codes" applies it, as one step named as the
// load. A load that stops stops it.
Command LoadThenApplyCodeText(Command load, std::string text);
// A gallery picture chosen: loaded as its body button or catalogue entry loads it, then painted
// with the gallery's code string, so that the picture shows as the gallery showed it.
Command ChooseGalleryPicture(const Document& current, const GalleryEntry& entry, std::string codes,
                             LoadInputs inputs);
// The first half of "Convert and Save": the picture painted with the marker colours of set 2,
// the edit box's text kept as it was.
Command ConvertToMarkerSet2(std::string codeText);

}  // namespace commands
}  // namespace tintara

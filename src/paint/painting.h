#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "paint/code_string.h"
#include "paint/colour_vision.h"
#include "paint/document.h"
#include "paint/harmony.h"
#include "paint/picture.h"
#include "paint/random_codes.h"
#include "platform/bitmap.h"
#include "platform/bmp_reader.h"
#include "platform/problem.h"

namespace tintara {

// The steps commands are made of, each on a document, in the order the user sees them take
// effect. The command line paints through them too.

// Takes the bitmap as the work bitmap, shown unpainted, and locates its slots; their labels show
// the codes the load gave them. A picture without a colour table has no slot to paint. A picture
// without slot 16 clears group 4, so that random codes skip it.
void LoadBitmap(Document& document, Bitmap bitmap);

// Writes every located slot's colour into the mapped table, recolours from the work bitmap (once
// one is loaded) and rewrites the code string.
void ApplyCodes(Document& document);

// Gives the slot (1..16) the code and its reference colour, labelled as given.
void AssignCode(Document& document, int slot, std::int32_t code, std::string label);

// "Apply Color Codes" with this text: the tokens go to their slots and the picture is recoloured,
// and the result is remembered as the last codes. A token that is not a number stops it there
// (the slots before it keep their codes, nothing is recoloured or remembered, the code string
// stays as given) with the problem "'x' is not a valid integer value". An empty text applies
// nothing.
struct AppliedCodeText {
  std::optional<Problem> problem{};  // the token that stopped it
  bool applied = false;              // the codes were applied all through
};
AppliedCodeText ApplyCodeText(Document& document, std::string text);
// The same with the text read already, for painting many documents with one text.
AppliedCodeText ApplyCodeReading(Document& document, std::string text,
                                 const CodeStringReading& reading);

// "Gee!": a random code for every slot of every group checked and not locked, in the harmony mode
// of the settings, then a recolouring. The window and the command line both roll through it: the
// same generator state, settings, locks and picture give the same codes.
void RollRandomCodes(Document& document, const GroupChecks& groups, RandomGenerator& random,
                     const RandomCodeSettings& settings = {});

// The colour the picture marks the slot (1..16) with; a slot it lacks takes its marker set's,
// whose markers grow lighter with the slot number, as do the fallbacks a load may find instead.
Colour SlotMarker(const Document& document, int slot);

// A bitmap read to paint, and the codes a skin this program saved was painted with.
struct BitmapToPaint {
  Bitmap bitmap;
  std::optional<std::string> storedCodes;
};

// What a reading asks besides the path: how its problem names the file, by its name alone when
// empty, else as given on a command line ("Cannot open skins/x.bmp: ..."); and what it takes (see
// PictureLimits), a larger picture refused from its header, before any memory is given to pixels.
struct BitmapRequest {
  std::string_view shownPath{};
  PictureLimits limits{};
};

// What the command line reads: it paints only pictures with a colour table, and refuses the others
// from their header.
inline constexpr PictureLimits kColourTableOnly{.colourTableOnly = true};

// Reads a bitmap to paint, a PNG or a BMP by what the file holds. A PNG skin this program saved
// comes back with the colour table it was loaded with and the codes it was painted with, unless
// its palette was changed since (see RestoreNotedSkin). The problem names the file and says why it
// cannot be used ("Cannot open x.bmp: not a BMP file").
Expected<BitmapToPaint> ReadBitmapToPaint(const std::string& path,
                                          const BitmapRequest& request = {});

// A fresh document with the bitmap loaded, and painted with the stored codes when there are any,
// as the command line starts each input.
Document LoadedDocument(Bitmap bitmap, const std::optional<std::string>& storedCodes = {});
// The code string the picture is painted with, as a saved skin keeps it: the slots' codes once
// the picture is recoloured, empty while it shows as loaded.
std::string PaintedCodeString(const Document& document);

// The loaded document painted with one code string as "Apply Color Codes" paints it, or the token
// that stopped it.
Expected<Document> PaintedWithCodes(Document loaded, std::string codes);

// Draws the document's picture as the window shows it once painted, the work bitmap through its
// painted table (as the viewer sees it), into the picture, which takes the bitmap's size. False
// before anything is loaded (the picture left as it was) and when there is no memory for it (the
// picture then empty).
bool DrawPaintedPicture(const Document& document, Picture& picture, Vision vision = Vision::Normal);
// The document's painted table as the viewer sees it (PaintedTable, simulated).
std::optional<DisplayTable> SimulatedPaintedTable(const Document& document, Vision vision);

}  // namespace tintara

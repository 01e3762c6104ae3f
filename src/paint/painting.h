#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "paint/code_string.h"
#include "paint/document.h"
#include "paint/random_codes.h"
#include "platform/bitmap.h"
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
// stays as given) with the problem "'x' is not a valid integer value". True in `applied` when the
// codes were applied all through.
std::optional<Problem> ApplyCodeText(Document& document, std::string text, bool* applied = nullptr);
// The same with the text read already, for painting many documents with one text.
std::optional<Problem> ApplyCodeReading(Document& document, std::string text,
                                        const CodeStringReading& reading, bool* applied = nullptr);

// "Gee!": a random code for every slot of every group checked, then a recolouring.
void RollRandomCodes(Document& document, const GroupChecks& groups, RandomGenerator& random);

// Reads a bitmap to paint; the problem names the file and says why it cannot be used
// ("Cannot open x.bmp: not a BMP file").
Expected<Bitmap> ReadBitmapToPaint(const std::string& path);

// A fresh document with the bitmap loaded, as the command line starts each input.
Document LoadedDocument(Bitmap bitmap);
// The loaded document painted with one code string as "Apply Color Codes" paints it, or the token
// that stopped it.
Expected<Document> PaintedWithCodes(Document loaded, std::string codes);

}  // namespace tintara

#pragma once

#include <optional>
#include <string>

#include "formats/export_files.h"
#include "paint/recolour.h"
#include "platform/bitmap.h"
#include "platform/problem.h"

namespace tintara {

struct Picture;

// The painted skin saved without loss, at a scale of 1, 2, 3, 4 or 8, as PaintedSkin makes it: an
// 8-bit palette picture with the work bitmap's indices and the painted colours, or for a picture
// without a colour table the picture's pixels at 24 bits. The file type follows the name's
// extension, .png or .bmp, whatever its case. Nothing comes back once it is written. Every
// refusal and failure comes back before anything is written, naming the path as given: a name with
// another extension ("Cannot save skins/x.tga: a skin is saved as .png or .bmp"), a skin too large
// to be loaded again at that scale, and a file that cannot be created ("Cannot create file <path>:
// <reason>"). The file is replaced only once its new content is whole, and a read-only file is
// never replaced. A palette PNG also keeps its note (paint/skin_note.h): the work bitmap's table as
// loaded and `paintedCodes` (see PaintedCodeString), so that it opens again as the bitmap it was
// painted from. The skin's file as WriteSkin writes it, made without writing anything, with the
// same refusals.
Expected<FileContent> SkinFile(const std::string& path, const Bitmap& work, const Picture& picture,
                               const DisplayTable& paintedTable, int scale,
                               const std::string& paintedCodes);
[[nodiscard]] std::optional<Problem> WriteSkin(const std::string& path, const Bitmap& work,
                                               const Picture& picture,
                                               const DisplayTable& paintedTable, int scale,
                                               const std::string& paintedCodes);

}  // namespace tintara

#pragma once

#include <QIcon>
#include <QImage>

#include "paint/picture.h"

namespace tintara {

// Pictures compiled into the program, drawn by the artwork generator.
Picture DesignPicture();  // shown until the first load
QIcon RestoreGlyph();     // "Restore last color codes": normal and disabled glyphs
QImage Emblem();          // the about box emblem

}  // namespace tintara

#pragma once

#include <QIcon>
#include <QImage>

namespace tintara {

// Pictures compiled into the program, drawn by the artwork generator.
QImage DesignPicture();  // shown by the image view until the first load
QIcon RestoreGlyph();    // "Restore last color codes": normal and disabled glyphs
QImage Emblem();         // the about box emblem

}  // namespace tintara

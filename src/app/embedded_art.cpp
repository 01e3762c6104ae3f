#include "app/embedded_art.h"

#include <QBitmap>
#include <QPixmap>
#include <algorithm>

namespace tintara {
namespace {

// Glyphs are drawn on a background colour that the bottom-left pixel names; it becomes
// transparent, as button glyphs traditionally are.
QPixmap GlyphPixmap(const QString& resource) {
  QPixmap pixmap(resource);
  if (pixmap.isNull()) return pixmap;
  const QColor background = pixmap.toImage().pixelColor(0, pixmap.height() - 1);
  pixmap.setMask(pixmap.createMaskFromColor(background, Qt::MaskInColor));
  return pixmap;
}

}  // namespace

Picture DesignPicture() {
  const QImage image = QImage(":/art/design.bmp").convertToFormat(QImage::Format_RGB32);
  Picture picture;
  picture.Resize(image.width(), image.height());
  for (int y = 0; y < picture.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    std::copy_n(row, picture.width, picture.pixels.begin() + std::ptrdiff_t{y} * picture.width);
  }
  return picture;
}

QIcon RestoreGlyph() {
  QIcon icon;
  icon.addPixmap(GlyphPixmap(":/art/glyph.bmp"), QIcon::Normal);
  icon.addPixmap(GlyphPixmap(":/art/glyph_disabled.bmp"), QIcon::Disabled);
  return icon;
}

QImage Emblem() { return QImage(":/art/emblem.bmp"); }

}  // namespace tintara

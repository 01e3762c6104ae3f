#include "formats/skin_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QList>
#include <algorithm>
#include <cstring>

#include "formats/export_files.h"
#include "paint/painted_skin.h"
#include "paint/picture.h"
#include "platform/bmp_reader.h"
#include "platform/bmp_writer.h"

namespace tintara {
namespace {

// The skin as Qt writes it: a palette picture keeps its indices and colours, a deeper one its
// pixels.
QImage SkinImage(const Bitmap& skin, const DisplayTable& paintedTable) {
  const auto width = static_cast<std::size_t>(skin.width);
  if (!skin.hasColourTable()) {
    QImage image(skin.width, skin.height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    for (int y = 0; y < skin.height; ++y) {
      std::memcpy(image.scanLine(y), skin.pixels.data() + static_cast<std::size_t>(y) * width,
                  width * sizeof(std::uint32_t));
    }
    return image;
  }
  QImage image(skin.width, skin.height, QImage::Format_Indexed8);
  if (image.isNull()) return image;
  QList<QRgb> colours;
  for (const ColourTableEntry& entry : skin.colourTable) {
    colours << qRgb(entry.red, entry.green, entry.blue);
  }
  // A PNG pixel beyond the palette is an error to its readers; such pixels take the colour they
  // were painted with, as the picture shows them.
  const auto highest =
      skin.indices.empty() ? 0 : *std::max_element(skin.indices.begin(), skin.indices.end());
  while (colours.size() <= highest) {
    colours << (paintedTable[static_cast<std::size_t>(colours.size())] | 0xFF000000u);
  }
  image.setColorTable(colours);
  for (int y = 0; y < skin.height; ++y) {
    std::memcpy(image.scanLine(y), skin.indices.data() + static_cast<std::size_t>(y) * width,
                width);
  }
  return image;
}

QByteArray EncodePng(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (image.isNull() || !writer.write(image)) return {};
  return bytes;
}

}  // namespace

Expected<FileContent> SkinFile(const QString& path, const Bitmap& work, const Picture& picture,
                               const DisplayTable& paintedTable, int scale) {
  const QString fileName = QFileInfo(path).fileName();
  const QString type = QFileInfo(path).suffix().toLower();
  if (type != "png" && type != "bmp") {
    return Problem{("Cannot save " + fileName + ": a skin is saved as .png or .bmp").toStdString(),
                   NativePath(path)};
  }
  const int width = work.hasColourTable() ? work.width : picture.width;
  const int height = work.hasColourTable() ? work.height : picture.height;
  if (!ScaledSkinFits(width, height, scale)) {
    return Problem{QStringLiteral("Cannot save %1 at %2x: the skin would be %3 x %4 pixels, and "
                                  "a skin can have at most %5 pixels")
                       .arg(fileName)
                       .arg(scale)
                       .arg(static_cast<qint64>(width) * scale)
                       .arg(static_cast<qint64>(height) * scale)
                       .arg(kMaxBmpPixels)
                       .toStdString(),
                   NativePath(path)};
  }

  const Bitmap skin = PaintedSkin(work, picture, paintedTable, scale);
  if (type == "bmp") return FileContent{path, EncodeBmp(skin)};
  const QByteArray png = EncodePng(SkinImage(skin, paintedTable));
  if (png.isEmpty()) return CannotCreate(path);
  return ContentOf(path, png);
}

std::optional<Problem> WriteSkin(const QString& path, const Bitmap& work, const Picture& picture,
                                 const DisplayTable& paintedTable, int scale) {
  Expected<FileContent> file = SkinFile(path, work, picture, paintedTable, scale);
  if (!file) return std::move(file).problem();
  return WriteExportFile(file->path, file->bytes);
}

}  // namespace tintara

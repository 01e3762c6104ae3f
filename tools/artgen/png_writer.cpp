#include "png_writer.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace tintara::artgen {
namespace {

// Qt's own PNG writer, which compresses the flat pixel art and transparent margins well.
std::vector<std::uint8_t> Encode(int width, int height, const std::vector<std::uint32_t>& pixels,
                                 QImage::Format format) {
  const QImage image(reinterpret_cast<const uchar*>(pixels.data()), width, height,
                     width * static_cast<int>(sizeof(std::uint32_t)), format);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
  return {bytes.begin(), bytes.end()};
}

}  // namespace

std::vector<std::uint8_t> EncodePng(int width, int height,
                                    const std::vector<std::uint32_t>& pixels) {
  return Encode(width, height, pixels, QImage::Format_RGB32);
}

std::vector<std::uint8_t> EncodePngWithAlpha(int width, int height,
                                             const std::vector<std::uint32_t>& pixels) {
  return Encode(width, height, pixels, QImage::Format_ARGB32);
}

}  // namespace tintara::artgen

#include "png_writer.h"

#include <array>
#include <string_view>

#include "deflate.h"

namespace tintara::artgen {

namespace {

std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  static const std::array<std::uint32_t, 256> table = MakeCrcTable();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, std::string_view type,
              const std::vector<std::uint8_t>& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

std::vector<std::uint8_t> Encode(int width, int height, const std::vector<std::uint32_t>& pixels,
                                 bool alpha) {
  const int channels = alpha ? 4 : 3;
  std::vector<std::uint8_t> rows;
  rows.reserve(static_cast<std::size_t>(height) * (channels * width + 1));
  for (int y = 0; y < height; ++y) {
    rows.push_back(0);  // no filter
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = pixels[static_cast<std::size_t>(y * width + x)];
      rows.push_back(static_cast<std::uint8_t>(pixel >> 16));
      rows.push_back(static_cast<std::uint8_t>(pixel >> 8));
      rows.push_back(static_cast<std::uint8_t>(pixel));
      if (alpha) rows.push_back(static_cast<std::uint8_t>(pixel >> 24));
    }
  }
  std::vector<std::uint8_t> header;
  PutBigEndian(header, static_cast<std::uint32_t>(width));
  PutBigEndian(header, static_cast<std::uint32_t>(height));
  // 8 bits a channel, RGB or RGBA, deflate, no filter, no interlace.
  const std::uint8_t colourType = alpha ? 6 : 2;
  header.insert(header.end(), {8, colourType, 0, 0, 0});

  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", ZlibCompress(rows));
  PutChunk(png, "IEND", {});
  return png;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(int width, int height,
                                    const std::vector<std::uint32_t>& pixels) {
  return Encode(width, height, pixels, false);
}

std::vector<std::uint8_t> EncodePngWithAlpha(int width, int height,
                                             const std::vector<std::uint32_t>& pixels) {
  return Encode(width, height, pixels, true);
}

}  // namespace tintara::artgen

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tintara {

// A picture of display pixels (0xFFRRGGBB, the top byte ignored), rows top first, `stride`
// pixels from one row start to the next. This is QImage::Format_RGB32 as it lies in memory.
struct DisplayPixels {
  int width = 0;
  int height = 0;
  std::span<const std::uint32_t> pixels;
  int stride = 0;
};

// The largest width and height a JPEG file can have.
inline constexpr int kMaxJpegDimension = 65500;

constexpr bool FitsJpeg(int width, int height) {
  return width <= kMaxJpegDimension && height <= kMaxJpegDimension;
}

// Encodes the picture as a baseline colour JFIF file at quality 90 with the encoder's default
// settings (YCbCr, 2 x 2 chroma subsampling, standard Huffman tables, integer DCT). Nothing when
// the picture is empty, does not fit JPEG or its pixels do not cover width x height.
std::optional<std::vector<std::uint8_t>> EncodeJpeg(const DisplayPixels& picture);

// Hands the encoder row y of a picture, top first: a pointer to its width display pixels, which
// may be `buffer` filled with them. It must not throw.
using JpegRowSource = std::function<const std::uint32_t*(int y, std::uint32_t* buffer)>;

// The same for a picture drawn a row at a time, so that no whole picture need exist.
std::optional<std::vector<std::uint8_t>> EncodeJpegRows(int width, int height,
                                                        const JpegRowSource& rows);

// Takes the encoded file a piece at a time, in order; false fails the encoding. It must not
// throw.
using JpegByteSink = std::function<bool(std::span<const std::uint8_t> piece)>;

// The same again, with the file handed to the sink as it is made, so that it can be on its way
// to the disk before the encoding ends. False when the encoding or the sink failed.
bool EncodeJpegRowsTo(int width, int height, const JpegRowSource& rows, const JpegByteSink& sink);

}  // namespace tintara

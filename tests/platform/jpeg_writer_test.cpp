#include "platform/jpeg_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace tintara {
namespace {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xFFRRGGBB, no padding

  DisplayPixels view() const { return {width, height, pixels, width}; }
};

std::uint32_t Rgb(int r, int g, int b) {
  return 0xFF000000u | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}

// A standing figure as painted skins show one: a shaded head and body on a flat background, a
// dark outline and a belt. The edges are softened over a pixel or two, as a scaled or
// anti-aliased painting has them, so the picture is smooth with some edges.
Picture DrawFigure(int width, int height) {
  Picture sharp{width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
  const double cx = width / 2.0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double dx = (x + 0.5 - cx) / (width * 0.18);
      const double hy = (y + 0.5 - height * 0.12) / (height * 0.09);
      const double by = (y + 0.5 - height * 0.55) / (height * 0.4);
      const double bx = (x + 0.5 - cx) / (width * 0.4);
      const double head = dx * dx + hy * hy;
      const double body = bx * bx + by * by;
      std::uint32_t colour = Rgb(200, 210, 190);
      if (head < 1.0) {
        const int shade = int(60 * (1.0 - head));
        colour = Rgb(170 + shade, 120 + shade, 90 + shade / 2);
      } else if (head < 1.35) {
        colour = Rgb(30, 20, 20);
      } else if (body < 1.0) {
        const int shade = int(70 * (1.0 - body));
        const bool belt = std::abs(y - int(height * 0.55)) < 3;
        colour = belt ? Rgb(120, 80, 20) : Rgb(40 + shade, 60 + shade, 150 + shade);
      } else if (body < 1.15) {
        colour = Rgb(25, 25, 35);
      }
      sharp.pixels[std::size_t(y) * width + x] = colour;
    }
  }
  Picture soft = sharp;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int sums[3] = {};
      int count = 0;
      for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, height - 1); ++ny) {
        for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, width - 1); ++nx) {
          const std::uint32_t pixel = sharp.pixels[std::size_t(ny) * width + nx];
          sums[0] += int(pixel >> 16) & 0xFF;
          sums[1] += int(pixel >> 8) & 0xFF;
          sums[2] += int(pixel) & 0xFF;
          ++count;
        }
      }
      soft.pixels[std::size_t(y) * width + x] =
          Rgb(sums[0] / count, sums[1] / count, sums[2] / count);
    }
  }
  return soft;
}

struct JumpingErrors {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JumpingErrors*>(info->err)->escape, 1);
}

struct Decoded {
  int width = 0;
  int height = 0;
  int components = 0;
  bool progressive = true;
  bool sawJfif = false;
  int sampling[3][2] = {};  // h, v per component
  std::vector<std::uint8_t> rgb;
};

bool DecodeInto(const std::vector<std::uint8_t>& jpeg, Decoded* out) {
  jpeg_decompress_struct info{};
  JumpingErrors errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JumpBack;
  if (setjmp(errors.escape) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&info, TRUE);
  out->progressive = info.progressive_mode != 0;
  out->sawJfif = info.saw_JFIF_marker != 0;
  out->components = info.num_components;
  for (int c = 0; c < std::min(info.num_components, 3); ++c) {
    out->sampling[c][0] = info.comp_info[c].h_samp_factor;
    out->sampling[c][1] = info.comp_info[c].v_samp_factor;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  out->width = int(info.output_width);
  out->height = int(info.output_height);
  out->rgb.resize(std::size_t(info.output_width) * info.output_height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out->rgb.data() + std::size_t(info.output_scanline) * info.output_width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

std::optional<Decoded> Decode(const std::vector<std::uint8_t>& jpeg) {
  Decoded decoded;
  if (!DecodeInto(jpeg, &decoded)) return std::nullopt;
  return decoded;
}

// The way the picture used to be encoded: a 24-bit RGB copy handed to libjpeg at the same
// settings. The direct 32-bit path must give the very same bytes.
std::vector<std::uint8_t> EncodeRgbCopy(const Picture& p) {
  std::vector<std::uint8_t> rgb;
  for (const std::uint32_t pixel : p.pixels) {
    rgb.push_back(std::uint8_t(pixel >> 16));
    rgb.push_back(std::uint8_t(pixel >> 8));
    rgb.push_back(std::uint8_t(pixel));
  }
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(p.width);
  info.image_height = JDIMENSION(p.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 90, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = rgb.data() + std::size_t(info.next_scanline) * p.width * 3;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

double Psnr(const Picture& source, const Decoded& decoded) {
  double squares = 0;
  for (std::size_t i = 0; i < source.pixels.size(); ++i) {
    const std::uint32_t pixel = source.pixels[i];
    const int channels[3] = {int(pixel >> 16) & 0xFF, int(pixel >> 8) & 0xFF, int(pixel) & 0xFF};
    for (int c = 0; c < 3; ++c) {
      const double diff = channels[c] - decoded.rgb[i * 3 + c];
      squares += diff * diff;
    }
  }
  const double mse = squares / double(source.pixels.size() * 3);
  return 10.0 * std::log10(255.0 * 255.0 / mse);
}

TEST(EncodeJpeg, WritesBaselineJfifColourWithTwoByTwoChroma) {
  const Picture figure = DrawFigure(55, 144);
  const auto jpeg = EncodeJpeg(figure.view());
  ASSERT_TRUE(jpeg);
  const auto decoded = Decode(*jpeg);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, 55);
  EXPECT_EQ(decoded->height, 144);
  EXPECT_EQ(decoded->components, 3);
  EXPECT_FALSE(decoded->progressive);
  EXPECT_TRUE(decoded->sawJfif);
  EXPECT_EQ(decoded->sampling[0][0], 2);
  EXPECT_EQ(decoded->sampling[0][1], 2);
  for (int c = 1; c < 3; ++c) {
    EXPECT_EQ(decoded->sampling[c][0], 1) << "component " << c;
    EXPECT_EQ(decoded->sampling[c][1], 1) << "component " << c;
  }
  EXPECT_GT(Psnr(figure, *decoded), 35.0);
}

TEST(EncodeJpeg, DirectPixelsGiveTheSameBytesAsA24BitCopy) {
  const int sizes[][2] = {{1, 1}, {2, 3}, {5, 1}, {3, 5}, {17, 9}, {55, 144}, {130, 67}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(testing::Message() << size[0] << " x " << size[1]);
    const Picture figure = DrawFigure(size[0], size[1]);
    const auto jpeg = EncodeJpeg(figure.view());
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(*jpeg, EncodeRgbCopy(figure));
  }
}

// Rows handed out one at a time, from a buffer that is overwritten each time, give the same file.
TEST(EncodeJpeg, RowsDrawnOneAtATimeGiveTheSameBytes) {
  const Picture figure = DrawFigure(55, 144);
  const auto rows = EncodeJpegRows(55, 144, [&figure](int y, std::uint32_t* buffer) {
    std::copy_n(figure.pixels.data() + std::size_t(y) * 55, 55, buffer);
    return static_cast<const std::uint32_t*>(buffer);
  });
  ASSERT_TRUE(rows);
  EXPECT_EQ(*rows, EncodeJpeg(figure.view()).value());
}

// A file of several pieces reaches the sink whole and in order, and a sink that fails fails the
// encoding.
TEST(EncodeJpeg, PiecesHandedOnMakeTheSameFile) {
  // Noise, so that the file is larger than one piece.
  std::vector<std::uint32_t> noise(2048 * 1024);
  std::uint32_t state = 1;
  for (std::uint32_t& pixel : noise) pixel = state = state * 1664525u + 1013904223u;
  const auto rows = [&noise](int y, std::uint32_t*) {
    return noise.data() + std::size_t(y) * 2048;
  };
  std::vector<std::uint8_t> joined;
  int pieces = 0;
  ASSERT_TRUE(EncodeJpegRowsTo(2048, 1024, rows, [&](std::span<const std::uint8_t> piece) {
    joined.insert(joined.end(), piece.begin(), piece.end());
    return ++pieces > 0;
  }));
  EXPECT_GT(pieces, 1);
  EXPECT_EQ(joined, EncodeJpeg({2048, 1024, noise, 2048}).value());
  EXPECT_FALSE(EncodeJpegRowsTo(2048, 1024, rows, [](auto) { return false; }));
}

TEST(EncodeJpeg, ReadsRowsByStrideAndIgnoresTheTopByte) {
  const Picture figure = DrawFigure(21, 13);
  const int stride = 24;
  std::vector<std::uint32_t> padded(std::size_t(stride) * figure.height, 0x12345678u);
  for (int y = 0; y < figure.height; ++y) {
    for (int x = 0; x < figure.width; ++x) {
      // Only the colour bytes count; a transparent-looking top byte must change nothing.
      padded[std::size_t(y) * stride + x] =
          figure.pixels[std::size_t(y) * figure.width + x] & 0xFFFFFF;
    }
  }
  const auto jpeg = EncodeJpeg({figure.width, figure.height, padded, stride});
  ASSERT_TRUE(jpeg);
  EXPECT_EQ(*jpeg, EncodeRgbCopy(figure));
}

TEST(EncodeJpeg, RefusesPicturesItCannotEncode) {
  const std::vector<std::uint32_t> pixels(70000, 0xFF808080u);
  struct Case {
    const char* name;
    DisplayPixels picture;
  };
  const Case cases[] = {
      {"no width", {0, 4, pixels, 0}},
      {"no height", {4, 0, pixels, 4}},
      {"negative size", {-4, -4, pixels, 4}},
      {"stride below width", {8, 2, pixels, 7}},
      {"too few pixels", {100, 100, std::span(pixels).first(50), 100}},
      {"last row cut short", {100, 100, std::span(pixels).first(9999), 100}},
      {"wider than JPEG allows", {70000, 1, pixels, 70000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(EncodeJpeg(c.picture));
  }
}

}  // namespace
}  // namespace tintara

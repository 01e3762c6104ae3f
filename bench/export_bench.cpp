// Saving a painted picture as JPEG with its HTML page, against libjpeg alone on the same pixels.

#include <benchmark/benchmark.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "platform/jpeg_writer.h"
#include "sources/html_page.h"

namespace tintara {
namespace {

struct Side {
  const char* name;
  int width;
  int height;
};

constexpr std::array<Side, 3> kSides = {
    {{"skin", 55, 144}, {"1024", 1024, 1024}, {"4096", 4096, 4096}}};

constexpr char kCodeString[] = "9 223 120 33 2 4 5 6 7 8 10 11 12 13 14 39 ";

// A sprite sheet as painted skins look: figures of flat palette colours with dark outlines and
// dithered shading, tiled over the picture. Deterministic, so every run encodes the same pixels.
std::vector<std::uint32_t> DrawSprites(int width, int height) {
  constexpr std::array<std::uint32_t, 8> kColours = {0xFFC8D2BE, 0xFF1E1414, 0xFFC8A078,
                                                     0xFFA07850, 0xFF3C50A0, 0xFF6478C8,
                                                     0xFF785014, 0xFF191923};
  constexpr int kTileWidth = 55;
  constexpr int kTileHeight = 144;
  std::vector<std::uint32_t> pixels(std::size_t(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double tx = (x % kTileWidth + 0.5) / kTileWidth - 0.5;
      const double ty = (y % kTileHeight + 0.5) / kTileHeight;
      const double head = (tx * tx) / 0.01 + (ty - 0.12) * (ty - 0.12) / 0.008;
      const double body = (tx * tx) / 0.16 + (ty - 0.55) * (ty - 0.55) / 0.16;
      const bool dither = ((x ^ y) & 1) != 0;
      int colour = 0;
      if (head < 1.0) {
        colour = head < 0.5 && dither ? 3 : 2;
      } else if (head < 1.35) {
        colour = 1;
      } else if (body < 1.0) {
        colour = std::abs(ty - 0.55) < 0.02 ? 6 : (body < 0.5 && dither ? 5 : 4);
      } else if (body < 1.15) {
        colour = 7;
      }
      pixels[std::size_t(y) * width + x] = kColours[colour];
    }
  }
  return pixels;
}

// The floor: libjpeg alone, the same pixels and settings, into memory.
void EncodeWithLibjpeg(const std::vector<std::uint32_t>& pixels, int width, int height) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = 4;
  info.in_color_space = std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 90, TRUE);
  jpeg_start_compress(&info, TRUE);
  auto* const first = reinterpret_cast<JSAMPLE*>(const_cast<std::uint32_t*>(pixels.data()));
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = first + std::size_t(info.next_scanline) * width * 4;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  benchmark::DoNotOptimize(buffer);
  std::free(buffer);
}

void Jpeg(benchmark::State& state, Side side) {
  const std::vector<std::uint32_t> pixels = DrawSprites(side.width, side.height);
  for (auto _ : state) EncodeWithLibjpeg(pixels, side.width, side.height);
  state.SetItemsProcessed(state.iterations() * side.width * side.height);
}

// What a save does in memory: the JPEG bytes and the page's bytes.
void Export(benchmark::State& state, Side side) {
  const std::vector<std::uint32_t> pixels = DrawSprites(side.width, side.height);
  const DisplayPixels picture{side.width, side.height, pixels, side.width};
  QStringList lines;
  for (auto _ : state) {
    const auto jpeg = EncodeJpeg(picture);
    lines.clear();
    AddHtmlHead(lines, PageTitle("Red.jpg"));
    AddHtmlBody(lines, "Red.jpg", side.width, side.height, kCodeString);
    AddHtmlFoot(lines, QDateTime::currentDateTime());
    const QByteArray page = EncodePage(lines);
    benchmark::DoNotOptimize(jpeg);
    benchmark::DoNotOptimize(page.data());
  }
  state.SetItemsProcessed(state.iterations() * side.width * side.height);
}

const bool kRegistered = [] {
  for (const Side& side : kSides) {
    benchmark::RegisterBenchmark((std::string("jpeg/") + side.name).c_str(), Jpeg, side)
        ->Unit(benchmark::kMillisecond);
  }
  for (const Side& side : kSides) {
    benchmark::RegisterBenchmark((std::string("export/") + side.name).c_str(), Export, side)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace tintara

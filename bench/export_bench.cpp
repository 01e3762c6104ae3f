// Saving a painted picture as JPEG with its HTML page, against libjpeg alone on the same pixels.

#include <benchmark/benchmark.h>

#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "bench_pictures.h"
#include "formats/html_page.h"
#include "paint/recolour.h"
#include "platform/jpeg_writer.h"

namespace tintara {
namespace {

struct Side {
  const char* name;
  PictureSize size;
};

constexpr std::array<Side, 3> kSides = {
    {{"skin", kSkinSize}, {"1024", kSquare1024}, {"4096", kSquare4096}}};

constexpr char kCodeString[] = "9 223 120 33 2 4 5 6 7 8 10 11 12 13 14 39 ";

std::size_t PixelCount(PictureSize size) {
  return std::size_t(size.width) * std::size_t(size.height);
}

// The recolouring an edit does: slot colours, the chained table, the picture drawn into the
// display buffer.
void Recolour(PaintModel& model, std::vector<std::uint32_t>& display) {
  WriteSlotColours(model);
  DrawThroughTable(*model.work, MapColourTable(*model.work, model.loaded, model.mapped),
                   display.data());
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

// The floor: libjpeg alone on the painted pixels.
void Jpeg(benchmark::State& state, Side side) {
  PaintModel model = PaintedModel(side.size);
  std::vector<std::uint32_t> pixels(PixelCount(side.size));
  Recolour(model, pixels);
  for (auto _ : state) EncodeWithLibjpeg(pixels, side.size.width, side.size.height);
  state.SetItemsProcessed(state.iterations() * std::int64_t(PixelCount(side.size)));
}

// What a save does in memory: the recolouring that made the picture, the JPEG bytes and the
// page's bytes.
void Export(benchmark::State& state, Side side) {
  const auto [width, height] = side.size;
  PaintModel model = PaintedModel(side.size);
  std::vector<std::uint32_t> pixels(PixelCount(side.size));
  const DisplayPixels picture{width, height, pixels, width};
  PageLines lines;
  for (auto _ : state) {
    Recolour(model, pixels);
    const auto jpeg = EncodeJpeg(picture);
    lines.clear();
    AddHtmlHead(lines, PageTitle("Red.jpg"));
    AddHtmlBody(lines, "Red.jpg", width, height, kCodeString);
    AddHtmlFoot(lines, "07/12/2026 17:33:17");
    const std::vector<std::uint8_t> page = EncodePage(lines);
    benchmark::DoNotOptimize(jpeg);
    benchmark::DoNotOptimize(page.data());
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(PixelCount(side.size)));
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

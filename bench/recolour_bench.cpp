#include <benchmark/benchmark.h>

#include <QImage>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "bench_pictures.h"
#include "paint/indexed_draw.h"
#include "paint/recolour.h"

namespace tintara {
namespace {

std::size_t PixelCount(PictureSize size) {
  return std::size_t(size.width) * std::size_t(size.height);
}

void SetBytes(benchmark::State& state, PictureSize size) {
  state.SetBytesProcessed(std::int64_t(state.iterations()) *
                          std::int64_t(PixelCount(size) * sizeof(std::uint32_t)));
}

// The whole edit with the kernel given: slot colours into the mapped table, the chained table,
// the picture drawn through it into a display buffer that lives as long as the window does.
void Recolour(benchmark::State& state, PictureSize size, DrawKernel kernel) {
  const DrawKernel before = CurrentDrawKernel();
  UseDrawKernel(kernel);
  PaintModel model = PaintedModel(size);
  std::vector<std::uint32_t> display(PixelCount(size));
  for (auto _ : state) {
    WriteSlotColours(model);
    const DisplayTable table = MapColourTable(*model.work, model.loaded, model.mapped);
    DrawThroughTable(*model.work, table, display.data());
    benchmark::DoNotOptimize(display.data());
    benchmark::ClobberMemory();
  }
  SetBytes(state, size);
  UseDrawKernel(before);
}

// The floor: copying as many bytes as the recoloured picture holds.
void Memcpy(benchmark::State& state, PictureSize size) {
  const std::vector<std::uint32_t> source(PixelCount(size), 0xFF123456u);
  std::vector<std::uint32_t> target(PixelCount(size));
  for (auto _ : state) {
    std::memcpy(target.data(), source.data(), target.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  SetBytes(state, size);
}

// Qt's own way: an indexed image with the new colour table converted to display pixels.
void QtConvert(benchmark::State& state, PictureSize size) {
  PaintModel model = PaintedModel(size);
  WriteSlotColours(model);
  const DisplayTable table = MapColourTable(*model.work, model.loaded, model.mapped);
  const QList<QRgb> colours(table.begin(), table.end());
  QImage indexed(size.width, size.height, QImage::Format_Indexed8);
  for (int y = 0; y < size.height; ++y) {
    std::memcpy(indexed.scanLine(y), model.work->indices.data() + std::size_t(y) * size.width,
                std::size_t(size.width));
  }
  for (auto _ : state) {
    indexed.setColorTable(colours);
    QImage shown = indexed.convertToFormat(QImage::Format_RGB32);
    benchmark::DoNotOptimize(shown.constBits());
    benchmark::ClobberMemory();
  }
  SetBytes(state, size);
}

BENCHMARK_CAPTURE(Memcpy, skin, kSkinSize)->Name("memcpy/skin");
BENCHMARK_CAPTURE(Memcpy, 1024, kSquare1024)->Name("memcpy/1024");
BENCHMARK_CAPTURE(Memcpy, 4096, kSquare4096)->Name("memcpy/4096");
BENCHMARK_CAPTURE(QtConvert, skin, kSkinSize)->Name("qtconvert/skin");
BENCHMARK_CAPTURE(QtConvert, 1024, kSquare1024)->Name("qtconvert/1024");
BENCHMARK_CAPTURE(QtConvert, 4096, kSquare4096)->Name("qtconvert/4096");

// recolour_<kernel>/<side> for each kernel this processor runs.
const bool kRegistered = [] {
  for (const DrawKernel kernel : SupportedDrawKernels()) {
    for (const auto& [name, size] : {std::pair{"skin", kSkinSize}, std::pair{"1024", kSquare1024},
                                     std::pair{"4096", kSquare4096}}) {
      const std::string title =
          "recolour_" + std::string(DrawKernelName(kernel)) + "/" + std::string(name);
      benchmark::RegisterBenchmark(title.c_str(), Recolour, size, kernel);
    }
  }
  return true;
}();

}  // namespace
}  // namespace tintara

#include <benchmark/benchmark.h>

#include <QImage>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "bench_pictures.h"
#include "paint/colour_vision.h"
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

// The whole edit: slot colours into the mapped table, the chained table, the picture drawn
// through it into a display buffer that lives as long as the window does. The label names the
// kernel that drew it.
void Recolour(benchmark::State& state, PictureSize size) {
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
  state.SetLabel(std::string(DrawKernelName(DrawKernelFor(PixelCount(size)))));
}

// The same with the kernel given instead of the ones the program picks.
void RecolourWith(benchmark::State& state, PictureSize size, DrawKernel kernel) {
  const DrawKernels picked = CurrentDrawKernels();
  UseDrawKernels({kernel, kernel});
  Recolour(state, size);
  UseDrawKernels(picked);
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

// Switching the colour-vision view, and each repaint in it: the painted table simulated, its 256
// entries whatever the picture's size, beside the drawing that follows it.
void VisionTable(benchmark::State& state) {
  PaintModel model = PaintedModel(kSkinSize);
  WriteSlotColours(model);
  const DisplayTable table = MapColourTable(*model.work, model.loaded, model.mapped);
  for (auto _ : state) {
    DisplayTable simulated = SimulatedTable(Vision::Deuteranopia, table);
    benchmark::DoNotOptimize(simulated.data());
    benchmark::ClobberMemory();
  }
}

BENCHMARK(VisionTable)->Name("vision_table");
BENCHMARK_CAPTURE(Memcpy, skin, kSkinSize)->Name("memcpy/skin");
BENCHMARK_CAPTURE(Memcpy, 1024, kSquare1024)->Name("memcpy/1024");
BENCHMARK_CAPTURE(Memcpy, 4096, kSquare4096)->Name("memcpy/4096");
BENCHMARK_CAPTURE(QtConvert, skin, kSkinSize)->Name("qtconvert/skin");
BENCHMARK_CAPTURE(QtConvert, 1024, kSquare1024)->Name("qtconvert/1024");
BENCHMARK_CAPTURE(QtConvert, 4096, kSquare4096)->Name("qtconvert/4096");

// recolour/<side> with the kernel the program picks for that size, beside recolour_<kernel>/<side>
// for each kernel this processor runs.
const bool kRegistered = [] {
  constexpr std::pair<const char*, PictureSize> kSides[] = {
      {"skin", kSkinSize}, {"1024", kSquare1024}, {"4096", kSquare4096}};
  for (const auto& [name, size] : kSides) {
    benchmark::RegisterBenchmark(("recolour/" + std::string(name)).c_str(), Recolour, size);
  }
  for (const DrawKernel kernel : SupportedDrawKernels()) {
    for (const auto& [name, size] : kSides) {
      const std::string title =
          "recolour_" + std::string(DrawKernelName(kernel)) + "/" + std::string(name);
      benchmark::RegisterBenchmark(title.c_str(), RecolourWith, size, kernel);
    }
  }
  return true;
}();

}  // namespace
}  // namespace tintara

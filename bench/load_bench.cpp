#include <benchmark/benchmark.h>

#include <QImage>
#include <cstdint>
#include <vector>

#include "bench_pictures.h"
#include "platform/bmp_reader.h"
#include "platform/bmp_writer.h"

namespace tintara {
namespace {

// Our reader on a file's bytes already in memory.
void Load(benchmark::State& state, PictureSize size) {
  const std::vector<std::uint8_t> file = EncodeBmp(SpritePicture(size));
  for (auto _ : state) {
    Expected<Bitmap> bitmap = DecodeBmp(file);
    if (!bitmap) {
      state.SkipWithError("the picture did not decode");
      break;
    }
    benchmark::DoNotOptimize(bitmap->indices.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file.size()));
}

// Qt's reader on the same bytes.
void QtLoad(benchmark::State& state, PictureSize size) {
  const std::vector<std::uint8_t> file = EncodeBmp(SpritePicture(size));
  for (auto _ : state) {
    QImage image;
    if (!image.loadFromData(file.data(), int(file.size()), "BMP")) {
      state.SkipWithError("Qt did not decode the picture");
      break;
    }
    benchmark::DoNotOptimize(image.constBits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file.size()));
}

BENCHMARK_CAPTURE(Load, skin, kSkinSize)->Name("load/skin");
BENCHMARK_CAPTURE(Load, 1024, kSquare1024)->Name("load/1024");
BENCHMARK_CAPTURE(Load, 4096, kSquare4096)->Name("load/4096");
BENCHMARK_CAPTURE(QtLoad, skin, kSkinSize)->Name("qtload/skin");
BENCHMARK_CAPTURE(QtLoad, 1024, kSquare1024)->Name("qtload/1024");
BENCHMARK_CAPTURE(QtLoad, 4096, kSquare4096)->Name("qtload/4096");

}  // namespace
}  // namespace tintara

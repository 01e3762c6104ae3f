#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "paint/gallery_paint.h"

namespace tintara {
namespace {

// Every catalogue picture painted again for new codes, from the bitmaps the gallery read once,
// tables included, through the function the gallery paints with. Two code strings take turns, so
// that every round paints.
void Gallery(benchmark::State& state) {
  std::vector<GalleryPicture> pictures = ReadGalleryPictures(TINTARA_ART_DIR "/");
  std::int64_t pixels = 0;
  for (const GalleryPicture& picture : pictures) {
    if (!picture.loaded) {
      state.SkipWithError(picture.loaded.problem().message.c_str());
      return;
    }
    pixels += std::int64_t(picture.loaded->model.work->width) * picture.loaded->model.work->height;
  }
  const std::string codes[] = {"3 40 77 120 9 200 18 250 33 64 101 150 6 222 90 171 ",
                               "171 90 222 6 150 101 64 33 250 18 200 9 120 77 40 3 "};
  std::size_t turn = 0;
  for (auto _ : state) {
    if (PaintGalleryPictures(pictures, codes[turn ^= 1])) {
      state.SkipWithError("the codes did not read");
      break;
    }
    benchmark::DoNotOptimize(pictures.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * pixels *
                          std::int64_t(sizeof(std::uint32_t)));
  state.counters["pictures"] = double(pictures.size());
  state.counters["pixels"] = double(pixels);
}

BENCHMARK(Gallery)->Name("gallery/70");

}  // namespace
}  // namespace tintara

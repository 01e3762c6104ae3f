// Undo and redo against an edit, both through the command runner and the canvas as the window
// runs them.

#include <benchmark/benchmark.h>

#include "bench_pictures.h"
#include "paint/canvas.h"
#include "paint/command_runner.h"
#include "paint/commands.h"
#include "paint/painting.h"

namespace tintara {
namespace {

// The sprite picture loaded, and the picture the window would show of it.
struct Loaded {
  explicit Loaded(PictureSize size) : runner(LoadedDocument(SpritePicture(size))) {
    canvas.Show(runner.document());
  }
  CommandRunner runner;
  Canvas canvas{Picture{}};
};

// One edit as a drop makes it: the slot's code and colour, the recolouring, the step recorded,
// the picture drawn.
void Edit(benchmark::State& state, PictureSize size) {
  Loaded loaded(size);
  int code = 17;
  for (auto _ : state) {
    code = code == 17 ? 18 : 17;
    loaded.runner.Run(commands::DropSwatch(1, code, ""), loaded.runner.document().groups);
    loaded.canvas.Show(loaded.runner.document());
    benchmark::DoNotOptimize(loaded.canvas.picture().pixels.data());
  }
}

// One undo and one redo of such an edit, each drawn.
void UndoRedo(benchmark::State& state, PictureSize size) {
  Loaded loaded(size);
  loaded.runner.Run(commands::DropSwatch(1, 17, ""), loaded.runner.document().groups);
  for (auto _ : state) {
    loaded.runner.Undo();
    loaded.canvas.Show(loaded.runner.document());
    loaded.runner.Redo();
    loaded.canvas.Show(loaded.runner.document());
    benchmark::DoNotOptimize(loaded.canvas.picture().pixels.data());
  }
}

BENCHMARK_CAPTURE(Edit, skin, kSkinSize)->Name("edit/skin");
BENCHMARK_CAPTURE(Edit, 1024, kSquare1024)->Name("edit/1024");
BENCHMARK_CAPTURE(Edit, 4096, kSquare4096)->Name("edit/4096");
BENCHMARK_CAPTURE(UndoRedo, skin, kSkinSize)->Name("undo/skin");
BENCHMARK_CAPTURE(UndoRedo, 1024, kSquare1024)->Name("undo/1024");
BENCHMARK_CAPTURE(UndoRedo, 4096, kSquare4096)->Name("undo/4096");

}  // namespace
}  // namespace tintara

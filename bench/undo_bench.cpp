// Undo and redo against an edit, both through the paint session as the window runs them.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "bench_pictures.h"
#include "paint/paint_session.h"
#include "paint/reference_palette.h"
#include "platform/bmp_writer.h"
#include "platform/file_io.h"

namespace tintara {
namespace {

// A session that has loaded the sprite picture from a file of its own.
class LoadedSession {
 public:
  explicit LoadedSession(PictureSize size) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tintara_bench_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    const std::string path = (folder_ / "SPRITE.BMP").string();
    if (!WriteFileAtomically(path, EncodeBmp(SpritePicture(size)))) std::abort();
    session_.emplace(folder_.string() + "/", 1, Picture{});
    if (session_->LoadPaintImage(path).message) std::abort();
  }
  ~LoadedSession() { std::filesystem::remove_all(folder_); }

  PaintSession& session() { return *session_; }

 private:
  std::filesystem::path folder_;
  std::optional<PaintSession> session_;
};

// One edit as a drop makes it: the slot's code and colour, the recolouring, the step recorded.
void Edit(benchmark::State& state, PictureSize size) {
  LoadedSession loaded(size);
  int code = 17;
  for (auto _ : state) {
    code = code == 17 ? 18 : 17;
    loaded.session().DropSwatch(1, code, ReferenceColour(code));
    benchmark::DoNotOptimize(loaded.session().picture().pixels.data());
  }
}

// One undo and one redo of such an edit.
void UndoRedo(benchmark::State& state, PictureSize size) {
  LoadedSession loaded(size);
  loaded.session().DropSwatch(1, 17, ReferenceColour(17));
  for (auto _ : state) {
    loaded.session().Undo();
    loaded.session().Redo();
    benchmark::DoNotOptimize(loaded.session().picture().pixels.data());
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

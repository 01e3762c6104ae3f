#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QImage>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_pictures.h"
#include "platform/bmp_reader.h"
#include "platform/bmp_writer.h"
#include "platform/file_io.h"

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

// The picture as a file in the temporary folder, removed when done. After the first read it is in
// the system's cache, so that what is measured is the reader and not the disk.
class PictureFile {
 public:
  explicit PictureFile(PictureSize size) {
    path_ = (std::filesystem::temp_directory_path() / "tintara_load_XXXXXX").string();
    const int fd = ::mkstemp(path_.data());
    if (fd >= 0) ::close(fd);
    const std::vector<std::uint8_t> bytes = EncodeBmp(SpritePicture(size));
    written_ = fd >= 0 && WriteFileAtomically(path_, bytes);
    size_ = bytes.size();
  }
  ~PictureFile() { std::filesystem::remove(path_); }

  bool written() const { return written_; }
  const std::string& path() const { return path_; }
  std::size_t size() const { return size_; }

 private:
  std::string path_;
  bool written_ = false;
  std::size_t size_ = 0;
};

// Our reader on the file, from opening it to the decoded bitmap.
void LoadFile(benchmark::State& state, PictureSize size) {
  const PictureFile file(size);
  if (!file.written()) state.SkipWithError("the picture file could not be written");
  for (auto _ : state) {
    Expected<Bitmap> bitmap = ReadBmpFile(file.path());
    if (!bitmap) {
      state.SkipWithError("the picture file did not decode");
      break;
    }
    benchmark::DoNotOptimize(bitmap->indices.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file.size()));
}

// Qt's reader on the same file.
void QtLoadFile(benchmark::State& state, PictureSize size) {
  const PictureFile file(size);
  if (!file.written()) state.SkipWithError("the picture file could not be written");
  const QString path = QString::fromStdString(file.path());
  for (auto _ : state) {
    QImage image;
    if (!image.load(path, "BMP")) {
      state.SkipWithError("Qt did not decode the picture file");
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
BENCHMARK_CAPTURE(LoadFile, skin, kSkinSize)->Name("loadfile/skin");
BENCHMARK_CAPTURE(LoadFile, 1024, kSquare1024)->Name("loadfile/1024");
BENCHMARK_CAPTURE(LoadFile, 4096, kSquare4096)->Name("loadfile/4096");
BENCHMARK_CAPTURE(QtLoadFile, skin, kSkinSize)->Name("qtloadfile/skin");
BENCHMARK_CAPTURE(QtLoadFile, 1024, kSquare1024)->Name("qtloadfile/1024");
BENCHMARK_CAPTURE(QtLoadFile, 4096, kSquare4096)->Name("qtloadfile/4096");

}  // namespace
}  // namespace tintara

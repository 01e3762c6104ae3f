#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace tintara {

// An animated GIF through giflib, made in memory a frame at a time: every frame the whole picture
// with a colour table of its own, each shown for the same delay, looping forever.
class GifWriter {
 public:
  // A row of a frame: fills `row` with the picture's width of colour-table indices for row y.
  using RowSource = std::function<void(int y, std::span<std::uint8_t> row)>;

  // Frames of width x height pixels, each shown `delay` hundredths of a second.
  GifWriter(int width, int height, int delay);
  ~GifWriter();
  GifWriter(const GifWriter&) = delete;
  GifWriter& operator=(const GifWriter&) = delete;

  // Adds a frame through its table of 256 display pixels (0xFFRRGGBB); false when giflib failed,
  // after which every call fails.
  bool AddFrame(std::span<const std::uint32_t, 256> table, const RowSource& rows);
  // The file's bytes once every frame is added; nothing when giflib failed.
  std::optional<std::vector<std::uint8_t>> Finish();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace tintara

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "paint/recolour.h"
#include "platform/bitmap.h"
#include "platform/gif_writer.h"

namespace tintara {

// An animated GIF of one picture painted again and again, as `tintara paint` writes it: a frame a
// painting, each the work bitmap's indices through its painted table, so that an 8-bit skin's
// frames are exact, enlarged `scale` times (every pixel a square block), looping forever. With
// captions, each frame has its caption under the picture in the small font (tiny_font.h), cut to
// the picture's width, inked in the table's entry nearest to black on its entry nearest to white.
class GifAnimation {
 public:
  // Frames of a picture of width x height before scaling, each shown `delay` hundredths of a
  // second.
  GifAnimation(int width, int height, int scale, int delay, bool captions);

  // The pixels of one frame of such an animation.
  static std::uint64_t FramePixels(int width, int height, int scale, bool captions);
  // How many such frames an animation may hold: no more pixels in all than one picture may hold
  // (kMaxBmpPixels), so that a caller refuses a larger one before painting a frame.
  static std::size_t MostFrames(int width, int height, int scale, bool captions);

  // Adds the work bitmap (of the animation's size, with a colour table) through the table; false
  // when giflib failed.
  bool Add(const Bitmap& work, const DisplayTable& table, std::string_view caption);
  // The file's bytes; nothing when giflib failed.
  std::optional<std::vector<std::uint8_t>> Finish() { return gif_.Finish(); }

 private:
  int width_;
  int height_;
  int scale_;
  bool captions_;
  GifWriter gif_;
};

}  // namespace tintara

#include "formats/animation_limit.h"

#include <string>

#include "formats/gif_animation.h"
#include "platform/bmp_reader.h"

namespace tintara {

std::optional<Problem> AnimationRefusal(const Document& document, std::size_t frames, int scale,
                                        bool captions) {
  if (!HasPalette(document)) return std::nullopt;
  const Bitmap& work = *document.model.work;
  if (frames <= GifAnimation::MostFrames(work.width, work.height, scale, captions)) {
    return std::nullopt;
  }
  const std::uint64_t framePixels =
      GifAnimation::FramePixels(work.width, work.height, scale, captions);
  return Problem{"Cannot save the animation: its " + std::to_string(frames) +
                 " frames would hold " + std::to_string(framePixels * frames) +
                 " pixels, and an animation can hold at most " + std::to_string(kMaxBmpPixels) +
                 "; choose fewer entries or a smaller scale."};
}

}  // namespace tintara

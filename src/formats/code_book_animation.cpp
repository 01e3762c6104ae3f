#include "formats/code_book_animation.h"

#include <cmath>

#include "formats/gif_animation.h"
#include "paint/painting.h"
#include "platform/filled_text.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {

int FrameDelay(int rate) { return static_cast<int>(std::lround(100.0 / rate)); }

Expected<std::vector<std::uint8_t>> AnimateCodes(const Document& document,
                                                 std::span<const AnimatedCodes> frames, int rate,
                                                 int scale, bool captions) {
  if (!HasPalette(document)) {
    return Problem{Tr("Only a loaded picture with a colour table can be animated.")};
  }
  const Bitmap& work = *document.model.work;
  GifAnimation animation(work.width, work.height, scale, FrameDelay(rate), captions);
  for (const AnimatedCodes& frame : frames) {
    Expected<Document> painted = PaintedWithCodes(document, frame.codes);
    if (!painted) {
      return Problem{Filled(Tr("\"%s\": %s"), {ShownText(frame.name), painted.problem().message})};
    }
    if (!animation.Add(work, *PaintedTable(*painted), frame.name)) break;
  }
  if (std::optional<std::vector<std::uint8_t>> gif = animation.Finish()) return std::move(*gif);
  return Problem{Tr("The animation could not be encoded.")};
}

}  // namespace tintara

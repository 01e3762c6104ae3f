#pragma once

#include <memory>
#include <optional>

#include "paint/colour_vision.h"
#include "paint/document.h"
#include "paint/picture.h"

namespace tintara {

// The picture the user sees, drawn from a document: the design picture before the first load,
// else the work bitmap through its painted table. Views keep the picture it hands out: it is
// drawn again in place while its size stays, and only when what it shows changed; a picture of
// another size is a new one.
class Canvas {
 public:
  explicit Canvas(Picture designPicture);

  // Draws the document's picture, when it is not the one shown already.
  void Show(const Document& document);
  // Draws pictures from now on as the viewer sees them; the next Show draws again.
  void setVision(Vision vision) { vision_ = vision; }
  const Picture& picture() const { return *picture_; }
  std::shared_ptr<const Picture> sharedPicture() const { return picture_; }

  // The picture with the pixels of the slot's colour-table entry in black or white, whichever
  // stands out against their colour, to show what the slot paints; nothing when the slot has no
  // entry in the picture shown.
  std::shared_ptr<const Picture> MarkingSlot(const Document& document, int slot);

 private:
  std::shared_ptr<const Picture> design_;
  std::shared_ptr<Picture> picture_;
  std::shared_ptr<Picture> marked_;
  // What picture_ was drawn from: the bitmap, kept alive so that its address names it, and the
  // table.
  std::shared_ptr<const Bitmap> drawnWork_;
  std::optional<DisplayTable> drawnTable_;
  Vision vision_ = Vision::Normal;
};

}  // namespace tintara

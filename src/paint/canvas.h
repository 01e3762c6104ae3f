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
//
// Under a colour-vision view it keeps two pictures: the true one, which every file is written
// from, and the one the viewer is shown.
class Canvas {
 public:
  explicit Canvas(Picture designPicture);

  // Draws the document's pictures, where they are not the ones drawn already.
  void Show(const Document& document);
  // Shows pictures from now on as the viewer sees them; the next Show draws again.
  void setVision(Vision vision) { vision_ = vision; }
  Vision vision() const { return vision_; }
  // The picture in its true colours, whatever the view.
  const Picture& picture() const { return *picture_; }
  // The picture as the viewer sees it: the true one under normal vision.
  std::shared_ptr<const Picture> shownPicture() const { return shown_ ? shown_ : picture_; }

  // The shown picture with the pixels of the slot's colour-table entry in black or white,
  // whichever stands out against their colour, to show what the slot paints; nothing when the
  // slot has no entry in the picture shown.
  std::shared_ptr<const Picture> MarkingSlot(const Document& document, int slot);

 private:
  std::shared_ptr<const Picture> design_;
  std::shared_ptr<Picture> picture_;
  std::shared_ptr<Picture> shown_;  // only while a colour-vision view is on
  std::shared_ptr<Picture> marked_;
  // What picture_ and shown_ were drawn from: the bitmap, kept alive so that its address names
  // it, and the tables.
  std::shared_ptr<const Bitmap> drawnWork_;
  std::optional<DisplayTable> drawnTable_;
  std::optional<DisplayTable> shownTable_;
  Vision vision_ = Vision::Normal;
};

}  // namespace tintara

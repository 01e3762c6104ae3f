#include "paint/canvas.h"

#include "paint/painting.h"

namespace tintara {
namespace {

// Draws the bitmap through the table into the picture, which takes the bitmap's size; a new
// picture when the size changes, so that a view showing the old one keeps it whole.
void DrawInto(std::shared_ptr<Picture>& picture, const Bitmap& work, const DisplayTable& table) {
  if (picture == nullptr || picture->width != work.width || picture->height != work.height) {
    picture = std::make_shared<Picture>();
    if (!picture->Resize(work.width, work.height)) return;
  }
  DrawThroughTable(work, table, picture->pixels.data());
}

std::uint32_t StandingOut(std::uint32_t pixel) {
  const int luma =
      (299 * int((pixel >> 16) & 0xFF) + 587 * int((pixel >> 8) & 0xFF) + 114 * int(pixel & 0xFF)) /
      1000;
  return luma >= 128 ? 0xFF000000u : 0xFFFFFFFFu;
}

}  // namespace

Canvas::Canvas(Picture designPicture)
    : design_(std::make_shared<const Picture>(std::move(designPicture))),
      picture_(std::make_shared<Picture>(*design_)) {}

void Canvas::Show(const Document& document) {
  const std::optional<DisplayTable> table = PaintedTable(document);
  if (!table) {
    if (drawnWork_ == nullptr && drawnTable_ == std::nullopt) return;
    picture_ = std::make_shared<Picture>(*design_);
    shown_.reset();
    drawnWork_.reset();
    drawnTable_.reset();
    shownTable_.reset();
    return;
  }
  const bool drawn = drawnWork_ == document.model.work && drawnTable_ == table;
  if (!drawn) {
    DrawInto(picture_, *document.model.work, *table);
    drawnWork_ = document.model.work;
    drawnTable_ = table;
  }
  if (vision_ == Vision::Normal) {
    shown_.reset();
    shownTable_.reset();
    return;
  }
  const DisplayTable seen = SimulatedTable(vision_, *table);
  if (drawn && shown_ != nullptr && shownTable_ == seen) return;
  DrawInto(shown_, *document.model.work, seen);
  shownTable_ = seen;
}

std::shared_ptr<const Picture> Canvas::MarkingSlot(const Document& document, int slot) {
  std::optional<DisplayTable> table = SimulatedPaintedTable(document, vision_);
  const std::size_t index = static_cast<std::size_t>(Slot(document, slot).index);
  if (!table || !SlotShown(document, slot) || !document.model.work->hasColourTable() ||
      index >= table->size()) {
    return nullptr;
  }
  (*table)[index] = StandingOut((*table)[index]);
  // A view may still show the last marked picture: this one is drawn into it only when no view
  // holds it any more.
  if (marked_.use_count() > 1) marked_.reset();
  DrawInto(marked_, *document.model.work, *table);
  return marked_;
}

}  // namespace tintara

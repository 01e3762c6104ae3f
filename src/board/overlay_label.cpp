#include "board/overlay_label.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <optional>

#include "board/accessible_views.h"

namespace tintara {
namespace {

constexpr int kGap = 4;  // kept between the label and what it leaves uncovered
constexpr int kControlCost = 1;
constexpr int kPictureCost = 1000;

}  // namespace

OverlayLabel::OverlayLabel(QScrollArea* over) : QLabel(over->parentWidget()), over_(over) {
  // Before anything that may make an accessible interface: readers see some overlays their way.
  InstallAccessibleViews();
  setTextFormat(Qt::PlainText);  // file names and tokens, never markup
  setAutoFillBackground(true);
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  hide();
  over->installEventFilter(this);
  over->widget()->installEventFilter(this);
  parentWidget()->installEventFilter(this);
}

// Every other widget beside the label, by the region it covers; the picture by the part of it that
// shows, or the whole area while scroll bars show.
std::vector<CoveredPart> OverlayLabel::coveredParts() const {
  std::vector<CoveredPart> parts;
  for (const QWidget* child : parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child == this || child == over_ || child->isHidden() || child->isWindow()) continue;
    const QRegion mask = child->mask();
    if (mask.isEmpty()) {
      parts.push_back({child->geometry(), kControlCost});
      continue;
    }
    for (const QRect& rect : mask) parts.push_back({rect.translated(child->pos()), kControlCost});
  }
  const bool scrolls =
      over_->horizontalScrollBar()->isVisible() || over_->verticalScrollBar()->isVisible();
  const QWidget* viewport = over_->viewport();
  const QRect shown = over_->widget()->geometry() & viewport->rect();
  parts.push_back({scrolls ? over_->geometry()
                           : QRect(viewport->mapTo(parentWidget(), shown.topLeft()), shown.size()),
                   kPictureCost});
  return parts;
}

void OverlayLabel::place() {
  const QWidget* parent = parentWidget();
  const QRect seen = parent->visibleRegion().boundingRect();
  const QRect bounds = seen.isEmpty() ? parent->rect() : seen;
  const std::vector<CoveredPart> parts = coveredParts();
  std::optional<OverlayPlace> best;
  for (const QSize size : sizes()) {
    const OverlayPlace place = PlaceOverlay(size, bounds, parts, near(over_->geometry()), kGap);
    if (!best || place.cost < best->cost) best = place;
    if (best->cost == 0) break;
  }
  if (best) setGeometry(best->rect);
}

bool OverlayLabel::eventFilter(QObject* watched, QEvent* event) {
  const bool moved = event->type() == QEvent::Resize || event->type() == QEvent::Move;
  if (moved && isVisible()) place();
  return QLabel::eventFilter(watched, event);
}

}  // namespace tintara

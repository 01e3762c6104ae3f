#include "board/overlay_place.h"

#include <algorithm>
#include <limits>

namespace tintara {
namespace {

void SortUnique(std::vector<int>& values) {
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
}

long long SquaredDistance(const QRect& rect, QPoint point) {
  const long long dx = std::max({rect.left() - point.x(), point.x() - rect.right(), 0});
  const long long dy = std::max({rect.top() - point.y(), point.y() - rect.bottom(), 0});
  return dx * dx + dy * dy;
}

}  // namespace

// A box in free space can slide left and then up until it meets a part or the bounds, so free
// space is found among the boxes whose left and top edges meet one; the near point's own
// coordinates are tried too.
OverlayPlace PlaceOverlay(QSize size, QRect bounds, const std::vector<CoveredPart>& parts,
                          QPoint near, int gap) {
  size = size.boundedTo(bounds.size());
  std::vector<int> lefts{bounds.left(), bounds.right() + 1 - size.width(), near.x(),
                         near.x() - size.width()};
  std::vector<int> tops{bounds.top(), bounds.bottom() + 1 - size.height(), near.y(),
                        near.y() - size.height()};
  for (const CoveredPart& part : parts) {
    lefts.push_back(part.rect.right() + 1 + gap);
    lefts.push_back(part.rect.left() - gap - size.width());
    tops.push_back(part.rect.bottom() + 1 + gap);
    tops.push_back(part.rect.top() - gap - size.height());
  }
  SortUnique(lefts);
  SortUnique(tops);
  OverlayPlace best{QRect(bounds.topLeft(), size), std::numeric_limits<long long>::max()};
  long long bestDistance = std::numeric_limits<long long>::max();
  for (const int left : lefts) {
    for (const int top : tops) {
      const QRect box(QPoint(left, top), size);
      if (!bounds.contains(box)) continue;
      long long cost = 0;
      for (const CoveredPart& part : parts) {
        const QRect covered = part.rect.adjusted(-gap, -gap, gap, gap) & box;
        if (!covered.isEmpty()) cost += 1LL * covered.width() * covered.height() * part.cost;
        if (cost > best.cost) break;
      }
      const long long distance = SquaredDistance(box, near);
      if (cost < best.cost || (cost == best.cost && distance < bestDistance)) {
        best = {box, cost};
        bestDistance = distance;
      }
    }
  }
  return best;
}

}  // namespace tintara

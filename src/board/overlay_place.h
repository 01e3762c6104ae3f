#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace tintara {

// A part of a window that words laid over it should leave uncovered, and what covering one of its
// pixels costs: more for a picture than for a control.
struct CoveredPart {
  QRect rect;
  int cost = 1;
};

struct OverlayPlace {
  QRect rect;
  long long cost = 0;  // 0: in free space
};

// Where a box of `size` lies within `bounds`: in free space, kept `gap` away from every part,
// nearest to `near`, where there is such a place; else where covering costs least.
OverlayPlace PlaceOverlay(QSize size, QRect bounds, const std::vector<CoveredPart>& parts,
                          QPoint near, int gap);

}  // namespace tintara

#pragma once

#include "paint/paint_model.h"

namespace tintara {

enum class LoadOutcome {
  NoColourTable,  // the bitmap became the work bitmap and no slot is located; codes stay
  SlotsLocated,   // colour tables, marker set and all 16 slot records were rewritten
};

// The model's share of loading a paintable image: takes the bitmap as the work bitmap, copies its
// colour table into the loaded and mapped tables, chooses the marker set and locates every slot
// (the highest matching position wins; the fallback colour is searched only when the marker is
// absent and keeps the marker's code and colour).
LoadOutcome AdoptLoadedBitmap(PaintModel& model, Bitmap bitmap);

}  // namespace tintara

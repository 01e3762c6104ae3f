#pragma once

#include <QRect>

class QPainter;

namespace tintara {

// The mark of a slot locked against random codes: a tiny padlock in the top right corner of
// `swatch`, black on a white outline so that it reads on every colour under it.
void DrawLockMark(QPainter& painter, QRect swatch);

}  // namespace tintara

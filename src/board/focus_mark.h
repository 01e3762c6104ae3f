#pragma once

#include <QRect>

class QPainter;

namespace tintara {

// The mark of what the keyboard works on inside a control: a dotted rectangle, black dots on
// white, which shows on every colour under it.
void DrawFocusMark(QPainter& painter, QRect mark);

}  // namespace tintara

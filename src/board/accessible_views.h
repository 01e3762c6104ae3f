#pragma once

#include <functional>

class QWidget;

namespace tintara {

// Registers how screen readers see the views: the swatch board as a table of its swatches, the
// slot panel as a list of its shown slots followed by its other controls, a caption button
// as a button, a notice as an alert, and a combo box named by its label. Qt keeps the first
// interface it makes for an object, and makes one as soon as a control's name or text changes: each
// view calls this before it makes its controls. Calling it again does nothing.
void InstallAccessibleViews();

// Tells screen readers that `part` (a swatch, a slot) of a view that has the focus has it.
void ReportFocusedPart(QWidget* part);

// The same once the focus has come to `view`: Qt reports the view itself after its focusInEvent
// returns, and the reader should end on the part the keys work on. `part` may give none.
void ReportFocusedPartAfterFocusIn(QWidget* view, std::function<QWidget*()> part);

}  // namespace tintara

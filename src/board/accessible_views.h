#pragma once

namespace tintara {

// Registers how screen readers see the views: the swatch board as a table of its swatches, the
// slot panel as a list of its shown slots followed by its other controls, and a caption button
// as a button. Qt keeps the first interface it makes for an object, and makes one as soon as a
// control's name or text changes: each view calls this before it makes its controls. Calling it
// again does nothing.
void InstallAccessibleViews();

}  // namespace tintara

#pragma once

namespace tintara {

// Registers how screen readers see the program's child windows (the gallery, the code book, the
// compare window): as frames named by their titles, where Qt would show a plain widget as a
// filler. Qt keeps the first interface it makes for an object: each window calls this before it
// makes its controls. Calling it again does nothing.
void InstallAccessibleWindows();

}  // namespace tintara

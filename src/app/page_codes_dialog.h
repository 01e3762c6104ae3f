#pragma once

#include "app/file_dialog.h"

namespace tintara {

// The open dialog of "Load Codes from Page...", offering HTML pages first and then any file.
FileDialog PageCodesDialog();

}  // namespace tintara

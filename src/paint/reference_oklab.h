#pragma once

#include <array>

#include "paint/oklab.h"

namespace tintara {

// Every code's reference colour in OKLab, indexed by code, worked out once.
const std::array<Oklab, 256>& ReferenceOklab();

}  // namespace tintara

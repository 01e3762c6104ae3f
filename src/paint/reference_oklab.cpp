#include "paint/reference_oklab.h"

#include "paint/reference_palette.h"

namespace tintara {

const std::array<Oklab, 256>& ReferenceOklab() {
  static const std::array<Oklab, 256> table = [] {
    std::array<Oklab, 256> lab{};
    for (std::size_t code = 0; code < lab.size(); ++code) {
      lab[code] = OklabOf(kReferencePalette[code]);
    }
    return lab;
  }();
  return table;
}

}  // namespace tintara

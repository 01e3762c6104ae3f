#include "paint/skin_tones.h"

#include <algorithm>
#include <iterator>

namespace tintara {

bool KeptToSkinTones(int group, bool anyColourForSkin) {
  return group == kSkinGroup && !anyColourForSkin;
}

std::vector<std::int32_t> CodesForGroup(int group, std::span<const std::int32_t> codes,
                                        bool anyColourForSkin) {
  if (!KeptToSkinTones(group, anyColourForSkin)) return {codes.begin(), codes.end()};
  std::vector<std::int32_t> tones;
  std::copy_if(codes.begin(), codes.end(), std::back_inserter(tones), [](std::int32_t code) {
    return std::find(kSkinTones.begin(), kSkinTones.end(), code) != kSkinTones.end();
  });
  return tones;
}

}  // namespace tintara

#pragma once

#include <string_view>
#include <vector>

namespace tintara {

// Every picture the body buttons and the catalogue load, each file once: the bodies, then the
// heads, then the accessories, each in the order the buttons and the catalogue list them.
std::vector<std::string_view> CataloguePictures();

}  // namespace tintara

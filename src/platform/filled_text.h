#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tintara {

// A message with its values put in: each "%s" takes the next value, "%2$s" the second (a
// translation may need them in another order), "%%" is a percent sign. Values are put in as they
// are, never read as further placeholders.
std::string Filled(std::string_view text, std::initializer_list<std::string_view> values);

}  // namespace tintara

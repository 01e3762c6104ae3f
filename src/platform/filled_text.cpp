#include "platform/filled_text.h"

#include <vector>

namespace tintara {

std::string Filled(std::string_view text, std::initializer_list<std::string_view> values) {
  const std::vector<std::string_view> given(values);
  std::string filled;
  std::size_t next = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t percent = text.find('%', at);
    filled.append(text.substr(at, percent - at));
    if (percent == std::string_view::npos) break;
    std::size_t after = percent + 1;
    std::size_t index = next;
    // "%N$s": the Nth value.
    std::size_t digits = after;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
    if (digits > after && digits - after <= 2 && digits < text.size() && text[digits] == '$') {
      index = std::stoul(std::string(text.substr(after, digits - after))) - 1;
      after = digits + 1;
    }
    if (after < text.size() && text[after] == 's' && index < given.size()) {
      filled.append(given[index]);
      next = index + 1;
      at = after + 1;
    } else if (after < text.size() && text[after] == '%') {
      filled.push_back('%');
      at = after + 1;
    } else {
      // Not a placeholder of a value given: kept as it stands.
      filled.push_back('%');
      at = percent + 1;
    }
  }
  return filled;
}

}  // namespace tintara

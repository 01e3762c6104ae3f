#include "cli/local_time_stamp.h"

#include <ctime>

namespace tintara {

std::string LocalTimeStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return {};
  const bool midnight = local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0;
  char text[128];
  const std::size_t length = std::strftime(text, sizeof text, midnight ? "%x" : "%x %X", &local);
  return std::string(text, length);
}

}  // namespace tintara

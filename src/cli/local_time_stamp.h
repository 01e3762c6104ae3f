#pragma once

#include <string>

namespace tintara {

// The time now as the foot of a page words it: the local date and time in the C library's
// formats for them (LC_TIME); the time is left out at exactly midnight.
std::string LocalTimeStamp();

}  // namespace tintara

#pragma once

#include <stdexcept>
#include <string>

namespace tintara {

// An error the user is told about: the application's error report shows its message in a box
// and the event loop goes on. The operation that raised it stops where it stood.
class UserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tintara

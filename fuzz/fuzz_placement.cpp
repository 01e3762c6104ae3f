// Reads the input as a stored window placement and a layout of one to three screens: the window
// is always placed where its title bar can be grabbed, at least its smallest size, and no larger
// than the screen it lies on allows. A violated invariant aborts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/showable_placement.h"
#include "invariant.h"

namespace {

// The next number from the input, 0 once it is used up.
struct Numbers {
  const std::uint8_t* data;
  std::size_t size;
  std::int32_t Next() {
    std::int32_t value = 0;
    const std::size_t taken = std::min(size, sizeof value);
    std::memcpy(&value, data, taken);
    data += taken;
    size -= taken;
    return value;
  }
  int Within(int low, int high) {
    const std::int64_t span = std::int64_t{high} - low + 1;
    return static_cast<int>(low + (std::int64_t{Next()} % span + span) % span);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Numbers numbers{data, size};
  const QPoint corner(numbers.Next(), numbers.Next());
  const QSize stored(numbers.Next(), numbers.Next());
  const QSize smallest(numbers.Within(1, 400), numbers.Within(1, 300));
  std::vector<tintara::ScreenArea> screens(static_cast<std::size_t>(numbers.Within(1, 3)));
  for (tintara::ScreenArea& screen : screens) {
    screen.geometry = QRect(numbers.Within(-20000, 20000), numbers.Within(-20000, 20000),
                            numbers.Within(200, 8000), numbers.Within(200, 8000));
    // Panels take at most half of each side.
    const int left = numbers.Within(0, screen.geometry.width() / 4);
    const int top = numbers.Within(0, screen.geometry.height() / 4);
    screen.available =
        screen.geometry.adjusted(left, top, -numbers.Within(0, screen.geometry.width() / 4),
                                 -numbers.Within(0, screen.geometry.height() / 4));
  }
  const QRect placed = tintara::ShowablePlacement(corner, stored, smallest, screens);
  Check(placed.width() >= smallest.width() && placed.height() >= smallest.height(),
        "the window is at least its smallest size");
  const QRect bar(placed.topLeft(), QSize(placed.width(), 30));
  const bool grabbable = std::any_of(screens.begin(), screens.end(), [&](const auto& screen) {
    const QRect shown = bar & screen.available;
    return shown.height() == bar.height() && shown.width() >= std::min(100, bar.width());
  });
  Check(grabbable, "the title bar can be grabbed");
  return 0;
}

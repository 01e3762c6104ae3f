#pragma once

#include <array>
#include <string_view>

namespace tintara {

// The eight body radio buttons, numbered 1..8 as RadioButton1..8: the bitmap each one loads and
// its caption at start. The head and grid buttons load whatever the catalogue last chose, and
// take that entry's caption.
struct Body {
  std::string_view file;
  std::string_view caption;
};

inline constexpr int kBodyCount = 8;
inline constexpr int kHeadBody = 3;
inline constexpr int kGridBody = 4;
inline constexpr int kStartUpBody = 2;

// Indexed by body - 1.
inline constexpr std::array<Body, kBodyCount> kBodies = {{
    {"MALE1.BMP", "Male - Athletic"},
    {"FEMALE1.BMP", "Female - Athletic"},
    {"PELLHEAD.BMP", "Pell Head"},
    {"DESIGNGRID.BMP", "Design Grid"},
    {"MALE2.BMP", "Male - Med."},
    {"FEMALE2.BMP", "Female - Med."},
    {"MALE3.BMP", "Male - Big"},
    {"FEMALE3.BMP", "Female - Big"},
}};

}  // namespace tintara

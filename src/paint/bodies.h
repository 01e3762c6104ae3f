#pragma once

#include <array>
#include <string_view>

#include "paint/artwork_files.h"

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
    {artwork_files::kMale1, "Male - Athletic"},
    {artwork_files::kFemale1, "Female - Athletic"},
    {artwork_files::kPellHead, "Pell Head"},
    {artwork_files::kDesignGrid, "Design Grid"},
    {artwork_files::kMale2, "Male - Med."},
    {artwork_files::kFemale2, "Female - Med."},
    {artwork_files::kMale3, "Male - Big"},
    {artwork_files::kFemale3, "Female - Big"},
}};

}  // namespace tintara

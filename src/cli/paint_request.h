#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tintara {

// One code string to paint with, and where it came from for messages ("codes.txt:3: ").
struct CodeString {
  std::string text;
  int line = 1;
  std::string origin;
};

// What `tintara paint` was asked to do. Paths are as the operating system takes them.
struct PaintRequest {
  std::vector<std::string> inputs;
  std::vector<CodeString> codeStrings;  // none: random codes
  std::uint32_t seed = 0;
  std::string pattern;
  std::string type;  // "png", "bmp" or "jpg"
  int scale = 1;
  bool page = false;
  int jobs = 1;  // paintings made at once
};

}  // namespace tintara

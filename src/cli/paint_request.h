#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "formats/picture_kind.h"
#include "paint/colour_vision.h"
#include "paint/document.h"
#include "paint/harmony.h"

namespace tintara {

class CodesFile;

// One code string to paint with, and where it came from for messages (line 3 of "codes.txt"); a
// line that could not be read as one comes with its problem instead.
struct CodeString {
  std::string text;
  std::optional<std::string> label;  // the name after the line's " # ", when it has one
  int line = 1;
  std::string file;  // the codes file as messages name it; empty for the code string given
  std::optional<std::string> problem;
};

// What `tintara paint` was asked to do. Paths are as the operating system takes them.
struct PaintRequest {
  std::vector<std::string> inputs;
  // The code string given, or the codes file read a line at a time; neither: random codes.
  std::optional<std::string> codes;
  std::optional<std::string> codesFile;
  // Standard input as the codes file, open from the request's checks on, which read its first code
  // strings ahead; it is read once, as it comes, each code string painted on every input in turn.
  std::shared_ptr<CodesFile> standardInput;
  std::uint32_t seed = 0;
  // How random codes roll, and the slots that keep the codes the input loads with.
  RandomCodeSettings randomCodes;
  SlotLocks locks{};
  // Rolls of random codes, each from the next seed.
  std::uint32_t count = 1;
  // The slots whose groups are shaded from them once the codes are painted, one a group.
  std::vector<int> shades;
  std::string pattern;
  PictureKind kind = PictureKind::Png;  // of every output
  int scale = 1;
  bool page = false;
  int delay = 50;  // a .gif output's frames, in hundredths of a second
  // The view the outputs are written in: the painted table simulated, for guides.
  Vision vision = Vision::Normal;
  int jobs = 1;          // paintings made at once
  bool verbose = false;  // each file written is told on the standard output
};

}  // namespace tintara

#pragma once

#include <array>

namespace tintara {

// The controls whose hints "Hide Hints" switches, in the order they are switched, with their
// hints. Board swatches and the skin caption are not among them and always show theirs.
struct SwitchedHint {
  const char* control;
  const char* hint;
};

inline constexpr std::array<SwitchedHint, 10> kSwitchedHints = {{
    {"Edit1", "Paste or edit codes here and click \"Apply Color Codes\" or copy for other use."},
    {"SampleColor", "Last selected color"},
    {"BRevert", "Reload an unpainted image"},
    {"Button1", "Generate random codes - see check boxes below"},
    {"BOldColors", "Read codes from edit box and apply to image"},
    {"DBGroup1", "Check to allow random codes to Group 1"},
    {"DBGroup2", "Check to allow random codes to Group 2"},
    {"DBGroup3", "Check to allow random codes to Group 3"},
    {"DBGroup4", "Check to allow random codes to Group 4"},
    {"BitBtn1", "Restore last color codes"},
}};

}  // namespace tintara

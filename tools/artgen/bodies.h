#pragma once

#include <array>
#include <string>
#include <vector>

#include "figure.h"
#include "palette.h"
#include "platform/bitmap.h"

namespace tintara::artgen {

inline constexpr int kBodyWidth = 55;
inline constexpr int kBodyHeight = 144;

// The proportions of one standing figure, in pixels: half widths across the body, radii of limbs.
struct Build {
  bool female = false;
  double head = 7;  // half width of the head
  double neck = 3;
  double shoulder = 15;
  double chest = 13;
  double waist = 10;
  double hip = 11;
  double knee = 3.5;  // half width of one leg at the knee
  double ankle = 2.5;
  double upperArm = 3.5;  // radius at the shoulder
  double forearm = 3;     // radius at the elbow
  double belly = 0;       // how far a belly bulges beyond the waist
};

// The fixed colours of one figure.
struct Looks {
  std::array<Colour, entry::kHairShades> hair;  // dark to light
  Colour eyes;
  Colour lips;
};

struct BodyDesign {
  std::string fileName;
  Build build;
  Looks looks;
};

const std::vector<BodyDesign>& Bodies();

Figure BodyFigure(const Build& build);

// A body with its code slots marked with marker set 1.
Bitmap DrawBody(const BodyDesign& body);

// The grey mannequin shown before any picture is loaded.
Bitmap DrawMannequin();

// The colour table every body shares before its own hair, eye and lip colours are set.
ArtworkPalette BodyColourTable(const Looks& looks);

}  // namespace tintara::artgen

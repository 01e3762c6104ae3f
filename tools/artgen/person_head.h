#pragma once

#include "artwork.h"
#include "head_parts.h"

namespace tintara::artgen {

// Hair over the forehead.
enum class Fringe { None, Straight, Swept, Parted, Spiky };
// Hair behind the head and beside the face.
enum class HairBack { None, Short, Bob, Long, Flowing };
// What stands on or off the head.
enum class HairTop { None, Spikes, Bun, Mohawk, Ponytail, Pigtails, Afro, Tufts, Quiff, Braids };

enum class Face { Realistic, Anime };

// Things a person wears on the face or head.
struct Trimmings {
  bool mask = false;  // a domino mask in the clothing's colour
  bool tiara = false;
  bool circlet = false;
  bool pointedEars = false;
  bool earrings = false;
  bool beard = false;
  bool moustache = false;
  bool glasses = false;
  bool clownFace = false;  // red nose, painted smile
  bool wings = false;      // butterfly wings behind the head, with feelers
  bool wolfEars = false;   // pointed animal ears in the hair's colour
};

// Everything that sets one person's head apart from another.
struct PersonStyle {
  const char* fileName = "";
  Face face = Face::Realistic;
  bool female = false;
  double halfWidth = 14;  // of the skull
  double halfHeight = 16;
  double chin = 0;  // 0: a rounded jaw, 1: a pointed chin
  Fringe fringe = Fringe::None;
  HairBack back = HairBack::Short;
  HairTop top = HairTop::None;
  int spikes = 7;  // for spikes and spiky fringes
  double spikeLength = 5;
  double spikeTilt = 0;  // turns the spikes, in radians; positive sweeps them right
  double volume = 1.5;   // how far the hair stands off the skull
  int hair = material::kGroup1;
  Neckline neckline = Neckline::Round;
  Trimmings trimmings{};
};

ArtworkDesign DrawPerson(const PersonStyle& style);

}  // namespace tintara::artgen

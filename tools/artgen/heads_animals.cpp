// The animal heads: furry heads from one set of features, and birds.

#include <utility>

#include "head_parts.h"
#include "heads.h"
#include "paint/artwork_files.h"

namespace tintara::artgen {

namespace {

using namespace material;

constexpr double kC = kHeadAxis;

enum class EarShape { Long, Round, Pointed, Floppy, Small };
enum class Snout { Cat, Bear, Dog, Bunny, Ferret };
enum class Neckwear { None, Collar, Bow };
enum class Markings { None, Stripes, Mask, Patch, Ruff };

// What sets one furry head apart from another.
struct Beast {
  const char* fileName;
  double halfWidth;
  double halfHeight;
  EarShape ears;
  Snout snout;
  Markings markings;
  Neckwear neckwear;
  bool slitEyes;
};

constexpr double kCentreY = 28;

void AddEars(const Beast& b, Figure& figure) {
  const double top = kCentreY - b.halfHeight;
  std::vector<Shape> outer;
  std::vector<Shape> inner;
  switch (b.ears) {
    case EarShape::Long:
      outer = BothSides({Capsule{{kC - 6, top + 6}, {kC - 9, 3}, 3.8, 3.2}});
      inner = BothSides({Capsule{{kC - 6, top + 4}, {kC - 8.7, 4.5}, 1.6, 1.4}});
      break;
    case EarShape::Round:
      outer = BothSides({Ellipse{{kC - b.halfWidth + 2, top + 3}, 5, 5}});
      inner = BothSides({Ellipse{{kC - b.halfWidth + 2, top + 3.5}, 2.5, 2.5}});
      break;
    case EarShape::Pointed:
      outer = BothSides({Polygon{{{kC - b.halfWidth - 0.5, kCentreY - 2},
                                  {kC - b.halfWidth + 1, top - 6},
                                  {kC - 3, top + 2}}}});
      inner = BothSides({Polygon{{{kC - b.halfWidth + 2, kCentreY - 5},
                                  {kC - b.halfWidth + 2, top - 2},
                                  {kC - 6, top + 3}}}});
      break;
    case EarShape::Small:
      outer = BothSides({Ellipse{{kC - b.halfWidth + 3, top + 3}, 3.5, 3.5}});
      inner = BothSides({Ellipse{{kC - b.halfWidth + 3, top + 3.5}, 1.6, 1.6}});
      break;
    case EarShape::Floppy:
      return;  // they hang in front of the head
  }
  Part ears = MakePart(outer, kGroup2);
  ears.contour = true;
  figure.parts.push_back(ears);
  Part insides = MakePart(inner, kAccent, Lighting::Flat);
  insides.lightest = 3;
  figure.parts.push_back(insides);
}

void AddMarkings(const Beast& b, Figure& figure) {
  const double top = kCentreY - b.halfHeight;
  switch (b.markings) {
    case Markings::None:
      return;
    case Markings::Stripes:
      for (const double x : {-3.0, 0.0, 3.0}) {
        AddLine(figure, {kC + x, top + 1}, {kC + x * 0.7, top + 6}, kGroup1, 1);
      }
      for (const int side : {-1, 1}) {
        for (const double y : {kCentreY + 1, kCentreY + 4}) {
          AddLine(figure, {kC + side * (b.halfWidth + 0.5), y},
                  {kC + side * (b.halfWidth - 4), y + 1}, kGroup1, 1);
        }
      }
      return;
    case Markings::Mask: {
      Part mask = MakePart(BothSides({Ellipse{{kC - 6, kCentreY - 2}, 5.5, 3.5}}), kGroup1);
      mask.shapes.push_back(Ellipse{{kC, kCentreY - 2.5}, 3, 1.5});
      figure.parts.push_back(mask);
      return;
    }
    case Markings::Patch: {
      Part patch = MakePart({Ellipse{{kC + 6, kCentreY - 3}, 5, 5}}, kGroup1, Lighting::Dome);
      patch.lightest = 3;
      figure.parts.push_back(patch);
      return;
    }
    case Markings::Ruff: {
      Part ruff = MakePart({}, kGroup2);
      for (int i = 0; i < 4; ++i) {
        ruff.shapes.push_back(Polygon{{{kC - b.halfWidth + 1, kCentreY - 2 + i * 4.0},
                                       {kC - b.halfWidth - 5, kCentreY + 1 + i * 4.0},
                                       {kC - b.halfWidth + 2, kCentreY + 3 + i * 4.0}}});
      }
      ruff.shapes = BothSides(ruff.shapes);
      ruff.brightness = 0.2;
      figure.parts.push_back(ruff);
      return;
    }
  }
}

void AddSnout(const Beast& b, Figure& figure) {
  const double y = kCentreY + 5;
  Part muzzle = MakePart({}, kAccent2, Lighting::Dome);
  switch (b.snout) {
    case Snout::Cat:
    case Snout::Bunny:
      muzzle.shapes = BothSides({Ellipse{{kC - 2.5, y + 0.5}, 3.2, 2.8}});
      break;
    case Snout::Bear:
      muzzle.shapes = {Ellipse{{kC, y}, 6, 4.5}};
      break;
    case Snout::Dog:
      muzzle.shapes = {Ellipse{{kC, y + 1}, 6.5, 5.5}};
      break;
    case Snout::Ferret:
      muzzle.shapes = {Ellipse{{kC, y + 1}, 5, 4}};
      break;
  }
  muzzle.darkest = 1;
  figure.parts.push_back(muzzle);

  const bool big = b.snout == Snout::Bear || b.snout == Snout::Dog;
  Part nose = MakePart({Polygon{{{kC - (big ? 3 : 1.8), y - 2.5},
                                 {kC + (big ? 3 : 1.8), y - 2.5},
                                 {kC, y + (big ? 0.5 : -0.5)}}}},
                       big ? kPupil : kAccent, Lighting::Flat);
  nose.lightest = 2;
  figure.parts.push_back(nose);
  AddLine(figure, {kC, y}, {kC, y + 2}, kInk);
  AddLine(figure, {kC - 1, y + 3}, {kC - 3, y + 2}, kInk);
  AddLine(figure, {kC + 1, y + 3}, {kC + 3, y + 2}, kInk);
  if (b.snout == Snout::Bunny) {
    Part teeth = MakePart(
        {Polygon{{{kC - 1.5, y + 3}, {kC + 1.5, y + 3}, {kC + 1.5, y + 5}, {kC - 1.5, y + 5}}}},
        kEyeWhite, Lighting::Flat);
    figure.parts.push_back(teeth);
  }
  if (b.snout == Snout::Cat || b.snout == Snout::Bunny || b.snout == Snout::Ferret) {
    for (const int side : {-1, 1}) {
      AddLine(figure, {kC + side * 5, y}, {kC + side * 12, y - 2}, kInk);
      AddLine(figure, {kC + side * 5, y + 1.5}, {kC + side * 12, y + 2}, kInk);
    }
  }
}

void AddNeckwear(const Beast& b, Figure& figure) {
  switch (b.neckwear) {
    case Neckwear::None:
      return;
    case Neckwear::Collar: {
      Part collar = MakePart({Ellipse{{kC, 47}, 11, 3}}, kGroup3);
      collar.contour = true;
      figure.parts.push_back(collar);
      figure.parts.push_back(MakePart({Ellipse{{kC, 51}, 2, 2}}, kGold, Lighting::Dome));
      return;
    }
    case Neckwear::Bow: {
      Part bow = MakePart(BothSides({Polygon{{{kC, 48}, {kC - 8, 44}, {kC - 8, 53}}}}), kGroup3);
      bow.shapes.push_back(Ellipse{{kC, 48}, 2, 2.2});
      bow.contour = true;
      figure.parts.push_back(bow);
      return;
    }
  }
}

ArtworkDesign DrawBeast(const Beast& b) {
  Figure figure;
  // Furry shoulders under the head.
  Part body = MakePart({Ellipse{{kC, 68}, 24, 20}, Ellipse{{kC, 44}, 8, 6}}, kGroup2);
  body.brightness = -0.15;
  figure.parts.push_back(body);
  AddEars(b, figure);
  Part head = MakePart({Ellipse{{kC, kCentreY}, b.halfWidth, b.halfHeight},
                        Ellipse{{kC, kCentreY + 4}, b.halfWidth + 1, b.halfHeight - 5}},
                       kGroup2, Lighting::Dome);
  head.contour = true;
  head.brightness = 0.1;
  figure.parts.push_back(head);
  if (b.ears == EarShape::Floppy) {
    Part ears = MakePart(
        BothSides({Capsule{
            {kC - b.halfWidth + 1, kCentreY - 9}, {kC - b.halfWidth - 2, kCentreY + 8}, 4, 4.5}}),
        kGroup1);
    ears.contour = true;
    figure.parts.push_back(ears);
  }
  AddMarkings(b, figure);
  AddRoundEyes(figure, kCentreY - 2, 6, 2.4, b.slitEyes);
  AddSnout(b, figure);
  AddNeckwear(b, figure);
  ArtworkDesign picture = HeadPicture(b.fileName, std::move(figure));
  picture.accent = RampAround(Rgb(232, 150, 160));
  return picture;
}

enum class Bill { Raven, Falcon, Duck };

// What sets one bird's head apart from another.
struct Bird {
  const char* fileName;
  int head;    // material of the crown and face
  int throat;  // material of the breast below the head
  Bill bill;
  bool eyeStripe;
  bool neckRing;
  bool curl;
  bool moustache;
  Colour billColour;
};

ArtworkDesign DrawBird(const Bird& b) {
  Figure figure;
  Part breast = MakePart({Ellipse{{kC, 66}, 22, 20}}, b.throat);
  breast.contour = true;
  figure.parts.push_back(breast);
  Part head =
      MakePart({Ellipse{{kC, 27}, 13, 15}, Ellipse{{kC, 38}, 10, 10}}, b.head, Lighting::Dome);
  head.contour = true;
  figure.parts.push_back(head);
  if (b.curl) {
    Part crest = MakePart(
        {Capsule{{kC, 13}, {kC + 5, 5}, 2, 1.2}, Capsule{{kC + 5, 5}, {kC + 8, 8}, 1.2, 1}},
        kGroup1);
    figure.parts.push_back(crest);
  }
  if (b.neckRing) {
    Part ring = MakePart({Ellipse{{kC, 47}, 11, 2.2}}, kEyeWhite, Lighting::Flat);
    figure.parts.push_back(ring);
  }
  if (b.moustache) {
    Part hood = MakePart({Ellipse{{kC, 26}, 14, 15}}, kGroup1, Lighting::Dome);
    hood.bottom = 21;
    hood.contour = true;
    figure.parts.push_back(hood);
    Part streaks = MakePart(BothSides({Capsule{{kC - 7, 27}, {kC - 8, 38}, 1.8, 1.2}}), kGroup1);
    figure.parts.push_back(streaks);
    Part rings = MakePart(BothSides({Ellipse{{kC - 6, 24}, 3.6, 3.6}}), kGold, Lighting::Flat);
    rings.lightest = 2;
    figure.parts.push_back(rings);
  }
  if (b.eyeStripe) {
    AddLine(figure, {kC - 13, 23}, {kC - 3, 25}, kGroup1, 1);
    AddLine(figure, {kC + 13, 23}, {kC + 3, 25}, kGroup1, 1);
  }
  AddRoundEyes(figure, 24, 6, 2.2);
  Part bill = MakePart({}, kAccent, Lighting::Dome);
  switch (b.bill) {
    case Bill::Raven:
      bill.shapes = {Polygon{{{kC - 4.5, 27}, {kC + 4.5, 27}, {kC + 1, 41}, {kC, 44}}}};
      break;
    case Bill::Falcon:
      bill.shapes = {
          Polygon{{{kC - 3.5, 27}, {kC + 3.5, 27}, {kC + 2, 33}, {kC, 36}, {kC - 2, 33}}}};
      break;
    case Bill::Duck:
      bill.shapes = {Ellipse{{kC, 35}, 6.5, 6},
                     Polygon{{{kC - 4, 28}, {kC + 4, 28}, {kC + 6, 33}, {kC - 6, 33}}}};
      break;
  }
  bill.contour = true;
  figure.parts.push_back(bill);
  if (b.bill == Bill::Duck) {
    AddDot(figure, kC - 1.5, 31, kInk);
    AddDot(figure, kC + 1.5, 31, kInk);
  } else {
    AddLine(figure, {kC - 2, 30}, {kC + 1, 31}, kInk);
  }
  ArtworkDesign picture = HeadPicture(b.fileName, std::move(figure));
  picture.accent = RampAround(b.billColour);
  return picture;
}

}  // namespace

std::vector<ArtworkDesign> AnimalHeads() {
  const std::vector<Beast> beasts = {
      {artwork_files::kBunny, 12, 13, EarShape::Long, Snout::Bunny, Markings::None, Neckwear::None,
       false},
      {artwork_files::kTeddy, 14, 13, EarShape::Round, Snout::Bear, Markings::None, Neckwear::Bow,
       false},
      {artwork_files::kAristocat, 14, 12, EarShape::Pointed, Snout::Cat, Markings::Ruff,
       Neckwear::Bow, true},
      {artwork_files::kTabby, 14, 12, EarShape::Pointed, Snout::Cat, Markings::Stripes,
       Neckwear::None, true},
      {artwork_files::kDogHead, 13, 14, EarShape::Floppy, Snout::Dog, Markings::Patch,
       Neckwear::Collar, false},
      {artwork_files::kPanther, 14, 12, EarShape::Small, Snout::Cat, Markings::None, Neckwear::None,
       true},
      {artwork_files::kFerret, 11, 13, EarShape::Small, Snout::Ferret, Markings::Mask,
       Neckwear::Collar, false},
  };
  const std::vector<Bird> birds = {
      {artwork_files::kFemaleDuck, kGroup2, kGroup2, Bill::Duck, true, false, false, false,
       Rgb(226, 128, 40)},
      {artwork_files::kMaleDuck, kGroup3, kGroup2, Bill::Duck, false, true, true, false,
       Rgb(230, 200, 60)},
      {artwork_files::kRaven, kGroup1, kGroup1, Bill::Raven, false, false, false, false,
       Rgb(84, 84, 96)},
      {artwork_files::kPeregrine, kGroup2, kGroup2, Bill::Falcon, false, false, false, true,
       Rgb(110, 120, 150)},
  };

  std::vector<ArtworkDesign> pictures;
  for (const Beast& beast : beasts) pictures.push_back(DrawBeast(beast));
  for (const Bird& bird : birds) pictures.push_back(DrawBird(bird));
  return pictures;
}

}  // namespace tintara::artgen

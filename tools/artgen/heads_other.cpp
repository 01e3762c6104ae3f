// Flower heads with faces, and the odd heads: smiley, egg, beholder, cricket, alien.

#include <cmath>
#include <numbers>
#include <utility>

#include "head_parts.h"
#include "heads.h"
#include "paint/artwork_files.h"

namespace tintara::artgen {

namespace {

using namespace material;

constexpr double kC = kHeadAxis;
constexpr double kFlowerY = 24;

// A round face with small eyes and a smile, for heads that are not people.
void AddSimpleFace(Figure& figure, double centreY, double radius, int skin) {
  Part face = MakePart({Ellipse{{kC, centreY}, radius, radius}}, skin, Lighting::Dome);
  face.contour = true;
  face.brightness = 0.1;
  figure.parts.push_back(face);
  AddRoundEyes(figure, centreY - radius * 0.2, radius * 0.4, std::max(1.8, radius * 0.2));
  AddLine(figure, {kC - radius * 0.4, centreY + radius * 0.4},
          {kC - radius * 0.2, centreY + radius * 0.55}, kInk);
  AddLine(figure, {kC - radius * 0.2, centreY + radius * 0.55},
          {kC + radius * 0.2, centreY + radius * 0.55}, kInk);
  AddLine(figure, {kC + radius * 0.2, centreY + radius * 0.55},
          {kC + radius * 0.4, centreY + radius * 0.4}, kInk);
}

// A stem with two leaves under a flower.
void AddStem(Figure& figure) {
  Part stem = MakePart({Capsule{{kC, kFlowerY}, {kC, 64}, 2, 2}}, kGroup3);
  figure.parts.push_back(stem);
  Part leaves = MakePart({Polygon{{{kC - 1, 56}, {kC - 14, 44}, {kC - 22, 48}, {kC - 12, 56}}},
                          Polygon{{{kC + 1, 60}, {kC + 12, 49}, {kC + 21, 51}, {kC + 12, 60}}}},
                         kGroup3);
  leaves.contour = true;
  figure.parts.push_back(leaves);
}

// Petals evenly round the flower's centre.
std::vector<Shape> PetalRing(int count, double distance, double width, double turn) {
  std::vector<Shape> petals;
  for (int i = 0; i < count; ++i) {
    const double angle = turn + 2 * std::numbers::pi * i / count;
    petals.push_back(Capsule{
        {kC + std::cos(angle) * distance * 0.3, kFlowerY + std::sin(angle) * distance * 0.3},
        {kC + std::cos(angle) * distance, kFlowerY + std::sin(angle) * distance},
        width * 0.6,
        width});
  }
  return petals;
}

ArtworkDesign Rose() {
  Figure figure;
  AddStem(figure);
  Part outer = MakePart(PetalRing(7, 15, 7, 0.3), kGroup1, Lighting::Dome);
  outer.contour = true;
  figure.parts.push_back(outer);
  Part inner = MakePart(PetalRing(5, 10, 6, 0.9), kGroup1, Lighting::Dome);
  inner.contour = true;
  inner.brightness = 0.2;
  figure.parts.push_back(inner);
  AddSimpleFace(figure, kFlowerY, 8.5, kGroup2);
  return HeadPicture(artwork_files::kRoseHead, std::move(figure));
}

ArtworkDesign Pansy() {
  Figure figure;
  AddStem(figure);
  Part back =
      MakePart(BothSides({Ellipse{{kC - 8, kFlowerY - 10}, 9, 9}}), kGroup1, Lighting::Dome);
  back.contour = true;
  figure.parts.push_back(back);
  Part front =
      MakePart(BothSides({Ellipse{{kC - 12, kFlowerY + 3}, 9, 8}}), kGroup1, Lighting::Dome);
  front.shapes.push_back(Ellipse{{kC, kFlowerY + 11}, 11, 8});
  front.contour = true;
  front.brightness = 0.25;
  figure.parts.push_back(front);
  // The dark blotch round the centre.
  Part blotch = MakePart({Ellipse{{kC, kFlowerY + 1}, 12, 11}}, kGroup1, Lighting::Flat);
  blotch.lightest = 0;
  figure.parts.push_back(blotch);
  AddSimpleFace(figure, kFlowerY, 8, kGroup2);
  return HeadPicture(artwork_files::kPansyHead, std::move(figure));
}

ArtworkDesign Daisy() {
  Figure figure;
  AddStem(figure);
  Part petals = MakePart(PetalRing(14, 22, 3, 0), kAccent2, Lighting::Cylinder);
  petals.contour = true;
  figure.parts.push_back(petals);
  AddSimpleFace(figure, kFlowerY, 10, kGroup2);
  ArtworkDesign picture = HeadPicture(artwork_files::kDaisyHead, std::move(figure));
  picture.accent2 = RampAround(Rgb(238, 238, 240));
  return picture;
}

ArtworkDesign Tulip() {
  Figure figure;
  AddStem(figure);
  Part side = MakePart(BothSides({Polygon{{{kC - 4, kFlowerY + 13},
                                           {kC - 17, kFlowerY + 2},
                                           {kC - 16, kFlowerY - 16},
                                           {kC - 6, kFlowerY - 6},
                                           {kC, kFlowerY + 13}}}}),
                       kGroup1);
  side.contour = true;
  figure.parts.push_back(side);
  Part middle = MakePart({Polygon{{{kC - 12, kFlowerY + 8},
                                   {kC - 11, kFlowerY - 8},
                                   {kC, kFlowerY - 19},
                                   {kC + 11, kFlowerY - 8},
                                   {kC + 12, kFlowerY + 8},
                                   {kC, kFlowerY + 15}}}},
                         kGroup1, Lighting::Dome);
  middle.contour = true;
  middle.brightness = 0.25;
  figure.parts.push_back(middle);
  AddSimpleFace(figure, kFlowerY + 2, 7.5, kGroup2);
  return HeadPicture(artwork_files::kTulipHead, std::move(figure));
}

ArtworkDesign Smiley() {
  Figure figure;
  Part bow = MakePart(BothSides({Polygon{{{kC, 56}, {kC - 11, 50}, {kC - 11, 62}}}}), kGroup3);
  bow.shapes.push_back(Ellipse{{kC, 56}, 2.5, 2.5});
  bow.contour = true;
  figure.parts.push_back(bow);
  Part face = MakePart({Ellipse{{kC, 27}, 21, 21}}, kAccent, Lighting::Dome);
  face.contour = true;
  face.brightness = 0.1;
  figure.parts.push_back(face);
  Part eyes = MakePart(BothSides({Ellipse{{kC - 7, 20}, 2.5, 4.5}}), kSlot16, Lighting::Flat);
  figure.parts.push_back(eyes);
  Part smile = MakePart({Ellipse{{kC, 30}, 13, 9}}, kInk, Lighting::Flat);
  smile.holes.push_back(Ellipse{{kC, 27}, 13, 8.5});
  smile.top = 30;
  figure.parts.push_back(smile);
  ArtworkDesign picture = HeadPicture(artwork_files::kSmiley, std::move(figure));
  picture.accent = RampAround(Rgb(244, 206, 40));
  return picture;
}

ArtworkDesign EggHead() {
  Figure figure;
  AddShoulders(figure, kGroup3, Neckline::High);
  Part egg =
      MakePart({Ellipse{{kC, 24}, 13, 19}, Ellipse{{kC, 30}, 15, 13}}, kGroup2, Lighting::Dome);
  egg.contour = true;
  egg.brightness = 0.15;
  figure.parts.push_back(egg);
  AddSmallEyes(figure, 28, 5.5, false, kInk);
  AddDot(figure, kC, 32, kGroup2, 0);
  AddLine(figure, {kC - 3, 36}, {kC + 3, 36}, kMouth);
  return HeadPicture(artwork_files::kEggHead, std::move(figure));
}

ArtworkDesign Beholder() {
  Figure figure;
  std::vector<Shape> stalks;
  std::vector<Shape> eyeballs;
  for (int i = 0; i < 6; ++i) {
    const double angle = std::numbers::pi * (1.1 + i * 0.16);
    const Point tip{kC + std::cos(angle) * 26, 33 + std::sin(angle) * 29};
    stalks.push_back(
        Capsule{{kC + std::cos(angle) * 12, 33 + std::sin(angle) * 12}, tip, 1.6, 1.1});
    eyeballs.push_back(Ellipse{tip, 2.6, 2.6});
  }
  Part stalkPart = MakePart(stalks, kGroup3);
  stalkPart.contour = true;
  figure.parts.push_back(stalkPart);
  Part balls = MakePart(eyeballs, kEyeWhite, Lighting::Flat);
  figure.parts.push_back(balls);
  Part body = MakePart({Ellipse{{kC, 37}, 20, 19}}, kGroup2, Lighting::Dome);
  body.contour = true;
  figure.parts.push_back(body);
  Part white = MakePart({Ellipse{{kC, 31}, 9, 7}}, kEyeWhite, Lighting::Flat);
  white.contour = true;
  figure.parts.push_back(white);
  Part iris = MakePart({Ellipse{{kC, 31}, 5, 5}}, kSlot16, Lighting::Flat);
  figure.parts.push_back(iris);
  Part pupil = MakePart({Ellipse{{kC, 31}, 1.5, 4}}, kPupil, Lighting::Flat);
  figure.parts.push_back(pupil);
  Part mouth = MakePart({Ellipse{{kC, 45}, 11, 5}}, kGroup1, Lighting::Flat);
  mouth.lightest = 0;
  mouth.top = 44;
  mouth.contour = true;
  figure.parts.push_back(mouth);
  for (int i = -4; i <= 4; i += 2) {
    AddLine(figure, {kC + i * 2.2, 44}, {kC + i * 2.2, 46}, kEyeWhite);
  }
  for (const Shape& ball : eyeballs) {
    const Point centre = std::get<Ellipse>(ball).centre;
    AddDot(figure, centre.x, centre.y, kSlot16);
  }
  return HeadPicture(artwork_files::kBeholder, std::move(figure));
}

ArtworkDesign Cricket() {
  Figure figure;
  AddShoulders(figure, kGroup3, Neckline::High, 4);
  for (const int side : {-1, 1}) {
    AddLine(figure, {kC + side * 4, 14}, {kC + side * 14, 2}, kInk);
    AddLine(figure, {kC + side * 14, 2}, {kC + side * 24, 6}, kInk);
  }
  Part head =
      MakePart({Ellipse{{kC, 29}, 14, 13}, Ellipse{{kC, 37}, 9, 8}}, kGroup3, Lighting::Dome);
  head.contour = true;
  figure.parts.push_back(head);
  Part cheeks = MakePart({Ellipse{{kC, 38}, 7, 5}}, kGroup2, Lighting::Dome);
  figure.parts.push_back(cheeks);
  Part eyes = MakePart(BothSides({Ellipse{{kC - 9, 27}, 5, 5.5}}), kSlot16, Lighting::Flat);
  eyes.contour = true;
  figure.parts.push_back(eyes);
  for (const int side : {-1, 1}) AddDot(figure, kC + side * 9 - 2, 25, kEyeWhite);
  AddLine(figure, {kC - 3, 41}, {kC + 3, 41}, kInk);
  Part brim = MakePart({Ellipse{{kC, 17}, 13, 2.5}}, kGroup1);
  Part crown = MakePart({Polygon{{{kC - 8, 17}, {kC - 8, 3}, {kC + 8, 3}, {kC + 8, 17}}}}, kGroup1);
  crown.contour = true;
  figure.parts.push_back(crown);
  brim.contour = true;
  figure.parts.push_back(brim);
  AddLine(figure, {kC - 7, 14}, {kC + 7, 14}, kGold, 1);
  return HeadPicture(artwork_files::kCricket, std::move(figure));
}

ArtworkDesign Alien() {
  Figure figure;
  AddShoulders(figure, kGroup3, Neckline::High, 3);
  Part collar = MakePart({Ellipse{{kC, 49}, 9, 3}}, kGroup1);
  collar.contour = true;
  figure.parts.push_back(collar);
  Part head = MakePart({Ellipse{{kC, 22}, 18, 16},
                        Polygon{{{kC - 15, 28}, {kC + 15, 28}, {kC + 4, 44}, {kC - 4, 44}}}},
                       kGroup2, Lighting::Dome);
  head.contour = true;
  figure.parts.push_back(head);
  for (const int side : {-1, 1}) {
    Part eye = MakePart({Polygon{{{kC + side * 2, 27},
                                  {kC + side * 6, 22},
                                  {kC + side * 13, 21},
                                  {kC + side * 11, 27},
                                  {kC + side * 5, 31}}}},
                        kSlot16, Lighting::Flat);
    eye.contour = true;
    figure.parts.push_back(eye);
    AddDot(figure, kC + side * 9, 23, kEyeWhite);
  }
  AddDot(figure, kC - 1, 35, kInk);
  AddDot(figure, kC + 1, 35, kInk);
  AddLine(figure, {kC - 2, 39}, {kC + 2, 39}, kInk);
  ArtworkDesign picture = HeadPicture(artwork_files::kAlien, std::move(figure));
  picture.markers = MarkerSet::Two;
  return picture;
}

}  // namespace

std::vector<ArtworkDesign> OtherHeads() {
  return {Rose(), Pansy(), Daisy(), Tulip(), Smiley(), EggHead(), Beholder(), Cricket(), Alien()};
}

}  // namespace tintara::artgen

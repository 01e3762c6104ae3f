#include "bodies.h"

#include <algorithm>

#include "paint/artwork_files.h"

namespace tintara::artgen {

namespace {

// What the parts of a body are made of.
enum BodyMaterial : int {
  kBottom,
  kSkin,
  kTop,
  kBuckle,
  kHair,
  kLeather,
  kEyeWhite,
  kPupil,
  kLips,
  kOutline,
  kBodyMaterialCount
};

constexpr double kCentre = (kBodyWidth - 1) / 2.0;

// Rows of the figure, top to bottom.
constexpr double kHeadCentre = 14;
constexpr double kShoulderRow = 31;
constexpr double kBeltTop = 66;
constexpr double kBeltBottom = 70;
constexpr double kCrotchRow = 84;
constexpr double kKneeRow = 106;
constexpr double kHemRow = 130;
constexpr double kSoleRow = 139;

std::vector<Shape> BothSides(std::vector<Shape> shapes) {
  return artgen::BothSides(std::move(shapes), kCentre);
}

// A polygon symmetric about the centre from its left half, given top to bottom as
// (row, half width) pairs.
Polygon SymmetricOutline(const std::vector<Point>& leftHalf) {
  Polygon polygon;
  for (const Point& p : leftHalf) polygon.corners.push_back({kCentre - p.y, p.x});
  for (auto it = leftHalf.rbegin(); it != leftHalf.rend(); ++it) {
    polygon.corners.push_back({kCentre + it->y, it->x});
  }
  return polygon;
}

void AddLongHairBehind(const Build& b, Figure& figure) {
  const double c = kCentre;
  Part hair = MakePart(
      {Ellipse{{c, kHeadCentre - 1}, b.head + 2, 11}, Polygon{{{c - b.head - 2, kHeadCentre},
                                                               {c + b.head + 2, kHeadCentre},
                                                               {c + b.head + 3.5, 36},
                                                               {c + b.head + 1.5, 40},
                                                               {c - b.head - 1.5, 40},
                                                               {c - b.head - 3.5, 36}}}},
      kHair);
  hair.brightness = -0.35;
  figure.parts.push_back(hair);
}

void AddLegs(const Build& b, Figure& figure) {
  const double c = kCentre;
  const double feet = 5.5;  // distance of each ankle from the centre
  Polygon leftLeg{{{c - b.hip, 72},
                   {c - feet - b.knee - 0.6, kKneeRow},
                   {c - feet - b.ankle, kHemRow},
                   {c - feet + b.ankle, kHemRow},
                   {c - feet + b.knee - 0.8, kKneeRow},
                   {c - 0.6, kCrotchRow},
                   {c - 0.6, 72}}};
  Polygon pelvis =
      SymmetricOutline({{kBeltBottom, b.hip - 0.5}, {78, b.hip}, {kCrotchRow - 2, b.hip - 1}});
  Part trousers = MakePart(BothSides({leftLeg}), kBottom);
  trousers.shapes.push_back(pelvis);
  // The dark group 1 shades are for the shoes; the trousers keep to the lighter ones.
  trousers.darkest = 3;
  figure.parts.push_back(trousers);

  Part shoes = MakePart(BothSides({Ellipse{{c - feet - 0.6, kSoleRow - 2.6}, b.ankle + 2.4, 3.6}}),
                        kBottom, Lighting::Dome);
  shoes.lightest = 2;
  shoes.bottom = static_cast<int>(kSoleRow);
  shoes.contour = true;
  figure.parts.push_back(shoes);

  // The fly of the trousers.
  figure.strokes.push_back({{c, kBeltBottom + 1}, {c, kCrotchRow - 4}, kBottom, 2});
}

void AddTorso(const Build& b, Figure& figure) {
  const double waistAtBelt = std::max(b.waist, b.hip - 1.5);
  std::vector<Point> side = {{28, b.neck + 1.5},
                             {29.5, b.shoulder - 3},
                             {kShoulderRow + 1, b.shoulder - 0.5},
                             {42, b.chest},
                             {b.female ? 56.0 : 58.0, b.waist},
                             {kBeltTop + 1, waistAtBelt}};
  Part top = MakePart({SymmetricOutline(side)}, kTop);
  if (b.belly > 0) top.shapes.push_back(Ellipse{{kCentre, 56}, b.waist + b.belly, 11});
  figure.parts.push_back(top);

  if (b.female) {
    Part bust = MakePart(BothSides({Ellipse{{kCentre - 3.5, 43}, 3.8, 3.2}}), kTop, Lighting::Dome);
    bust.darkest = 2;
    bust.lightest = 3;
    figure.parts.push_back(bust);
  }

  Part belt = MakePart(
      {SymmetricOutline({{kBeltTop, waistAtBelt + 0.4}, {kBeltBottom, b.hip - 0.2}})}, kLeather);
  figure.parts.push_back(belt);
  Part buckle = MakePart({Polygon{{{kCentre - 2, kBeltTop - 0.4},
                                   {kCentre + 2, kBeltTop - 0.4},
                                   {kCentre + 2, kBeltBottom + 0.4},
                                   {kCentre - 2, kBeltBottom + 0.4}}}},
                         kBuckle, Lighting::Flat);
  figure.parts.push_back(buckle);
  figure.strokes.push_back({{kCentre - 1, kBeltTop + 2}, {kCentre + 1, kBeltTop + 2}, kLeather, 0});
}

void AddNeckAndHead(const Build& b, Figure& figure) {
  const double c = kCentre;
  Part neck = MakePart(
      {Polygon{{{c - b.neck, 20}, {c + b.neck, 20}, {c + b.neck, 30}, {c - b.neck, 30}}}}, kSkin);
  if (b.female) {
    neck.shapes.push_back(Polygon{{{c - b.neck - 1.5, 28}, {c + b.neck + 1.5, 28}, {c, 35}}});
  } else {
    neck.shapes.push_back(Ellipse{{c, 29}, b.neck + 0.5, 2});
  }
  neck.brightness = -0.2;
  figure.parts.push_back(neck);

  Part ears = MakePart(BothSides({Ellipse{{c - b.head, kHeadCentre + 1}, 1.5, 2.3}}), kSkin,
                       Lighting::Dome);
  figure.parts.push_back(ears);

  Part head = MakePart(
      {Ellipse{{c, kHeadCentre - 1}, b.head, 9}, Ellipse{{c, kHeadCentre + 3}, b.head - 1.5, 7}},
      kSkin, Lighting::Dome);
  head.contour = true;
  head.brightness = 0.1;
  figure.parts.push_back(head);
}

void AddHair(const Build& b, Figure& figure) {
  const double c = kCentre;
  Part cap = MakePart({Ellipse{{c, kHeadCentre - 2}, b.head + 1, 9}}, kHair, Lighting::Dome);
  cap.bottom = 8;  // the hairline
  cap.contour = true;
  figure.parts.push_back(cap);

  Part locks;
  if (b.female) {
    // Locks framing the face and falling over the shoulders.
    locks = MakePart(BothSides({Polygon{{{c - b.head - 1.5, 7},
                                         {c - b.head + 3, 7},
                                         {c - b.head + 1, 13},
                                         {c - b.head + 0.5, 22},
                                         {c - b.head + 1.5, 33},
                                         {c - b.head - 2.5, 34},
                                         {c - b.head - 2, 20}}}}),
                     kHair);
    locks.shapes.push_back(Polygon{{{c - 3, 7}, {c + 4, 7}, {c + 1, 10}}});
  } else {
    // Short sides and a fringe swept to one side.
    locks = MakePart(BothSides({Polygon{{{c - b.head - 1, 7},
                                         {c - b.head + 1.5, 7},
                                         {c - b.head + 1, 13},
                                         {c - b.head - 0.4, 13}}}}),
                     kHair);
    locks.shapes.push_back(
        Polygon{{{c - b.head + 1, 7}, {c + 2, 7}, {c - 2, 10}, {c - b.head + 1.5, 10}}});
  }
  locks.contour = true;
  figure.parts.push_back(locks);
}

void AddFace(const Build& b, Figure& figure) {
  const double c = kCentre;
  const double eyes = kHeadCentre + 1;
  auto dot = [&](double x, double y, int material, int shade) {
    figure.strokes.push_back({{x, y}, {x, y}, material, shade});
  };
  for (const int side : {-1, 1}) {
    dot(c + side * 4, eyes, kEyeWhite, 0);
    dot(c + side * 3, eyes, kPupil, 0);
    if (b.female) {
      figure.strokes.push_back({{c + side * 5, eyes - 1}, {c + side * 3, eyes - 1}, kOutline, 0});
    } else {
      figure.strokes.push_back({{c + side * 5, eyes - 2}, {c + side * 3, eyes - 2}, kHair, 0});
    }
  }
  dot(c + 1, eyes + 3, kSkin, 1);
  dot(c, eyes + 4, kSkin, 1);
  if (b.female) {
    figure.strokes.push_back({{c - 1, eyes + 6}, {c + 1, eyes + 6}, kLips, 0});
  } else {
    figure.strokes.push_back({{c - 1, eyes + 6}, {c + 1, eyes + 6}, kSkin, 0});
  }
}

void AddArms(const Build& b, Figure& figure) {
  const double c = kCentre;
  const Point shoulder{c - b.shoulder + 3.2, kShoulderRow + 3.5};
  const Point elbow{c - b.shoulder - 0.8, 53};
  const Point wrist{c - b.shoulder - 1.6, 72};
  Part arms = MakePart(BothSides({Capsule{shoulder, elbow, b.upperArm, b.forearm},
                                  Capsule{elbow, wrist, b.forearm, b.forearm * 0.75},
                                  Ellipse{{wrist.x - 0.2, wrist.y + 4.5}, 2.6, 4.2}}),
                       kSkin);
  arms.contour = true;
  figure.parts.push_back(arms);

  // Short sleeves with a straight hem.
  Part sleeves =
      MakePart(BothSides({Capsule{shoulder, elbow, b.upperArm + 0.6, b.upperArm + 0.5}}), kTop);
  sleeves.bottom = static_cast<int>(shoulder.y + 0.45 * (elbow.y - shoulder.y));
  sleeves.contour = true;
  figure.parts.push_back(sleeves);
}

Paints BodyPaints() {
  Paints paints(kBodyMaterialCount);
  auto ramp = [](int first, int count) {
    Ramp shades;
    for (int i = 0; i < count; ++i) shades.push_back(static_cast<std::uint8_t>(first + i));
    return shades;
  };
  auto at = [&](BodyMaterial m) -> Ramp& { return paints[static_cast<std::size_t>(m)]; };
  at(kBottom) = ramp(entry::Slot(1), 5);
  at(kSkin) = ramp(entry::Slot(6), 5);
  at(kTop) = ramp(entry::Slot(11), 5);
  at(kBuckle) = ramp(entry::Slot(16), 1);
  at(kHair) = ramp(entry::kHair, entry::kHairShades);
  at(kLeather) = ramp(entry::kLeather, entry::kLeatherShades);
  at(kEyeWhite) = {entry::kEyeWhite};
  at(kPupil) = {entry::kPupil};
  at(kLips) = {entry::kLips};
  at(kOutline) = {entry::kOutline};
  return paints;
}

constexpr Colour kBackgroundColour = Rgb(214, 220, 228);
constexpr Colour kOutlineColour = Rgb(30, 22, 34);

}  // namespace

const std::vector<BodyDesign>& Bodies() {
  static const std::vector<BodyDesign> bodies = {
      {artwork_files::kMale1,
       {.shoulder = 15,
        .chest = 13,
        .waist = 9.5,
        .hip = 10.5,
        .knee = 3.6,
        .ankle = 2.6,
        .upperArm = 3.8,
        .forearm = 3.2},
       {{Rgb(46, 28, 18), Rgb(72, 45, 28), Rgb(98, 64, 40), Rgb(128, 88, 56), Rgb(160, 116, 76)},
        Rgb(40, 70, 120),
        Rgb(150, 70, 64)}},
      {artwork_files::kMale2,
       {.neck = 3.2,
        .shoulder = 15.5,
        .chest = 14,
        .waist = 12,
        .hip = 12,
        .knee = 4,
        .ankle = 2.8,
        .upperArm = 3.8,
        .forearm = 3.3},
       {{Rgb(26, 24, 30), Rgb(44, 40, 48), Rgb(64, 58, 70), Rgb(88, 82, 96), Rgb(116, 110, 126)},
        Rgb(70, 50, 30),
        Rgb(146, 66, 60)}},
      {artwork_files::kMale3,
       {.head = 7.5,
        .neck = 4,
        .shoulder = 18,
        .chest = 17,
        .waist = 15.5,
        .hip = 15,
        .knee = 5,
        .ankle = 3.2,
        .upperArm = 4.6,
        .forearm = 4,
        .belly = 1.5},
       {{Rgb(120, 74, 30), Rgb(156, 100, 44), Rgb(190, 132, 64), Rgb(216, 164, 92),
         Rgb(236, 196, 128)},
        Rgb(50, 96, 60),
        Rgb(156, 74, 66)}},
      {artwork_files::kFemale1,
       {.female = true,
        .head = 6.5,
        .neck = 2.5,
        .shoulder = 12,
        .chest = 11,
        .waist = 7.5,
        .hip = 11.5,
        .knee = 3.3,
        .ankle = 2.2,
        .upperArm = 2.9,
        .forearm = 2.5},
       {{Rgb(92, 30, 18), Rgb(128, 46, 26), Rgb(164, 66, 36), Rgb(196, 94, 52), Rgb(222, 128, 76)},
        Rgb(40, 100, 70),
        Rgb(196, 50, 70)}},
      {artwork_files::kFemale2,
       {.female = true,
        .head = 6.5,
        .neck = 2.5,
        .shoulder = 12.5,
        .chest = 12,
        .waist = 9.5,
        .hip = 12.5,
        .knee = 3.7,
        .ankle = 2.4,
        .upperArm = 3.1,
        .forearm = 2.7},
       {{Rgb(150, 110, 40), Rgb(188, 148, 62), Rgb(218, 182, 92), Rgb(238, 210, 128),
         Rgb(250, 234, 172)},
        Rgb(50, 90, 150),
        Rgb(200, 60, 80)}},
      {artwork_files::kFemale3,
       {.female = true,
        .head = 7,
        .neck = 3,
        .shoulder = 15,
        .chest = 15,
        .waist = 13.5,
        .hip = 15.5,
        .knee = 4.6,
        .ankle = 2.8,
        .upperArm = 4,
        .forearm = 3.5,
        .belly = 1},
       {{Rgb(34, 22, 18), Rgb(56, 38, 28), Rgb(80, 56, 40), Rgb(108, 78, 56), Rgb(138, 104, 76)},
        Rgb(80, 56, 30),
        Rgb(180, 56, 66)}},
  };
  return bodies;
}

Figure BodyFigure(const Build& build) {
  Figure figure;
  if (build.female) AddLongHairBehind(build, figure);
  AddLegs(build, figure);
  AddTorso(build, figure);
  AddNeckAndHead(build, figure);
  AddHair(build, figure);
  AddArms(build, figure);
  AddFace(build, figure);
  return figure;
}

ArtworkPalette BodyColourTable(const Looks& looks) {
  ArtworkPalette table = SlotMarkedTable();
  table.Set(entry::kBackground, kBackgroundColour);
  table.Set(entry::kOutline, kOutlineColour);
  table.Set(entry::kEyeWhite, Rgb(244, 244, 236));
  table.Set(entry::kPupil, looks.eyes);
  table.Set(entry::kLips, looks.lips);
  table.Set(entry::kLeather + 0, Rgb(58, 34, 20));
  table.Set(entry::kLeather + 1, Rgb(94, 58, 32));
  table.Set(entry::kLeather + 2, Rgb(132, 86, 50));
  for (int i = 0; i < entry::kHairShades; ++i) {
    table.Set(entry::kHair + i, looks.hair[static_cast<std::size_t>(i)]);
  }
  return table;
}

Bitmap DrawBody(const BodyDesign& body) {
  IndexGrid canvas(kBodyWidth, kBodyHeight, entry::kBackground);
  PaintFigure(BodyFigure(body.build), BodyPaints(), canvas);
  canvas.OutlineFigure(entry::kBackground, entry::kOutline);
  return canvas.ToBitmap(BodyColourTable(body.looks).entries());
}

Bitmap DrawMannequin() {
  Paints paints(kBodyMaterialCount);
  const Ramp grey = {entry::kGrey, entry::kGrey + 1, entry::kGrey + 2, entry::kGrey + 3,
                     entry::kGrey + 4};
  for (const BodyMaterial m : {kBottom, kSkin, kTop}) {
    paints[static_cast<std::size_t>(m)] = grey;
  }
  IndexGrid canvas(kBodyWidth, kBodyHeight, entry::kBackground);
  PaintFigure(BodyFigure(Bodies().front().build), paints, canvas);
  canvas.OutlineFigure(entry::kBackground, entry::kOutline);

  ArtworkPalette table;
  table.Set(entry::kBackground, Rgb(236, 236, 236));
  table.Set(entry::kOutline, Rgb(70, 70, 76));
  const int greys[] = {112, 138, 160, 182, 204};
  for (int i = 0; i < 5; ++i) table.Set(entry::kGrey + i, Rgb(greys[i], greys[i], greys[i] + 4));
  return canvas.ToBitmap(table.entries());
}

}  // namespace tintara::artgen

#include "person_head.h"

#include <cmath>
#include <numbers>

namespace tintara::artgen {

namespace {

using namespace material;

constexpr double kC = kHeadAxis;

// Rows and sizes every part of one head derives from.
struct Frame {
  double centreY;  // of the skull
  double rx;
  double ry;
  double eyeRow;
  double hairline;
};

Frame FrameOf(const PersonStyle& s) {
  const double centreY = 25;
  const double eyeRow = centreY + (s.face == Face::Anime ? 3 : 1);
  return {centreY, s.halfWidth, s.halfHeight, eyeRow, centreY - s.halfHeight * 0.45};
}

Part HairPart(const PersonStyle& s, std::vector<Shape> shapes,
              Lighting lighting = Lighting::Cylinder) {
  Part part = MakePart(std::move(shapes), s.hair, lighting);
  part.contour = true;
  return part;
}

Point OnSkull(const Frame& f, double angle, double beyond) {
  return {kC + std::cos(angle) * (f.rx + beyond),
          f.centreY - 1 + std::sin(angle) * (f.ry + beyond)};
}

void AddBackHair(const PersonStyle& s, const Frame& f, Figure& figure) {
  const double v = s.volume;
  switch (s.back) {
    case HairBack::None:
    case HairBack::Short:
      return;
    case HairBack::Bob: {
      Part bob = HairPart(s, {Ellipse{{kC, f.centreY + 1}, f.rx + v + 1.5, f.ry + 1}});
      bob.bottom = static_cast<int>(f.centreY + f.ry - 3);
      bob.brightness = -0.2;
      figure.parts.push_back(bob);
      return;
    }
    case HairBack::Long:
    case HairBack::Flowing: {
      const bool flowing = s.back == HairBack::Flowing;
      const double bottom = flowing ? 64 : 54;
      const double spread = flowing ? 7 : 4;
      std::vector<Point> corners = {{kC - f.rx - v, f.centreY - 4}, {kC + f.rx + v, f.centreY - 4}};
      // Waves down the outer edges.
      const int waves = flowing ? 5 : 3;
      for (int i = 1; i <= waves; ++i) {
        const double y = f.centreY - 4 + (bottom - f.centreY + 4) * i / waves;
        const double out = f.rx + v + spread * i / waves + (i % 2 ? 1.2 : 0);
        corners.push_back({kC + out, y});
      }
      for (int i = waves; i >= 1; --i) {
        const double y = f.centreY - 4 + (bottom - f.centreY + 4) * i / waves;
        const double out = f.rx + v + spread * i / waves + (i % 2 ? 1.2 : 0);
        corners.push_back({kC - out, y});
      }
      Part hair = HairPart(s, {Polygon{corners}, Ellipse{{kC, f.centreY - 1}, f.rx + v, f.ry + v}});
      hair.holes.push_back(
          Polygon{{{kC - 5, f.centreY + 6}, {kC + 5, f.centreY + 6}, {kC + 7, 64}, {kC - 7, 64}}});
      hair.brightness = -0.15;
      figure.parts.push_back(hair);
      return;
    }
  }
}

// Hair that hangs behind the skull.
void AddHairBehind(const PersonStyle& s, const Frame& f, Figure& figure) {
  switch (s.top) {
    case HairTop::Ponytail:
      figure.parts.push_back(HairPart(
          s, {Capsule{{kC + f.rx - 2, f.centreY - 8}, {kC + f.rx + 6, f.centreY + 13}, 3.8, 1.8}}));
      break;
    case HairTop::Pigtails:
      figure.parts.push_back(HairPart(
          s, BothSides({Capsule{
                 {kC - f.rx - 1, f.centreY - 3}, {kC - f.rx - 6, f.centreY + 16}, 3.5, 2.2}})));
      break;
    case HairTop::Afro: {
      std::vector<Shape> puffs = {Ellipse{{kC, f.centreY - 3}, f.rx + 6, f.ry + 4}};
      for (int i = 0; i < 9; ++i) {
        const double angle = std::numbers::pi * (0.95 + i * 1.1 / 8);
        puffs.push_back(Ellipse{OnSkull(f, angle, 5), 3.2, 3.2});
      }
      figure.parts.push_back(HairPart(s, puffs, Lighting::Dome));
      break;
    }
    default:
      break;
  }
}

void AddWings(const Frame& f, Figure& figure) {
  Part wings = MakePart(BothSides({Ellipse{{kC - 17, f.centreY - 9}, 9, 8},
                                   Ellipse{{kC - 15, f.centreY + 9}, 6.5, 7}}),
                        kGroup3, Lighting::Dome);
  wings.contour = true;
  figure.parts.push_back(wings);
  Part spots = MakePart(BothSides({Ellipse{{kC - 20, f.centreY - 10}, 2.5, 2.5},
                                   Ellipse{{kC - 17, f.centreY + 10}, 1.8, 1.8}}),
                        kGold, Lighting::Flat);
  spots.lightest = 2;
  figure.parts.push_back(spots);
  for (const int side : {-1, 1}) {
    AddLine(figure, {kC + side * 3, f.centreY - f.ry}, {kC + side * 8, f.centreY - f.ry - 9}, kInk);
    AddDot(figure, kC + side * 8, f.centreY - f.ry - 10, kInk);
  }
}

void AddSkull(const PersonStyle& s, const Frame& f, Figure& figure) {
  const double c = kC;
  if (s.trimmings.pointedEars) {
    Part ears = MakePart(BothSides({Polygon{{{c - f.rx + 1, f.eyeRow - 1},
                                             {c - f.rx - 5, f.eyeRow - 7},
                                             {c - f.rx - 1.5, f.eyeRow + 4}}}}),
                         kGroup2);
    ears.contour = true;
    figure.parts.push_back(ears);
  } else {
    Part ears =
        MakePart(BothSides({Ellipse{{c - f.rx, f.eyeRow + 1.5}, 2, 3}}), kGroup2, Lighting::Dome);
    ears.contour = true;
    figure.parts.push_back(ears);
  }
  Part skull;
  if (s.face == Face::Anime) {
    skull = MakePart({Ellipse{{c, f.centreY - 1}, f.rx, f.ry - 1},
                      Polygon{{{c - f.rx + 0.3, f.centreY + 1},
                               {c + f.rx - 0.3, f.centreY + 1},
                               {c + f.rx * 0.45, f.centreY + f.ry - 2},
                               {c, f.centreY + f.ry + 1 - s.chin},
                               {c - f.rx * 0.45, f.centreY + f.ry - 2}}}},
                     kGroup2, Lighting::Dome);
  } else {
    skull = MakePart({Ellipse{{c, f.centreY}, f.rx, f.ry},
                      Ellipse{{c, f.centreY + 4}, f.rx - 1.5 - s.chin * 2, f.ry - 4}},
                     kGroup2, Lighting::Dome);
  }
  skull.contour = true;
  skull.brightness = 0.1;
  figure.parts.push_back(skull);
}

void AddSpikes(const PersonStyle& s, const Frame& f, Figure& figure) {
  std::vector<Shape> spikes;
  const double step = std::numbers::pi / s.spikes;
  for (int i = 0; i < s.spikes; ++i) {
    const double angle = std::numbers::pi + (i + 0.5) * step;
    spikes.push_back(Polygon{{OnSkull(f, angle - step * 0.75, s.volume - 1),
                              OnSkull(f, angle + s.spikeTilt, s.volume + s.spikeLength),
                              OnSkull(f, angle + step * 0.75, s.volume - 1)}});
  }
  figure.parts.push_back(HairPart(s, spikes));
}

// Locks over the forehead; they join the cap, so the hair shades as one piece.
std::vector<Shape> FringeShapes(const PersonStyle& s, const Frame& f) {
  const double c = kC;
  const double low = f.centreY - f.ry * 0.15;  // lowest reach of a fringe
  const double top = f.hairline - 3;
  switch (s.fringe) {
    case Fringe::None:
      return {};
    case Fringe::Straight:
      return {Polygon{{{c - f.rx, top},
                       {c + f.rx, top},
                       {c + f.rx - 1, low},
                       {c + 3, low - 1},
                       {c, low},
                       {c - 4, low - 1},
                       {c - f.rx + 1, low}}}};
    case Fringe::Swept:
      return {Polygon{{{c - f.rx, top},
                       {c + f.rx, top},
                       {c + f.rx, low + 1},
                       {c + 2, f.hairline + 1},
                       {c - f.rx, f.hairline + 1}}}};
    case Fringe::Parted:
      return BothSides({Polygon{{{c - 0.5, top},
                                 {c - 0.5, f.hairline - 1},
                                 {c - 4, f.hairline + 1.5},
                                 {c - f.rx + 1.5, low + 3},
                                 {c - f.rx, low + 4},
                                 {c - f.rx, top}}}});
    case Fringe::Spiky: {
      std::vector<Shape> locks;
      const int count = std::max(3, s.spikes - 2);
      const double width = 2 * f.rx / count;
      for (int i = 0; i < count; ++i) {
        const double left = c - f.rx + i * width;
        const double reach = low - (i % 2) * 2.5;
        locks.push_back(Polygon{{{left - 0.5, top},
                                 {left + width + 0.5, top},
                                 {left + width * 0.5 + s.spikeTilt * 6, reach}}});
      }
      return locks;
    }
  }
  return {};
}

void AddHairOnTop(const PersonStyle& s, const Frame& f, Figure& figure) {
  const double c = kC;
  const bool bald = s.top == HairTop::Mohawk || s.top == HairTop::Tufts;
  if (!bald && s.back != HairBack::None) {
    // The hair frames the face in an arch down to the ears.
    Part cap = HairPart(s, {Ellipse{{c, f.centreY - 1}, f.rx + s.volume, f.ry + s.volume}},
                        Lighting::Dome);
    cap.holes.push_back(Ellipse{{c, f.centreY + f.ry * 0.3}, f.rx - 1.5, f.ry * 0.78});
    cap.bottom = static_cast<int>(f.eyeRow);
    cap.patches = FringeShapes(s, f);
    figure.parts.push_back(cap);
  }
  switch (s.top) {
    case HairTop::Spikes:
      AddSpikes(s, f, figure);
      break;
    case HairTop::Bun: {
      Part bun = HairPart(s, {Ellipse{{c, f.centreY - f.ry - 3.5}, 5.5, 4.5}}, Lighting::Dome);
      figure.parts.push_back(bun);
      break;
    }
    case HairTop::Mohawk:
      figure.parts.push_back(HairPart(s, {Polygon{{{c - 2.5, f.centreY - 4},
                                                   {c - 3, f.centreY - f.ry - 4},
                                                   {c, f.centreY - f.ry - 9},
                                                   {c + 3, f.centreY - f.ry - 5},
                                                   {c + 2.5, f.centreY - 4}}}}));
      break;
    case HairTop::Quiff:
      figure.parts.push_back(
          HairPart(s, {Ellipse{{c - 3, f.centreY - f.ry - 1.5}, 10, 5.5}}, Lighting::Dome));
      break;
    case HairTop::Tufts: {
      std::vector<Shape> tufts;
      // Out from the side of the head, down from its centre, radius.
      constexpr double kTufts[][3] = {{2.5, -9, 5}, {4.5, -3, 4.5}, {1.5, -14, 3.5}, {3.5, 2, 3}};
      for (const auto& [out, down, radius] : kTufts) {
        tufts.push_back(Ellipse{{c - f.rx - out, f.centreY + down}, radius, radius});
      }
      figure.parts.push_back(HairPart(s, BothSides(tufts), Lighting::Dome));
      break;
    }
    case HairTop::Braids: {
      std::vector<Shape> braids;
      for (int i = 0; i < 5; ++i) {
        braids.push_back(Ellipse{{c - f.rx - 0.5, f.centreY + 6 + i * 4.5}, 2.6, 2.6});
      }
      figure.parts.push_back(HairPart(s, BothSides(braids), Lighting::Dome));
      break;
    }
    default:
      break;
  }
  if (s.trimmings.wolfEars) {
    Part ears = HairPart(s, BothSides({Polygon{{{c - f.rx + 0.5, f.centreY - f.ry + 4},
                                                {c - f.rx - 1, f.centreY - f.ry - 9},
                                                {c - 3, f.centreY - f.ry}}}}));
    figure.parts.push_back(ears);
    Part inside = MakePart(BothSides({Polygon{{{c - f.rx + 2, f.centreY - f.ry + 1},
                                               {c - f.rx + 0.5, f.centreY - f.ry - 5},
                                               {c - 5, f.centreY - f.ry}}}}),
                           kAccent2, Lighting::Flat);
    inside.lightest = 1;
    figure.parts.push_back(inside);
  }
}

void AddFace(const PersonStyle& s, const Frame& f, Figure& figure) {
  const double c = kC;
  const Trimmings& t = s.trimmings;
  if (t.mask) {
    Part mask = MakePart(
        BothSides(
            {Ellipse{{c - 5, f.eyeRow}, 4.8, 3},
             Polygon{{{c - 9, f.eyeRow - 3}, {c - 13, f.eyeRow - 4}, {c - 10, f.eyeRow + 1}}}}),
        kGroup3);
    mask.shapes.push_back(Ellipse{{c, f.eyeRow - 0.5}, 2, 1.5});
    mask.contour = true;
    figure.parts.push_back(mask);
  }
  if (s.face == Face::Anime) {
    AddLargeEyes(figure, f.eyeRow, 6, 6);
    AddDot(figure, c, f.eyeRow + 5, kGroup2, 0);
    AddLine(figure, {c - 1, f.eyeRow + 8}, {c + (s.female ? 0 : 1), f.eyeRow + 8},
            s.female ? kMouth : kInk);
  } else {
    AddSmallEyes(figure, f.eyeRow, 5.5, s.female, s.female ? -1 : s.hair);
    AddDot(figure, c + 1, f.eyeRow + 3, kGroup2, 0);
    AddDot(figure, c, f.eyeRow + 4, kGroup2, 0);
    if (!t.clownFace) {
      AddLine(figure, {c - 1.5, f.eyeRow + 7}, {c + 1.5, f.eyeRow + 7},
              s.female ? kMouth : kGroup2);
    }
  }
  if (t.beard) {
    Part beard = HairPart(s, {Ellipse{{c, f.centreY + 8}, f.rx - 1, f.ry * 0.58}});
    beard.top = static_cast<int>(f.eyeRow + 4);
    beard.holes.push_back(Ellipse{{c, f.eyeRow + 7}, 2.6, 1.2});
    beard.holes.push_back(Ellipse{{c, f.eyeRow + 3}, 4, 2.2});
    figure.parts.push_back(beard);
  }
  if (t.moustache || t.beard) {
    figure.parts.push_back(HairPart(s, {Polygon{{{c - 4.5, f.eyeRow + 7},
                                                 {c - 2, f.eyeRow + 5},
                                                 {c + 2, f.eyeRow + 5},
                                                 {c + 4.5, f.eyeRow + 7},
                                                 {c, f.eyeRow + 6}}}}));
  }
  if (t.glasses) {
    for (const int side : {-1, 1}) {
      const double e = c + side * 5;
      AddLine(figure, {e - 3, f.eyeRow - 2}, {e + 2, f.eyeRow - 2}, kInk);
      AddLine(figure, {e - 3, f.eyeRow + 2}, {e + 2, f.eyeRow + 2}, kInk);
      AddLine(figure, {e - 3, f.eyeRow - 2}, {e - 3, f.eyeRow + 2}, kInk);
      AddLine(figure, {e + 2, f.eyeRow - 2}, {e + 2, f.eyeRow + 2}, kInk);
    }
    AddLine(figure, {c - 2, f.eyeRow - 1}, {c + 2, f.eyeRow - 1}, kInk);
  }
  if (t.clownFace) {
    Part paint = MakePart({Ellipse{{c, f.eyeRow + 7}, 6.5, 3.5}}, kEyeWhite, Lighting::Flat);
    figure.parts.push_back(paint);
    Part smile = MakePart({Ellipse{{c, f.eyeRow + 6.5}, 5, 2.8}}, kMouth, Lighting::Flat);
    smile.top = static_cast<int>(f.eyeRow + 7);
    figure.parts.push_back(smile);
    Part nose = MakePart({Ellipse{{c, f.eyeRow + 3.5}, 2.6, 2.6}}, kAccent, Lighting::Dome);
    nose.darkest = 1;
    figure.parts.push_back(nose);
    for (const int side : {-1, 1}) {
      AddLine(figure, {c + side * 5, f.eyeRow - 5}, {c + side * 5, f.eyeRow - 3}, kInk);
      AddLine(figure, {c + side * 5, f.eyeRow + 2}, {c + side * 5, f.eyeRow + 3}, kInk);
    }
  }
  if (t.earrings) {
    figure.parts.push_back(MakePart(BothSides({Ellipse{{c - f.rx - 0.5, f.eyeRow + 6}, 1, 1.4}}),
                                    kGold, Lighting::Flat));
  }
  if (t.tiara) {
    Part tiara = MakePart({Polygon{{{c - 8, f.hairline + 0.5},
                                    {c - 7, f.hairline - 3},
                                    {c - 4, f.hairline - 2},
                                    {c, f.hairline - 7},
                                    {c + 4, f.hairline - 2},
                                    {c + 7, f.hairline - 3},
                                    {c + 8, f.hairline + 0.5}}}},
                          kGold, Lighting::Cylinder);
    tiara.lightest = 2;
    tiara.contour = true;
    figure.parts.push_back(tiara);
    figure.parts.push_back(
        MakePart({Ellipse{{c, f.hairline - 2}, 1.2, 1.5}}, kAccent, Lighting::Flat));
  }
  if (t.circlet) {
    AddLine(figure, {c - f.rx + 0.5, f.hairline + 1}, {c + f.rx - 0.5, f.hairline + 1}, kGold, 1);
    AddLine(figure, {c - 1, f.hairline + 1}, {c + 1, f.hairline + 1}, kGold, 2);
    AddDot(figure, c, f.hairline + 2, kAccent, 2);
  }
}

}  // namespace

ArtworkDesign DrawPerson(const PersonStyle& style) {
  const Frame frame = FrameOf(style);
  Figure figure;
  AddShoulders(figure, kGroup3, style.neckline);
  AddBackHair(style, frame, figure);
  if (style.trimmings.wings) AddWings(frame, figure);
  AddHairBehind(style, frame, figure);
  AddSkull(style, frame, figure);
  AddHairOnTop(style, frame, figure);
  AddFace(style, frame, figure);
  return HeadPicture(style.fileName, std::move(figure));
}

}  // namespace tintara::artgen

// The stylised heads: four characters and the boy and girl series, variations of one face.

#include "heads.h"
#include "person_head.h"

namespace tintara::artgen {

namespace {

PersonStyle Anime(const char* fileName, bool female) {
  PersonStyle style;
  style.fileName = fileName;
  style.face = Face::Anime;
  style.female = female;
  style.halfWidth = female ? 14.5 : 15;
  style.halfHeight = 17;
  style.chin = female ? 1 : 0;
  return style;
}

PersonStyle Boy(const char* fileName, Fringe fringe, HairTop top, int spikes, double length,
                double tilt, Neckline neckline, HairBack back = HairBack::Short) {
  PersonStyle style = Anime(fileName, false);
  style.back = back;
  style.fringe = fringe;
  style.top = top;
  style.spikes = spikes;
  style.spikeLength = length;
  style.spikeTilt = tilt;
  style.neckline = neckline;
  return style;
}

PersonStyle Girl(const char* fileName, Fringe fringe, HairBack back, HairTop top, int spikes,
                 Neckline neckline) {
  PersonStyle style = Anime(fileName, true);
  style.fringe = fringe;
  style.back = back;
  style.top = top;
  style.spikes = spikes;
  style.neckline = neckline;
  style.volume = 2;
  return style;
}

}  // namespace

std::vector<Picture> AnimeHeads() {
  PersonStyle adam = Boy("ADAM.BMP", Fringe::Spiky, HairTop::Spikes, 7, 5, 0.15, Neckline::High);
  PersonStyle eve =
      Girl("EVE.BMP", Fringe::Spiky, HairBack::Flowing, HairTop::None, 7, Neckline::VNeck);
  PersonStyle butterfly =
      Girl("BUTTERFLY.BMP", Fringe::Straight, HairBack::Bob, HairTop::None, 7, Neckline::Round);
  butterfly.trimmings.wings = true;
  PersonStyle wolf =
      Boy("WOLFANIME.BMP", Fringe::Spiky, HairTop::Spikes, 9, 4, -0.2, Neckline::High);
  wolf.trimmings.wolfEars = true;
  PersonStyle boy5 =
      Boy("BOY-5.BMP", Fringe::Straight, HairTop::None, 7, 0, 0, Neckline::VNeck, HairBack::Bob);
  boy5.trimmings.glasses = true;

  const std::vector<PersonStyle> styles = {
      adam,
      eve,
      butterfly,
      wolf,
      Boy("BOY-1.BMP", Fringe::Spiky, HairTop::Spikes, 7, 6, 0, Neckline::Round),
      Boy("BOY-2.BMP", Fringe::Swept, HairTop::Spikes, 5, 7, 0.35, Neckline::VNeck),
      Boy("BOY-3.BMP", Fringe::Parted, HairTop::None, 7, 0, 0, Neckline::High, HairBack::Bob),
      Boy("BOY-4.BMP", Fringe::None, HairTop::Mohawk, 5, 0, 0, Neckline::Round),
      boy5,
      Boy("BOY-6.BMP", Fringe::Spiky, HairTop::Spikes, 11, 3, -0.3, Neckline::Cape),
      Boy("BOY-7.BMP", Fringe::Swept, HairTop::Quiff, 7, 0, 0, Neckline::High),
      Boy("BOY-8.BMP", Fringe::Spiky, HairTop::Ponytail, 9, 0, 0.2, Neckline::Round),
      Girl("GIRL-1.BMP", Fringe::Straight, HairBack::Long, HairTop::None, 7, Neckline::Round),
      Girl("GIRL-2.BMP", Fringe::Spiky, HairBack::Short, HairTop::Pigtails, 9, Neckline::VNeck),
      Girl("GIRL-3.BMP", Fringe::Parted, HairBack::Bob, HairTop::None, 7, Neckline::High),
      Girl("GIRL-4.BMP", Fringe::Swept, HairBack::Short, HairTop::Ponytail, 7, Neckline::Round),
      Girl("GIRL-5.BMP", Fringe::Spiky, HairBack::Short, HairTop::Bun, 7, Neckline::Cape),
      Girl("GIRL-6.BMP", Fringe::Parted, HairBack::Flowing, HairTop::None, 7, Neckline::VNeck),
      Girl("GIRL-7.BMP", Fringe::Straight, HairBack::Short, HairTop::Braids, 7, Neckline::High),
      Girl("GIRL-8.BMP", Fringe::Spiky, HairBack::Long, HairTop::Spikes, 9, Neckline::Round),
      Girl("GIRL-9.BMP", Fringe::Swept, HairBack::Bob, HairTop::Pigtails, 7, Neckline::VNeck),
      Girl("GIRL-10.BMP", Fringe::Spiky, HairBack::Short, HairTop::Afro, 7, Neckline::Round),
  };
  std::vector<Picture> pictures;
  for (const PersonStyle& style : styles) pictures.push_back(DrawPerson(style));
  return pictures;
}

}  // namespace tintara::artgen

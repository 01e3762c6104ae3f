// The stylised heads: four characters and the boy and girl series, variations of one face.

#include "heads.h"
#include "paint/artwork_files.h"
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

std::vector<ArtworkDesign> AnimeHeads() {
  PersonStyle adam =
      Boy(artwork_files::kAdam, Fringe::Spiky, HairTop::Spikes, 7, 5, 0.15, Neckline::High);
  PersonStyle eve = Girl(artwork_files::kEve, Fringe::Spiky, HairBack::Flowing, HairTop::None, 7,
                         Neckline::VNeck);
  PersonStyle butterfly = Girl(artwork_files::kButterfly, Fringe::Straight, HairBack::Bob,
                               HairTop::None, 7, Neckline::Round);
  butterfly.trimmings.wings = true;
  PersonStyle wolf =
      Boy(artwork_files::kWolfAnime, Fringe::Spiky, HairTop::Spikes, 9, 4, -0.2, Neckline::High);
  wolf.trimmings.wolfEars = true;
  PersonStyle boy5 = Boy(artwork_files::kBoy5, Fringe::Straight, HairTop::None, 7, 0, 0,
                         Neckline::VNeck, HairBack::Bob);
  boy5.trimmings.glasses = true;

  const std::vector<PersonStyle> styles = {
      adam,
      eve,
      butterfly,
      wolf,
      Boy(artwork_files::kBoy1, Fringe::Spiky, HairTop::Spikes, 7, 6, 0, Neckline::Round),
      Boy(artwork_files::kBoy2, Fringe::Swept, HairTop::Spikes, 5, 7, 0.35, Neckline::VNeck),
      Boy(artwork_files::kBoy3, Fringe::Parted, HairTop::None, 7, 0, 0, Neckline::High,
          HairBack::Bob),
      Boy(artwork_files::kBoy4, Fringe::None, HairTop::Mohawk, 5, 0, 0, Neckline::Round),
      boy5,
      Boy(artwork_files::kBoy6, Fringe::Spiky, HairTop::Spikes, 11, 3, -0.3, Neckline::Cape),
      Boy(artwork_files::kBoy7, Fringe::Swept, HairTop::Quiff, 7, 0, 0, Neckline::High),
      Boy(artwork_files::kBoy8, Fringe::Spiky, HairTop::Ponytail, 9, 0, 0.2, Neckline::Round),
      Girl(artwork_files::kGirl1, Fringe::Straight, HairBack::Long, HairTop::None, 7,
           Neckline::Round),
      Girl(artwork_files::kGirl2, Fringe::Spiky, HairBack::Short, HairTop::Pigtails, 9,
           Neckline::VNeck),
      Girl(artwork_files::kGirl3, Fringe::Parted, HairBack::Bob, HairTop::None, 7, Neckline::High),
      Girl(artwork_files::kGirl4, Fringe::Swept, HairBack::Short, HairTop::Ponytail, 7,
           Neckline::Round),
      Girl(artwork_files::kGirl5, Fringe::Spiky, HairBack::Short, HairTop::Bun, 7, Neckline::Cape),
      Girl(artwork_files::kGirl6, Fringe::Parted, HairBack::Flowing, HairTop::None, 7,
           Neckline::VNeck),
      Girl(artwork_files::kGirl7, Fringe::Straight, HairBack::Short, HairTop::Braids, 7,
           Neckline::High),
      Girl(artwork_files::kGirl8, Fringe::Spiky, HairBack::Long, HairTop::Spikes, 9,
           Neckline::Round),
      Girl(artwork_files::kGirl9, Fringe::Swept, HairBack::Bob, HairTop::Pigtails, 7,
           Neckline::VNeck),
      Girl(artwork_files::kGirl10, Fringe::Spiky, HairBack::Short, HairTop::Afro, 7,
           Neckline::Round),
  };
  std::vector<ArtworkDesign> pictures;
  for (const PersonStyle& style : styles) pictures.push_back(DrawPerson(style));
  return pictures;
}

}  // namespace tintara::artgen

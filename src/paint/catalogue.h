#pragma once

#include <array>
#include <string_view>

#include "paint/artwork_files.h"

namespace tintara {

// Which body radio button a catalogue entry stands for: the head (RadioButton3) or the
// accessory, grid or other bitmap (RadioButton4).
enum class CatalogueTarget { Head, Grid };

// One entry of the head and accessory menus: the submenu it stands in, its caption with its
// accelerator, its menu action's object name, the bitmap file it selects and the caption its radio
// button takes.
struct CatalogueEntry {
  std::string_view submenu;
  std::string_view caption;
  std::string_view actionName;
  std::string_view file;
  std::string_view radioCaption;
  CatalogueTarget target;
};

// In menu order. The irregular rows are meant: "Masked Brisa" loads kBrisa, the wolf kWolfAnime,
// the bunny ears kEars; both Galadriel entries share one action name.
inline constexpr std::array<CatalogueEntry, 65> kCatalogue = {{
    {"SelectNewHead", "&Pell", "Pell1Click", artwork_files::kPellHead, "Pell Head",
     CatalogueTarget::Head},
    {"SelectNewHead", "&Orvinne", "Orvinne1Click", artwork_files::kOrvinne, "Orvinne Head",
     CatalogueTarget::Head},
    {"SelectNewHead", "Tessaly", "Tessaly1Click", artwork_files::kTessaly, "Tessaly Head",
     CatalogueTarget::Head},
    {"SelectNewHead", "Jorri", "Jorri1Click", artwork_files::kJorri, "Jorri Head",
     CatalogueTarget::Head},
    {"SelectNewHead", "Darvo", "Darvo1Click", artwork_files::kDarvo, "Darvo Head",
     CatalogueTarget::Head},
    {"SelectNewHead", "Fennick", "Fennick1Click", artwork_files::kFennick, "Fennick Head",
     CatalogueTarget::Head},
    {"SelectNewHead", "&Yolin", "Yolin1Click", artwork_files::kYolin, "Yolin Head",
     CatalogueTarget::Head},
    {"SelectNewHead", "&Masked Brisa", "MaskedBrisa1Click", artwork_files::kBrisa, "Masked Brisa",
     CatalogueTarget::Head},
    {"SelectNewHead", "Heroine", "Heroine1Click", artwork_files::kHeroine, "Heroine",
     CatalogueTarget::Head},
    {"SelectNewHead", "Galadriel", "Galadriel1Click", artwork_files::kGaladriel, "Galadriel head",
     CatalogueTarget::Head},
    {"SelectMalehead1", "&Harrow", "Harrow1Click", artwork_files::kHarrow, "Harrow Head",
     CatalogueTarget::Head},
    {"SelectMalehead1", "Penrick", "Penrick1Click", artwork_files::kPenrick, "Penrick Head",
     CatalogueTarget::Head},
    {"SelectMalehead1", "&Bram", "Bram1Click", artwork_files::kBram, "Bram Head",
     CatalogueTarget::Head},
    {"SelectMalehead1", "&Clown", "Clown1Click", artwork_files::kClown, "Clown",
     CatalogueTarget::Head},
    {"SelectMalehead1", "Galadriel", "Galadriel1Click", artwork_files::kGaladriel, "Galadriel head",
     CatalogueTarget::Head},
    {"SelectAnimehead1", "&Adam", "Adam1Click", artwork_files::kAdam, "Adam (anime)",
     CatalogueTarget::Head},
    {"SelectAnimehead1", "&Eve", "Eve1Click", artwork_files::kEve, "Eve (anime)",
     CatalogueTarget::Head},
    {"SelectAnimehead1", "&Butterfly", "Butterfly1Click", artwork_files::kButterfly,
     "Butterfly (anime)", CatalogueTarget::Head},
    {"SelectAnimehead1", "&Wolf", "Wolf1Click", artwork_files::kWolfAnime, "Wolf (anime)",
     CatalogueTarget::Head},
    {"Boyheads1", "Boy-&1", "Boy11Click", artwork_files::kBoy1, "Boy-1 (anime)",
     CatalogueTarget::Head},
    {"Boyheads1", "Boy-&2", "Boy21Click", artwork_files::kBoy2, "Boy-2 (anime)",
     CatalogueTarget::Head},
    {"Boyheads1", "Boy-&3", "Boy31Click", artwork_files::kBoy3, "Boy-3 (anime)",
     CatalogueTarget::Head},
    {"Boyheads1", "Boy-&4", "Boy41Click", artwork_files::kBoy4, "Boy-4 (anime)",
     CatalogueTarget::Head},
    {"Boyheads1", "Boy-&5", "Boy51Click", artwork_files::kBoy5, "Boy-5 (anime)",
     CatalogueTarget::Head},
    {"Boyheads1", "Boy-&6", "Boy61Click", artwork_files::kBoy6, "Boy-6 (anime)",
     CatalogueTarget::Head},
    {"Boyheads1", "Boy-&7", "Boy71Click", artwork_files::kBoy7, "Boy-7 (anime)",
     CatalogueTarget::Head},
    {"Boyheads1", "Boy-&8", "Boy81Click", artwork_files::kBoy8, "Boy-8 (anime)",
     CatalogueTarget::Head},
    {"Girlheads1", "Girl-&1", "Girl11Click", artwork_files::kGirl1, "Girl-1 (anime)",
     CatalogueTarget::Head},
    {"Girlheads1", "Girl-&2", "Girl21Click", artwork_files::kGirl2, "Girl-2 (anime)",
     CatalogueTarget::Head},
    {"Girlheads1", "Girl-&3", "Girl31Click", artwork_files::kGirl3, "Girl-3 (anime)",
     CatalogueTarget::Head},
    {"Girlheads1", "Girl-&4", "Girl41Click", artwork_files::kGirl4, "Girl-4 (anime)",
     CatalogueTarget::Head},
    {"Girlheads1", "Girl-&5", "Girl51Click", artwork_files::kGirl5, "Girl-5 (anime)",
     CatalogueTarget::Head},
    {"Girlheads1", "Girl-&6", "Girl61Click", artwork_files::kGirl6, "Girl-6 (anime)",
     CatalogueTarget::Head},
    {"Girlheads1", "Girl-&7", "Girl71Click", artwork_files::kGirl7, "Girl-7 (anime)",
     CatalogueTarget::Head},
    {"Girlheads1", "Girl-&8", "Girl81Click", artwork_files::kGirl8, "Girl-8 (anime)",
     CatalogueTarget::Head},
    {"Girlheads1", "Girl-&9", "Girl91Click", artwork_files::kGirl9, "Girl-9 (anime)",
     CatalogueTarget::Head},
    {"Girlheads1", "Girl-1&0", "Girl101Click", artwork_files::kGirl10, "Girl-10 (anime)",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "&Bunny", "Bunny1Click", artwork_files::kBunny, "Bunny Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "&Teddy", "Teddy1Click", artwork_files::kTeddy, "Teddy Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "&Aristocat", "Aristocat1Click", artwork_files::kAristocat,
     "Aristocat Head", CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Tabby", "Tabby1Click", artwork_files::kTabby, "Tabby Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Female Duck", "FemaleDuck1Click", artwork_files::kFemaleDuck,
     "DuckHead-F", CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Male Duck", "MaleDuck1Click", artwork_files::kMaleDuck, "DuckHead-M",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Dog Head", "DogHead1Click", artwork_files::kDogHead, "Dog Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Raven", "RavenClick", artwork_files::kRaven, "Raven Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Panther", "Panther1Click", artwork_files::kPanther, "Panther Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Peregrine", "Peregrine1Click", artwork_files::kPeregrine,
     "Peregrine Head", CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Ferret", "Ferret1Click", artwork_files::kFerret, "Ferret Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Rose Head", "RoseHead2Click", artwork_files::kRoseHead, "Rose Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Pansy Head", "PansyHead1Click", artwork_files::kPansyHead, "Pansy Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Daisy Head", "DaisyHead1Click", artwork_files::kDaisyHead, "Daisy Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Tulip Head", "TulipHead1Click", artwork_files::kTulipHead, "Tulip Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Smiley", "Smiley1Click", artwork_files::kSmiley, "Smiley",
     CatalogueTarget::Head},
    {"Selectnew1", "Egg Head", "EggHead1Click", artwork_files::kEggHead, "Egg Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Beholder", "Beholder1Click", artwork_files::kBeholder, "Beholder Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Cricket", "Cricket1Click", artwork_files::kCricket, "Cricket Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Alien", "Alien1Click", artwork_files::kAlien, "Alien Head",
     CatalogueTarget::Head},
    {"SelectNewAccessory", "Design Grid", "DesignGrid1Click", artwork_files::kDesignGrid,
     "Design Grid", CatalogueTarget::Grid},
    {"SelectNewAccessory", "&Turf", "Turf1Click", artwork_files::kTurf, "Turf",
     CatalogueTarget::Grid},
    {"SelectNewAccessory", "&Pyramid", "Pyramid1Click", artwork_files::kPyramid, "Pyramid",
     CatalogueTarget::Grid},
    {"SelectNewAccessory", "&Beret", "Beret1Click", artwork_files::kBeret, "Beret",
     CatalogueTarget::Grid},
    {"SelectNewAccessory", "Bunny &Ears", "BunnyEars1Click", artwork_files::kEars, "Bunny Ears",
     CatalogueTarget::Grid},
    {"SelectNewAccessory", "Cabinets", "Cabinets1Click", artwork_files::kCabinets, "Cabinets",
     CatalogueTarget::Grid},
    {"SelectNewAccessory", "Fireplace", "Fireplace1Click", artwork_files::kFireplace, "Fireplace",
     CatalogueTarget::Grid},
    {"SelectNewAccessory", "Head Wrap", "HeadWrap1Click", artwork_files::kHeadWrap, "Head Wrap",
     CatalogueTarget::Grid},
}};

// The submenus of the File menu that hold the catalogue, in menu order, with their captions.
// The two anime submenus stand at the end of "Select A&nime head".
struct CatalogueMenu {
  std::string_view name;
  std::string_view caption;
  std::string_view parent;  // empty: the File menu
  int separatorAfter;       // entries before the submenu's separator, or 0 for none
};

inline constexpr std::array<CatalogueMenu, 8> kCatalogueMenus = {{
    {"SelectNewHead", "Select &Female head...", "", 0},
    {"SelectMalehead1", "Select &Male head...", "", 0},
    {"SelectAnimehead1", "Select A&nime head", "", 0},
    {"Boyheads1", "Boy heads", "SelectAnimehead1", 0},
    {"Girlheads1", "Girl heads", "SelectAnimehead1", 0},
    {"Selectnewanimalhead1", "Select &Animal head...", "", 0},
    {"Selectnew1", "Select &Other head...", "", 4},
    {"SelectNewAccessory", "Select accessory...", "", 1},
}};

}  // namespace tintara

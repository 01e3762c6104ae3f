#pragma once

#include <array>
#include <string_view>

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

// In menu order. The irregular rows are meant: "Masked Brisa" loads BRISA.BMP, the wolf
// WOLFANIME.BMP, the bunny ears EARS.BMP; both Galadriel entries share one action name.
inline constexpr std::array<CatalogueEntry, 65> kCatalogue = {{
    {"SelectNewHead", "&Pell", "Pell1Click", "PELLHEAD.BMP", "Pell Head", CatalogueTarget::Head},
    {"SelectNewHead", "&Orvinne", "Orvinne1Click", "ORVINNE.BMP", "Orvinne Head",
     CatalogueTarget::Head},
    {"SelectNewHead", "Tessaly", "Tessaly1Click", "TESSALY.BMP", "Tessaly Head",
     CatalogueTarget::Head},
    {"SelectNewHead", "Jorri", "Jorri1Click", "JORRI.BMP", "Jorri Head", CatalogueTarget::Head},
    {"SelectNewHead", "Darvo", "Darvo1Click", "DARVO.BMP", "Darvo Head", CatalogueTarget::Head},
    {"SelectNewHead", "Fennick", "Fennick1Click", "FENNICK.BMP", "Fennick Head",
     CatalogueTarget::Head},
    {"SelectNewHead", "&Yolin", "Yolin1Click", "YOLIN.BMP", "Yolin Head", CatalogueTarget::Head},
    {"SelectNewHead", "&Masked Brisa", "MaskedBrisa1Click", "BRISA.BMP", "Masked Brisa",
     CatalogueTarget::Head},
    {"SelectNewHead", "Heroine", "Heroine1Click", "HEROINE.BMP", "Heroine", CatalogueTarget::Head},
    {"SelectNewHead", "Galadriel", "Galadriel1Click", "GALADRIEL.BMP", "Galadriel head",
     CatalogueTarget::Head},
    {"SelectMalehead1", "&Harrow", "Harrow1Click", "HARROW.BMP", "Harrow Head",
     CatalogueTarget::Head},
    {"SelectMalehead1", "Penrick", "Penrick1Click", "PENRICK.BMP", "Penrick Head",
     CatalogueTarget::Head},
    {"SelectMalehead1", "&Bram", "Bram1Click", "BRAM.BMP", "Bram Head", CatalogueTarget::Head},
    {"SelectMalehead1", "&Clown", "Clown1Click", "CLOWN.BMP", "Clown", CatalogueTarget::Head},
    {"SelectMalehead1", "Galadriel", "Galadriel1Click", "GALADRIEL.BMP", "Galadriel head",
     CatalogueTarget::Head},
    {"SelectAnimehead1", "&Adam", "Adam1Click", "ADAM.BMP", "Adam (anime)", CatalogueTarget::Head},
    {"SelectAnimehead1", "&Eve", "Eve1Click", "EVE.BMP", "Eve (anime)", CatalogueTarget::Head},
    {"SelectAnimehead1", "&Butterfly", "Butterfly1Click", "BUTTERFLY.BMP", "Butterfly (anime)",
     CatalogueTarget::Head},
    {"SelectAnimehead1", "&Wolf", "Wolf1Click", "WOLFANIME.BMP", "Wolf (anime)",
     CatalogueTarget::Head},
    {"Boyheads1", "Boy-&1", "Boy11Click", "BOY-1.BMP", "Boy-1 (anime)", CatalogueTarget::Head},
    {"Boyheads1", "Boy-&2", "Boy21Click", "BOY-2.BMP", "Boy-2 (anime)", CatalogueTarget::Head},
    {"Boyheads1", "Boy-&3", "Boy31Click", "BOY-3.BMP", "Boy-3 (anime)", CatalogueTarget::Head},
    {"Boyheads1", "Boy-&4", "Boy41Click", "BOY-4.BMP", "Boy-4 (anime)", CatalogueTarget::Head},
    {"Boyheads1", "Boy-&5", "Boy51Click", "BOY-5.BMP", "Boy-5 (anime)", CatalogueTarget::Head},
    {"Boyheads1", "Boy-&6", "Boy61Click", "BOY-6.BMP", "Boy-6 (anime)", CatalogueTarget::Head},
    {"Boyheads1", "Boy-&7", "Boy71Click", "BOY-7.BMP", "Boy-7 (anime)", CatalogueTarget::Head},
    {"Boyheads1", "Boy-&8", "Boy81Click", "BOY-8.BMP", "Boy-8 (anime)", CatalogueTarget::Head},
    {"Girlheads1", "Girl-&1", "Girl11Click", "GIRL-1.BMP", "Girl-1 (anime)", CatalogueTarget::Head},
    {"Girlheads1", "Girl-&2", "Girl21Click", "GIRL-2.BMP", "Girl-2 (anime)", CatalogueTarget::Head},
    {"Girlheads1", "Girl-&3", "Girl31Click", "GIRL-3.BMP", "Girl-3 (anime)", CatalogueTarget::Head},
    {"Girlheads1", "Girl-&4", "Girl41Click", "GIRL-4.BMP", "Girl-4 (anime)", CatalogueTarget::Head},
    {"Girlheads1", "Girl-&5", "Girl51Click", "GIRL-5.BMP", "Girl-5 (anime)", CatalogueTarget::Head},
    {"Girlheads1", "Girl-&6", "Girl61Click", "GIRL-6.BMP", "Girl-6 (anime)", CatalogueTarget::Head},
    {"Girlheads1", "Girl-&7", "Girl71Click", "GIRL-7.BMP", "Girl-7 (anime)", CatalogueTarget::Head},
    {"Girlheads1", "Girl-&8", "Girl81Click", "GIRL-8.BMP", "Girl-8 (anime)", CatalogueTarget::Head},
    {"Girlheads1", "Girl-&9", "Girl91Click", "GIRL-9.BMP", "Girl-9 (anime)", CatalogueTarget::Head},
    {"Girlheads1", "Girl-1&0", "Girl101Click", "GIRL-10.BMP", "Girl-10 (anime)",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "&Bunny", "Bunny1Click", "BUNNY.BMP", "Bunny Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "&Teddy", "Teddy1Click", "TEDDY.BMP", "Teddy Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "&Aristocat", "Aristocat1Click", "ARISTOCAT.BMP", "Aristocat Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Tabby", "Tabby1Click", "TABBY.BMP", "Tabby Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Female Duck", "FemaleDuck1Click", "FEMALEDUCK.BMP", "DuckHead-F",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Male Duck", "MaleDuck1Click", "MALEDUCK.BMP", "DuckHead-M",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Dog Head", "DogHead1Click", "DOGHEAD.BMP", "Dog Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Raven", "RavenClick", "RAVEN.BMP", "Raven Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Panther", "Panther1Click", "PANTHER.BMP", "Panther Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Peregrine", "Peregrine1Click", "PEREGRINE.BMP", "Peregrine Head",
     CatalogueTarget::Head},
    {"Selectnewanimalhead1", "Ferret", "Ferret1Click", "FERRET.BMP", "Ferret Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Rose Head", "RoseHead2Click", "ROSEHEAD.BMP", "Rose Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Pansy Head", "PansyHead1Click", "PANSYHEAD.BMP", "Pansy Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Daisy Head", "DaisyHead1Click", "DAISYHEAD.BMP", "Daisy Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Tulip Head", "TulipHead1Click", "TULIPHEAD.BMP", "Tulip Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Smiley", "Smiley1Click", "SMILEY.BMP", "Smiley", CatalogueTarget::Head},
    {"Selectnew1", "Egg Head", "EggHead1Click", "EGGHEAD.BMP", "Egg Head", CatalogueTarget::Head},
    {"Selectnew1", "Beholder", "Beholder1Click", "BEHOLDER.BMP", "Beholder Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Cricket", "Cricket1Click", "CRICKET.BMP", "Cricket Head",
     CatalogueTarget::Head},
    {"Selectnew1", "Alien", "Alien1Click", "ALIEN.BMP", "Alien Head", CatalogueTarget::Head},
    {"SelectNewAccessory", "Design Grid", "DesignGrid1Click", "DESIGNGRID.BMP", "Design Grid",
     CatalogueTarget::Grid},
    {"SelectNewAccessory", "&Turf", "Turf1Click", "TURF.BMP", "Turf", CatalogueTarget::Grid},
    {"SelectNewAccessory", "&Pyramid", "Pyramid1Click", "PYRAMID.BMP", "Pyramid",
     CatalogueTarget::Grid},
    {"SelectNewAccessory", "&Beret", "Beret1Click", "BERET.BMP", "Beret", CatalogueTarget::Grid},
    {"SelectNewAccessory", "Bunny &Ears", "BunnyEars1Click", "EARS.BMP", "Bunny Ears",
     CatalogueTarget::Grid},
    {"SelectNewAccessory", "Cabinets", "Cabinets1Click", "CABINETS.BMP", "Cabinets",
     CatalogueTarget::Grid},
    {"SelectNewAccessory", "Fireplace", "Fireplace1Click", "FIREPLACE.BMP", "Fireplace",
     CatalogueTarget::Grid},
    {"SelectNewAccessory", "Head Wrap", "HeadWrap1Click", "HEADWRAP.BMP", "Head Wrap",
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

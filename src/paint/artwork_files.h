#pragma once

namespace tintara::artwork_files {

// Every bitmap the program loads from its folder, each file named here and only here: the body
// buttons, the catalogue and the artwork generator take the names from this header, and the build
// reads the list of files the generator writes from it.

// The bodies.
inline constexpr char kMale1[] = "MALE1.BMP";
inline constexpr char kMale2[] = "MALE2.BMP";
inline constexpr char kMale3[] = "MALE3.BMP";
inline constexpr char kFemale1[] = "FEMALE1.BMP";
inline constexpr char kFemale2[] = "FEMALE2.BMP";
inline constexpr char kFemale3[] = "FEMALE3.BMP";

// The heads.
inline constexpr char kPellHead[] = "PELLHEAD.BMP";
inline constexpr char kOrvinne[] = "ORVINNE.BMP";
inline constexpr char kTessaly[] = "TESSALY.BMP";
inline constexpr char kJorri[] = "JORRI.BMP";
inline constexpr char kDarvo[] = "DARVO.BMP";
inline constexpr char kFennick[] = "FENNICK.BMP";
inline constexpr char kYolin[] = "YOLIN.BMP";
inline constexpr char kBrisa[] = "BRISA.BMP";
inline constexpr char kHeroine[] = "HEROINE.BMP";
inline constexpr char kGaladriel[] = "GALADRIEL.BMP";
inline constexpr char kHarrow[] = "HARROW.BMP";
inline constexpr char kPenrick[] = "PENRICK.BMP";
inline constexpr char kBram[] = "BRAM.BMP";
inline constexpr char kClown[] = "CLOWN.BMP";
inline constexpr char kAdam[] = "ADAM.BMP";
inline constexpr char kEve[] = "EVE.BMP";
inline constexpr char kButterfly[] = "BUTTERFLY.BMP";
inline constexpr char kWolfAnime[] = "WOLFANIME.BMP";
inline constexpr char kBoy1[] = "BOY-1.BMP";
inline constexpr char kBoy2[] = "BOY-2.BMP";
inline constexpr char kBoy3[] = "BOY-3.BMP";
inline constexpr char kBoy4[] = "BOY-4.BMP";
inline constexpr char kBoy5[] = "BOY-5.BMP";
inline constexpr char kBoy6[] = "BOY-6.BMP";
inline constexpr char kBoy7[] = "BOY-7.BMP";
inline constexpr char kBoy8[] = "BOY-8.BMP";
inline constexpr char kGirl1[] = "GIRL-1.BMP";
inline constexpr char kGirl2[] = "GIRL-2.BMP";
inline constexpr char kGirl3[] = "GIRL-3.BMP";
inline constexpr char kGirl4[] = "GIRL-4.BMP";
inline constexpr char kGirl5[] = "GIRL-5.BMP";
inline constexpr char kGirl6[] = "GIRL-6.BMP";
inline constexpr char kGirl7[] = "GIRL-7.BMP";
inline constexpr char kGirl8[] = "GIRL-8.BMP";
inline constexpr char kGirl9[] = "GIRL-9.BMP";
inline constexpr char kGirl10[] = "GIRL-10.BMP";
inline constexpr char kBunny[] = "BUNNY.BMP";
inline constexpr char kTeddy[] = "TEDDY.BMP";
inline constexpr char kAristocat[] = "ARISTOCAT.BMP";
inline constexpr char kTabby[] = "TABBY.BMP";
inline constexpr char kFemaleDuck[] = "FEMALEDUCK.BMP";
inline constexpr char kMaleDuck[] = "MALEDUCK.BMP";
inline constexpr char kDogHead[] = "DOGHEAD.BMP";
inline constexpr char kRaven[] = "RAVEN.BMP";
inline constexpr char kPanther[] = "PANTHER.BMP";
inline constexpr char kPeregrine[] = "PEREGRINE.BMP";
inline constexpr char kFerret[] = "FERRET.BMP";
inline constexpr char kRoseHead[] = "ROSEHEAD.BMP";
inline constexpr char kPansyHead[] = "PANSYHEAD.BMP";
inline constexpr char kDaisyHead[] = "DAISYHEAD.BMP";
inline constexpr char kTulipHead[] = "TULIPHEAD.BMP";
inline constexpr char kSmiley[] = "SMILEY.BMP";
inline constexpr char kEggHead[] = "EGGHEAD.BMP";
inline constexpr char kBeholder[] = "BEHOLDER.BMP";
inline constexpr char kCricket[] = "CRICKET.BMP";
inline constexpr char kAlien[] = "ALIEN.BMP";

// The design grid and the accessories.
inline constexpr char kDesignGrid[] = "DESIGNGRID.BMP";
inline constexpr char kTurf[] = "TURF.BMP";
inline constexpr char kPyramid[] = "PYRAMID.BMP";
inline constexpr char kBeret[] = "BERET.BMP";
inline constexpr char kEars[] = "EARS.BMP";
inline constexpr char kCabinets[] = "CABINETS.BMP";
inline constexpr char kFireplace[] = "FIREPLACE.BMP";
inline constexpr char kHeadWrap[] = "HEADWRAP.BMP";

}  // namespace tintara::artwork_files

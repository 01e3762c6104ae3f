#include "small_icon.h"

#include <array>
#include <string_view>

namespace tintara::artgen {
namespace {

// One letter a pixel; '.' is transparent.
constexpr std::uint32_t PixelOf(char letter) {
  switch (letter) {
    case 'o':
      return 0xFF4A2C14;  // outline, dark wood
    case 'h':
      return 0xFFF0C88C;  // lit wood
    case 'w':
      return 0xFFD6A060;  // wood
    case 's':
      return 0xFFA06E3C;  // wood in shade
    case 'r':
      return 0xFFE22828;
    case 'y':
      return 0xFFFAD228;
    case 'g':
      return 0xFF28AA3C;
    case 'b':
      return 0xFF285AE6;
    default:
      return 0;
  }
}

constexpr std::array<std::string_view, 16> kIcon16 = {
    "................",  //
    "................",  //
    ".....oooooo.....",  //
    "...oohhhhhhoo...",  //
    "..ohhhhrrhhyyo..",  //
    ".ohhhhhrrrhyyyo.",  //
    ".ohooohhrhhhyyo.",  //
    "oho...ohhhhhhhwo",  //
    "ohho.ohhhhhbbbwo",  //
    "ohwwohhhhhbbbbwo",  //
    ".owwwwhhggwbbwso",  //
    "..ooowwgggwwwsso",  //
    "....owwwggwwsso.",  //
    "....osswwwssso..",  //
    ".....ooossooo...",  //
    "........oo......",  //
};

constexpr std::array<std::string_view, 24> kIcon24 = {
    "........................",  //
    "........................",  //
    "..........oooooooo......",  //
    ".......ooohhhhhhhhoo....",  //
    ".....oohhhhhhhhhhhhhoo..",  //
    "....ohhhhhhrrrhhhhyyyho.",  //
    "...ohhhhhhrrrrrhhyyyyyo.",  //
    "..ohhhhhhhrrrrrhhyyyyyo.",  //
    "..ohhooohhhrrrhhhhyyyhwo",  //
    ".ohhoo..oohhhhhhhhhhhhwo",  //
    ".ohho....ohhhhhhhhbbbhwo",  //
    ".ohho....ohhhhhhhbbbbbwo",  //
    ".ohhhoo.oohhhhhhhbbbbbwo",  //
    "..ohhhhoohhhhhhhhhbbbwso",  //
    "..owwwhhhhhhgggwhhwwwsso",  //
    "...owwwwhhhgggggwwwwssso",  //
    "....ooowwwwgggggwwwsssso",  //
    ".......owwwwgggwwwssssso",  //
    ".......owwwwwwwwwsssssso",  //
    "........osswwwwwssssssoo",  //
    ".........ossssssssssoo..",  //
    "..........oossssssoo....",  //
    "............oooooo......",  //
    "........................",  //
};

template <std::size_t N>
std::vector<std::uint32_t> Pixels(const std::array<std::string_view, N>& rows) {
  std::vector<std::uint32_t> pixels;
  pixels.reserve(N * N);
  for (const std::string_view row : rows) {
    for (const char letter : row) pixels.push_back(PixelOf(letter));
  }
  return pixels;
}

}  // namespace

std::optional<std::vector<std::uint32_t>> DrawSmallIcon(int size) {
  if (size == 16) return Pixels(kIcon16);
  if (size == 24) return Pixels(kIcon24);
  return std::nullopt;
}

}  // namespace tintara::artgen

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#include "formats/palette_readers.h"
#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The lines of the text one after another, each without its line end.
class Lines {
 public:
  explicit Lines(std::string_view text) : rest_(text) {}
  bool Next(std::string_view& line) {
    if (rest_.empty()) return false;
    const std::size_t end = rest_.find('\n');
    line = rest_.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    rest_ = end == std::string_view::npos ? std::string_view{} : rest_.substr(end + 1);
    ++number_;
    return true;
  }
  int number() const { return number_; }

 private:
  std::string_view rest_;
  int number_ = 0;
};

Problem NotAColour(int line) {
  return Problem{Filled(Tr("line %s is not a colour"), {std::to_string(line)})};
}

// A level 0..255 at the front of the text, after blanks; the text is left after it.
std::optional<std::uint8_t> TakeLevel(std::string_view& text) {
  text = text.substr(std::min(text.size(), text.find_first_not_of(kBlanks)));
  int value = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || value < 0 || value > 255) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  if (!text.empty() && kBlanks.find(text.front()) == std::string_view::npos) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

// Reads levels from the line, as many as asked: red, green and blue first.
std::optional<Colour> TakeColour(std::string_view& line, int levels) {
  std::uint8_t read[4] = {};
  for (int k = 0; k < levels; ++k) {
    const std::optional<std::uint8_t> level = TakeLevel(line);
    if (!level) return std::nullopt;
    read[k] = *level;
  }
  return MakeColour(read[0], read[1], read[2]);
}

std::optional<std::uint32_t> HexNumber(std::string_view digits) {
  std::uint32_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// A colour 0xRRGGBB as the lists write it.
Colour OfRgbNumber(std::uint32_t value) {
  return MakeColour(static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                    static_cast<std::uint8_t>(value));
}

std::optional<Problem> Add(Palette& palette, Colour colour, std::string_view name = {}) {
  if (std::optional<Problem> full = RoomForColour(palette)) return full;
  palette.entries.push_back({colour, std::string(name)});
  return std::nullopt;
}

}  // namespace

std::optional<Problem> RoomForColour(const Palette& palette) {
  if (palette.entries.size() < kMaxPaletteColours) return std::nullopt;
  return Problem{Filled(Tr("it holds more than %s colours"), {std::to_string(kMaxPaletteColours)})};
}

std::optional<Problem> ReadGimpPalette(std::string_view text, Palette& palette) {
  Lines lines(text);
  std::string_view line;
  lines.Next(line);  // "GIMP Palette"
  int levels = 3;
  while (lines.Next(line)) {
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    if (trimmed.starts_with("Name:")) {
      palette.name = Trimmed(trimmed.substr(5));
      continue;
    }
    if (trimmed.starts_with("Columns:")) continue;
    if (trimmed.starts_with("Channels:")) {
      const std::string_view channels = Trimmed(trimmed.substr(9));
      if (channels != "RGB" && channels != "RGBA") {
        return Problem{
            Filled(Tr("line %s names channels other than RGB"), {std::to_string(lines.number())})};
      }
      levels = channels == "RGBA" ? 4 : 3;
      continue;
    }
    std::string_view rest = trimmed;
    const std::optional<Colour> colour = TakeColour(rest, levels);
    if (!colour) return NotAColour(lines.number());
    if (std::optional<Problem> full = Add(palette, *colour, Trimmed(rest))) return full;
  }
  return std::nullopt;
}

std::optional<Problem> ReadJascPalette(std::string_view text, Palette& palette) {
  Lines lines(text);
  std::string_view line;
  lines.Next(line);  // "JASC-PAL"
  if (!lines.Next(line) || Trimmed(line) != "0100") {
    return Problem{Tr("line 2 is not the JASC version 0100")};
  }
  std::size_t count = 0;
  lines.Next(line);
  const std::string_view counted = Trimmed(line);
  const auto [end, error] = std::from_chars(counted.data(), counted.data() + counted.size(), count);
  if (error != std::errc{} || end != counted.data() + counted.size()) {
    return Problem{Tr("line 3 is not the number of colours")};
  }
  for (std::size_t k = 0; k < count; ++k) {
    if (!lines.Next(line)) return Problem{Tr("it ends before its colours do")};
    std::string_view rest = Trimmed(line);
    const std::optional<Colour> colour = TakeColour(rest, 3);
    // Some programs add alpha as a fourth number; it is not a colour of the slots.
    if (!colour || (!rest.empty() && !TakeLevel(rest))) return NotAColour(lines.number());
    if (std::optional<Problem> full = Add(palette, *colour)) return full;
  }
  return std::nullopt;
}

std::optional<Problem> ReadHexList(std::string_view text, Palette& palette) {
  Lines lines(text);
  std::string_view line;
  while (lines.Next(line)) {
    std::string_view digits = Trimmed(line);
    if (digits.empty()) continue;
    if (digits.front() == '#') digits.remove_prefix(1);
    const std::optional<std::uint32_t> value =
        digits.size() == 6 ? HexNumber(digits) : std::nullopt;
    if (!value) return NotAColour(lines.number());
    if (std::optional<Problem> full = Add(palette, OfRgbNumber(*value))) return full;
  }
  return std::nullopt;
}

std::optional<Problem> ReadPaintNetPalette(std::string_view text, Palette& palette) {
  Lines lines(text);
  std::string_view line;
  while (lines.Next(line)) {
    const std::string_view digits = Trimmed(line);
    if (digits.empty() || digits.front() == ';') continue;
    // AARRGGBB: the alpha is not a colour of the slots.
    const std::optional<std::uint32_t> value =
        digits.size() == 8 ? HexNumber(digits) : std::nullopt;
    if (!value) return NotAColour(lines.number());
    if (std::optional<Problem> full = Add(palette, OfRgbNumber(*value))) return full;
  }
  return std::nullopt;
}

}  // namespace tintara

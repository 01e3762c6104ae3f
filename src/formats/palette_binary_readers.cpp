#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>
#include <string>

#include "formats/palette_readers.h"
#include "platform/filled_text.h"
#include "platform/translation.h"
#include "platform/utf8.h"

namespace tintara {
namespace {

// Reads big- or little-endian numbers from the bytes in turn; reading past the end fails once and
// for all, so a reader checks once after a block.
class ByteReader {
 public:
  explicit ByteReader(PaletteBytes bytes) : bytes_(bytes) {}

  bool Has(std::size_t count) const { return ok_ && bytes_.size() - at_ >= count; }
  std::size_t left() const { return ok_ ? bytes_.size() - at_ : 0; }
  bool ok() const { return ok_; }

  std::uint32_t Big(int count) {
    std::uint32_t value = 0;
    for (int k = 0; k < count; ++k) value = value << 8 | Byte();
    return value;
  }
  std::uint32_t Little(int count) {
    std::uint32_t value = 0;
    for (int k = 0; k < count; ++k) value |= std::uint32_t{Byte()} << (8 * k);
    return value;
  }
  std::string Text(std::size_t count) {
    if (!Has(count)) return Fail(), std::string();
    std::string text(reinterpret_cast<const char*>(bytes_.data() + at_), count);
    at_ += count;
    return text;
  }
  void Skip(std::size_t count) {
    if (!Has(count)) return Fail();
    at_ += count;
  }
  std::uint8_t Byte() {
    if (!Has(1)) return Fail(), 0;
    return bytes_[at_++];
  }

 private:
  void Fail() {
    ok_ = false;
    at_ = bytes_.size();
  }

  PaletteBytes bytes_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

Problem CutShort() { return Problem{Tr("it ends before its colours do")}; }

std::optional<Problem> Add(Palette& palette, Colour colour, std::string name = {}) {
  if (std::optional<Problem> full = RoomForColour(palette)) return full;
  palette.entries.push_back({colour, std::move(name)});
  return std::nullopt;
}

// An Adobe swatch's channel, 0..1 as a big-endian float, as an 8-bit level.
std::optional<std::uint8_t> LevelOfFloat(ByteReader& reader) {
  const std::uint32_t bits = reader.Big(4);
  const auto value = std::bit_cast<float>(bits);
  if (!std::isfinite(value)) return std::nullopt;
  return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0F, 1.0F) * 255.0F));
}

// A swatch name: its length in UTF-16 units with the closing zero, then the units.
std::string SwatchName(ByteReader& reader) {
  const std::uint32_t units = reader.Big(2);
  std::string name;
  for (std::uint32_t k = 0; k < units && reader.ok(); ++k) {
    char32_t unit = reader.Big(2);
    if (unit == 0) continue;
    if (unit >= 0xD800 && unit <= 0xDBFF && reader.Has(2)) {
      const char32_t low = reader.Big(2);
      ++k;
      unit = low >= 0xDC00 && low <= 0xDFFF ? 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)
                                            : kReplacementCharacter;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      unit = kReplacementCharacter;
    }
    AppendUtf8(name, unit);
  }
  return name;
}

std::optional<Problem> ReadSwatch(PaletteBytes body, Palette& palette) {
  ByteReader reader(body);
  std::string name = SwatchName(reader);
  const std::string model = reader.Text(4);
  int channels = 0;
  if (model == "RGB ") channels = 3;
  if (model == "Gray") channels = 1;
  if (channels == 0 && (model == "CMYK" || model == "LAB ")) {
    ++palette.skippedSwatches;
    return std::nullopt;
  }
  if (channels == 0) return Problem{Tr("a swatch has a colour model it does not name")};
  std::uint8_t levels[3] = {};
  for (int k = 0; k < channels; ++k) {
    const std::optional<std::uint8_t> level = LevelOfFloat(reader);
    if (!level) return Problem{Tr("a swatch holds a number that is not a colour")};
    levels[k] = *level;
  }
  if (!reader.ok()) return CutShort();
  if (channels == 1) levels[1] = levels[2] = levels[0];
  return Add(palette, MakeColour(levels[0], levels[1], levels[2]), std::move(name));
}

}  // namespace

std::optional<Problem> ReadRiffPalette(PaletteBytes bytes, Palette& palette) {
  ByteReader reader(bytes);
  reader.Skip(12);  // "RIFF", the size, "PAL "
  while (reader.Has(8)) {
    const std::string id = reader.Text(4);
    const std::uint32_t size = reader.Little(4);
    if (id != "data") {
      reader.Skip(size + (size & 1));
      continue;
    }
    reader.Skip(2);  // the version, 0x0300
    const std::uint32_t count = reader.Little(2);
    if (std::size_t{count} * 4 + 4 > size || !reader.Has(std::size_t{count} * 4)) return CutShort();
    for (std::uint32_t k = 0; k < count; ++k) {
      const std::uint8_t red = reader.Byte(), green = reader.Byte(), blue = reader.Byte();
      reader.Skip(1);  // flags
      if (std::optional<Problem> full = Add(palette, MakeColour(red, green, blue))) return full;
    }
    return std::nullopt;
  }
  return Problem{Tr("it holds no colour data")};
}

std::optional<Problem> ReadSwatchExchange(PaletteBytes bytes, Palette& palette) {
  ByteReader reader(bytes);
  reader.Skip(4);  // "ASEF"
  const std::uint32_t version = reader.Big(2);
  reader.Skip(2);
  const std::uint32_t blocks = reader.Big(4);
  if (!reader.ok()) return CutShort();
  if (version != 1) return Problem{Tr("it is a version of Swatch Exchange other than 1")};
  for (std::uint32_t k = 0; k < blocks && reader.left() > 0; ++k) {
    const std::uint32_t type = reader.Big(2);
    const std::uint32_t length = reader.Big(4);
    if (!reader.Has(length)) return CutShort();
    const PaletteBytes body = bytes.subspan(bytes.size() - reader.left(), length);
    reader.Skip(length);
    // Groups only gather swatches: their colours count as the others do.
    if (type != 0x0001) continue;
    if (std::optional<Problem> problem = ReadSwatch(body, palette)) return problem;
  }
  if (!reader.ok()) return CutShort();
  return std::nullopt;
}

std::optional<Problem> ReadColourTable(PaletteBytes bytes, Palette& palette) {
  constexpr std::size_t kTableBytes = 768;
  if (bytes.size() != kTableBytes && bytes.size() != kTableBytes + 4) {
    return Problem{Filled(Tr("an Adobe Color Table is 768 or 772 bytes long, this one %s"),
                          {std::to_string(bytes.size())})};
  }
  ByteReader reader(bytes);
  std::size_t count = 256;
  if (bytes.size() > kTableBytes) {
    // The count and the transparent entry follow the table; the transparent entry is a colour too.
    reader.Skip(kTableBytes);
    count = reader.Big(2);
    if (count == 0 || count > 256) return Problem{Tr("its count of colours is not 1 to 256")};
    reader = ByteReader(bytes);
  }
  for (std::size_t k = 0; k < count; ++k) {
    const std::uint8_t red = reader.Byte(), green = reader.Byte(), blue = reader.Byte();
    if (std::optional<Problem> full = Add(palette, MakeColour(red, green, blue))) return full;
  }
  return std::nullopt;
}

}  // namespace tintara

// Reads the input as a painted colour table, slots and a palette name, and as a small painted
// skin: the GIMP and JASC palettes written for them read back to the same colours, one line each
// whatever the name holds, and the skin written as a BMP reads back to the same indices and table.
// A violated invariant aborts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "invariant.h"
#include "paint/painted_skin.h"
#include "paint/palette_text.h"
#include "paint/picture.h"
#include "platform/bmp_reader.h"
#include "platform/bmp_writer.h"

namespace {

struct Bytes {
  const std::uint8_t* data;
  std::size_t size;
  std::uint8_t Next() {
    if (size == 0) return 0;
    --size;
    return *data++;
  }
};

std::vector<std::string> Lines(const std::string& text, std::string_view end) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t at = text.find(end, start);
    Check(at != std::string::npos, "every line is ended");
    lines.push_back(text.substr(start, at - start));
    start = at + end.size();
  }
  return lines;
}

void CheckPalettes(const std::vector<tintara::Colour>& colours, const tintara::SlotRecords& slots,
                   std::string_view name) {
  const std::vector<std::string> gimp = Lines(tintara::GimpPaletteText(name, colours, slots), "\n");
  Check(gimp.size() == 4 + colours.size(), "a GIMP palette is its header and a line a colour");
  Check(gimp[0] == "GIMP Palette" && gimp[1].starts_with("Name: ") && gimp[3] == "#",
        "the GIMP header stands as written, whatever the name");
  const std::vector<std::string> jasc = Lines(tintara::JascPaletteText(colours), "\r\n");
  Check(jasc.size() == 3 + colours.size(), "a JASC palette is its header and a line a colour");
  Check(jasc[2] == std::to_string(colours.size()), "the JASC count is the number of colours");
  for (std::size_t i = 0; i < colours.size(); ++i) {
    int red = -1, green = -1, blue = -1;
    std::istringstream(gimp[4 + i]) >> red >> green >> blue;
    const tintara::Colour read =
        tintara::MakeColour(std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue));
    Check(read == colours[i], "a GIMP line reads back to its colour");
    std::istringstream(jasc[3 + i]) >> red >> green >> blue;
    Check(tintara::MakeColour(std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)) ==
              colours[i],
          "a JASC line reads back to its colour");
  }
}

void CheckSkin(Bytes& bytes, const tintara::DisplayTable& table) {
  tintara::Bitmap work;
  work.width = 1 + bytes.Next() % 19;
  work.height = 1 + bytes.Next() % 17;
  work.bitsPerPixel = 8;
  work.colourTable.resize(1 + bytes.Next());
  for (auto& entry : work.colourTable) entry = {bytes.Next(), bytes.Next(), bytes.Next(), 0};
  for (int i = 0; i < work.width * work.height; ++i) {
    work.indices.push_back(std::uint8_t(bytes.Next() % work.colourTable.size()));
  }
  const int scale = 1 + bytes.Next() % 4;
  const tintara::Bitmap skin = tintara::PaintedSkin(work, tintara::Picture{}, table, scale);
  const auto read = tintara::DecodeBmp(tintara::EncodeBmp(skin));
  Check(read.has_value(), "a written skin reads back");
  Check(read->width == work.width * scale && read->height == work.height * scale,
        "the skin is the picture at its scale");
  Check(read->indices == skin.indices && read->colourTable == skin.colourTable,
        "the skin reads back to its indices and table");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes bytes{data, size};
  tintara::DisplayTable table{};
  std::vector<tintara::Colour> colours(bytes.Next());
  for (std::size_t i = 0; i < colours.size(); ++i) {
    colours[i] = tintara::MakeColour(bytes.Next(), bytes.Next(), bytes.Next());
    table[i] = tintara::ToDisplayPixel(colours[i]);
  }
  tintara::SlotRecords slots{};
  for (auto& slot : slots) {
    slot.index = bytes.Next() % 2 == 0 ? tintara::kNotLocated : bytes.Next();
    slot.code = bytes.Next();
  }
  CheckSkin(bytes, table);
  CheckPalettes(colours, slots,
                std::string_view(reinterpret_cast<const char*>(bytes.data), bytes.size));
  return 0;
}

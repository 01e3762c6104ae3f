#include "formats/palette_reader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace tintara {
namespace {

std::string BigEndian(std::uint32_t value, int bytes) {
  std::string text;
  for (int k = bytes - 1; k >= 0; --k) text += static_cast<char>((value >> (8 * k)) & 0xFF);
  return text;
}

std::string FloatBytes(float value) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return BigEndian(bits, 4);
}

// An Adobe Swatch Exchange colour block: name, model and channels.
std::string Swatch(const std::u16string& name, const std::string& model,
                   const std::vector<float>& channels) {
  std::string body = BigEndian(static_cast<std::uint32_t>(name.size() + 1), 2);
  for (const char16_t unit : name) body += BigEndian(unit, 2);
  body += BigEndian(0, 2) + model;
  for (const float channel : channels) body += FloatBytes(channel);
  body += BigEndian(2, 2);  // a normal swatch
  return BigEndian(0x0001, 2) + BigEndian(static_cast<std::uint32_t>(body.size()), 4) + body;
}

std::string Ase() {
  const std::string group = BigEndian(0xC001, 2) + BigEndian(4, 4) + BigEndian(1, 2) +
                            BigEndian(0, 2);  // a group with an empty name
  return "ASEF" + BigEndian(1, 2) + BigEndian(0, 2) + BigEndian(5, 4) + group +
         Swatch(u"Red \u00e9", "RGB ", {1, 0, 0}) + Swatch(u"ink", "CMYK", {0, 0, 0, 1}) +
         Swatch(u"grey", "Gray", {0.5F}) + BigEndian(0xC002, 2) + BigEndian(0, 4);
}

std::string Riff() {
  const std::string data = std::string("\x00\x03", 2) /* version 0x0300 */ +
                           std::string("\x02\x00", 2) + std::string("\xFF\x00\x00\x00", 4) +
                           std::string("\x00\x80\xFF\x00", 4);
  const std::string chunk = "data" + std::string("\x0C\x00\x00\x00", 4) + data;
  return "RIFF" + std::string(1, static_cast<char>(4 + chunk.size())) + std::string(3, '\0') +
         "PAL " + chunk;
}

std::string Act(int count) {
  std::string table(768, '\0');
  table[0] = '\xFF';
  table[4] = '\x80';
  table[5] = '\xFF';
  return count == 256 ? table : table + BigEndian(count, 2) + BigEndian(0xFFFF, 2);
}

constexpr Colour kRed = MakeColour(255, 0, 0);
constexpr Colour kBlue = MakeColour(0, 128, 255);

class PaletteReader : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  Expected<Palette> Read(const QString& name, const std::string& bytes) const {
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();
    return ReadPaletteFile(dir_.filePath(name).toStdString());
  }

 private:
  QTemporaryDir dir_;
};

TEST_F(PaletteReader, ReadsEveryFormatToItsColoursAndNames) {
  const struct {
    const char* file;
    std::string bytes;
    std::vector<PaletteEntry> entries;
    std::string name;
    std::size_t skipped = 0;
  } cases[] = {
      {"g.gpl",
       "GIMP Palette\nName: Warm\nColumns: 4\n# comment\n\n255   0   0\tSlot 1: code 9\n"
       "  0 128 255 Deep sky\n",
       {{kRed, "Slot 1: code 9"}, {kBlue, "Deep sky"}},
       "Warm"},
      {"rgba.gpl",
       "GIMP Palette\r\nChannels: RGBA\r\n255 0 0 128 Half red\r\n0 128 255 255\r\n",
       {{kRed, "Half red"}, {kBlue, ""}},
       "rgba"},
      {"j.PAL",
       "JASC-PAL\r\n0100\r\n2\r\n255 0 0\r\n0 128 255 255\r\n",
       {{kRed, ""}, {kBlue, ""}},
       "j"},
      {"r.pal", Riff(), {{kRed, ""}, {kBlue, ""}}, "r"},
      {"s.ase", Ase(), {{kRed, "Red \xC3\xA9"}, {MakeColour(128, 128, 128), "grey"}}, "s", 1},
      {"a.act", Act(2), {{kRed, ""}, {kBlue, ""}}, "a"},
      {"l.hex", "ff0000\n\n0080FF\n", {{kRed, ""}, {kBlue, ""}}, "l"},
      {"p.txt", "; paint.net Palette File\nFFFF0000\n800080FF\n", {{kRed, ""}, {kBlue, ""}}, "p"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Expected<Palette> palette = Read(c.file, c.bytes);
    ASSERT_TRUE(palette) << palette.problem().message;
    EXPECT_EQ(palette->entries, c.entries);
    EXPECT_EQ(palette->name, c.name);
    EXPECT_EQ(palette->skippedSwatches, c.skipped);
  }
  const Expected<Palette> full = Read("full.act", Act(256));
  ASSERT_TRUE(full);
  EXPECT_EQ(full->entries.size(), 256u);
}

TEST_F(PaletteReader, RefusesMalformedFilesSayingWhy) {
  std::string cutAse = Ase();
  cutAse.resize(cutAse.size() - 20);
  std::string cutRiff = Riff();
  cutRiff.resize(cutRiff.size() - 2);
  const struct {
    const char* file;
    std::string bytes;
    std::string message;
  } cases[] = {
      {"g.gpl", "GIMP Palette\n255 0\n", "Cannot read g.gpl: line 2 is not a colour"},
      {"g2.gpl", "GIMP Palette\n256 0 0 x\n", "Cannot read g2.gpl: line 2 is not a colour"},
      {"j.pal", "JASC-PAL\r\n0100\r\n3\r\n1 2 3\r\n",
       "Cannot read j.pal: it ends before its colours do"},
      {"r.pal", cutRiff, "Cannot read r.pal: it ends before its colours do"},
      {"s.ase", cutAse, "Cannot read s.ase: it ends before its colours do"},
      {"a.act", std::string(700, '\0'),
       "Cannot read a.act: an Adobe Color Table is 768 or 772 bytes long, this one 700"},
      {"l.hex", "ff0000\nff00\n", "Cannot read l.hex: line 2 is not a colour"},
      {"p.txt", "FF0000\n", "Cannot read p.txt: line 1 is not a colour"},
      {"e.hex", "\n", "Cannot read e.hex: it holds no colour"},
      {"x.png", "\x89PNG",
       "Cannot read x.png: not a palette: GIMP, JASC and RIFF palettes and "
       "Adobe Swatch Exchange files are read whatever their name, Adobe Color "
       "Tables as .act, Lospec lists as .hex and Paint.NET palettes as .txt"},
      {"many.hex",
       [] {
         std::string text;
         for (std::size_t k = 0; k <= kMaxPaletteColours; ++k) text += "000000\n";
         return text;
       }(),
       "Cannot read many.hex: it holds more than 4096 colours"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Expected<Palette> palette = Read(c.file, c.bytes);
    ASSERT_FALSE(palette);
    EXPECT_EQ(palette.problem().message, c.message);
  }
}

}  // namespace
}  // namespace tintara

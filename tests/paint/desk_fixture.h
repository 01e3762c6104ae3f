#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "paint/desk.h"
#include "paint/test_pictures.h"

namespace tintara {

inline constexpr std::uint32_t kSessionSeed = 4242;

// Everything the window shows, to compare before and after an operation.
struct Snapshot {
  std::string codeText, lastCodes, sizeText, headFile, gridFile;
  Picture picture;
  SlotRecords slots;
  std::vector<std::string> labels;
  std::vector<Colour> fills;
  std::vector<bool> flags;  // slots shown, captions shown, groups enabled
  std::vector<std::string> bodyCaptions;
  int body, markerSet;
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

inline bool operator==(const Picture& a, const Picture& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

inline Snapshot Take(const Desk& desk) {
  Snapshot shot{desk.codeText(),
                desk.model().lastCodes,
                desk.sizeText(),
                desk.headFile(),
                desk.gridFile(),
                desk.picture(),
                desk.model().slots,
                {},
                {},
                {},
                {},
                desk.selectedBody(),
                desk.shownMarkerSet()};
  for (int s = 1; s <= kSlotCount; ++s) {
    shot.labels.push_back(desk.slotLabel(s));
    shot.fills.push_back(desk.slotFill(s));
    shot.flags.push_back(desk.slotShown(s));
  }
  for (int g = 1; g <= kGroupCount; ++g) {
    shot.flags.push_back(desk.groupCaptionShown(g));
    shot.flags.push_back(desk.groupEnabled(g));
  }
  for (int b = 1; b <= kBodyCount; ++b) shot.bodyCaptions.push_back(desk.bodyCaption(b));
  return shot;
}

// What the window shows before the first load: 7 x 5 pixels of one colour.
inline Picture DesignPicture() {
  Picture picture;
  picture.width = 7;
  picture.height = 5;
  picture.pixels.assign(7 * 5, 0xFF123456u);
  return picture;
}

// A desk whose program directory is a fresh temporary folder. The start-up body, 16 x 16
// pixels, has every slot at position 16 + slot; pixel i shows position i.
class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100 && folder_.empty(); ++attempt) {
      const std::filesystem::path candidate =
          temporary / ("tintara-desk-" + std::to_string(random()) + std::to_string(random()));
      std::error_code error;
      if (std::filesystem::create_directory(candidate, error)) folder_ = candidate;
    }
    ASSERT_FALSE(folder_.empty()) << "no temporary folder";
    Write("FEMALE1.BMP", IndexedBitmap(16, 16, TableWithSet1Markers(SlotRange(1, 16))));
    Start();
  }
  void TearDown() override {
    desk_.reset();
    std::error_code error;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, error);
  }

  // The program directory, ending with a separator.
  std::string directory() const { return folder_.string() + '/'; }
  std::string path(const std::string& name) const { return directory() + name; }
  void Write(const std::string& name, const Bitmap& bitmap) const {
    std::filesystem::create_directories(std::filesystem::path(path(name)).parent_path());
    ASSERT_TRUE(WriteBmpFile(path(name), bitmap)) << name;
  }
  // A new desk, started as the program starts: the start-up body loaded.
  void Start(std::uint32_t seed = kSessionSeed) {
    desk_ = std::make_unique<Desk>(directory(), seed, DesignPicture());
    desk_->LoadStartUpBody();
  }
  Desk& desk() const { return *desk_; }

  Outcome Apply(const std::string& text) const {
    desk_->SetCodeText(text);
    return desk_->ApplyCodeText();
  }
  void OnlyGroups(std::initializer_list<int> groups) const {
    for (int g = 1; g <= kGroupCount; ++g) desk_->SetGroupEnabled(g, false);
    for (int g : groups) desk_->SetGroupEnabled(g, true);
  }
  // The shown colour of colour-table position `index`.
  Colour Shown(int index) const {
    return FromDisplayPixel(desk_->picture().pixels.at(static_cast<std::size_t>(index)));
  }
  // The width and height of the picture shown.
  std::array<int, 2> Size() const { return {desk_->picture().width, desk_->picture().height}; }

 private:
  std::filesystem::path folder_;
  std::unique_ptr<Desk> desk_;
};

}  // namespace tintara

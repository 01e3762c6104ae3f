#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "paint/session.h"
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

inline Snapshot Take(const Session& session) {
  const Document& shown = session.document();
  Snapshot shot{session.edits().codeText,
                shown.model.lastCodes,
                SizeText(shown),
                shown.headFile,
                shown.gridFile,
                session.picture(),
                shown.model.slots,
                {},
                {},
                {},
                {},
                shown.body,
                ShownMarkerSet(shown)};
  for (int s = 1; s <= kSlotCount; ++s) {
    shot.labels.push_back(SlotLabel(shown, s));
    shot.fills.push_back(SlotFill(shown, s));
    shot.flags.push_back(SlotShown(shown, s));
  }
  for (int g = 1; g <= kGroupCount; ++g) {
    shot.flags.push_back(GroupCaptionShown(shown, g));
    shot.flags.push_back(session.edits().groups[static_cast<std::size_t>(g - 1)]);
  }
  for (int b = 1; b <= kBodyCount; ++b) shot.bodyCaptions.push_back(BodyCaption(shown, b));
  return shot;
}

// The message of what stopped an action, if anything did.
inline std::optional<std::string> Message(const Outcome& outcome) {
  if (!outcome.problem) return std::nullopt;
  return outcome.problem->message;
}

// What the window shows before the first load: 7 x 5 pixels of one colour.
inline Picture DesignPicture() {
  Picture picture;
  picture.width = 7;
  picture.height = 5;
  picture.pixels.assign(7 * 5, 0xFF123456u);
  return picture;
}

// A session whose program directory is a fresh temporary folder. The start-up body, 16 x 16
// pixels, has every slot at position 16 + slot; pixel i shows position i.
class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100 && folder_.empty(); ++attempt) {
      const std::filesystem::path candidate =
          temporary / ("tintara-session-" + std::to_string(random()) + std::to_string(random()));
      std::error_code error;
      if (std::filesystem::create_directory(candidate, error)) folder_ = candidate;
    }
    ASSERT_FALSE(folder_.empty()) << "no temporary folder";
    Write("FEMALE1.BMP", IndexedBitmap(16, 16, TableWithSet1Markers(SlotRange(1, 16))));
    Start();
  }
  void TearDown() override {
    session_.reset();
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
  // A new session, started as the program starts: the start-up body loaded.
  void Start(std::uint32_t seed = kSessionSeed) {
    session_ = std::make_unique<Session>(directory(), seed, DesignPicture());
    session_->LoadStartUpBody();
  }
  Session& session() const { return *session_; }
  const Document& document() const { return session_->document(); }
  const std::string& codeText() const { return session_->edits().codeText; }
  bool GroupChecked(int group) const {
    return session_->edits().groups[static_cast<std::size_t>(group - 1)];
  }

  Outcome Apply(const std::string& text) const {
    session_->EditCodeText(text);
    return session_->ApplyCodeText();
  }
  void OnlyGroups(std::initializer_list<int> groups) const {
    for (int g = 1; g <= kGroupCount; ++g) session_->CheckGroup(g, false);
    for (int g : groups) session_->CheckGroup(g, true);
  }
  // The shown colour of colour-table position `index`.
  Colour Shown(int index) const {
    return FromDisplayPixel(session_->picture().pixels.at(static_cast<std::size_t>(index)));
  }
  // The width and height of the picture shown.
  std::array<int, 2> Size() const {
    return {session_->picture().width, session_->picture().height};
  }

 private:
  std::filesystem::path folder_;
  std::unique_ptr<Session> session_;
};

}  // namespace tintara

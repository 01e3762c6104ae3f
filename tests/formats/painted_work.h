#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "paint/paint_model.h"
#include "paint/picture.h"
#include "paint/recolour.h"

namespace tintara {

// A work bitmap as painted, in a temporary folder to write its files into. The work bitmap has
// its own fourth byte in every colour-table entry; the painted table gives every entry its own
// colour, unlike the loaded one, and the picture is the work bitmap drawn through it. No slot is
// located.
class PaintedWork : public ::testing::Test {
 protected:
  // Odd, so that BMP rows need padding and blocks end on odd edges.
  static constexpr int kWidth = 7;
  static constexpr int kHeight = 5;
  static constexpr std::size_t kEntries = 200;  // fewer than 256, so that a padded table shows

  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    work_.width = kWidth;
    work_.height = kHeight;
    work_.bitsPerPixel = 8;
    for (std::size_t i = 0; i < kEntries; ++i) {
      const auto v = static_cast<std::uint8_t>(i);
      work_.colourTable.push_back({v, v, v, static_cast<std::uint8_t>(i % 3)});
    }
    for (int i = 0; i < kWidth * kHeight; ++i) {
      work_.indices.push_back(static_cast<std::uint8_t>((i * 11) % kEntries));
    }
    for (std::size_t i = 0; i < painted_.size(); ++i) {
      const auto v = static_cast<int>(i);
      painted_[i] = qRgb((v * 37 + 5) % 256, 255 - v, (v * 11 + 3) % 256);
    }
    ASSERT_TRUE(picture_.Resize(kWidth, kHeight));
    for (std::size_t i = 0; i < picture_.pixels.size(); ++i) {
      picture_.pixels[i] = painted_[work_.indices[i]];
    }
    for (SlotRecord& slot : slots_) slot = {kNotLocated, 1, 0};
  }

  QString path(const QString& name) const { return dir_.filePath(name); }
  QStringList entries() const {
    return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }
  QRgb paintedAt(int x, int y) const {
    return painted_[work_.indices[static_cast<std::size_t>(y * kWidth + x)]];
  }

  QTemporaryDir dir_;
  Bitmap work_;
  Picture picture_;
  DisplayTable painted_{};
  SlotRecords slots_;
};

}  // namespace tintara

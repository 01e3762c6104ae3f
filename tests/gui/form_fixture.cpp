#include "gui/form_fixture.h"

#include "paint/slot_tables.h"
#include "platform/bmp_writer.h"
#include "platform/file_io.h"

namespace tintara {

void FormTest::SetUp() {
  ASSERT_TRUE(dir_.isValid());
  previousReporter_ = SetErrorReporter([this](const QString& message) { errors_ << message; });
}

void FormTest::TearDown() {
  form_.reset();
  SetErrorReporter(previousReporter_);
}

ProgramFiles FormTest::files() const { return {dir_.path() + '/', dir_.filePath("tintara.INI")}; }

void FormTest::CopyArtwork(const QStringList& names) const {
  for (const QString& name : names) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(TINTARA_ART_DIR "/") + name, path(name)))
        << name.toStdString();
  }
}

void FormTest::WriteBitmap(const QString& name, const Bitmap& bitmap) const {
  const std::vector<std::uint8_t> bytes = EncodeBmp(bitmap);
  ASSERT_TRUE(WriteFileAtomically(path(name).toStdString(), bytes));
}

TForm1& FormTest::StartForm() {
  form_ = std::make_unique<TForm1>(files());
  return *form_;
}

DialogAnswers::DialogAnswers() {
  FileDialog::CurrentAnswerer() = [this](const FileDialog& dialog) {
    asked.push_back({dialog.purpose(), dialog.defaultExt, dialog.filters, dialog.fileName});
    return chosen;
  };
}

DialogAnswers::~DialogAnswers() { FileDialog::CurrentAnswerer() = nullptr; }

std::vector<int> SlotRange(int first, int last) {
  std::vector<int> slots;
  for (int s = first; s <= last; ++s) slots.push_back(s);
  return slots;
}

Bitmap IndexedBitmap(int width, int height, std::vector<ColourTableEntry> table) {
  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.bitsPerPixel = 8;
  bitmap.indices.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::size_t i = 0; i < bitmap.indices.size(); ++i) {
    bitmap.indices[i] = static_cast<std::uint8_t>(i % table.size());
  }
  bitmap.colourTable = std::move(table);
  return bitmap;
}

std::vector<ColourTableEntry> TableWithSet1Markers(const std::vector<int>& slots) {
  std::vector<ColourTableEntry> table(256);
  for (std::size_t k = 0; k < table.size(); ++k) {
    const auto grey = static_cast<std::uint8_t>(k);
    table[k] = {grey, static_cast<std::uint8_t>(grey ^ 1), grey, 0};
  }
  for (int slot : slots) {
    const Colour marker = kSlots[static_cast<std::size_t>(slot - 1)].set1Marker;
    table[static_cast<std::size_t>(16 + slot)] = {BlueOf(marker), GreenOf(marker), RedOf(marker),
                                                  0};
  }
  return table;
}

}  // namespace tintara

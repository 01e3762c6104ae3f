#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/error_report.h"
#include "app/form1.h"
#include "platform/bitmap.h"
#include "sources/file_dialog.h"

namespace tintara {

// A main window whose program directory is a fresh temporary folder holding copies of the
// artwork the test asks for. Error reports are collected instead of shown.
class FormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  ProgramFiles files() const;
  QString path(const QString& name) const { return dir_.filePath(name); }
  // Copies built artwork into the program directory.
  void CopyArtwork(const QStringList& names) const;
  void WriteBitmap(const QString& name, const Bitmap& bitmap) const;
  TForm1& StartForm();

  std::unique_ptr<TForm1> form_;
  QStringList errors_;

 private:
  QTemporaryDir dir_;
  ErrorReporter previousReporter_;
};

// Answers the window's file dialogs with `chosen` (a cancel when empty) for as long as it lives,
// and records what each dialog was set up with.
class DialogAnswers {
 public:
  struct Asked {
    FileDialog::Purpose purpose;
    QString defaultExt;
    QStringList filters;
    QString fileName;
  };

  DialogAnswers();
  ~DialogAnswers();

  std::optional<QString> chosen;
  std::vector<Asked> asked;
};

// Slots first..last, for tables that carry those markers.
std::vector<int> SlotRange(int first, int last);

// An 8-bit bitmap of the given size whose colour table is `table` and whose pixels walk through it.
Bitmap IndexedBitmap(int width, int height, std::vector<ColourTableEntry> table);
// A colour table of 256 grey entries with the set 1 markers of the given slots (1-based) at
// positions 16 + slot.
std::vector<ColourTableEntry> TableWithSet1Markers(const std::vector<int>& slots);

}  // namespace tintara

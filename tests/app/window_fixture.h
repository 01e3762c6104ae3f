#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/file_dialog.h"
#include "app/main_window.h"
#include "board/control_names.h"
#include "board/shape_control.h"
#include "paint/test_pictures.h"

namespace tintara {

// A main window whose program directory is a fresh temporary folder holding copies of the
// artwork the test asks for. Its desktop is the test's: messages are collected, file dialogs
// answered with `dialogs_.chosen` (a cancel when empty) and pages not opened but recorded.
class WindowTest : public ::testing::Test {
 protected:
  struct Asked {
    FileDialog::Purpose purpose;
    QString defaultExt;
    QStringList filters;
    QString fileName;
    QString suggestedName;
    QString folder;
  };
  struct DialogAnswers {
    std::optional<QString> chosen;
    int choice = 0;            // the item chosen where the dialog offers a choice
    std::vector<Asked> asked;  // what each dialog was set up with
  };

  void SetUp() override;
  void TearDown() override;

  ProgramFiles files() const;
  QString path(const QString& name) const { return dir_.filePath(name); }
  // Copies built artwork into the program directory.
  void CopyArtwork(const QStringList& names) const;
  void WriteBitmap(const QString& name, const Bitmap& bitmap) const;
  MainWindow& StartWindow();
  // Starts the window and opens its gallery, code book and compare window.
  void OpenChildWindows();
  std::vector<QWidget*> childWindows() const;

  // Controls by their object names, as automation finds them.
  template <typename Control>
  Control* control(const QString& name) const {
    return window_->findChild<Control*>(name);
  }
  ShapeControl* shape(int number) const { return control<ShapeControl>(ShapeName(number)); }
  QLabel* label(int number) const { return control<QLabel>(QStringLiteral("Label%1").arg(number)); }
  QAction* action(const QString& name) const { return control<QAction>(name); }
  QLabel* notice() const { return control<QLabel>("Notice"); }
  const Document& document() const { return window_->document(); }

  std::unique_ptr<MainWindow> window_;
  QStringList errors_;
  DialogAnswers dialogs_;
  QStringList opened_;
  std::optional<QString> textAnswer_;  // what a text dialog answers; a cancel when empty
  QStringList textsOffered_;
  std::uint32_t randomSeed_ = 1;

 private:
  QTemporaryDir dir_;
};

}  // namespace tintara

#pragma once

#include <QMainWindow>
#include <QString>

namespace tintara {

// A main window that reopens where and as large as it was when it was last destroyed. Its bounds
// live in the INI file, in a section named after the most derived window class, under the keys
// "Left", "Top", "Width" and "Height". They are read when the native window is created, on the
// first show, and written back when the window object is destroyed; nothing is written in
// between.
//
// Outer bounds, both ways: "Left" and "Top" are pos(), the top-left corner of the window
// including the window manager's frame, which is what move() takes; "Width" and "Height" are
// size(), the window with its menu bar but without that frame, which is what resize() takes.
// The frame belongs to the desktop, varies between desktops and is unknown until the window is
// mapped, so it cannot be part of a size applied before mapping; using the same pair of
// functions for reading and writing brings a window back exactly where it was.
class TInitSPForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TInitSPForm(QWidget* parent = nullptr);
  ~TInitSPForm() override;

  void setVisible(bool visible) override;

 protected:
  // The INI file the placement is kept in: the executable's path with the extension ".INI".
  virtual QString iniFilePath() const = 0;

 private:
  void ReadPlacement();
  void WritePlacement() const;

  // Both are fixed when the native window is created. The section is taken then because during
  // destruction the object no longer knows its most derived class.
  QString iniPath_;
  QString section_;
};

}  // namespace tintara

#pragma once

#include <QMainWindow>
#include <QString>

#include <optional>

#include "app/error_report.h"
#include "platform/problem.h"

namespace tintara {

// A main window that reopens where and as large as it was when it was last closed. Its bounds
// live in the INI file, in the section given, under the keys "Left", "Top", "Width" and "Height".
// They are read when the native window is created, on the first show, and written back when the
// window is closed, or when it is destroyed without having been closed since it was shown;
// nothing is written in between, and a window never shown writes nothing. A failed write ends the
// writing; it is reported at the close, while the window is whole, and a write from the destructor
// only warns on the standard error, since no message box can open there.
//
// Outer bounds, both ways: "Left" and "Top" are pos(), the top-left corner of the window
// including the window manager's frame, which is what move() takes; "Width" and "Height" are
// size(), the window with its menu bar but without that frame, which is what resize() takes.
// The frame belongs to the desktop, varies between desktops and is unknown until the window is
// mapped, so it cannot be part of a size applied before mapping; using the same pair of
// functions for reading and writing brings a window back exactly where it was.
//
// Stored bounds that could not be shown are bounded first (see ShowablePlacement): a size below
// the smallest the window can show or beyond the available screen area, or a window that would
// lie on no screen. The bounded ones are what the window shows and what is written back. Before
// anything is stored, the window starts at the bounds it was given, brought whole onto the screen
// where they do not fit there (see FirstPlacement).
//
// Bounds given for one run (Qt's -geometry option, which Qt applies as the window is first shown)
// win over the stored ones for that run, and are not written back.
// Whether windows know and choose their own positions: Wayland leaves them to the compositor.
bool WindowPositionsAreKnown();

class StoredPlacementWindow : public QMainWindow {
  Q_OBJECT

 public:
  StoredPlacementWindow(QString iniPath, QString section, ErrorReporter reportError,
                        QWidget* parent = nullptr);
  ~StoredPlacementWindow() override;

  void setVisible(bool visible) override;

  // The bounds of this run were given on the command line: the stored ones are left as they are.
  void leaveStoredPlacement() { leaveStored_ = true; }

 protected:
  void closeEvent(QCloseEvent* event) override;

  // The desktop's frame around the window, its size beyond the window's own; until the desktop
  // has framed the window, a title bar and thin borders.
  QSize desktopFrame() const;

 private:
  void readPlacement();
  std::optional<Problem> writePlacement() const;

  QString iniPath_;
  QString section_;
  ErrorReporter reportError_;
  bool placed_ = false;   // the native window was created with the stored bounds
  bool written_ = false;  // the bounds were written since the window was last shown
  bool leaveStored_ = false;
};

}  // namespace tintara

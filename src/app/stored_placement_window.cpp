#include "app/stored_placement_window.h"

#include "platform/ini_file.h"

namespace tintara {

StoredPlacementWindow::StoredPlacementWindow(QString iniPath, QString section,
                                             ErrorReporter reportError, QWidget* parent)
    : QMainWindow(parent),
      iniPath_(std::move(iniPath)),
      section_(std::move(section)),
      reportError_(std::move(reportError)) {}

StoredPlacementWindow::~StoredPlacementWindow() {
  if (!placed_) return;
  if (const std::optional<QString> failure = Attempt([this] { writePlacement(); })) {
    reportError_(*failure);
  }
}

// Qt creates the native window inside the first setVisible(true). Moving and resizing the
// window just before that makes the new native window take the stored bounds from the start, so
// the first show never appears at the start-up bounds; a move made before the native window
// exists is also the one Qt reads as the outer corner, frame included.
void StoredPlacementWindow::setVisible(bool visible) {
  if (visible && !placed_) readPlacement();
  QMainWindow::setVisible(visible);
}

void StoredPlacementWindow::readPlacement() {
  placed_ = true;
  const IniFile ini(iniPath_.toStdString());
  const std::string section = section_.toStdString();
  const int left = ini.ReadInteger(section, "Left", x());
  const int top = ini.ReadInteger(section, "Top", y());
  const int width = ini.ReadInteger(section, "Width", this->width());
  const int height = ini.ReadInteger(section, "Height", this->height());
  move(left, top);
  resize(width, height);
}

// The normal bounds stand for a maximised window. Qt keeps them without the frame, so the frame
// offset of the current geometry turns their corner into the outer one that move() takes.
void StoredPlacementWindow::writePlacement() const {
  const QRect normal = normalGeometry();
  const QPoint frameOffset = geometry().topLeft() - pos();
  const IniFile ini(iniPath_.toStdString());
  const std::string section = section_.toStdString();
  ini.WriteInteger(section, "Left", normal.x() - frameOffset.x());
  ini.WriteInteger(section, "Top", normal.y() - frameOffset.y());
  ini.WriteInteger(section, "Width", normal.width());
  ini.WriteInteger(section, "Height", normal.height());
}

}  // namespace tintara

#include "app/stored_placement_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "app/showable_placement.h"
#include "platform/ini_file.h"

namespace tintara {
namespace {

// A window's own minimum can be 0 wide: a main window whose central widget has no layout
// reports only its menu bar's height. The floor keeps room for the title bar's buttons and a strip
// of the client area under the menu bar, so that a window restored that small can still be seen,
// grabbed and closed.
constexpr QSize kSmallestShown(120, 80);

constexpr const char* kKeys[] = {"Left", "Top", "Width", "Height"};

std::vector<ScreenArea> Screens() {
  std::vector<ScreenArea> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    screens.push_back({screen->geometry(), screen->availableGeometry()});
  }
  return screens;
}

}  // namespace

bool WindowPositionsAreKnown() { return !QGuiApplication::platformName().startsWith("wayland"); }

StoredPlacementWindow::StoredPlacementWindow(QString iniPath, QString section,
                                             ErrorReporter reportError, QWidget* parent)
    : QMainWindow(parent),
      iniPath_(std::move(iniPath)),
      section_(std::move(section)),
      reportError_(std::move(reportError)) {}

StoredPlacementWindow::~StoredPlacementWindow() {
  if (!placed_ || written_ || leaveStored_) return;
  std::optional<QString> failure;
  if (const std::optional<QString> fault = Attempt([&] {
        if (const std::optional<Problem> problem = writePlacement()) {
          failure = QString::fromStdString(problem->message);
        }
      })) {
    failure = fault;
  }
  if (failure) qWarning("%s", qUtf8Printable(*failure));
}

void StoredPlacementWindow::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (!event->isAccepted() || !placed_ || leaveStored_) return;
  written_ = true;
  std::optional<Problem> problem;
  if (const std::optional<QString> fault = Attempt([&] { problem = writePlacement(); })) {
    problem = Problem{fault->toStdString()};
  }
  if (problem) reportError_(QString::fromStdString(problem->message));
}

// Qt creates the native window inside the first setVisible(true). Moving and resizing the
// window just before that makes the new native window take the stored bounds from the start, so
// the first show never appears at the start-up bounds; a move made before the native window
// exists is also the one Qt reads as the outer corner, frame included.
void StoredPlacementWindow::setVisible(bool visible) {
  if (visible && !placed_) readPlacement();
  if (visible) written_ = false;
  QMainWindow::setVisible(visible);
}

QSize StoredPlacementWindow::desktopFrame() const {
  const QSize frame = frameGeometry().size() - geometry().size();
  if (!frame.isNull()) return frame;
  constexpr int kBorder = 4;
  return {2 * kBorder, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * kBorder};
}

void StoredPlacementWindow::readPlacement() {
  placed_ = true;
  const IniFile ini(iniPath_.toStdString());
  const std::string section = section_.toStdString();
  const QSize smallest = minimumSizeHint().expandedTo(kSmallestShown);
  const bool stored = std::any_of(std::begin(kKeys), std::end(kKeys), [&](const char* key) {
    return !ini.ReadString(section, key, "").empty();
  });
  const QRect shown = stored ? ShowablePlacement({ini.ReadInteger(section, "Left", x()),
                                                  ini.ReadInteger(section, "Top", y())},
                                                 {ini.ReadInteger(section, "Width", width()),
                                                  ini.ReadInteger(section, "Height", height())},
                                                 smallest, Screens())
                             : FirstPlacement(pos(), size(), desktopFrame(), smallest, Screens());
  if (WindowPositionsAreKnown()) move(shown.topLeft());
  resize(shown.size());
}

// The normal bounds stand for a maximised window. Qt keeps them without the frame, so the frame
// offset of the current geometry turns their corner into the outer one that move() takes. Where
// the compositor places windows and tells nobody (Wayland), the stored corner is left as it is.
std::optional<Problem> StoredPlacementWindow::writePlacement() const {
  const QRect normal = normalGeometry();
  const QPoint frameOffset = geometry().topLeft() - pos();
  const IniFile ini(iniPath_.toStdString());
  const std::string section = section_.toStdString();
  // The first write that fails ends the writing.
  std::optional<Problem> problem;
  if (WindowPositionsAreKnown()) {
    problem = ini.WriteInteger(section, "Left", normal.x() - frameOffset.x());
    if (!problem) problem = ini.WriteInteger(section, "Top", normal.y() - frameOffset.y());
  }
  if (!problem) problem = ini.WriteInteger(section, "Width", normal.width());
  if (!problem) problem = ini.WriteInteger(section, "Height", normal.height());
  return problem;
}

}  // namespace tintara

#include "app/init_form.h"

#include "app/error_report.h"
#include "platform/ini_file.h"

namespace tintara {
namespace {

// The class name without its namespace, the name the section is stored under.
QString ClassName(const QObject& object) {
  const QString qualified = QString::fromLatin1(object.metaObject()->className());
  return qualified.mid(qualified.lastIndexOf(':') + 1);
}

}  // namespace

TInitSPForm::TInitSPForm(QWidget* parent) : QMainWindow(parent) {}

// A window whose native window never existed has no path and writes nothing.
TInitSPForm::~TInitSPForm() {
  if (!iniPath_.isEmpty()) ReportErrors([this] { WritePlacement(); });
}

// Qt creates the native window inside the first setVisible(true). Moving and resizing the
// window just before that makes the new native window take the stored bounds from the start, so
// the first show never appears at the start-up bounds; a move made before the native window
// exists is also the one Qt reads as the outer corner, frame included.
void TInitSPForm::setVisible(bool visible) {
  if (visible && iniPath_.isEmpty()) ReadPlacement();
  QMainWindow::setVisible(visible);
}

void TInitSPForm::ReadPlacement() {
  iniPath_ = iniFilePath();
  section_ = ClassName(*this);
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
void TInitSPForm::WritePlacement() const {
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

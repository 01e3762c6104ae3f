#include "app/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/error_report.h"
#include "app/unit2.h"
#include "app/version.h"
#include "board/shape_control.h"
#include "platform/clock.h"
#include "platform/ini_file.h"

namespace tintara {
namespace {

constexpr QSize kDesignSize(485, 397);
constexpr QPoint kDesignPosition(193, 115);
constexpr qsizetype kVersionNumberStart = 8;  // "Version " comes before the number

// The design font; where it is missing, a condensed sans-serif face at the same pixel size keeps
// the captions within the controls laid out for it.
QFont DesignFont() {
  QFont font("MS Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  if (QFontInfo(font).family() != font.family()) font.setStretch(QFont::Condensed);
  return font;
}

}  // namespace

TForm1::TForm1(ProgramFiles files, QWidget* parent)
    : TInitSPForm(parent), files_(std::move(files)) {
  setObjectName("Form1");
  setWindowTitle(kDesignCaption);
  setFont(DesignFont());
  move(kDesignPosition);
  CreateControls();
  CreateMenus();
  ConnectHandlers();
  FormCreate();
  Form2 = new TForm2(this);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  // Hints stay five seconds: every control's hint is given its duration where it is set.
  setWindowTitle(windowTitle() + "  v." + QString(kVersionText).mid(kVersionNumberStart));
  random_ = RandomGenerator(TimeOfDayMillisecondsUtc());
  resize(kDesignSize);
  baseSize_ = size();
  model_.work = Bitmap{};
  markedSwatch_ = shape(1);
  const IniFile ini(files_.iniPath.toStdString());
  action("HideHints")->setChecked(ini.ReadInteger("Setup", "HideHints", 0) != 0);
  if (control<QRadioButton>("RadioButton1")->isChecked()) {
    LoadPaintImage(files_.directory + "MALE1.BMP");
  }
  if (control<QRadioButton>("RadioButton2")->isChecked()) {
    LoadPaintImage(files_.directory + "FEMALE1.BMP");
  }
  htmlLines_.clear();
  model_.lastCodes = control<QLineEdit>("Edit1")->text().toStdString();
  headFile_ = "PELLHEAD.BMP";
  gridFile_ = "DESIGNGRID.BMP";
}

void TForm1::FormClose() {
  htmlLines_.clear();
  model_.work = Bitmap{};
}

void TForm1::StartBrowserClick() {
  QAction* item = action("StartBrowser");
  item->setChecked(!item->isChecked());
}

void TForm1::ColorsOnLoadClick() {
  QAction* item = action("ColorsOnLoad");
  item->setChecked(!item->isChecked());
}

void TForm1::HideHintsClick() {
  QAction* item = action("HideHints");
  item->setChecked(!item->isChecked());
  UpdateHints();
  IniFile(files_.iniPath.toStdString())
      .WriteString("Setup", "HideHints", item->isChecked() ? "1" : "0");
}

bool TForm1::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) ReportErrors([this] { FormActivate(); });
  return TInitSPForm::event(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  ReportErrors([this] { FormClose(); });
  event->accept();
}

ShapeControl* TForm1::shape(int number) const {
  return control<ShapeControl>(QStringLiteral("Shape%1").arg(number));
}

QLabel* TForm1::label(int number) const {
  return control<QLabel>(QStringLiteral("Label%1").arg(number));
}

QAction* TForm1::action(const QString& name) const { return findChild<QAction*>(name); }

}  // namespace tintara

// Connects the controls to their handlers; every handler runs through the error report.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

#include "app/error_report.h"
#include "app/form1.h"

namespace tintara {
namespace {

// Labels have no click signal: a left release inside the label counts as a click.
class ClickFilter : public QObject {
 public:
  ClickFilter(QWidget* label, std::function<void()> onClick)
      : QObject(label), onClick_(std::move(onClick)) {
    label->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) {
      const auto* release = static_cast<QMouseEvent*>(event);
      const auto* label = static_cast<QWidget*>(watched);
      if (release->button() == Qt::LeftButton &&
          label->rect().contains(release->position().toPoint())) {
        ReportErrors(onClick_);
      }
    }
    return false;
  }

 private:
  std::function<void()> onClick_;
};

}  // namespace

void TForm1::ConnectHandlers() {
  const auto onClick = [this](const QString& name, void (TForm1::*handler)()) {
    connect(control<QAbstractButton>(name), &QAbstractButton::clicked, this,
            Reported([this, handler] { (this->*handler)(); }));
  };
  onClick("CheckBox1", &TForm1::CheckBox1Click);
  onClick("BOldColors", &TForm1::BOldColorsClick);
  onClick("BitBtn1", &TForm1::BitBtn1Click);
  onClick("Button1", &TForm1::Button1Click);
  onClick("BRevert", &TForm1::BRevertClick);
  for (int n = 1; n <= 8; ++n) {
    // Selecting a radio button, by the user or by the program, reloads.
    connect(control<QRadioButton>(QStringLiteral("RadioButton%1").arg(n)), &QRadioButton::toggled,
            this, [this](bool selected) {
              if (selected) ReportErrors([this] { RadioButton2Click(); });
            });
  }
  new ClickFilter(label(4), [this] { Label4Click(); });
  ConnectSwatches();
}

}  // namespace tintara

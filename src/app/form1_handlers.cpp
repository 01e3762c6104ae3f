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

// Labels have no click signal: a left press and release inside the label count as a click. The
// second press of a double-click is a double-click, not another click.
class ClickFilter : public QObject {
 public:
  ClickFilter(QWidget* label, std::function<void()> onClick)
      : QObject(label), onClick_(std::move(onClick)) {
    label->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease) {
      return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    if (type != QEvent::MouseButtonRelease) {
      pressed_ = type == QEvent::MouseButtonPress;
    } else if (std::exchange(pressed_, false) &&
               static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
      ReportErrors(onClick_);
    }
    return false;
  }

 private:
  std::function<void()> onClick_;
  bool pressed_ = false;
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

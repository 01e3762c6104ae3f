#include "board/hint_switch.h"

#include <QEvent>
#include <QWidget>

namespace tintara {
namespace {

constexpr char kShowHint[] = "ShowHint";

class HintFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    return event->type() == QEvent::ToolTip && !watched->property(kShowHint).toBool();
  }
};

}  // namespace

void SetShowHint(QWidget* control, bool show) {
  if (!control->property(kShowHint).isValid()) {
    control->installEventFilter(new HintFilter(control));
  }
  control->setProperty(kShowHint, show);
}

bool ShowsHint(const QWidget* control) {
  const QVariant show = control->property(kShowHint);
  return !show.isValid() || show.toBool();
}

}  // namespace tintara

// Connects the controls to their handlers; every handler runs through the error report.
#include <QAbstractButton>
#include <QCheckBox>

#include "app/error_report.h"
#include "app/form1.h"

namespace tintara {

void TForm1::ConnectHandlers() {
  const auto onClick = [this](const char* name, void (TForm1::*handler)()) {
    connect(control<QAbstractButton>(name), &QAbstractButton::clicked, this,
            Reported([this, handler] { (this->*handler)(); }));
  };
  onClick("CheckBox1", &TForm1::CheckBox1Click);
  onClick("BOldColors", &TForm1::BOldColorsClick);
  onClick("BitBtn1", &TForm1::BitBtn1Click);
  ConnectSwatches();
}

}  // namespace tintara

// Connects the controls to their handlers; every handler runs through the error report.
#include <QCheckBox>

#include "app/error_report.h"
#include "app/form1.h"

namespace tintara {

void TForm1::ConnectHandlers() {
  connect(control<QCheckBox>("CheckBox1"), &QCheckBox::clicked, this,
          Reported([this] { CheckBox1Click(); }));
}

}  // namespace tintara

// Reload, the body radio buttons and loading a bitmap of the user's own.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/form1.h"
#include "sources/bitmap_paths.h"

namespace tintara {

void TForm1::BRevertClick() {
  RememberLastCodes();
  for (int g = 1; g <= kGroupCount; ++g) {
    control<QCheckBox>(QStringLiteral("DBGroup%1").arg(g))->setChecked(true);
  }
  const QString bodies[] = {files_.directory + "MALE1.BMP", files_.directory + "FEMALE1.BMP",
                            files_.directory + headFile_,   GridPath(files_.directory, gridFile_),
                            files_.directory + "MALE2.BMP", files_.directory + "FEMALE2.BMP",
                            files_.directory + "MALE3.BMP", files_.directory + "FEMALE3.BMP"};
  for (int i = 0; i < 8; ++i) {
    if (control<QRadioButton>(QStringLiteral("RadioButton%1").arg(i + 1))->isChecked()) {
      LoadPaintImage(bodies[i]);
    }
  }
  ShowPictureSize();
  control<QLineEdit>("Edit1")->setText(QString::fromLatin1(kDefaultCodeString));
  if (action("ColorsOnLoad")->isChecked()) BitBtn1Click();
}

void TForm1::RadioButton2Click() { BRevertClick(); }

void TForm1::LoadOtherBitmap1Click() {
  OpenDialog1.defaultExt = "bmp";
  OpenDialog1.filters = QStringList{"Bitmaps (*.bmp)"};
  if (!OpenDialog1.Execute(this)) return;
  auto* radio = control<QRadioButton>("RadioButton4");
  radio->setText(OtherBitmapCaption(OpenDialog1.fileName));
  gridFile_ = OpenDialog1.fileName;
  SelectRadioButton(radio);
  BRevertClick();
}

}  // namespace tintara

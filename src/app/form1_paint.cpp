// The window side of the paint model: it runs the model's operations and shows their results.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "app/form1.h"
#include "board/board_layout.h"
#include "board/image_view.h"
#include "board/shape_control.h"
#include "paint/code_string.h"
#include "paint/image_loading.h"
#include "paint/reference_palette.h"
#include "platform/bmp_reader.h"
#include "platform/user_error.h"

namespace tintara {
void TForm1::ShowPicture(const DisplayTable& table) {
  auto* view = control<ImageView>("Image1");
  const Bitmap& work = model_.work;
  QImage& picture = view->pictureBuffer(work.width, work.height);
  if (!picture.isNull()) {  // null also when a huge picture found no memory
    DrawThroughTable(work, table, reinterpret_cast<std::uint32_t*>(picture.bits()));
  }
  view->update();
}

void TForm1::ShowPictureSize() {
  const QSize size = control<ImageView>("Image1")->picture().size();
  label(1)->setText(QStringLiteral("Bitmap is %1W x %2H").arg(size.width()).arg(size.height()));
}

void TForm1::LoadPaintImage(const QString& path) {
  std::optional<Bitmap> bitmap = ReadBmpFile(QFile::encodeName(path).toStdString());
  if (!bitmap) return;
  for (const char* caption : {"Label3", "Label4", "Label5", "Label22", "Label23"}) {
    control<QLabel>(caption)->show();
  }
  const LoadOutcome outcome = AdoptLoadedBitmap(model_, std::move(*bitmap));
  ShowPicture(MapColourTable(model_.work, model_.loaded, model_.loaded));
  ShowPictureSize();
  if (outcome == LoadOutcome::NoColourTable) return;

  control<QLabel>("LSet1")->setVisible(!model_.markerSet2);
  control<QLabel>("LSet2")->setVisible(model_.markerSet2);
  ShowLoadedSlots();
  CheckBox1Click();
  for (int group = 1; group <= 3; ++group) {
    bool anyShown = false;
    for (int s = FirstSlotOfGroup(group); s <= LastSlotOfGroup(group); ++s) {
      anyShown |= model_.slots[static_cast<std::size_t>(s - 1)].located();
    }
    if (!anyShown) label(2 + group)->hide();
  }
  FitWindow();
}

void TForm1::ShowLoadedSlots() {
  for (int s = 1; s <= kSlotCount; ++s) {
    const SlotRecord& record = model_.slots[static_cast<std::size_t>(s - 1)];
    ShapeControl* swatch = shape(kFirstSlotSwatch + s - 1);
    QLabel* caption = label(kFirstSlotLabel + s - 1);
    caption->setText(QString::number(record.code));
    swatch->setVisible(record.located());
    caption->setVisible(record.located());
    swatch->setFill(ToQColor(record.colour));
  }
  if (!model_.slots[kSlotCount - 1].located()) {
    label(22)->hide();
    label(23)->hide();
    control<QCheckBox>("DBGroup4")->setChecked(false);
  }
}

void TForm1::AssignCode(int slot, std::int32_t code, const QString& labelText) {
  SlotRecord& record = model_.slots[static_cast<std::size_t>(slot - 1)];
  record.code = code;
  record.colour = ReferenceColour(code);
  label(kFirstSlotLabel + slot - 1)->setText(labelText);
  shape(kFirstSlotSwatch + slot - 1)->setFill(ToQColor(record.colour));
}

void TForm1::ApplyCodes() {
  WriteSlotColours(model_);
  ShowPicture(MapColourTable(model_.work, model_.loaded, model_.mapped));
  control<QLineEdit>("Edit1")->setText(QString::fromStdString(WriteCodeString(model_.slots)));
}

void TForm1::ParseCodeString(const QString& text) {
  const CodeStringReading reading = ReadCodeString(text.toStdString());
  for (const SlotAssignment& assignment : reading.assignments) {
    AssignCode(assignment.slot, assignment.code, QString::fromStdString(assignment.token));
  }
  if (reading.badToken) {
    throw UserError("'" + *reading.badToken + "' is not a valid integer value");
  }
  control<QCheckBox>("CheckBox1")->setFocus();
  ApplyCodes();
}

void TForm1::BOldColorsClick() {
  const QString text = control<QLineEdit>("Edit1")->text();
  if (!text.isEmpty()) ParseCodeString(text);
  RememberLastCodes();
}

void TForm1::BitBtn1Click() {
  control<QCheckBox>("CheckBox1")->setFocus();
  if (model_.lastCodes.empty()) return;
  control<QLineEdit>("Edit1")->setText(QString::fromStdString(model_.lastCodes));
  BOldColorsClick();
}

void TForm1::RememberLastCodes() {
  tintara::RememberLastCodes(model_.lastCodes, control<QLineEdit>("Edit1")->text().toStdString());
}

}  // namespace tintara

#include "board/board_layout.h"

#include <QLabel>

#include "board/control_factory.h"
#include "board/shape_control.h"

namespace tintara {

QColor ToQColor(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

Colour FromQColor(const QColor& colour) {
  return MakeColour(static_cast<std::uint8_t>(colour.red()),
                    static_cast<std::uint8_t>(colour.green()),
                    static_cast<std::uint8_t>(colour.blue()));
}

void CreateSwatchControls(QWidget* parent) {
  constexpr int kSwatchSize = 16;
  constexpr int kBoardPitch = 15;  // one less than the size: neighbours share their outline
  constexpr int kBoardOrigin = 8;
  for (int n = 1; n <= kBoardSwatchCount; ++n) {
    const int row = (n - 1) / 16;
    const int column = (n - 1) % 16;
    AddShape(parent, QStringLiteral("Shape%1").arg(n),
             QRect(kBoardOrigin + kBoardPitch * column, kBoardOrigin + kBoardPitch * row,
                   kSwatchSize, kSwatchSize),
             ToQColor(kPlaceholderColour));
  }
  AddShape(parent, "SampleColor", QRect(208, 256, 41, 41), Qt::white);
  AddLabel(parent, "LSample", "0", QRect(208, 298, 40, 13), Qt::AlignHCenter | Qt::AlignTop);

  for (int s = 1; s <= 16; ++s) {
    const SlotPlace& place = kSlotPlaces[static_cast<std::size_t>(s - 1)];
    AddShape(parent, QStringLiteral("Shape%1").arg(kFirstSlotSwatch + s - 1),
             QRect(place.swatchLeft, place.swatchTop, kSwatchSize, kSwatchSize),
             ToQColor(place.designColour));
    QLabel* label =
        AddLabel(parent, QStringLiteral("Label%1").arg(kFirstSlotLabel + s - 1), "000",
                 QRect(place.labelLeft, place.labelTop, 24, 13), Qt::AlignHCenter | Qt::AlignTop);
    SetTextColour(label, kGreyText);
  }
}

}  // namespace tintara

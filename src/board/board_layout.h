#pragma once

#include <array>

#include "platform/colour.h"

class QColor;
class QWidget;

namespace tintara {

inline constexpr int kBoardSwatchCount = 256;
inline constexpr int kFirstSlotSwatch = 257;  // slot s is "Shape" + (256 + s)
inline constexpr int kFirstSlotLabel = 6;     // slot s is "Label" + (5 + s)
inline constexpr Colour kPlaceholderColour = 0xFFCCDD;

// Where a slot's swatch and label stand, and the colour the swatch shows before the first load.
struct SlotPlace {
  int swatchLeft, swatchTop;
  Colour designColour;
  int labelLeft, labelTop;
};

inline constexpr std::array<SlotPlace, 16> kSlotPlaces = {{
    {256, 24, 0x005200, 252, 40},
    {280, 24, 0x007B00, 276, 40},
    {304, 24, 0x00A500, 300, 40},
    {328, 24, 0x00CE00, 324, 40},
    {352, 24, 0x080808, 349, 40},
    {256, 72, 0x101010, 252, 88},
    {280, 72, 0x181818, 276, 88},
    {304, 72, 0x5A3931, 300, 88},
    {328, 72, 0x5A3931, 324, 88},
    {352, 72, 0x6B4A42, 349, 88},
    {256, 120, 0x7B5A52, 252, 136},
    {280, 120, 0x846B63, 276, 136},
    {304, 120, 0x947B73, 300, 136},
    {328, 120, 0x9C8C8C, 324, 136},
    {352, 120, 0x4AEFC6, 349, 136},
    {304, 152, 0xFFFFFF, 300, 168},
}};

// Board swatch n (1..256) shows code n - 1.
inline constexpr bool IsReservedSwatch(int n) { return n == 1 || (n >= 240 && n <= 256); }

// Creates the 256 board swatches, the sample swatch and label, and the 16 slot swatches and slot
// labels at their places, named as the window looks them up.
void CreateSwatchControls(QWidget* parent);

QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);

}  // namespace tintara

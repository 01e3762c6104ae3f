#pragma once

#include <QString>

namespace tintara {

// Controls that come in rows carry numbered object names, which tests and automation use to find
// them. The names are composed here and nowhere else.
//
// Shape controls are numbered as one row: board swatch n (1..256) shows code n - 1, and slot s
// (1..16) is swatch 256 + s.
inline constexpr int kBoardSwatchCount = 256;

constexpr int BoardSwatchNumber(int code) { return code + 1; }
constexpr int CodeOfSwatchNumber(int number) { return number - 1; }
constexpr int SlotSwatchNumber(int slot) { return kBoardSwatchCount + slot; }
constexpr int SlotOfSwatchNumber(int number) { return number - kBoardSwatchCount; }

QString ShapeName(int swatchNumber);  // "Shape" + number
QString BoardSwatchName(int code);
QString SlotSwatchName(int slot);
QString SlotLabelName(int slot);    // "Label6".."Label21"
QString GroupCheckName(int group);  // "DBGroup1".."DBGroup4"
QString RadioButtonName(int body);  // "RadioButton1".."RadioButton8"

// The gallery window's pictures, numbered from 1 in gallery order, and its zoom buttons.
QString GalleryPictureName(int number);  // "GalleryPicture1"..
QString GalleryZoomName(int zoom);       // "GalleryZoom1".."GalleryZoom3"

}  // namespace tintara

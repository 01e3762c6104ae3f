#include "board/control_names.h"

namespace tintara {

QString ShapeName(int swatchNumber) { return QStringLiteral("Shape%1").arg(swatchNumber); }
QString BoardSwatchName(int code) { return ShapeName(BoardSwatchNumber(code)); }
QString SlotSwatchName(int slot) { return ShapeName(SlotSwatchNumber(slot)); }
QString SlotLabelName(int slot) { return QStringLiteral("Label%1").arg(5 + slot); }
QString GroupCheckName(int group) { return QStringLiteral("DBGroup%1").arg(group); }
QString RadioButtonName(int body) { return QStringLiteral("RadioButton%1").arg(body); }
QString GalleryPictureName(int number) { return QStringLiteral("GalleryPicture%1").arg(number); }
QString GalleryZoomName(int zoom) { return QStringLiteral("GalleryZoom%1").arg(zoom); }

}  // namespace tintara

#pragma once

#include <QColor>

#include "platform/colour.h"

namespace tintara {

inline QColor ToQColor(Colour colour) {
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

inline Colour FromQColor(const QColor& colour) {
  return MakeColour(static_cast<std::uint8_t>(colour.red()),
                    static_cast<std::uint8_t>(colour.green()),
                    static_cast<std::uint8_t>(colour.blue()));
}

}  // namespace tintara

#pragma once

#include <QString>
#include <string_view>

namespace tintara {

// Outside text (a file name, a book entry's name) as a caption shows it: control characters and
// bidirectional controls escaped as messages escape them (ShownText), and every '&' doubled, so
// that no letter of it becomes an accelerator.
QString ShownCaption(std::string_view text);

// Outside text as a tooltip shows it: as it is, never read as markup.
QString PlainToolTip(const QString& text);

}  // namespace tintara

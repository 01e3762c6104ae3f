#include "board/shown_caption.h"

#include <QTextDocument>

#include "platform/shown_text.h"

namespace tintara {

QString ShownCaption(std::string_view text) {
  return QString::fromStdString(ShownText(text)).replace('&', "&&");
}

// Tooltips guess whether text is markup; text that would pass for it is made markup that shows
// its own characters.
QString PlainToolTip(const QString& text) {
  return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

}  // namespace tintara

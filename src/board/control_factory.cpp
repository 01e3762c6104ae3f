#include "board/control_factory.h"

#include <QFontInfo>
#include <QLabel>
#include <QRegion>

#include "board/shape_control.h"

namespace tintara {

QFont DesignFont() {
  QFont font("MS Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  if (QFontInfo(font).family() != font.family()) font.setStretch(QFont::Condensed);
  return font;
}

ShapeControl* AddShape(QWidget* parent, int number, const QString& name, QRect geometry,
                       const QColor& fill) {
  auto* shape = new ShapeControl(number, parent);
  shape->setObjectName(name);
  shape->setGeometry(geometry);
  shape->setFill(fill);
  return shape;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                 Qt::Alignment alignment) {
  return PlaceLabel(new QLabel(text, parent), name, geometry, alignment);
}

QLabel* PlaceLabel(QLabel* label, const QString& name, QRect geometry, Qt::Alignment alignment) {
  // Labels show tokens and names from outside: never read as markup.
  label->setTextFormat(Qt::PlainText);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setAlignment(alignment);
  return label;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

void SetHint(QWidget* widget, const QString& hint) {
  static constexpr int kHintMilliseconds = 5000;
  widget->setToolTip(hint);
  widget->setToolTipDuration(kHintMilliseconds);
}

void CoverOnlyChildren(QWidget* view) {
  QRegion covered;
  for (const QWidget* child : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    covered += child->geometry();
  }
  const QRect bounds = covered.boundingRect();
  view->setGeometry(0, 0, bounds.right() + 1, bounds.bottom() + 1);
  view->setMask(covered);
}

}  // namespace tintara

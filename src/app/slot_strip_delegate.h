#pragma once

#include <QStyledItemDelegate>

namespace tintara {

// Paints the colours of the 16 slots side by side in a list's cell as the row is painted, from the
// model's CodeBookModel::kSlotColoursRole; a slot the codes leave as it is stays an empty box.
// Nothing is kept between paints, whatever the number of rows.
class SlotStripDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // The room a strip takes in its cell, margins included.
  static QSize CellSize();

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace tintara

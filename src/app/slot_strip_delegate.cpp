#include "app/slot_strip_delegate.h"

#include <QPainter>

#include "app/code_book_model.h"

namespace tintara {
namespace {

constexpr QSize kCell(6, 12);
constexpr int kSlots = 16;
constexpr int kMargin = 3;

}  // namespace

QSize SlotStripDelegate::CellSize() {
  return {kCell.width() * kSlots + 2 * kMargin, kCell.height() + 2 * kMargin};
}

void SlotStripDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);  // the background, selection and focus
  const QVariantList colours = index.data(CodeBookModel::kSlotColoursRole).toList();
  const QPoint origin(option.rect.left() + kMargin,
                      option.rect.top() + (option.rect.height() - kCell.height()) / 2);
  painter->save();
  painter->setPen(Qt::gray);
  for (int slot = 0; slot < colours.size(); ++slot) {
    const QRect cell(origin + QPoint(slot * kCell.width(), 0), kCell);
    const QColor colour = colours[slot].value<QColor>();
    if (colour.isValid()) {
      painter->fillRect(cell, colour);
    } else {
      painter->drawRect(cell.adjusted(0, 0, -1, -1));
    }
  }
  painter->restore();
}

QSize SlotStripDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  return QStyledItemDelegate::sizeHint(option, index).expandedTo(CellSize());
}

}  // namespace tintara

#include "app/code_book_model.h"

#include <QColor>

#include "board/qcolor_conversion.h"

namespace tintara {
namespace {

QString Shown(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariantList Colours(std::string_view codes) {
  QVariantList colours;
  for (const std::optional<Colour>& colour : SlotColoursOf(codes)) {
    colours << (colour ? ToQColor(*colour) : QColor());
  }
  return colours;
}

}  // namespace

CodeBookModel::CodeBookModel(const CodeBook& book, QObject* parent)
    : QAbstractTableModel(parent), book_(book), rows_(book) {}

void CodeBookModel::show() {
  CodeBookRows rows(book_);
  if (rows.lines() == rows_.lines()) {
    rows_ = std::move(rows);
    if (rows_.size() > 0) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
    return;
  }
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int CodeBookModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CodeBookModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant CodeBookModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  const CodeBookEntry& entry = rows_.entry(static_cast<std::size_t>(index.row()));
  switch (index.column()) {
    case kName:
      if (role == Qt::DisplayRole || role == Qt::EditRole) return Shown(entry.name.value_or(""));
      break;
    case kColours:
      if (role == kSlotColoursRole) return Colours(entry.codes);
      if (role == Qt::AccessibleTextRole) return QStringLiteral("Colours of the slots");
      break;
    case kCodes:
      if (role == Qt::DisplayRole) return Shown(entry.codes);
      break;
  }
  return {};
}

QVariant CodeBookModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kName:
      return QStringLiteral("Name");
    case kColours:
      return QStringLiteral("Colours");
    case kCodes:
      return QStringLiteral("Codes");
  }
  return {};
}

Qt::ItemFlags CodeBookModel::flags(const QModelIndex& index) const {
  const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  return index.column() == kName ? flags | Qt::ItemIsEditable : flags;
}

bool CodeBookModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || index.column() != kName ||
      !checkIndex(index, CheckIndexOption::IndexIsValid)) {
    return false;
  }
  Q_EMIT renameRequested(index.row(), value.toString());
  return true;
}

}  // namespace tintara

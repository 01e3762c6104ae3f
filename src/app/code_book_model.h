#pragma once

#include <QAbstractTableModel>
#include <optional>

#include "formats/code_book_rows.h"

namespace tintara {

// The code book's entries as the window's list shows them, a row each: the name, which the user
// edits in place, the colours of the slots (the role kSlotColoursRole, which SlotStripDelegate
// paints), and the code string. It keeps nothing of a row but where its entry is (CodeBookRows):
// each row is read from the book when it is shown. A name edited in place is not set here but
// handed on (renameRequested); the book shows it once it holds it.
class CodeBookModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kName, kColours, kCodes, kColumnCount };
  // The 16 slots' colours, as a QVariantList of QColor, invalid for a slot the codes leave alone.
  static constexpr int kSlotColoursRole = Qt::UserRole;

  // The book must outlive the model; show() it again whenever it changed.
  CodeBookModel(const CodeBook& book, QObject* parent);

  // Reads the rows from the book again. When its entries are where they were, the rows are only
  // told to be painted again, so that an editor, the selection and the scroll position stay.
  void show();
  const CodeBookRows& rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 Q_SIGNALS:
  void renameRequested(int row, const QString& name);

 private:
  const CodeBook& book_;
  CodeBookRows rows_;
};

}  // namespace tintara

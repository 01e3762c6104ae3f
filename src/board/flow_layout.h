#pragma once

#include <QLayout>
#include <QList>

namespace tintara {

// Lays its widgets out left to right in rows as wide as it is, each at its size hint, a new row
// where the next one does not fit; its height follows its width.
class FlowLayout : public QLayout {
 public:
  explicit FlowLayout(QWidget* parent = nullptr, int spacing = 6);
  ~FlowLayout() override;

  void addItem(QLayoutItem* item) override;
  int count() const override { return static_cast<int>(items_.size()); }
  QLayoutItem* itemAt(int index) const override { return items_.value(index); }
  QLayoutItem* takeAt(int index) override;
  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize minimumSize() const override;
  QSize sizeHint() const override { return minimumSize(); }
  void setGeometry(const QRect& rect) override;

 private:
  // Places the items within the rectangle when asked to, and gives the height they take.
  int arrange(const QRect& rect, bool place) const;

  QList<QLayoutItem*> items_;
  int gap_;
};

}  // namespace tintara

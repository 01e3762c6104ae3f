#include "board/accessible_views.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <vector>

#include "board/caption_button.h"
#include "board/control_names.h"
#include "board/notice.h"
#include "board/shape_control.h"
#include "board/slot_panel.h"
#include "board/swatch_board.h"

namespace tintara {
namespace {

constexpr int kBoardColumns = 16;
constexpr int kBoardRows = kBoardSwatchCount / kBoardColumns;

QAccessibleInterface* InterfaceOf(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

// The board as a table of its swatches, row by row; the current swatch is the focused cell
// while the board has the focus. Nothing is selected: a swatch is given, not kept.
class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit BoardTable(SwatchBoard* board) : QAccessibleWidget(board, QAccessible::Table) {}

  int childCount() const override { return kBoardSwatchCount; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= kBoardSwatchCount) return nullptr;
    return InterfaceOf(board()->swatch(index));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* swatch = qobject_cast<const ShapeControl*>(child->object());
    if (swatch == nullptr || swatch->parentWidget() != board()) return -1;
    const int code = CodeOfSwatchNumber(swatch->number());
    return code >= 0 && code < kBoardSwatchCount ? code : -1;  // not the sample swatch
  }
  QAccessibleInterface* focusChild() const override {
    return board()->hasFocus() ? child(board()->currentCode()) : nullptr;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || row >= kBoardRows || column < 0 || column >= kBoardColumns) return nullptr;
    return child(row * kBoardColumns + column);
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return kBoardColumns; }
  int rowCount() const override { return kBoardRows; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  SwatchBoard* board() const { return static_cast<SwatchBoard*>(widget()); }
};

// A board swatch as a cell of the board's table, named by its code and colour.
class BoardCell : public QAccessibleWidget, public QAccessibleTableCellInterface {
 public:
  explicit BoardCell(ShapeControl* swatch) : QAccessibleWidget(swatch, QAccessible::Cell) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    state.focused = board()->hasFocus() && board()->currentCode() == code();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface) {
      return static_cast<QAccessibleTableCellInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return code() % kBoardColumns; }
  int rowIndex() const override { return code() / kBoardColumns; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return InterfaceOf(board()); }

 private:
  int code() const { return CodeOfSwatchNumber(static_cast<ShapeControl*>(widget())->number()); }
  SwatchBoard* board() const { return static_cast<SwatchBoard*>(widget()->parentWidget()); }
};

// The slot panel as a list of its shown slots; the selected slot is the focused item while the
// panel has the focus. The panel's other controls the keyboard reaches, the skin caption while
// it shows and the group checks, follow the slots, so that screen readers find them too.
class SlotList : public QAccessibleWidget {
 public:
  explicit SlotList(SlotPanel* panel) : QAccessibleWidget(panel, QAccessible::List) {}

  int childCount() const override { return static_cast<int>(children().size()); }
  QAccessibleInterface* child(int index) const override {
    const std::vector<QWidget*> shown = children();
    if (index < 0 || index >= static_cast<int>(shown.size())) return nullptr;
    return InterfaceOf(shown[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const std::vector<QWidget*> shown = children();
    for (std::size_t i = 0; i < shown.size(); ++i) {
      if (shown[i] == child->object()) return static_cast<int>(i);
    }
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    const int selected = panel()->selectedSlot();
    if (panel()->hasFocus() && selected != 0) return InterfaceOf(panel()->slotSwatch(selected));
    return QAccessibleWidget::focusChild();
  }

 private:
  SlotPanel* panel() const { return static_cast<SlotPanel*>(widget()); }
  std::vector<QWidget*> children() const {
    std::vector<QWidget*> shown;
    for (int s = 1; s <= kSlotCount; ++s) {
      if (panel()->slotShown(s)) shown.push_back(panel()->slotSwatch(s));
    }
    if (!panel()->skinCaption()->isHidden()) shown.push_back(panel()->skinCaption());
    for (int g = 1; g <= kGroupCount; ++g) shown.push_back(panel()->groupCheck(g));
    return shown;
  }
};

// A slot swatch as an item of the panel's list, named by slot, group, code and colour; its value
// is its code, which only commands change.
class SlotItem : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit SlotItem(ShapeControl* swatch) : QAccessibleWidget(swatch, QAccessible::ListItem) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    state.selectable = true;
    state.selected = panel()->selectedSlot() == slot();
    state.focused = state.selected && panel()->hasFocus();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QVariant currentValue() const override { return panel()->slotCode(slot()); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return 255; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  int slot() const { return SlotOfSwatchNumber(static_cast<ShapeControl*>(widget())->number()); }
  SlotPanel* panel() const { return static_cast<SlotPanel*>(widget()->parentWidget()); }
};

// A caption button as a button named by its text, which Press clicks.
class CaptionButtonAccessible : public QAccessibleWidget {
 public:
  explicit CaptionButtonAccessible(CaptionButton* button)
      : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Name && widget()->accessibleName().isEmpty()) return button()->text();
    return QAccessibleWidget::text(type);
  }
  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << pressAction();
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      button()->click();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  CaptionButton* button() const { return static_cast<CaptionButton*>(widget()); }
};

// An alert named by its text: readers announce an alert as it appears.
class NoticeAlert : public QAccessibleWidget {
 public:
  explicit NoticeAlert(Notice* notice) : QAccessibleWidget(notice, QAccessible::AlertMessage) {}

  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
    return QAccessibleWidget::text(type);
  }
};

bool IsClass(const QString& className, const QMetaObject& type) {
  return className == QLatin1String(type.className());
}

QAccessibleInterface* AccessibleView(const QString& className, QObject* object) {
  if (IsClass(className, SwatchBoard::staticMetaObject)) {
    return new BoardTable(static_cast<SwatchBoard*>(object));
  }
  if (IsClass(className, SlotPanel::staticMetaObject)) {
    return new SlotList(static_cast<SlotPanel*>(object));
  }
  if (IsClass(className, CaptionButton::staticMetaObject)) {
    return new CaptionButtonAccessible(static_cast<CaptionButton*>(object));
  }
  if (IsClass(className, Notice::staticMetaObject)) {
    return new NoticeAlert(static_cast<Notice*>(object));
  }
  if (IsClass(className, ShapeControl::staticMetaObject)) {
    auto* swatch = static_cast<ShapeControl*>(object);
    const int code = CodeOfSwatchNumber(swatch->number());
    if (qobject_cast<SwatchBoard*>(swatch->parent()) != nullptr && code >= 0) {
      return new BoardCell(swatch);
    }
    if (qobject_cast<SlotPanel*>(swatch->parent()) != nullptr) return new SlotItem(swatch);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleViews() { QAccessible::installFactory(AccessibleView); }

void ReportFocusedPart(QWidget* part) {
  QAccessibleEvent focused(part, QAccessible::Focus);
  QAccessible::updateAccessibility(&focused);
}

void ReportFocusedPartAfterFocusIn(QWidget* view, std::function<QWidget*()> part) {
  QMetaObject::invokeMethod(
      view,
      [view, part = std::move(part)] {
        if (!view->hasFocus()) return;
        if (QWidget* focused = part()) ReportFocusedPart(focused);
      },
      Qt::QueuedConnection);
}

}  // namespace tintara

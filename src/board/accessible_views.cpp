#include "board/accessible_views.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
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

// A view drawn only where its controls are (CoverOnlyChildren) is where they are: its widget
// reaches from the corner of the window's client area, over other controls.
QRect CoveredBounds(const QWidget* view) {
  if (!view->isVisible()) return {};
  const QRect covered = view->mask().boundingRect();
  return {view->mapToGlobal(covered.topLeft()), covered.size()};
}

// One object reports the focus: a view's focused part, else the view.
QAccessible::State LeavingFocusToPart(QAccessible::State state, bool partFocused) {
  if (partFocused) state.focused = false;
  return state;
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
  QAccessible::State state() const override {
    return LeavingFocusToPart(QAccessibleWidget::state(), board()->hasFocus());
  }
  QRect rect() const override { return CoveredBounds(widget()); }
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
// panel has the focus. The panel's other controls the keyboard reaches, the skin caption and the
// groups' readability marks while they show and the group checks, follow the slots, so that
// screen readers find them too.
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
  QAccessible::State state() const override {
    return LeavingFocusToPart(QAccessibleWidget::state(),
                              panel()->hasFocus() && panel()->selectedSlot() != 0);
  }
  QRect rect() const override { return CoveredBounds(widget()); }

 private:
  SlotPanel* panel() const { return static_cast<SlotPanel*>(widget()); }
  std::vector<QWidget*> children() const {
    std::vector<QWidget*> shown;
    for (int s = 1; s <= kSlotCount; ++s) {
      if (panel()->slotShown(s)) shown.push_back(panel()->slotSwatch(s));
    }
    if (!panel()->skinCaption()->isHidden()) shown.push_back(panel()->skinCaption());
    for (int g = 1; g <= kGroupCount; ++g) {
      if (!panel()->readabilityMark(g)->isHidden()) shown.push_back(panel()->readabilityMark(g));
    }
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

// A control with one action of its own besides Qt's, which act() does.
class OneActionWidget : public QAccessibleWidget {
 public:
  OneActionWidget(QWidget* widget, QAccessible::Role role, QString action)
      : QAccessibleWidget(widget, role), action_(std::move(action)) {}

  QStringList actionNames() const override { return QAccessibleWidget::actionNames() << action_; }
  void doAction(const QString& action) override {
    if (action == action_) {
      act();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  virtual void act() = 0;

  QString action_;
};

// A caption button as a button named by its text, which Press clicks.
class CaptionButtonAccessible : public OneActionWidget {
 public:
  explicit CaptionButtonAccessible(CaptionButton* button)
      : OneActionWidget(button, QAccessible::Button, pressAction()) {}

  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Name && widget()->accessibleName().isEmpty()) return button()->text();
    return QAccessibleWidget::text(type);
  }

 private:
  void act() override { button()->click(); }
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

// A combo box named by its label, whose value is the item chosen: Qt names it by its value on
// Linux, so that a reader says the value twice and never what it is the value of.
class LabelledComboBox : public OneActionWidget {
 public:
  explicit LabelledComboBox(QComboBox* combo)
      : OneActionWidget(combo, QAccessible::ComboBox, showMenuAction()) {}

  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return combo()->currentText();
    if (type == QAccessible::Name && widget()->accessibleName().isEmpty()) return label();
    return QAccessibleWidget::text(type);
  }
  // The list it pops up, as Qt's own combo box has it.
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? InterfaceOf(combo()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child->object() == combo()->view() ? 0 : -1;
  }

 private:
  void act() override { combo()->showPopup(); }
  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
  // The text of the label whose buddy it is, without its access key and colon.
  QString label() const {
    for (const QLabel* label : widget()->window()->findChildren<QLabel*>()) {
      if (label->buddy() != widget()) continue;
      QString text = label->text();
      text.replace(QRegularExpression("&(.)"), "\\1");
      return text.endsWith(':') ? text.chopped(1) : text;
    }
    return {};
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
  if (IsClass(className, QComboBox::staticMetaObject)) {
    return new LabelledComboBox(static_cast<QComboBox*>(object));
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

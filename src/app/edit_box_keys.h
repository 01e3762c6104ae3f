#pragma once

#include <QObject>

class QAction;
class QLineEdit;

namespace tintara {

// The undo and redo keys in the edit box take back typing while there is typing to take back,
// and otherwise the last step, as the Edit menu does; the same for redo. The keys are the menu
// items' own, whatever they are.
class EditBoxKeys : public QObject {
 public:
  EditBoxKeys(QLineEdit* editBox, const QAction* undo, const QAction* redo);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* editBox_;
  const QAction* undo_;
  const QAction* redo_;
};

}  // namespace tintara

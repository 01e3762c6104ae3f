#include "app/edit_box_keys.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

namespace tintara {

EditBoxKeys::EditBoxKeys(QLineEdit* editBox, const QAction* undo, const QAction* redo)
    : QObject(editBox), editBox_(editBox), undo_(undo), redo_(redo) {
  editBox_->installEventFilter(this);
}

bool EditBoxKeys::eventFilter(QObject* watched, QEvent* event) {
  if (watched != editBox_) return false;
  if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const QKeySequence pressed(key->keyCombination());
  const bool isUndo = undo_->shortcuts().contains(pressed);
  const bool isRedo = redo_->shortcuts().contains(pressed);
  if (!isUndo && !isRedo) return false;
  const bool typing = isUndo ? editBox_->isUndoAvailable() : editBox_->isRedoAvailable();
  if (event->type() == QEvent::ShortcutOverride) {
    // Accepted, the key goes to the edit box; ignored, to the menu's shortcut.
    key->setAccepted(typing);
    return true;
  }
  if (isUndo) {
    editBox_->undo();
  } else {
    editBox_->redo();
  }
  return true;
}

}  // namespace tintara

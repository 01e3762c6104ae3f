#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QDropEvent;
class QWidget;

namespace tintara {

// A bitmap, a palette or a saved page dragged from a file manager opens when dropped on the window,
// also on its edit box, which keeps every drag that carries no local file (text to insert there).
// The file opens once the drop has returned, for the file manager waits until it does. A file is
// taken as a bitmap by its name, then as a palette (the names of the palette formats), then as a
// page.
class FileDrop : public QObject {
 public:
  using Open = std::function<void(const QString& path)>;
  FileDrop(QWidget* window, QWidget* editBox, Open openBitmap, Open openPalette, Open openPage);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool onWindow(QEvent* event);
  bool onEditBox(QEvent* event);
  void drop(QDropEvent* event);

  QWidget* window_;
  QWidget* editBox_;
  Open openBitmap_;
  Open openPalette_;
  Open openPage_;
  QString dragged_;  // the file the drag carried when it entered
};

}  // namespace tintara

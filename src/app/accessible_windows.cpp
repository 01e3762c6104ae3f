#include "app/accessible_windows.h"

#include <QAccessibleWidget>

#include "app/code_book_window.h"
#include "app/compare_window.h"
#include "app/gallery_window.h"

namespace tintara {
namespace {

QAccessibleInterface* AccessibleWindow(const QString& className, QObject* object) {
  for (const QMetaObject* window :
       {&GalleryWindow::staticMetaObject, &CodeBookWindow::staticMetaObject,
        &CompareWindow::staticMetaObject}) {
    if (className == QLatin1String(window->className())) {
      return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleWindows() { QAccessible::installFactory(AccessibleWindow); }

}  // namespace tintara

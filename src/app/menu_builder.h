#pragma once

#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace tintara {

// Menu items named like the window's other controls, so that they are found by name.
QMenu* AddMenu(QWidget* parent, const QString& name, const QString& caption);
QAction* AddItem(QMenu* menu, const QString& name, const QString& caption);
QAction* AddSeparator(QMenu* menu, const QString& name = {});

}  // namespace tintara

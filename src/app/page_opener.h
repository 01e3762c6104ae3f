#pragma once

#include <QString>
#include <functional>

namespace tintara {

// Opens a saved HTML page with the application the desktop associates with it, normally the web
// browser, without waiting for it. False when no program could be started for it. Tests put in
// their own opener to see which path would be opened without starting anything.
using PageOpener = std::function<bool(const QString& path)>;

bool OpenWithTheDesktop(const QString& path);

}  // namespace tintara

#pragma once

#include <QString>
#include <functional>

namespace tintara {

// Opens a saved HTML page with the application the desktop associates with it, normally the web
// browser. The result is not examined and the call does not wait for the browser. Tests put in
// their own opener to see which path would be opened without starting anything.
using PageOpener = std::function<void(const QString& path)>;

void OpenWithTheDesktop(const QString& path);

}  // namespace tintara

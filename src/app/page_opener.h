#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace tintara {

// Opens a saved HTML page with the application the desktop associates with it, normally the web
// browser, without waiting for it. False when no program could be started for it. Tests put in
// their own opener to see which path would be opened without starting anything.
using PageOpener = std::function<bool(const QString& path)>;

bool OpenWithTheDesktop(const QString& path);

// Opens the user guide, a page of its own, with `open` like the pages "Save as JPG" writes; what
// to tell the user instead when it is not installed or nothing could open it.
std::optional<QString> OpenGuide(const QString& guidePath, const PageOpener& open);

}  // namespace tintara

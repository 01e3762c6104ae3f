#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <optional>

namespace tintara {

// The window program's exit status when no window can open, as for a wrong command line: what
// the user set stands in the way.
inline constexpr int kNoWindowStatus = 2;

// The names of the platform plugins Qt can find for this command line and environment, in lower
// case: those of the plugin folders it searches (the library paths, QT_QPA_PLATFORM_PLUGIN_PATH,
// -platformpluginpath) and the static ones, read from the plugins' metadata without loading them.
// `arguments` are the window program's, its name first.
QStringList PlatformPluginNames(const QStringList& arguments,
                                const QProcessEnvironment& environment);

// Why no window can open, in words for a one-line message that say what to set; checked before
// the application starts, since Qt ends the program when it cannot make its platform. The platform
// is the one -platform or QT_QPA_PLATFORM names ("a;b" tries each), or the desktop's. None of the
// named platforms among `plugins`: no plugin (unless `plugins` is empty, when the search found
// nothing to judge by). Only X11 (xcb, without DISPLAY or -display) and Wayland (without
// WAYLAND_DISPLAY) left to try: no display.
std::optional<QString> WhyNoWindowOpens(const QStringList& arguments,
                                        const QProcessEnvironment& environment,
                                        const QStringList& plugins);

}  // namespace tintara

#pragma once

#include <QString>

class QCommandLineParser;

namespace tintara {

// The parser's help text with its usage line naming the program "tintara", as users and the
// manual page know it, whatever the executable is called and whether an application exists yet.
QString UsageText(const QCommandLineParser& parser);

}  // namespace tintara

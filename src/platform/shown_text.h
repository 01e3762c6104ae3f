#pragma once

#include <string>
#include <string_view>

namespace tintara {

// Outside text as a message shows it, in the window and on the terminal alike: every control
// character (below 0x20, and 0x7F) written as a "\x1B"-style escape, so that a file name or a code
// line cannot move the terminal's cursor, ring its bell or break a message box's lines.
std::string ShownText(std::string_view text);

// A token (a code, a page's text) as a message shows it: its first 40 characters, then "…" when
// there are more, escaped as ShownText escapes.
std::string ShownToken(std::string_view token);

}  // namespace tintara

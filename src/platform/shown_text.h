#pragma once

#include <string>
#include <string_view>

namespace tintara {

// Outside text as a message shows it, in the window and on the terminal alike: every control
// character (below 0x20, and 0x7F) written as a "\x1B"-style escape, so that a file name or a code
// line cannot move the terminal's cursor, ring its bell or break a message box's lines, and every
// bidirectional control (U+202A..U+202E, U+2066..U+2069) as a "\u202E"-style one, so that a name
// cannot show its characters in another order than they are.
std::string ShownText(std::string_view text);

// A token (a code, a page's text) as a message shows it: its first 40 characters, then "…" when
// there are more, escaped as ShownText escapes.
std::string ShownToken(std::string_view token);

}  // namespace tintara
